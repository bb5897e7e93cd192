#include "base/Attesa.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace {
bool& Interrotte()
{
    static bool interrotte = false;
    return interrotte;
}
} // namespace

void InterrompiAttese()
{
    Interrotte() = true;
}

bool AttendiFinche(const std::function<bool()>& condizione, int millisecondi)
{
    QElapsedTimer orologio;
    orologio.start();
    // The timer only wakes the blocking event wait at the deadline.
    // It is re-armed for what is left each pass, since a timer may fire a
    // little early and the blocking wait must never outlive the deadline.
    QTimer sveglia;
    sveglia.setSingleShot(true);
    sveglia.setTimerType(Qt::PreciseTimer);
    while (!condizione()) {
        if (Interrotte()) return false;
        const qint64 resto = millisecondi - orologio.elapsed();
        if (resto <= 0) return condizione();
        sveglia.start(int(resto));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void Attesa(double secondi)
{
    if (!(secondi > 0)) return;
    // A wait longer than the millisecond count can hold is cut to the
    // longest one instead of wrapping round to no wait at all.
    const double ms = std::min(secondi * 1000.0 + 0.5, double(std::numeric_limits<int>::max()));
    AttendiFinche([] { return false; }, int(ms));
}
