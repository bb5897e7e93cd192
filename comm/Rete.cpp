#include "comm/Rete.h"

#include "comm/EventiCollegamento.h"

#include <QAbstractSocket>
#include <QHostAddress>

bool SoloLoopback()
{
    return qEnvironmentVariableIntValue("WORKBENCH_LOOPBACK_ONLY") == 1;
}

bool IndirizzoConsentito(const QHostAddress& indirizzo)
{
    if (!SoloLoopback()) return true;
    bool ok = false;
    const quint32 v4 = indirizzo.toIPv4Address(&ok);   // also accepts ::ffff:127.x
    if (ok) return (v4 >> 24) == 127;
    return indirizzo == QHostAddress(QHostAddress::LocalHostIPv6);
}

bool IndirizzoConsentito(const QString& host)
{
    const QString h = host.trimmed();
    QHostAddress a;
    if (a.setAddress(h)) return IndirizzoConsentito(a);
    // A name is never resolved here: under the guard only the loopback name passes.
    if (!SoloLoopback()) return !h.isEmpty();
    return h.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}

bool ConnettiSocket(QAbstractSocket& socket, const QString& host, quint16 porta, QIODevice::OpenMode modo)
{
    if (!IndirizzoConsentito(host)) {
        // Without the guard only an empty address gets here: nothing to say
        // beyond the caller's own failure report.
        if (SoloLoopback()) Eventi().Evento(QStringLiteral("Address refused (loopback only) [%1]").arg(host), false);
        return false;
    }
    socket.connectToHost(host.trimmed(), porta, modo);
    return true;
}
