// The memory-image file on any text. Bytes 0 and 1 are how many memory
// bytes the read wants, byte 2 after how many the read is called off; the
// rest is the file. An image that loads is written in the byte form and
// reads back the same; a call-off gives nothing; a refused file gives
// nothing at all, so the buffer it was meant for stays as it was.
#include "Fallisce.h"

#include "production/memory/FileHex.h"

namespace {
using Fuzz::Fallisce;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    const int servono = (data[0] | (data[1] << 8)) % 2049;
    const int stop = data[2] + 1;
    const QByteArrayView testo(data + 3, qsizetype(size - 3));

    const auto valori = LeggiFileHex(testo, servono);
    int chiamate = 0;
    const auto fermato = LeggiFileHex(testo, servono, [&] { return ++chiamate < stop; });
    if (chiamate > servono) Fallisce("called past the bytes wanted");
    if (fermato && (!valori || *fermato != *valori)) Fallisce("the progress call changed what was read");
    if (valori && (stop <= servono) == fermato.has_value()) Fallisce("a call-off was not obeyed");
    if (!valori) return 0;

    if (int(valori->size()) != servono) Fallisce("read other than the bytes wanted");
    const QByteArray scritto = ScriviFileHex(valori->data(), servono, FormaFileHex::Byte);
    const auto ancora = LeggiFileHex(scritto, servono);
    if (!ancora || *ancora != *valori) Fallisce("a written image reads back differently");
    const QByteArray caratteri = ScriviFileHex(valori->data(), servono, FormaFileHex::Caratteri);
    if (caratteri != QByteArray(reinterpret_cast<const char*>(valori->data()), servono) + "\r\n")
        Fallisce("the character form is not the bytes and a line end");
    return 0;
}
