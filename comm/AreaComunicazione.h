#pragma once
// The communication area: where callers, the transaction, the receive events
// and the live loops of other windows meet.
#include <QByteArray>
#include <array>
#include <cstdint>

inline int16_t Canale = 2;                    // 0 ASCII, 1 RTU, 2 Modbus TCP
inline std::array<uint8_t, 1001> buff_tx{};
inline int16_t n_tx = 0;
inline std::array<uint8_t, 1001> buff_rx{};
inline int16_t n_rx = 0;
inline QByteArray str_rx;                     // raw bytes on their way into buff_rx
inline int16_t ComTimeout = 2;                // serial reply time-out, seconds
inline bool AttendiRisposta = true;
inline int16_t ComErr = 1;                    // stop flag of every live loop
inline int16_t DatiArrivati = 0;
inline int16_t LoopAttivo = 0;
inline bool StopLoop = false;
inline bool AttesaUDP = false;
inline bool AttesaUDPGateway = false;
inline int16_t CRC_H = 0;
inline int16_t CRC_L = 0;
inline int16_t LRC = 0;
inline bool EcoTerminale = false;

// One Modbus transaction on buff_tx/n_tx: 0 success, 1 time-out,
// 2 error, 3 not connected.
uint8_t Comunica(bool MostraErrori);
