#pragma once
// What the transaction offers besides Comunica itself (declared with the
// communication area), and the slot where each framing plugs in.
#include "comm/AreaComunicazione.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

// Bytes of the last accepted reply from the unit address on, without its
// checksum (buff_rx[0 .. LunghezzaRisposta()-1]); 0 after a failed or
// unanswered transaction. Readers of a reply check their bytes lie inside it.
int LunghezzaRisposta();

// True while a transaction waits for its reply: the shared buffers are in
// use, and a handler running inside that wait must not start another one.
bool TransazioneInCorso();

// The terminal installs this to show the reply's hexadecimal echo while
// EcoTerminale is set (its reply box takes the whole text).
inline std::function<void(const QString&)> EcoRispostaTerminale;

// One framing of the transaction (Canale 0 ASCII, 1 RTU, 2 TCP). It returns
// 0, 1 or 2 as Comunica does and reports a run-time failure by returning
// EsitoGuasto with its description in *guasto (Comunica shows it, when asked,
// and reports a time-out). The transaction has already emptied the terminal's
// reply box; a framing ends a reply it took with AccettaRisposta.
constexpr uint8_t EsitoGuasto = 255;
uint8_t TransazioneASCII(bool MostraErrori, QString* guasto);   // comm/Ascii.cpp
uint8_t TransazioneRTU(bool MostraErrori, QString* guasto);
uint8_t TransazioneTCP(bool MostraErrori, QString* guasto);

// A framing calls this once its request is complete in buff_tx/n_tx: a
// handler that runs during the wait may refill the shared buffers, and the
// transaction puts its own request back when it ends.
void FissaRichiesta();
// Received bytes into buff_rx/n_rx (the caller has checked they fit), echoed
// in hexadecimal ("0A 03 02 ") to the terminal while EcoTerminale is set.
void PrendiRisposta(QByteArrayView dati);
void EcoRisposta(const QString& testo);   // through EcoRispostaTerminale when EcoTerminale
// The reply's unit address and function against the fixed request's. When
// both match: 0, and the reply counts as lunghezza bytes without checksum.
// Else 2, with the box of the first mismatch when avvisa.
uint8_t AccettaRisposta(int lunghezza, bool avvisa);
