// Modbus TCP on the socket: 6-byte header (transaction and protocol id 0,
// 16-bit length), reply complete when the length its header announces is in.
#include "comm/Collegamento.h"
#include "comm/Comunica.h"
#include "comm/Dispositivo.h"
#include "comm/Rete.h"
#include "shell/convert/Attesa.h"

#include <QCoreApplication>
#include <QTcpSocket>

namespace {
constexpr int kIntestazione = 6;

int LunghezzaDichiarata(const QByteArray& s)
{
    return (uint8_t(s[4]) << 8) | uint8_t(s[5]);
}

QByteArray TramaTCP(const uint8_t* buffer, int n)
{
    QByteArray trama(kIntestazione, '\0');
    trama[4] = char(n >> 8);
    trama[5] = char(n & 0xFF);
    trama.append(reinterpret_cast<const char*>(buffer), n);
    return trama;
}

void InviaTCP(const QByteArray& trama)
{
    QTcpSocket* s = Collegamento::Istanza()->Winsock1();
    // Not connected: nothing goes out and the wait runs into its time-out.
    if (s->state() == QAbstractSocket::ConnectedState && IndirizzoConsentito(s->peerAddress())) {
        s->write(trama);
        s->flush();
    }
}

// 1 reply taken, 0 nothing (or not all of it) in time, EsitoGuasto a reply
// that is malformed or too long for the buffer.
uint8_t AttendiRispostaTCP(int offset, QString* guasto)
{
    DatiArrivati = 0;
    bool troppoLunga = false;
    AttendiFinche(
        [&] {
            if (str_rx.size() < kIntestazione) return false;
            const int attesi = LunghezzaDichiarata(str_rx);
            if (attesi > int(buff_rx.size())) return troppoLunga = true;
            return str_rx.size() >= kIntestazione + attesi;
        },
        qMax(0, int(Controllore.TimeoutTCP)));
    DatiArrivati = 0;

    uint8_t esito = 0;
    if (troppoLunga) {
        *guasto = QStringLiteral("Reply longer than the receive buffer");
        esito = EsitoGuasto;
    } else if (!str_rx.isEmpty() && str_rx.size() < kIntestazione) {
        *guasto = QStringLiteral("Reply shorter than its header");
        esito = EsitoGuasto;
    } else if (!str_rx.isEmpty()) {
        const int attesi = LunghezzaDichiarata(str_rx);
        if (str_rx.size() < kIntestazione + attesi) {
            esito = 0;   // the rest never came: a time-out
        } else if (attesi < 2) {
            *guasto = QStringLiteral("Reply without unit address and function");
            esito = EsitoGuasto;
        } else {
            const QByteArray dati = str_rx.mid(offset, attesi);
            PrendiRisposta(dati);
            esito = 1;
        }
    }
    str_rx.clear();
    return esito;
}
} // namespace

uint8_t TransazioneTCP(bool MostraErrori, QString* guasto)
{
    EcoRisposta(QString());
    if (n_tx < 0 || n_tx > int(buff_tx.size())) {
        *guasto = QStringLiteral("Request too long for the transmit buffer");
        return EsitoGuasto;
    }
    FissaRichiesta();
    const uint8_t unita = buff_tx[0];
    const uint8_t funzione = buff_tx[1];

    // The frame is made before events run: a handler may refill buff_tx.
    const QByteArray trama = TramaTCP(buff_tx.data(), n_tx);
    // Leftovers of an earlier reply (late pieces) must not pass for this one:
    // one pass of the events takes in what the socket already holds.
    QCoreApplication::processEvents();
    Collegamento::Istanza()->Winsock1()->readAll();
    str_rx.clear();
    InviaTCP(trama);
    if (!AttendiRisposta) return 0;

    const uint8_t ricevuto = AttendiRispostaTCP(kIntestazione, guasto);
    if (ricevuto != 1) return ricevuto == EsitoGuasto ? EsitoGuasto : 1;
    EcoRisposta(EcoEsadecimale());

    if (buff_rx[0] != unita || buff_rx[1] != funzione) return 2;
    AccettaRisposta(n_rx);
    return 0;
}
