// The number readers of the conversions on any text.
#include "base/Conversioni.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString testo = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    bool ok = false;
    const uint8_t b = HexToByte(testo, &ok);
    if (ok && HexToByte(ByteToHex(b)) != b) std::abort();
    if (HexDigit(testo, &ok) != 0 && !ok) std::abort();
    const double v = HexToInt(testo);
    if (!(v >= 0 && v <= 65535)) std::abort();
    const int lunghezza = int(testo.size());
    const QString punto = VirgolaToPunto(testo);
    if (punto.size() != lunghezza || punto.contains(QLatin1Char(','))) std::abort();
    punto.toDouble(&ok);
    return 0;
}
