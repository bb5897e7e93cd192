// The number reader of the block rows on any text.
#include "blockeditor/Codifica.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ArrotondaPari(LeggiNumero(QString::fromUtf8(reinterpret_cast<const char*>(data), int(size))));
    return 0;
}
