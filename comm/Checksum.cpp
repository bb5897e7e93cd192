#include "comm/Checksum.h"

#include "comm/AreaComunicazione.h"
#include "shell/Prompt.h"

void CalcolaCRC(const uint8_t* buffer, int n)
{
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < n; ++i) {
        crc ^= buffer[i];
        for (int b = 0; b < 8; ++b) crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    CRC_L = int16_t(crc & 0xFF);
    CRC_H = int16_t(crc >> 8);
}

bool VerificaCRC(const uint8_t* buffer, int n)
{
    if (n_rx < 2 || n_rx > int(buff_rx.size()) || n < 0) return false;
    CalcolaCRC(buffer, n);
    if (CRC_L != buff_rx[n_rx - 2]) {
        Prompt::MsgBox(QStringLiteral("Errore Checksum 1"));
        return false;
    }
    if (CRC_H != buff_rx[n_rx - 1]) {
        Prompt::MsgBox(QStringLiteral("Errore Checksum 2"));
        return false;
    }
    return true;
}

void CalcolaLRC(const uint8_t* buffer, int n)
{
    // The byte sum is kept wide: a long frame of high bytes is no failure.
    uint32_t somma = 0;
    for (int i = 0; i < n; ++i) somma += buffer[i];
    LRC = int16_t((256 - (somma % 256)) % 256);
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
