#include "blockeditor/Codifica.h"

#include "base/Conversioni.h"
#include "program/Programmi.h"

#include <cmath>

double ArrotondaPari(double v)
{
    return std::nearbyint(v);   // the default rounding mode is to-nearest-even
}

namespace {
int ValoreCifra(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return 99;
}
} // namespace

namespace {
// The number a text starts with, and where it ends (-1 when it starts with
// none).
double NumeroIniziale(const QString& testo, int& fine)
{
    fine = -1;
    const int n = int(testo.size());
    auto decimale = [&](int k) { return k < n && ValoreCifra(testo[k]) < 10; };
    int i = 0;
    while (i < n && (testo[i] == QLatin1Char(' ') || testo[i] == QLatin1Char('\t'))) ++i;
    if (i + 1 < n && testo[i] == QLatin1Char('&')) {
        const QChar base = testo[i + 1].toUpper();
        const int radice = base == QLatin1Char('H') ? 16 : base == QLatin1Char('O') ? 8 : 0;
        if (radice) {
            double v = 0;
            const int prima = i + 2;
            for (i = prima; i < n && ValoreCifra(testo[i]) < radice; ++i) v = v * radice + ValoreCifra(testo[i]);
            // Some 260 hexadecimal digits overflow to infinity, which a
            // float row would store: beyond range reads as nothing, as a
            // decimal text does.
            if (i > prima && std::isfinite(v)) fine = i;
            return std::isfinite(v) ? v : 0;
        }
    }
    const int inizio = i;
    if (i < n && (testo[i] == QLatin1Char('+') || testo[i] == QLatin1Char('-'))) ++i;
    int cifre = 0;
    for (; decimale(i); ++i) ++cifre;
    if (i < n && testo[i] == QLatin1Char('.'))
        for (++i; decimale(i); ++i) ++cifre;
    if (cifre == 0) return 0;
    int ultimo = i;
    if (i < n && (testo[i] == QLatin1Char('e') || testo[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (testo[j] == QLatin1Char('+') || testo[j] == QLatin1Char('-'))) ++j;
        int k = j;
        while (decimale(k)) ++k;
        if (k > j) ultimo = k;
    }
    bool ok = false;
    const double v = QStringView(testo).mid(inizio, ultimo - inizio).toDouble(&ok);
    if (!ok || !std::isfinite(v)) return 0;
    fine = ultimo;
    return v;
}
} // namespace

double LeggiNumero(const QString& testo)
{
    int fine = -1;
    return NumeroIniziale(testo, fine);
}

std::optional<double> NumeroRiga(const QString& testo)
{
    if (testo.trimmed().isEmpty()) return 0.0;
    int fine = -1;
    const double v = NumeroIniziale(testo, fine);
    if (fine < 0) return std::nullopt;
    return v;
}

bool CodificaSlot(SlotArgomento& slot, double valore, uint8_t codice, bool scambiato)
{
    if (std::isnan(valore)) return false;
    switch (codice) {
    case 0:
    case 1: {
        // The whole value is rounded before it is split: rounding each byte
        // on its own turned 255.6 into a low byte of 256. Outside
        // -65536..65535 nothing fits 16 bits, and the value is refused
        // rather than stored with its high byte dropped.
        if (!EntraIn16Bit(valore)) return false;
        double v = ArrotondaPari(valore);
        if (v < 0) v += 65536;
        const Byte3 b = IntToByte(v);
        slot = scambiato ? SlotArgomento{b[1], b[0], 0, 0} : SlotArgomento{b[0], b[1], 0, 0};
        return true;
    }
    case 2:
    case 3:
    case 6: {
        bool ok = false;
        // LongToByte: high word low byte, high word high byte, low word low, low word high.
        const Byte4 b = LongToByte(valore, codice == 3, &ok);
        if (!ok) return false;
        slot = scambiato ? SlotArgomento{b[3], b[2], b[1], b[0]} : SlotArgomento{b[2], b[3], b[0], b[1]};
        return true;
    }
    case 5: {
        // A finite value beyond the single range would become infinity.
        if (std::isfinite(valore) && !std::isfinite(float(valore))) return false;
        const Byte4 b = FloatToByte(valore);
        slot = SlotArgomento{b[3], b[2], b[1], b[0]};
        return true;
    }
    default:
        return true;
    }
}

bool Trasf(Rung& rung, double valore, uint8_t codice, int slot)
{
    return slot >= 0 && slot <= 8 && CodificaSlot(rung.ArgByte[size_t(slot)], valore, codice, false);
}

bool TrasfSwap(Rung& rung, double valore, uint8_t codice, int slot)
{
    return slot >= 0 && slot <= 8 && CodificaSlot(rung.ArgByte[size_t(slot)], valore, codice, true);
}

bool EntraIn16Bit(double valore)
{
    const double v = ArrotondaPari(valore);
    return v >= -65536 && v <= 65535;
}

std::optional<uint8_t> InByte(double valore)
{
    const double v = ArrotondaPari(valore);
    if (!(v >= 0 && v <= 255)) return std::nullopt;
    return uint8_t(v);
}

std::optional<int16_t> InIntero16(double valore)
{
    const double v = ArrotondaPari(valore);
    if (!(v >= -32768 && v <= 32767)) return std::nullopt;
    return int16_t(v);
}

namespace {
bool SuRung(double valore, uint8_t codice, int rung, int slot, bool scambiato)
{
    if (ProgCorrente < 0 || ProgCorrente >= NumProcessi || rung < 0 || rung > MaxRung) return false;
    Rung& r = Programmi[size_t(ProgCorrente)].Rung[size_t(rung)];
    return scambiato ? TrasfSwap(r, valore, codice, slot) : Trasf(r, valore, codice, slot);
}
} // namespace

bool Trasf(double valore, uint8_t codice, int rung, int slot)
{
    return SuRung(valore, codice, rung, slot, false);
}

bool TrasfSwap(double valore, uint8_t codice, int rung, int slot)
{
    return SuRung(valore, codice, rung, slot, true);
}
