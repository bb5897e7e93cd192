#pragma once
// A firmware image as Intel HEX text: data records of up to 16 words at the
// words' byte addresses, checksums included, then the end-of-file record.
// The program reads such files and never writes them; the firmware target
// and its seeds write them here.
#include "production/bootloader/FirmwareHex.h"

#include <QByteArray>
#include <QList>

namespace Fuzz {

inline QByteArray RecordHex(int tipo, int indirizzo, const QByteArray& dati)
{
    QByteArray r;
    r.append(char(dati.size()));
    r.append(char(indirizzo >> 8));
    r.append(char(indirizzo & 0xff));
    r.append(char(tipo));
    r += dati;
    uint8_t somma = 0;
    for (char c : r) somma = uint8_t(somma + uint8_t(c));
    r.append(char(uint8_t(-somma)));
    return ':' + r.toHex().toUpper() + "\r\n";
}

// Runs of words that are not 0 only: the load clears the image first.
inline QByteArray TestoHex(const ImmagineFirmware& immagine)
{
    QByteArray out;
    for (int i = 0; i < ParoleFirmware;) {
        if (immagine[size_t(i)] == 0) {
            ++i;
            continue;
        }
        QByteArray dati;
        const int primo = i;
        for (; i < ParoleFirmware && i - primo < 16 && immagine[size_t(i)] != 0; ++i) {
            dati.append(char(immagine[size_t(i)] >> 8));
            dati.append(char(immagine[size_t(i)] & 0xff));
        }
        out += RecordHex(0, 2 * primo, dati);
    }
    return out + RecordHex(1, 0, {});
}

} // namespace Fuzz
