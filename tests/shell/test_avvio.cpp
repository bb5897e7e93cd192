// The state the real start procedure leaves behind, seen from outside.
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "display/Pagine.h"
#include "production/frm_eeprom.h"
#include "program/Programmi.h"
#include "registers/TabRegistri.h"
#include "shell/model/Modelli.h"
#include "resources/Immagini.h"
#include "registers/frm_watch.h"
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

    // Every default the start leaves behind, by name.
    void globali()
    {
#define V(x) QStringLiteral(#x "=") + QVariant(x).toString()
        const QStringList visti = {
            V(Versione), V(Revisione), V(CodiceVersione), V(Marchio600), V(Marchio650), V(Marchio700),
            V(Marchio750), V(OffsetMarchio), V(ProgettoModificato), V(AggiornamentoAuto), V(TempoAggiornamento),
            V(Lingua), V(Programmi[0].NumRung), V(NumSub), V(ProgCorrente), V(RungCorrente), V(NumPagine),
            V(NomeProgetto), V(ComTimeout), V(ComErr), V(AttendiRisposta), V(Canale), V(Controllore.IndirizzoIP),
            V(Controllore.Porta), V(Controllore.Nodo), V(Controllore.Modello), V(Controllore.TimeoutTCP),
            V(Controllore.TipoConnessione), V(Controllore.Connesso), V(Controllore.BaudRate),
            V(Controllore.DueStop), V(Controllore.Modem)};
#undef V
        QCOMPARE(visti, QStringList({
            "Versione=1.8", "Revisione=c", "CodiceVersione=256", "Marchio600=false", "Marchio650=true",
            "Marchio700=false", "Marchio750=false", "OffsetMarchio=50", "ProgettoModificato=false",
            "AggiornamentoAuto=false", "TempoAggiornamento=500", "Lingua=1", "Programmi[0].NumRung=0", "NumSub=0",
            "ProgCorrente=0", "RungCorrente=0", "NumPagine=1", "NomeProgetto=", "ComTimeout=2", "ComErr=1",
            "AttendiRisposta=true", "Canale=2", "Controllore.IndirizzoIP=192.168.1.100", "Controllore.Porta=502",
            "Controllore.Nodo=10", "Controllore.Modello=0", "Controllore.TimeoutTCP=1000",
            "Controllore.TipoConnessione=0", "Controllore.Connesso=false", "Controllore.BaudRate=",
            "Controllore.DueStop=false", "Controllore.Modem=false"}));
#ifdef MODO_PRODUZIONE
        QVERIFY(ModoProduzione);
#else
        QVERIFY(!ModoProduzione);
#endif
        // English texts, the brand's model names, the register table of model 0.
        QCOMPARE(Testo(172), QStringLiteral("Do you want to save your changes?"));
        QCOMPARE(Modelli[0].Nome, QStringLiteral("ZM-RS485-ETH"));
        QCOMPARE(TabRegistri[26].Indirizzo, QStringLiteral("%R26"));
    }

    void finestraPrincipale()
    {
        Principale* p = Principale::Istanza();
        QCOMPARE(p->windowTitle(), QStringLiteral("Brixa"));
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
            const QImage img = pm.toImage(), grigia = icona.pixmap(QSize(32, 32), QIcon::Disabled).toImage();
            int pieni = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) pieni += qAlpha(img.pixel(x, y)) > 0;
            QVERIFY2(pieni > 100, qPrintable(k));
            for (int y = 0; y < grigia.height(); ++y)
                for (int x = 0; x < grigia.width(); ++x) {
                    const QRgb c = grigia.pixel(x, y);
                    QVERIFY2(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c), qPrintable(k));
                }
        }
        QCOMPARE(chiavi.size(), 47);
        QVERIFY(DisegnaImmagine(QStringLiteral("nothing")).isNull());
        QVERIFY(!IconaRisorsa(301).isNull());
        QVERIFY(IconaRisorsa(302).isNull());
    }

    void barraMenu()
    {
        Principale* p = Principale::Istanza();
        QStringList visibili;
        for (QAction* a : p->menuBar()->actions())
            if (a->isVisible()) visibili << a->text();
        QStringList attese = {"Project", "Settings", "View", "Tools", "?"};
        if (ModoProduzione) attese.insert(4, QStringLiteral("Collaudo"));
        QCOMPARE(visibili, attese);
        for (const char* voce : {"mnu_Export", "mnu_print", "mnu_collaudo"})
            QCOMPARE(p->Menu(QString::fromLatin1(voce))->isVisible(), ModoProduzione);
    }

    // Each item under its menu with its caption; "~" marks a hidden item.
    void albero()
    {
        const QList<std::pair<const char*, QStringList>> menu = {
            {"mnu_project", {"mnu_new New", "mnu_openProj Open...", "mnu_close Close", "mnu_SaveProj ~Save",
                             "mnu_saveAs Save as...", "mnu_exit Exit"}},
            {"mnu_settings", {"mnu_controller Controller", "mnu_workspace Workspace"}},
            {"mnu_view", {"mnu_viewProj ~Project", "mnu_program ~Program", "mnu_Registri Registers",
                          "mnu_Watch Watch", "mnu_log Log"}},
            {"mnu_tools", {"mnu_search Search", "mnu_images ~Immages", "mnu_8555 Config", "mnu_Format Variables",
                           "mnu_dialoga Modbus", "mnu_scheduler Scheduler", "mnu_display ~Display",
                           "mnu_Tables Tables"}},
            {"mnu_collaudo", {"mnu_eeprom EEprom", "mnu_col Collaudo", "mnu_coll_tools Tools"}},
            {"mnu_col", {"mnu_coll_8566 QVR8566", "mnu_coll_MOLU MO_LU"}},
            {"mnu_coll_tools", {"mnu_config_8566 Config_8566", "mnu_coll_2565 Coll_2565",
                                "mnu_collR8T200 Coll_R8T200", "mnu_TA Coll_TA", "mnu_coll Collaudo", "mnu_FTP FTP",
                                "mnu_config2 Config2", "mnu_mac MAC", "mnu_boot Boot Loader"}},
            {"mnu_help", {"mnu_About About"}}};
        Principale* p = Principale::Istanza();
        for (const auto& [padre, voci] : menu) {
            QAction* m = p->Menu(QString::fromLatin1(padre));
            QVERIFY(m && m->menu());
            QCOMPARE(m->menu()->objectName(), QLatin1String(padre) + QStringLiteral("_popup"));
            for (const QString& v : voci) {
                const QString nome = v.section(QLatin1Char(' '), 0, 0), testo = v.section(QLatin1Char(' '), 1);
                QAction* a = p->Menu(nome);
                QVERIFY2(a && m->menu()->actions().contains(a), qPrintable(nome));
                QCOMPARE(a->text(), QString(testo).remove(QLatin1Char('~')));
                QCOMPARE(a->isVisible(), !testo.startsWith(QLatin1Char('~')));
            }
        }
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

    void vociCheAprono()
    {
        Principale* p = Principale::Istanza();
        Finestre::Scarica<Log>();
        p->Menu(QStringLiteral("mnu_log"))->trigger();
        Log* log = Finestre::SeCaricata<Log>();
        QVERIFY(log && log->isVisible());
        QCOMPARE(p->Area()->activeSubWindow(), log->parentWidget());
        // Items of subsystems not in this build name the missing function.
        p->Menu(QStringLiteral("mnu_coll_2565"))->trigger();
        QCOMPARE(log->Testo()->count(), 1);
        QVERIFY(log->Testo()->item(0)->text().contains(QStringLiteral("ConfQVR2565")));
        p->Menu(QStringLiteral("mnu_eeprom"))->trigger();
        QVERIFY(Finestre::SeCaricata<frm_eeprom>()->isVisible());
        p->Menu(QStringLiteral("mnu_Watch"))->trigger();
        QVERIFY(Finestre::SeCaricata<frm_watch>()->isVisible());
        QVERIFY(!Finestre::SeCaricata<frmAbout>());
        p->Menu(QStringLiteral("mnu_About"))->trigger();
        QVERIFY(Finestre::SeCaricata<frmAbout>()->isVisible());
        QVERIFY(!Finestre::SeCaricata<frmAbout>()->isModal());
    }
};

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"
