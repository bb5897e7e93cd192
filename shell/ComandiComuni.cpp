#include "shell/ComandiComuni.h"

#include "program/Progetto.h"
#include "registers/Registri.h"
#include "shell/Finestre.h"
#include "shell/NonDisponibile.h"
#include "shell/model/Globali.h"

bool SalvaProgettoCorrente(bool salvaCome)
{
    if (!SalvaProgettoAggancio) {
        NonDisponibile(QStringLiteral("SalvaProgetto"));
        return false;
    }
    return SalvaProgettoAggancio(salvaCome);
}

void RinfrescaRegistri()
{
    Registri* r = Finestre::SeCaricata<Registri>();
    if (!r) {
        r = Finestre::Get<Registri>();
        Finestre::Mostra(r);
    }
    r->AggiornaRegistri_new(true);
}
