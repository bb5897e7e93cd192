#pragma once
// Helpers shared by the link's tests and its window tests. Each Aiuti.h
// says where the Log is read and what the set-up starts.
#include "comm/AreaComunicazione.h"
#include "support/Copione.h"
#include "support/FakeController.h"

#include <QByteArray>
#include <QStringList>
#include <QTest>

namespace Test {

inline QByteArray Hex(const char* s) { return QByteArray::fromHex(s); }

inline void Richiesta(const QByteArray& pdu)
{
    std::copy(pdu.begin(), pdu.end(), buff_tx.begin());
    n_tx = int16_t(pdu.size());
}

inline QByteArray Risposta() { return QByteArray(reinterpret_cast<const char*>(buff_rx.data()), n_rx); }

// The lines with the separators left out.
inline QStringList Testi(const QStringList& righe)
{
    QStringList out;
    for (const QString& r : righe)
        if (!r.startsWith(QLatin1String("--"))) out << r;
    return out;
}

// A data row named for its transport ("tcp ..." / "rtu ...").
inline QTestData& RigaTrasporto(bool rtu, const char* nome)
{
    return QTest::newRow((QByteArray(rtu ? "rtu " : "tcp ") + nome).constData());
}

inline void PreparaAmbiente();

// One fake controller on loopback TCP and COM<com>, a fresh prompt script
// and a fresh link for every case.
struct ProvaFake {
    FakeController fake;
    Copione copione;

    void Avvia(int com)
    {
        qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
        PreparaAmbiente();
        QVERIFY(fake.AvviaTcp());
        QVERIFY(fake.AvviaRtu(com));
    }
    void NuovoCopione()
    {
        copione = Copione();
        copione.Installa();
    }
    void Prepara(bool rtu, int com)
    {
        QVERIFY(CollegaAlFake(fake, rtu, com));
        NuovoCopione();
    }
    static void ColonnaTrasporto()
    {
        QTest::addColumn<bool>("rtu");
        QTest::newRow("tcp") << false;
        QTest::newRow("rtu") << true;
    }
};

} // namespace Test
