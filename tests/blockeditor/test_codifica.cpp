#include "blockeditor/Codifica.h"
#include "program/Programmi.h"

#include <QtTest>

using Slot = QList<int>;

namespace {
Slot Leggi(const SlotArgomento& s)
{
    return Slot{s[0], s[1], s[2], s[3]};
}
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
        QTest::addColumn<Slot>("diretto");
        QTest::addColumn<Slot>("scambiato");
        const Slot sporco{0xAA, 0xBB, 0xCC, 0xDD};
        QTest::newRow("uInt 300") << 300.0 << 0 << true << Slot{0x2C, 0x01, 0, 0} << Slot{0x01, 0x2C, 0, 0};
        QTest::newRow("Int -1 wraps") << -1.0 << 1 << true << Slot{0xFF, 0xFF, 0, 0} << Slot{0xFF, 0xFF, 0, 0};
        QTest::newRow("Int -65536 wraps to 0") << -65536.0 << 1 << true << Slot{0, 0, 0, 0} << Slot{0, 0, 0, 0};
        QTest::newRow("uInt 65535") << 65535.0 << 0 << true << Slot{0xFF, 0xFF, 0, 0} << Slot{0xFF, 0xFF, 0, 0};
        QTest::newRow("uInt 65536 refused") << 65536.0 << 0 << false << sporco << sporco;
        QTest::newRow("uInt 70000 refused") << 70000.0 << 0 << false << sporco << sporco;
        QTest::newRow("Int -65537 refused") << -65537.0 << 1 << false << sporco << sporco;
        // Rounded as a whole before the split: no byte of 256.
        QTest::newRow("255.6 carries") << 255.6 << 0 << true << Slot{0x00, 0x01, 0, 0} << Slot{0x01, 0x00, 0, 0};
        QTest::newRow("511.5 to even 512") << 511.5 << 0 << true << Slot{0x00, 0x02, 0, 0} << Slot{0x02, 0x00, 0, 0};
        QTest::newRow("2.5 to even 2") << 2.5 << 0 << true << Slot{2, 0, 0, 0} << Slot{0, 2, 0, 0};
        QTest::newRow("65535.4 rounds in") << 65535.4 << 0 << true << Slot{0xFF, 0xFF, 0, 0} << Slot{0xFF, 0xFF, 0, 0};
        QTest::newRow("65535.6 rounds out") << 65535.6 << 0 << false << sporco << sporco;
        QTest::newRow("uLong 0x12345678") << double(0x12345678) << 2 << true << Slot{0x78, 0x56, 0x34, 0x12}
                                          << Slot{0x56, 0x78, 0x12, 0x34};
        QTest::newRow("K_Long 0x12345678") << double(0x12345678) << 6 << true << Slot{0x78, 0x56, 0x34, 0x12}
                                           << Slot{0x56, 0x78, 0x12, 0x34};
        QTest::newRow("Long 0x12345678") << double(0x12345678) << 3 << true << Slot{0x78, 0x56, 0x34, 0x12}
                                         << Slot{0x56, 0x78, 0x12, 0x34};
        QTest::newRow("Long -2") << -2.0 << 3 << true << Slot{0xFE, 0xFF, 0xFF, 0xFF} << Slot{0xFF, 0xFE, 0xFF, 0xFF};
        QTest::newRow("uLong -2 refused") << -2.0 << 2 << false << sporco << sporco;
        QTest::newRow("K_Long -2 refused") << -2.0 << 6 << false << sporco << sporco;
        QTest::newRow("uLong 2^32 refused") << 4294967296.0 << 2 << false << sporco << sporco;
        QTest::newRow("K_Flt 1.0") << 1.0 << 5 << true << Slot{0, 0, 0x80, 0x3F} << Slot{0, 0, 0x80, 0x3F};
        QTest::newRow("K_Flt -2.5") << -2.5 << 5 << true << Slot{0, 0, 0x20, 0xC0} << Slot{0, 0, 0x20, 0xC0};
        QTest::newRow("K_Flt 1e39 refused") << 1e39 << 5 << false << sporco << sporco;
        QTest::newRow("Float code writes nothing") << 12.0 << 4 << true << sporco << sporco;
        QTest::newRow("Hex code writes nothing") << 12.0 << 7 << true << sporco << sporco;
        QTest::newRow("Table code writes nothing") << 1.0 << 10 << true << sporco << sporco;
    }
    void layouts()
    {
        QFETCH(double, valore);
        QFETCH(int, codice);
        QFETCH(bool, ok);
        QFETCH(Slot, diretto);
        QFETCH(Slot, scambiato);
        SlotArgomento s = kSporco;
        QCOMPARE(CodificaSlot(s, valore, uint8_t(codice), false), ok);
        QCOMPARE(Leggi(s), diretto);
        s = kSporco;
        QCOMPARE(CodificaSlot(s, valore, uint8_t(codice), true), ok);
        QCOMPARE(Leggi(s), scambiato);
    }

    void onTheCurrentProcess()
    {
        ProgCorrente = 3;
        Programmi[3].Rung[7].ArgByte[2] = kSporco;
        QVERIFY(Trasf(300, 0, 7, 2));
        QCOMPARE(Leggi(Programmi[3].Rung[7].ArgByte[2]), (Slot{0x2C, 0x01, 0, 0}));
        QVERIFY(TrasfSwap(300, 0, 7, 2));
        QCOMPARE(Leggi(Programmi[3].Rung[7].ArgByte[2]), (Slot{0x01, 0x2C, 0, 0}));
        QVERIFY(!Trasf(1, 0, 7, 9));
        QVERIFY(!Trasf(1, 0, 257, 0));
        QCOMPARE(Leggi(Programmi[0].Rung[7].ArgByte[2]), (Slot{0, 0, 0, 0}));
        ProgCorrente = 0;
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("valore");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("decimal") << "12.5" << 12.5;
        QTest::newRow("blanks") << "  -7" << -7.0;
        QTest::newRow("plus") << "+3" << 3.0;
        QTest::newRow("trailing junk") << "42abc" << 42.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("comma stops") << "12,5" << 12.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "7." << 7.0;
        QTest::newRow("exponent") << "1.5e3" << 1500.0;
        QTest::newRow("negative exponent") << "2E-2x" << 0.02;
        QTest::newRow("bare exponent") << "5e" << 5.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower") << "&hff" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O18" << 1.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("label name") << "START" << 0.0;
    }
    void numbers()
    {
        QFETCH(QString, testo);
        QFETCH(double, valore);
        QCOMPARE(LeggiNumero(testo), valore);
    }
};

QTEST_MAIN(TestCodifica)
#include "test_codifica.moc"
