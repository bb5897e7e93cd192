#include "base/Conversioni.h"

#include <QLocale>

#include <cmath>
#include <cstring>

namespace {
// A byte that does not fit stays 0, as the controller tools always did.
uint8_t ByteSeEntra(double v)
{
    double r = std::nearbyint(v);
    return (r >= 0 && r <= 255) ? uint8_t(r) : uint8_t(0);
}

int ValoreCifraHex(QChar c)
{
    ushort u = c.unicode();
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= '0' && u <= '9') return u - 48;
    return int(u) - 55;
}
} // namespace

Byte3 IntToByte(double valore)
{
    if (valore < 0) valore += 65536;
    double alto = std::floor(valore / 256);
    double basso = valore - 256 * alto;
    return Byte3{ByteSeEntra(basso), ByteSeEntra(alto), 0};
}

int32_t ByteToInt(uint8_t alto, uint8_t basso, bool conSegno)
{
    int32_t v = 256 * alto + basso;
    if (conSegno && v >= 32768) v -= 65536;
    return v;
}

Byte4 LongToByte(double valore, bool conSegno, bool* ok)
{
    if (conSegno && valore < 0) valore += 4294967296.0;
    valore = std::nearbyint(valore);
    if (!(valore >= 0 && valore < 4294967296.0)) {
        if (ok) *ok = false;
        return Byte4{0, 0, 0, 0};
    }
    if (ok) *ok = true;
    auto v = static_cast<uint32_t>(valore);
    uint16_t alta = v >> 16, bassa = v & 0xFFFF;
    return Byte4{uint8_t(alta & 0xFF), uint8_t(alta >> 8), uint8_t(bassa & 0xFF), uint8_t(bassa >> 8)};
}

double ByteToLong(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3, bool conSegno)
{
    double v = double((uint32_t(b0) << 24) | (uint32_t(b1) << 16) | (uint32_t(b2) << 8) | b3);
    if (conSegno && v >= 2147483648.0) v -= 4294967296.0;
    return v;
}

Byte4 FloatToByte(double valore)
{
    // The standard single conversion rounds to nearest even and carries into
    // the exponent correctly, which a hand-built encoder did not.
    float f = static_cast<float>(valore);
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return Byte4{uint8_t(bits >> 24), uint8_t(bits >> 16), uint8_t(bits >> 8), uint8_t(bits)};
}

double ByteToFloat(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3)
{
    uint32_t bits = (uint32_t(b0) << 24) | (uint32_t(b1) << 16) | (uint32_t(b2) << 8) | b3;
    float f;
    std::memcpy(&f, &bits, 4);
    return double(f);
}

QString ByteToHex(uint8_t b)
{
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

QString IntToHex(double valore)
{
    Byte3 b = IntToByte(valore);
    return ByteToHex(b[1]) + ByteToHex(b[0]);
}

QString IntToAscii(double valore)
{
    Byte3 b = IntToByte(valore);
    if (b[0] == 0) return QString(CarattereByte(b[1]));
    return QString(CarattereByte(b[0])) + CarattereByte(b[1]);
}

QString IntToBin(double valore, bool spazio)
{
    Byte3 b = IntToByte(valore);
    auto bits = [](uint8_t x) { return QStringLiteral("%1").arg(x, 8, 2, QLatin1Char('0')); };
    return bits(b[1]) + (spazio ? QStringLiteral(" ") : QString()) + bits(b[0]);
}

uint8_t HexToByte(const QString& testo, bool* ok)
{
    if (testo.isEmpty()) {
        if (ok) *ok = false;
        return 0;
    }
    int v = testo.size() < 2 ? ValoreCifraHex(testo[0])
                             : 16 * ValoreCifraHex(testo[0]) + ValoreCifraHex(testo[1]);
    bool buono = v >= 0 && v <= 255;
    if (ok) *ok = buono;
    return buono ? uint8_t(v) : 0;
}

double HexToInt(const QString& testo)
{
    bool ok1, ok2;
    uint8_t alto = HexToByte(testo.mid(0, 2), &ok1);
    uint8_t basso = HexToByte(testo.mid(2, 2), &ok2);
    return 256.0 * (ok1 ? alto : 0) + (ok2 ? basso : 0);
}

uint8_t HexDigit(const QString& testo, bool* ok)
{
    auto cifra = [](QChar c) -> int {
        ushort u = c.unicode();
        if (u >= '0' && u <= '9') return u - '0';
        if (u >= 'A' && u <= 'F') return u - 'A' + 10;
        return -1;
    };
    // Upper-case digits only: a gain typed in lower case is a typing slip
    // the module must not receive as a different byte.
    if (testo.size() < 2 || cifra(testo[0]) < 0 || cifra(testo[1]) < 0) {
        if (ok) *ok = false;
        return 0;
    }
    if (ok) *ok = true;
    return uint8_t(16 * cifra(testo[0]) + cifra(testo[1]));
}

bool StringaToByte(const QString& testo, uint8_t* dest, int capienza)
{
    if (testo.size() > capienza) return false;
    for (int i = 0; i < testo.size(); ++i) dest[i] = ByteCarattere(testo[i]);
    return true;
}

QString VirgolaToPunto(QString& testo)
{
    testo.replace(QLatin1Char(','), QLatin1Char('.'));
    return testo;
}

double EntroFile(double valore)
{
    if (std::isnan(valore)) return 0;
    return std::fabs(valore) > MassimoFile ? std::copysign(MassimoFile, valore) : valore;
}

QString NumeroFile(double valore)
{
    // The largest double rounds up to 1.79769313486232E+308, which no reader
    // takes back.
    valore = EntroFile(valore);
    if (valore == 0) return QStringLiteral(" 0");
    // Rounded to 15 digits first: the rounding may carry into the next
    // power of ten, and the form follows the rounded exponent.
    const QString e = QString::number(std::fabs(valore), 'e', 14);
    const qsizetype pe = e.indexOf(QLatin1Char('e'));
    QString cifre = e.left(pe);
    cifre.remove(QLatin1Char('.'));
    while (cifre.size() > 1 && cifre.endsWith(QLatin1Char('0'))) cifre.chop(1);
    const int esponente = e.mid(pe + 1).toInt();
    QString corpo;
    if (esponente >= 15 || esponente < -4) {
        corpo = cifre.left(1);
        if (cifre.size() > 1) corpo += QLatin1Char('.') + cifre.mid(1);
        corpo += QLatin1String(esponente < 0 ? "E-" : "E+")
                 + QString::number(std::abs(esponente)).rightJustified(2, QLatin1Char('0'));
    } else if (esponente >= 0) {
        const int intere = esponente + 1;
        if (cifre.size() <= intere)
            corpo = cifre + QString(intere - cifre.size(), QLatin1Char('0'));
        else
            corpo = cifre.left(intere) + QLatin1Char('.') + cifre.mid(intere);
    } else {
        corpo = QLatin1Char('.') + QString(-esponente - 1, QLatin1Char('0')) + cifre;
    }
    return (valore < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + corpo;
}

std::optional<double> NumeroDaFile(const QString& testo)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = c.toDouble(testo.trimmed(), &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}
