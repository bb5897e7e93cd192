// Discovery datagrams, their decoding and the module-level search.
#include "base/Testi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Checksum.h"
#include "comm/Scoperta.h"
#include "support/FakeUdp.h"

#include <QtTest>

using Test::RispostaControlloreFinta;

class TestScoperta : public QObject {
    Q_OBJECT
private slots:
    // The brand tables are not loaded without the workbench: a name of our own.
    void initTestCase() { NomiModello[24] = QStringLiteral("GW-TEST"); }

    void crc8_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("crc");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("check value") << QByteArray("123456789") << 0xA1;
        QTest::newRow("one byte") << QByteArray("\x01", 1) << 0x5E;
    }
    void crc8()
    {
        QFETCH(QByteArray, testo);
        QTEST(int(CalcolaCRC8(testo)), "crc");
    }

    // 1-4 pieces of 0-255, a missing piece is 0; a refusal leaves the target.
    void indirizzoIP_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("ottetti");   // empty: refused
        QTest::newRow("full") << "10.0.0.5" << QByteArray("\x0A\x00\x00\x05", 4);
        QTest::newRow("three pieces") << "192.168.1" << QByteArray("\xC0\xA8\x01\x00", 4);
        QTest::newRow("one piece") << "7" << QByteArray("\x07\x00\x00\x00", 4);
        QTest::newRow("255") << "255.255.255.255" << QByteArray("\xFF\xFF\xFF\xFF", 4);
        for (const char* t : {"10.0.0.256", "1.2.3.4.5", "10.a.0.1", "10..0.1", "10.-1.0.1", " "})
            QTest::newRow(t) << t << QByteArray();
    }
    void indirizzoIP()
    {
        QFETCH(QString, testo);
        QFETCH(QByteArray, ottetti);
        std::array<uint8_t, 4> ip{9, 9, 9, 9};
        QCOMPARE(LeggiIndirizzoIP(testo, ip), !ottetti.isEmpty());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(ip.data()), 4), ottetti.isEmpty() ? QByteArray(4, 9) : ottetti);
    }

    // Init is on for the value 1 only; nothing of the entry's past survives.
    void decodificaControllore_data()
    {
        QTest::addColumn<int>("init");
        QTest::addColumn<bool>("attivo");
        QTest::newRow("value 1") << 1 << true;
        QTest::newRow("character 1") << 0x31 << false;
        QTest::newRow("0") << 0 << false;
    }
    void decodificaControllore()
    {
        QFETCH(int, init);
        const RispostaControllore r = DecodificaControllore(RispostaControlloreFinta("QVR4555", 17, uint8_t(init), 1));
        QCOMPARE(r.nome, QStringLiteral("QVR4555"));
        QCOMPARE(r.testoMAC, QStringLiteral("00-1A-2B-3C-4D-5E"));
        QCOMPARE(r.testoIP, QStringLiteral("192.168.1.100"));
        QCOMPARE(r.testoMask, QStringLiteral("255.255.255.0"));
        QCOMPARE(int(r.switchInterno), 1);
        Dispositivo x;
        x.TipoConnessione = CollegamentoSeriale;
        x.BaudRate = QStringLiteral("9600");
        ScriviControllore(x, r, QStringLiteral("127.0.0.9"));
        QTEST(x.InitAttivo, "attivo");
        QCOMPARE(x.IndirizzoIP, QStringLiteral("127.0.0.9"));   // the sender, not the stored address
        QCOMPARE(int(x.Porta), 502);
        QCOMPARE(int(x.Nodo), 17);
        QCOMPARE(int(x.IPByte[0]), 192);
        QCOMPARE(int(x.MACByte[5]), 0x5E);
        QCOMPARE(int(x.TipoConnessione), 0);
        QVERIFY(x.BaudRate.isEmpty());
    }

    void risposteCorte_data()
    {
        QTest::addColumn<int>("lunghezza");
        QTest::addColumn<bool>("mac");
        QTest::addColumn<bool>("mask");
        QTest::newRow("empty") << 0 << false << false;
        QTest::newRow("name only") << 7 << false << false;
        QTest::newRow("mac") << 14 << true << false;
        QTest::newRow("mask") << 22 << true << true;
        QTest::newRow("24") << 24 << true << true;
    }
    void risposteCorte()
    {
        QFETCH(int, lunghezza);
        const QByteArray d = RispostaControlloreFinta("ABCDEFG").left(lunghezza);
        const RispostaControllore r = DecodificaControllore(d);
        QTEST(!r.testoMAC.isEmpty(), "mac");
        QTEST(!r.testoMask.isEmpty(), "mask");
        QCOMPARE(int(r.switchInterno), 0);
        QVERIFY(!r.completa);
        QCOMPARE(DecodificaGateway(d), QString());
    }

    void gateway()
    {
        const QByteArray d = QByteArray(24, 'x') + Test::kMacFinto;
        QCOMPARE(DecodificaGateway(d), QStringLiteral("00-1A-2B-3C-4D-5E"));
        QCOMPARE(DecodificaGateway(d + QByteArray(2000, 'z')), QStringLiteral("00-1A-2B-3C-4D-5E"));
        Dispositivo x;
        x.Porta = 7;
        ScriviGateway(x, DecodificaGateway(d), QStringLiteral("127.0.0.4"));
        QCOMPARE(int(x.Modello), 12);
        QCOMPARE(x.NomeDispositivo, NomiModello[24]);
        QCOMPARE(int(x.Porta), 0);
    }

    // Registers 0..6 high byte first: version, name "QVR5" low byte first,
    // address.
    void identificazione_data()
    {
        QTest::addColumn<QByteArray>("versione");
        QTest::addColumn<QString>("testo");
        QTest::newRow("numbers") << QByteArray("\x01\x02\x03\x04", 4) << "1234";
        QTest::newRow("wide numbers") << QByteArray("\x0C\x00\x07\x09", 4) << "12079";
        QTest::newRow("below A") << QByteArray("\x34\x35\x35\x35", 4) << "52535353";
        QTest::newRow("letters") << QByteArray("V1.A", 4) << "V1.A";
    }
    void identificazione()
    {
        QFETCH(QByteArray, versione);
        PreparaIdentificazione(9);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(buff_tx.data()), n_tx), QByteArray::fromHex("090400000007"));
        const QByteArray r = QByteArray::fromHex("07040E0000") + versione + QByteArray("VQ5R\0\0\0\x07", 8);
        Identificazione id;
        QVERIFY(DecodificaIdentificazione(r, id));
        QTEST(id.versione, "testo");
        QCOMPARE(id.nome, QStringLiteral("QVR5"));
        QCOMPARE(int(id.indirizzo), 7);
        QVERIFY(!DecodificaIdentificazione(r.first(16), id));
        // Six registers and an RTU CRC are as many bytes as seven registers:
        // only the message counts.
        const QByteArray sei = QByteArray::fromHex("07040C0000") + versione + QByteArray("VQ5R\0\0", 6);
        QVERIFY(!DecodificaIdentificazione(sei, id));
    }

    void ricercaModulo()
    {
        Test::FakeUdp fake;
        fake.Punta();
        fake.Rispondi("0001", RispostaControlloreFinta("DEV-ONE", 5), QHostAddress(QStringLiteral("127.0.0.2")));
        fake.Rispondi("0001", RispostaControlloreFinta("DEV-TWO", 6), QHostAddress(QStringLiteral("127.0.0.3")));
        NumDispositivi = 0;
        CercaDispositiviUDP(QStringLiteral("4555"));
        QCOMPARE(fake.ricevuti, QList<QByteArray>{QByteArray("0001")});
        QCOMPARE(int(NumDispositivi), 2);
        QCOMPARE((QSet<QString>{Dispositivi[1].IndirizzoIP, Dispositivi[2].IndirizzoIP}),
                 (QSet<QString>{QStringLiteral("127.0.0.2"), QStringLiteral("127.0.0.3")}));
        QVERIFY(!AttesaUDP);
        // A late reply finds the flags down.
        UDP_DataArrival(RispostaControlloreFinta("LATE"), QHostAddress::LocalHost);
        QCOMPARE(int(NumDispositivi), 2);
        // A full table takes no more.
        NumDispositivi = 0;
        AttesaUDP = true;
        for (int i = 0; i < 300; ++i) UDP_DataArrival(RispostaControlloreFinta(QByteArray::number(i)), QHostAddress::LocalHost);
        AttesaUDP = false;
        QCOMPARE(int(NumDispositivi), 255);
        QCOMPARE(Dispositivi[255].NomeDispositivo.trimmed(), QStringLiteral("254"));
    }
};

QTEST_MAIN(TestScoperta)
#include "test_scoperta.moc"
