// The state the real start procedure leaves behind, seen from outside.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "display/Pagine.h"
#include "registers/TabRegistri.h"
#include "resources/Immagini.h"
#include "shell/Finestre.h"
#include "shell/frmAbout.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }

    // What the start computes or loads rather than takes from a declaration.
    void globali()
    {
#define V(x) QStringLiteral(#x "=") + QVariant(x).toString()
        const QStringList visti = {V(OffsetMarchio), V(Lingua), V(NumPagine), V(ComErr), V(Canale),
                                   V(Controllore.IndirizzoIP), V(Controllore.Porta), V(Controllore.Nodo)};
#undef V
        QCOMPARE(visti, QStringList({"OffsetMarchio=50", "Lingua=1", "NumPagine=1", "ComErr=1", "Canale=2",
                                     "Controllore.IndirizzoIP=192.168.1.100", "Controllore.Porta=502",
                                     "Controllore.Nodo=10"}));
#ifdef MODO_PRODUZIONE
        QVERIFY(ModoProduzione);
#else
        QVERIFY(!ModoProduzione);
#endif
        // English texts, the brand's model names, the register table of model 0.
        QCOMPARE(Testo(172), QStringLiteral("Do you want to save your changes?"));
        QCOMPARE(Modelli[0].Nome, QStringLiteral("ZM-RS485-ETH"));
        QCOMPARE(TabRegistri[26].Indirizzo, QStringLiteral("%R26"));
        QCOMPARE(Principale::Istanza()->windowTitle(), QStringLiteral("Brixa"));
    }

    void logInAltoASinistra()
    {
        Log* log = Finestre::SeCaricata<Log>();
        QVERIFY(log);
        auto* sub = qobject_cast<QMdiSubWindow*>(log->parentWidget());
        QVERIFY(sub && sub->isVisible());
        QCOMPARE(sub->geometry(), QRect(0, 0, Log::Larghezza(), Twips(3000)));
    }

    // Crisp on a dense screen (drawn at the device size, not scaled up) and
    // grey when disabled.
    void immagini()
    {
        const auto& lista = Principale::Istanza()->ImageList1;
        QCOMPARE(lista.size(), 47);
        for (const auto& [k, icona] : lista) {
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
        QVERIFY(DisegnaImmagine(QStringLiteral("nothing")).isNull());
        QVERIFY(!IconaRisorsa(301).isNull());
        QVERIFY(IconaRisorsa(302).isNull());
    }

    // The menus shown, and the items hidden at the start.
    void barraMenu()
    {
        Principale* p = Principale::Istanza();
        QStringList visibili, nascoste;
        for (QAction* a : p->menuBar()->actions())
            if (a->isVisible()) visibili << a->text();
        QList<QAction*> voci = p->menuBar()->actions();
        while (!voci.isEmpty()) {
            QAction* a = voci.takeFirst();
            if (a->menu() && a->isVisible()) voci << a->menu()->actions();
            if (!a->menu() && !a->isSeparator() && !a->isVisible()) nascoste << a->objectName();
        }
        QStringList attese = {"Project", "Settings", "View", "Tools", "?"};
        if (ModoProduzione) attese.insert(4, QStringLiteral("Collaudo"));
        QCOMPARE(visibili, attese);
        nascoste.sort();
        QStringList nascosteAttese = {"mnu_SaveProj", "mnu_display", "mnu_images", "mnu_program", "mnu_viewProj"};
        if (!ModoProduzione) nascosteAttese << QStringLiteral("mnu_Export") << QStringLiteral("mnu_print");
        nascosteAttese.sort();
        QCOMPARE(nascoste, nascosteAttese);
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
        p->Menu(QStringLiteral("mnu_TA"))->trigger();
        QCOMPARE(log->Testo()->count(), 1);
        QVERIFY(log->Testo()->item(0)->text().contains(QStringLiteral("Coll_TA")));
        p->Menu(QStringLiteral("mnu_About"))->trigger();
        QVERIFY(Finestre::SeCaricata<frmAbout>()->isVisible());
        QVERIFY(!Finestre::SeCaricata<frmAbout>()->isModal());
    }
};

QTEST_MAIN(TestAvvio)
#include "test_avvio.moc"
