#pragma once
// What a start-up bench child reports once its window is on screen: the
// time since its QApplication began and its peak memory.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <cstdio>

// Peak resident set of this process in KiB.
inline long PiccoMemoria()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith("VmHWM:")) return riga.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Shows the window and prints "READY <us> <KiB>"; 0 on success.
inline int MostraEPronto(QWidget* finestra, const QElapsedTimer& t)
{
    finestra->show();
    if (!QTest::qWaitForWindowExposed(finestra)) return 1;
    QCoreApplication::processEvents();
    std::printf("READY %lld %ld\n", static_cast<long long>(t.nsecsElapsed() / 1000), PiccoMemoria());
    std::fflush(stdout);
    return 0;
}
