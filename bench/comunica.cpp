// Round trips per second of Comunica over loopback Modbus TCP against the
// fake controller, next to a minimal plain-socket client doing the same
// request and reply in the same run. Prints the ratio (goal: 0.8 or more).
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "comm/Rete.h"
#include "shell/convert/Attesa.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <cstdio>

namespace {
constexpr int kGiri = 3000;
const QByteArray kRichiesta = QByteArray::fromHex("0a0400000004");

double ConComunica()
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kGiri; ++i) {
        std::copy(kRichiesta.begin(), kRichiesta.end(), buff_tx.begin());
        n_tx = int16_t(kRichiesta.size());
        if (Comunica(false) != 0) return -1;
    }
    return kGiri * 1000.0 / qMax<qint64>(1, t.elapsed());
}

double ConSocket(quint16 porta)
{
    QTcpSocket s;
    if (!ConnettiSocket(s, QStringLiteral("127.0.0.1"), porta)) return -1;
    if (!AttendiFinche([&] { return s.state() == QAbstractSocket::ConnectedState; }, 2000)) return -1;
    QByteArray trama(6, '\0');
    trama[5] = char(kRichiesta.size());
    trama += kRichiesta;
    QByteArray in;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kGiri; ++i) {
        s.write(trama);
        s.flush();
        in.clear();
        const bool ok = AttendiFinche([&] {
            in += s.readAll();
            return in.size() >= 6 && in.size() >= 6 + ((uint8_t(in[4]) << 8) | uint8_t(in[5]));
        }, 1000);
        if (!ok) return -1;
    }
    return kGiri * 1000.0 / qMax<qint64>(1, t.elapsed());
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
    QApplication app(argc, argv);
    Test::AvviaWorkbench();
    Test::FakeController fake;
    if (!fake.AvviaTcp() || !Test::CollegaAlFake(fake, false)) {
        std::fprintf(stderr, "cannot reach the fake controller\n");
        return 1;
    }
    Controllore.TimeoutTCP = 1000;
    // Alternate the two so neither profits from a warmer machine.
    double comunica = 0, socket = 0;
    for (int passo = 0; passo < 2; ++passo) {
        socket += ConSocket(fake.porta());
        comunica += ConComunica();
    }
    if (comunica <= 0 || socket <= 0) {
        std::fprintf(stderr, "a round trip failed\n");
        return 1;
    }
    std::printf("Comunica over TCP:  %.0f round trips/s\n", comunica / 2);
    std::printf("plain socket:       %.0f round trips/s\n", socket / 2);
    std::printf("ratio:              %.2fx (goal >= 0.8x)\n", comunica / socket);
    return 0;
}
