// The serial scan's identification decoder on any reply: never reads past
// the bytes it is given, and a short reply is refused.
#include "comm/Scoperta.h"

#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so any read past the reply trips the sanitizer.
    std::unique_ptr<char[]> copia(new char[size ? size : 1]);
    if (size) std::memcpy(copia.get(), data, size);
    Identificazione id;
    const bool ok = DecodificaIdentificazione(QByteArrayView(copia.get(), qsizetype(size)), id);
    if (ok && size < 17) std::abort();
    return 0;
}
