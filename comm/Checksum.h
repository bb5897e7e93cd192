#pragma once
// The link's checksums. CRC-16 and LRC leave their result in CRC_L/CRC_H and
// LRC of the communication area, where the frame builders pick them up.
#include <QByteArray>
#include <cstdint>

// CRC-16/MODBUS of buffer[0..n-1]; n <= 0 leaves 255, 255.
void CalcolaCRC(const uint8_t* buffer, int n);
// True when the last two bytes of buff_rx (at n_rx-2 low, n_rx-1 high) are
// the CRC of buffer[0..n-1]. A wrong low byte says "Errore Checksum 1", else a
// wrong high byte "Errore Checksum 2" (always, whoever asked); a reply of
// fewer than two bytes is simply false.
bool VerificaCRC(const uint8_t* buffer, int n);
// Modbus ASCII LRC of buffer[0..n-1] into LRC.
void CalcolaLRC(const uint8_t* buffer, int n);
// CRC-8/MAXIM of the bytes (one per character) of the set-IP datagram.
uint8_t CalcolaCRC8(const QByteArray& testo);
