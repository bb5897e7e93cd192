// Writing a file whole or not at all: a device that stops taking bytes part
// of the way, and a real file system with no room left, are both reported,
// and the file that was there stays as it was.
#include "base/ScritturaFile.h"
#include "support/DiscoPieno.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A device that takes `capienza` bytes and then fails in one of the ways a
// disk does: it refuses the write, takes nothing more without a word, or
// says it took the bytes and keeps fewer.
class DispositivoPieno : public QIODevice {
public:
    enum Modo { Rifiuta, Ferma, Perde };
    DispositivoPieno(qint64 capienza, Modo modo) : m_capienza(capienza), m_modo(modo) { open(WriteOnly); }
    QByteArray tenuti;

    qint64 size() const override { return tenuti.size(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dati, qint64 quanti) override
    {
        const qint64 posto = std::min(quanti, m_capienza - tenuti.size());
        if (posto <= 0 && m_modo == Rifiuta) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        tenuti.append(dati, posto);
        return m_modo == Perde ? quanti : posto;
    }

private:
    qint64 m_capienza;
    Modo m_modo;
};

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Scrivi(const QString& percorso, const QByteArray& byte)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(byte), byte.size());
}
} // namespace

class TestScritturaFile : public QObject {
    Q_OBJECT
private slots:
    void dispositivo_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<qint64>("capienza");
        QTest::addColumn<bool>("riuscita");
        const QList<std::pair<const char*, int>> modi = {{"refuses", DispositivoPieno::Rifiuta},
                                                        {"stops", DispositivoPieno::Ferma},
                                                        {"loses", DispositivoPieno::Perde}};
        for (const auto& [nome, modo] : modi) {
            QTest::newRow(qPrintable(QStringLiteral("%1 at 0").arg(nome))) << modo << qint64(0) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 half way").arg(nome))) << modo << qint64(500) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 one short").arg(nome))) << modo << qint64(999) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 room enough").arg(nome))) << modo << qint64(1000) << true;
        }
    }
    void dispositivo()
    {
        QFETCH(int, modo);
        QFETCH(qint64, capienza);
        QFETCH(bool, riuscita);
        DispositivoPieno d(capienza, DispositivoPieno::Modo(modo));
        const QByteArray byte(1000, 'x');
        const auto motivo = ScriviTutto(d, byte);
        QCOMPARE(!motivo, riuscita);
        if (motivo) QVERIFY(!motivo->isEmpty());
        else QCOMPARE(d.tenuti, byte);
    }

    // Small contents wait in the file's buffer until it is closed, large ones
    // go out at once: neither may be taken for saved on a full disk.
    void discoPieno_data()
    {
        QTest::addColumn<int>("dimensione");
        for (int n : {1, 100, 3000, 10000, 40000, 100000}) QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void discoPieno()
    {
        QFETCH(int, dimensione);
        Test::DiscoPieno disco;
        if (!disco.Pronto()) QSKIP(qPrintable(disco.Motivo()));
        const QString percorso = disco.Percorso(QStringLiteral("data.bin"));
        Scrivi(percorso, "old content");
        disco.Riempi();
        const auto guasto = ScritturaFile::Scrivi(percorso, QByteArray(dimensione, 'n'));
        QVERIFY(guasto);
        QCOMPARE(guasto->file, percorso);
        QVERIFY(!guasto->motivo.isEmpty());
        QCOMPARE(Leggi(percorso), QByteArray("old content"));
        // No temporary file left behind.
        QCOMPARE(QDir(QFileInfo(percorso).path()).entryList(QDir::Files).size(), 2);
        // With room again the same write goes through.
        disco.Libera();
        QVERIFY(!ScritturaFile::Scrivi(percorso, QByteArray(std::min(dimensione, 40000), 'n')));
        QCOMPARE(Leggi(percorso), QByteArray(std::min(dimensione, 40000), 'n'));
    }

    // Prepared files are put in place only when confirmed: one that could not
    // be written keeps every other file of the group as it was.
    void gruppo()
    {
        QTemporaryDir cartella;
        const QString a = cartella.filePath("a"), b = cartella.filePath("b");
        Scrivi(a, "old a");
        ScritturaFile fa(a);
        QVERIFY(!fa.Prepara("new a"));
        QCOMPARE(Leggi(a), QByteArray("old a"));
        QVERIFY(QDir().mkdir(b));   // a folder where the file should go
        ScritturaFile fb(b);
        QVERIFY(fb.Prepara("new b"));
        QCOMPARE(Leggi(a), QByteArray("old a"));
        QVERIFY(!fa.Conferma());
        QCOMPARE(Leggi(a), QByteArray("new a"));
    }
};

QTEST_GUILESS_MAIN(TestScritturaFile)
#include "test_scritturafile.moc"
