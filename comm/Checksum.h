#pragma once
// The link's checksums: values in, values out, never a box. CRC-16 and LRC
// also leave their result in CRC_L/CRC_H and LRC of the communication area.
#include <QByteArray>
#include <cstdint>

// CRC-16/MODBUS of buffer[0..n-1]; n <= 0 gives FFFFh.
uint16_t CalcolaCRC(const uint8_t* buffer, int n);

// Why a received CRC did not match: the low byte is checked first.
enum class EsitoCRC { Ok, Corta, Errore1, Errore2 };
// The last two bytes of risposta[0..n_rx-1] (low byte, then high byte)
// against the CRC of buffer[0..n-1]; fewer than two bytes is Corta.
EsitoCRC VerificaCRC(const uint8_t* risposta, int n_rx, const uint8_t* buffer, int n);
// The box text of a failed check ("Errore Checksum 1"/"2"); empty for Ok
// and Corta, which have none.
QString TestoErroreCRC(EsitoCRC esito);

// Modbus ASCII LRC of buffer[0..n-1].
uint8_t CalcolaLRC(const uint8_t* buffer, int n);
// CRC-8/MAXIM of the bytes (one per character) of the set-IP datagram.
uint8_t CalcolaCRC8(const QByteArray& testo);
