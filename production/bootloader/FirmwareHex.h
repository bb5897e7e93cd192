#pragma once
// The bootloader tool's firmware file: Intel HEX records into a word image
// of 4,093 big-endian words. Only data (0) and extended linear address (4)
// records count; the end-of-file record and the others are passed over and
// the reading goes on; checksums are not verified.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

constexpr int ParoleFirmware = 4093;
using ImmagineFirmware = std::array<uint16_t, ParoleFirmware>;

inline const QString FileFirmware = QStringLiteral("qvr8685TCP.hex");

enum class EsitoHex {
    Ok,
    FileMancante,      // cannot be opened
    RigaIlleggibile,   // a field that is not hexadecimal, or a line shorter than its fields
    ConteggioDispari,  // a data record with an odd byte count
    OltreImmagine,     // a data record reaching beyond the last word
};

struct CaricamentoHex {
    EsitoHex esito = EsitoHex::Ok;
    int riga = 0;   // the line that stopped the load, from 1
};

// The word index of a byte address: half of it, halves to the even neighbour.
int64_t IndiceParola(int64_t indirizzo);

// Loads the file's text into `immagine` (cleared first). A refused line ends
// the load: the records before it stay, nothing lands outside the image.
CaricamentoHex CaricaHex(const QByteArray& testo, ImmagineFirmware& immagine);

// The message for a load that stopped; empty for Ok.
QString MessaggioHex(const CaricamentoHex& c);
