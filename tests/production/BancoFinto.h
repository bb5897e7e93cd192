#pragma once
// The QVR8566 bench on loopback: the simulator serving units 1, 10, 246 and
// 247 at 127.0.0.2 as the bench address, the relay line as COM3 and the
// multimeter as COM5 of one folder, and an operator who confirms every
// prompt and sets the "calibrator" so that the module reads modulo(value).
#include "comm/Dispositivo.h"
#include "production/Banco8566.h"
#include "shell/Prompt.h"
#include "support/FakeController.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace Test {

struct BancoFinto {
    FakeController fake;
    CoppiaPty rele, mult;
    QTemporaryDir com;
    QStringList messaggi;
    int registro = 26;                      // the module's input register read
    std::function<int(double)> modulo;      // raw reading for a calibrator value

    bool Avvia()
    {
        if (!fake.AvviaTcp(QHostAddress(QStringLiteral("127.0.0.2"))) || !rele.Apri() || !mult.Apri()) return false;
        for (int u : {1, 10, 246, 247}) fake.Unita(u);
        if (!QFile::link(rele.NomeSlave(), com.filePath(QStringLiteral("COM3"))) ||
            !QFile::link(mult.NomeSlave(), com.filePath(QStringLiteral("COM5"))))
            return false;
        qputenv("WORKBENCH_COM_DIR", com.path().toLocal8Bit());
        qputenv("WORKBENCH_BANCO8566_HOST", "127.0.0.2");
        qputenv("WORKBENCH_BANCO8566_MULT", "5");
        Controllore.Porta = int16_t(fake.porta());
        Controllore.TimeoutTCP = 300;
        Rispondi();
        return true;
    }
    void Rispondi()
    {
        Prompt::ImpostaRisponditore([this](const Prompt::Richiesta& r) {
            messaggi << r.testo;
            if (modulo && r.testo.startsWith(QLatin1String("Set Cal : ")))
                fake.Unita(1).Input[size_t(registro)] = uint16_t(modulo(r.testo.mid(10).toDouble()));
            return Prompt::Risposta_{};
        });
    }
    // Everything the line's device got since the last call.
    static QByteArray Ricevuti(CoppiaPty& p)
    {
        QTest::qWait(50);
        QByteArray out;
        char b[4096];
        for (ssize_t n; (n = ::read(p.Master(), b, sizeof b)) > 0;) out.append(b, int(n));
        return out;
    }
    void Azzera()
    {
        fake.Richieste.clear();
        fake.SvuotaCopione();
        Ricevuti(rele);
        Ricevuti(mult);
        messaggi.clear();
    }
};

template <class... T> QByteArray A(const char* f, T... v) { return QString::asprintf(f, v...).toLatin1(); }

// The requests on the wire (unit address on): a register write, an input
// register read, a function-20 memory write.
inline QByteArray W(int u, int reg, int v) { return QByteArray::fromHex(A("%02x06%04x%04x", u, reg, v)); }
inline QByteArray R(int u, int reg) { return QByteArray::fromHex(A("%02x04%04x0001", u, reg)); }
inline QByteArray M(int u, int addr, const QByteArray& b)
{
    return QByteArray::fromHex(A("%02x140400%04x%02x", u, addr, int(b.size()))) + b;
}
inline QByteArray K(double v)
{
    const auto b = ByteCalibrazione(v);
    return QByteArray(reinterpret_cast<const char*>(b.data()), int(b.size()));
}
// The relay lines of a row: every channel opened, then the closures.
inline QByteArray LineeRele(const QList<std::pair<int, int>>& chiusure)
{
    QByteArray out;
    for (int c = 1; c <= 17; ++c)
        for (int s : {1, 2}) out += A("rout:open (@%d%02d)\r\n", s, c);
    for (auto [s, c] : chiusure) out += A("rout:close (@%d%02d)\r\n", s, c);
    return out;
}

}  // namespace Test
