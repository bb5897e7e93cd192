#pragma once
// The framings' checks of a received reply: bytes in, outcome out, nothing
// else read or written. The transports act on the outcome (boxes, the reply
// length, the transaction's result).
#include <QByteArrayView>
#include <cstdint>

enum class EsitoRisposta : uint8_t {
    Ok,
    Vuota,              // nothing received
    Incompleta,         // TCP: less than its header announces
    TroppoLunga,        // more than the receive buffer holds
    IntestazioneCorta,  // TCP: not even the header
    CrcCorta,           // RTU: not even the CRC
    ErroreCRC1,         // RTU: CRC low byte
    ErroreCRC2,         // RTU: CRC high byte
    ErroreASCII,        // ASCII: CR, LF or LRC (DecodificaASCII says which)
    SenzaFunzione,      // shorter than unit address + function
    Indirizzo,          // another unit answered
    Funzione,           // the reply is to another function
};

// Size of the receive buffer (buff_rx).
constexpr int CapienzaRisposta = 1001;

// The message bytes (unit address on, no checksum) against the request's
// first two bytes.
EsitoRisposta ConfrontaRisposta(QByteArrayView messaggio, QByteArrayView richiesta);

// What each framing received, as it came off the wire.
EsitoRisposta ControllaRispostaRTU(QByteArrayView ricevuto, QByteArrayView richiesta);
EsitoRisposta ControllaRispostaTCP(QByteArrayView ricevuto, QByteArrayView richiesta);
EsitoRisposta ControllaRispostaASCII(QByteArrayView ricevuto, QByteArrayView richiesta);

// The message bytes of a TCP reply that checked Ok (the header removed).
QByteArrayView MessaggioTCP(QByteArrayView ricevuto);
