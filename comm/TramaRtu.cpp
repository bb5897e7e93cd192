// Modbus RTU on the serial port: request + CRC (low byte first); the reply
// is complete after 50 ms of silence following the last receive event.
#include "base/Attesa.h"
#include "base/Prompt.h"
#include "comm/Checksum.h"
#include "comm/Collegamento.h"
#include "comm/Comunica.h"
#include "comm/ControlloRisposta.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTimer>

namespace {
constexpr int kSilenzioMs = 50;

bool InviaRTU(const uint8_t* buffer, int n, QString* guasto)
{
    QSerialPort* porta = Collegamento::Istanza()->MSComm1();
    if (!porta->isOpen()) {
        *guasto = QStringLiteral("Port is not open");
        return false;
    }
    porta->write(reinterpret_cast<const char*>(buffer), n);
    porta->flush();
    // Whatever came in before our request cannot be its reply.
    porta->readAll();
    porta->clear(QSerialPort::Input);
    DatiArrivati = 0;
    return true;
}

// What arrived until the line fell silent (or the time-out): the raw reply.
QByteArray AttendiRispostaRTU()
{
    QElapsedTimer ultimo;
    bool arrivato = false;
    // Wakes the event wait when the silence interval is over, since no
    // further event need come after the last byte.
    QTimer silenzio;
    silenzio.setSingleShot(true);
    silenzio.setTimerType(Qt::PreciseTimer);
    AttendiFinche(
        [&] {
            if (DatiArrivati != 0) {
                DatiArrivati = 0;
                arrivato = true;
                ultimo.restart();
            }
            if (!arrivato) return false;
            const qint64 quiete = ultimo.elapsed();
            if (quiete > kSilenzioMs) return true;
            silenzio.start(int(kSilenzioMs + 1 - quiete));
            return false;
        },
        qMax(0, int(ComTimeout)) * 1000);

    QSerialPort* porta = Collegamento::Istanza()->MSComm1();
    if (porta->isOpen()) str_rx = porta->readAll();
    QByteArray ricevuto;
    ricevuto.swap(str_rx);
    return ricevuto;
}
} // namespace

EsitoComunica TransazioneRTU(bool MostraErrori, QString* guasto)
{
    if (n_tx < 0 || n_tx > int(buff_tx.size()) - 2) {
        *guasto = QStringLiteral("Request too long for the transmit buffer");
        return ComGuasto;
    }
    const uint16_t crc = CalcolaCRC(buff_tx.data(), n_tx);
    buff_tx[n_tx] = uint8_t(crc & 0xFF);
    buff_tx[n_tx + 1] = uint8_t(crc >> 8);
    n_tx = int16_t(n_tx + 2);
    FissaRichiesta();

    if (!InviaRTU(buff_tx.data(), n_tx, guasto)) return ComGuasto;
    if (!AttendiRisposta) return ComOk;
    const QByteArray ricevuto = AttendiRispostaRTU();
    const EsitoRisposta esito = ControllaRispostaRTU(ricevuto, RichiestaFissata());
    switch (esito) {
    case EsitoRisposta::Vuota: return ComTimeOut;
    case EsitoRisposta::TroppoLunga:
        *guasto = QStringLiteral("Reply longer than the receive buffer");
        return ComGuasto;
    default: break;
    }
    PrendiRisposta(ricevuto);
    if (esito == EsitoRisposta::CrcCorta || esito == EsitoRisposta::ErroreCRC1 || esito == EsitoRisposta::ErroreCRC2) {
        // The checksum's own box comes whoever asked; the summary only when asked.
        if (esito != EsitoRisposta::CrcCorta)
            Prompt::MsgBox(TestoErroreCRC(esito == EsitoRisposta::ErroreCRC1 ? EsitoCRC::Errore1 : EsitoCRC::Errore2));
        if (MostraErrori) Prompt::MsgBox(QStringLiteral("CheckSum Rx Errato"));
        return ComTimeOut;
    }
    return AccettaRisposta(esito, n_rx - 2, MostraErrori, guasto);
}
