#pragma once
// Small helpers of the communication tests.
#include "comm/AreaComunicazione.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QByteArray>
#include <QListWidget>
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

inline int RigheLog() { return Finestre::Get<Log>()->Testo()->count(); }

// The Log lines added since `da` (a RigheLog() value taken before), trimmed.
inline QStringList LogDa(int da)
{
    QStringList out;
    QListWidget* l = Finestre::Get<Log>()->Testo();
    for (int i = da; i < l->count(); ++i) out << l->item(i)->text().trimmed();
    return out;
}

// The lines with the separators left out.
inline QStringList Testi(const QStringList& righe)
{
    QStringList out;
    for (const QString& r : righe)
        if (!r.startsWith(QLatin1String("-- "))) out << r;
    return out;
}

// A data row named for its transport ("tcp ..." / "rtu ...").
inline QTestData& RigaTrasporto(bool rtu, const char* nome)
{
    return QTest::newRow((QByteArray(rtu ? "rtu " : "tcp ") + nome).constData());
}

// One fake controller on loopback TCP and COM<com>, a fresh prompt script
// and a fresh link for every case.
struct ProvaFake {
    FakeController fake;
    Copione copione;

    void Avvia(int com)
    {
        qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
        AvviaWorkbench();
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
