#include "shell/ComandiComuni.h"

#include "base/Globali.h"
#include "program/Progetto.h"
#include "projectfiles/ApriProgetto.h"
#include "projectfiles/ProgettoSalvato.h"
#include "projectfiles/SalvaProgetto.h"
#include "registers/Registri.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"

namespace {
void MostraNomeProgetto()
{
    if (Principale::Esiste()) Principale::Istanza()->setWindowTitle(NomeProgetto);
}

// The caption must not keep the old path: a Save As would offer to write
// over the project just left.
void SenzaFile()
{
    NomeProgetto = QStringLiteral("Project");
    NomeFile.clear();
    MostraNomeProgetto();
}

void RidisegnaRegistri()
{
    if (Registri* r = Finestre::SeCaricata<Registri>()) r->Redraw();
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
    RidisegnaRegistri();
}

void NuovoProgettoCorrente()
{
    if (!NuovoProgetto()) return;
    TabelleIniziali();
    AggiornaProgetto();
    SenzaFile();
    RidisegnaRegistri();
}

void ChiudiProgettoCorrente()
{
    if (NuovoProgetto()) SenzaFile();
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
