#include "comm/Checksum.h"

#include "comm/AreaComunicazione.h"

#include <QString>

uint16_t CalcolaCRC(const uint8_t* buffer, int n)
{
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < n; ++i) {
        crc ^= buffer[i];
        for (int b = 0; b < 8; ++b) crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    CRC_L = int16_t(crc & 0xFF);
    CRC_H = int16_t(crc >> 8);
    return crc;
}

EsitoCRC VerificaCRC(const uint8_t* risposta, int n_rx, const uint8_t* buffer, int n)
{
    if (n_rx < 2 || n < 0) return EsitoCRC::Corta;
    const uint16_t crc = CalcolaCRC(buffer, n);
    if ((crc & 0xFF) != risposta[n_rx - 2]) return EsitoCRC::Errore1;
    if ((crc >> 8) != risposta[n_rx - 1]) return EsitoCRC::Errore2;
    return EsitoCRC::Ok;
}

QString TestoErroreCRC(EsitoCRC esito)
{
    switch (esito) {
    case EsitoCRC::Errore1: return QStringLiteral("Errore Checksum 1");
    case EsitoCRC::Errore2: return QStringLiteral("Errore Checksum 2");
    default: return QString();
    }
}

uint8_t CalcolaLRC(const uint8_t* buffer, int n)
{
    // The byte sum is kept wide: a long frame of high bytes is no failure.
    uint32_t somma = 0;
    for (int i = 0; i < n; ++i) somma += buffer[i];
    LRC = int16_t((256 - (somma % 256)) % 256);
    return uint8_t(LRC);
}

uint8_t CalcolaCRC8(const QByteArray& testo)
{
    uint8_t crc = 0;
    for (char c : testo) {
        crc ^= uint8_t(c);
        for (int b = 0; b < 8; ++b) crc = (crc & 1) ? uint8_t((crc >> 1) ^ 0x8C) : uint8_t(crc >> 1);
    }
    return crc;
}
