// The MAC tool without its window: list and file texts, the report, the read
// against a fake controller on loopback TCP, and the file questions.
#include "Aiuti.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "production/RegistroMAC.h"
#include "support/Copione.h"
#include "support/FakeController.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Test::FakeController;
using Voci = QList<VoceMAC>;
Q_DECLARE_METATYPE(VoceMAC)
Q_DECLARE_METATYPE(CampiMAC)

namespace {
const VoceMAC kA{"00-04-A3-12-34-56", 1, "123", "09", ""};
const VoceMAC kB{"00-04-A3-00-00-01", 57, "", "09", "Rossi"};
const VoceMAC kC{"00-04-A3-00-00-02", 3, "ABCDE", "10", "Bianchi & C."};

QByteArray Leggi(const QString& p)
{
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
void Scrivi(const QString& p, const QByteArray& b)
{
    QFile f(p);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}
} // namespace

class TestRegistroMAC : public QObject {
    Q_OBJECT
    FakeController fake;
    Test::Copione copione;
    QTemporaryDir dir;
    QString P(const char* n) const { return dir.filePath(QString::fromLatin1(n)); }
    void Mac(uint16_t a, uint16_t b, uint16_t c) { fake.Input[14] = a, fake.Input[15] = b, fake.Input[16] = c; }

private slots:
    void initTestCase() { QVERIFY(fake.AvviaTcp()); }
    void init()
    {
        copione = Test::Copione();
        copione.Installa();
        QVERIFY(Test::CollegaAlFake(fake, false));
    }

    void righe_data()
    {
        QTest::addColumn<VoceMAC>("v");
        QTest::addColumn<QString>("elenco");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("first read") << kA << "[1]\t00-04-A3-12-34-56\tPFC:123/09\tCl.:" << QByteArray("1\t00-04-A3-12-34-56\t123/09\t\r\n");
        QTest::newRow("no pfc") << kB << "[57]\t00-04-A3-00-00-01\tPFC:/09\tCl.:Rossi" << QByteArray("57\t00-04-A3-00-00-01\t/09\tRossi\r\n");
        QTest::newRow("latin-1") << VoceMAC{"x", -2, "é", "", "Società"} << "[-2]\tx\tPFC:é/\tCl.:Società"
                                 << QByteArray("-2\tx\t\xe9/\tSociet\xe0\r\n");
    }
    void righe()
    {
        QFETCH(VoceMAC, v);
        QFETCH(QString, elenco);
        QFETCH(QByteArray, file);
        QCOMPARE(RigaElenco(v), elenco);
        QCOMPARE(RigaFile(v), file);
        QCOMPARE(LeggiRigaFile(file.chopped(2)), std::optional<VoceMAC>(v));
    }

    // The third field splits at its last "/"; a line that cannot be read
    // gives nothing.
    void lettura_data()
    {
        QTest::addColumn<QByteArray>("riga");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("pfc");
        QTest::addColumn<QString>("anno");
        QTest::addColumn<QString>("cliente");
        QTest::newRow("5-char code") << QByteArray("4\tM\tABCDE/09\tC") << true << "ABCDE" << "09" << "C";
        QTest::newRow("empty code") << QByteArray("4\tM\t/09\t") << true << "" << "09" << "";
        QTest::newRow("slash in code") << QByteArray("4\tM\tA/B/09\tC") << true << "A/B" << "09" << "C";
        QTest::newRow("tab in customer") << QByteArray("4\tM\tA/09\tC\tD") << true << "A" << "09" << "C\tD";
        QTest::newRow("no slash") << QByteArray("4\tM\tA09\tC") << false << "" << "" << "";
        QTest::newRow("number") << QByteArray("x\tM\tA/09\tC") << false << "" << "" << "";
        QTest::newRow("fields missing") << QByteArray("4\tM\tA/09") << false << "" << "" << "";
    }
    void lettura()
    {
        QFETCH(QByteArray, riga);
        QFETCH(bool, ok);
        const auto v = LeggiRigaFile(riga);
        QCOMPARE(v.has_value(), ok);
        if (!ok) return;
        QCOMPARE(v->PFC, DATO(QString, pfc));
        QCOMPARE(v->Anno, DATO(QString, anno));
        QCOMPARE(v->Cliente, DATO(QString, cliente));
    }

    void report_data()
    {
        QTest::addColumn<int>("scelta");
        QTest::addColumn<QStringList>("campi");
        QTest::addColumn<QByteArray>("attese");
        const QByteArray testa = "\r\n-----------------------------------------------------\r\nID\tMAC\t\t\tPFC\tCliente\r\n";
        QTest::newRow("pfc") << 0 << QStringList{"123", "09", ""}
                             << "Report MAC per PCF 123/09\r\n07/12/26 14:05:09" + testa + "1\t00-04-A3-12-34-56\t123/09\t_________________\r\n";
        QTest::newRow("customer") << 1 << QStringList{"", "", "Rossi"}
                                  << "Report MAC per Cliente Rossi\r\n07/12/26 14:05:09" + testa + "57\t00-04-A3-00-00-01\t___/__\tRossi\r\n";
        QTest::newRow("customer exact") << 1 << QStringList{"", "", "rossi"} << "Report MAC per Cliente rossi\r\n07/12/26 14:05:09" + testa;
        QTest::newRow("year") << 2 << QStringList{"", "09", ""}
                              << "Report MAC per Anno 2009\r\n07/12/26 14:05:09" + testa
                                     + "1\t00-04-A3-12-34-56\t123/09\t_________________\r\n57\t00-04-A3-00-00-01\t___/__\tRossi\r\n";
    }
    void report()
    {
        QFETCH(int, scelta);
        QFETCH(QStringList, campi);
        const QDateTime quando(QDate(2026, 12, 7), QTime(14, 5, 9));
        QCOMPARE(TestoReport({kA, kB, kC}, SceltaReport(scelta), campi[0], campi[1], campi[2], quando,
                             QLocale(QLocale::Italian, QLocale::Italy)),
                 DATO(QByteArray, attese));
    }

    // The read goes to unit 1 whatever the node; numbering continues from
    // the highest number; a MAC already listed or all FF adds nothing.
    void lettura_mac_data()
    {
        QTest::addColumn<Voci>("prima");
        QTest::addColumn<QList<uint16_t>>("registri");
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<int>("numero");   // of the added entry, 0 none
        QTest::newRow("first") << Voci{} << QList<uint16_t>{0x0004, 0xA312, 0x3456} << QStringList{} << 1;
        QTest::newRow("after 57") << Voci{kB, kC} << QList<uint16_t>{0x0004, 0xA312, 0x3456} << QStringList{} << 58;
        QTest::newRow("twice listed") << Voci{kA, kB, kA} << QList<uint16_t>{0x0004, 0xA312, 0x3456}
                                      << QStringList{"MAC già inserito", "MAC già inserito"} << 0;
        QTest::newRow("all FF") << Voci{} << QList<uint16_t>{0xFFFF, 0xFFFF, 0xFFFF} << QStringList{"MAC non valido"} << 0;
    }
    void lettura_mac()
    {
        QFETCH(Voci, prima);
        QFETCH(QList<uint16_t>, registri);
        Mac(registri[0], registri[1], registri[2]);
        RegistroMAC r;
        r.ElencoMAC = prima;
        EcoTerminale = true;
        const bool aggiunta = r.LeggiMAC(CampiMAC{"123", "09", ""});
        QCOMPARE(fake.Richieste, QList<QByteArray>{QByteArray::fromHex("0104000e0003")});
        QVERIFY(!EcoTerminale);
        QCOMPARE(copione.Messaggi(), DATO(QStringList, messaggi));
        QFETCH(int, numero);
        QCOMPARE(aggiunta, numero != 0);
        QCOMPARE(r.ElencoModificato, aggiunta);
        QCOMPARE(r.ElencoMAC.size(), prima.size() + (aggiunta ? 1 : 0));
        if (aggiunta) QCOMPARE(r.RigheElenco().last(), QStringLiteral("[%1]\t00-04-A3-12-34-56\tPFC:123/09\tCl.:").arg(numero));
    }

    void lettura_rifiutata_data()
    {
        QTest::addColumn<CampiMAC>("campi");
        QTest::addColumn<bool>("inviata");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("no reply") << CampiMAC{} << true << "Errore Lettura";
        QTest::newRow("slash in year") << CampiMAC{"1", "0/9", ""} << false << "";
        QTest::newRow("tab in pfc") << CampiMAC{"1\t", "09", ""} << false << "";
        QTest::newRow("line break in customer") << CampiMAC{"1", "09", "a\nb"} << false << "";
    }
    void lettura_rifiutata()
    {
        QFETCH(CampiMAC, campi);
        QFETCH(QString, messaggio);
        fake.Accoda(FakeController::Risposta::Nessuna());
        RegistroMAC r;
        QVERIFY(!r.LeggiMAC(campi));
        QCOMPARE(fake.Richieste.size(), DATO(bool, inviata) ? 1 : 0);
        QVERIFY(r.ElencoMAC.isEmpty() && !r.ElencoModificato);
        QCOMPARE(copione.Messaggi().size(), 1);
        if (!messaggio.isEmpty()) QCOMPARE(copione.Messaggi().last(), messaggio);
        QCOMPARE(copione.richieste.last().pulsanti, int(Prompt::Critica));
    }

    void pieno()
    {
        Mac(0, 0, 1);
        RegistroMAC r;
        r.ElencoMAC = Voci(RegistroMAC::MaxVoci, kA);
        QVERIFY(!r.LeggiMAC(CampiMAC{}));
        QCOMPARE(r.ElencoMAC.size(), RegistroMAC::MaxVoci);
        QCOMPARE(copione.Messaggi().size(), 1);
    }

    void assegna_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QList<int>>("risposte");
        QTest::addColumn<bool>("assegnata");
        QTest::addColumn<QStringList>("messaggi");
        QTest::newRow("no selection") << -1 << QList<int>{} << false << QStringList{"Selezionare un MAC"};
        QTest::newRow("free") << 1 << QList<int>{} << true << QStringList{};
        QTest::newRow("in use yes") << 0 << QList<int>{Prompt::Si} << true << QStringList{"MAC già in uso. Continuare?"};
        QTest::newRow("in use no") << 0 << QList<int>{Prompt::No} << false << QStringList{"MAC già in uso. Continuare?"};
    }
    void assegna()
    {
        QFETCH(int, indice);
        QFETCH(bool, assegnata);
        for (int s : DATO(QList<int>, risposte)) copione.Rispondi(s);
        RegistroMAC r;
        r.ElencoMAC = {kA, kB};
        QCOMPARE(r.Assegna(indice, CampiMAC{"777", "11", "Verdi"}), assegnata);
        QCOMPARE(copione.Messaggi(), DATO(QStringList, messaggi));
        QCOMPARE(r.ElencoModificato, assegnata);
        if (assegnata) QCOMPARE(r.ElencoMAC[indice], (VoceMAC{r.ElencoMAC[indice].TestoMAC, r.ElencoMAC[indice].Numero, "777", "11", "Verdi"}));
    }

    // Save asks for a name once; load takes it back byte for byte, and the
    // loaded list keeps the changed flag as it was.
    void giro_file()
    {
        RegistroMAC r;
        r.ElencoMAC = {kA, kB, kC};
        r.ElencoModificato = true;
        copione.RispondiTesto(P("elenco.csv"));
        QVERIFY(r.SalvaFile());
        QVERIFY(r.SalvaFile());
        QCOMPARE(copione.richieste.size(), 1);
        QCOMPARE(copione.richieste[0].tipo, Prompt::Tipo::FileSalva);
        QCOMPARE(copione.richieste[0].filtro, QStringLiteral(" (*.csv);;(*.*)"));
        QVERIFY(!r.ElencoModificato);
        QCOMPARE(Leggi(P("elenco.csv")), TestoFileElenco({kA, kB, kC}));
        RegistroMAC s;
        copione.RispondiTesto(P("elenco.csv"));
        QVERIFY(s.CaricaFile());
        QCOMPARE(s.ElencoMAC, r.ElencoMAC);
        QCOMPARE(s.NomeFileElenco, P("elenco.csv"));
        QVERIFY(!s.ElencoModificato);
        QVERIFY(s.CaricaFile());
        QCOMPARE(copione.richieste.size(), 2);
    }

    // A bad line: a message, and list and file name as before the load.
    void riga_errata()
    {
        Scrivi(P("rotto.csv"), "1\tM\tA/09\tC\r\nx\tM\tB/09\tD\r\n");
        RegistroMAC r;
        r.ElencoMAC = {kA};
        copione.RispondiTesto(P("rotto.csv"));
        QVERIFY(!r.CaricaFile());
        QCOMPARE(r.ElencoMAC, Voci{kA});
        QVERIFY(r.NomeFileElenco.isEmpty());
        QCOMPARE(copione.Messaggi().size(), 1);
        QVERIFY(copione.Messaggi()[0].startsWith(QStringLiteral("Riga 2 ")));
    }

    // A changed list: load and close ask first. Yes saves (a cancelled Save
    // dialog goes no further), No goes on, Cancel keeps everything.
    void domanda_data()
    {
        QTest::addColumn<bool>("chiusura");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("salvaAnnullato");
        QTest::addColumn<bool>("avanti");
        QTest::addColumn<bool>("salvato");
        for (bool c : {false, true}) {
            const char* cosa = c ? "close " : "load ";
            QTest::newRow(QByteArray(cosa).append("yes").constData()) << c << int(Prompt::Si) << false << true << true;
            QTest::newRow(QByteArray(cosa).append("yes, save cancelled").constData()) << c << int(Prompt::Si) << true << false << false;
            QTest::newRow(QByteArray(cosa).append("no").constData()) << c << int(Prompt::No) << false << true << false;
            QTest::newRow(QByteArray(cosa).append("cancel").constData()) << c << int(Prompt::Annulla) << false << false << false;
        }
    }
    void domanda()
    {
        QFETCH(bool, chiusura);
        QFETCH(bool, salvaAnnullato);
        QFETCH(bool, avanti);
        QFile::remove(P("salvato.csv"));
        Scrivi(P("altro.csv"), RigaFile(kC));
        RegistroMAC r;
        r.ElencoMAC = {kA};
        r.ElencoModificato = true;
        QFETCH(int, risposta);
        copione.Rispondi(risposta);
        if (salvaAnnullato) copione.Annulla();
        else if (risposta == Prompt::Si) copione.RispondiTesto(P("salvato.csv"));
        if (!chiusura) copione.RispondiTesto(P("altro.csv"));
        QCOMPARE(chiusura ? r.PuoChiudere() : r.CaricaFile(), avanti);
        QCOMPARE(copione.richieste[0].testo, QStringLiteral("L'elenco è stato modificato. Salvare il file?"));
        QCOMPARE(copione.richieste[0].pulsanti, int(Prompt::SiNoAnnulla));
        QCOMPARE(QFile::exists(P("salvato.csv")), DATO(bool, salvato));
        // After a save the file is known: "Load File" reloads it.
        if (!chiusura) QCOMPARE(r.ElencoMAC, risposta == Prompt::No ? Voci{kC} : Voci{kA});
    }

    // The report asks for its file every time and does not keep the name.
    void file_report()
    {
        RegistroMAC r;
        r.ElencoMAC = {kA};
        copione.RispondiTesto(P("r.txt"));
        QVERIFY(r.CreaReport(SceltaReport::Anno, CampiMAC{}));
        QCOMPARE(copione.richieste[0].filtro, QStringLiteral(" (*.txt);;(*.*)"));
        QVERIFY(Leggi(P("r.txt")).startsWith("Report MAC per Anno 2009\r\n"));
        QVERIFY(r.NomeFileElenco.isEmpty());
        QVERIFY(!r.CreaReport(SceltaReport::Anno, CampiMAC{}));
        QCOMPARE(copione.richieste.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestRegistroMAC)
#include "test_registromac.moc"
