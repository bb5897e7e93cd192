// Saving and opening the project file set on disk through the workbench:
// save, open, save again gives the same bytes; damage, a failed write, the
// version question and the save question leave the project as it was.
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/DiscoPieno.h"
#include "support/StampanteRegistrata.h"
#include "support/ValoriEstremi.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/comandi.h"
#include "blockeditor/ContestoBlocco.h"
#include "blockeditor/Famiglie.h"
#include "comm/Dispositivo.h"
#include "compiler/Compilatore.h"
#include "display/Pagine.h"
#include "display/SMS.h"
#include "display/Task.h"
#include "outputs/EsportaProgetto.h"
#include "outputs/StampaProgetto.h"
#include "program/Agganci.h"
#include "program/OperazioniRung.h"
#include "program/Progetto.h"
#include "program/StatoProgramma.h"
#include "projectfiles/ApriProgetto.h"
#include "projectfiles/CartellaDialoghi.h"
#include "projectfiles/SalvaProgetto.h"
#include "registers/Tabelle.h"
#include "registers/TabRegistri.h"
#include "registers/Variabili.h"
#include "registers/WatchList.h"
#include "shell/ComandiBarra.h"
#include "shell/ComandiComuni.h"
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "shell/LogTrasferimento.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <utility>

namespace {
QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QList<QByteArray> LeggiSet(const QString& base)
{
    QList<QByteArray> l;
    for (int f = 0; f < NumFileSet; ++f) l << Leggi(base + Estensione(FileSet(f)));
    return l;
}

QStringList Descrizioni()
{
    QStringList d;
    for (int r = 1; r <= Programmi[0].NumRung; ++r) d << Programmi[0].Rung[size_t(r)].Descrizione;
    return d;
}

void Scrivi(const QString& percorso, const QByteArray& byte)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(byte);
}
} // namespace

class TestApriProgetto : public QObject {
    Q_OBJECT
    Test::Copione copione;
    QTemporaryDir cartella;
    QString base;

    void Installa()
    {
        copione = Test::Copione();
        copione.Installa();
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        // A model with strings and text blocks, so every file has content.
        for (int m = 0; m < NumModelli; ++m)
            if (Modelli[size_t(m)].NumStringhe > 0 && Modelli[size_t(m)].NumBlocchi > 0) {
                Controllore.Modello = uint8_t(m);
                break;
            }
        QVERIFY(Modelli[Controllore.Modello].NumStringhe > 0);
        base = cartella.filePath(QStringLiteral("proj"));
    }

    // Save, open and export dialogs start in the current project's folder,
    // else the last folder chosen, else home; the current folder stays.
    // First of all, while nothing was chosen yet.
    void cartellaIniziale()
    {
        const QString corrente = QDir::currentPath();
        auto partenze = [this] {   // where each file dialog so far started
            QStringList l;
            for (const auto& r : copione.richieste)
                if (r.tipo == Prompt::Tipo::FileApri || r.tipo == Prompt::Tipo::FileSalva)
                    l << QDir(r.predefinito).absolutePath();
            return l;
        };
        const QString casa = QDir::homePath(), a = cartella.filePath("a"), b = cartella.filePath("b");
        QVERIFY(QDir().mkpath(a) && QDir().mkpath(b));
        Toolbar1_ButtonClick(QStringLiteral("proj_new"));
        Toolbar1_ButtonClick(QStringLiteral("proj_open"));   // cancelled
        copione.RispondiTesto(a + "/uno");
        QVERIFY(SalvaProgettoCorrente(true));
        Toolbar1_ButtonClick(QStringLiteral("proj_open"));   // cancelled
        QCOMPARE(partenze(), (QStringList{casa, casa, a}));

        Toolbar1_ButtonClick(QStringLiteral("proj_new"));
        copione.RispondiTesto(b + "/none.prj");   // chosen, then refused: not there
        Toolbar1_ButtonClick(QStringLiteral("proj_open"));
        EsportaProgetto(LogTrasferimento::Istanza());
        QCOMPARE(partenze(), (QStringList{casa, casa, a, a, b}));
        QCOMPARE(copione.richieste.last().tipo, Prompt::Tipo::FileSalva);   // the export's
        QCOMPARE(QDir::currentPath(), corrente);
    }

    void init()
    {
        Installa();
        SalvaProgettoAggancio = nullptr;
        ProgettoModificato = false;
    }

    // A project with a rung of every catalogue block as it is first laid out,
    // tables, variables, strings, text blocks and a watch list: saved under a
    // name without ".prj", opened, saved again elsewhere, byte for byte.
    void giroSuDisco()
    {
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        NumTabelle = 2;
        Tabelle[0] = Tabella{.NomeTabella = "T 1", .NPunti = 3, .X = {0, .5, 10}, .Y = {-1, 2, 3.25}};
        Tabelle[1] = Tabella{.NomeTabella = "\"T2\"", .NPunti = 9, .X = {1e16, 2.5e-5}, .Y = {}};
        Programmi[0].NumRung = 0;
        // Every block whose family encodes it as first laid out.
        for (int i = 0; i < NumBlocchi; ++i) {
            const GestoreFamiglia* g = GestoreBlocco(i);
            if (!g || !g->Codifica) continue;
            Rung r;
            r.Descrizione = QStringLiteral(" block %1, \"x\"").arg(i);
            DatiBlocco d = DatiIniziali(i, r, ContestoCorrente(0));
            d.etichetta = QStringLiteral("L%1").arg(i);
            // A stored identity that names another block (A>B as first laid
            // out) cannot come back as itself.
            if (CodificaBlocco(d, r).Memorizzato() && FunzToOpt(r.Classe, r.Gruppo, r.Op) == i)
                Programmi[0].Rung[size_t(++Programmi[0].NumRung)] = r;
        }
        QVERIFY2(Programmi[0].NumRung >= 10, qPrintable(QString::number(Programmi[0].NumRung)));
        Variabili[0] = Variabile{.RegistroVar = 7, .TipoVar = 13, .EtichettaVar = "a,b", .Registro2 = 9, .RegTrigger = 2,
                                 .Maschera = -1, .Swap = 1, .NomeCampo = " c"};
        Variabili[1] = Variabile{.RegistroVar = 3, .TipoVar = 18, .EtichettaVar = "Fw"};
        Variabili[2] = Variabile{.RegistroVar = 1, .TipoVar = 4, .FormatoVar = "% 3.2x", .EtichettaVar = "f"};
        Stringhe[0].TestoVoce = QStringLiteral("one, two");
        Blocchi[0].TestoVoce = QStringLiteral("first\r\n  second, \"quoted\"");
        NumPagine = 2;
        Pagine[0].NumOggetti = 1;
        Pagine[0].Oggetti[1] = OggettoDisplay{.TipoOgg = EtichettaGrande, .DimX = 40, .DimY = 8, .FormatoOgg = "Level, m"};
        Pagine[1].NumOggetti = 0;
        NumTask = 2;
        Tasks[1] = Task{.TipoTask = 0, .Cartella = "LOG, 1", .NumCampi = 2, .Campi = {1, 2}};
        Tasks[2] = Task{.TipoTask = 2, .Inizio = {26, 1, 1}, .Trigger = TriggerIntervallo, .Abilita = true};
        NumNumeriSMS = 1;
        NumeriSMS[0].TestoSMS = QStringLiteral("+39 012");
        NumTestiSMS = 1;
        TestiSMS[0].TestoSMS = QStringLiteral("level, &R100");
        WatchList[0] = 2;
        WatchList[1] = 100;
        WatchList[2] = 30;
        ProgettoModificato = true;

        copione.RispondiTesto(base);
        QVERIFY(SalvaProgettoCorrente(true));
        QCOMPARE(NomeFile, base + ".prj");
        QVERIFY(!ProgettoModificato);
        const QList<QByteArray> primo = LeggiSet(base);
        QVERIFY(!primo.contains("<missing>"));
        const QStringList descrizioni = Descrizioni();

        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        NumTabelle = 0;
        NumTask = 0;
        NumPagine = 0;
        Programmi[1] = Programma{};
        WatchList[0] = 0;
        ProgettoModificato = true;   // the loader asks, the script discards
        copione.RispondiTesto(base + ".prj");
        copione.Rispondi(Prompt::Ok);        // "Close Project?"
        copione.Rispondi(Prompt::Annulla);   // not saved
        Toolbar1_ButtonClick(QStringLiteral("proj_open"));
        QCOMPARE(Descrizioni(), descrizioni);
        QCOMPARE(NomeFile, base + ".prj");
        QCOMPARE(Principale::Istanza()->windowTitle(), base);
        QCOMPARE(RungCorrente, Programmi[0].NumRung);
        QVERIFY(!ProgettoModificato);   // tables, tasks and pages: the second save below
        // The page programs are compiled again: page 0 is program 1.
        QCOMPARE(Programmi[1].Rung[1].Etichetta, QStringLiteral("PAG1"));
        QVERIFY(Programmi[0].Rung[1].Valido);

        const QString altra = cartella.filePath(QStringLiteral("again.prj"));
        copione.RispondiTesto(altra);
        QVERIFY(SalvaProgettoCorrente(true));
        const QList<QByteArray> secondo = LeggiSet(BaseProgetto(altra));
        for (int f = 0; f < NumFileSet; ++f)   // line by line, so a difference shows where it is
            QCOMPARE(QString::fromLatin1(secondo[f]).split("\r\n"), QString::fromLatin1(primo[f]).split("\r\n"));
    }

    // Save As onto a name whose set has a file, typed without ".prj": asked
    // first; No goes back to the dialog, and nothing is written. The same
    // from the save question of an Open.
    void salvaSopra()
    {
        const QString vittima = cartella.filePath(QStringLiteral("victim"));
        Scrivi(vittima + ".skd", "kept");
        NuovoProgettoCorrente();
        Installa();
        auto intatta = [&] {
            QCOMPARE(Leggi(vittima + ".skd"), QByteArray("kept"));
            QVERIFY(!QFile::exists(vittima + ".prj"));
        };

        copione.RispondiTesto(vittima);
        copione.Rispondi(Prompt::No);   // then the dialog again, cancelled
        QVERIFY(!SalvaProgettoCorrente(true));
        intatta();
        QCOMPARE(copione.richieste.size(), 3);
        QVERIFY(!copione.richieste[0].confermaSostituzione);   // the set is asked about, not one file
        QCOMPARE(copione.richieste[1].testo, vittima + ".skd already exists.\nDo you want to replace it?");
        QCOMPARE(copione.richieste[1].pulsanti & 7, int(Prompt::SiNo));
        QCOMPARE(copione.richieste[2].tipo, Prompt::Tipo::FileSalva);

        Installa();
        ProgettoModificato = true;
        copione.Rispondi(Prompt::Ok);   // "Close Project?"
        copione.Rispondi(Prompt::Ok);   // save the changes
        copione.RispondiTesto(vittima + ".prj");
        copione.Rispondi(Prompt::No);
        QCOMPARE(ApriProgetto(base + ".prj"), EsitoApertura::NonSalvato);
        intatta();

        Installa();
        copione.RispondiTesto(vittima);
        copione.Rispondi(Prompt::Si);
        QVERIFY(SalvaProgettoCorrente(true));
        QCOMPARE(NomeFile, vittima + ".prj");
        QCOMPARE(Leggi(vittima + ".skd"), QByteArray());
    }

    // The replace question names a file of the set that is there: the .prj
    // when it is, else the first companion found.
    void sostituzioneNominaFile_data()
    {
        QTest::addColumn<QStringList>("presenti");
        QTest::addColumn<QString>("nominato");
        QTest::newRow("only the .prj") << QStringList{".prj"} << ".prj";
        QTest::newRow("the .prj and companions") << QStringList{".msg", ".prj", ".lst"} << ".prj";
        QTest::newRow("only the .msg") << QStringList{".msg"} << ".msg";
        QTest::newRow("companions") << QStringList{".blk", ".wtc", ".dsp"} << ".wtc";
    }
    void sostituzioneNominaFile()
    {
        QFETCH(QStringList, presenti);
        QFETCH(QString, nominato);
        QTemporaryDir dir;
        const QString scelto = dir.filePath(QStringLiteral("set"));
        for (const QString& e : presenti) Scrivi(scelto + e, "kept");
        copione.RispondiTesto(scelto);
        copione.Rispondi(Prompt::No);   // then the dialog again, cancelled
        QVERIFY(!SalvaProgettoCorrente(true));
        QCOMPARE(copione.Messaggi(), QStringList{scelto + nominato + " already exists.\nDo you want to replace it?"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), presenti.size());
    }

    // New leaves nothing of the old project behind: saved at once, no file
    // holds an old table, task, SMS entry, text, register name, watched
    // register or display object; it names no file, so the save asks.
    void nuovoVuoto()
    {
        QVERIFY(ApriProgetto(base + ".prj") == EsitoApertura::Aperto);
        const QString vecchio = QStringLiteral("OLDX");
        NumTabelle = 1;
        Tabelle[0] = Tabella{.NomeTabella = vecchio, .NPunti = 2, .X = {0, 1}, .Y = {0, 1}};
        NumTask = 1;
        Tasks[1] = Task{.TipoTask = 2, .Cartella = vecchio, .StringaTask = vecchio};
        NumNumeriSMS = 1;
        NumeriSMS[0].TestoSMS = vecchio;
        NumTestiSMS = 1;
        TestiSMS[0].TestoSMS = vecchio;
        WatchList[0] = 1;
        WatchList[1] = 4321;
        const DefModello& m = Modelli[Controllore.Modello];
        TabRegistri[size_t(m.PrimoRegistroUtente)].Nome = vecchio;
        // The register file's last address lies past the user area.
        QCOMPARE(TabRegistri[size_t(m.NumRegistri)].Categoria, uint8_t(0));
        TabRegistri[size_t(m.NumRegistri)].Tipo = 9;
        Stringhe[0].TestoVoce = vecchio;
        Blocchi[0].TestoVoce = vecchio;
        Variabili[0].EtichettaVar = vecchio;
        NumPagine = 2;
        Pagine[1].NumOggetti = 1;
        Pagine[1].Oggetti[1] = OggettoDisplay{.FormatoOgg = vecchio};
        ProgettoModificato = false;

        Toolbar1_ButtonClick(QStringLiteral("proj_new"));
        QVERIFY(NomeFile.isEmpty());
        QCOMPARE(Principale::Istanza()->windowTitle(), QStringLiteral("Project"));
        const QString nuovo = cartella.filePath(QStringLiteral("new"));
        copione.RispondiTesto(nuovo);
        QVERIFY(SalvaProgettoCorrente(false));
        QCOMPARE(copione.richieste.last().tipo, Prompt::Tipo::FileSalva);
        const QList<QByteArray> set = LeggiSet(nuovo);
        QStringList conVecchio;
        for (int f = 0; f < NumFileSet; ++f)
            if (set[f].contains("OLDX") || set[f].contains("4321")) conVecchio << Estensione(FileSet(f));
        QCOMPARE(conVecchio, QStringList());
        QCOMPARE(set[int(FileSet::Wtc)], QByteArray(" 0 \r\n"));
        QCOMPARE(set[int(FileSet::Ptb)], QByteArray(" 0 \r\n"));
        QCOMPARE(set[int(FileSet::Skd)], QByteArray());
        QCOMPARE(set[int(FileSet::Msg)], QByteArray(" 0 \r\n 0 \r\n"));
        QCOMPARE(set[int(FileSet::Dsp)], QByteArray("<PAG>\r\n</PAG>\r\n"));
        QCOMPARE(Tasks[1].StringaTask, QString());
        QCOMPARE(TabRegistri[size_t(m.NumRegistri)].Tipo, TabRegistri[size_t(m.PrimoRegistroUtente)].Tipo);
    }

    // Close: the caption names no old file and the next save asks for a name.
    void captionDopoChiusura()
    {
        ProgettoModificato = false;
        copione.RispondiTesto(base + ".prj");
        Toolbar1_ButtonClick(QStringLiteral("proj_open"));
        QCOMPARE(Principale::Istanza()->windowTitle(), base);
        MenuClick(QStringLiteral("mnu_close"));
        QCOMPARE(Principale::Istanza()->windowTitle(), QStringLiteral("Project"));
        QCOMPARE(NomeProgetto, QStringLiteral("Project"));
        QVERIFY(NomeFile.isEmpty());
        Installa();
        QVERIFY(!SalvaProgettoCorrente(false));   // the dialog, cancelled
        QCOMPARE(copione.richieste.size(), 1);
        QCOMPARE(copione.richieste[0].tipo, Prompt::Tipo::FileSalva);
    }

    // The rebuild: a delay of 256 and more comes back from both slots; a
    // rung the encoder refuses keeps its stored bytes and is not valid.
    void ricostruzione_data()
    {
        QTest::addColumn<QString>("tabella");   // Linearization's table name
        QTest::newRow("known table") << "T 1";
        QTest::newRow("table gone, refused") << "nope";
    }
    void ricostruzione()
    {
        QFETCH(QString, tabella);
        NumTabelle = 1;
        Tabelle[0] = Tabella{.NomeTabella = "T 1", .NPunti = 3};
        ProgettoSalvato p;
        for (int i : {0, 30}) {   // Read Input, Linearization
            Rung r;
            DatiBlocco d = DatiIniziali(i, r, ContestoCorrente(0));
            if (i == 0) d.ritardo = QStringLiteral("300");
            QVERIFY(CodificaBlocco(d, r).Memorizzato());
            r.Valido = false;
            r.Delay = 0;
            if (i == 30) r.ArgTesto[1] = tabella;
            p.rung << r;
        }
        const QList<Rung> salvati = p.rung;
        RicostruisciRung(p);
        QCOMPARE(p.rung[0].Delay, int16_t(300));
        QCOMPARE(p.rung[0].ArgByte, salvati[0].ArgByte);
        QCOMPARE(p.rung[1].ArgByte, salvati[1].ArgByte);
        QCOMPARE(p.rung[1].Valido, tabella == QStringLiteral("T 1"));
        QVERIFY(!p.rung[1].Riga.Funzione.isEmpty());
        QCOMPARE(p.rung[1].ArgTesto[1], tabella);
    }

    // A Linearization row typed by hand, from the editor through save, open
    // and compile: a text that names no table is refused; a table's name
    // typed rather than chosen is the table stored, and comes back the same;
    // a rung stored with a name that names no table opens invalid and the
    // compile names it.
    void linearizzazioneDigitata()
    {
        constexpr int kLinearizzazione = 30;
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        NumTabelle = 2;
        Tabelle[0] = Tabella{.NomeTabella = "T 1", .NPunti = 3, .X = {0, 1, 2}, .Y = {0, 10, 20}};
        Tabelle[1] = Tabella{.NomeTabella = "T, 2", .NPunti = 4, .X = {0, 1, 2, 3}, .Y = {5, 6, 7, 8}};
        Programmi[0].NumRung = 2;
        Programmi[0].Rung[1] = Rung{};
        Programmi[0].Rung[2] = Rung{};
        ProgettoModificato = false;
        Installa();
        EditorBlocco* e = EditorBloccoAttivo();
        const auto scrivi = [e](int rung, const QString& testo) {
            e->Chiudi();
            e->ImpostaBersaglio(0, rung);
            e->SelezionaFunzione(kLinearizzazione);
            QLineEdit* riga = Finestre::Get<comandi>()->findChild<QComboBox*>(QStringLiteral("txt_Var_1"))->lineEdit();
            riga->selectAll();
            QTest::keyClicks(riga, testo);
            return e->Conferma();
        };
        QVERIFY(!scrivi(1, QStringLiteral("nope")));
        QCOMPARE(copione.Messaggi(), QStringList{QStringLiteral("Error: Check Values")});
        QVERIFY(!Programmi[0].Rung[1].Valido);
        QVERIFY(!ProgettoModificato);
        QVERIFY(scrivi(1, QStringLiteral("T, 2")));
        QVERIFY(scrivi(2, QStringLiteral("T 1")));
        e->Chiudi();
        QCOMPARE(int(Programmi[0].Rung[1].ArgByte[2][0]), 1);
        QCOMPARE(int(Programmi[0].Rung[1].ArgByte[5][0]), 4);
        QVERIFY(CompilaProgramma() > 0);
        const Rung primo = Programmi[0].Rung[1];   // with the table's addresses the compile put in
        const auto immagine = ImmagineCodice;

        const QString lin = cartella.filePath(QStringLiteral("lin"));
        copione.RispondiTesto(lin);
        QVERIFY(SalvaProgettoCorrente(true));
        QCOMPARE(ApriProgetto(lin + ".prj"), EsitoApertura::Aperto);
        QVERIFY(Programmi[0].Rung[1].Valido && Programmi[0].Rung[2].Valido);
        QCOMPARE(Programmi[0].Rung[1].ArgByte, primo.ArgByte);
        QCOMPARE(int(Programmi[0].Rung[1].Lunghezza), 34);
        QVERIFY(CompilaProgramma() > 0);
        QVERIFY(ImmagineCodice == immagine);

        // The second rung's table named by a text that is no table's name.
        QByteArray prj = Leggi(lin + ".prj");
        QCOMPARE(prj.count("\r\nT 1\r\n"), 1);
        Scrivi(lin + ".prj", prj.replace("\r\nT 1\r\n", "\r\nnope\r\n"));
        QCOMPARE(ApriProgetto(lin + ".prj"), EsitoApertura::Aperto);
        QVERIFY(Programmi[0].Rung[1].Valido);
        QVERIFY(!Programmi[0].Rung[2].Valido);
        QCOMPARE(CompilaProgramma(), 0);
        QCOMPARE(int(NumErrori), 1);
        QCOMPARE(int(Errori[0].NumeroBlocco), 2);
        QCOMPARE(Errori[0].TestoErrore, QStringLiteral("Block cannot be encoded"));
    }

    // Rungs without a block, as a new project and Add leave them, first and
    // between two blocks: saved and opened they stay empty, the compile gives
    // the image it gave before the save, and the listing names no block there.
    void rungVuoti()
    {
        constexpr int kReadHolding = 40, kAdd = 4;
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        for (int k = 0; k < 3; ++k) QVERIFY(AggiungiRungVuoto());
        for (const auto& [rung, blocco] : {std::pair{2, kReadHolding}, std::pair{4, kAdd}}) {
            Rung& r = Programmi[0].Rung[size_t(rung)];
            DatiBlocco d = DatiIniziali(blocco, r, ContestoCorrente(0));
            QVERIFY(CodificaBlocco(d, r).Memorizzato());
        }
        QVERIFY(CompilaProgramma() > 0);
        const auto immagine = ImmagineCodice;

        const QString vuoti = cartella.filePath(QStringLiteral("empty"));
        copione.RispondiTesto(vuoti);
        QVERIFY(SalvaProgettoCorrente(true));
        QCOMPARE(ApriProgetto(vuoti + ".prj"), EsitoApertura::Aperto);
        QCOMPARE(int(Programmi[0].NumRung), 4);
        for (int k : {1, 3}) QCOMPARE(Programmi[0].Rung[size_t(k)].Riga.Funzione, QString());
        QVERIFY(CompilaProgramma() > 0);
        QVERIFY(ImmagineCodice == immagine);

        Test::Registratore stampante;
        StampaProgetto(stampante);
        const QStringList t = stampante.Testi().split(u'|');
        for (int k : {1, 3}) {
            const qsizetype titolo = t.indexOf(QStringLiteral("%1[          ] ").arg(k));
            QVERIFY2(titolo > 0, qPrintable(QString::number(k)));
            QCOMPARE(t.mid(titolo + 1, 2), (QStringList{QString(), QString()}));
        }
    }

    // Only OK changes the rung: choosing another block (its Op, the bytes a
    // block writes on being chosen) or a refused OK, then Escape, the close
    // box or a close from outside, leaves every field as it was, and the
    // rung opens again as the block it was.
    void sceltaSenzaOK()
    {
        constexpr int kAdd = 4, kSub = 5, kTrip = 20, kLogWrite = 41, kMaggiore = 49;
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        Programmi[0].NumRung = 1;
        Programmi[0].Rung[1] = Rung{};
        Installa();
        EditorBlocco* e = EditorBloccoAttivo();
        e->Chiudi();
        e->ImpostaBersaglio(0, 1);
        e->SelezionaFunzione(kAdd);
        e->ImpostaEtichetta(QStringLiteral("A1"));
        QVERIFY(e->Conferma());
        const Rung prima = Programmi[0].Rung[1];
        comandi* d = Finestre::Get<comandi>();
        const std::function<void()> uscite[] = {[d] { QTest::keyClick(d, Qt::Key_Escape); }, [d] { d->close(); },
                                                [e] { e->Chiudi(); }};
        for (const auto& esci : uscite)
            for (const int scelto : {kSub, kMaggiore, kTrip, kLogWrite}) {
                ModificaRung(1);
                d->SelezionaFunzione(scelto);
                if (scelto == kTrip) {   // a timer past its byte is refused half way
                    d->ImpostaTestoRiga(5, QStringLiteral("256"));
                    QVERIFY(!e->Conferma());
                }
                esci();
                QVERIFY(!d->Aperto);
                QVERIFY2(Programmi[0].Rung[1] == prima, qPrintable(NomiFunzione[size_t(scelto)]));
            }
        QCOMPARE(copione.Messaggi(), QStringList(3, QStringLiteral("Error: Check Values")));

        const QString percorso = cartella.filePath(QStringLiteral("scelta"));
        copione.RispondiTesto(percorso);
        QVERIFY(SalvaProgettoCorrente(true));
        QCOMPARE(ApriProgetto(percorso + ".prj"), EsitoApertura::Aperto);
        const Rung& aperto = Programmi[0].Rung[1];
        QCOMPARE(FunzToOpt(aperto.Classe, aperto.Gruppo, aperto.Op), kAdd);
        QCOMPARE(aperto.ArgByte, prima.ArgByte);
        QCOMPARE(aperto.ArgTesto, prima.ArgTesto);
    }

    // A damaged companion: refused with its file and line, the project untouched.
    void danno()
    {
        const int file = int(FileSet::Ptb);
        const QByteArray testo = " 1 \r\nT\r\n 40 \r\n";
        const QString dove = QStringLiteral("bad.ptb, line 3");
        const QString guasto = cartella.filePath(QStringLiteral("bad"));
        for (int f = 0; f < NumFileSet; ++f) {
            QFile::remove(guasto + Estensione(FileSet(f)));
            QFile::copy(base + Estensione(FileSet(f)), guasto + Estensione(FileSet(f)));
        }
        Scrivi(guasto + Estensione(FileSet(file)), testo);
        ProgettoSalvato prima = ProgettoInMemoria();
        const QString nome = NomeProgetto;
        QCOMPARE(ApriProgetto(guasto + ".prj"), EsitoApertura::Rifiutato);
        QVERIFY2(copione.Messaggi().join("|").contains(dove), qPrintable(copione.Messaggi().join("|")));
        QCOMPARE(NomeProgetto, nome);
        QCOMPARE(Descrizioni().size(), prima.rung.size());
        QCOMPARE(int(NumTabelle), int(prima.numTabelle));
        QCOMPARE(ScriviSet(ProgettoInMemoria(), Modelli[Controllore.Modello]),
                 ScriviSet(prima, Modelli[Controllore.Modello]));
    }

    // A saved set whose files lost the line end of their last line, as some
    // text editors save them: the files ending with a closing tag open as
    // saved; a watch list ending with a number that may be cut is refused,
    // the box naming its file and line.
    void senzaFineRiga()
    {
        const QString modificato = cartella.filePath(QStringLiteral("edited"));
        const QList<QByteArray> salvato = LeggiSet(base);
        for (int f = 0; f < NumFileSet; ++f) {
            QByteArray testo = salvato[f];
            const FileSet fs = FileSet(f);
            if (fs == FileSet::Prj || fs == FileSet::Dsp || fs == FileSet::Skd || fs == FileSet::Blk) {
                QVERIFY2(testo.endsWith(">\r\n"), qPrintable(Estensione(fs)));
                testo.chop(2);
            }
            QFile::remove(modificato + Estensione(fs));
            Scrivi(modificato + Estensione(fs), testo);
        }
        QCOMPARE(ApriProgetto(modificato + ".prj"), EsitoApertura::Aperto);
        QCOMPARE(NomeProgetto, modificato);
        QVERIFY(Programmi[0].NumRung >= 10);
        const ByteSet riscritto = ScriviSet(ProgettoInMemoria(), Modelli[Controllore.Modello]);
        for (int f = 0; f < NumFileSet; ++f) QCOMPARE(riscritto[size_t(f)], salvato[f]);

        const QByteArray wtc = salvato[int(FileSet::Wtc)];
        Scrivi(modificato + ".wtc", wtc.chopped(2));
        Programmi[0].Rung[1].Descrizione = QStringLiteral("unsaved");
        QCOMPARE(ApriProgetto(modificato + ".prj"), EsitoApertura::Rifiutato);
        QCOMPARE(copione.Messaggi().last(),
                 QStringLiteral("The project was not opened: edited.wtc, line %1: the last line has no line end, so "
                                "the file may be cut")
                     .arg(wtc.count('\n')));
        QCOMPARE(Programmi[0].Rung[1].Descrizione, QStringLiteral("unsaved"));
    }

    // A file of the set that cannot be written: said with its name, the old
    // set as it was, the project still marked modified.
    void salvataggioFallito()
    {
        const QList<QByteArray> prima = LeggiSet(base);
        const QString skd = base + Estensione(FileSet::Skd);
        QVERIFY(QFile::remove(skd));
        QVERIFY(QDir().mkdir(skd));
        Programmi[0].Rung[1].Descrizione = QStringLiteral("changed");
        ProgettoModificato = true;
        NomeFile = base + ".prj";
        QVERIFY(!SalvaProgettoCorrente(false));
        QVERIFY(ProgettoModificato);
        QVERIFY(copione.Messaggi().join("|").contains("proj.skd"));
        QVERIFY(QDir().rmdir(skd));
        for (int f = 0; f < NumFileSet; ++f)
            if (FileSet(f) != FileSet::Skd) QCOMPARE(Leggi(base + Estensione(FileSet(f))), prima[f]);
        // A folder that cannot be made at all.
        Installa();
        copione.RispondiTesto(cartella.filePath("proj.prj/inside/x"));
        QVERIFY(!SalvaProgettoCorrente(true));
        QCOMPARE(NomeFile, base + ".prj");
    }

    // A text block holding one of the .blk's own marker lines would save a set
    // that reopens with the block cut short: the save refuses, names the
    // block, keeps the old set and the modified flag.
    void bloccoConTag()
    {
        QVERIFY(Modelli[Controllore.Modello].NumBlocchi > 0);
        const QList<QByteArray> prima = LeggiSet(base);
        const QString vecchio = Blocchi[0].TestoVoce;
        Blocchi[0].TestoVoce = QStringLiteral("a\r\n</TEXT>\r\nb");
        ProgettoModificato = true;
        NomeFile = base + ".prj";
        QVERIFY(!SalvaProgettoCorrente(false));
        QVERIFY(ProgettoModificato);
        QVERIFY(copione.Messaggi().join("|").contains("proj.blk: text block *000"));
        for (int f = 0; f < NumFileSet; ++f) QCOMPARE(Leggi(base + Estensione(FileSet(f))), prima[f]);
        Blocchi[0].TestoVoce = vecchio;
    }

    // A text with a character its file has no byte for would come back with
    // "?" in its place: the save refuses, naming file, field and character,
    // and writes nothing, over the old set or under a new name.
    void testoSenzaByte()
    {
        const QList<QByteArray> prima = LeggiSet(base);
        const int registro = Modelli[Controllore.Modello].PrimoRegistroUtente;
        const struct {
            QString* campo;
            const char* testo;
            QString atteso;
        } casi[] = {
            {&Programmi[0].Rung[2].Descrizione, "Pump “A”", "proj.prj: Description of rung 2 holds “ (U+201C)"},
            {&Programmi[0].Rung[1].ArgTesto[3], "%R1€", "proj.prj: Row 4 of rung 1 holds € (U+20AC)"},
            {&TabRegistri[size_t(registro)].Nome, "Δp", QStringLiteral("proj.lst: Name of register %1 holds Δ (U+0394)").arg(registro)},
            {&Tabelle[1].NomeTabella, "T–2", "proj.ptb: Name of table 2 holds – (U+2013)"},
            {&Pagine[0].Oggetti[1].FormatoOgg, "Level ≥", "proj.dsp: Text of object 1 on page 1 holds ≥ (U+2265)"},
            {&Tasks[1].Cartella, "LOG—1", "proj.skd: Folder of task 1 holds — (U+2014)"},
            {&Variabili[0].EtichettaVar, "Tànk’", "proj.fmt: Label of variable 0 holds ’ (U+2019)"},
            {&Stringhe[0].TestoVoce, "μ ok", "proj.str: String 0 holds μ (U+03BC)"},
            {&Blocchi[1].TestoVoce, "a\r\n€", "proj.blk: Text block *001 holds € (U+20AC)"},
            {&TestiSMS[0].TestoSMS, "alarm ‼", "proj.msg: SMS text of task 2 holds ‼ (U+203C)"},
        };
        for (const auto& c : casi) {
            const QString vecchio = std::exchange(*c.campo, QString::fromUtf8(c.testo));
            Installa();
            ProgettoModificato = true;
            NomeFile = base + ".prj";
            QVERIFY(!SalvaProgettoCorrente(false));
            QCOMPARE(copione.Messaggi(), QStringList{"The project was not saved: " + c.atteso +
                                                     ", a character the project files and the controller cannot hold"});
            QVERIFY(ProgettoModificato);
            for (int f = 0; f < NumFileSet; ++f) QCOMPARE(Leggi(base + Estensione(FileSet(f))), prima[f]);
            *c.campo = vecchio;
        }
        const QString etichetta = std::exchange(Programmi[0].Rung[1].Etichetta, QStringLiteral("“"));
        const QString nuovo = cartella.filePath(QStringLiteral("fresh"));
        copione.RispondiTesto(nuovo);
        QVERIFY(!SalvaProgettoCorrente(true));
        QCOMPARE(QDir(cartella.path()).entryList({"fresh*"}, QDir::Files), QStringList{});
        QVERIFY(copione.Messaggi().last().contains("fresh.prj: Label of rung 1 holds “ (U+201C)"));
        QCOMPARE(NomeFile, base + ".prj");
        Programmi[0].Rung[1].Etichetta = etichetta;   // mended, it saves
        copione.RispondiTesto(nuovo);
        QVERIFY(SalvaProgettoCorrente(true));
    }

    // Every byte a set's texts hold comes back as it was: a set read and
    // saved unchanged keeps all its bytes, those above 127 included.
    void latin1Intatto()
    {
        const QString letto = cartella.filePath(QStringLiteral("latin")), riscritto = cartella.filePath("latin2");
        const QList<QPair<QByteArray, QByteArray>> cambi[NumFileSet] = {
            {{"block", "bl\xF6" "ck \xA0\x85\x80\xFF"}}, {}, {}, {{"T 1", "T\xE0 1"}}, {{"Level, m", "Level \xB2, m\xB3"}},
            {{"LOG, 1", "L\xD6G, 1"}}, {{"a,b", "\xE4,b"}}, {{"one, two", "one, tw\xF2 \xB0\xB5"}},
            {{"first", "f\xEFrst"}}, {{"level", "l\xE8vel"}}};
        QList<QByteArray> attesi;
        for (int f = 0; f < NumFileSet; ++f) {
            QByteArray testo = Leggi(cartella.filePath("again") + Estensione(FileSet(f)));   // the whole set saved first
            for (const auto& [da, a] : cambi[f]) {
                QVERIFY2(testo.contains(da), da.constData());
                testo.replace(da, a);
            }
            QFile::remove(letto + Estensione(FileSet(f)));
            Scrivi(letto + Estensione(FileSet(f)), testo);
            attesi << testo;
        }
        ProgettoModificato = false;
        QCOMPARE(ApriProgetto(letto + ".prj"), EsitoApertura::Aperto);
        copione.RispondiTesto(riscritto);
        QVERIFY(SalvaProgettoCorrente(true));
        for (int f = 0; f < NumFileSet; ++f) QCOMPARE(Leggi(riscritto + Estensione(FileSet(f))), attesi[f]);
    }

    // "Wrong Version, continue?" comes before anything is cleared; OK reads
    // the set in the older layout.
    void versione_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("esito");
        QTest::newRow("cancel") << int(Prompt::Annulla) << int(EsitoApertura::Annullato);
        QTest::newRow("ok") << int(Prompt::Ok) << int(EsitoApertura::Aperto);
    }
    void versione()
    {
        QFETCH(int, risposta);
        QByteArray prj = "1.9\r\nX\r\n 10 \r\n 1 \r\nnewer\r\n\r\n 3 \r\n 15 \r\n 3 \r\n";   // a Return rung
        for (int k = 0; k < 8; ++k) prj += "\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
        prj += " 0 \r\n 0 \r\n 0 \r\n";
        const QString nuovo = cartella.filePath("newer");
        Scrivi(nuovo + ".prj", prj);
        const QStringList prima = Descrizioni();
        copione.Rispondi(risposta);
        QTEST(int(ApriProgetto(nuovo + ".prj")), "esito");
        QCOMPARE(copione.richieste.first().testo, QStringLiteral("Wrong Version, continue?"));
        QCOMPARE(Descrizioni(), risposta == Prompt::Ok ? QStringList{"newer"} : prima);
    }

    // A modified project is offered for saving after the set was read; a
    // save that did not happen stops the load.
    void domandaSalvataggio()
    {
        const QStringList prima = Descrizioni();
        ProgettoModificato = true;
        copione.Rispondi(Prompt::Ok);   // "Close Project?"
        copione.Rispondi(Prompt::Ok);   // save the changes: the save dialog is then cancelled
        QCOMPARE(ApriProgetto(base + ".prj"), EsitoApertura::NonSalvato);
        QCOMPARE(Descrizioni(), prima);
        QVERIFY(ProgettoModificato);
    }

    // A disk with no room left: the save says so with the file and the
    // reason, the old set stays whole and the project stays modified; with
    // room again the same save goes through.
    void discoPieno()
    {
        Test::DiscoPieno disco(256);
        if (!disco.Pronto()) QSKIP(qPrintable(disco.Motivo()));
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        Programmi[0].NumRung = 1;
        Programmi[0].Rung[1] = Rung{.Descrizione = QStringLiteral("before")};
        const QString pieno = disco.Percorso(QStringLiteral("proj"));
        NomeFile = pieno + ".prj";
        QVERIFY(SalvaProgettoCorrente(false));
        const QList<QByteArray> prima = LeggiSet(pieno);
        disco.Riempi();
        Programmi[0].Rung[1].Descrizione = QStringLiteral("after");
        ProgettoModificato = true;
        QVERIFY(!SalvaProgettoCorrente(false));
        QVERIFY(ProgettoModificato);
        const QString box = copione.Messaggi().join("|");
        QVERIFY2(box.contains("proj.prj: ") && !box.endsWith(": "), qPrintable(box));
        QCOMPARE(LeggiSet(pieno), prima);
        QCOMPARE(QDir(QFileInfo(pieno).path()).entryList(QDir::Files).size(), NumFileSet + 1);
        disco.Libera();
        QVERIFY(SalvaProgettoCorrente(false));
        QVERIFY(!ProgettoModificato);
        QCOMPARE(ApriProgetto(pieno + ".prj"), EsitoApertura::Aperto);
        QCOMPARE(Descrizioni(), QStringList{"after"});
    }

    // A table at the edges of the double range saves, opens, and saves the
    // same table file again.
    void tabellaEstrema()
    {
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        Programmi[0].NumRung = 0;
        const auto valori = Test::ValoriEstremi();
        NumTabelle = 1;
        Tabelle[0] = Tabella{.NomeTabella = "edges", .NPunti = uint8_t(valori.size())};
        for (int k = 0; k < valori.size(); ++k) {
            Tabelle[0].X[size_t(k)] = valori[k].second;
            Tabelle[0].Y[size_t(k)] = -valori[k].second;
        }
        const QString estrema = cartella.filePath(QStringLiteral("edges"));
        NomeFile = estrema + ".prj";
        QVERIFY(SalvaProgettoCorrente(false));
        const QList<QByteArray> salvato = LeggiSet(estrema);
        NumTabelle = 0;
        QCOMPARE(ApriProgetto(estrema + ".prj"), EsitoApertura::Aperto);
        QCOMPARE(int(NumTabelle), 1);
        for (int k = 0; k < valori.size(); ++k) {
            QVERIFY2(Test::RilettoComeScritto(valori[k].second, Tabelle[0].X[size_t(k)]), valori[k].first);
            QVERIFY2(Test::RilettoComeScritto(-valori[k].second, Tabelle[0].Y[size_t(k)]), valori[k].first);
        }
        QVERIFY(SalvaProgettoCorrente(false));
        QCOMPARE(LeggiSet(estrema)[int(FileSet::Ptb)], salvato[int(FileSet::Ptb)]);
    }
};

QTEST_MAIN(TestApriProgetto)
#include "test_apriprogetto.moc"


