#include "blockeditor/famiglie/BitConfronto.h"

#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/AiutiRighe.h"
#include "program/Programmi.h"

#include <array>

namespace {
// The six row layouts the seventeen blocks share.
enum class Disposizione : uint8_t { Parola, Not, Scorrimento, Bit, SetReset, Latch };

struct BloccoBit {
    int indice;          // catalogue index
    uint8_t op;          // the rung's Op
    Disposizione disposizione;
};

constexpr std::array<BloccoBit, 17> kBlocchi{{
    {21, 0, Disposizione::Parola},      // AND(word)
    {22, 1, Disposizione::Parola},      // OR(word)
    {23, 2, Disposizione::Parola},      // XOR(word)
    {24, 3, Disposizione::Not},         // NOT
    {25, 4, Disposizione::Scorrimento}, // Shift R
    {26, 5, Disposizione::Scorrimento}, // Shift L
    {27, 6, Disposizione::Scorrimento}, // Rotate R
    {28, 7, Disposizione::Scorrimento}, // Rotate L
    {33, 8, Disposizione::Bit},         // AND(bit)
    {34, 9, Disposizione::Bit},         // OR(bit)
    {35, 10, Disposizione::Bit},        // XOR(bit)
    {36, 13, Disposizione::SetReset},   // Bit Set
    {37, 14, Disposizione::SetReset},   // Bit Reset
    {56, 11, Disposizione::Latch},      // POS
    {57, 12, Disposizione::Latch},      // NEG
    {58, 15, Disposizione::Latch},      // TOGGLE up
    {59, 16, Disposizione::Latch},      // TOGGLE down
}};
constexpr uint8_t kOpBitSet = 13, kOpBitReset = 14;

const BloccoBit* Blocco(int indice)
{
    for (const BloccoBit& b : kBlocchi)
        if (b.indice == indice) return &b;
    return nullptr;
}

// The controller has no own codes for setting and clearing bits: it runs
// them as OR(bit) and AND(bit) of fixed sources.
uint8_t CodiceOperazione(uint8_t op)
{
    return op == kOpBitSet ? 9 : op == kOpBitReset ? 8 : op;
}

// A source is a register unless it is a K_Long constant.
} // namespace

LayoutBlocco ImpaginaBit(int indice, Rung& rung, const ContestoBlocco& contesto)
{
    LayoutBlocco l;
    const BloccoBit* b = Blocco(indice);
    if (!b) return l;
    rung.Op = b->op;

    // The register rows take their types from slot 1 even for a rung that
    // was never encoded or held another block: a nibble naming no offered
    // type leaves the row without a selection.
    const uint8_t tipoA = Nibble(rung.ArgByte[1][0], false), tipoB = Nibble(rung.ArgByte[1][0], true);
    const uint8_t tipoDest = Nibble(rung.ArgByte[1][1], false);
    const double primo = contesto.modello.PrimoRegistroUtente;
    auto sorgente = [primo](const QString& nome, uint8_t tipo) {
        return RigaSemplice(nome, tipo, primo, true, {TipoUInt, TipoULong, TipoKLong});
    };
    auto costante = [](const QString& nome) { return RigaSemplice(nome, TipoKLong, 1, false, {TipoKLong}); };
    const QString src = Testo(69), maschera = Testo(74);
    auto& r = l.righe;
    switch (b->disposizione) {
    case Disposizione::Parola:
        r[0] = sorgente(src + QStringLiteral(" A"), tipoA);
        r[2] = sorgente(src + QStringLiteral(" B"), tipoB);
        r[5] = costante(maschera);
        break;
    case Disposizione::Not:
        r[0] = sorgente(src + QStringLiteral("A"), tipoA);
        r[5] = costante(maschera);
        break;
    case Disposizione::Scorrimento:
        r[0] = sorgente(src, tipoA);
        r[2] = RigaSemplice(Testo(66), TipoUInt, 1, false, {TipoUInt});
        break;
    case Disposizione::Bit:
        r[0] = sorgente(src + QStringLiteral(" A"), tipoA);
        r[1] = costante(maschera + QStringLiteral(" A"));
        r[2] = sorgente(src + QStringLiteral(" B"), tipoB);
        r[3] = costante(maschera + QStringLiteral(" B"));
        r[5] = costante(maschera + QLatin1Char(' ') + Testo(67));
        break;
    case Disposizione::SetReset:
        r[5] = costante(maschera);
        break;
    case Disposizione::Latch:
        r[0] = RigaSemplice(src, tipoA, primo, true, {TipoUInt});
        r[1] = costante(maschera + QLatin1Char(' ') + src);
        r[2] = RigaSemplice(Testo(152), tipoB, primo, true, {TipoUInt});
        break;
    }
    r[4] = RigaSemplice(Testo(67), tipoDest, primo, true, {TipoUInt, TipoULong});
    for (int i : {0, 1, 2, 3, 5, 4})
        if (!r[size_t(i)].arg.Nome.isEmpty()) l.ordine << i;
    return l;
}

EsitoCodifica CodificaBit(const DatiBlocco& d, Rung& r)
{
    const BloccoBit* b = Blocco(d.indice);
    if (!b) return EsitoCodifica::Ok();
    const auto& a = d.righe;
    const Disposizione disp = b->disposizione;
    // A shown source B without a type would leave slot 4 as the rung held
    // it, and the rung opens again with a type and its register there; the
    // editor refuses it, a stored rung is read back as it was written.
    if (d.lettura == LetturaRighe::Editor && a[2].visibile && a[2].Tipo() < 0) return EsitoCodifica::Riga(2);

    r.ArgByte[0][0] = CodiceOperazione(r.Op);

    // Source A in the low nibble, source B in the high one.
    int tipi = 0x66;   // set/reset: both sources K_Long
    if (disp != Disposizione::SetReset) {
        if (a[0].Tipo() < 0) return EsitoCodifica::Riga(0);
        tipi = a[0].Tipo();
        if (disp != Disposizione::Not && a[2].Tipo() >= 0) tipi += 16 * a[2].Tipo();
    }
    if (a[4].Tipo() < 0) return EsitoCodifica::Riga(4);
    r.ArgByte[1] = {uint8_t(tipi), uint8_t(a[4].Tipo()), 0, 0};

    if (!TrasfOperando(r, a[0], 3, TipoKLong)) return EsitoCodifica::Riga(0);
    switch (disp) {
    case Disposizione::SetReset: {
        // Set: OR with all ones; reset: AND with zero; the mask picks the bits.
        const double fonte = b->op == kOpBitSet ? 65535 : 0;
        Trasf(r, fonte, TipoKLong, 3);
        Trasf(r, fonte, TipoKLong, 4);
        if (!Trasf(r, a[5].valore, TipoKLong, 2)) return EsitoCodifica::Riga(5);
        Trasf(r, 65535, TipoKLong, 5);
        Trasf(r, 65535, TipoKLong, 6);
        break;
    }
    case Disposizione::Scorrimento:
        if (!Trasf(r, a[2].valore, TipoUInt, 2)) return EsitoCodifica::Riga(2);
        Trasf(r, 0, TipoUInt, 5);
        Trasf(r, 0, TipoUInt, 6);
        break;
    case Disposizione::Latch:
        if (a[2].Tipo() >= 0 && !TrasfOperando(r, a[2], 4, TipoKLong)) return EsitoCodifica::Riga(2);
        // The controller reads the edge mask word by word, high byte first.
        for (int slot : {2, 5, 6})
            if (!TrasfSwap(r, a[1].valore, TipoKLong, slot)) return EsitoCodifica::Riga(1);
        break;
    default:   // word, not, bit
        if (a[2].Tipo() >= 0 && !TrasfOperando(r, a[2], 4, TipoKLong)) return EsitoCodifica::Riga(2);
        if (!Trasf(r, a[5].valore, TipoKLong, 2)) return EsitoCodifica::Riga(5);
        if (!Trasf(r, a[1].valore, TipoKLong, 5)) return EsitoCodifica::Riga(1);
        if (!Trasf(r, a[3].valore, TipoKLong, 6)) return EsitoCodifica::Riga(3);
        break;
    }
    if (!Trasf(r, a[4].valore, TipoUInt, 7)) return EsitoCodifica::Riga(4);

    r.Delay = 0;
    r.Lunghezza = 34;
    DidascalieRung(d, r, {0, 1, 2, 3, 4, 5}, {0, 2, 4});
    return EsitoCodifica::Ok();
}
