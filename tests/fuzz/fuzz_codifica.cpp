// The number reader of the block rows on any text: always finite, leading
// blanks are skipped and a sign before a digit only turns the value.
#include "blockeditor/Codifica.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString testo = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const double v = LeggiNumero(testo);
    if (!std::isfinite(v)) std::abort();
    if (LeggiNumero(QLatin1Char(' ') + testo) != v) std::abort();
    if (!testo.isEmpty() && testo[0].isDigit() && testo[0].unicode() < 128
        && LeggiNumero(QLatin1Char('-') + testo) != -v)
        std::abort();
    ArrotondaPari(v);
    return 0;
}
