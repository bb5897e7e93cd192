#include "ioconfig/OrologioConfig.h"

#include "base/Attesa.h"
#include "base/Prompt.h"
#include "comm/PuntiRete.h"
#include "comm/Rete.h"


QString DateToSTD(qint64 secondi)
{
    return QDateTime::fromSecsSinceEpoch(secondi, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QDateTime OraDelServer(quint32 secondi)
{
    qint64 s = secondi;
    if (s < (qint64(1) << 31)) s += qint64(1) << 32;
    return QDateTime(QDate(1990, 1, 1), QTime(0, 0), Qt::UTC).addSecs(s - SecondiEpoca1990);
}

OrologioConfig::OrologioConfig(ControlliConfig& controlli) : m_c(controlli)
{
    ntp.setObjectName(QStringLiteral("ntp"));
    QObject::connect(&ntp, &QIODevice::readyRead, &ntp, [this] { ntp_DataArrival(); });
}

void OrologioConfig::ntp_DataArrival() { BufferOra += ntp.readAll(); }

std::optional<double> OrologioConfig::LeggiOraServer()
{
    const QString host = PuntiRete::Valore(QStringLiteral("ora/host"));
    if (host.isEmpty()) {
        Prompt::MsgBox(QStringLiteral("No time server set (ora/host)"));
        return std::nullopt;
    }
    ntp.abort();
    BufferOra.clear();
    const std::shared_ptr<bool> vivo = m_vivo;
    bool connesso = ConnettiSocket(ntp, host, quint16(PuntiRete::Intero(QStringLiteral("ora/porta"))));
    if (connesso) {
        AttendiFinche([&] { return !*vivo || ntp.state() == QAbstractSocket::ConnectedState || ntp.state() == QAbstractSocket::UnconnectedState; },
                      AttesaServerOraMs);
        if (!*vivo) return std::nullopt;
        // A server that answers and closes at once may be past connected already.
        connesso = ntp.state() == QAbstractSocket::ConnectedState || !BufferOra.isEmpty();
    }
    if (!connesso) {
        ntp.abort();
        Prompt::MsgBox(QStringLiteral("Time server not reachable"));
        return std::nullopt;
    }
    AttendiFinche([&] { return !*vivo || BufferOra.size() >= 4 || ntp.state() == QAbstractSocket::UnconnectedState; }, AttesaServerOraMs);
    if (!*vivo) return std::nullopt;
    BufferOra += ntp.readAll();
    ntp.abort();
    if (BufferOra.size() < 4) {
        Prompt::MsgBox(QStringLiteral("No time from the time server"));
        return std::nullopt;
    }
    double s = 0;
    for (int i = 0; i < 4; ++i) s = s * 256 + uint8_t(BufferOra[i]);
    return s;
}

void OrologioConfig::cmd_ClockSync_Click(int index)
{
    QDateTime t;
    if (index == 0) {
        t = QDateTime::currentDateTime();
    } else if (index == 1) {
        // The query waits with the window alive: a second click is not a second query.
        if (m_inCorso) return;
        const std::shared_ptr<bool> vivo = m_vivo;
        m_inCorso = true;
        const std::optional<double> s = LeggiOraServer();
        if (!*vivo) return;
        m_inCorso = false;
        if (!s) return;
        // Shown as the server gives it: UTC, no time zone applied.
        t = OraDelServer(quint32(*s));
    } else {
        return;
    }
    if (!MostraOra(t)) Prompt::MsgBox(QStringLiteral("Date out of range (2000-2099)"));
}

bool OrologioConfig::MostraOra(const QDateTime& t)
{
    const QDate d = t.date();
    const QTime o = t.time();
    if (d.year() < 2000 || d.year() > 2099) return false;
    m_c.Posizione(Ctl("txt_giorno", 0), d.day() - 1);
    m_c.Posizione(Ctl("txt_mese", 0), d.month() - 1);
    m_c.Posizione(Ctl("txt_anno", 0), d.year() - 2000);
    m_c.ImpostaTesto(Ctl("txt_ore", 0), QString::number(o.hour()));
    m_c.ImpostaTesto(Ctl("txt_min", 0), QString::number(o.minute()));
    m_c.ImpostaTesto(Ctl("txt_sec", 0), QString::number(o.second()));
    return true;
}
