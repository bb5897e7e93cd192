#pragma once
// Operand encoding: how one typed value becomes one 4-byte argument slot of a
// rung in the controller's byte order, and how a row's text becomes a number.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

using SlotArgomento = std::array<uint8_t, 4>;
struct Rung;

// The longest leading numeric prefix of a text (blanks first skipped, "." as
// decimal point, optional exponent; &H hexadecimal, &O octal); 0 when none
// and when the number is beyond the double range.
double LeggiNumero(const QString& testo);
// The number a field's text begins with, as LeggiNumero reads it, and 0 for
// a blank text; nothing for a text that is not blank and begins with no
// number (or with one beyond the double range).
std::optional<double> NumeroRiga(const QString& testo);

// Nearest integer, a half going to the even neighbour.
double ArrotondaPari(double v);

// One value into one slot. Codes 0/1 a 16-bit value, 2/6 unsigned 32-bit,
// 3 signed 32-bit, 5 single-precision float; other codes leave the slot as it
// is. `scambiato` gives the word-swapped order of the bit operations. False,
// with the slot untouched, when the value does not fit.
bool CodificaSlot(SlotArgomento& slot, double valore, uint8_t codice, bool scambiato);

// The same on slot `slot` (0..8) of `rung`; false also for a slot out of range.
bool Trasf(Rung& rung, double valore, uint8_t codice, int slot);
bool TrasfSwap(Rung& rung, double valore, uint8_t codice, int slot);

// True when a 16-bit slot holds the value: -65536..65535 once rounded to
// the nearest integer (a half to the even one), a negative value being taken
// plus 65536. Past that a value would lose its high bits.
bool EntraIn16Bit(double valore);

// Nearest integer (a half to the even neighbour) as a byte; none outside 0..255.
std::optional<uint8_t> InByte(double valore);
// The same as a signed 16-bit integer; none outside -32768..32767.
std::optional<int16_t> InIntero16(double valore);

// The same on slot `slot` of rung `rung` of the current process.
bool Trasf(double valore, uint8_t codice, int rung, int slot);
bool TrasfSwap(double valore, uint8_t codice, int rung, int slot);
