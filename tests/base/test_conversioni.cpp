#include "base/Attesa.h"
#include "base/Conversioni.h"
#include "base/TestoSalvabile.h"
#include "support/ValoriEstremi.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <limits>

class TestConversioni : public QObject {
    Q_OBJECT
private slots:
    // The data files' number form, and that it reads back to the same value
    // (to 15 digits) whatever the locale.
    void numeroFile_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("testo");
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("quarter") << 0.25 << " .25";
        QTest::newRow("negative below 1") << -0.5 << "-.5";
        QTest::newRow("1E-4 stays plain") << 1e-4 << " .0001";
        QTest::newRow("below 1E-4") << -2.5e-5 << "-2.5E-05";
        QTest::newRow("integer") << 10.0 << " 10";
        QTest::newRow("fraction") << 3.25 << " 3.25";
        QTest::newRow("15 digits") << 123456789012345.0 << " 123456789012345";
        QTest::newRow("1E+15") << 1e15 << " 1E+15";
        QTest::newRow("rounds up into the exponent") << 999999999999999.9 << " 1E+15";
        QTest::newRow("1E+16") << 1e16 << " 1E+16";
        QTest::newRow("three-digit exponent") << -1.5e-300 << "-1.5E-300";
        QTest::newRow("16th digit rounded") << 0.1 + 0.2 << " .3";
    }
    void numeroFile()
    {
        QFETCH(double, v);
        QFETCH(QString, testo);
        const QLocale prima;
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QCOMPARE(NumeroFile(v), testo);
        const auto letto = NumeroDaFile(testo);
        QLocale::setDefault(prima);
        QVERIFY(letto);
        QCOMPARE(*letto, QString::number(v, 'g', 15).toDouble());
    }
    // No text beyond the double range is ever written: what would round past
    // it is written as the largest value 15 digits hold, with its sign.
    void numeroFileEstremi_data()
    {
        using L = std::numeric_limits<double>;
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("testo");
        QTest::newRow("largest") << L::max() << " 1.79769313486231E+308";
        QTest::newRow("largest negative") << -L::max() << "-1.79769313486231E+308";
        QTest::newRow("first to round past") << 1.797693134862315e308 << " 1.79769313486231E+308";
        QTest::newRow("infinity") << L::infinity() << " 1.79769313486231E+308";
        QTest::newRow("negative infinity") << -L::infinity() << "-1.79769313486231E+308";
        QTest::newRow("not a number") << L::quiet_NaN() << " 0";
        QTest::newRow("smallest normal") << L::min() << " 2.2250738585072E-308";
        QTest::newRow("smallest denormal") << -L::denorm_min() << "-4.94065645841247E-324";
        QTest::newRow("negative zero") << -0.0 << " 0";
        QTest::newRow("32-bit low") << -2147483648.0 << "-2147483648";
        QTest::newRow("32-bit unsigned high") << 4294967295.0 << " 4294967295";
    }
    void numeroFileEstremi()
    {
        QFETCH(double, v);
        QTEST(NumeroFile(v), "testo");
    }
    // Whatever is written reads back, and writes again the same text.
    void numeroFileRiletto()
    {
        for (const auto& [nome, v] : Test::ValoriEstremi()) {
            const QString testo = NumeroFile(v);
            const auto letto = NumeroDaFile(testo);
            QVERIFY2(letto, qPrintable(QStringLiteral("%1: %2").arg(nome, testo)));
            QVERIFY2(Test::RilettoComeScritto(v, *letto), nome);
            QCOMPARE(NumeroFile(*letto), testo);
        }
    }
    void numeroDaFileRefuses()
    {
        for (const char* t : {"", "abc", "1,5", "inf", "1.5x"}) QVERIFY2(!NumeroDaFile(QString::fromLatin1(t)), t);
    }
    void intToByte_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::newRow("zero") << 0.0 << 0 << 0;
        QTest::newRow("4660") << 4660.0 << 0x34 << 0x12;
        QTest::newRow("-1") << -1.0 << 0xFF << 0xFF;
        QTest::newRow("65535") << 65535.0 << 0xFF << 0xFF;
        QTest::newRow("70000 high byte left 0") << 70000.0 << 0x70 << 0;
        QTest::newRow("-65536") << -65536.0 << 0 << 0;
        QTest::newRow("-70000 nothing fits") << -70000.0 << 0x90 << 0;
    }
    void intToByte()
    {
        QFETCH(double, v);
        Byte3 b = IntToByte(v);
        QTEST(int(b[0]), "lo");
        QTEST(int(b[1]), "hi");
        QCOMPARE(int(b[2]), 0);
    }

    void byteToIntAndLong()
    {
        QCOMPARE(ByteToInt(0xFF, 0xFF, false), 65535);
        QCOMPARE(ByteToInt(0xFF, 0xFF, true), -1);
        QCOMPARE(ByteToInt(0x80, 0x00, true), -32768);
        QCOMPARE(ByteToLong(0x80, 0, 0, 0, true), -2147483648.0);
        QCOMPARE(ByteToLong(0x80, 0, 0, 0, false), 2147483648.0);
        Byte4 b = LongToByte(double(0x12345678), false);
        QCOMPARE(b, (Byte4{0x34, 0x12, 0x78, 0x56}));
        QCOMPARE(LongToByte(-1, true), (Byte4{0xFF, 0xFF, 0xFF, 0xFF}));
        bool ok = true, ok2 = true;
        QCOMPARE(LongToByte(4294967296.0, false, &ok), (Byte4{0, 0, 0, 0}));
        LongToByte(-1, false, &ok2);
        QVERIFY(!ok && !ok2);
    }

    void floats()
    {
        QCOMPARE(FloatToByte(1.0), (Byte4{0x3F, 0x80, 0, 0}));
        QCOMPARE(FloatToByte(-2.5), (Byte4{0xC0, 0x20, 0, 0}));
        QCOMPARE(FloatToByte(0.0), (Byte4{0, 0, 0, 0}));
        // A fraction that rounds up carries into the exponent: 2 - 2^-25
        // is nearest to 2.0 in single precision.
        QCOMPARE(FloatToByte(2.0 - std::ldexp(1.0, -25)), (Byte4{0x40, 0x00, 0, 0}));
        // Ties go to even.
        QCOMPARE(FloatToByte(1.0 + std::ldexp(1.0, -24)), (Byte4{0x3F, 0x80, 0, 0}));
        QCOMPARE(ByteToFloat(0x41, 0x20, 0, 0), 10.0);
        QCOMPARE(ByteToFloat(0xC2, 0xC8, 0, 0), -100.0);
        QVERIFY(std::fabs(ByteToFloat(0x7F, 0x7F, 0xFF, 0xFF) - 3.4028234663852886e38) < 1e31);
        QCOMPARE(ByteToFloat(0, 0, 0, 0), 0.0);
        QVERIFY(std::isinf(ByteToFloat(0x7F, 0x80, 0, 0)));
        QVERIFY(std::isnan(ByteToFloat(0x7F, 0xC0, 0, 0)));
        QCOMPARE(ByteToFloat(0x00, 0x00, 0x00, 0x01), double(std::numeric_limits<float>::denorm_min()));
        for (double v : {0.1, -123.456, 1e-30, 3.0e38}) {
            Byte4 b = FloatToByte(v);
            QCOMPARE(ByteToFloat(b[0], b[1], b[2], b[3]), double(float(v)));
        }
    }

    void texts()
    {
        QCOMPARE(ByteToHex(10), QStringLiteral("0A"));
        QCOMPARE(IntToHex(-1), QStringLiteral("FFFF"));
        QCOMPARE(IntToAscii(0x4142), QStringLiteral("BA"));
        QCOMPARE(IntToAscii(0x4100), QStringLiteral("A"));
        QCOMPARE(IntToBin(1, true), QStringLiteral("00000000 00000001"));
        QCOMPARE(IntToBin(0x8000, false), QStringLiteral("1000000000000000"));
        QString s = QStringLiteral("1,5,6");
        QCOMPARE(VirgolaToPunto(s), QStringLiteral("1.5.6"));
        QCOMPARE(s, QStringLiteral("1.5.6"));
    }

    void hexParsing()
    {
        using R = std::pair<int, bool>;   // value, accepted
        auto byte = [](const char* t) { bool ok = true; const int v = HexToByte(t, &ok); return R{v, ok}; };
        auto digit = [](const char* t) { bool ok = true; const int v = HexDigit(t, &ok); return R{v, ok}; };
        QCOMPARE(byte("FF"), R(255, true));
        QCOMPARE(byte("ff"), R(255, true));
        QCOMPARE(byte("1F"), R(31, true));
        QCOMPARE(byte("A"), R(10, true));
        QCOMPARE(byte("G"), R(16, true));   // other letters keep their code - 55
        QCOMPARE(byte("").second, false);
        QCOMPARE(byte("GG").second, false);
        QCOMPARE(byte("g1").second, false);   // only a-f are digits in lower case
        QCOMPARE(byte("1 "), R(0, false));
        QCOMPARE(digit("A5"), R(0xA5, true));
        QCOMPARE(digit("a5").second, false);   // upper case only
        QCOMPARE(digit("G1").second, false);
        QCOMPARE(digit("1").second, false);
        QCOMPARE(HexToInt("abcd"), 43981.0);
        QCOMPARE(HexToInt("FFFF"), 65535.0);
        QCOMPARE(HexToInt("12"), 4608.0);
        QCOMPARE(HexToInt("ZZ0A"), 10.0);
        uint8_t buf[4] = {9, 9, 9, 9};
        QVERIFY(StringaToByte("AB", buf, 4));
        QCOMPARE(int(buf[1]), int('B'));
        QCOMPARE(int(buf[2]), 9);
        QVERIFY(!StringaToByte("ABCDE", buf, 4));
    }

    // The files and the controller keep one byte a character: the first
    // character past U+00FF is found, and the refusal shows it with its code.
    void carattereSenzaByte_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<uint>("carattere");   // 0: every character has its byte
        QTest::addColumn<QString>("mostrato");
        QTest::newRow("euro") << "100 €" << 0x20ACu << "€ (U+20AC)";
        QTest::newRow("typographic quotes") << "a “b”" << 0x201Cu << "“ (U+201C)";
        QTest::newRow("en dash") << "1–2" << 0x2013u << "– (U+2013)";
        QTest::newRow("em dash after Latin-1") << "é—" << 0x2014u << "— (U+2014)";
        QTest::newRow("Greek") << "Δp" << 0x0394u << "Δ (U+0394)";
        QTest::newRow("past the basic plane") << "ok 😀" << 0x1F600u << "😀 (U+1F600)";
        QTest::newRow("Latin-1 letters and signs") << "àéîõü ÄÖÜß ÿ ° ² µ ½ ¤ \u00A0\u0085\u0080" << 0u << "";
        QTest::newRow("line breaks") << "a\r\nb\tc" << 0u << "";
    }
    void carattereSenzaByte()
    {
        QFETCH(QString, testo);
        QFETCH(uint, carattere);
        QFETCH(QString, mostrato);
        const std::optional<char32_t> c = CarattereSenzaByte(testo);
        QCOMPARE(c ? uint(*c) : 0u, carattere);
        const QString rifiuto = RifiutoTesto(QStringLiteral("String 5"), testo);
        QCOMPARE(rifiuto, carattere ? "String 5 holds " + mostrato +
                                          ", a character the project files and the controller cannot hold"
                                    : QString());
    }

    void attesaKeepsEventsFlowing()
    {
        bool scattato = false;
        QTimer::singleShot(20, [&] { scattato = true; });
        QElapsedTimer t;
        t.start();
        Attesa(0.15);
        QVERIFY(scattato);
        QVERIFY(t.elapsed() >= 150 && t.elapsed() < 1000);   // not rounded up to whole seconds
        t.restart();
        Attesa(0);
        Attesa(-1);
        QVERIFY(t.elapsed() < 50);
        // A condition set by an event ends the wait early.
        bool flag = false;
        QTimer::singleShot(30, [&] { flag = true; });
        t.restart();
        QVERIFY(AttendiFinche([&] { return flag; }, 2000));
        QVERIFY(t.elapsed() < 1000);
    }
};

QTEST_MAIN(TestConversioni)
#include "test_conversioni.moc"
