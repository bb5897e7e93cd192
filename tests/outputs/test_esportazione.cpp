// The export file: header bytes by brand, the memory picture (code, gaps,
// sections) and every way the export can end without writing a file.
#include "base/Globali.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/Checksum.h"
#include "display/Task.h"
#include "outputs/EsportaProgetto.h"
#include "outputs/FileEsportazione.h"
#include "registers/Variabili.h"
#include "support/AiutiCompilatore.h"
#include "support/DiscoPieno.h"
#include "transfer/MappaMemoria.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Aiuti;

namespace {
struct Traccia : RapportoTrasferimento {
    QStringList log;
    int clessidra = 0;
    void Inizia() override { log << QStringLiteral("--"); }
    void Scrivi(const QString& riga) override { log << riga; }
    void Clessidra(bool a) override { clessidra += a ? 1 : -1; }
};

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(dati);
}
} // namespace

class TestEsportazione : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString risposta;   // what the save dialog answers; empty cancels

private slots:
    void initTestCase()
    {
        Prompt::ImpostaRisponditore([this](const Prompt::Richiesta&) {
            return Prompt::Risposta_{.testo = risposta, .annullato = risposta.isEmpty()};
        });
        Prompt::RegistraStorico(true);
        Versione = QStringLiteral("1.8");
        Revisione = QStringLiteral("c");
    }
    void init()
    {
        Prepara();
        Modelli[0] = DefModello{.Nome = QStringLiteral("QVR4555-USB"), .NumStringhe = 127, .NumBlocchi = 2,
                                .IndirizzoVariabili = 0x1E00, .IndirizzoProgramma = 0x200,
                                .DimensioneProgramma = 5634, .IndirizzoStringhe = 0x8C00};
        for (int p = 0; p < NumProcessi; ++p) Carica(p, {});
        Carica(0, {B(3), B(3)});
        NumVariabili = 0;
        NumTask = 0;
        Marchio650 = false;
        NomeFile = QStringLiteral("progetto.prj");
        Prompt::Storico().clear();
    }

    void intestazione_data()
    {
        QTest::addColumn<bool>("marchio");
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<QByteArray>("magia");
        QTest::addColumn<QString>("filtro");
        QTest::newRow("MIROK, extension added") << false << "a" << "a.mrk" << QByteArray("MIROK") << " (*.mrk);;(*.*)";
        QTest::newRow("BRIXA, extension added") << true << "b" << "b.brx" << QByteArray("BRIXA") << " (*.brx);;(*.*)";
        QTest::newRow("own extension kept") << true << "c.bin" << "c.bin" << QByteArray("BRIXA") << " (*.brx);;(*.*)";
    }
    void intestazione()
    {
        QFETCH(bool, marchio);
        QFETCH(QString, scelto);
        QFETCH(QString, scritto);
        QFETCH(QByteArray, magia);
        QFETCH(QString, filtro);
        Marchio650 = marchio;
        risposta = dir.filePath(scelto);
        Traccia t;
        QVERIFY(EsportaProgetto(t));
        QCOMPARE(Prompt::Storico().last().filtro, filtro);
        const QByteArray f = Leggi(dir.filePath(scritto));
        QCOMPARE(f.size(), 50944);
        QCOMPARE(f.left(8), magia + "18c");
        QCOMPARE(f.mid(8, 40).toHex(), QByteArray("00020000" "03180000" "ff1d0000" "ff250000" "008c0000"
                                                      "1f9c0000" "009e0000" "ffad0000" "00c00000" "ffc70000"));
        QCOMPARE(f.mid(48, 78), QByteArray(78, '\0'));
        const uint16_t crc = CalcolaCRC(reinterpret_cast<const uint8_t*>(f.constData()), 126);
        QCOMPARE(uint8_t(f[126]), uint8_t(crc & 0xFF));
        QCOMPARE(uint8_t(f[127]), uint8_t(crc >> 8));
        QCOMPARE(f.mid(128, 128), QByteArray(128, '\0'));
        QCOMPARE(NomeFile, QStringLiteral("progetto.prj"));
        QCOMPARE(t.log.mid(0, 2), QStringList({"--", "Exporting ..."}));
        QCOMPARE(t.log.last(), QStringLiteral("Export Successul"));
        QCOMPARE(t.log.count(QStringLiteral("Export Successul")), 5);
        QCOMPARE(t.clessidra, 0);
    }

    void immagine()
    {
        // Stale bytes everywhere in the shared buffer must not reach the file.
        BufferTrasferimento.fill(0xEE);
        QVERIFY(CompilaProgramma() > 0);
        NumVariabili = 1;
        Variabili[0] = Variabile{};
        Variabili[0].RegistroVar = 300;
        Variabili[0].EtichettaVar = QStringLiteral("v");
        Stringhe[0].TestoVoce = QStringLiteral("s0");
        NumTask = 1;
        Tasks[1].StringaTask = QStringLiteral("ts");
        Blocchi[1].TestoVoce = QStringLiteral("b1");
        Traccia t;
        const QByteArray f = ComponiEsportazione(t);
        QCOMPARE(f.size(), FileEsportazione::Lunghezza);
        auto a = [&f](int indirizzo, int n) { return f.mid(indirizzo - 256, n); };
        QCOMPARE(a(0x200, 5634), QByteArray(reinterpret_cast<const char*>(ImmagineCodice.data()), 5634));
        QVERIFY(uint8_t(f[256]) != 0);
        uint8_t record[16];
        QVERIFY(RecordVariabile(Variabili[0], 0x8C00, record));
        const QByteArray zero(0x10000, '\0');
        struct Attesa { int da, n; QByteArray byte; };
        const QList<Attesa> righe = {
            {0x1802, 0x1DFF - 0x1802, zero.left(0x1DFF - 0x1802)},               // the code's tail and gap 1
            {0x1DFF, 1, QByteArray(1, '\0')},                                     // one record: count byte 0
            {0x1E00, 16, QByteArray(reinterpret_cast<const char*>(record), 16)},
            {0x1E10, 0x25FF - 0x1E10 + 1, zero.left(0x25FF - 0x1E10 + 1)},
            {0x2600, 0x8C00 - 0x2600, zero.left(0x8C00 - 0x2600)},               // gap 3
            {0x8C00, 32, QByteArray("s0") + zero.left(30)},
            {0x9C00, 0x9E00 - 0x9C00, zero.left(0x9E00 - 0x9C00)},               // string 127, gap 5
            {0x9E00, 0x200, QByteArray("ts") + zero.left(0x1FE)},
            {0xA000, 0xC000 - 0xA000, zero.left(0xC000 - 0xA000)},               // other tasks, gap 7
            {0xC000, 0x100, zero.left(0x100)},
            {0xC100, 0x100, QByteArray("b1") + zero.left(0xFE)},
            {0xC200, 0xC800 - 0xC200, zero.left(0xC800 - 0xC200)},
        };
        for (const Attesa& r : righe) QVERIFY2(a(r.da, r.n) == r.byte, qPrintable(QString::number(r.da, 16)));
        QCOMPARE(t.log.count(QStringLiteral("Export Successul")), 4);
    }

    void fallimenti_data()
    {
        QTest::addColumn<QString>("scelto");   // empty: cancel
        QTest::addColumn<bool>("guasto");      // a rung that cannot compile
        QTest::addColumn<QByteArray>("prima"); // the file at the path before
        QTest::addColumn<bool>("esito");
        QTest::addColumn<QString>("ultima");
        QTest::addColumn<int>("dopo");         // file length afterwards, -1 none
        QTest::newRow("cancel") << "" << false << QByteArray("old") << false << "Exporting ..." << 3;
        QTest::newRow("failed compile, no file") << "x.mrk" << true << QByteArray() << false << "Export Failed" << -1;
        QTest::newRow("failed compile, file kept") << "x.mrk" << true << QByteArray("old") << false << "Export Failed" << 3;
        QTest::newRow("no such folder") << "nocartella/x.mrk" << false << QByteArray() << false << "Export Failed" << -1;
        QTest::newRow("longer file replaced") << "x.mrk" << false << QByteArray(60000, 'z') << true << "Export Successul" << 50944;
    }
    void fallimenti()
    {
        QFETCH(QString, scelto);
        QFETCH(bool, guasto);
        QFETCH(QByteArray, prima);
        QFETCH(bool, esito);
        const QString percorso = dir.filePath(scelto.isEmpty() ? QStringLiteral("x.mrk") : scelto);
        QFile::remove(percorso);
        if (!prima.isEmpty()) Scrivi(percorso, prima);
        if (guasto) Carica(0, {B(3, 0, 0, 40)});
        risposta = scelto.isEmpty() ? QString() : percorso;
        Traccia t;
        QCOMPARE(EsportaProgetto(t), esito);
        QTEST(t.log.last(), "ultima");
        if (scelto.isEmpty()) QCOMPARE(t.log.size(), 2);
        QCOMPARE(t.clessidra, 0);
        QTEST(QFileInfo::exists(percorso) ? int(QFileInfo(percorso).size()) : -1, "dopo");
        if (!esito && !prima.isEmpty()) QCOMPARE(Leggi(percorso), prima);
        QCOMPARE(NomeFile, QStringLiteral("progetto.prj"));
    }

    // Onto a full disk: the file and the reason in the report, then the
    // failure; the old file kept.
    void discoPieno()
    {
        Test::DiscoPieno disco;
        if (!disco.Pronto()) QSKIP(qPrintable(disco.Motivo()));
        const QString percorso = disco.Percorso(QStringLiteral("x.mrk"));
        Scrivi(percorso, "old");
        disco.Riempi();
        risposta = percorso;
        Traccia t;
        QVERIFY(!EsportaProgetto(t));
        QCOMPARE(t.log.last(), QStringLiteral("Export Failed"));
        QVERIFY2(t.log.at(t.log.size() - 2).startsWith(percorso + ": "), qPrintable(t.log.join("|")));
        QCOMPARE(Leggi(percorso), QByteArray("old"));
    }
};

QTEST_MAIN(TestEsportazione)
#include "test_esportazione.moc"
