// The bootloader's firmware file on any text. Nothing lands outside the
// image; a load clears what it does not write; a load stopped at a line
// leaves the image the lines before it make; an image that loads, written
// as Intel HEX, loads back the same.
#include "Fallisce.h"
#include "HexIntel.h"

#include <memory>

namespace {
using Fuzz::Fallisce;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray testo(reinterpret_cast<const char*>(data), qsizetype(size));
    // On the heap at its exact size, so a word written past the end trips the sanitizer.
    auto immagine = std::make_unique<ImmagineFirmware>();
    immagine->fill(0xA5A5);
    const CaricamentoHex esito = CaricaHex(testo, *immagine);
    if (MessaggioHex(esito).isEmpty() != (esito.esito == EsitoHex::Ok)) Fallisce("message and outcome disagree");

    if (esito.esito != EsitoHex::Ok) {
        const QList<QByteArray> righe = testo.split('\n');
        if (esito.riga < 1 || esito.riga > righe.size()) Fallisce("a refusal names no line of the file");
        auto prima = std::make_unique<ImmagineFirmware>();
        if (CaricaHex(righe.mid(0, esito.riga - 1).join('\n'), *prima).esito != EsitoHex::Ok)
            Fallisce("the lines before a refusal do not load");
        if (*prima != *immagine) Fallisce("a refused line changed the image");
        return 0;
    }

    auto ancora = std::make_unique<ImmagineFirmware>();
    ancora->fill(0x5A5A);
    const QByteArray scritto = Fuzz::TestoHex(*immagine);
    if (CaricaHex(scritto, *ancora).esito != EsitoHex::Ok) Fallisce("a written image does not load");
    if (*ancora != *immagine) Fallisce("a written image loads differently");
    return 0;
}
