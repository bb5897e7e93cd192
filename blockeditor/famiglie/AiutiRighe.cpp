#include "blockeditor/famiglie/AiutiRighe.h"

#include "blockeditor/Codifica.h"
#include "blockeditor/RigaBlocco.h"
#include "program/Programmi.h"

#include <cmath>

RigaLayout RigaSemplice(const QString& nome, uint8_t tipo, double valore, bool daRegistro,
                        std::initializer_list<uint8_t> tipi)
{
    RigaLayout r;
    r.arg.Nome = nome;
    r.arg.Tipo = tipo;
    r.arg.Valore = valore;
    r.arg.DaRegistro = daRegistro;
    for (uint8_t t : tipi) r.arg.TipiAmmessi[t] = 1;
    return r;
}

void RigaFamiglia(LayoutBlocco& l, int i, const QString& nome, uint8_t tipo, double valore, bool registro,
                  std::initializer_list<uint8_t> tipi, std::initializer_list<uint8_t> puntatori, bool mostrata)
{
    DefArgomento& a = l.righe[size_t(i)].arg;
    a = DefArgomento{nome, tipo, valore, registro, {}, {}};
    for (uint8_t t : tipi) a.TipiAmmessi[t] = 1;
    for (uint8_t t : puntatori) a.PuntatoriAmmessi[t] = 1;
    if (mostrata) l.ordine << i;
}

bool TrasfOperando(Rung& rung, const RigaBlocco& riga, int slot, uint8_t tipoK)
{
    return Trasf(rung, riga.valore, riga.Tipo() == tipoK ? tipoK : uint8_t(TipoUInt), slot);
}

std::optional<std::array<uint8_t, 4>> MascheraBit(double bit)
{
    // Outside 0..15, or between two bits, no single bit of a 16-bit register
    // is named: 16 would give a zero mask and 1.5 a mask of two bits.
    if (!(bit >= 0 && bit <= 15) || std::floor(bit) != bit) return std::nullopt;
    const unsigned m = 1u << unsigned(bit);
    return std::array<uint8_t, 4>{uint8_t(m >> 8), uint8_t(m & 0xFF), 0, 0};
}

std::optional<std::array<uint8_t, 2>> Parola16(double valore)
{
    SlotArgomento s{};
    if (!CodificaSlot(s, valore, TipoUInt, false)) return std::nullopt;
    return std::array<uint8_t, 2>{s[0], s[1]};
}
