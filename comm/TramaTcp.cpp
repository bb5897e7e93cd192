// Modbus TCP on the socket: 6-byte header (transaction and protocol id 0,
// 16-bit length), reply complete when the length its header announces is in.
#include "base/Attesa.h"
#include "comm/Collegamento.h"
#include "comm/Comunica.h"
#include "comm/ControlloRisposta.h"
#include "comm/Dispositivo.h"
#include "comm/Rete.h"

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

// Waits until the reply its header announces is in (or cannot fit), then
// hands over what arrived.
QByteArray AttendiRispostaTCP()
{
    DatiArrivati = 0;
    AttendiFinche(
        [&] {
            // The device closed the link: no reply can come any more.
            if (!Controllore.Connesso) return true;
            if (str_rx.size() < kIntestazione) return false;
            const int attesi = LunghezzaDichiarata(str_rx);
            return attesi > int(buff_rx.size()) || str_rx.size() >= kIntestazione + attesi;
        },
        qMax(0, int(Controllore.TimeoutTCP)));
    DatiArrivati = 0;
    QByteArray ricevuto;
    ricevuto.swap(str_rx);
    return ricevuto;
}
} // namespace

EsitoComunica TransazioneTCP(bool /*MostraErrori*/, QString* guasto)
{
    if (n_tx < 0 || n_tx > int(buff_tx.size())) {
        *guasto = QStringLiteral("Request too long for the transmit buffer");
        return ComGuasto;
    }
    FissaRichiesta();

    // The frame is made before events run: a handler may refill buff_tx.
    const QByteArray trama = TramaTCP(buff_tx.data(), n_tx);
    // Leftovers of an earlier reply (late pieces) must not pass for this one.
    // The socket is unbuffered, so this read takes them straight from the
    // system; a pass of the events first would cost a poll per transaction.
    Collegamento::Istanza()->Winsock1()->readAll();
    str_rx.clear();
    // That read is where a close by the device may show first.
    Collegamento::Istanza()->ControllaSocket();
    if (!Controllore.Connesso) return ComNonConnesso;
    InviaTCP(trama);
    if (!AttendiRisposta) return ComOk;
    const QByteArray ricevuto = AttendiRispostaTCP();
    const EsitoRisposta esito = ControllaRispostaTCP(ricevuto, RichiestaFissata());
    switch (esito) {
    case EsitoRisposta::Vuota:
    case EsitoRisposta::Incompleta: return ComTimeOut;   // the rest never came
    case EsitoRisposta::TroppoLunga:
        *guasto = QStringLiteral("Reply longer than the receive buffer");
        return ComGuasto;
    case EsitoRisposta::IntestazioneCorta:
        *guasto = QStringLiteral("Reply shorter than its header");
        return ComGuasto;
    case EsitoRisposta::SenzaFunzione: return AccettaRisposta(esito, 0, false, guasto);
    default: break;
    }
    PrendiRisposta(MessaggioTCP(ricevuto));
    // A mismatch is an error without a box, whoever asked.
    return AccettaRisposta(esito, n_rx, false, guasto);
}
