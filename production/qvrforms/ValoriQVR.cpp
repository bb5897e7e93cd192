#include "production/qvrforms/ValoriQVR.h"

#include "registers/EditorTabelle.h"

#include <QLocale>
#include <cmath>
#include <limits>

std::optional<uint8_t> ByteOffset(const QString& testo)
{
    const std::optional<double> v = NumeroCampo(testo);
    if (!v || *v != std::trunc(*v) || *v < -128 || *v > 255) return std::nullopt;
    return uint8_t(*v < 0 ? *v + 256 : *v);
}

QString TestoOffset(uint8_t b)
{
    return QString::number(b > 127 ? int(b) - 256 : int(b));
}

std::optional<double> NumeroK(const QString& testo)
{
    const std::optional<double> v = NumeroCampo(testo);
    if (!v || std::fabs(*v) > double(std::numeric_limits<float>::max())) return std::nullopt;
    return v;
}

QString TestoK(double k)
{
    return TestoCampo(k);
}

Byte3 ByteK8566(double k)
{
    const Byte4 b = FloatToByte(k);
    return Byte3{b[2], b[1], b[0]};
}

double K8566(uint8_t basso, uint8_t medio, uint8_t alto)
{
    return ByteToFloat(alto, medio, basso, 0);
}

Byte4 ByteK2565(double k)
{
    const Byte4 b = FloatToByte(k);
    return Byte4{0, b[2], b[1], b[0]};
}

double K2565(const uint8_t* quattro)
{
    return ByteToFloat(quattro[3], quattro[2], quattro[1], quattro[0]);
}

std::optional<QString> CalcoloK(const QString& dividendo, const QString& divisore)
{
    const std::optional<double> a = NumeroCampo(dividendo);
    const std::optional<double> b = NumeroCampo(divisore);
    if (!a || !b || *b == 0) return std::nullopt;
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    return loc.toString(*a / *b, 'f', 4);
}
