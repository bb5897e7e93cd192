// The table editor: its logic on the shared tables, and the window opened
// from a table row's "Set" and from the menu, with the waits of its openers.
#include "base/Globali.h"
#include "blockeditor/comandi.h"
#include "blockeditor/Servizi.h"
#include "program/Agganci.h"
#include "registers/EditorTabelle.h"
#include "registers/FileTabella.h"
#include "registers/Input_Box.h"
#include "registers/Input_Tab.h"
#include "shell/AttesaEditore.h"
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "support/Ambiente.h"
#include "support/CartelleIniziali.h"
#include "support/Controllo.h"
#include "support/DiscoPieno.h"
#include "support/ValoriEstremi.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
void Tabelle3()
{
    NumTabelle = 3;
    const char* nomi[] = {"Tank", "Probe", "Tank"};
    for (int i = 0; i < 3; ++i) {
        Tabelle[size_t(i)] = Tabella{};
        Tabelle[size_t(i)].NomeTabella = QString::fromLatin1(nomi[i]);
        Tabelle[size_t(i)].NPunti = uint8_t(2 + 4 * i);
        for (int k = 0; k < 33; ++k) Tabelle[size_t(i)].X[size_t(k)] = 100 * i + k;
    }
}

} // namespace

class TestInputTab : public QObject {
    Q_OBJECT
    Test::Copione m_copione;

private slots:
    void initTestCase() { Test::AvviaWorkbench(); }
    void init()
    {
        m_copione = Test::Copione();
        m_copione.Installa();
        Tabelle3();
        EditorTabelle::TabellaCorrente = 0;
        ProgettoModificato = false;
        QLocale::setDefault(QLocale::c());
    }

    // Load and Save start where the project's dialogs do, not in the current
    // folder, which the settings save moves to the program's data folder.
    // First of all, while no folder was chosen yet.
    void fileDialogsStartWhereTheProjectsDo()
    {
        Test::CartelleIniziali cartelle;
        QVERIFY(cartelle.Prepara());
        EditorTabelle e;
        e.Carica();
        e.CaricaDaFile();   // cancelled
        m_copione.RispondiTesto(cartelle.Scelta() + "/tank.csv");
        e.SalvaSuFile();
        e.CaricaDaFile();   // cancelled
        cartelle.ApriProgetto();
        e.SalvaSuFile();    // cancelled
        QCOMPARE(cartelle.Partenze(m_copione.richieste), cartelle.Attese());
        QCOMPARE(m_copione.Messaggi(), QStringList{});
        QVERIFY(QFile::exists(cartelle.Scelta() + "/tank.csv"));
    }

    // A new name stored with ">>" and then OK, or ">>" twice, is one table:
    // a Linearization row lists it once. From a project without tables.
    void oneTableForOneName_data()
    {
        QTest::addColumn<QString>("poi");
        QTest::newRow(">> then OK") << "cmd_ok_1";
        QTest::newRow(">> twice") << "cmd_Insert";
    }
    void oneTableForOneName()
    {
        QFETCH(QString, poi);
        Tabelle = {};
        NumTabelle = 0;
        Finestre::Scarica<Input_Tab>();
        const auto scarica = qScopeGuard([] { Finestre::Scarica<Input_Tab>(); });
        MenuClick(QStringLiteral("mnu_Tables"));
        Input_Tab* w = Finestre::SeCaricata<Input_Tab>();
        QVERIFY(w && w->Caricato());
        auto* nome = C<QLineEdit>(w, "txt_NomeTab");
        nome->setText(QStringLiteral("Flow"));
        emit nome->textEdited(nome->text());
        auto* y = C<QLineEdit>(w, "txt_TabB_1");
        y->setText(QStringLiteral("5"));
        emit y->textEdited(y->text());
        C<QPushButton>(w, "cmd_Insert")->click();
        C<QPushButton>(w, poi)->click();
        QCOMPARE(NomiTabelle(), QStringList{"Flow"});
        QCOMPARE(Tabelle[0].Y[1], 5.0);
        QCOMPARE(m_copione.Messaggi(), QStringList{});
    }

    // Another table's name typed over the selected one replaces that table
    // once the user answers Yes; No leaves the tables, the selection and the
    // window as they were. With two of one name (an earlier build's project)
    // the selected one is meant, and its own name asks nothing.
    void aNameInUseReplacesItsTable()
    {
        EditorTabelle e;
        EditorTabelle::TabellaCorrente = 1;
        e.Carica();
        e.Nome = QStringLiteral("Tank");
        e.TestoY[0] = QStringLiteral("3");
        m_copione.Rispondi(Prompt::No);
        QVERIFY(!e.Inserisci());
        m_copione.Rispondi(Prompt::No);
        QVERIFY(!e.Ok());
        QCOMPARE(m_copione.richieste.last().pulsanti, int(Prompt::SiNo));
        QCOMPARE(Tabelle[0].Y[0], 0.0);
        QCOMPARE(EditorTabelle::TabellaCorrente, 1);
        QVERIFY(!ProgettoModificato);
        m_copione.Rispondi(Prompt::Si);
        QVERIFY(e.Inserisci());
        QCOMPARE(m_copione.Messaggi(), QStringList(3, QStringLiteral("A table named Tank exists. Replace it?")));
        QCOMPARE(NomiTabelle(), (QStringList{"Tank", "Probe", "Tank"}));
        QCOMPARE(Tabelle[0].Y[0], 3.0);
        QCOMPARE(Tabelle[1].NomeTabella, QStringLiteral("Probe"));
        QCOMPARE(e.Selezione, 1);
        e.ListaClick(2);
        e.TestoY[0] = QStringLiteral("4");
        QVERIFY(e.Ok());
        QCOMPARE(Tabelle[2].Y[0], 4.0);
        QCOMPARE(Tabelle[0].Y[0], 3.0);
        QCOMPARE(int(NumTabelle), 3);
        QCOMPARE(m_copione.Messaggi().size(), 3);
    }

    void insertReplacesOrAppends()
    {
        EditorTabelle e;
        EditorTabelle::TabellaCorrente = 2;
        e.Carica();
        // Same name: replaces the selected table, even with a duplicate before it.
        e.TestoY[0] = QStringLiteral("7.5");
        e.Conteggio = QStringLiteral("4");
        e.CambioConteggio();
        QVERIFY(e.Inserisci());
        QCOMPARE(int(NumTabelle), 3);
        QCOMPARE(Tabelle[2].Y[0], 7.5);
        QCOMPARE(int(Tabelle[2].NPunti), 4);
        QCOMPARE(Tabelle[2].X[9], 209.0);   // a table that shrinks keeps its old points
        // Another name: appended, the selection stays.
        e.Nome = QStringLiteral("Flow");
        QVERIFY(e.Inserisci() && ProgettoModificato);
        QCOMPARE(int(NumTabelle), 4);
        QCOMPARE(e.Selezione, 2);
        // No tenth table.
        NumTabelle = MaxTabelle;
        e.Lista = NomiTabelle();
        e.Nome = QStringLiteral("Tenth");
        QVERIFY(!e.Inserisci());
        QCOMPARE(int(NumTabelle), MaxTabelle);
        QCOMPARE(m_copione.Messaggi(), QStringList{"A project holds at most 9 tables"});
    }

    void checksRefuseAndKeepTheCheckedTable_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("conteggio");
        QTest::addColumn<QString>("punto");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("empty name") << "" << "3" << "1" << "Check Table Name";
        QTest::newRow("count 1") << "T" << "1" << "1" << "Check N points";
        QTest::newRow("count 33") << "T" << "33" << "1" << "Check N points";
        QTest::newRow("count not a number") << "T" << "x" << "1" << "Check N points";
        QTest::newRow("point not a number") << "T" << "3" << "1..2" << "Error: Check Values";
        QTest::newRow("point empty") << "T" << "3" << "" << "Error: Check Values";
        QTest::newRow("name with a dash") << "T—1" << "3" << "1"
                                          << "Table name holds — (U+2014), a character the project files and the "
                                             "controller cannot hold";
    }
    void checksRefuseAndKeepTheCheckedTable()
    {
        QFETCH(QString, nome);
        QFETCH(QString, conteggio);
        QFETCH(QString, punto);
        QFETCH(QString, messaggio);
        EditorTabelle e;
        EditorTabelle::TabellaCorrente = -1;
        e.Carica();
        e.TabellaModifica.NomeTabella = QStringLiteral("Checked");
        e.Nome = nome;
        e.Conteggio = conteggio;
        e.TestoX[2] = punto;
        QVERIFY(!e.Ok());
        QCOMPARE(m_copione.Messaggi(), QStringList{messaggio});
        QCOMPARE(e.TabellaModifica.NomeTabella, QStringLiteral("Checked"));
        QCOMPARE(int(NumTabelle), 3);
        QCOMPARE(EditorTabelle::TabellaCorrente, -1);
    }

    void countWhileTyping()
    {
        EditorTabelle e;
        e.Carica();
        for (const char* t : {"abc", "1", "20"}) {
            e.Conteggio = QString::fromLatin1(t);
            e.CambioConteggio();
        }
        QCOMPARE(m_copione.Messaggi(), QStringList{"N = 2 to 32"});
        QVERIFY(e.ScorrimentoAttivo && e.Massimo == 20);
    }

    void loadAndSaveThroughTheFileChooser()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QTemporaryDir dir;
        const QString buono = dir.filePath("t.csv"), cattivo = dir.filePath("bad.csv");
        Tabella t;
        t.NomeTabella = QStringLiteral("Loaded, 1");
        t.NPunti = 3;
        t.X = {0.5, 1, 2};
        QCOMPARE(ScriviFileTabella(buono, t), EsitoFileTabella::Ok);
        QFile f(cattivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("T\r\n 40 \r\n");
        f.close();

        EditorTabelle e;
        e.Carica();
        m_copione.RispondiTesto(cattivo);
        e.CaricaDaFile();
        QCOMPARE(m_copione.Messaggi(), QStringList{"Check N points"});
        QCOMPARE(e.Nome, QStringLiteral("Tank"));
        QCOMPARE(e.Conteggio, QStringLiteral("2"));
        m_copione.RispondiTesto(buono);
        e.CaricaDaFile();
        QCOMPARE(e.Nome, t.NomeTabella);
        QCOMPARE(e.Conteggio, QStringLiteral("3"));
        QCOMPARE(e.TestoX[0], QStringLiteral("0,5"));   // shown in the user's locale
        QCOMPARE(int(NumTabelle), 3);                    // the list is not touched
        // Save: the check runs after the chooser; the Italian field reads back.
        e.TestoX[1] = QStringLiteral("1,25");
        const QString salvato = dir.filePath("s.csv");
        m_copione.RispondiTesto(salvato);
        e.SalvaSuFile();
        Tabella letta;
        QCOMPARE(LeggiFileTabella(salvato, letta), EsitoFileTabella::Ok);
        QCOMPARE(letta.X[1], 1.25);
        QCOMPARE(m_copione.richieste.last().filtro, QStringLiteral(" (*.csv);;(*.*)"));
        QLocale::setDefault(QLocale::c());
    }

    // A table row's "Set": the editor opens on the row's table, the wait ends
    // however the editor closes, and the row follows what it chose.
    // A table at the edges of the double range, selected or loaded from its
    // file, is shown so that OK takes it back unchanged; typed input beyond
    // what the files hold is refused.
    void extremeValues()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const auto valori = Test::ValoriEstremi();
        Tabella& t = Tabelle[0];
        t.NPunti = uint8_t(valori.size());
        for (int k = 0; k < valori.size(); ++k) {
            t.X[size_t(k)] = valori[k].second;
            t.Y[size_t(k)] = -valori[k].second;
        }
        const Tabella prima = t;
        EditorTabelle e;
        e.Carica();
        const auto mostrati = e.TestoX;
        QVERIFY(e.Ok());
        QVERIFY(m_copione.Messaggi().isEmpty());
        for (int k = 0; k < valori.size(); ++k) {
            QVERIFY2(Test::RilettoComeScritto(prima.X[size_t(k)], t.X[size_t(k)]), valori[k].first);
            QVERIFY2(Test::RilettoComeScritto(prima.Y[size_t(k)], t.Y[size_t(k)]), valori[k].first);
        }
        // Once accepted, a table shows and stays the same from one OK to the next.
        const Tabella accettata = t;
        EditorTabelle ancora;
        ancora.Carica();
        QCOMPARE(ancora.TestoX, mostrati);
        QVERIFY(ancora.Ok());
        QCOMPARE(t.X, accettata.X);
        QCOMPARE(t.Y, accettata.Y);
        // Through its file.
        QTemporaryDir dir;
        const QString file = dir.filePath("edges.csv");
        QCOMPARE(ScriviFileTabella(file, prima), EsitoFileTabella::Ok);
        EditorTabelle caricato;
        caricato.Carica();
        m_copione.RispondiTesto(file);
        caricato.CaricaDaFile();
        QCOMPARE(caricato.TestoX, mostrati);
        QVERIFY(caricato.ControllaTabella());

        for (const char* oltre : {"1,7976931348623157e+308", "-1,79769313486232e+308", "1e309"}) {
            e.Carica();
            e.TestoY[1] = QString::fromLatin1(oltre);
            m_copione = Test::Copione();
            m_copione.Installa();
            QVERIFY2(!e.ControllaTabella(), oltre);
            QCOMPARE(m_copione.Messaggi(), QStringList{"Error: Check Values"});
        }
        e.TestoY[1] = QStringLiteral("-1,79769313486231e+308");
        QVERIFY(e.ControllaTabella());
        QLocale::setDefault(QLocale::c());
    }

    // Saving the table onto a full disk: said with the file and the reason,
    // the old file kept.
    void saveOntoAFullDisk()
    {
        Test::DiscoPieno disco;
        if (!disco.Pronto()) QSKIP(qPrintable(disco.Motivo()));
        const QString file = disco.Percorso(QStringLiteral("t.csv"));
        QCOMPARE(ScriviFileTabella(file, Tabelle[1]), EsitoFileTabella::Ok);
        const QByteArray prima = TestoFileTabella(Tabelle[1]);
        disco.Riempi();
        EditorTabelle e;
        e.Carica();
        m_copione.RispondiTesto(file);
        e.SalvaSuFile();
        QCOMPARE(m_copione.Messaggi().size(), 1);
        QVERIFY2(m_copione.Messaggi().first().startsWith("The table was not saved: " + file + ": "),
                 qPrintable(m_copione.Messaggi().first()));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), prima);
    }

    void setFromATableRow_data()
    {
        QTest::addColumn<QString>("chiusura");
        QTest::addColumn<int>("scelta");
        QTest::newRow("OK") << "cmd_ok_1" << 1;
        QTest::newRow("Annulla") << "cmd_ok_0" << 1;
        QTest::newRow("close box") << "" << 1;
    }
    void setFromATableRow()
    {
        QFETCH(QString, chiusura);
        EditorBlocco* eb = EditorBloccoAttivo();
        eb->Chiudi();
        eb->ImpostaBersaglio(0, 1);
        eb->SelezionaFunzione(30);   // Linearization: row 1 lists the tables
        comandi* d = Finestre::Get<comandi>();
        QComboBox* tabelle = C<QComboBox>(d, "txt_Var_1");
        QVERIFY(!C<QPushButton>(d, "cmd_set_1")->isHidden());
        tabelle->setCurrentIndex(1);
        bool apertoSulProbe = false;
        QTimer::singleShot(0, this, [&] {
            Input_Tab* w = Finestre::SeCaricata<Input_Tab>();
            apertoSulProbe = w && C<QLineEdit>(w, "txt_NomeTab")->text() == QStringLiteral("Probe");
            if (chiusura.isEmpty())
                qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
            else
                C<QPushButton>(w, chiusura)->click();
        });
        d->cmd_set_Click(1);
        QVERIFY(apertoSulProbe);
        QVERIFY(!DialogoAperto);
        QCOMPARE(tabelle->count(), 3);
        QTEST(tabelle->currentIndex(), "scelta");
        QCOMPARE(ProgettoModificato, !chiusura.isEmpty());
        eb->Chiudi();
    }

    // The editor opened from the menu waits for nothing; closing it does not
    // end the wait of a value dialog opened meanwhile.
    void menuEditorLeavesOtherWaitsAlone()
    {
        EditorTabelle::TabellaCorrente = 1;
        MenuClick(QStringLiteral("mnu_Tables"));
        Input_Tab* w = Finestre::SeCaricata<Input_Tab>();
        QVERIFY(w && w->Caricato() && !DialogoAperto);
        QCOMPARE(C<QListWidget>(w, "ListaTab")->currentRow(), 1);
        // Captions follow the language switch.
        CambiaLingua(0);
        QCOMPARE(C<QPushButton>(w, "cmd_Load")->text(), QStringLiteral("Carica da File"));
        CambiaLingua(1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tables"));
        QWidget* ib = ServiziEditor::ApriValoreTesto();
        bool aperto = false;
        QTimer::singleShot(0, this, [&] {
            C<QPushButton>(w, "cmd_ok_0")->click();
            QTimer::singleShot(20, this, [&] {
                aperto = ib->isVisible() && AttesaEditore::InCorso() == 1;
                C<QPushButton>(ib, "cmd_ok_0")->click();
            });
        });
        AttesaEditore::Attendi(ib);
        QVERIFY(aperto);
        QVERIFY(!DialogoAperto && !w->Caricato());
    }
};

QTEST_MAIN(TestInputTab)
#include "test_input_tab.moc"
