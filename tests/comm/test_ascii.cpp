// Modbus ASCII LRC and the decoding of good and bad replies (the frames on
// the wire are checked against the fake slave).
#include "comm/Ascii.h"

#include <QtTest>
#include <array>

namespace {
const uint8_t* U(const QByteArray& b) { return reinterpret_cast<const uint8_t*>(b.constData()); }
enum Errore { Vuota = 1, CR = 2, LF = 4, LRC = 8 };
} // namespace

class TestAscii : public QObject {
    Q_OBJECT
private slots:
    void lrc_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("lrc");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("single 1") << QByteArray("\x01") << 255;
        QTest::newRow("sum 256") << QByteArray("\x80\x80") << 0;
        QTest::newRow("read holding") << QByteArray::fromHex("0A0300000001") << 0xF2;
        // 200 bytes of 255: a 16-bit signed running sum would overflow here.
        QTest::newRow("long high bytes") << QByteArray(200, char(0xFF)) << 200;
    }
    void lrc()
    {
        QFETCH(QByteArray, dati);
        QFETCH(int, lrc);
        QCOMPARE(int(LrcModbus(U(dati), int(dati.size()))), lrc);
        const QByteArray t = TramaASCII(U(dati), int(dati.size()));
        QCOMPARE(t, ':' + dati.toHex().toUpper() + QByteArray::number(lrc + 256, 16).right(2).toUpper() + "\r\n");
    }

    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("errori");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("eco");
        QTest::newRow("good") << QByteArray(":0A0302007B76\r\n") << 0 << 6 << ": 0A 03 02 00 7B 76 ";
        QTest::newRow("lower-case hex") << QByteArray(":0a0302007b76\r\n") << 0 << 6 << ": 0a 03 02 00 7b 76 ";
        QTest::newRow("nothing") << QByteArray() << int(Vuota) << 0 << " ";
        QTest::newRow("bad lrc") << QByteArray(":0A0302007B77\r\n") << int(LRC) << 6 << ": 0A 03 02 00 7B 77 ";
        // One character short: the pairs still come out, the end checks fail.
        QTest::newRow("no LF") << QByteArray(":0A0302007B76\r") << CR + LF << 6 << ": 0A 03 02 00 7B 76 ";
        QTest::newRow("no CR") << QByteArray(":0A0302007B76\n") << int(CR) << 6 << ": 0A 03 02 00 7B 76 ";
        QTest::newRow("non-hex") << QByteArray(":0A03020G7B76\r\n") << int(LRC) << 6 << ": 0A 03 02 0G 7B 76 ";
        QTest::newRow("lost digit") << QByteArray(":0A03020007B\r\n") << int(LRC) << 6 << ": 0A 03 02 00 07 B\r ";
        QTest::newRow("stray char") << QByteArray(":0A0302007B76X\r\n") << int(LRC) << 6 << ": 0A 03 02 00 7B 76 ";
        QTest::newRow("only colon") << QByteArray(":\r\n") << int(LRC) << 0 << ": ";
        QTest::newRow("one char") << QByteArray("\n") << CR + LRC << 0 << "\n ";
    }
    void decodifica()
    {
        QFETCH(QByteArray, testo);
        QFETCH(int, errori);
        QFETCH(int, n);
        std::array<uint8_t, 16> dest{};
        const RispostaASCII r = DecodificaASCII(testo, dest.data(), int(dest.size()));
        QCOMPARE(r.vuota, bool(errori & Vuota));
        QCOMPARE(r.erroreCR, bool(errori & CR));
        QCOMPARE(r.erroreLF, bool(errori & LF));
        QCOMPARE(r.erroreLRC, bool(errori & LRC));
        QCOMPARE(r.n, n);
        QTEST(r.eco, "eco");
        QCOMPARE(r.Ok(), errori == 0);
        if (r.Ok()) QCOMPARE(TramaASCII(dest.data(), r.n - 1).toUpper(), testo.toUpper());
    }
};

QTEST_MAIN(TestAscii)
#include "test_ascii.moc"
