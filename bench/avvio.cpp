// Start-up cost: from process start to the main window on screen, and the
// peak memory by then, for the workbench's Main() against a bare Qt Widgets
// main window with an MDI area (bench_avvio_riferimento, a Qt-only program
// beside this one). Each run is a fresh child process, so loading and
// first-use costs count; the kinds alternate so that a busy machine hurts
// all alike.
//
//   bench_avvio [runs]          (default 9; the median is reported)
#include "Pronto.h"
#include "shell/Avvio.h"
#include "shell/Principale.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

int Figlio(int argc, char** argv)
{
    QElapsedTimer t;
    t.start();
    QApplication app(argc, argv);
    Main();
    return MostraEPronto(Principale::Istanza(), t);
}

struct Misura {
    double ms = 0;        // process start to window shown, seen by the parent
    double internoMs = 0; // QApplication to window shown, seen by the child
    long kib = 0;
};

bool Esegui(const QString& programma, const QStringList& argomenti, Misura& m)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")) && !env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(programma, argomenti);
    QByteArray uscita;
    while (!uscita.contains('\n') && p.waitForReadyRead(30000)) uscita += p.readAllStandardOutput();
    m.ms = t.nsecsElapsed() / 1e6;
    p.waitForFinished(30000);
    const QList<QByteArray> campi = uscita.trimmed().split(' ');
    if (campi.size() != 3 || campi[0] != "READY") return false;
    m.internoMs = campi[1].toLongLong() / 1000.0;
    m.kib = campi[2].toLong();
    return true;
}

template <class F> double Mediana(QList<Misura> v, F campo)
{
    std::sort(v.begin(), v.end(), [&](const Misura& a, const Misura& b) { return campo(a) < campo(b); });
    return campo(v[v.size() / 2]);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--child") == 0) return Figlio(argc, argv);

    QCoreApplication app(argc, argv);
    const int giri = argc >= 2 ? qMax(1, atoi(argv[1])) : 9;
    const QString programma = QCoreApplication::applicationFilePath();
    const QString riferimento = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_avvio_riferimento");
    QList<Misura> wb, pari, testo;
    for (int i = 0; i < giri; ++i) {
        Misura a, b, c;
        if (!Esegui(programma, {QStringLiteral("--child")}, a) || !Esegui(riferimento, {}, b) ||
            !Esegui(riferimento, {QStringLiteral("text")}, c)) {
            std::fprintf(stderr, "a child run failed\n");
            return 1;
        }
        wb << a;
        pari << b;
        testo << c;
    }
    auto ms = [](const Misura& m) { return m.ms; };
    auto interno = [](const Misura& m) { return m.internoMs; };
    auto kib = [](const Misura& m) { return double(m.kib); };
    const double t1 = Mediana(wb, ms), t0 = Mediana(pari, ms);
    const double i1 = Mediana(wb, interno), i0 = Mediana(pari, interno);
    const double m1 = Mediana(wb, kib), m0 = Mediana(pari, kib);
    // Under "offscreen" the bare window never draws text and so never sets
    // up fonts, which any window with a caption or menu pays for; on a
    // display server both pay it when the platform starts.
    const QString piattaforma = qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                                    ? qEnvironmentVariable("QT_QPA_PLATFORM")
                                    : (qEnvironmentVariableIsSet("DISPLAY") ? QStringLiteral("xcb")
                                                                             : QStringLiteral("offscreen"));
    std::printf("start-up to main window shown, median of %d runs each (platform %s)\n", giri,
                qPrintable(piattaforma));
    std::printf("%-34s %10s %10s %8s\n", "", "workbench", "bare Qt", "ratio");
    std::printf("%-34s %8.1fms %8.1fms %7.2fx\n", "process start to window shown", t1, t0, t1 / t0);
    std::printf("%-34s %8.1fms %8.1fms %7.2fx\n", "  of which QApplication to shown", i1, i0, i1 / i0);
    std::printf("%-34s %7.0fKiB %7.0fKiB %7.2fx\n", "peak memory (VmHWM)", m1, m0, m1 / m0);
    const bool ok = t1 / t0 <= 1.5 && m1 / m0 <= 1.5;
    std::printf("goal within 1.5x of the bare window: %s\n", ok ? "met" : "NOT met");
    const double t2 = Mediana(testo, ms), m2 = Mediana(testo, kib);
    std::printf("for reference, bare window with one menu (first text drawn): %.1fms, %.0fKiB; "
                "workbench ratio %.2fx time, %.2fx memory\n",
                t2, m2, t1 / t2, m1 / m2);
    return 0;
}
