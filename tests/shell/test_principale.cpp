// Toolbar construction and groups, the status display, and the language
// switch reaching the loaded windows.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "blockeditor/comandi.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/finestre/frm_search.h"
#include "program/Program.h"
#include "registers/Registri.h"
#include "shell/Finestre.h"
#include "shell/frm_Settings.h"
#include "shell/frmAbout.h"
#include "shell/Lingua.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/ShellStato.h"

#include <QAction>
#include <QToolBar>
#include <QtTest>
#include <stdexcept>

namespace {
const QStringList kAttiviAllAvvio = {"proj_new", "proj_open", "proj_save", "connect",  "disconnect",
                                      "proj_comp", "view_log", "view_reg", "view_http"};

QStringList Attivi()
{
    QStringList out;
    for (QAction* a : Principale::Istanza()->Toolbar1()->actions())
        if (!a->isSeparator() && a->isEnabled()) out << a->objectName();
    return out;
}

void TuttiAttivi(bool si)
{
    for (QAction* a : Principale::Istanza()->Toolbar1()->actions()) a->setEnabled(si);
}
} // namespace

// Windows for the language switch: with captions from the language texts,
// with fixed captions, one whose reload fails half way, one whose reload
// unloads another loaded window, one never opened.
class FinestraConTesti : public QWidget {
    Q_OBJECT
public:
    Q_INVOKABLE void SetRes() { ++chiamate; }
    int chiamate = 0;
};
class FinestraFissa : public QWidget {
    Q_OBJECT
};
class FinestraGuasta : public QWidget {
    Q_OBJECT
public:
    Q_INVOKABLE void SetRes() { ++chiamate, throw std::runtime_error("no caption"); }
    int chiamate = 0;
};
class FinestraCheChiude : public QWidget {
    Q_OBJECT
public:
    Q_INVOKABLE void SetRes() { Finestre::Scarica<FinestraGuasta>(); }
};
class FinestraMaiAperta : public QWidget {
    Q_OBJECT
public:
    Q_INVOKABLE void SetRes() {}
};

// One status state and what it shows: panels 1, 2, 3, 5, 6; the groups on
// (R debug/release, D download, G run, F rung group); the menus shown (P
// program, S display).
struct Caso {
    bool connesso;
    int tipo;
    int modello;   // entry of NomiModello the model's name equals, -1 none
    bool produzione, marchio650;
    int debug, comando;
    QStringList pannelli;
    const char* attivi;
    const char* menu;
};
Q_DECLARE_METATYPE(Caso)

class TestPrincipale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }

    void pulsanti()
    {
        Principale* p = Principale::Istanza();
        for (QAction* a : p->Toolbar1()->actions()) {
            if (a->isSeparator()) continue;
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
            QCOMPARE(a->whatsThis(), a->toolTip());
            // The overflow menu of a narrow window lists the text.
            QCOMPARE(a->text(), a->toolTip());
        }
        QCOMPARE(Attivi(), kAttiviAllAvvio);
        QCOMPARE(p->Pulsante(QStringLiteral("pause"))->toolTip(), QStringLiteral("Halt/Step"));
        QCOMPARE(p->Pulsante(QStringLiteral("step"))->toolTip(), QStringLiteral("Animate"));
        QCOMPARE(p->Pulsante(QStringLiteral("view_http"))->toolTip(), QStringLiteral("View Web Pages"));
        // The picture comes from the image list under the button's image key.
        QCOMPARE(p->Pulsante(QStringLiteral("run"))->icon().cacheKey(),
                 p->Immagine(QStringLiteral("prog_run")).cacheKey());
        QVERIFY(!p->Pulsante(QStringLiteral("nothing")));
    }

    void gruppi_data()
    {
        QTest::addColumn<QString>("gruppo");
        QTest::addColumn<QStringList>("membri");
        QTest::newRow("project") << "Puls_Project" << QStringList{"proj_new", "proj_open", "proj_save"};
        QTest::newRow("debugrelease") << "Puls_DebugRelease" << QStringList{"debug", "release"};
        QTest::newRow("download") << "Puls_Download" << QStringList{"download"};
        QTest::newRow("debug") << "Puls_Debug" << QStringList{"run", "runBr", "pause", "step", "stop"};
        QTest::newRow("functionblock") << "Puls_FunctionBlock"
                                       << QStringList{"rung_add_before", "rung_add_after", "rung_move_up",
                                                      "rung_move_down", "rung_copy", "rung_mod", "rung_del",
                                                      "rung_break", "proj_comp"};
        QTest::newRow("compila") << "Puls_Compila" << QStringList{"proj_comp"};
        QTest::newRow("wrong case") << "puls_project" << QStringList{};
        QTest::newRow("unknown") << "Puls_Paste" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void gruppi()
    {
        QFETCH(QString, gruppo);
        QFETCH(QStringList, membri);
        Principale* p = Principale::Istanza();
        for (bool verso : {false, true}) {
            TuttiAttivi(!verso);
            p->AbilitaPulsanti(gruppo, verso);
            for (QAction* a : p->Toolbar1()->actions()) {
                const bool toccato = membri.contains(a->objectName());
                QCOMPARE(a->isEnabled(), toccato ? verso : !verso);
            }
        }
        p->CreaToolBar();
    }

    void creaToolBarDueVolte()
    {
        Principale* p = Principale::Istanza();
        TuttiAttivi(true);
        p->CreaToolBar();
        p->CreaToolBar();
        QCOMPARE(p->Toolbar1()->actions().size(), 36);
        QCOMPARE(Attivi(), kAttiviAllAvvio);
        // No stale buttons linger as children to be found by name.
        QCOMPARE(p->findChildren<QAction*>(QStringLiteral("run")).size(), 1);
    }

    void stato_data()
    {
        QTest::addColumn<Caso>("c");
        const char *v2 = "old2", *v3 = "old3", *ip = "127.0.0.1 [10]";
        auto riga = [](const char* n, const Caso& c) { QTest::newRow(n) << c; };
        riga("not connected ethernet", {false, 0, 0, false, true, -1, 255, {"Not Connected", "", "", "", "old6"}, "", "P"});
        riga("not connected serial", {false, 1, 0, false, true, -1, 255, {"Port Closed", "", "", "", "old6"}, "", "P"});
        riga("serial release",
             {true, 1, 0, false, true, 0, 0, {"Port Open", "Release Mode", "Stop", "COM3 [10]", "QVR4555"}, "R", "P"});
        riga("serial debug run",
             {true, 1, 0, false, true, -1, 255, {"Port Open", "Debug Mode", "RUN", "COM3 [10]", "QVR4555"}, "RDGF", "P"});
        riga("ethernet debug run to break",
             {true, 0, 7, false, true, -1, 90, {"Connected", "Debug Mode", "RUN", ip, "QVR4566-USB"}, "RDGF", "P"});
        riga("after pause", {true, 0, 0, false, true, -1, 100, {"Connected", "Debug Mode", "Stop", ip, "QVR4555"}, "RDGF", "P"});
        riga("after stop", {true, 0, 0, false, true, -1, 252, {"Connected", "Debug Mode", "Stop", ip, "QVR4555"}, "RDGF", "P"});
        riga("4005 program and display",
             {true, 0, 8, false, false, 0, 0, {"Connected", "Release Mode", "Stop", ip, "QVR4005"}, "R", "PS"});
        riga("8566 delivered, other brand", {true, 0, 9, false, false, -1, 255, {"Connected", v2, v3, ip, "QVR8566"}, "", ""});
        riga("8566 brand 650", {true, 0, 9, false, true, -1, 255, {"Connected", v2, v3, ip, "QVR8566"}, "", "P"});
        riga("8566 production",
             {true, 0, 9, true, false, -1, 255, {"Connected", "Debug Mode", "RUN", ip, "QVR8566"}, "RDGF", "P"});
        riga("0573 production",
             {true, 0, 25, true, false, 0, 255, {"Connected", "Release Mode", "RUN", ip, "QVR0573"}, "R", ""});
        riga("0573 delivered", {true, 0, 25, false, true, -1, 255, {"Connected", v2, v3, ip, "QVR0573"}, "", ""});
        riga("module outside families", {true, 0, 12, true, true, -1, 255, {"Connected", v2, v3, ip, "QVR8561"}, "", ""});
        riga("model past the table", {true, 0, -1, true, true, -1, 255, {"Connected", v2, v3, ip, ""}, "", ""});
    }
    void stato()
    {
        QFETCH(Caso, c);
        const Test::Ripristino salvato;
        const QStringList nomi = {"QVR4555", "QVR4555-IO", "QVR4555-DL", "QVR4555-DL-IO", "QVR4555-USB",
                                  "QVR4566", "QVR4566-DL", "QVR4566-USB", "QVR4005",     "QVR8566",
                                  "QVR8569", "QVR8560", "QVR8561", "QVR8562", "QVR8563",
                                  "QVR8563-P", "QVR8564", "QVR8577", "QVR8579", "QVR8573",
                                  "QVR8685", "QVR8695", "QVR8693", "QVR8633", "QVR8035-MBTCP",
                                  "QVR0573"};
        for (int k = 0; k < 26; ++k) NomiModello[k] = nomi[k];
        // The model's name is what places it in a family.
        Modelli[3].Nome = c.modello >= 0 ? nomi[c.modello] : QString();
        Controllore.Modello = c.modello >= 0 ? 3 : 41;
        Controllore.Connesso = c.connesso;
        Controllore.TipoConnessione = TipoCollegamento(c.tipo);
        Controllore.IndirizzoIP = QStringLiteral("127.0.0.1");
        Controllore.Porta = c.tipo ? 3 : 502;
        Controllore.Nodo = 10;
        Controllore.ModoDebug = int16_t(c.debug);
        Controllore.UltimoComando = uint8_t(c.comando);
        RicordaCollegamento();   // the link as if opened with these settings
        ModoProduzione = c.produzione;
        Marchio650 = c.marchio650;

        Principale* p = Principale::Istanza();
        p->CreaToolBar();
        for (int i = 1; i <= 6; ++i) p->ImpostaPannello(i, QStringLiteral("old%1").arg(i));
        p->AggiornaStato();

        QCOMPARE((QStringList{p->Pannello(1), p->Pannello(2), p->Pannello(3), p->Pannello(5), p->Pannello(6)}),
                 c.pannelli);
        QCOMPARE(p->Pannello(4), QStringLiteral("old4"));   // the transaction's own panel
        const QString attivi = QLatin1String(c.attivi), menu = QLatin1String(c.menu);
        auto acceso = [&](const char* k) { return p->Pulsante(QString::fromLatin1(k))->isEnabled(); };
        QCOMPARE(acceso("debug"), attivi.contains('R'));
        QCOMPARE(acceso("release"), attivi.contains('R'));
        QCOMPARE(acceso("download"), attivi.contains('D'));
        for (const char* k : {"run", "runBr", "pause", "step", "stop"}) QCOMPARE(acceso(k), attivi.contains('G'));
        QCOMPARE(acceso("rung_mod"), attivi.contains('F'));
        for (const char* k : {"proj_new", "proj_open", "proj_save", "proj_comp", "connect", "view_http"})
            QVERIFY(acceso(k));
        QVERIFY(!acceso("upload") && !acceso("new_sub"));
        QCOMPARE(p->Menu(QStringLiteral("mnu_program"))->isVisible(), menu.contains('P'));
        QCOMPARE(p->Menu(QStringLiteral("mnu_display"))->isVisible(), menu.contains('S'));
    }

    // The rung group is only ever switched on by the status update, never off.
    void gruppoRungConservato()
    {
        Principale* p = Principale::Istanza();
        p->AbilitaPulsanti(QStringLiteral("Puls_FunctionBlock"), true);
        Controllore.Connesso = false;
        p->AggiornaStato();
        QVERIFY(p->Pulsante(QStringLiteral("rung_del"))->isEnabled());
        p->CreaToolBar();
    }

    void cambioLinguaChiamaSetRes()
    {
        auto* conTesti = Finestre::Get<FinestraConTesti>();
        auto* fissa = Finestre::Get<FinestraFissa>();
        const int prima = conTesti->chiamate;
        const auto caricate = Finestre::Caricate().size();
        CambiaLingua(Lingua);   // the language in force still reloads every window
        QCOMPARE(conTesti->chiamate, prima + 1);
        CambiaLingua(0);
        QCOMPARE(conTesti->chiamate, prima + 2);
        QCOMPARE(Lingua, uint8_t(0));
        // Nothing is loaded by the switch, nothing dropped.
        QVERIFY(!Finestre::SeCaricata<FinestraMaiAperta>());
        QCOMPARE(Finestre::Caricate().size(), caricate);
        QVERIFY(Finestre::SeCaricata<FinestraFissa>() == fissa);
        CambiaLingua(1);
    }

    // The real windows, loaded together, follow the switch both ways; the
    // Log and the About box keep their fixed captions.
    void cambioLinguaFinestreVere()
    {
        QList<QWidget*> finestre = {Finestre::Get<Program>(),      Finestre::Get<Registri>(),
                                    Finestre::Get<comandi>(),      Finestre::Get<frm_Settings>(),
                                    Finestre::Get<frm_search>(),   Finestre::Get<Log>(),
                                    Finestre::Get<frmAbout>()};
        const QStringList inglese = {"Program", "Registers Table", "Functions", "Settings",
                                     "Search Devices", "Log", "About Brixa"};
        const QStringList italiano = {"Programma", "Tabella Registri", "Funzioni", "Impostazioni",
                                      "Ricerca Dispositivi", "Log", "About Brixa"};
        auto titoli = [&] {
            QStringList t;
            for (QWidget* w : finestre) t << w->windowTitle();
            return t;
        };
        QCOMPARE(titoli(), inglese);
        CambiaLingua(0);
        QCOMPARE(titoli(), italiano);
        QCOMPARE(Principale::Istanza()->Menu(QStringLiteral("mnu_project"))->text(), QStringLiteral("Progetto"));
        // A window loaded after the switch starts in the new language.
        Finestre::Scarica<frm_Settings>();
        finestre[3] = Finestre::Get<frm_Settings>();
        QCOMPARE(finestre[3]->windowTitle(), QStringLiteral("Impostazioni"));
        CambiaLingua(1);
        QCOMPARE(titoli(), inglese);
        for (QWidget* w : finestre)
            if (!qobject_cast<Log*>(w)) Finestre::Scarica(w);
    }

    void cambioLinguaOltreIGuasti()
    {
        auto* guasta = Finestre::Get<FinestraGuasta>();
        auto* conTesti = Finestre::Get<FinestraConTesti>();   // loaded after the failing one
        const int prima = conTesti->chiamate;
        CambiaLingua(1);
        QCOMPARE(guasta->chiamate, 1);
        QCOMPARE(conTesti->chiamate, prima + 1);
        // One window's reload closes a window still to be visited.
        Finestre::Scarica<FinestraConTesti>();
        Finestre::Get<FinestraCheChiude>();
        Finestre::Get<FinestraGuasta>();
        CambiaLingua(1);
        QVERIFY(!Finestre::SeCaricata<FinestraGuasta>());
        Finestre::Scarica<FinestraCheChiude>();
    }
};

QTEST_MAIN(TestPrincipale)
#include "test_principale.moc"
