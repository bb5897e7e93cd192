// The ASCII transaction on a pseudo-terminal against a fake ASCII slave:
// wire frames, the byte-count doubling, and every bad reply.
#include "Aiuti.h"
#include "comm/AreaComunicazione.h"
#include "comm/Ascii.h"
#include "comm/Comunica.h"
#include "comm/Dispositivo.h"
#include "support/FakeAscii.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

using Test::Richiesta;

class TestAsciiPorta : public QObject {
    Q_OBJECT
    Test::FakeAscii* fake = nullptr;
    Test::Copione copione;

private slots:
    void initTestCase() { Test::Registro(); }
    void init()
    {
        fake = new Test::FakeAscii;
        QVERIFY(fake->Avvia(3));
        QVERIFY(ApriASCII(3, QStringLiteral("9600,n,8,1")));
        QCOMPARE(int(Canale), 0);
        QVERIFY(Controllore.Connesso);
        AttendiRisposta = true;
        ComTimeout = 1;
        ComErr = 0;
        copione = Test::Copione();
        copione.Installa();
    }
    void cleanup()
    {
        ChiudiASCII();
        QVERIFY(!Controllore.Connesso);
        delete fake;
    }

    // The wire frame, the byte count doubled except for function 15, n_tx
    // grown by 3 with LRC CR LF behind the request, the reply decoded.
    void riuscita_data()
    {
        QTest::addColumn<QByteArray>("richiesta");
        QTest::addColumn<QByteArray>("trama");
        QTest::addColumn<QByteArray>("risposta");
        QTest::newRow("fc3") << QByteArray::fromHex("0A0300000001") << QByteArray(":0A0300000001F2\r\n")
                             << QByteArray::fromHex("0A03020000F1");
        QTest::newRow("fc16 doubled") << QByteArray::fromHex("0110000000020400010002")
                                      << QByteArray(":0110000000020800010002E2\r\n") << QByteArray::fromHex("011000000002ED");
        QTest::newRow("fc15 kept") << QByteArray::fromHex("010F0000001002FFFF")
                                   << QByteArray(":010F0000001002FFFFE0\r\n") << QByteArray::fromHex("010F00000010E0");
    }
    void riuscita()
    {
        QFETCH(QByteArray, richiesta);
        QFETCH(QByteArray, trama);
        QFETCH(QByteArray, risposta);
        Richiesta(richiesta);
        QCOMPARE(int(Comunica(true)), 0);
        QCOMPARE(fake->Trame, QList<QByteArray>{trama});
        QCOMPARE(n_tx, int16_t(richiesta.size() + 3));
        QCOMPARE(int(buff_tx[n_tx - 2]), 13);
        QCOMPARE(int(buff_tx[n_tx - 1]), 10);
        QCOMPARE(Test::Risposta().toHex(' '), risposta.toHex(' '));
        QCOMPARE(LunghezzaRisposta(), risposta.size() - 1);
        QCOMPARE(ComErr, int16_t(0));
        QVERIFY(copione.Messaggi().isEmpty());
    }

    void conteggioTroppoGrande()
    {
        Richiesta(QByteArray::fromHex("01100000004080") + QByteArray(128, 0));
        QCOMPARE(int(Comunica(true)), 1);
        QVERIFY(fake->Trame.isEmpty());
        QCOMPARE(ComErr, int16_t(1));
        QCOMPARE(copione.richieste.size(), 1);
        QCOMPARE(copione.richieste[0].titolo, QStringLiteral("MOD-RTU"));
    }

    void risposteErrate_data()
    {
        QTest::addColumn<QByteArray>("risposta");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QStringList>("messaggi");
        QTest::newRow("no reply") << QByteArray() << 1 << QStringList{"TimeOut"};
        QTest::newRow("no LF") << QByteArray(":0A0302007B76\r") << 1
                               << QStringList{"Risposta Errata (CR)", "Risposta Errata (LF)"};
        QTest::newRow("bad lrc") << QByteArray(":0A0302007B77\r\n") << 1 << QStringList{"Risposta Errata (lrc)"};
        QTest::newRow("non-hex") << QByteArray(":0A03020Z7B76\r\n") << 1 << QStringList{"Risposta Errata (lrc)"};
        QTest::newRow("other unit") << QByteArray(":0B0302007B75\r\n") << 2
                                    << QStringList{"Risposta Errata (indirizzo)"};
        QTest::newRow("exception") << QByteArray(":0A830271\r\n") << 2 << QStringList{"Risposta Errata (funzione)"};
        // One message byte: its LRC must not pass for the function code.
        QTest::newRow("unit only") << QByteArray(":0AF6\r\n") << 1
                                   << QStringList{"Reply without unit address and function"};
        QTest::newRow("too long") << QByteArray(":") + QByteArray(2100, 'A') + "\r\n" << 1
                                  << QStringList{"Risposta Errata (lrc)"};
    }
    void risposteErrate()
    {
        QFETCH(QByteArray, risposta);
        fake->Risposta = [risposta](const QByteArray&) { return risposta; };
        Richiesta(QByteArray::fromHex("0A0300000001"));
        // The interface stays alive while the reply is awaited.
        int giri = 0;
        QTimer battito;
        connect(&battito, &QTimer::timeout, [&] { ++giri; });
        battito.start(20);
        QElapsedTimer t;
        t.start();
        QTEST(int(Comunica(true)), "esito");
        QTEST(copione.Messaggi(), "messaggi");
        QCOMPARE(ComErr, int16_t(1));
        QVERIFY(n_rx <= int(buff_rx.size()));
        QVERIFY(t.elapsed() < 3000);
        if (risposta.isEmpty() || !risposta.endsWith('\n')) {
            QVERIFY(t.elapsed() >= 900);   // the time-out, not earlier
            QVERIFY(giri >= 10);
        }
    }
};

QTEST_MAIN(TestAsciiPorta)
#include "test_ascii_porta.moc"
