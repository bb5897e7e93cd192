#include "production/memory/ValoriMemoria.h"

#include "production/memory/TrasferimentoMemoria.h"

#include <cmath>

int ByteDelFormato(FormatoValore f)
{
    switch (f) {
    case FormatoByte: return 1;
    case FormatoInt: return 2;
    case FormatoLong: return 4;
    case FormatoFloat: break;
    }
    return 0;
}

uint8_t ByteDelCampo(const QString& testo)
{
    bool ok = false;
    const double v = std::nearbyint(testo.trimmed().toDouble(&ok));
    return ok && v >= 0 && v <= 255 ? uint8_t(v) : 0;
}

std::optional<int64_t> ValoreDaByte(const Byte4& b, FormatoValore f)
{
    switch (f) {
    case FormatoByte: return b[0];
    case FormatoInt: return b[1] * 256 + b[0];
    case FormatoLong: return int64_t(ByteToLong(b[3], b[2], b[1], b[0], false));
    case FormatoFloat: break;
    }
    return std::nullopt;
}

Byte4 ByteDaValore(const QString& testo, FormatoValore f)
{
    bool ok = false;
    const double v = testo.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return {0, 0, 0, 0};
    switch (f) {
    case FormatoByte:
    case FormatoInt: {
        // The value taken as a 16-bit integer, negative ones as two's complement.
        const Byte3 b = IntToByte(std::nearbyint(v));
        return {b[0], f == FormatoInt ? b[1] : uint8_t(0), 0, 0};
    }
    case FormatoLong: {
        const Byte4 l = LongToByte(v, false);   // bits 16-23, 24-31, 0-7, 8-15
        return {l[2], l[3], l[0], l[1]};
    }
    case FormatoFloat: break;
    }
    return {0, 0, 0, 0};
}

std::optional<int64_t> NumeroIntero(const QString& testo, int64_t min, int64_t max)
{
    const QString t = testo.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (!t[i].isDigit() && !(i == 0 && (t[i] == u'-' || t[i] == u'+'))) return std::nullopt;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v < min || v > max) return std::nullopt;
    return v;
}

int64_t MinimoFormato(FormatoValore f)
{
    return f == FormatoInt ? -32768 : 0;
}

int64_t MassimoFormato(FormatoValore f)
{
    switch (f) {
    case FormatoByte: return 255;
    case FormatoInt: return 65535;
    case FormatoLong: return 4294967295LL;
    case FormatoFloat: break;
    }
    return 0;
}

std::optional<Blocchi> BlocchiIntervallo(const QString& da, const QString& a)
{
    const auto primo = NumeroIntero(da, 0, 65535), ultimo = NumeroIntero(a, 0, 65535);
    if (!primo || !ultimo || *primo > *ultimo) return std::nullopt;
    return Blocchi{int(*primo / ByteBlocco), int(*ultimo / ByteBlocco) + 1};
}
