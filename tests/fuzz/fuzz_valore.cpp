// The value dialog's readers on any text: a number read whole is finite, a
// hex field reads the same whatever its case, and the bits of a text are
// only given for a value that fits 32 bits.
#include "registers/Input_Box.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const QString testo = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), int(size - 1));
    if (auto v = NumeroCompleto(testo); v && !std::isfinite(*v)) std::abort();
    if (LeggiHex(testo) != LeggiHex(testo.toUpper())) std::abort();
    // Formats: -1 text mode, then the register types.
    BitDelTesto(testo, int(data[0] % 20) - 1);
    return 0;
}
