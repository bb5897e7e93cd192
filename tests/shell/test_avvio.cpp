// The state the real start procedure leaves behind, seen from outside.
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "display/Pagine.h"
#include "program/Programmi.h"
#include "registers/TabRegistri.h"
#include "shell/model/Modelli.h"
#include "resources/Immagini.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "shell/frmAbout.h"
#include "shell/model/Globali.h"
#include "support/Ambiente.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QtTest>

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }

    void globali()
    {
        QCOMPARE(Versione, QStringLiteral("1.8"));
        QCOMPARE(Revisione, QStringLiteral("c"));
        QCOMPARE(CodiceVersione, int16_t(256));
        QCOMPARE(Marchio650, true);
        QCOMPARE(Marchio600 || Marchio700 || Marchio750, false);
        QCOMPARE(OffsetMarchio, int16_t(50));
#ifdef MODO_PRODUZIONE
        QCOMPARE(ModoProduzione, true);
#else
        QCOMPARE(ModoProduzione, false);
#endif
        QCOMPARE(ProgettoModificato, false);
        QCOMPARE(AggiornamentoAuto, false);
        QCOMPARE(TempoAggiornamento, int16_t(500));
        QCOMPARE(Lingua, uint8_t(1));
        QCOMPARE(Programmi[0].NumRung, int16_t(0));
        QCOMPARE(NumSub, int16_t(0));
        QCOMPARE(ProgCorrente, int16_t(0));
        QCOMPARE(RungCorrente, int16_t(0));
        QCOMPARE(NumPagine, uint8_t(1));
        QVERIFY(NomeProgetto.isEmpty());
    }

    void connessione()
    {
        QCOMPARE(ComTimeout, int16_t(2));
        QCOMPARE(ComErr, int16_t(1));
        QCOMPARE(AttendiRisposta, true);
        QCOMPARE(Canale, int16_t(2));
        QCOMPARE(Controllore.IndirizzoIP, QStringLiteral("192.168.1.100"));
        QCOMPARE(Controllore.Porta, int16_t(502));
        QCOMPARE(Controllore.Nodo, uint8_t(10));
        QCOMPARE(Controllore.Modello, uint8_t(0));
        QCOMPARE(Controllore.TimeoutTCP, int16_t(1000));
        QCOMPARE(Controllore.TipoConnessione, uint8_t(0));
        QCOMPARE(Controllore.Connesso, false);
        QVERIFY(Controllore.BaudRate.isEmpty());
        QCOMPARE(Controllore.DueStop, false);
        QCOMPARE(Controllore.Modem, false);
    }

    // English texts, the brand's model names in the model table, and the
    // register table of model 0.
    void tabelleCaricate()
    {
        QCOMPARE(Lingua, uint8_t(1));
        QCOMPARE(Testo(172), TestoRisorsa(3172));
        QCOMPARE(Modelli[0].Nome, NomiModello[0]);
        QCOMPARE(NomiModello[0], TestoRisorsa(652));
        QCOMPARE(TabRegistri[26].Indirizzo, PrefissiRegistro[0] + QStringLiteral("26"));
        if (TestoRisorsa(3172).isEmpty()) QSKIP("string table not in this build");
        QCOMPARE(Testo(172), QStringLiteral("Do you want to save your changes?"));
        QCOMPARE(NomiModello[0], QStringLiteral("ZM-RS485-ETH"));
        QCOMPARE(TabRegistri[26].Indirizzo, QStringLiteral("%R26"));
    }

    void offsetMarchio_data()
    {
        QTest::addColumn<int>("flag");   // bits 600, 650, 700, 750
        QTest::addColumn<int>("atteso");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("600") << 1 << 0;
        QTest::newRow("650") << 2 << 50;
        QTest::newRow("700") << 4 << 100;
        QTest::newRow("600+750") << 9 << 150;
        QTest::newRow("650+700 last wins") << 6 << 100;
        QTest::newRow("all") << 15 << 150;
    }
    void offsetMarchio()
    {
        QFETCH(int, flag);
        QFETCH(int, atteso);
        QCOMPARE(int(CalcolaOffsetMarchio(flag & 1, flag & 2, flag & 4, flag & 8)), atteso);
    }

    void finestraPrincipale()
    {
        Principale* p = Principale::Istanza();
        QCOMPARE(p->windowTitle(), TestoRisorsa(601 + 50));
        if (!TestoRisorsa(651).isEmpty()) QCOMPARE(p->windowTitle(), QStringLiteral("Brixa"));
        QVERIFY(!p->windowIcon().isNull());
        QCOMPARE(p->size(), QSize(Twips(16000), Twips(13000)));
        QVERIFY(p->isVisible());
    }

    void logInAltoASinistra()
    {
        Log* log = Finestre::SeCaricata<Log>();
        QVERIFY(log);
        auto* sub = qobject_cast<QMdiSubWindow*>(log->parentWidget());
        QVERIFY(sub);
        QVERIFY(sub->isVisible());
        QCOMPARE(sub->pos(), QPoint(0, 0));
        QCOMPARE(sub->height(), Twips(3000));
        QCOMPARE(sub->width(), Log::Larghezza());
        QCOMPARE(log->windowTitle(), QStringLiteral("Log"));
    }

    void immagini()
    {
        const auto& lista = Principale::Istanza()->ImageList1;
        QCOMPARE(lista.size(), 47);
        QCOMPARE(lista[6].first, QStringLiteral("rung_new_before"));
        QCOMPARE(lista[28].first, QStringLiteral("host"));
        QCOMPARE(lista.first().first, QStringLiteral("run"));
        QCOMPARE(lista.last().first, QStringLiteral("flag_eng"));
        QSet<QString> chiavi;
        for (const auto& [k, icona] : lista) {
            chiavi.insert(k);
            // Crisp on a dense screen: drawn at the device size, not scaled up.
            const QPixmap pm = icona.pixmap(QSize(24, 24), 2.0);
            QCOMPARE(pm.size(), QSize(48, 48));
            const QImage img = pm.toImage();
            int pieni = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) pieni += qAlpha(img.pixel(x, y)) > 0;
            QVERIFY2(pieni > 100, qPrintable(k));
        }
        QCOMPARE(chiavi.size(), 47);
        QVERIFY(DisegnaImmagine(QStringLiteral("nothing")).isNull());
        QVERIFY(!IconaRisorsa(301).isNull());
        QVERIFY(IconaRisorsa(302).isNull());
    }

    void immaginiDisabilitateGrigie()
    {
        const QImage img =
            DisegnaImmagine(QStringLiteral("run")).pixmap(QSize(32, 32), QIcon::Disabled).toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                QVERIFY(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
            }
    }

    void vociProduzione_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("export") << "mnu_Export";
        QTest::newRow("print") << "mnu_print";
        QTest::newRow("collaudo") << "mnu_collaudo";
    }
    void vociProduzione()
    {
        QFETCH(QString, nome);
        QAction* a = Principale::Istanza()->Menu(nome);
        QVERIFY(a);
        QCOMPARE(a->isVisible(), ModoProduzione);
    }

    void barraMenu()
    {
        QStringList visibili;
        for (QAction* a : Principale::Istanza()->menuBar()->actions())
            if (a->isVisible()) visibili << a->text();
        QStringList attese = {"Project", "Settings", "View", "Tools", "?"};
        if (ModoProduzione) attese.insert(4, QStringLiteral("Collaudo"));
        QCOMPARE(visibili, attese);
    }

    void albero_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("padre");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("visibile");
        auto r = [](const char* n, const char* p, const char* t, bool v = true) {
            QTest::newRow(n) << n << p << t << v;
        };
        r("mnu_new", "mnu_project", "New");
        r("mnu_openProj", "mnu_project", "Open...");
        r("mnu_close", "mnu_project", "Close");
        r("mnu_SaveProj", "mnu_project", "Save", false);
        r("mnu_saveAs", "mnu_project", "Save as...");
        r("mnu_exit", "mnu_project", "Exit");
        r("mnu_controller", "mnu_settings", "Controller");
        r("mnu_workspace", "mnu_settings", "Workspace");
        r("mnu_viewProj", "mnu_view", "Project", false);
        r("mnu_program", "mnu_view", "Program", false);
        r("mnu_Registri", "mnu_view", "Registers");
        r("mnu_Watch", "mnu_view", "Watch");
        r("mnu_log", "mnu_view", "Log");
        r("mnu_search", "mnu_tools", "Search");
        r("mnu_images", "mnu_tools", "Immages", false);
        r("mnu_8555", "mnu_tools", "Config");
        r("mnu_Format", "mnu_tools", "Variables");
        r("mnu_dialoga", "mnu_tools", "Modbus");
        r("mnu_scheduler", "mnu_tools", "Scheduler");
        r("mnu_display", "mnu_tools", "Display", false);
        r("mnu_Tables", "mnu_tools", "Tables");
        r("mnu_eeprom", "mnu_collaudo", "EEprom");
        r("mnu_col", "mnu_collaudo", "Collaudo");
        r("mnu_coll_8566", "mnu_col", "QVR8566");
        r("mnu_coll_MOLU", "mnu_col", "MO_LU");
        r("mnu_coll_tools", "mnu_collaudo", "Tools");
        r("mnu_config_8566", "mnu_coll_tools", "Config_8566");
        r("mnu_coll_2565", "mnu_coll_tools", "Coll_2565");
        r("mnu_collR8T200", "mnu_coll_tools", "Coll_R8T200");
        r("mnu_TA", "mnu_coll_tools", "Coll_TA");
        r("mnu_coll", "mnu_coll_tools", "Collaudo");
        r("mnu_FTP", "mnu_coll_tools", "FTP");
        r("mnu_config2", "mnu_coll_tools", "Config2");
        r("mnu_mac", "mnu_coll_tools", "MAC");
        r("mnu_boot", "mnu_coll_tools", "Boot Loader");
        r("mnu_About", "mnu_help", "About");
    }
    void albero()
    {
        QFETCH(QString, nome);
        QFETCH(QString, padre);
        QFETCH(QString, testo);
        QFETCH(bool, visibile);
        Principale* p = Principale::Istanza();
        QAction* a = p->Menu(nome);
        QVERIFY(a);
        QAction* menuPadre = p->Menu(padre);
        QVERIFY(menuPadre && menuPadre->menu());
        QCOMPARE(menuPadre->menu()->objectName(), padre + QStringLiteral("_popup"));
        QVERIFY(menuPadre->menu()->actions().contains(a));
        QCOMPARE(a->text(), testo);
        QCOMPARE(a->isVisible(), visibile);
    }

    void popup_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QStringList>("voci");   // "-" = separator
        QTest::newRow("FB") << "mnu_FB" << "Function Block"
                            << QStringList{"mnu_FB_copy", "mnu_FB_paste", "-", "mnu_modify", "mnu_FB_Delete", "-",
                                           "mnu_FB_Insert_Before", "mnu_FB_Insert_After", "-", "mnu_FB_Break"};
        QTest::newRow("Cont") << "mnu_Cont" << "Controller"
                              << QStringList{"mnu_SetAsController", "mnu_ViewHomePage", "mnu_SetIP", "mnu_CopyIP",
                                             "mnu_CopyMAC", "mnu_SubNodes"};
    }
    void popup()
    {
        QFETCH(QString, menu);
        QFETCH(QString, titolo);
        QFETCH(QStringList, voci);
        Principale* p = Principale::Istanza();
        QMenu* m = p->Popup(menu);
        QVERIFY(m);
        QCOMPARE(m->title(), titolo);
        QVERIFY(!p->menuBar()->actions().contains(m->menuAction()));
        QStringList trovate;
        for (QAction* a : m->actions()) trovate << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(trovate, voci);
    }

    // Items of subsystems not in this build say so in the Log instead of
    // doing nothing.
    void vociNonDisponibili()
    {
        LogClear();
        Principale::Istanza()->Menu(QStringLiteral("mnu_Watch"))->trigger();
        QListWidget* l = Finestre::Get<Log>()->Testo();
        QCOMPARE(l->count(), 1);
        QVERIFY(l->item(0)->text().contains(QStringLiteral("frm_watch")));
    }

    void vociCheAprono()
    {
        Principale* p = Principale::Istanza();
        Finestre::Scarica<Log>();
        QVERIFY(!Finestre::SeCaricata<Log>());
        p->Menu(QStringLiteral("mnu_log"))->trigger();
        Log* log = Finestre::SeCaricata<Log>();
        QVERIFY(log && log->isVisible());
        QCOMPARE(log->Testo()->count(), 0);
        QCOMPARE(p->Area()->activeSubWindow(), log->parentWidget());

        QVERIFY(!Finestre::SeCaricata<frmAbout>());
        p->Menu(QStringLiteral("mnu_About"))->trigger();
        QVERIFY(Finestre::SeCaricata<frmAbout>());
        QVERIFY(Finestre::SeCaricata<frmAbout>()->isVisible());
        QVERIFY(!Finestre::SeCaricata<frmAbout>()->isModal());
    }
};

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"
