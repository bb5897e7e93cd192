// The R8T200 reader without its window, against a fake device on loopback
// TCP: the four requests, both entry widths, a failed block, the address
// check, and how the repetition ends.
#include "comm/AreaComunicazione.h"
#include "production/r8t200/LetturaR8T200.h"
#include "support/AiutiProduzione.h"
#include "support/Copione.h"
#include "support/FakeController.h"

#include <QtTest>

using Test::FakeController;
using R = FakeController::Risposta;

namespace {
struct ListeFinte : ListeR8T200 {
    QString indirizzo = QStringLiteral("5");
    QStringList liste[4];
    QList<bool> update;
    QString Indirizzo() const override { return indirizzo; }
    void ImpostaRiga(int lista, int riga, const QString& testo) override
    {
        QStringList& l = liste[lista];
        riga < l.size() ? void(l[riga] = testo) : void(l << testo);
    }
    void AbilitaUpdate(bool si) override { update << si; }
};

QByteArray Hex(const char* s) { return QByteArray::fromHex(s); }
} // namespace

class TestR8T200 : public QObject {
    Q_OBJECT
    FakeController fake;
    Test::Copione copione;

private slots:
    void initTestCase() { QVERIFY(fake.AvviaTcp()); }
    void init()
    {
        copione = Test::Copione();
        copione.Installa();
        QVERIFY(Test::CollegaAlFake(fake, false));
        std::fill(fake.Holding.begin(), fake.Holding.end(), 0);
    }

    void lettura()
    {
        fake.Holding[0xC552] = 0xFFFF, fake.Holding[0xC553] = 0xFFFE;   // entry 0: -2
        fake.Holding[0xC554] = 0x0001;                                 // entry 1: 65536
        fake.Holding[0xC95B] = 0x8000, fake.Holding[0xC95C] = 0x7FFF;
        fake.Holding[0xCA36 + 35] = 0xFFFF;
        ListeFinte l;
        LetturaR8T200 r(l);
        QVERIFY(r.cmd_read_Click());
        QCOMPARE(fake.Richieste, (QList<QByteArray>{Hex("0503c5520020"), Hex("0503c95b0030"), Hex("0503c9d80024"),
                                                      Hex("0503ca360024")}));
        QCOMPARE((QList<qsizetype>{l.liste[0].size(), l.liste[1].size(), l.liste[2].size(), l.liste[3].size()}),
                 (QList<qsizetype>{16, 48, 36, 36}));
        QCOMPARE(l.liste[0].mid(0, 3), (QStringList{"C552\t-2", "C553\t65536", "C554\t0"}));
        QCOMPARE(l.liste[0].last(), QStringLiteral("C561\t0"));
        QCOMPARE(l.liste[1].mid(0, 2), (QStringList{"C95B\t-32768", "C95C\t32767"}));
        QCOMPARE(l.liste[2].first(), QStringLiteral("C9D8\t0"));
        QCOMPARE(l.liste[3].last(), QStringLiteral("CA59\t-1"));
        // A second reading replaces the lines in place.
        fake.Holding[0xC95B] = 7;
        QVERIFY(r.cmd_read_Click());
        QCOMPARE(l.liste[1].size(), 48);
        QCOMPARE(l.liste[1].first(), QStringLiteral("C95B\t7"));
    }

    // A failed block ends the reading there: its list and the following
    // ones keep their lines, and ComErr ends a repetition.
    void blocco_fallito_data()
    {
        QTest::addColumn<int>("blocco");
        QTest::addColumn<bool>("corta");
        QTest::newRow("no reply at 3") << 2 << false;
        QTest::newRow("short reply at 3") << 2 << true;
    }
    void blocco_fallito()
    {
        QFETCH(int, blocco);
        for (int k = 0; k < blocco; ++k) fake.Accoda(R::Predefinita());
        fake.Accoda(DATO(bool, corta) ? R::Pdu(Hex("0503020001")) : R::Nessuna());
        ListeFinte l;
        for (QStringList& s : l.liste) s = QStringList{"old"};
        ComErr = 0;
        LetturaR8T200 r(l);
        QVERIFY(!r.cmd_read_Click());
        QCOMPARE(fake.Richieste.size(), blocco + 1);
        QCOMPARE(ComErr, int16_t(1));
        for (int k = 0; k < 4; ++k) QCOMPARE(l.liste[k].first() == QLatin1String("old"), k >= blocco);
    }

    // The address: a whole number 0..255, read for every block.
    void indirizzo()
    {
        ListeFinte l;
        LetturaR8T200 r(l);
        for (const char* t : {"256", "x", "-1"}) {
            l.indirizzo = QString::fromLatin1(t);
            QVERIFY(!r.cmd_read_Click());
        }
        QVERIFY(fake.Richieste.isEmpty());
        QCOMPARE(copione.Messaggi().size(), 3);
        l.indirizzo = QStringLiteral(" 255 ");
        QVERIFY(r.cmd_read_Click());
        QCOMPARE(fake.Richieste.first().left(1), Hex("ff"));
    }

    // The repetition: Stop lets the reading finish its blocks; a failure
    // ends it; Start while it runs does nothing.
    void ripetizione_data()
    {
        QTest::addColumn<int>("stopDopo");     // requests before Stop, 0 none
        QTest::addColumn<int>("fallisce");     // request that gets no reply, 0 none
        QTest::addColumn<int>("richieste");
        QTest::newRow("stop mid-reading") << 6 << 0 << 8;
        QTest::newRow("failure at block 3") << 0 << 7 << 7;
    }
    void ripetizione()
    {
        QFETCH(int, stopDopo);
        QFETCH(int, fallisce);
        for (int k = 1; k < fallisce; ++k) fake.Accoda(R::Predefinita());
        if (fallisce) fake.Accoda(R::Nessuna());
        ListeFinte l;
        LetturaR8T200 r(l);
        int contate = 0;
        auto c = connect(&fake, &FakeController::RichiestaRicevuta, this, [&] {
            ++contate;
            if (contate == 2) r.cmd_start_Click();   // nested Start: ignored
            if (contate == stopDopo) r.cmd_stop_Click();
            if (contate > 20) r.cmd_stop_Click();
        });
        r.cmd_start_Click();
        disconnect(c);
        QCOMPARE(fake.Richieste.size(), DATO(int, richieste));
        QVERIFY(!r.InCorso());
        QCOMPARE(l.update.first(), false);
        QCOMPARE(l.update.last(), true);
        QCOMPARE(l.update.count(false), 1);
    }
};

QTEST_GUILESS_MAIN(TestR8T200)
#include "test_r8t200.moc"
