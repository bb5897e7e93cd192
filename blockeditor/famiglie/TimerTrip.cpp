#include "blockeditor/famiglie/FlussoTempo.h"

#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/AiutiRighe.h"
#include "program/Programmi.h"

#include <cmath>

namespace {
constexpr int kTimer = 16, kTrip = 20;

// A word split as IntToByte splits it, where the block's layout says so.
bool ParolaInSlot(Rung& r, double valore, int slot, int byte)
{
    const auto p = Parola16(valore);
    if (!p) return false;
    r.ArgByte[size_t(slot)][size_t(byte)] = (*p)[0];
    r.ArgByte[size_t(slot)][size_t(byte + 1)] = (*p)[1];
    return true;
}

EsitoCodifica CodificaTimer(const DatiBlocco& d, Rung& r)
{
    if (!Trasf(r, d.righe[0].valore, TipoUInt, 0)) return EsitoCodifica::Riga(0);
    if (!Trasf(r, std::floor(d.righe[1].valore), TipoUInt, 1)) return EsitoCodifica::Riga(1);
    if (!ParolaInSlot(r, std::floor(d.righe[2].valore), 1, 2)) return EsitoCodifica::Riga(2);
    for (int k = 2; k <= 7; ++k) Trasf(r, 0, TipoUInt, k);
    // The register row is shown too, so its caption is given with the others.
    DidascalieRung(d, r, {0, 1, 2}, {});
    r.Delay = 0;
    r.Lunghezza = 10;
    return EsitoCodifica::Ok();
}

EsitoCodifica CodificaTrip(const DatiBlocco& d, Rung& r)
{
    const auto& g = d.righe;
    r.ArgByte[0][0] = 0;
    // A shown row without a chosen type names no operand.
    for (int i : {1, 2})
        if (g[size_t(i)].Tipo() < 0) return EsitoCodifica::Riga(i);
    r.ArgByte[1][0] = uint8_t(g[1].Tipo() + 16 * g[2].Tipo());
    for (int i : {3, 0})
        if (g[size_t(i)].Tipo() < 0) return EsitoCodifica::Riga(i);
    r.ArgByte[1][1] = uint8_t(g[3].Tipo() + 16 * g[0].Tipo());
    const auto timer = InByte(g[5].valore);
    if (!timer) return EsitoCodifica::Riga(5);
    r.ArgByte[1][2] = *timer;
    r.ArgByte[1][3] = 0;
    if (!TrasfOperando(r, g[0], 5, TipoKFlt)) return EsitoCodifica::Riga(0);
    if (!TrasfOperando(r, g[1], 3, TipoKFlt)) return EsitoCodifica::Riga(1);
    if (!TrasfOperando(r, g[2], 4, TipoKFlt)) return EsitoCodifica::Riga(2);
    if (!Trasf(r, g[3].valore, TipoUInt, 7)) return EsitoCodifica::Riga(3);
    if (!Trasf(r, g[4].valore, TipoKLong, 2)) return EsitoCodifica::Riga(4);
    if (!ParolaInSlot(r, g[6].valore, 6, 0)) return EsitoCodifica::Riga(6);
    if (!ParolaInSlot(r, g[7].valore, 6, 2)) return EsitoCodifica::Riga(7);
    r.Delay = 0;
    r.Lunghezza = 34;
    DidascalieRung(d, r, {0, 1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3});
    return EsitoCodifica::Ok();
}
} // namespace

LayoutBlocco ImpaginaTimerTrip(int indice, Rung& rung, const ContestoBlocco& contesto)
{
    LayoutBlocco l;
    auto& g = l.righe;
    const double primo = contesto.modello.PrimoRegistroUtente;
    if (indice == kTimer) {
        g[0] = RigaSemplice(QStringLiteral("Timer"), TipoUInt, 0, false, {TipoUInt});
        g[1] = RigaSemplice(QStringLiteral("mSec"), TipoUInt, 1000, false, {TipoUInt});
        g[2] = RigaSemplice(QStringLiteral("Reg"), TipoUInt, primo, true, {TipoUInt});
        l.ordine = {0, 1, 2};
    } else if (indice == kTrip) {
        rung.Op = 0;
        // The types come back from the stored nibbles of any valid rung; one
        // naming no offered type leaves its row without a choice.
        uint8_t tipi[4] = {TipoInt, TipoInt, TipoInt, TipoUInt};
        if (rung.Valido) {
            const auto& s = rung.ArgByte[1];
            tipi[0] = Nibble(s[1], true);
            tipi[1] = Nibble(s[0], false);
            tipi[2] = Nibble(s[0], true);
            tipi[3] = Nibble(s[1], false);
        }
        const std::initializer_list<uint8_t> numeri = {TipoUInt, TipoInt, TipoULong, TipoLong, TipoFloat, TipoKFlt};
        g[0] = RigaSemplice(QStringLiteral("Input"), tipi[0], 1, true, numeri);
        g[1] = RigaSemplice(QStringLiteral("MAX"), tipi[1], 1, true, numeri);
        g[2] = RigaSemplice(QStringLiteral("MIN"), tipi[2], 1, true, numeri);
        g[3] = RigaSemplice(Testo(67), tipi[3], primo, true, {TipoUInt, TipoULong});
        // Its "Set" opens the value dialog on the mask's text.
        g[4] = RigaSemplice(Testo(74), TipoKLong, 1, false, {TipoKLong});
        g[5] = RigaSemplice(QStringLiteral("Timer"), TipoUInt, 0, false, {TipoUInt});
        g[6] = RigaSemplice(QStringLiteral("Timer ON"), TipoUInt, 1000, false, {TipoUInt});
        g[7] = RigaSemplice(QStringLiteral("Timer OFF"), TipoUInt, 1000, false, {TipoUInt});
        l.ordine = {0, 1, 2, 3, 4, 5, 6, 7};
    }
    return l;
}

EsitoCodifica CodificaTimerTrip(const DatiBlocco& d, Rung& r)
{
    if (d.indice == kTimer) return CodificaTimer(d, r);
    if (d.indice == kTrip) return CodificaTrip(d, r);
    return EsitoCodifica::Ok();
}
