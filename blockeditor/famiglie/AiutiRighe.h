#pragma once
// The small pieces every block family builds its rows and slots from: a row
// of a layout, an operand into a slot, the nibbles of a stored type byte and
// the two byte layouts the controller reads from a slot.
#include "blockeditor/DatiBlocco.h"
#include "blockeditor/LayoutBlocco.h"
#include "blockeditor/RigaLayout.h"

#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

struct Rung;
struct RigaBlocco;

// One row: caption, type, default value, register pick and the offered
// types, no pointer variants.
RigaLayout RigaSemplice(const QString& nome, uint8_t tipo, double valore, bool daRegistro,
                        std::initializer_list<uint8_t> tipi);

// Row `i` of a layout: caption, type, default value, register pick, the
// offered types and pointer variants (base codes); shown unless `mostrata`
// is false.
void RigaFamiglia(LayoutBlocco& l, int i, const QString& nome, uint8_t tipo, double valore, bool registro,
                  std::initializer_list<uint8_t> tipi, std::initializer_list<uint8_t> puntatori = {},
                  bool mostrata = true);

// An operand row into a slot: a constant of the row's constant type `tipoK`
// (K_Flt as a single, K_Long as a long) when the row is typed so, any
// register as its 16-bit number. False when it does not fit.
bool TrasfOperando(Rung& rung, const RigaBlocco& riga, int slot, uint8_t tipoK);

// The low (alto false) or high nibble of a stored type byte.
inline uint8_t Nibble(uint8_t b, bool alto)
{
    return alto ? uint8_t(b >> 4) : uint8_t(b & 0x0F);
}

// The bit-test mask of bit `bit`, as the controller reads it from its slot:
// high byte of 2^bit, then its low byte, then two zero bytes. None for a bit
// that is not a whole number from 0 to 15.
std::optional<std::array<uint8_t, 4>> MascheraBit(double bit);

// A 16-bit value low byte first, as slot code 0 writes it (-65536..-1 taken
// plus 65536), where the block splits the word as IntToByte does. None past
// 16 bits, typed or stored: the word would name another register or time.
std::optional<std::array<uint8_t, 2>> Parola16(double valore);
