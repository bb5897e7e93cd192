#include "blockeditor/Codifica.h"
#include "program/Programmi.h"
#include "support/Byte.h"

#include <QtTest>
#include <cmath>

using Test::Byte;

namespace {
const SlotArgomento kSporco{0xAA, 0xBB, 0xCC, 0xDD};
} // namespace

class TestCodifica : public QObject {
    Q_OBJECT
private slots:
    void layouts_data()
    {
        QTest::addColumn<double>("valore");
        QTest::addColumn<int>("codice");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("diretto");
        QTest::addColumn<QByteArray>("scambiato");
        auto r = [](const char* nome, double v, int codice, bool ok, const char* d, const char* s) {
            QTest::newRow(nome) << v << codice << ok << QByteArray::fromHex(d) << QByteArray::fromHex(s);
        };
        auto no = [&r](const char* nome, double v, int codice) { r(nome, v, codice, false, "aabbccdd", "aabbccdd"); };
        r("uInt 300", 300, 0, true, "2c010000", "012c0000");
        r("Int -1 wraps", -1, 1, true, "ffff0000", "ffff0000");
        r("Int -65536 wraps to 0", -65536, 1, true, "00000000", "00000000");
        r("uInt 65535", 65535, 0, true, "ffff0000", "ffff0000");
        no("uInt 65536 refused", 65536, 0);
        no("uInt 70000 refused", 70000, 0);
        no("Int -65537 refused", -65537, 1);
        // Rounded as a whole before the split: no byte of 256.
        r("255.6 carries", 255.6, 0, true, "00010000", "01000000");
        r("511.5 to even 512", 511.5, 0, true, "00020000", "02000000");
        r("2.5 to even 2", 2.5, 0, true, "02000000", "00020000");
        r("65535.4 rounds in", 65535.4, 0, true, "ffff0000", "ffff0000");
        no("65535.6 rounds out", 65535.6, 0);
        r("uLong 0x12345678", 0x12345678, 2, true, "78563412", "56781234");
        r("K_Long 0x12345678", 0x12345678, 6, true, "78563412", "56781234");
        r("Long 0x12345678", 0x12345678, 3, true, "78563412", "56781234");
        r("Long -2", -2, 3, true, "feffffff", "fffeffff");
        no("uLong -2 refused", -2, 2);
        no("K_Long -2 refused", -2, 6);
        no("uLong 2^32 refused", 4294967296.0, 2);
        r("K_Flt 1.0", 1.0, 5, true, "0000803f", "0000803f");
        r("K_Flt -2.5", -2.5, 5, true, "000020c0", "000020c0");
        no("K_Flt 1e39 refused", 1e39, 5);
        r("Float code writes nothing", 12, 4, true, "aabbccdd", "aabbccdd");
        r("Hex code writes nothing", 12, 7, true, "aabbccdd", "aabbccdd");
        r("Table code writes nothing", 1, 10, true, "aabbccdd", "aabbccdd");
    }
    void layouts()
    {
        QFETCH(double, valore);
        QFETCH(int, codice);
        for (bool scambiato : {false, true}) {
            SlotArgomento s = kSporco;
            QTEST(CodificaSlot(s, valore, uint8_t(codice), scambiato), "ok");
            QTEST(Byte(s), scambiato ? "scambiato" : "diretto");
        }
    }

    void onTheCurrentProcess()
    {
        ProgCorrente = 3;
        SlotArgomento& s = Programmi[3].Rung[7].ArgByte[2];
        s = kSporco;
        QVERIFY(Trasf(300, 0, 7, 2));
        QCOMPARE(Byte(s), QByteArray::fromHex("2c010000"));
        QVERIFY(TrasfSwap(300, 0, 7, 2));
        QCOMPARE(Byte(s), QByteArray::fromHex("012c0000"));
        QVERIFY(!Trasf(1, 0, 7, 9));
        QVERIFY(!Trasf(1, 0, 257, 0));
        QCOMPARE(Byte(Programmi[0].Rung[7].ArgByte[2]), QByteArray(4, '\0'));
        ProgCorrente = 0;
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("valore");
        const QList<QPair<const char*, double>> righe = {
            {"12", 12},    {"12.5", 12.5},  {"  -7", -7},    {"+3", 3},      {"42abc", 42},    {"abc", 0},
            {"", 0},       {"12,5", 12},    {".5", 0.5},     {"7.", 7},      {"1.5e3", 1500},  {"2E-2x", 0.02},
            {"5e", 5},     {"&H1F", 31},    {"&hff", 255},   {"&O17", 15},   {"&O18", 1},      {"-", 0},
            {"START", 0}};
        for (const auto& [testo, valore] : righe)
            QTest::newRow(*testo ? testo : "empty") << QString::fromLatin1(testo) << valore;
        // Past a double's range reads as nothing.
        QTest::newRow("hex of 280 digits") << "&H" + QString(280, u'F') << 0.0;
        QTest::newRow("octal of 400 digits") << "&O" + QString(400, u'7') << 0.0;
        QTest::newRow("hex of 200 digits") << "&H" + QString(200, u'F') << std::pow(16.0, 200);
    }
    void numbers()
    {
        QFETCH(QString, testo);
        QTEST(LeggiNumero(testo), "valore");
    }
};

QTEST_MAIN(TestCodifica)
#include "test_codifica.moc"
