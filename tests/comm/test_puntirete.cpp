// Where an endpoint's value comes from: environment over file over default.
#include "comm/PuntiRete.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPuntiRete : public QObject {
    Q_OBJECT
private slots:
    void precedenza_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("ambiente");
        QTest::addColumn<QString>("valore");
        QTest::addColumn<int>("intero");
        QTest::newRow("default") << QByteArray() << QByteArray() << "37" << 37;
        QTest::newRow("file") << QByteArray("[ora]\nporta=1037\n") << QByteArray() << "1037" << 1037;
        QTest::newRow("environment wins") << QByteArray("[ora]\nporta=1037\n") << QByteArray(" 2037 ") << "2037" << 2037;
        QTest::newRow("not a number") << QByteArray("[ora]\nporta=abc\n") << QByteArray() << "abc" << 37;
    }
    void precedenza()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, ambiente);
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("endpoints.ini"));
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
        f.close();
        qputenv("WORKBENCH_ENDPOINTS", percorso.toLocal8Bit());
        if (ambiente.isNull())
            qunsetenv("WORKBENCH_ORA_PORTA");
        else
            qputenv("WORKBENCH_ORA_PORTA", ambiente);
        QCOMPARE(PuntiRete::PercorsoFile(), percorso);
        QTEST(PuntiRete::Valore(QStringLiteral("ora/porta")), "valore");
        QTEST(PuntiRete::Intero(QStringLiteral("ora/porta")), "intero");
        QCOMPARE(PuntiRete::Valore(QStringLiteral("ora/host")), QString());
        qunsetenv("WORKBENCH_ORA_PORTA");
    }
};

QTEST_MAIN(TestPuntiRete)
#include "test_puntirete.moc"
