// The MAC tool without its window: list and file texts, the report, the read
// against a fake controller on loopback TCP, the file questions and where
// the file dialogs start.
#include "comm/AreaComunicazione.h"
#include "production/mac/RegistroMAC.h"
#include "support/AiutiProduzione.h"
#include "support/CartelleIniziali.h"
#include "support/Copione.h"
#include "support/DiscoPieno.h"
#include "support/FakeController.h"

#include <QFile>
#include <QTemporaryDir>

using Voci = QList<VoceMAC>;
Q_DECLARE_METATYPE(CampiMAC)

namespace {
const VoceMAC kA{"00-04-A3-12-34-56", 1, "123", "09", ""};
const VoceMAC kB{"00-04-A3-00-00-01", 57, "", "09", "Società"};
const VoceMAC kC{"00-04-A3-00-00-02", 3, "ABCDE", "10", "C"};

void Scrivi(const QString& p, const QByteArray& b)
{
    QFile f(p);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(b) == b.size());
}
} // namespace

class TestRegistroMAC : public QObject {
    Q_OBJECT
    Test::FakeController fake;
    Test::Copione copione;
    QTemporaryDir dir;
    QString P(const char* n) const { return dir.filePath(QString::fromLatin1(n)); }

private slots:
    void initTestCase() { QVERIFY(fake.AvviaTcp()); }
    void init()
    {
        copione = Test::Copione();
        copione.Installa();
        QVERIFY(Test::CollegaAlFake(fake, false));
        fake.Input[14] = 0x0004, fake.Input[15] = 0xA312, fake.Input[16] = 0x3456;
    }

    // Load, Save and the report start where the project's dialogs do, not
    // in the current folder, which the settings save moves to the program's
    // data folder. First of all, while no folder was chosen yet.
    void cartelleIniziali()
    {
        Test::CartelleIniziali cartelle;
        QVERIFY(cartelle.Prepara());
        RegistroMAC r;
        r.ElencoMAC = {kA};
        QVERIFY(!r.CaricaFile());   // cancelled
        copione.RispondiTesto(cartelle.Scelta() + "/report.txt");
        QVERIFY(r.CreaReport(SceltaReport::PFC, CampiMAC{}));
        QVERIFY(!r.SalvaFile());    // cancelled
        cartelle.ApriProgetto();
        QVERIFY(!r.SalvaFile());    // cancelled
        QCOMPARE(cartelle.Partenze(copione.richieste), cartelle.Attese());
        QCOMPARE(copione.Messaggi(), QStringList{});
        QVERIFY(QFile::exists(cartelle.Scelta() + "/report.txt"));
    }

    void testi()
    {
        QCOMPARE(RigaElenco(kA), QStringLiteral("[1]\t00-04-A3-12-34-56\tPFC:123/09\tCl.:"));
        QCOMPARE(TestoFileElenco({kA, kB}), QByteArray("1\t00-04-A3-12-34-56\t123/09\t\r\n57\t00-04-A3-00-00-01\t/09\tSociet\xe0\r\n"));
        QCOMPARE(LeggiFileElenco(TestoFileElenco({kA, kB, kC})), std::optional<Voci>(Voci{kA, kB, kC}));
        const QByteArray testa = "\r\n07/12/26 14:05:09\r\n-----------------------------------------------------\r\nID\tMAC\t\t\tPFC\tCliente\r\n";
        const QByteArray a = "1\t00-04-A3-12-34-56\t123/09\t_________________\r\n", b = "57\t00-04-A3-00-00-01\t___/__\tSociet\xe0\r\n";
        const QList<std::pair<SceltaReport, QByteArray>> casi = {{SceltaReport::PFC, "PCF 123/09" + testa + a},
                                                                 {SceltaReport::Cliente, "Cliente Societ\xe0" + testa + b},
                                                                 {SceltaReport::Anno, "Anno 2009" + testa + a + b}};
        for (const auto& [scelta, corpo] : casi)
            QCOMPARE(TestoReport({kA, kB, kC}, scelta, "123", "09", "Società", QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)),
                                 QLocale(QLocale::Italian, QLocale::Italy)),
                     "Report MAC per " + corpo);
        QCOMPARE(TestoReport({kB}, SceltaReport::Cliente, "", "", "società", {}).count('\n'), 4);
    }

    // The third field splits at its last "/"; "" marks a refused line.
    void lettura_data()
    {
        QTest::addColumn<QByteArray>("riga");
        QTest::addColumn<QString>("campi");   // pfc|anno|cliente
        QTest::newRow("5-char code") << QByteArray("4\tM\tABCDE/09\tC") << "ABCDE|09|C";
        QTest::newRow("empty code") << QByteArray("4\tM\t/09\t") << "|09|";
        QTest::newRow("slash in code, tab in customer") << QByteArray("4\tM\tA/B/09\tC\tD") << "A/B|09|C\tD";
        QTest::newRow("no slash") << QByteArray("4\tM\tA09\tC") << "";
        QTest::newRow("number") << QByteArray("x\tM\tA/09\tC") << "";
        QTest::newRow("fields missing") << QByteArray("4\tM\tA/09") << "";
    }
    void lettura()
    {
        QFETCH(QString, campi);
        const auto v = LeggiRigaFile(DATO(QByteArray, riga));
        QCOMPARE(v ? (QStringList{v->PFC, v->Anno, v->Cliente}.join(QLatin1Char('|'))) : QString(), campi);
    }

    // Unit 1 whatever the node; numbering from the highest number; every
    // matching entry warned about; refusals add nothing.
    void lettura_mac_data()
    {
        QTest::addColumn<Voci>("prima");
        QTest::addColumn<CampiMAC>("campi");
        QTest::addColumn<int>("risposta");   // 0 reply, 1 all FF, 2 none
        QTest::addColumn<QString>("esito");  // the added number, or the messages
        const CampiMAC ok{"123", "09", ""};
        QTest::newRow("first") << Voci{} << ok << 0 << "1";
        QTest::newRow("after 57") << Voci{kB, kC} << ok << 0 << "58";
        QTest::newRow("twice listed") << Voci{kA, kB, kA} << ok << 0 << "MAC già inserito|MAC già inserito";
        QTest::newRow("all FF") << Voci{} << ok << 1 << "MAC non valido";
        QTest::newRow("no reply") << Voci{} << ok << 2 << "Errore Lettura";
        QTest::newRow("full") << Voci(RegistroMAC::MaxVoci, kB) << ok << 0 << "Elenco pieno: 65536 MAC";
        QTest::newRow("slash in year") << Voci{} << CampiMAC{"1", "0/9", ""} << 0 << "-";
        QTest::newRow("line break") << Voci{} << CampiMAC{"1", "09", "a\nb"} << 0 << "-";
    }
    void lettura_mac()
    {
        QFETCH(Voci, prima);
        QFETCH(int, risposta);
        QFETCH(QString, esito);
        if (risposta == 1) fake.Accoda(Test::FakeController::Risposta::Pdu(QByteArray::fromHex("010406ffffffffffff")));
        if (risposta == 2) fake.Accoda(Test::FakeController::Risposta::Nessuna());
        RegistroMAC r;
        r.ElencoMAC = prima;
        EcoTerminale = true;
        const bool aggiunta = r.LeggiMAC(DATO(CampiMAC, campi));
        QCOMPARE(fake.Richieste, esito == "-" ? QList<QByteArray>{} : QList<QByteArray>{QByteArray::fromHex("0104000e0003")});
        QVERIFY(!EcoTerminale || esito == "-");
        QCOMPARE(r.ElencoModificato, aggiunta);
        QCOMPARE(r.ElencoMAC.size(), prima.size() + aggiunta);
        if (aggiunta) QCOMPARE(r.RigheElenco().last(), QStringLiteral("[%1]\t00-04-A3-12-34-56\tPFC:123/09\tCl.:").arg(esito));
        else if (esito != "-") QCOMPARE(copione.Messaggi().join('|'), esito);
    }

    void assegna()
    {
        RegistroMAC r;
        r.ElencoMAC = {kA, kB};
        QVERIFY(!r.Assegna(-1, CampiMAC{}));
        copione.Rispondi(Prompt::No);
        QVERIFY(!r.Assegna(0, CampiMAC{}));
        QVERIFY(!r.ElencoModificato);
        QVERIFY(r.Assegna(1, CampiMAC{"777", "11", "V"}));
        QCOMPARE(r.ElencoMAC[1], (VoceMAC{kB.TestoMAC, 57, "777", "11", "V"}));
        QCOMPARE(copione.Messaggi(), (QStringList{"Selezionare un MAC", "MAC già in uso. Continuare?"}));
        QVERIFY(r.ElencoModificato);
    }

    // Save asks for a name once; load reads it back; a bad line leaves list
    // and name as they were.
    void file()
    {
        RegistroMAC r;
        r.ElencoMAC = {kA, kB, kC};
        r.ElencoModificato = true;
        copione.RispondiTesto(P("e.csv"));
        QVERIFY(r.SalvaFile() && r.SalvaFile() && !r.ElencoModificato);
        QCOMPARE(copione.richieste.size(), 1);
        QCOMPARE(copione.richieste[0].filtro, QStringLiteral(" (*.csv);;(*.*)"));
        RegistroMAC s;
        copione.RispondiTesto(P("e.csv"));
        QVERIFY(s.CaricaFile());
        QCOMPARE(s.ElencoMAC, r.ElencoMAC);
        Scrivi(P("e.csv"), "1\tM\tA/09\tC\r\nx\tM\tB/09\tD\r\n");
        QVERIFY(!s.CaricaFile());
        QCOMPARE(s.ElencoMAC, r.ElencoMAC);
        QVERIFY(copione.Messaggi().last().startsWith(QStringLiteral("Riga 2 ")));
        RegistroMAC t;
        copione.RispondiTesto(P("e.csv"));
        QVERIFY(!t.CaricaFile() && t.NomeFileElenco.isEmpty());
    }

    // The list saved onto a full disk: a box with the file and the reason,
    // the old file kept, the list still marked changed.
    void discoPieno()
    {
        Test::DiscoPieno disco;
        if (!disco.Pronto()) QSKIP(qPrintable(disco.Motivo()));
        RegistroMAC r;
        r.NomeFileElenco = disco.Percorso(QStringLiteral("e.csv"));
        r.ElencoMAC = {kA};
        r.ElencoModificato = true;
        QVERIFY(r.SalvaFile());
        QFile f(r.NomeFileElenco);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray prima = f.readAll();
        f.close();
        disco.Riempi();
        r.ElencoMAC = {kA, kB, kC};
        r.ElencoModificato = true;
        QVERIFY(!r.SalvaFile());
        QVERIFY(r.ElencoModificato);
        QCOMPARE(copione.Messaggi().size(), 1);
        QVERIFY2(copione.Messaggi().first().startsWith("Errore nel file " + r.NomeFileElenco + ": "),
                 qPrintable(copione.Messaggi().first()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), prima);
    }

    // A changed list: load and close ask first. Yes saves (a cancelled Save
    // dialog goes no further), No goes on, Cancel keeps everything.
    void domanda_data()
    {
        QTest::addColumn<bool>("chiusura");
        QTest::addColumn<QList<int>>("risposte");   // 0: the Save dialog cancelled
        QTest::addColumn<bool>("avanti");
        QTest::newRow("load, yes, save cancelled") << false << QList<int>{Prompt::Si, 0} << false;
        QTest::newRow("load, no") << false << QList<int>{Prompt::No} << true;
        QTest::newRow("load, cancel") << false << QList<int>{Prompt::Annulla} << false;
        QTest::newRow("close, yes, save cancelled") << true << QList<int>{Prompt::Si, 0} << false;
        QTest::newRow("close, no") << true << QList<int>{Prompt::No} << true;
    }
    void domanda()
    {
        QFETCH(bool, chiusura);
        QFETCH(bool, avanti);
        Scrivi(P("altro.csv"), RigaFile(kC));
        RegistroMAC r;
        r.ElencoMAC = {kA};
        r.ElencoModificato = true;
        for (int s : DATO(QList<int>, risposte)) s ? copione.Rispondi(s) : copione.Annulla();
        copione.RispondiTesto(P("altro.csv"));
        QCOMPARE(chiusura ? r.PuoChiudere() : r.CaricaFile(), avanti);
        QCOMPARE(copione.richieste[0].testo, QStringLiteral("L'elenco è stato modificato. Salvare il file?"));
        QCOMPARE(r.ElencoMAC, !chiusura && avanti ? Voci{kC} : Voci{kA});
        QVERIFY(r.ElencoModificato);
    }
};

QTEST_GUILESS_MAIN(TestRegistroMAC)
#include "test_registromac.moc"
