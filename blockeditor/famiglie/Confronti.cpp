#include "blockeditor/famiglie/BitConfronto.h"

#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/AiutiRighe.h"
#include "program/Programmi.h"

namespace {
// Catalogue indexes: the old "Compare", "A = B" (Op 0) to "A <= B" (Op 5),
// then "Limit (Int)" and "Limit (Ext)".
constexpr int kCompare = 10, kPrimoConfronto = 47, kPrimoLimite = 53, kUltimoLimite = 54;
// The fixed default of the compared rows, whatever the model.
constexpr double kRegistroConfronto = 26;

// Position of the row's chosen type in its list; -1 when none.
int Posizione(const RigaBlocco& r)
{
    return r.sceltaTipo >= 0 && r.sceltaTipo < r.tipi.size() ? r.sceltaTipo : -1;
}

LayoutBlocco ImpaginaCompare()
{
    static const char* const kNomi[8] = {"Reg A",       "Reg B",      "Mask",         "Dest",
                                         "And if True", "Or if True", "And if False", "Or if False"};
    LayoutBlocco l;
    for (int i = 0; i < 8; ++i) {
        RigaLayout& r = l.righe[size_t(i)];
        r.arg.Nome = QString::fromLatin1(kNomi[i]);
        r.tipoVisibile = false;
        r.testo = QStringLiteral("0");
        l.ordine << i;
    }
    return l;
}

// Row values as 16-bit words, some low byte first and some high byte first,
// as the old controllers read them. Beyond 16 bits a value is refused, like
// every other 16-bit slot, rather than stored with a wrong high byte.
EsitoCodifica CodificaCompare(const DatiBlocco& d, Rung& r)
{
    struct Posto {
        int slot, riga;
        bool altoPrima;
    };
    static constexpr Posto kPosti[] = {{0, 0, false}, {1, 1, false}, {2, 3, false}, {3, 4, true},
                                       {4, 5, true},  {5, 6, true},  {6, 7, true},  {7, 2, true}};
    for (const Posto& p : kPosti) {
        const double v = d.righe[size_t(p.riga)].valore;
        if (!(p.altoPrima ? TrasfSwap(r, v, TipoUInt, p.slot) : Trasf(r, v, TipoUInt, p.slot)))
            return EsitoCodifica::Riga(p.riga);
    }
    r.Delay = 0;
    r.Lunghezza = 34;
    return EsitoCodifica::Ok();
}
} // namespace

LayoutBlocco ImpaginaConfronto(int indice, Rung& rung, const ContestoBlocco& contesto)
{
    if (indice == kCompare) return ImpaginaCompare();
    if (indice < kPrimoConfronto || indice > kUltimoLimite) return {};
    rung.Op = uint8_t(indice - kPrimoConfronto);
    const bool limite = indice >= kPrimoLimite;
    const uint8_t a = rung.ArgByte[1][0], b = rung.ArgByte[1][1];

    // A new comparison offers Int; "Dest" does not offer it and so starts
    // with no type. A limit block always reads its three inputs back.
    uint8_t tipo[4] = {TipoInt, TipoInt, TipoInt, TipoInt};
    if (rung.Valido) {
        tipo[0] = Nibble(a, true);
        tipo[1] = Nibble(a, false);
        tipo[3] = Nibble(b, false);
    }
    if (limite) {
        tipo[0] = Nibble(b, true);
        tipo[1] = Nibble(a, false);
        tipo[2] = Nibble(a, true);
        // A MAX stored without a type left 16 x MIN - 1 in the byte: its
        // low nibble 15 names no type, and MIN is one above the high nibble.
        if (tipo[1] == 0x0F) tipo[2] = uint8_t((a + 1) >> 4);
    }

    const QStringList nomi = limite ? QStringList{QStringLiteral("Input"), QStringLiteral("MAX"), QStringLiteral("MIN")}
                                    : QStringList{QStringLiteral("Input A"), QStringLiteral("Input B")};
    LayoutBlocco l;
    for (int i = 0; i < nomi.size(); ++i) {
        l.righe[size_t(i)] = RigaSemplice(nomi[i], tipo[i], kRegistroConfronto, true,
                                          {TipoUInt, TipoInt, TipoULong, TipoLong, TipoFloat, TipoKFlt});
        l.ordine << i;
    }
    l.righe[3] = RigaSemplice(Testo(67), tipo[3], contesto.modello.PrimoRegistroUtente, true, {TipoUInt, TipoULong});
    l.righe[4] = RigaSemplice(Testo(74), TipoKLong, 1, false, {TipoKLong});
    l.ordine << 3 << 4;
    return l;
}

EsitoCodifica CodificaConfronto(const DatiBlocco& d, Rung& r)
{
    if (d.indice == kCompare) return CodificaCompare(d, r);
    if (d.indice < kPrimoConfronto || d.indice > kUltimoLimite) return EsitoCodifica::Ok();
    const auto& a = d.righe;
    const bool limite = d.indice >= kPrimoLimite;

    r.ArgByte[0][0] = r.Op;

    // Byte A: the comparisons pack the type codes of A and B, the limits the
    // list positions of MIN and MAX; byte B: the input's position and the
    // destination's width. A byte that comes out negative is refused.
    int tipoA = 0;
    if (limite) {
        // A MAX without a type would borrow 15 from MIN's nibble and open as
        // two other types; the editor refuses it, a stored rung is read back
        // as it was written.
        if (Posizione(a[1]) < 0 && d.lettura == LetturaRighe::Editor) return EsitoCodifica::Riga(1);
        tipoA = 16 * Posizione(a[2]) + Posizione(a[1]);
        if (tipoA < 0) return EsitoCodifica::Riga(Posizione(a[2]) < 0 ? 2 : 1);
    } else {
        if (a[0].Tipo() < 0) return EsitoCodifica::Riga(0);
        tipoA = 16 * a[0].Tipo() + (a[1].Tipo() >= 0 ? a[1].Tipo() : 0);
    }
    const int tipoB = 16 * Posizione(a[0]) + (Posizione(a[3]) == 1 ? TipoULong : TipoUInt);
    if (tipoB < 0) return EsitoCodifica::Riga(0);
    r.ArgByte[1] = {uint8_t(tipoA), uint8_t(tipoB), 0, 0};

    // The compared rows list types 0..5 in order, so the chosen type is K_Flt
    // exactly when the chosen position is 5; any other row names a register
    // by its 16-bit number, its width being in the type bytes.
    if (!TrasfOperando(r, a[0], 5, TipoKFlt)) return EsitoCodifica::Riga(0);
    if (!TrasfOperando(r, a[1], 3, TipoKFlt)) return EsitoCodifica::Riga(1);
    if (!TrasfOperando(r, a[2], 4, TipoKFlt)) return EsitoCodifica::Riga(2);
    if (!Trasf(r, a[3].valore, TipoUInt, 7)) return EsitoCodifica::Riga(3);
    if (a[4].Tipo() < 0 || !Trasf(r, a[4].valore, TipoKLong, 2)) return EsitoCodifica::Riga(4);

    r.Delay = 0;
    r.Lunghezza = 34;
    DidascalieRung(d, r, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4});
    return EsitoCodifica::Ok();
}
