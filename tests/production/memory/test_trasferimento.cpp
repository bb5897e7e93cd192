// Memory-image files and the block transfers against the fake controller:
// file bytes in both forms, the parser, the requests of each range, retries,
// refusals with nothing on the wire, progress and the clear.
#include "base/Globali.h"
#include "comm/AreaComunicazione.h"
#include "production/memory/FileHex.h"
#include "production/memory/TrasferimentoMemoria.h"
#include "support/Copione.h"
#include "support/DiscoPieno.h"
#include "support/EventiRegistrati.h"
#include "support/FakeController.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace Test;
using R = FakeController::Risposta;
using Byte = std::vector<uint8_t>;

namespace {
// Sub-code and address of each request, three bytes a request.
QByteArray Blocchi(const QList<QByteArray>& richieste)
{
    QByteArray out;
    for (const QByteArray& r : richieste) out += r.mid(2, 1) + r.mid(4, 2);
    return out;
}
QByteArray Blocchi(int sub, int first, int end)
{
    QByteArray out;
    for (int b = first; b < end; ++b) out += char(sub) + QByteArray(1, char((32 * b) >> 8)) + char((32 * b) & 0xFF);
    return out;
}
uint8_t Campione(int a) { return uint8_t(a * 7 + (a >> 8)); }
} // namespace

class TestTrasferimento : public QObject {
    Q_OBJECT
    FakeController m_fake;
    EventiRegistrati m_eventi;
    Copione m_copione;
    QTemporaryDir m_dir;

    void Prepara(bool rtu = false)
    {
        QVERIFY(CollegaAlFake(m_fake, rtu, 4));
        m_copione = Copione();
        m_copione.Installa();
        m_eventi.log.clear();
        NomeFile.clear();
    }
    QString File(const QString& nome, const QByteArray& testo)
    {
        QFile f(m_dir.filePath(nome));
        if (!f.open(QIODevice::WriteOnly) || f.write(testo) != testo.size()) qFatal("cannot write %s", qPrintable(nome));
        return f.fileName();
    }
    static QByteArray Leggi(const QString& p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_fake.AvviaTcp());
        QVERIFY(m_fake.AvviaRtu(4));
    }
    // Every way out of a transfer gives the cursor back and ends its run.
    void cleanup()
    {
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(!TrasferimentoInCorso());
    }

    void forme()
    {
        const uint8_t d[3] = {7, 0, 255};
        QCOMPARE(ScriviFileHex(d, 3, FormaFileHex::Byte), QByteArray(" 7 \r\n 0 \r\n 255 \r\n"));
        QCOMPARE(ScriviFileHex(d, 3, FormaFileHex::Caratteri), QByteArray("\x07\x00\xff\r\n", 5));
        QCOMPARE(ScriviFileHex(d, 0, FormaFileHex::Caratteri), QByteArray("\r\n"));
    }

    void lettura_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("servono");
        QTest::addColumn<QList<int>>("attesi");   // empty: refused
        QTest::newRow("lines") << QByteArray(" 1 \r\n 2 \r\n 3 \r\n") << 3 << QList<int>{1, 2, 3};
        QTest::newRow("mixed") << QByteArray("1,2 3\n4\t5,,6\r") << 6 << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("more than asked") << QByteArray("9 8 007") << 2 << QList<int>{9, 8};
        QTest::newRow("short") << QByteArray("1 2 3") << 4 << QList<int>{};
        QTest::newRow("300") << QByteArray("1 300 3") << 3 << QList<int>{};
        QTest::newRow("fraction") << QByteArray("1 2.5 3") << 3 << QList<int>{};
        QTest::newRow("negative") << QByteArray("1 -2 3") << 3 << QList<int>{};
        QTest::newRow("word past the range") << QByteArray("1 2 x") << 2 << QList<int>{};
    }
    void lettura()
    {
        QFETCH(QByteArray, testo);
        QFETCH(int, servono);
        QFETCH(QList<int>, attesi);
        const auto v = LeggiFileHex(testo, servono);
        QCOMPARE(v.has_value(), !attesi.isEmpty());
        if (v) QCOMPARE(QList<int>(v->begin(), v->end()), attesi);
    }

    void percentuale()
    {
        const int casi[][3] = {{2047, 2048, 100}, {0, 3, 33}, {0, 8, 12}, {2, 8, 38}, {0, 200, 0}, {2, 200, 2}};
        for (const auto& c : casi) QCOMPARE(int(Percentuale(c[0], c[1])), c[2]);
    }

    // Upload to a file in both forms, then write it back from address 0.
    void andataRitorno_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("forma");
        QTest::newRow("0-2 byte") << 0 << 2 << 0;
        QTest::newRow("4-6 byte") << 4 << 6 << 0;
        QTest::newRow("4-6 chars") << 4 << 6 << 1;
        QTest::newRow("2047-2048 byte") << 2047 << 2048 << 0;
    }
    void andataRitorno()
    {
        QFETCH(int, first);
        QFETCH(int, end);
        QFETCH(int, forma);
        Prepara();
        for (int a = 0; a < 65536; ++a) m_fake.Memoria[quint32(a)] = Campione(a);
        const QString nome = m_dir.filePath(QStringLiteral("up.hex"));
        m_copione.RispondiTesto(nome);
        UploadFileHex(first, end, true, forma);
        QCOMPARE(m_eventi.Righe(), (QStringList{"Uploading ...", "Upload Successul"}));
        QCOMPARE(Blocchi(m_fake.Richieste), Blocchi(2, first, end));
        QCOMPARE(NomeFile, nome);
        QCOMPARE(m_copione.richieste.at(0).filtro, QStringLiteral(" (*.hex);;(*.*)"));
        const QByteArray file = Leggi(nome);
        const int n = 32 * (end - first);
        if (forma == 1) {
            QCOMPARE(file.size(), n + 2);
            QCOMPARE(uint8_t(file[n - 1]), Campione(32 * end - 1));
            return;   // the character form is never read back
        }
        QCOMPARE(file.count("\r\n"), n);
        QVERIFY(file.startsWith(' ' + QByteArray::number(Campione(32 * first)) + " \r\n"));
        // Written back, the file's first byte lands on address 0.
        Prepara();
        m_fake.Memoria.clear();
        m_copione.RispondiTesto(nome);
        QCOMPARE(DownloadFileHex(0, end - first, true), DownloadRiuscito);
        QCOMPARE(m_eventi.Righe(), (QStringList{"Downloading ...", "Download Successul"}));
        for (int a = 0; a < n; a += 13) QCOMPARE(m_fake.Memoria.value(quint32(a)), Campione(32 * first + a));
        QCOMPARE(m_fake.Richieste.at(0).size(), 39);
    }

    // Each of these sends nothing, and writes nothing into BufferEeprom.
    void rifiuti_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("end");
        QTest::addColumn<QByteArray>("file");   // null: the dialog is cancelled; "-": no such file
        QTest::addColumn<QStringList>("log");
        const QStringList fallito = {"Download Failed"};
        QTest::newRow("cancelled") << 0 << 1 << QByteArray() << QStringList{};
        QTest::newRow("missing file") << 0 << 1 << QByteArray("-") << fallito;
        QTest::newRow("short file") << 0 << 1 << QByteArray(31 * 3, ' ').replace(0, 1, "1") << fallito;
        QTest::newRow("256 in file") << 0 << 1 << QByteArray("256 ").repeated(32) << fallito;
        QTest::newRow("first negative") << -1 << 1 << QByteArray("1 ").repeated(64) << fallito;
        QTest::newRow("end 2049") << 0 << 2049 << QByteArray("1 ").repeated(64) << fallito;
        QTest::newRow("first above end") << 3 << 2 << QByteArray("1 ").repeated(128) << fallito;
    }
    void rifiuti()
    {
        QFETCH(int, first);
        QFETCH(int, end);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, log);
        Prepara();
        BufferEeprom.fill(9);
        if (!file.isNull())
            m_copione.RispondiTesto(file == "-" ? m_dir.filePath(QStringLiteral("none.hex")) : File(QStringLiteral("r.hex"), file));
        QCOMPARE(DownloadFileHex(first, end, true), DownloadFallito);
        QCOMPARE(m_eventi.Righe(), log);
        QVERIFY(m_fake.Richieste.isEmpty());
        QVERIFY(std::all_of(BufferEeprom.begin(), BufferEeprom.end(), [](uint8_t b) { return b == 9; }));
    }

    void ripetizioni_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<int>("mancate");
        QTest::addColumn<int>("richieste");
        QTest::addColumn<QString>("ultima");
        QTest::newRow("tcp fails once") << false << 1 << 3 << "Download Successul";
        QTest::newRow("tcp fails twice") << false << 2 << 2 << "Download Failed";
        QTest::newRow("rtu fails once") << true << 1 << 3 << "Download Successul";
    }
    void ripetizioni()
    {
        QFETCH(bool, rtu);
        QFETCH(int, mancate);
        QFETCH(int, richieste);
        QFETCH(QString, ultima);
        Prepara(rtu);
        PercentualeDownload = 0;
        for (int i = 0; i < 32; ++i) BufferEeprom[size_t(32 + i)] = uint8_t(i);
        for (int i = 0; i < mancate; ++i) m_fake.Accoda(R::Nessuna());
        QCOMPARE(DownloadFileHex(0, 2, false), mancate < 2 ? DownloadRiuscito : DownloadFallito);
        QCOMPARE(m_fake.Richieste.size(), richieste);
        QCOMPARE(m_fake.Richieste.at(0), m_fake.Richieste.at(1));   // the same block again
        QCOMPARE(m_eventi.Righe().first(), QStringLiteral("Downloading ..."));
        QCOMPARE(m_eventi.Righe().last(), ultima);
        QCOMPARE(int(PercentualeDownload), mancate < 2 ? 100 : 0);
        if (mancate < 2) QCOMPARE(m_fake.Richieste.last(), QByteArray::fromHex("0a1404000020" "20") + QByteArray::fromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f"));
    }

    void uploadFallito()
    {
        Prepara();
        m_fake.Accoda({R::Predefinita(), R::Nessuna()});
        NomeFile = m_dir.filePath(QStringLiteral("never.hex"));
        UploadFileHex(0, 3, false, 0);
        QCOMPARE(m_fake.Richieste.size(), 2);   // no retry
        QCOMPARE(m_eventi.Righe().last(), QStringLiteral("Upload Failed"));
        QVERIFY(!QFile::exists(NomeFile));
        // A file that cannot be written: the success line, then the failure.
        Prepara();
        NomeFile = m_dir.path();
        UploadFileHex(0, 1, false, 0);
        QCOMPARE(m_eventi.Righe(), (QStringList{"Uploading ...", "Upload Successul", "Upload Failed"}));
    }

    // An image saved onto a full disk: the failure logged, the old file kept.
    void discoPieno()
    {
        Test::DiscoPieno disco;
        if (!disco.Pronto()) QSKIP(qPrintable(disco.Motivo()));
        Prepara();
        NomeFile = disco.Percorso(QStringLiteral("old.hex"));
        QFile f(NomeFile);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("old image") == 9);
        f.close();
        disco.Riempi();
        UploadFileHex(0, 2, false, 0);
        QCOMPARE(m_eventi.Righe(), (QStringList{"Uploading ...", "Upload Successul", "Upload Failed"}));
        QCOMPARE(Leggi(NomeFile), QByteArray("old image"));
    }

    void avanzamentoEConcorrenza()
    {
        Prepara();
        QList<QList<int>> passi;
        AvanzamentoMemoria = [&](int fatti, int totale) { passi.append({fatti, totale, PercentualeDownload}); };
        // A second transfer asked for while a block is on its way is refused.
        EsitoDownload seconda = DownloadRiuscito;
        bool inCorso = false, clessidra = false;
        m_fake.Accoda(R::Funzione([&](const QByteArray& q) {
            inCorso = TrasferimentoInCorso();
            clessidra = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            seconda = DownloadFileHex(0, 1, false);
            UploadFileHex(0, 1, false, 0);
            return m_fake.RispostaPredefinita(q);
        }));
        QCOMPARE(DownloadFileHex(2, 5, false), DownloadRiuscito);
        AvanzamentoMemoria = [](int, int) {};
        QVERIFY(inCorso && clessidra);
        QCOMPARE(seconda, DownloadFallito);
        QCOMPARE(m_fake.Richieste.size(), 3);
        QCOMPARE(passi, (QList<QList<int>>{{0, 3, 60}, {1, 3, 80}, {2, 3, 100}}));
        QCOMPARE(m_eventi.Righe(), (QStringList{"Downloading ...", "Memory transfer already running",
                                                "Memory transfer already running", "Download Successul"}));
        // first = end: nothing sent, success.
        Prepara();
        QCOMPARE(DownloadFileHex(7, 7, false), DownloadRiuscito);
        QVERIFY(m_fake.Richieste.isEmpty());
    }

    void clear_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("daBlocco");
        QTest::newRow("0-18") << 0 << 18 << 16;
        QTest::newRow("17-19") << 17 << 19 << 17;
        QTest::newRow("0-10") << 0 << 10 << 10;
    }
    void clear()
    {
        QFETCH(int, first);
        QFETCH(int, end);
        QFETCH(int, daBlocco);
        Prepara();
        BufferEeprom.fill(0xAA);
        QCOMPARE(ClearEeprom(first, end), DownloadRiuscito);
        QCOMPARE(Blocchi(m_fake.Richieste), Blocchi(4, daBlocco, end));
        for (const QByteArray& r : m_fake.Richieste) QCOMPARE(r.mid(7), QByteArray(32, '\0'));
        QVERIFY(std::all_of(BufferEeprom.begin(), BufferEeprom.begin() + 512, [](uint8_t b) { return b == 0xAA; }));
        QVERIFY(std::all_of(BufferEeprom.begin() + 512, BufferEeprom.begin() + 65536, [](uint8_t b) { return b == 0; }));
    }
};

QTEST_MAIN(TestTrasferimento)
#include "test_trasferimento.moc"
