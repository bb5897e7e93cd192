// The terminal's request layouts, its time text and its random-test log.
#include "comm/Terminale.h"

#include <QtTest>

namespace {
QStringList Campi(const QStringList& testa, const QStringList& dati = {})
{
    QStringList c = {"1", "4", "0", "1", "0", "1", ""};
    for (int i = 0; i < testa.size(); ++i) c[i] = testa[i];
    for (int i = 7; i < NumCampiTerminale; ++i) c << "0";
    for (int i = 0; i < dati.size(); ++i) (7 + i < c.size() ? c[7 + i] : c.emplace_back()) = dati[i];
    return c;
}
} // namespace

class TestTerminale : public QObject {
    Q_OBJECT
private slots:
    void richiesta_data()
    {
        QTest::addColumn<QStringList>("campi");
        QTest::addColumn<bool>("valida");
        QTest::addColumn<QByteArray>("attesa");
        QTest::newRow("initial fields") << Campi({}) << true << QByteArray::fromHex("010400010001");
        QTest::newRow("fc16 one register")
            << Campi({"1", "16", "0", "10", "0", "1", "2"}, {"0", "5"}) << true
            << QByteArray::fromHex("0110000A00010200 05");
        QTest::newRow("negative value") << Campi({"1", "6", "0", "26", "-1", "0"}) << true << QByteArray::fromHex("0106001AFF00");
        QTest::newRow("-256 is 0") << Campi({"1", "6", "0", "26", "-256", "0"}) << true << QByteArray::fromHex("0106001A0000");
        QTest::newRow("016 is not 16") << Campi({"1", "016", "0", "10", "0", "1", "2"}, {"7", "8"}) << true
                                       << QByteArray::fromHex("0110000A0001");
        QTest::newRow("fc15 empty CNT") << Campi({"1", "15", "0", "0", "0", "8", ""}) << false << QByteArray();
        QTest::newRow("fc15") << Campi({"1", "15", "0", "0", "0", "8", "1"}, {"255"}) << true
                              << QByteArray::fromHex("010F0000000801FF");
        QTest::newRow("fc20 full 32") << Campi({"1", "20", "0", "4", "0", "0", "32"}, QStringList(32, "9")) << true
                                      << QByteArray::fromHex("0114000400002" "0") + QByteArray(32, char(9));
        // 33 sound data fields: the count alone is refused.
        QTest::newRow("CNT 33") << Campi({"1", "16", "0", "0", "0", "0", "33"}, QStringList(33, "1")) << false << QByteArray();
        QTest::newRow("fc23 plain bytes") << Campi({"1", "23", "0", "1", "0", "2", "1"}, {"3"}) << true
                                          << QByteArray::fromHex("01170001000201 03");
        QTest::newRow("fc23 negative") << Campi({"1", "23", "0", "1", "-1", "2", "0"}) << false << QByteArray();
        QTest::newRow("not a number") << Campi({"x"}) << false << QByteArray();
        QTest::newRow("bad data byte") << Campi({"1", "16", "0", "0", "0", "1", "2"}, {"1", "300"}) << false
                                       << QByteArray();
        QTest::newRow("data beyond CNT ignored")
            << Campi({"1", "16", "0", "0", "0", "1", "1"}, {"1", "x"}) << true << QByteArray::fromHex("011000000001 0101");
        QTest::newRow("CNT ignored for fc3") << Campi({"1", "3", "0", "0", "0", "1", "x"}) << true
                                             << QByteArray::fromHex("010300000001");
    }
    void richiesta()
    {
        QFETCH(QStringList, campi);
        QFETCH(QByteArray, attesa);
        const auto r = CompilaRichiestaTerminale(campi);
        QTEST(bool(r), "valida");
        if (r) QCOMPARE(r->toHex(' '), attesa.toHex(' '));
    }

    void tempoMs()
    {
        QLocale::setDefault(QLocale::c());
        QCOMPARE(TestoTempoMs(0.0123), QStringLiteral("12"));
        QCOMPARE(TestoTempoMs(1.2345), QStringLiteral("1,235"));
        QLocale::setDefault(QLocale(QLocale::Italian));
        QCOMPARE(TestoTempoMs(1.2345), QStringLiteral("1.235"));
        QLocale::setDefault(QLocale::c());
    }

    // The file itself is checked where the random test writes it.
    void rigaLogEventi()
    {
        const QByteArray riga = RigaLogEventi(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)), 3);
        QVERIFY2(riga.endsWith(" 05:06:07;3\r\n") && riga.contains("26"), riga.constData());
    }
};

QTEST_MAIN(TestTerminale)
#include "test_terminale.moc"
