#include "comm/ServerSeriale.h"

#include "base/Attesa.h"
#include "comm/Rete.h"
#include "comm/Scoperta.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>

QString ComponiMAC(const QStringList& campi, QChar separatore)
{
    static const QRegularExpression due(QStringLiteral("^[0-9A-Fa-f]{2}$"));
    if (campi.size() != 6) return {};
    QStringList out;
    for (const QString& c : campi) {
        if (!due.match(c.trimmed()).hasMatch()) return {};
        out << c.trimmed().toUpper();
    }
    return out.join(separatore);
}

QString ComponiIP(const QStringList& campi)
{
    static const QRegularExpression numero(QStringLiteral("^[0-9]{1,3}$"));
    if (campi.size() != 4) return {};
    QStringList out;
    for (const QString& c : campi) {
        const QString t = c.trimmed();
        if (!numero.match(t).hasMatch() || t.toInt() > 255) return {};
        out << QString::number(t.toInt());
    }
    return out.join(QLatin1Char('.'));
}

quint16 PortaSetupServer()
{
    return PortaAmbiente("WORKBENCH_TELNET_PORT", 9999);
}

QList<ComandoEsterno> ComandiManuale(const QString& ip, const QString& macDuePunti, TipoManuale tipo)
{
    // The static entry lets the device take the temporary address at the
    // first packet sent to it.
    QList<ComandoEsterno> out{{QStringLiteral("arp"), {QStringLiteral("-s"), ip, macDuePunti}, 0}};
    if (tipo == TipoManuale::ServerSeriale) {
        // A connection attempt to port 1 makes the server keep the address;
        // the set-up session is interactive and needs a terminal of its own.
        out.append({QStringLiteral("telnet"), {ip, QStringLiteral("1")}, 1});
        out.append({QStringLiteral("x-terminal-emulator"),
                    {QStringLiteral("-e"), QStringLiteral("telnet"), ip, QString::number(PortaSetupServer())},
                    1});
    } else if (tipo == TipoManuale::Controllore) {
        out.append({QStringLiteral("ping"), {QStringLiteral("-c"), QStringLiteral("4"), ip}, 0});
    }
    return out;
}

bool AvviaComando(const ComandoEsterno& c)
{
    return QProcess::startDetached(c.programma, c.argomenti);
}

const QList<PassoTelnet>& PassiConfigurazioneDefault()
{
    static const QList<PassoTelnet> passi = {
        {QByteArray(), 100},
        {QByteArray("\r"), 900},
        {QByteArray("1192\r168\r1\r100\rY192\r168\r1\r1\rY255\r255\r255\r0\r"), 200},
        {QByteArray("N"), 800},
        {QByteArray("2"), 40},
        {QByteArray("1\r1\r1\r38400,8,N,1\r"), 1000},
        {QByteArray("S"), 40},
    };
    return passi;
}

bool TelnetSendWait(QTcpSocket& s, const QByteArray& testo, int minimo, int secondi, QByteArray* ricevuto)
{
    // The answer is everything that arrives after the send, however the
    // network splits it.
    QByteArray risposta = s.readAll();
    risposta.clear();
    const auto conn = QObject::connect(&s, &QTcpSocket::readyRead, [&] { risposta += s.readAll(); });
    if (!testo.isEmpty() && s.state() == QAbstractSocket::ConnectedState) {
        s.write(testo);
        s.flush();
    }
    AttendiFinche([&] { return risposta.size() >= minimo; }, secondi * 1000);
    QObject::disconnect(conn);
    if (ricevuto) *ricevuto = risposta;
    return risposta.size() >= minimo;
}

bool EseguiConfigurazioneDefault(QTcpSocket& s, const QString& host, quint16 porta, QByteArray* ultimaRisposta)
{
    s.abort();
    if (!ConnettiSocket(s, host, porta)) return false;
    bool ok = true;
    for (const PassoTelnet& p : PassiConfigurazioneDefault()) {
        if (!TelnetSendWait(s, p.testo, p.minimo, 2, ultimaRisposta)) {
            ok = false;
            break;
        }
    }
    s.close();
    return ok;
}
