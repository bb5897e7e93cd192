#include "comm/Connessione.h"

#include "base/Attesa.h"
#include "base/Prompt.h"
#include "comm/AreaComunicazione.h"
#include "comm/Collegamento.h"
#include "comm/Dispositivo.h"
#include "comm/EventiCollegamento.h"
#include "comm/Rete.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTcpSocket>

namespace {
QString g_impostazioni;
Dispositivo g_aperto;

void ChiudiTutto()
{
    // A port or socket left open by an earlier link would make the new one
    // fail (a busy port) or talk to the old device.
    Collegamento* c = Collegamento::Istanza();
    if (c->MSComm1()->isOpen()) c->MSComm1()->close();
    if (c->Winsock1()->state() != QAbstractSocket::UnconnectedState) c->Winsock1()->abort();
}

void ConnettiSeriale()
{
    QSerialPort* porta = Collegamento::Istanza()->MSComm1();
    const bool dueStop = Controllore.DueStop && !Controllore.Modem;
    g_impostazioni = Controllore.BaudRate + (dueStop ? QStringLiteral(",n,8,2") : QStringLiteral(",n,8,1"));
    const QString nome = NomePortaSeriale(Controllore.Porta);
    if (nome.isEmpty()) return;
    porta->setPortName(nome);
    if (!ImpostaSeriale(*porta, g_impostazioni)) return;
    porta->setFlowControl(Controllore.Modem ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
    if (!porta->open(QIODevice::ReadWrite)) return;
    // Some drivers take the settings only once the port is open.
    if (!ImpostaSeriale(*porta, g_impostazioni)) {
        porta->close();
        return;
    }
    if (Controllore.Modem) {
        porta->write(QByteArray("atdt0, ") + NumeroModem.toLatin1() + '\r');
        porta->flush();
    } else {
        Eventi().Evento(QStringLiteral("Port Open"));
    }
    Controllore.Connesso = true;
    RicordaCollegamento();
}

void ConnettiTCP()
{
    QTcpSocket* s = Collegamento::Istanza()->Winsock1();
    bool scaduto = false;
    // Unbuffered: a request goes out at once and a reply is read straight
    // from the socket, without a queued flush waking the wait in between.
    if (!ConnettiSocket(*s, Controllore.IndirizzoIP, quint16(Controllore.Porta),
                        QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        scaduto = true;
    } else {
        QElapsedTimer t;
        t.start();
        // A refused connection ends the wait at once; it is reported like a
        // time-out, the only failure the link knows.
        AttendiFinche([s] { return s->state() == QAbstractSocket::ConnectedState ||
                                   s->state() == QAbstractSocket::UnconnectedState; },
                      qMax(0, int(Controllore.TimeoutTCP)));
        if (s->state() != QAbstractSocket::ConnectedState) {
            scaduto = true;
            Prompt::MsgBox(QStringLiteral("Connection Timeout"), Prompt::Critica);
        }
    }
    if (scaduto) {
        s->abort();
        Eventi().Evento(QStringLiteral("Connection Timeout"));
        Controllore.Connesso = false;
        return;
    }
    Eventi().Evento(QStringLiteral("Connected  [%1]").arg(Controllore.IndirizzoIP));
    Controllore.Connesso = true;
    RicordaCollegamento();
}
} // namespace

QString UltimeImpostazioniSeriali()
{
    return g_impostazioni;
}

void RicordaCollegamento()
{
    g_aperto = Controllore;
}

const Dispositivo& CollegamentoAperto()
{
    return g_aperto;
}

void Connetti()
{
    std::fill(buff_rx.begin(), buff_rx.begin() + 101, 0);
    std::fill(buff_tx.begin(), buff_tx.begin() + 101, 0);
    if (Controllore.TipoConnessione == CollegamentoEthernet) Canale = CanaleTCP;
    else if (Controllore.TipoConnessione == CollegamentoSeriale) Canale = CanaleRTU;

    // Closed before the old socket goes: its close is not a lost link.
    Controllore.Connesso = false;
    ChiudiTutto();
    if (Canale == CanaleTCP) ConnettiTCP();
    else if (Canale == CanaleRTU) ConnettiSeriale();
    // The shell decides from the new state which toolbar groups are enabled.
    Eventi().StatoCambiato();
}

void Disconnetti()
{
    if (ComErr == 0) return;
    Collegamento* c = Collegamento::Istanza();
    // Every connect and the benches disconnect first: a link that was never
    // opened, or is already lost, closes without a line of its own.
    const bool aperto = Controllore.Connesso || c->MSComm1()->isOpen() ||
                        c->Winsock1()->state() != QAbstractSocket::UnconnectedState;
    Controllore.Connesso = false;
    if (Canale != CanaleTCP) {
        if (c->MSComm1()->isOpen()) c->MSComm1()->close();
        if (aperto) Eventi().Evento(QStringLiteral("Disconnect [%1]").arg(Controllore.Nodo));
    } else {
        c->Winsock1()->abort();
        Eventi().EsitoTransazione(QString());
        if (aperto) Eventi().Evento(QStringLiteral("Disconnect [%1]").arg(g_aperto.IndirizzoIP));
    }
    Eventi().StatoCambiato();
}
