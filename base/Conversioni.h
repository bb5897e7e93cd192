#pragma once
// Numbers to controller bytes and back, and the text forms shown to the user.
// Each byte order here is part of the controller interface.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

using Byte3 = std::array<uint8_t, 3>;
using Byte4 = std::array<uint8_t, 4>;

// Low byte first; element 2 always 0. A byte that does not fit is left 0.
Byte3 IntToByte(double valore);
int32_t ByteToInt(uint8_t alto, uint8_t basso, bool conSegno);
// High word first, each word low byte first. ok=false (all zero) when the
// value does not fit in 32 bits.
Byte4 LongToByte(double valore, bool conSegno, bool* ok = nullptr);
double ByteToLong(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3, bool conSegno);
// IEEE-754 single, most significant byte first.
Byte4 FloatToByte(double valore);
double ByteToFloat(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3);

QString ByteToHex(uint8_t b);
QString IntToHex(double valore);
QString IntToAscii(double valore);
QString IntToBin(double valore, bool spazio);
// ok=false where the text gives no byte (empty, or a value outside 0..255).
uint8_t HexToByte(const QString& testo, bool* ok = nullptr);
double HexToInt(const QString& testo);
// The first two characters as upper-case hexadecimal digits, the first the
// high nibble; ok=false (0) for anything else.
uint8_t HexDigit(const QString& testo, bool* ok = nullptr);
// Character codes into the array; false (nothing written) when it won't fit.
bool StringaToByte(const QString& testo, uint8_t* dest, int capienza);
QString VirgolaToPunto(QString& testo);

// The form the data files write their reals in, whatever the user's locale:
// a blank before values of 0 and above, "-" before negative ones, "." as the
// decimal point, no zero before the point below 1, at most 15 significant
// digits, and an exponent ("E+16", "E-05") from 1E+15 up and below 1E-4.
// A value whose 15 digits would round past the largest double (and an
// infinity) is written as MassimoFile with its sign, so every text written
// reads back; a value that is not a number is written as 0.
QString NumeroFile(double valore);
// The largest magnitude 15 significant digits write without leaving the
// double range.
inline constexpr double MassimoFile = 1.79769313486231e308;
// `valore` brought within +-MassimoFile (a value that is not a number
// becomes 0).
double EntroFile(double valore);
// A number as the data files hold it ("." as the decimal point, blanks
// around allowed); nothing when the text is not one finite number.
std::optional<double> NumeroDaFile(const QString& testo);

// Single-byte character set used on the wire and in the files.
inline QChar CarattereByte(uint8_t b) { return QChar(static_cast<ushort>(b)); }
inline uint8_t ByteCarattere(QChar c) { return c.unicode() > 255 ? uint8_t('?') : uint8_t(c.unicode()); }
