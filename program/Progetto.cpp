#include "program/Progetto.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "display/Pagine.h"
#include "display/SMS.h"
#include "program/Agganci.h"
#include "program/OperazioniRung.h"
#include "program/Program.h"
#include "program/Programmi.h"
#include "registers/Variabili.h"

namespace {
// Clears what New empties of a rung; the argument texts and the trigger stay.
void SvuotaRung(Rung& r)
{
    r.Valido = false;
    r.Lunghezza = 0;
    r.Break = false;
    r.Descrizione = DescrizioneVuota;
    r.Classe = 0;
    r.Op = 0;
    r.Etichetta.clear();
    r.Gruppo = 0;
    r.Delay = 0;
    for (int k = 0; k < 8; ++k) r.ArgByte[k] = {0, 0, 0, 0};
    r.Riga = RigaRung{};
}
} // namespace

bool NuovoProgetto()
{
    // The rung list window asks first: Cancel keeps the project as it is,
    // rows and modified flag included. Its own close runs this after asking.
    Program* finestra = FinestraProgramma(false);
    if (finestra && !finestra->InChiusura() && !finestra->ConfermaChiusura()) return false;
    if (ProgettoModificato) {
        // The user wanted the changes kept: without a save nothing is emptied.
        if (Prompt::MsgBox(Testo(172), Prompt::OkAnnulla, EventiProg().Titolo()) == Prompt::Ok &&
            !EventiProg().SalvaProgetto(true)) {
            if (finestra) finestra->AnnullaChiusura();
            return false;
        }
    }
    ProgettoModificato = false;

    Programma& P = Programmi[ProgCorrente];
    for (int r = 1; r <= P.NumRung; ++r) SvuotaRung(P.Rung[r]);
    ProcessoSvuotato();
    RigheCaricate = 0;
    P.NumRung = 0;
    RungCorrente = 0;

    if (finestra) finestra->Ridisegna();
    EventiProg().ChiudiFinestreProgetto();
    EventiProg().AbilitaGruppo(QStringLiteral("Puls_FunctionBlock"), false);
    EventiProg().AbilitaGruppo(QStringLiteral("Puls_Compila"), false);
    return true;
}

void NuovaSub()
{
    // Processes 1..9 are the subroutines' (process 0 is the main program).
    if (NumSub >= NumProcessi - 1) {
        Prompt::MsgBox(QStringLiteral("A project holds at most %1 subroutines").arg(NumProcessi - 1));
        return;
    }
    // On the display model the page compiler writes programs 1..NumPagine.
    if (ModelloDisplay() && NumSub + 1 <= NumPagine) {
        Prompt::MsgBox(Testo(TestoSubSuPagina));
        return;
    }
    NumSub += 1;
    Program* w = FinestraProgramma(true);
    w->AggiungiTab(NumSub);
    w->MostraProcesso(NumSub);
    ProgCorrente = NumSub;
    Programmi[NumSub].NumRung = 0;
    AggiungiRungVuoto();
    SelezionaRung(Programmi[NumSub].NumRung);
}

void AggiornaProgetto()
{
    NomeProgetto = QStringLiteral("Project");
    RigheCaricate = 0;
    Programmi[ProgCorrente].NumRung = 0;
    NumPagine = 1;
    Pagine[0].NumOggetti = 0;

    const DefModello& m = Modelli[qMin<int>(Controllore.Modello, NumModelli - 1)];
    for (int i = 0; i < m.MaxVariabili && i < MaxVariabiliTabella; ++i) {
        Variabile& v = Variabili[i];
        v.RegistroVar = 100;
        v.TipoVar = 0;
        v.FormatoVar = QStringLiteral("%+5.0f");
        v.EtichettaVar = QStringLiteral("---");
        v.NomeCampo = QStringLiteral("---");
    }
    NumVariabili = uint8_t(qBound<int>(0, m.MaxVariabili, 255));
    for (int i = 0; i < m.NumStringhe && i < int(Stringhe.size()); ++i) Stringhe[i].TestoVoce.clear();
    NumTestiSMS = 0;
    NumNumeriSMS = 0;

    AggiungiRungVuoto();
    SelezionaRung(Programmi[ProgCorrente].NumRung);

    EventiProg().MostraFinestreProgetto();
    EventiProg().AbilitaGruppo(QStringLiteral("Puls_FunctionBlock"), true);
    EventiProg().AbilitaGruppo(QStringLiteral("Puls_Compila"), true);
    ProgettoModificato = false;
}
