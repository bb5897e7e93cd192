#pragma once
// The clock frame of the configuration window filled from the PC's clock or
// from a time server (time protocol: connecting is the request, the reply
// four bytes of seconds since 1900, most significant first). Nothing is sent
// to the device here: the clock's send button does that.
#include "ioconfig/ControlliConfig.h"

#include <QByteArray>
#include <QDateTime>
#include <QTcpSocket>
#include <memory>
#include <optional>

// 1990-01-01 less 1900-01-01, in seconds.
constexpr qint64 SecondiEpoca1990 = 2840140800LL;
// Bound of the connect and of the reply, each.
constexpr int AttesaServerOraMs = 3000;

// The date and time `secondi` after 1970-01-01 00:00:00 as
// "yyyy-mm-dd hh:mm:ss"; no time zone applied.
QString DateToSTD(qint64 secondi);
// The server's seconds since 1900 as UTC. The count wraps in February 2036:
// values below 2^31 belong to the era after it (earlier times are above).
QDateTime OraDelServer(quint32 secondi);

class OrologioConfig {
public:
    explicit OrologioConfig(ControlliConfig& controlli);
    ~OrologioConfig() { *m_vivo = false; }
    OrologioConfig(const OrologioConfig&) = delete;
    OrologioConfig& operator=(const OrologioConfig&) = delete;

    // 0 the PC's local time, 1 the time server's UTC time.
    void cmd_ClockSync_Click(int index);
    // The server's seconds since 1900; nothing, after telling the user, when
    // no server is set or it gives no time in time.
    std::optional<double> LeggiOraServer();

private:
    void ntp_DataArrival();
    // False (fields unchanged) for a year the clock cannot hold.
    bool MostraOra(const QDateTime& t);

    ControlliConfig& m_c;
    QTcpSocket ntp;
    QByteArray BufferOra;
    bool m_inCorso = false;
    std::shared_ptr<bool> m_vivo = std::make_shared<bool>(true);
};
