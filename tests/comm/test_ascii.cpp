// Modbus ASCII frames and LRC, and the decoding of good and bad replies.
#include "comm/Ascii.h"

#include <QtTest>
#include <array>

namespace {
QByteArray Byte(std::initializer_list<int> v)
{
    QByteArray b;
    for (int x : v) b.append(char(x));
    return b;
}
const uint8_t* U(const QByteArray& b) { return reinterpret_cast<const uint8_t*>(b.constData()); }
} // namespace

class TestAscii : public QObject {
    Q_OBJECT
private slots:
    void lrc_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("lrc");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("single 1") << Byte({1}) << 255;
        QTest::newRow("sum 256") << Byte({0x80, 0x80}) << 0;
        QTest::newRow("read holding") << Byte({0x0A, 0x03, 0, 0, 0, 1}) << 0xF2;
        // 200 bytes of 255: a 16-bit signed running sum would overflow here.
        QTest::newRow("long high bytes") << QByteArray(200, char(0xFF)) << 200;
    }
    void lrc()
    {
        QFETCH(QByteArray, dati);
        QFETCH(int, lrc);
        QCOMPARE(int(LrcModbus(U(dati), int(dati.size()))), lrc);
    }

    void trama_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QByteArray>("trama");
        QTest::newRow("read holding") << Byte({0x0A, 0x03, 0, 0, 0, 1}) << QByteArray(":0A0300000001F2\r\n");
        QTest::newRow("empty message") << QByteArray() << QByteArray(":00\r\n");
    }
    void trama()
    {
        QFETCH(QByteArray, dati);
        QFETCH(QByteArray, trama);
        const QByteArray t = TramaASCII(U(dati), int(dati.size()));
        QCOMPARE(t, trama);
        QCOMPARE(t.size(), 2 * dati.size() + 5);
    }

    void decodifica_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<bool>("vuota");
        QTest::addColumn<bool>("cr");
        QTest::addColumn<bool>("lf");
        QTest::addColumn<bool>("lrc");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("eco");
        QTest::newRow("good") << QByteArray(":0A0302007B76\r\n") << false << false << false << false << 6
                              << QStringLiteral(": 0A 03 02 00 7B 76 ");
        QTest::newRow("lower-case hex") << QByteArray(":0a0302007b76\r\n") << false << false << false << false
                                        << 6 << QStringLiteral(": 0a 03 02 00 7b 76 ");
        QTest::newRow("nothing") << QByteArray() << true << false << false << false << 0 << QStringLiteral(" ");
        QTest::newRow("bad lrc") << QByteArray(":0A0302007B77\r\n") << false << false << false << true << 6
                                 << QStringLiteral(": 0A 03 02 00 7B 77 ");
        // One character short: the pairs still come out, the end checks fail.
        QTest::newRow("no LF") << QByteArray(":0A0302007B76\r") << false << true << true << false << 6
                               << QStringLiteral(": 0A 03 02 00 7B 76 ");
        QTest::newRow("no CR") << QByteArray(":0A0302007B76\n") << false << true << false << false << 6
                               << QStringLiteral(": 0A 03 02 00 7B 76 ");
        QTest::newRow("non-hex") << QByteArray(":0A03020G7B76\r\n") << false << false << false << true << 6
                                 << QStringLiteral(": 0A 03 02 0G 7B 76 ");
        QTest::newRow("lost digit") << QByteArray(":0A03020007B\r\n") << false << false << false << true << 6
                                    << QStringLiteral(": 0A 03 02 00 07 B\r ");
        QTest::newRow("stray char") << QByteArray(":0A0302007B76X\r\n") << false << false << false << true << 6
                                    << QStringLiteral(": 0A 03 02 00 7B 76 ");
        QTest::newRow("only colon") << QByteArray(":\r\n") << false << false << false << true << 0
                                    << QStringLiteral(": ");
        QTest::newRow("one char") << QByteArray("\n") << false << true << false << true << 0
                                  << QStringLiteral("\n ");
    }
    void decodifica()
    {
        QFETCH(QByteArray, testo);
        QFETCH(bool, vuota);
        QFETCH(bool, cr);
        QFETCH(bool, lf);
        QFETCH(bool, lrc);
        QFETCH(int, n);
        QFETCH(QString, eco);
        std::array<uint8_t, 16> dest{};
        const RispostaASCII r = DecodificaASCII(testo, dest.data(), int(dest.size()));
        QCOMPARE(r.vuota, vuota);
        QCOMPARE(r.erroreCR, cr);
        QCOMPARE(r.erroreLF, lf);
        QCOMPARE(r.erroreLRC, lrc);
        QCOMPARE(r.n, n);
        QCOMPARE(r.eco, eco);
        QCOMPARE(r.Ok(), !vuota && !cr && !lf && !lrc);
        if (r.Ok()) QCOMPARE(TramaASCII(dest.data(), r.n - 1).toUpper(), testo.toUpper());
    }
};

QTEST_MAIN(TestAscii)
#include "test_ascii.moc"
