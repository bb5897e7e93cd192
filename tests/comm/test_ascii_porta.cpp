// The ASCII transaction on a pseudo-terminal against a fake ASCII slave:
// wire frames, the byte-count doubling, and every bad reply.
#include "comm/AreaComunicazione.h"
#include "comm/Ascii.h"
#include "comm/Comunica.h"
#include "comm/Dispositivo.h"
#include "comm/frm_dialoga.h"
#include "Aiuti.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"
#include "support/FakeAscii.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using Test::Richiesta;

class TestAsciiPorta : public QObject {
    Q_OBJECT
    Test::FakeAscii* fake = nullptr;
    Test::Copione copione;

private slots:
    void initTestCase() { Test::AvviaWorkbench(); }
    void init()
    {
        fake = new Test::FakeAscii;
        QVERIFY(fake->Avvia(3));
        QVERIFY(ApriASCII(3, QStringLiteral("9600,n,8,1")));
        QCOMPARE(Canale, int16_t(0));
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

    void letturaRiuscita()
    {
        Richiesta(QByteArray::fromHex("0A0300000001"));
        QCOMPARE(int(Comunica(true)), 0);
        QCOMPARE(fake->Trame, QList<QByteArray>{":0A0300000001F2\r\n"});
        QCOMPARE(n_tx, int16_t(9));
        QCOMPARE(int(buff_tx[6]), 0xF2);
        QCOMPARE(int(buff_tx[7]), 13);
        QCOMPARE(int(buff_tx[8]), 10);
        QCOMPARE(Test::Risposta().toHex(' '), QByteArray("0a 03 02 00 00 f1"));
        QCOMPARE(ComErr, int16_t(0));
        QCOMPARE(LunghezzaRisposta(), 5);
        QVERIFY(copione.Messaggi().isEmpty());
    }

    void conteggioRaddoppiato_data()
    {
        QTest::addColumn<QByteArray>("richiesta");
        QTest::addColumn<QByteArray>("messaggio");
        QTest::newRow("fc16 doubled") << QByteArray::fromHex("011000000002040001000 2")
                                      << QByteArray::fromHex("0110000000020800010002");
        QTest::newRow("fc15 kept") << QByteArray::fromHex("010F0000001002FFFF")
                                   << QByteArray::fromHex("010F0000001002FFFF");
        QTest::newRow("six bytes untouched") << QByteArray::fromHex("010600010005")
                                             << QByteArray::fromHex("010600010005");
    }
    void conteggioRaddoppiato()
    {
        QFETCH(QByteArray, richiesta);
        QFETCH(QByteArray, messaggio);
        Richiesta(richiesta);
        QCOMPARE(int(Comunica(true)), 0);
        QCOMPARE(fake->Trame.size(), 1);
        QCOMPARE(Test::FakeAscii::Messaggio(fake->Trame[0]).toHex(' '), messaggio.toHex(' '));
        QCOMPARE(n_tx, int16_t(richiesta.size() + 3));
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
        QTest::newRow("garbage") << QByteArray("\x01\xff\r\n", 4) << 1 << QStringList{"Risposta Errata (lrc)"};
        QTest::newRow("other unit") << QByteArray(":0B0302007B75\r\n") << 2
                                    << QStringList{"Risposta Errata (indirizzo)"};
        QTest::newRow("exception") << QByteArray(":0A830271\r\n") << 2 << QStringList{"Risposta Errata (funzione)"};
        QTest::newRow("too long") << QByteArray(":") + QByteArray(2100, 'A') + "\r\n" << 1
                                  << QStringList{"Risposta Errata (lrc)"};
    }
    void risposteErrate()
    {
        QFETCH(QByteArray, risposta);
        QFETCH(int, esito);
        QFETCH(QStringList, messaggi);
        fake->Risposta = [risposta](const QByteArray&) { return risposta; };
        Richiesta(QByteArray::fromHex("0A0300000001"));
        // The interface stays alive while the reply is awaited.
        int giri = 0;
        QTimer battito;
        connect(&battito, &QTimer::timeout, [&] { ++giri; });
        battito.start(20);
        QElapsedTimer t;
        t.start();
        QCOMPARE(int(Comunica(true)), esito);
        QCOMPARE(copione.Messaggi(), messaggi);
        QCOMPARE(ComErr, int16_t(1));
        QVERIFY(t.elapsed() < 3000);
        if (risposta.isEmpty() || !risposta.endsWith('\n')) {
            QVERIFY(t.elapsed() >= 900);   // the time-out, not earlier
            QVERIFY(giri >= 10);
        }
    }

    // Wrong unit/function boxes only when asked; the frame checks always.
    void senzaMessaggi()
    {
        fake->Risposta = [](const QByteArray&) { return QByteArray(":0B0302007B75\r\n"); };
        Richiesta(QByteArray::fromHex("0A0300000001"));
        QCOMPARE(int(Comunica(false)), 2);
        QVERIFY(copione.Messaggi().isEmpty());
    }

    void senzaAttesa()
    {
        AttendiRisposta = false;
        fake->Risposta = [](const QByteArray&) { return QByteArray(); };
        Richiesta(QByteArray::fromHex("0A0300000001"));
        QElapsedTimer t;
        t.start();
        QCOMPARE(int(Comunica(true)), 0);
        QVERIFY(t.elapsed() < 500);
        QTRY_COMPARE(fake->Trame.size(), 1);
        AttendiRisposta = true;
    }

    void portaChiusa()
    {
        ChiudiASCII();
        Controllore.Connesso = true;
        Richiesta(QByteArray::fromHex("0A0300000001"));
        QCOMPARE(int(Comunica(false)), 1);
        QCOMPARE(ComErr, int16_t(1));
        QVERIFY(copione.Messaggi().isEmpty());
    }

    // The echo of this framing keeps the start character and the LRC pair.
    void eco()
    {
        auto* t = Finestre::Get<frm_dialoga>();
        t->txt_buff_rx->setText("old");
        Richiesta(QByteArray::fromHex("0A0300000001"));
        EcoTerminale = true;
        QCOMPARE(int(Comunica(false)), 0);
        EcoTerminale = false;
        QCOMPARE(t->txt_buff_rx->text(), QStringLiteral(": 0A 03 02 00 00 F1 "));
    }
};

QTEST_MAIN(TestAsciiPorta)
#include "test_ascii_porta.moc"
