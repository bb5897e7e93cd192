#pragma once
// The communication area: where callers, the transaction, the receive events
// and the live loops of other windows meet.
#include <QByteArray>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

// The framing of the transactions.
enum TipoCanale : int16_t { CanaleASCII = 0, CanaleRTU = 1, CanaleTCP = 2 };
inline TipoCanale Canale = CanaleTCP;
inline std::array<uint8_t, 1001> buff_tx{};
inline int16_t n_tx = 0;
inline std::array<uint8_t, 1001> buff_rx{};
inline int16_t n_rx = 0;
inline QByteArray str_rx;                     // raw bytes on their way into buff_rx
inline int16_t ComTimeout = 2;                // serial reply time-out, seconds

// ComTimeout for a time-out field in milliseconds: whole seconds, halves to
// the even neighbour, never below one second (a 0 s wait times out every
// reply on the line, and the link stays dead until the next setting).
inline int16_t SecondiComTimeout(double millisecondi)
{
    return int16_t(std::max(1.0, std::nearbyint(millisecondi / 1000.0)));
}
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

// The outcome of a transaction. Comunica returns only the first four; a
// framing's run-time failure (Guasto) and the refusal of a transaction
// started while another waits (Rifiutata) reach the caller as ComTimeOut,
// after the box that says why.
enum EsitoComunica : uint8_t {
    ComOk = 0,
    ComTimeOut = 1,
    ComErrore = 2,
    ComNonConnesso = 3,
    ComGuasto = 254,
    ComRifiutata = 255,
};

// One Modbus transaction on buff_tx/n_tx.
EsitoComunica Comunica(bool MostraErrori);
