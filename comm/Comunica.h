#pragma once
// What the transaction offers besides Comunica itself (declared with the
// communication area), and the slot where each framing plugs in.
#include "comm/AreaComunicazione.h"

#include <QByteArray>
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

// One framing of the transaction. It returns 0, 1 or 2 as Comunica does and
// reports a run-time failure by returning EsitoGuasto with its description
// in *guasto (Comunica shows it, when asked, and reports a time-out). On
// success it calls AccettaRisposta with the reply's length without checksum.
constexpr uint8_t EsitoGuasto = 255;
void AccettaRisposta(int lunghezza);
// Received bytes into buff_rx/n_rx; the caller has checked they fit.
void PrendiRisposta(const QByteArray& dati);
void EcoRisposta(const QString& testo);   // through EcoRispostaTerminale when EcoTerminale
QString EcoEsadecimale();                // buff_rx[0..n_rx-1] as "0A 03 02 "

uint8_t TransazioneRTU(bool MostraErrori, QString* guasto);
uint8_t TransazioneTCP(bool MostraErrori, QString* guasto);
uint8_t TransazioneASCII(bool MostraErrori, QString* guasto);   // comm/TramaAscii.cpp

// A framing calls this once its request is complete in buff_tx/n_tx: a
// handler that runs during the wait may refill the shared buffers, and the
// transaction puts its own request back when it ends.
void FissaRichiesta();
