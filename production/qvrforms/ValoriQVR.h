#pragma once
// The values both module set-up forms exchange with a module's configuration
// memory: offsets as signed bytes, K factors as the upper bytes of a single,
// the K calculator, and the refusals the forms show. Pure functions.
#include "base/Conversioni.h"

#include <QString>
#include <optional>

// An offset typed as a whole number -128..255; a negative one is stored as
// its two's complement. Nothing for any other text, so that no value wraps
// silently into a different byte.
std::optional<uint8_t> ByteOffset(const QString& testo);
// A stored offset byte as the forms show it: above 127 is negative.
QString TestoOffset(uint8_t b);

// A K factor typed in the workstation's number format, within the range of
// a single; nothing otherwise.
std::optional<double> NumeroK(const QString& testo);
// The shortest text of a K factor (up to 15 significant digits) in the
// workstation's number format; NumeroK reads it back to the same value.
QString TestoK(double k);

// QVR8566: the single's three upper bytes, least significant first (its
// lowest byte is not stored).
Byte3 ByteK8566(double k);
double K8566(uint8_t basso, uint8_t medio, uint8_t alto);
// QVR2565: the single least significant byte first, that byte written as 0.
Byte4 ByteK2565(double k);
double K2565(const uint8_t* quattro);

// "Calc k": the first text divided by the second, four decimals in the
// workstation's format; nothing when a text is not a number or the divisor is 0.
std::optional<QString> CalcoloK(const QString& dividendo, const QString& divisore);

// The messages of the refusals (nothing is sent after one of them).
namespace MessaggiQVR {
inline const QString Offset = QStringLiteral("Offset: a whole number from -128 to 255");
inline const QString K = QStringLiteral("K: not a number");
inline const QString CalcK = QStringLiteral("Calc k: two numbers, the second not 0");
inline const QString Indirizzo = QStringLiteral("Address: a number from 0 to 255");
} // namespace MessaggiQVR
