// Modbus RTU on the serial port: request + CRC (low byte first); the reply
// is complete after 50 ms of silence following the last receive event.
#include "comm/Checksum.h"
#include "comm/Collegamento.h"
#include "comm/Comunica.h"
#include "shell/Prompt.h"
#include "shell/convert/Attesa.h"

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

// 0 something received, 1 nothing, EsitoGuasto a reply the buffer can't hold.
uint8_t AttendiRispostaRTU(QString* guasto)
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
    uint8_t esito = 1;
    if (str_rx.size() > int(buff_rx.size())) {
        *guasto = QStringLiteral("Reply longer than the receive buffer");
        esito = EsitoGuasto;
    } else if (!str_rx.isEmpty()) {
        PrendiRisposta(str_rx);
        esito = 0;
    }
    str_rx.clear();
    return esito;
}
} // namespace

uint8_t TransazioneRTU(bool MostraErrori, QString* guasto)
{
    if (n_tx < 0 || n_tx > int(buff_tx.size()) - 2) {
        *guasto = QStringLiteral("Request too long for the transmit buffer");
        return EsitoGuasto;
    }
    CalcolaCRC(buff_tx.data(), n_tx);
    buff_tx[n_tx] = uint8_t(CRC_L);
    buff_tx[n_tx + 1] = uint8_t(CRC_H);
    n_tx = int16_t(n_tx + 2);
    FissaRichiesta();

    if (!InviaRTU(buff_tx.data(), n_tx, guasto)) return EsitoGuasto;
    if (!AttendiRisposta) return 0;
    if (const uint8_t r = AttendiRispostaRTU(guasto)) return r;

    if (!VerificaCRC(buff_rx.data(), n_rx - 2)) {
        if (MostraErrori) Prompt::MsgBox(QStringLiteral("CheckSum Rx Errato"));
        return 1;
    }
    return AccettaRisposta(n_rx - 2, MostraErrori);
}
