#include "compiler/Etichette.h"

#include "base/Testi.h"
#include "compiler/Compilatore.h"
#include "display/Pagine.h"
#include "program/Programmi.h"

#include <QHash>
#include <utility>

namespace {

// Block identities the resolution treats specially.
constexpr int GruppoIfGoto = 129;
constexpr int GruppoGoto = 130;
constexpr int GruppoCall = 131;
constexpr int GruppoIfCall = 139;
constexpr int GruppoDisplay = 3;
constexpr int OpCallPage = 253;
// "Call Page" carries slot 0 and one slot per page: slots 1 to 8.
constexpr int MaxPagineChiamata = 8;

// (program, rung) of entry number i + 1.
QList<std::pair<int, int>>& Numerati()
{
    static QList<std::pair<int, int>> n;
    return n;
}

// Number of the last entry of each numbered program.
QHash<int, int>& FineProgramma()
{
    static QHash<int, int> f;
    return f;
}

void ScriviBersaglio(Rung& g, int slot, int numero)
{
    const int indice = numero - 1;
    g.ArgByte[slot][0] = uint8_t(indice & 0xFF);
    g.ArgByte[slot][1] = uint8_t((indice >> 8) & 0xFF);
}

// Looks `etichetta` up and writes it into `slot`; false (with the rung's
// error set) when nothing carries it.
bool Risolvi(Rung& g, const QString& etichetta, int slot)
{
    const int n = CercaEtichetta(etichetta);
    if (n <= 0) {
        ErroreRung = Testo(TestoErroreEtichetta);
        return false;
    }
    ScriviBersaglio(g, slot, n);
    return true;
}

void RisolviCallPage(Rung& g)
{
    // With no page there is nothing to call; a ninth page has no slot left.
    if (NumPagine < 1 || NumPagine > MaxPagineChiamata) {
        ErroreRung = Testo(TestoPagineChiamata);
        return;
    }
    g.ArgByte[0][0] = OpCallPage;
    g.ArgByte[0][3] = uint8_t(NumPagine - 1);
    for (int p = 0; p < NumPagine; ++p)
        if (!Risolvi(g, QStringLiteral("PAG") + QString::number(p + 1), p + 1)) return;
    g.Lunghezza = int16_t(6 + 4 * NumPagine);
}

} // namespace

void NumeraEtichette(const QList<int>& programmi)
{
    Numerati().clear();
    FineProgramma().clear();
    for (int p : programmi) {
        const Programma& prog = Programmi[p];
        for (int r = 1; r <= prog.NumRung && r <= MaxRung; ++r)
            if (ProduceVoce(prog.Rung[r].Classe)) Numerati().append({p, r});
        FineProgramma().insert(p, int(Numerati().size()));
    }
}

int CercaEtichetta(const QString& etichetta)
{
    if (etichetta.isEmpty()) return 0;
    const auto& n = Numerati();
    for (int i = int(n.size()) - 1; i >= 0; --i)
        if (Programmi[n[i].first].Rung[n[i].second].Etichetta == etichetta) return i + 1;
    if (etichetta == u"DISPLAY") return FineProgramma().value(ProgCorrente, Programmi[ProgCorrente].NumRung) + 1;
    return 0;
}

void RisolviEtichette(int r)
{
    ErroreRung.clear();
    Rung& g = Programmi[ProgCorrente].Rung[r];
    switch (g.Gruppo) {
    case GruppoGoto:
    case GruppoCall:
        Risolvi(g, g.ArgTesto[4], 0);
        break;
    case GruppoIfGoto:
        if (Risolvi(g, g.ArgTesto[4], 1)) Risolvi(g, g.ArgTesto[5], 3);
        break;
    case GruppoIfCall:
        Risolvi(g, g.ArgTesto[4], 1);
        break;
    case GruppoDisplay:
        if (g.Op == OpCallPage) RisolviCallPage(g);
        break;
    default:
        break;
    }
}
