#include "production/molu/VoceArp.h"

#include "base/Attesa.h"

#include <QProcess>

EsitoVoceArp CancellaVoceArp(const QString& indirizzo, int attesaMs)
{
    QProcess ip;
    bool avviato = false, finito = false;
    QObject::connect(&ip, &QProcess::started, [&] { avviato = true; });
    QObject::connect(&ip, &QProcess::finished, [&] { finito = true; });
    QObject::connect(&ip, &QProcess::errorOccurred, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) finito = true;
    });
    ip.start(QStringLiteral("ip"), {QStringLiteral("neigh"), QStringLiteral("flush"), QStringLiteral("to"), indirizzo});
    if (!AttendiFinche([&] { return finito; }, attesaMs)) {
        ip.kill();
        ip.waitForFinished(1000);
        return {false, QStringLiteral("ip: no answer within %1 s").arg(attesaMs / 1000.0)};
    }
    if (!avviato && ip.error() == QProcess::FailedToStart)
        return {false, QStringLiteral("ip: cannot be started (%1)").arg(ip.errorString())};
    if (ip.exitStatus() != QProcess::NormalExit || ip.exitCode() != 0) {
        const QString uscita = QString::fromLocal8Bit(ip.readAllStandardError()).trimmed();
        return {false, uscita.isEmpty() ? QStringLiteral("ip: exit code %1").arg(ip.exitCode()) : uscita};
    }
    return {true, {}};
}
