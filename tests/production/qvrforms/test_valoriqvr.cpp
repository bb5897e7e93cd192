// The module set-up forms' values without a window: offsets, the two K byte
// layouts and their read-back, K texts in two number formats, the K
// calculator, the QVR8566 image and the firmware caption.
#include "production/qvrforms/ImmagineQVR8566.h"
#include "production/qvrforms/ValoriQVR.h"

#include <QLocale>
#include <QtTest>

class TestValoriQVR : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void offset()
    {
        using O = std::optional<uint8_t>;
        const std::pair<const char*, O> casi[] = {
            {"-1", 255}, {"-128", 128}, {"127", 127}, {"255", 255}, {"0", 0},
            {"-129", {}}, {"-200", {}}, {"256", {}}, {"3.5", {}}, {"abc", {}}, {"", {}},
        };
        for (const auto& [testo, atteso] : casi) QCOMPARE(ByteOffset(QString::fromLatin1(testo)), atteso);
        QCOMPARE(TestoOffset(200), QStringLiteral("-56"));
        QCOMPARE(TestoOffset(127), QStringLiteral("127"));
    }

    void k_data()
    {
        QTest::addColumn<double>("k");
        QTest::addColumn<QByteArray>("tre");      // QVR8566, at 43 + 3i
        QTest::addColumn<QByteArray>("quattro");  // QVR2565, at 22 + 4r
        QTest::addColumn<double>("letto");        // what both read back
        QTest::newRow("1") << 1.0 << QByteArray("\x00\x80\x3F", 3) << QByteArray("\x00\x00\x80\x3F", 4) << 1.0;
        QTest::newRow("-2") << -2.0 << QByteArray("\x00\x00\xC0", 3) << QByteArray("\x00\x00\x00\xC0", 4) << -2.0;
        QTest::newRow("1.25") << 1.25 << QByteArray("\x00\xA0\x3F", 3) << QByteArray("\x00\x00\xA0\x3F", 4) << 1.25;
        QTest::newRow("0") << 0.0 << QByteArray(3, 0) << QByteArray(4, 0) << 0.0;
        // The lowest byte of the single is not stored: the value truncates.
        QTest::newRow("1.2345") << 1.2345 << QByteArray("\x04\x9E\x3F", 3) << QByteArray("\x00\x04\x9E\x3F", 4)
                                << 1.2344970703125;
        QTest::newRow("-0.9995") << -0.9995 << QByteArray("\xDF\x7F\xBF", 3) << QByteArray("\x00\xDF\x7F\xBF", 4)
                                 << -0.9994964599609375;
    }
    void k()
    {
        QFETCH(double, k);
        QFETCH(QByteArray, tre);
        QFETCH(QByteArray, quattro);
        QFETCH(double, letto);
        const Byte3 b3 = ByteK8566(k);
        const Byte4 b4 = ByteK2565(k);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(b3.data()), 3), tre);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(b4.data()), 4), quattro);
        QCOMPARE(K8566(b3[0], b3[1], b3[2]), letto);
        QCOMPARE(K2565(b4.data()), letto);
    }

    void testiK()
    {
        for (const QLocale& loc : {QLocale::c(), QLocale(QLocale::German)}) {
            QLocale::setDefault(loc);
            const QChar punto = loc.decimalPoint().at(0);
            QCOMPARE(TestoK(2990.0 / 3000), QStringLiteral("0.996666666666667").replace(u'.', punto));
            QCOMPARE(TestoK(12345.5), QStringLiteral("12345.5").replace(u'.', punto));
            for (double v : {0.999, 1.2344970703125, -2.0, 2990.0 / 3000, 1e-7, 3e20})
                QCOMPARE(NumeroK(TestoK(v)).value_or(-99), QString::number(v, 'g', 15).toDouble());
            QCOMPARE(CalcoloK(QStringLiteral("12500"), QStringLiteral("10000")),
                     QStringLiteral("1.2500").replace(u'.', punto));
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(NumeroK(QStringLiteral("abc")), std::nullopt);
        QCOMPARE(NumeroK(QStringLiteral("1e39")), std::nullopt);   // beyond a single
        QCOMPARE(CalcoloK(QStringLiteral("10000"), QStringLiteral("8000")), QStringLiteral("1.2500"));
        QCOMPARE(CalcoloK(QStringLiteral("1"), QStringLiteral("0")), std::nullopt);
        QCOMPARE(CalcoloK(QStringLiteral("x"), QStringLiteral("2")), std::nullopt);
    }

    void immagine()
    {
        GrigliaQVR8566 g;
        g.offsetCJC = "-2", g.celle = "5", g.misure = "8";
        for (size_t i = 0; i < 8; ++i) g.offset[i] = "0", g.guadagno[i] = "5F", g.registro[i] = "25", g.tipo[i] = 0;
        g.offset[0] = "-1", g.offset[1] = "-128", g.offset[2] = "127";
        g.tipo[3] = 17, g.guadagno[7] = "57", g.registro[0] = "24";
        g.porte[2] = {true, true, false, false, false, false, false, true};
        const auto im = CostruisciImmagine(g);
        QVERIFY(im);
        const std::pair<int, int> byte[] = {{0, 255}, {1, 128}, {2, 127}, {8, 254}, {9, 5}, {10, 8}, {14, 17},
                                            {21, 131}, {20, 0}, {27, 95}, {34, 87}, {35, 24}, {42, 25}};
        for (const auto& [a, v] : byte) QCOMPARE(int((*im)[size_t(a)]), v);

        // Each field that gives no byte stops the image.
        const std::function<void(GrigliaQVR8566&)> guasti[] = {
            [](auto& x) { x.guadagno[3] = "5f"; }, [](auto& x) { x.guadagno[0] = "0"; },
            [](auto& x) { x.offset[4] = "-200"; }, [](auto& x) { x.offsetCJC = "300"; },
            [](auto& x) { x.tipo[7].reset(); },   [](auto& x) { x.registro[5] = "256"; },
            [](auto& x) { x.celle = "n"; },
        };
        for (const auto& guasto : guasti) {
            GrigliaQVR8566 h = g;
            guasto(h);
            QVERIFY(!CostruisciImmagine(h));
        }
    }

    void didascalie()
    {
        QCOMPARE(DidascaliaFirmware(3, 1), QStringLiteral("Fw ver: 3 [QVR8566]"));
        QCOMPARE(DidascaliaFirmware(3, 7), std::nullopt);   // the caption stays
    }
};

QTEST_MAIN(TestValoriQVR)
#include "test_valoriqvr.moc"
