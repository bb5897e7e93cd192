// "Scale" (group 2), "Block Move" (group 6) and the display calls "Call Page"
// and "Display Refresh" (group 3).
#include "blockeditor/famiglie/AritmeticaSposta.h"

#include "base/Conversioni.h"
#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/AiutiRighe.h"
#include "program/Programmi.h"

#include <algorithm>

namespace {
constexpr int kScala = 3, kSpostaBlocco = 46, kChiamaPagina = 43, kAggiornaDisplay = 44;
constexpr uint8_t kOpChiamaPagina = 253, kOpAggiornaDisplay = 254;

// "Scale" rows, their slots and where each keeps its type in slot 1
// (byte, high nibble).
struct RigaScala {
    int riga;
    const char* nome;    // nullptr: the language text `testo`
    int testo;
    double valore;       // default; -1: the first user register
    uint8_t tipo;        // type of a new rung
    int slot;
    int byteTipo;
    bool alto;
};
constexpr RigaScala kScalaRighe[] = {
    {0, nullptr, 69, -1, TipoInt, 2, 0, false}, {1, "Span In", 0, 1, TipoKFlt, 3, 1, false},
    {2, "Zero In", 0, 0, TipoKFlt, 4, 1, true}, {4, nullptr, 67, -1, TipoInt, 7, 0, true},
    {5, "Span Out", 0, 1, TipoKFlt, 5, 2, false}, {6, "Zero Out", 0, 0, TipoKFlt, 6, 2, true},
};

LayoutBlocco ImpaginaScala(const Rung& rung, const ContestoBlocco& contesto)
{
    LayoutBlocco l;
    for (const RigaScala& s : kScalaRighe) {
        uint8_t tipo = s.tipo;
        if (rung.Valido) {
            const uint8_t b = rung.ArgByte[1][size_t(s.byteTipo)];
            tipo = s.alto ? b >> 4 : b & 0x0F;
        }
        const bool registro = s.riga == 0 || s.riga == 4;
        const QString nome = s.nome ? QString::fromLatin1(s.nome) : Testo(s.testo);
        const double valore = s.valore < 0 ? contesto.modello.PrimoRegistroUtente : s.valore;
        if (registro)
            RigaFamiglia(l, s.riga, nome, tipo, valore, true, {0, 1, 2, 3, 4});
        else
            RigaFamiglia(l, s.riga, nome, tipo, valore, true, {0, 1, 2, 3, 4, 5});
    }
    return l;
}

const RigaScala& Scala(int riga)
{
    return *std::find_if(std::begin(kScalaRighe), std::end(kScalaRighe),
                         [riga](const RigaScala& x) { return x.riga == riga; });
}

EsitoCodifica CodificaScala(const DatiBlocco& dati, Rung& rung)
{
    const auto& r = dati.righe;
    rung.ArgByte[0][0] = rung.Op;
    std::array<uint8_t, 3> tipi{};
    for (int riga : {0, 4, 1, 2, 5, 6}) {
        const int tipo = r[size_t(riga)].Tipo();
        if (tipo < 0) return EsitoCodifica::Riga(riga);
        tipi[size_t(Scala(riga).byteTipo)] |= uint8_t(Scala(riga).alto ? tipo << 4 : tipo);
    }
    rung.ArgByte[1] = {tipi[0], tipi[1], tipi[2], 0};
    // The source and destination are registers whatever their type.
    for (int riga : {0, 1, 2, 5, 6, 4}) {
        const RigaBlocco& rb = r[size_t(riga)];
        const int slot = Scala(riga).slot;
        const bool ok = riga == 0 || riga == 4 ? Trasf(rung, rb.valore, 0, slot) : TrasfOperando(rung, rb, slot, TipoKFlt);
        if (!ok) return EsitoCodifica::Riga(riga);
    }
    rung.Delay = 0;
    rung.Lunghezza = 34;
    DidascalieRung(dati, rung, {0, 1, 2, 4, 5, 6}, {0, 1, 2, 4, 5, 6});
    return EsitoCodifica::Ok();
}

LayoutBlocco ImpaginaSpostaBlocco(const Rung& rung, const ContestoBlocco& contesto)
{
    LayoutBlocco l;
    const uint8_t tipo0 = rung.Valido ? rung.ArgByte[1][1] : uint8_t(TipoUInt);
    const uint8_t tipo4 = rung.Valido && rung.ArgByte[1][2] == 1 ? TipoSwap : TipoDirect;
    const int16_t primo = contesto.modello.PrimoRegistroUtente;
    RigaFamiglia(l, 0, Testo(69), tipo0, primo, true, {TipoUInt, TipoULong});
    RigaFamiglia(l, 1, Testo(66), TipoUInt, 1, false, {TipoUInt});
    RigaFamiglia(l, 4, Testo(67), tipo4, primo, true, {TipoDirect, TipoSwap});
    return l;
}

EsitoCodifica CodificaSpostaBlocco(const DatiBlocco& dati, Rung& rung)
{
    const auto& r = dati.righe;
    // Register numbers as two bytes each; a byte that does not fit is 0. A
    // number past 16 bits, typed or stored, would name another register.
    for (int riga : {0, 4})
        if (!EntraIn16Bit(r[size_t(riga)].valore)) return EsitoCodifica::Riga(riga);
    const Byte3 da = IntToByte(r[0].valore), a = IntToByte(r[4].valore);
    rung.ArgByte[0] = {da[0], da[1], a[0], a[1]};
    const auto conteggio = InByte(r[1].valore);
    if (!conteggio) return EsitoCodifica::Riga(1);
    rung.ArgByte[1][0] = *conteggio;
    if (r[0].Tipo() < 0) return EsitoCodifica::Riga(0);
    rung.ArgByte[1][1] = uint8_t(r[0].Tipo());
    const int tipo4 = r[4].Tipo();
    if (tipo4 < 0) return EsitoCodifica::Riga(4);
    if (tipo4 == TipoDirect) rung.ArgByte[1][2] = 0;
    if (tipo4 == TipoSwap) rung.ArgByte[1][2] = 1;
    rung.Delay = 0;
    rung.Lunghezza = 10;
    DidascalieRung(dati, rung, {0, 1, 4}, {0, 1, 4});
    return EsitoCodifica::Ok();
}

// No rows and no captions: the rung list row stays as it was.
EsitoCodifica CodificaDisplay(Rung& rung)
{
    rung.ArgByte[0][0] = rung.Op;
    for (int slot = 1; slot <= 7; ++slot) Trasf(rung, 0, 0, slot);
    rung.Delay = 0;
    if (rung.Op == kOpChiamaPagina) rung.Lunghezza = 34;
    if (rung.Op == kOpAggiornaDisplay) rung.Lunghezza = 6;
    return EsitoCodifica::Ok();
}
} // namespace

LayoutBlocco ImpaginaScalaSposta(int indice, Rung& rung, const ContestoBlocco& contesto)
{
    switch (indice) {
    case kScala: return ImpaginaScala(rung, contesto);
    case kSpostaBlocco: return ImpaginaSpostaBlocco(rung, contesto);
    case kChiamaPagina: rung.Op = kOpChiamaPagina; break;
    case kAggiornaDisplay: rung.Op = kOpAggiornaDisplay; break;
    default: break;   // "A>B" has no layout
    }
    return LayoutBlocco{};
}

EsitoCodifica CodificaScalaSposta(const DatiBlocco& dati, Rung& rung)
{
    switch (rung.Gruppo) {
    case 2: return CodificaScala(dati, rung);
    case 6: return CodificaSpostaBlocco(dati, rung);
    case 3: return CodificaDisplay(rung);
    default: return EsitoCodifica::Ok();
    }
}
