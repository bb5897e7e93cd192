#include "shell/ComandiComuni.h"

#include "projectfiles/ApriProgetto.h"
#include "projectfiles/SalvaProgetto.h"
#include "program/Progetto.h"
#include "registers/Registri.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "base/Globali.h"

namespace {
void MostraNomeProgetto()
{
    if (Principale::Esiste()) Principale::Istanza()->setWindowTitle(NomeProgetto);
}
} // namespace

bool SalvaProgettoCorrente(bool salvaCome)
{
    if (SalvaProgettoAggancio) return SalvaProgettoAggancio(salvaCome);
    const bool salvato = SalvaProgetto(salvaCome) == EsitoSalvataggio::Salvato;
    if (salvato) MostraNomeProgetto();
    return salvato;
}

void ApriProgettoCorrente()
{
    if (ApriProgetto() != EsitoApertura::Aperto) return;
    MostraNomeProgetto();
    if (Registri* r = Finestre::SeCaricata<Registri>()) r->Redraw();
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
