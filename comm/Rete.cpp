#include "comm/Rete.h"

#include "comm/EventiCollegamento.h"

#include <QAbstractSocket>
#include <QHostAddress>
#include <QStringList>

std::optional<QHostAddress> IndirizzoDecimale(const QString& testo)
{
    const QStringList numeri = testo.trimmed().split(QLatin1Char('.'));
    if (numeri.size() != 4) return std::nullopt;
    quint32 indirizzo = 0;
    for (const QString& n : numeri) {
        if (n.isEmpty()) return std::nullopt;
        uint v = 0;
        for (QChar c : n) {
            if (c < u'0' || c > u'9') return std::nullopt;
            v = v * 10 + uint(c.unicode() - u'0');
            if (v > 255) return std::nullopt;
        }
        indirizzo = (indirizzo << 8) | v;
    }
    return QHostAddress(indirizzo);
}

QString HostDecimale(const QString& testo)
{
    const auto a = IndirizzoDecimale(testo);
    return a ? a->toString() : testo.trimmed();
}

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
    if (const auto d = IndirizzoDecimale(h)) return IndirizzoConsentito(*d);
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
    socket.connectToHost(HostDecimale(host), porta, modo);
    return true;
}
