#include "comm/Collegamento.h"

#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "comm/EventiCollegamento.h"

#include <QCoreApplication>
#include <QDir>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTcpSocket>
#include <algorithm>

Collegamento* Collegamento::Istanza()
{
    static Collegamento* c = new Collegamento();
    return c;
}

Collegamento::Collegamento()
    : QObject(QCoreApplication::instance())
{
    setObjectName(QStringLiteral("Collegamento"));
    m_seriale = new QSerialPort(this);
    m_seriale->setObjectName(QStringLiteral("MSComm1"));
    m_socket = new QTcpSocket(this);
    m_socket->setObjectName(QStringLiteral("Winsock1"));
    connect(m_seriale, &QSerialPort::readyRead, this, &Collegamento::MSComm1_OnComm);
    connect(m_socket, &QTcpSocket::readyRead, this, &Collegamento::Winsock1_DataArrival);
    connect(m_socket, &QTcpSocket::disconnected, this, &Collegamento::Winsock1_Close);
}

void Collegamento::MSComm1_OnComm()
{
    DatiArrivati = 1;
}

void Collegamento::Winsock1_DataArrival()
{
    // Read until a short read rather than readAll, which asks the system
    // once more after the reply and gets nothing: a wasted call per reply.
    char blocco[4096];
    qint64 n = 0;
    do {
        n = m_socket->read(blocco, sizeof blocco);
        if (n > 0) str_rx.append(blocco, int(n));
    } while (n == qint64(sizeof blocco));
    DatiArrivati = 1;
    // The socket is unbuffered: the device's close shows only here, as a
    // read that finds the socket gone, without a close event of its own.
    if (n < 0) ControllaSocket();
}

void Collegamento::ControllaSocket()
{
    if (m_socket->state() != QAbstractSocket::ConnectedState) Winsock1_Close();
}

void Collegamento::Winsock1_Close()
{
    // Connect and disconnect mark the link closed before they close the
    // socket themselves: only a close from the other end gets here open.
    if (!Controllore.Connesso || Canale != CanaleTCP) return;
    Controllore.Connesso = false;
    Eventi().EsitoTransazione(QString());
    Eventi().Evento(QStringLiteral("Connection Lost [%1]").arg(Controllore.IndirizzoIP));
    Eventi().StatoCambiato();
}

QString NomePortaSeriale(int k)
{
    if (k < 1) return QString();
    const QString dir = qEnvironmentVariable("WORKBENCH_COM_DIR");
    if (!dir.isEmpty()) return QDir(dir).filePath(QStringLiteral("COM%1").arg(k));
    QList<QSerialPortInfo> porte = QSerialPortInfo::availablePorts();
    std::sort(porte.begin(), porte.end(),
              [](const QSerialPortInfo& a, const QSerialPortInfo& b) { return a.portName() < b.portName(); });
    return k <= porte.size() ? porte[k - 1].systemLocation() : QString();
}

bool ImpostaSeriale(QSerialPort& porta, const QString& impostazioni)
{
    const QStringList p = impostazioni.split(QLatin1Char(','));
    if (p.size() != 4) return false;
    bool ok = false;
    const int baud = p[0].trimmed().toInt(&ok);
    if (!ok || baud <= 0) return false;
    if (p[1].trimmed().compare(QLatin1String("n"), Qt::CaseInsensitive) != 0 || p[2].trimmed() != QLatin1String("8"))
        return false;
    const QString stop = p[3].trimmed();
    if (stop != QLatin1String("1") && stop != QLatin1String("2")) return false;
    return porta.setBaudRate(baud) && porta.setParity(QSerialPort::NoParity) &&
           porta.setDataBits(QSerialPort::Data8) &&
           porta.setStopBits(stop == QLatin1String("2") ? QSerialPort::TwoStop : QSerialPort::OneStop);
}
