// The write encodings and the clock conversions, table-driven.
#include "ioconfig/OrologioConfig.h"
#include "ioconfig/PianiInvio.h"
#include "support/Byte.h"

#include <QtTest>
#include <cmath>

class TestCodificaInvio : public QObject {
    Q_OBJECT
private slots:
    void codifiche()
    {
        const QList<QPair<const char*, int>> bcd = {{"", 0}, {"7", 0x07}, {"23", 0x23}, {"99", 0x99}, {" 9 ", 0x09}, {"123", -1}, {"5A", -1}, {"-1", -1}, {"x", -1}};
        for (const auto& [t, b] : bcd) {
            const auto v = ByteBcd(QString::fromLatin1(t));
            QCOMPARE(v ? int(*v) : -1, b);
        }
        QCOMPARE(Test::Byte(ByteNome(QStringLiteral("abcde"))), QByteArray("badc"));
        QCOMPARE(Test::Byte(*ImpacchettaTipi({3, 3, 3, 3, 3, 3, 3, 3})), QByteArray::fromHex("33333333"));
        QCOMPARE(Test::Byte(*ImpacchettaTipi({0, 1, 2, 3, 4, 5, 6, 15})), QByteArray::fromHex("3210f654"));
        QVERIFY(!ImpacchettaTipi({0, 0, 0, 16, 0, 0, 0, 0}) && !ImpacchettaTipi({0, 0, 0, 0, 0, 0, -1, 0}));
        QCOMPARE(ValoreDisplay(true, 3, 5).value_or(0), uint16_t(0x0405));
        QCOMPARE(ValoreDisplay(false, 127, 255).value_or(0), uint16_t(32767));
        QVERIFY(!ValoreDisplay(true, 127, 0));   // the mode on top of the full contrast overflows
        const QList<QPair<double, int>> intervallo = {{2.5, 2}, {3.5, 4}, {-0.4, 0}, {255.4, 255}, {255.5, -1}, {-0.6, -1}, {NAN, -1}};
        for (const auto& [v, r] : intervallo) QCOMPARE(InIntervallo(v, 0, 255).value_or(-1), r);
    }

    void orologio()
    {
        const QList<QPair<qint64, const char*>> std = {{0, "1970-01-01 00:00:00"}, {86399, "1970-01-01 23:59:59"}, {-1, "1969-12-31 23:59:59"},
                                                       {2147483647, "2038-01-19 03:14:07"}};
        for (const auto& [s, t] : std) QCOMPARE(DateToSTD(s), QLatin1String(t));
        // The time protocol's count wraps in 2036: its lower half is the next era.
        const QList<QPair<quint32, const char*>> server = {{0xE20CD800, "2020-03-06 14:09:04"}, {0x80000000, "1968-01-20 03:14:08"},
                                                           {0xFFFFFFFF, "2036-02-07 06:28:15"}, {0, "2036-02-07 06:28:16"},
                                                           {0x7FFFFFFF, "2104-02-26 09:42:23"}};
        for (const auto& [s, t] : server) {
            QCOMPARE(OraDelServer(s).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), QLatin1String(t));
            QCOMPARE(OraDelServer(s).timeSpec(), Qt::UTC);
        }
    }
};

QTEST_MAIN(TestCodificaInvio)
#include "test_codifica_invio.moc"
