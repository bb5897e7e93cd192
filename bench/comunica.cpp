// Modbus TCP transactions per second of the link (Comunica) against the
// fake controller, next to a plain blocking POSIX socket client doing the
// same requests. The fake serves both from a thread of its own, so neither
// side pays for its work; the program runs on the link alone (no windows).
// After a warm-up the two alternate round by round and the median round of
// each is compared, for one-register reads, 32-register reads and single
// writes (goal: the link at 0.8x of the plain client or better).
//
//   bench_comunica [rounds] [transactions per round]   (default 7, 4000)
#include "bench/FilaFake.h"
#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "support/FakeController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A plain blocking client: one write, reads until the announced length.
class ClienteSemplice {
public:
    explicit ClienteSemplice(quint16 porta)
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(porta);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~ClienteSemplice()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    bool Transazione(const QByteArray& pdu)
    {
        QByteArray trama(6, '\0');
        trama[4] = char(pdu.size() >> 8);
        trama[5] = char(pdu.size() & 0xFF);
        trama += pdu;
        if (::write(m_fd, trama.constData(), size_t(trama.size())) != trama.size()) return false;
        int letti = 0, attesi = 6;
        while (letti < attesi) {
            const ssize_t n = ::read(m_fd, m_in + letti, sizeof m_in - size_t(letti));
            if (n <= 0) return false;
            letti += int(n);
            if (letti >= 6) attesi = 6 + ((uint8_t(m_in[4]) << 8) | uint8_t(m_in[5]));
        }
        return letti == attesi;
    }
    bool Ok() const { return m_fd >= 0; }

private:
    int m_fd = -1;
    char m_in[512];
};

bool ConComunica(const QByteArray& pdu)
{
    std::copy(pdu.begin(), pdu.end(), buff_tx.begin());
    n_tx = int16_t(pdu.size());
    return Comunica(false) == ComOk;
}

// Transactions per second of n calls of f; -1 when one failed.
template <class F> double Giro(int n, F f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < n; ++i)
        if (!f()) return -1;
    return n * 1e9 / double(qMax<qint64>(1, t.nsecsElapsed()));
}

double Mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
    QCoreApplication app(argc, argv);
    const int giri = argc >= 2 ? qMax(1, atoi(argv[1])) : 7;
    const int n = argc >= 3 ? qMax(1, atoi(argv[2])) : 4000;

    FilaFake fila;
    fila.start();
    while (fila.porta < 0) QThread::msleep(1);
    if (fila.porta == 0) {
        std::fprintf(stderr, "the fake controller did not start\n");
        return 1;
    }
    const quint16 porta = quint16(int(fila.porta));
    Controllore.TipoConnessione = CollegamentoEthernet;
    Controllore.IndirizzoIP = QStringLiteral("127.0.0.1");
    Controllore.Porta = int16_t(porta);
    Controllore.Nodo = 10;
    Controllore.TimeoutTCP = 1000;
    Connetti();
    ClienteSemplice semplice(porta);
    if (!Controllore.Connesso || !semplice.Ok()) {
        std::fprintf(stderr, "cannot reach the fake controller\n");
        return 1;
    }

    struct Caso {
        const char* nome;
        QByteArray pdu;
    };
    const Caso casi[] = {
        {"read 1 register", QByteArray::fromHex("0a0400000001")},
        {"read 32 registers", QByteArray::fromHex("0a0400000020")},
        {"write 1 register", QByteArray::fromHex("0a0600070123")},
    };
    std::printf("transactions/s over loopback TCP, median of %d rounds of %d (fake in its own thread)\n", giri, n);
    std::printf("%-20s %12s %12s %8s\n", "", "link", "plain", "ratio");
    bool tutti = true;
    for (const Caso& c : casi) {
        const auto link = [&] { return ConComunica(c.pdu); };
        const auto plain = [&] { return semplice.Transazione(c.pdu); };
        // Warm-up: connections, caches and the fake's first allocations.
        if (Giro(n / 4, link) < 0 || Giro(n / 4, plain) < 0) {
            std::fprintf(stderr, "%s: a transaction failed\n", c.nome);
            return 1;
        }
        QList<double> l, p;
        for (int g = 0; g < giri; ++g) {
            // Alternate which goes first so neither always meets a warmer machine.
            if (g % 2) {
                l << Giro(n, link);
                p << Giro(n, plain);
            } else {
                p << Giro(n, plain);
                l << Giro(n, link);
            }
        }
        if (std::min_element(l.begin(), l.end())[0] < 0 || std::min_element(p.begin(), p.end())[0] < 0) {
            std::fprintf(stderr, "%s: a transaction failed\n", c.nome);
            return 1;
        }
        const double ml = Mediana(l), mp = Mediana(p);
        tutti = tutti && ml / mp >= 0.8;
        std::printf("%-20s %12.0f %12.0f %7.2fx\n", c.nome, ml, mp, ml / mp);
    }
    std::printf("goal 0.8x of the plain client for each: %s\n", tutti ? "met" : "NOT met");
    fila.quit();
    fila.wait();
    return 0;
}
