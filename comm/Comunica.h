#pragma once
// What the transaction offers besides Comunica itself (declared with the
// communication area), and the slot where each framing plugs in.
#include "comm/AreaComunicazione.h"
#include "comm/ControlloRisposta.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

// Bytes of the last accepted reply from the unit address on, without its
// checksum (buff_rx[0 .. LunghezzaRisposta()-1]); 0 after a failed or
// unanswered transaction. Readers of a reply check their bytes lie inside it.
int LunghezzaRisposta();
// Those bytes.
QByteArrayView RispostaRicevuta();

// True while a transaction waits for its reply: the shared buffers are in
// use, and a handler running inside that wait must not start another one.
bool TransazioneInCorso();

// The terminal installs this to show the reply's hexadecimal echo while
// EcoTerminale is set (its reply box takes the whole text).
inline std::function<void(const QString&)> EcoRispostaTerminale;

// One framing of the transaction. It returns ComOk, ComTimeOut or
// ComErrore as Comunica does, or ComGuasto for a run-time failure with its
// description in *guasto (Comunica shows it, when asked, and reports a
// time-out). The transaction has already emptied the terminal's reply box;
// a framing ends a reply it took with AccettaRisposta.
EsitoComunica TransazioneASCII(bool MostraErrori, QString* guasto);   // comm/Ascii.cpp
EsitoComunica TransazioneRTU(bool MostraErrori, QString* guasto);
EsitoComunica TransazioneTCP(bool MostraErrori, QString* guasto);

// A framing calls this once its request is complete in buff_tx/n_tx: a
// handler that runs during the wait may refill the shared buffers, and the
// transaction puts its own request back when it ends.
void FissaRichiesta();
// The request fixed for the running transaction, as it went out.
QByteArrayView RichiestaFissata();
// Received bytes into buff_rx/n_rx (the caller has checked they fit), echoed
// in hexadecimal ("0A 03 02 ") to the terminal while EcoTerminale is set.
void PrendiRisposta(QByteArrayView dati);
void EcoRisposta(const QString& testo);   // through EcoRispostaTerminale when EcoTerminale
// The transaction's part of a reply the framing has checked (its own boxes
// shown): Ok counts the reply as lunghezza bytes without checksum; another
// unit or function is ComErrore, with the box of the mismatch when avvisa; a
// reply without unit and function is ComGuasto; the rest a time-out.
EsitoComunica AccettaRisposta(EsitoRisposta esito, int lunghezza, bool avvisa, QString* guasto);
