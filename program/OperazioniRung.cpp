#include "program/OperazioniRung.h"

#include "base/Attesa.h"
#include "base/Globali.h"
#include "base/Prompt.h"
#include "program/Agganci.h"
#include "program/Program.h"
#include "program/Programmi.h"

#include <QGuiApplication>
#include <functional>

namespace {
Programma& Corrente()
{
    return Programmi[ProgCorrente];
}

void AbilitaTasto(const char* chiave, bool abilita)
{
    EventiProg().AbilitaTasto(QString::fromLatin1(chiave), abilita);
}

// The undo button and what it stands for go together.
void AbilitaRedo(bool abilita)
{
    Redo.Disponibile = abilita;
    AbilitaTasto("rung_redo", abilita);
}

void RigaCambiata(int k)
{
    if (Program* w = FinestraProgramma(false)) w->RidisegnaRiga(ProgCorrente, k);
}

void RigheCambiate()
{
    if (Program* w = FinestraProgramma(false)) w->Ridisegna();
}

// The fields a rung carries from one slot to another: everything but
// argument slot 8, which no copy touches.
void CopiaCampi(const Rung& src, Rung& dst)
{
    const QString testo8 = dst.ArgTesto[8];
    const auto byte8 = dst.ArgByte[8];
    dst = src;
    dst.ArgTesto[8] = testo8;
    dst.ArgByte[8] = byte8;
}

// What Insert empties: the block, not the argument texts or the trigger.
void SvuotaBlocco(Rung& r)
{
    r.Classe = 0;
    r.Gruppo = 0;
    r.Op = 0;
    r.Etichetta.clear();
    r.Delay = 0;
    r.Break = false;
    r.Lunghezza = 0;
    for (int k = 0; k < 8; ++k) r.ArgByte[k] = {0, 0, 0, 0};
}

bool InRange(int r)
{
    return r >= 0 && r <= MaxRung;
}

// The rung the block editor was opened on. The editor is not modal, so rungs
// can move while it is open: its target follows the rung, and a rung that is
// gone leaves it a number past the table, so its OK refuses instead of
// storing over whatever rung took the place.
int BersaglioProcesso = -1;
int BersaglioRung = 0;
constexpr int RungSparito = MaxRung + 1;

bool EditorAperto()
{
    return EventiProg().EditorBloccoAperto();
}

// `dove` maps a rung number of the current process to where that rung is now.
void SeguiBersaglio(const std::function<int(int)>& dove)
{
    if (BersaglioProcesso != ProgCorrente) return;
    EditorBlocco* ed = EditorBloccoAttivo();
    if (!ed || !EditorAperto()) {
        BersaglioProcesso = -1;
        return;
    }
    const int n = dove(BersaglioRung);
    if (n == BersaglioRung) return;
    BersaglioRung = n;
    ed->ImpostaBersaglio(BersaglioProcesso, n);
}
} // namespace

void ProcessoSvuotato()
{
    SeguiBersaglio([](int) { return RungSparito; });
}

QString SenzaVirgole(const QString& testo)
{
    QString out = testo;
    out.remove(QLatin1Char(','));
    return out;
}

bool RungInUso(int r)
{
    return r >= 1 && r <= Corrente().NumRung;
}

bool BersaglioEsiste(int processo, int rung)
{
    return processo >= 0 && processo < NumProcessi && rung >= 1 && rung <= Programmi[processo].NumRung;
}

namespace {
// The record half of CopiaRung. The shifts of delete, insert and undo move
// many rungs and redraw the rows in view once at the end, not once per rung.
void CopiaRecord(int src, int dst)
{
    if (!InRange(src) || !InRange(dst)) return;
    Programma& P = Corrente();
    const Rung s = P.Rung[src];
    Rung& d = P.Rung[dst];
    CopiaCampi(s, d);
    d.Descrizione = SenzaVirgole(s.Descrizione);
    d.Riga.ImmagineVisibile = true;
}

// Moves rungs n..NumRung-1 one slot down (NumRung already counts the slot
// they move into), so slot n is free; an open editor follows its rung.
void ApriVarco(int n)
{
    Programma& P = Corrente();
    for (int i = P.NumRung - 1; i >= n; --i) CopiaRecord(i, i + 1);
    SeguiBersaglio([n](int t) { return t >= n && t < MaxRung ? t + 1 : t; });
}
} // namespace

void CopiaRung(int src, int dst)
{
    CopiaRecord(src, dst);
    RigaCambiata(dst);
}

void ModificaRung(int r)
{
    if (!RungInUso(r)) return;
    AbilitaRedo(false);
    SelezionaRung(r);
    EditorBlocco* ed = EditorBloccoAttivo();
    if (!ed) {
        EventiProg().EditorBloccoAssente();
        return;
    }
    const int p = ProgCorrente;
    const Rung& rung = Programmi[p].Rung[r];
    // The editor stores into this rung even if the user selects another one
    // while it is open.
    BersaglioProcesso = p;
    BersaglioRung = r;
    ed->ImpostaBersaglio(p, r);
    ed->ImpostaEtichetta(rung.Etichetta);
    ed->SelezionaFunzione(ed->FunzToOpt(rung.Classe, rung.Gruppo, rung.Op));
    Attesa(0.1);
    const Rung& dopo = Programmi[p].Rung[r];
    if (dopo.Valido) {
        // Row 0 first: the lists of the other rows depend on it.
        ed->ImpostaArgomento(0, dopo.ArgTesto[0]);
        ed->ArgomentoClick(0);
        for (int k = 1; k < 8; ++k) ed->ImpostaArgomento(k, dopo.ArgTesto[k]);
        ed->ImpostaDelay(QString::number(dopo.Delay));
    }
    ed->Mostra();
}

void SalvaRedo(int r)
{
    if (!InRange(r)) return;
    Redo.NumRung = int16_t(r);
    Redo.Processo = ProgCorrente;
    CopiaCampi(Corrente().Rung[r], Redo.Rung);
    AbilitaRedo(true);
}

void CancellaRung(int r)
{
    // Rung 0 is the clipboard, never a program rung.
    if (!RungInUso(r)) return;
    AbilitaRedo(false);
    SalvaRedo(r);
    Redo.DaCancellazione = true;
    Programma& P = Corrente();
    for (int i = r; i <= P.NumRung - 1; ++i) CopiaRecord(i + 1, i);
    SeguiBersaglio([r](int t) { return t == r ? RungSparito : t > r && t <= MaxRung ? t - 1 : t; });
    P.NumRung -= 1;
    RigheCaricate = int16_t(qMax(0, RigheCaricate - 1));
    if (RungCorrente > P.NumRung) RungCorrente = P.NumRung;
    ProgettoModificato = true;
    RigheCambiate();
}

void InserisciRung(int k)
{
    Programma& P = Corrente();
    const int nuovo = k + 1;
    if (nuovo < 1 || nuovo > P.NumRung) return;
    AbilitaRedo(false);
    ApriVarco(nuovo);
    Rung& r = P.Rung[nuovo];
    SvuotaBlocco(r);
    r.Riga = RigaRung{};
    r.Descrizione = DescrizioneVuota;
    r.Valido = false;
    ProgettoModificato = true;
    SelezionaRung(nuovo);
    RigheCambiate();
}

namespace {
void Scambia(int c, int altro)
{
    if (!RungInUso(c) || !RungInUso(altro)) return;
    AbilitaRedo(false);
    // The clipboard slot is about to hold a moved rung.
    AbilitaTasto("rung_paste", false);
    CopiaRung(altro, 0);
    CopiaRung(c, altro);
    CopiaRung(0, c);
    SeguiBersaglio([c, altro](int t) { return t == c ? altro : t == altro ? c : t; });
    ProgettoModificato = true;
    SelezionaRung(altro);
}
} // namespace

void SpostaRungSu(int c)
{
    Scambia(c, c - 1);
}

void SpostaRungGiu(int c)
{
    Scambia(c, c + 1);
}

void CopiaRungClip(int c)
{
    if (!RungInUso(c)) return;
    AbilitaRedo(false);
    CopiaRung(c, 0);
    AbilitaTasto("rung_paste", true);
}

void IncollaRung(int c)
{
    if (!RungInUso(c)) return;
    SalvaRedo(c);
    Redo.DaCancellazione = false;
    CopiaRung(0, c);
    ProgettoModificato = true;
}

void RipristinaRedo()
{
    if (!Redo.Disponibile) return;
    AbilitaRedo(false);
    // The rung goes back into the process it came from.
    if (Redo.Processo != ProgCorrente) {
        if (Program* w = FinestraProgramma(false)) w->MostraProcesso(Redo.Processo);
        else ProgCorrente = Redo.Processo;
    }
    Programma& P = Corrente();
    int n = Redo.NumRung;
    if (Redo.DaCancellazione) {
        // A deleted rung goes back in between, where it was.
        n = qBound(1, n, P.NumRung + 1);
        if (!DisegnaProgramma()) return;
        ApriVarco(n);
    } else if (!RungInUso(n)) {
        return;
    }
    CopiaCampi(Redo.Rung, P.Rung[n]);
    ProgettoModificato = true;
    SelezionaRung(n);
    RigheCambiate();
    // A rung without a block has nothing for the editor to store again.
    if (P.Rung[n].Classe == 0) return;
    ModificaRung(n);
    if (EditorBlocco* ed = EditorBloccoAttivo()) ed->Conferma();
}

bool AggiungiRungVuoto()
{
    Programma& P = Corrente();
    if (P.NumRung < MaxRung) {
        // Whatever the slot held before (a deleted rung, another project) goes.
        Rung& r = P.Rung[P.NumRung + 1];
        CopiaCampi(Rung{}, r);
        r.Descrizione = DescrizioneVuota;
    }
    return DisegnaProgramma();
}

void ComandoModifica()
{
    ModificaRung(RungCorrente);
}

void ComandoCancella()
{
    // Without a rung of this process selected there is nothing to ask about.
    if (!RungInUso(RungCorrente)) return;
    if (Prompt::MsgBox(QStringLiteral("Delete Function Block ?"), Prompt::OkAnnulla,
                       QGuiApplication::applicationDisplayName()) == Prompt::Ok)
        CancellaRung(RungCorrente);
}

namespace {
void Inserisci(bool prima)
{
    const int vecchio = Corrente().NumRung;
    const int c = RungCorrente;
    if (!AggiungiRungVuoto()) return;
    ProgettoModificato = true;
    // With no rung of this process selected, the new rung is simply appended.
    if (c < 1 || c > vecchio) {
        SelezionaRung(Corrente().NumRung);
        return;
    }
    if (c != Corrente().NumRung) InserisciRung(prima ? c - 1 : c);
}
} // namespace

void ComandoInserisciPrima()
{
    Inserisci(true);
}

void ComandoInserisciDopo()
{
    Inserisci(false);
}

void ComandoSpostaSu()
{
    if (RungCorrente > 1) SpostaRungSu(RungCorrente);
}

void ComandoSpostaGiu()
{
    if (RungCorrente < Corrente().NumRung) SpostaRungGiu(RungCorrente);
}

void ComandoCopia()
{
    CopiaRungClip(RungCorrente);
}

void ComandoIncolla()
{
    IncollaRung(RungCorrente);
}

void ComandoRipristina()
{
    RipristinaRedo();
}

void ComandoBreak()
{
    if (!RungInUso(RungCorrente)) return;
    Rung& r = Corrente().Rung[RungCorrente];
    r.Break = !r.Break;
    RigaCambiata(RungCorrente);
    ProgettoModificato = true;
}
