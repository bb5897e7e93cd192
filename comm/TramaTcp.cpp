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

// What the wait left in str_rx: 0 reply taken, 1 nothing (or not all of
// it) in time, EsitoGuasto a reply that is malformed or too long.
uint8_t PrendiRispostaTCP(bool troppoLunga, QString* guasto)
{
    if (troppoLunga) {
        *guasto = QStringLiteral("Reply longer than the receive buffer");
        return EsitoGuasto;
    }
    if (str_rx.isEmpty()) return 1;
    if (str_rx.size() < kIntestazione) {
        *guasto = QStringLiteral("Reply shorter than its header");
        return EsitoGuasto;
    }
    const int attesi = LunghezzaDichiarata(str_rx);
    if (str_rx.size() < kIntestazione + attesi) return 1;   // the rest never came: a time-out
    if (attesi < 2) {
        *guasto = QStringLiteral("Reply without unit address and function");
        return EsitoGuasto;
    }
    PrendiRisposta(QByteArrayView(str_rx).sliced(kIntestazione, attesi));
    return 0;
}

uint8_t AttendiRispostaTCP(QString* guasto)
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
    const uint8_t esito = PrendiRispostaTCP(troppoLunga, guasto);
    str_rx.clear();
    return esito;
}
} // namespace

uint8_t TransazioneTCP(bool /*MostraErrori*/, QString* guasto)
{
    if (n_tx < 0 || n_tx > int(buff_tx.size())) {
        *guasto = QStringLiteral("Request too long for the transmit buffer");
        return EsitoGuasto;
    }
    FissaRichiesta();

    // The frame is made before events run: a handler may refill buff_tx.
    const QByteArray trama = TramaTCP(buff_tx.data(), n_tx);
    // Leftovers of an earlier reply (late pieces) must not pass for this one:
    // one pass of the events takes in what the socket already holds.
    QCoreApplication::processEvents();
    Collegamento::Istanza()->Winsock1()->readAll();
    str_rx.clear();
    InviaTCP(trama);
    if (!AttendiRisposta) return 0;
    if (const uint8_t r = AttendiRispostaTCP(guasto)) return r;
    // A mismatch is an error without a box, whoever asked.
    return AccettaRisposta(n_rx, false);
}
