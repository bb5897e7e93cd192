// Where an endpoint's value comes from: environment over file over default,
// the file found from the folder the program was started in.
#include "comm/PuntiRete.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool Scrivi(const QString& percorso, const QByteArray& testo)
{
    QFile f(percorso);
    return QDir().mkpath(QFileInfo(percorso).path()) && f.open(QIODevice::WriteOnly) && f.write(testo) == testo.size();
}
} // namespace

class TestPuntiRete : public QObject {
    Q_OBJECT
private slots:
    // Settings OK makes the data folder current; the tools still read the
    // file of the folder the program started in, never one of the new
    // current folder. A relative WORKBENCH_ENDPOINTS counts from there too.
    void cartellaDiAvvio_data()
    {
        QTest::addColumn<bool>("relativo");
        QTest::addColumn<QString>("valore");
        QTest::newRow("endpoints.ini") << false << "37";
        QTest::newRow("relative WORKBENCH_ENDPOINTS") << true << "1037";
    }
    void cartellaDiAvvio()
    {
        QFETCH(bool, relativo);
        qunsetenv("WORKBENCH_ENDPOINTS");
        qunsetenv("WORKBENCH_ORA_PORTA");
        // Nothing has changed the current directory yet: the folder started in.
        const QDir avvio = QDir::current();
        if (avvio.exists(QStringLiteral("endpoints.ini"))) QSKIP("the folder the tests start in has its own endpoints.ini");
        QTemporaryDir proprio(avvio.filePath(QStringLiteral("puntirete-XXXXXX")));
        QTemporaryDir dati;
        QVERIFY(proprio.isValid() && dati.isValid());
        const QString nome = QFileInfo(proprio.path()).fileName() + QStringLiteral("/endpoints.ini");
        QVERIFY(Scrivi(avvio.filePath(nome), "[ora]\nporta=1037\n"));
        QVERIFY(Scrivi(dati.filePath(nome), "[ora]\nporta=2037\n"));
        QVERIFY(Scrivi(dati.filePath(QStringLiteral("endpoints.ini")), "[ora]\nporta=3037\n"));
        if (relativo) qputenv("WORKBENCH_ENDPOINTS", nome.toLocal8Bit());
        QVERIFY(QDir::setCurrent(dati.path()));
        const QString percorso = PuntiRete::PercorsoFile();
        const QString valore = PuntiRete::Valore(QStringLiteral("ora/porta"));
        QDir::setCurrent(avvio.path());
        qunsetenv("WORKBENCH_ENDPOINTS");
        QTEST(valore, "valore");
        QCOMPARE(percorso, avvio.filePath(relativo ? nome : QStringLiteral("endpoints.ini")));
    }

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
