// The relay multiplexer's commands on its line, and the line's receive side.
#include "production/Collaudo.h"
#include "production/LineaStrumento.h"
#include "support/Pty.h"

#include <QtTest>
#include <unistd.h>

namespace {
QByteArray LeggiMaster(int fd, int attesi)
{
    QByteArray letti;
    QElapsedTimer t;
    t.start();
    while (letti.size() < attesi && t.elapsed() < 2000) {
        char b[256];
        const ssize_t n = ::read(fd, b, sizeof b);
        if (n > 0)
            letti.append(b, int(n));
        else
            QTest::qWait(5);
    }
    return letti;
}
}  // namespace

class TestStrumenti : public QObject {
    Q_OBJECT
    Test::CoppiaPty m_pty;
private slots:
    void initTestCase()
    {
        QVERIFY(m_pty.Apri());
        QVERIFY(m_pty.CollegaCome(3));
    }
    void rele()
    {
        LineaStrumento& linea = Seriale_switch();
        Collaudo::ComandaRele(1, 5, true);  // closed line: nothing at all
        QVERIFY(!linea.Apri(4, QStringLiteral("9600,n,8,1")));
        QVERIFY(linea.Apri(3, QStringLiteral("9600,n,8,1")));
        Collaudo::ComandaRele(2, 7, false);
        Collaudo::ComandaRele(1, 12, true);
        QCOMPARE(LeggiMaster(m_pty.Master(), 38), QByteArray("rout:open (@207)\r\nrout:close (@112)\r\n"));
    }
    void ricezione()
    {
        LineaStrumento& linea = Seriale_switch();
        QVERIFY(linea.Aperta());
        QCOMPARE(::write(m_pty.Master(), "+4.1E-03\r\n", 10), 10);
        QTRY_COMPARE(linea.Disponibili(), 10);
        QCOMPARE(linea.Leggi(), QByteArray("+4.1E-03\r\n"));
        QCOMPARE(linea.Disponibili(), 0);
        linea.Chiudi();
        QVERIFY(!linea.Invia("x"));
    }
};

QTEST_MAIN(TestStrumenti)
#include "test_strumenti.moc"
