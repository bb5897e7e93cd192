#include "compiler/Compilatore.h"

#include "base/Conversioni.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "compiler/Etichette.h"
#include "compiler/ParteImmagine.h"
#include "compiler/Rapporto.h"
#include "display/ParteTask.h"
#include "program/Programmi.h"
#include "program/StatoProgramma.h"
#include "registers/Tabelle.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxVoci = 255;
// Every code record is written as the block's group, 0 and eight slots;
// a "Call Page" on eight pages needs the ninth slot too.
constexpr int ByteCodice = 34;
constexpr int MaxLunghezzaRung = 38;
constexpr int GruppoLinearizzazione = 1;
constexpr int OpLinearizzazione = 8;
constexpr int GruppoDisplay = 3;
constexpr int OpDisplayRefresh = 254;

// Every compile places the scheduler tasks, whoever calls it.
std::array<ParteImmagine*, 2>& Parti()
{
    static std::array<ParteImmagine*, 2> p{nullptr, &ParteTask::Istanza()};
    return p;
}

// Leaves ProgCorrente on the main program on every way out of the compile,
// so that a save after it writes the main program.
struct ProgrammaPrincipaleAllUscita {
    ~ProgrammaPrincipaleAllUscita() { ProgCorrente = 0; }
};

void ScriviLittleEndian(int offset, uint32_t valore, int byte)
{
    for (int i = 0; i < byte; ++i) ImmagineCodice[offset + i] = uint8_t(valore >> (8 * i));
}

void ScriviSingolo(int offset, double valore)
{
    const Byte4 b = FloatToByte(valore);
    for (int i = 0; i < 4; ++i) ImmagineCodice[offset + i] = b[3 - i];
}

// Reserves the next entry; -1 when every reserved entry is taken.
int NuovaVoce()
{
    if (NumComandi >= NumRiservate) return -1;
    ++NumComandi;
    return OffsetVoce(NumComandi);
}

void VoceComunicazione(const Rung& g)
{
    const int e = NuovaVoce();
    if (e < 0) {
        ErroreRung = Testo(TestoErroreCodifica);
        return;
    }
    const auto& s = g.ArgByte;
    const uint8_t v[LunghezzaVoce] = {uint8_t(g.Classe), s[0][0], s[1][1], s[1][0], s[2][0],
                                      s[3][1],           s[3][0], s[4][0], s[5][0], uint8_t(g.Break ? 1 : 0)};
    std::copy(std::begin(v), std::end(v), ImmagineCodice.begin() + e);
}

void CodiceInterno(int r)
{
    RisolviEtichette(r);
    Rung& g = Programmi[ProgCorrente].Rung[r];
    const QString erroreEtichette = ErroreRung;

    const bool linearizzazione = g.Gruppo == GruppoLinearizzazione && g.Op == OpLinearizzazione;
    int punti = 0;
    const Tabella* tabella = nullptr;
    if (linearizzazione) {
        const int t = g.ArgByte[2][0];
        if (t >= NumTabelle) {
            ErroreRung = Testo(TestoTabellaAssente);
            return;
        }
        tabella = &Tabelle[t];
        punti = tabella->NPunti;
        // The entry's length byte covers code and table.
        if (g.Lunghezza + 8 * punti > 255) {
            ErroreRung = Testo(TestoTabellaLunga);
            return;
        }
    }
    const int a = IndirizzoCodice;
    const int scritti = g.Lunghezza > ByteCodice ? MaxLunghezzaRung : ByteCodice;
    if (g.Lunghezza < 0 || g.Lunghezza > MaxLunghezzaRung || g.Gruppo < 0 || g.Gruppo > 255 ||
        a + scritti > DimensioneImmagineCodice || a + g.Lunghezza + 8 * punti > DimensioneImmagineCodice ||
        NumComandi >= NumRiservate) {
        ErroreRung = Testo(TestoErroreCodifica);
        return;
    }

    if (linearizzazione) {
        const int x = IndirizzoBaseCodice + a + g.Lunghezza;
        const int y = x + 4 * punti;
        g.ArgByte[4][0] = uint8_t(x);
        g.ArgByte[4][1] = uint8_t(x >> 8);
        g.ArgByte[5][0] = uint8_t(punti);
        g.ArgByte[5][1] = 1;
        g.ArgByte[6][0] = uint8_t(y);
        g.ArgByte[6][1] = uint8_t(y >> 8);
    }

    const int e = NuovaVoce();
    ++NumInterni;
    ImmagineCodice[e] = 3;
    ImmagineCodice[e + 1] = uint8_t(NumInterni);
    ImmagineCodice[e + 2] = 0;
    ScriviLittleEndian(e + 3, uint32_t(a), 4);
    ImmagineCodice[e + 7] = uint8_t(g.Lunghezza + 8 * punti);
    ImmagineCodice[e + 8] = 0;
    ImmagineCodice[e + 9] = g.Break ? 1 : 0;

    const bool refresh = g.Gruppo == GruppoDisplay && g.Op == OpDisplayRefresh;
    ImmagineCodice[a] = uint8_t(g.Gruppo);
    ImmagineCodice[a + 1] = 0;
    for (int k = 0; 2 + 4 * k < scritti; ++k)
        for (int j = 0; j < 4; ++j)
            ImmagineCodice[a + 2 + 4 * k + j] = (refresh && j == 0) ? uint8_t(OpDisplayRefresh) : g.ArgByte[k][j];

    IndirizzoCodice = a + g.Lunghezza;
    if (tabella) {
        for (int i = 0; i < punti; ++i, IndirizzoCodice += 4) ScriviSingolo(IndirizzoCodice, tabella->X[i]);
        for (int i = 0; i < punti; ++i, IndirizzoCodice += 4) ScriviSingolo(IndirizzoCodice, tabella->Y[i]);
    }
    ErroreRung = erroreEtichette;
}

// End of the last code entry, each length rounded up to whole slots.
int32_t PercorsoVoci(int32_t partenza)
{
    int32_t fine = partenza;
    const int voci = ImmagineCodice[0] + ImmagineCodice[2];
    for (int n = 1; n <= voci; ++n) {
        const VoceComando v = TabellaComandi(n);
        if (v.Classe() != 3) continue;
        const int l = v.Lunghezza();
        fine = int32_t(v.Offset()) + 2 + (l >= 3 ? 4 * ((l - 2 + 3) / 4) : 0);
    }
    return fine;
}

} // namespace

void ImpostaParteImmagine(PostoParte posto, ParteImmagine* parte)
{
    Parti()[size_t(posto)] = parte;
}

bool ProduceVoce(int classe)
{
    switch (classe) {
    case 1: case 2: case 3: case 4: case 6: case 7: case 8:
        return true;
    default:
        return false;
    }
}

void CompilaRung(int r)
{
    Rung& g = Programmi[ProgCorrente].Rung[r];
    if (g.Classe == 3)
        CodiceInterno(r);
    else if (ProduceVoce(g.Classe))
        VoceComunicazione(g);
}

namespace {
bool Registra(const VoceErrore& e)
{
    if (NumErrori >= MaxErrori) return false;
    Errori[NumErrori] = e;
    ++NumErrori;
    return true;
}
} // namespace

bool RegistraErrore(int numero, const QString& testo)
{
    return Registra(VoceErrore{int16_t(numero), testo});
}

bool RegistraErroreTask(int t, const QString& testo)
{
    return Registra(VoceErrore{int16_t(t), testo, true});
}

bool CompilaRungProgramma(int p)
{
    ProgCorrente = int16_t(p);
    const int n = std::min<int>(Programmi[p].NumRung, MaxRung);
    for (int r = 1; r <= n; ++r) {
        ErroreRung.clear();
        const Rung& g = Programmi[p].Rung[r];
        // The main program's blocks come from the block editor: one it did not
        // accept, or could not rebuild when the project was opened, has no
        // code to trust. Page programs are written whole by their compiler.
        if (p == 0 && !g.Valido && ProduceVoce(g.Classe))
            ErroreRung = Testo(TestoErroreCodifica);
        else
            CompilaRung(r);
        if (!ErroreRung.isEmpty() && !RegistraErrore(r, ErroreRung)) return false;
    }
    return true;
}

int32_t CompilaProgramma(Rapporto& rapporto)
{
    ProgrammaPrincipaleAllUscita uscita;
    NumErrori = 0;
    QString stato = Testo(TestoErrore);
    const auto fallisci = [&] {
        rapporto.Scrivi(Testo(TestoControlloErrori) + QStringLiteral(" : ") + stato);
        rapporto.Scrivi(Testo(TestoImpossibile));
        for (int i = 0; i < NumErrori; ++i)
            rapporto.Scrivi((Errori[i].DiTask ? QStringLiteral(" - Task ") : QStringLiteral(" - Function Block ")) +
                            QString::number(Errori[i].NumeroBlocco) +
                            QStringLiteral(" : ") + Errori[i].TestoErrore);
        return 0;
    };

    if (Controllore.Modello >= NumModelli) return fallisci();
    const int dimensione = Modelli[Controllore.Modello].DimensioneProgramma;
    std::fill_n(ImmagineCodice.begin(), std::clamp(dimensione, 0, DimensioneImmagineCodice), uint8_t(0));

    int voci = Programmi[0].NumRung;
    if (voci == 0) {
        stato = Testo(TestoNessunBlocco);
        return fallisci();
    }
    if (voci > MaxVoci) return fallisci();
    QList<int> programmi = {0};
    for (ParteImmagine* parte : Parti()) {
        if (!parte) continue;
        voci += parte->VociRiservate();
        programmi += parte->ProgrammiRung();
    }
    if (voci > MaxVoci) return fallisci();

    NumRiservate = voci;
    InizioCodice = InizioTabellaComandi + LunghezzaVoce * voci;
    IndirizzoCodice = InizioCodice;
    NumComandi = 0;
    NumInterni = 0;
    NumeraEtichette(programmi);
    if (!CompilaRungProgramma(0)) return fallisci();
    int task = 0;
    for (ParteImmagine* parte : Parti()) {
        if (!parte) continue;
        if (!parte->Compila()) return fallisci();
        task += parte->VociTask();
    }
    ProgCorrente = 0;
    ImmagineCodice[0] = uint8_t(NumComandi - task);
    ImmagineCodice[2] = uint8_t(task);

    int32_t lunghezza = PercorsoVoci(IndirizzoCodice);
    for (ParteImmagine* parte : Parti())
        if (parte) lunghezza = parte->DopoPercorso(lunghezza);
    IndirizzoCodice = lunghezza;

    rapporto.Inizia();
    rapporto.Scrivi(Testo(TestoCompilazione));
    if (NumErrori != 0) return fallisci();
    rapporto.Scrivi(Testo(TestoControlloErrori) + QStringLiteral(" : OK"));
    rapporto.Scrivi(Testo(TestoUtilizzoRisorse) + QStringLiteral(" :"));
    const int percento = dimensione > 0 ? int(std::floor(double(lunghezza) / dimensione * 100)) : 0;
    rapporto.Scrivi(QStringLiteral("  %1 / %2 Bytes (%3%)").arg(lunghezza).arg(dimensione).arg(percento));
    if (lunghezza > dimensione) return fallisci();
    rapporto.Scrivi(Testo(TestoCompilato));
    return lunghezza;
}

int32_t CompilaProgramma()
{
    Rapporto nessuno;
    return CompilaProgramma(nessuno);
}
