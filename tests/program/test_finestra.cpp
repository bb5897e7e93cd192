// The rung list window: rows, scrolling, formats, selection by mouse, the
// description box, the pop-up menu and the notifications from other parts.
#include "Aiuti.h"
#include "FintoEditore.h"

#include "base/Globali.h"
#include "program/OperazioniRung.h"

#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

using namespace Aiuti;

namespace {
QWidget* W(const char* nome)
{
    return Controllo<QWidget>(QString::fromLatin1(nome));
}
} // namespace

class TestFinestra : public QObject {
    Q_OBJECT
    FintoEditore editore;
    Test::Copione copione;

private slots:
    void initTestCase() { Test::AvviaWorkbench(); }
    void init() { Ricomincia(copione, editore); }

    void scorrimento()
    {
        ProgettoModificato = false;
        Tasto("proj_new");
        Program* w = FinestraProgramma(false);
        // The workspace opens the window at its design size, tab strip shown.
        QVERIFY2(w->height() >= Twips(6480) - 2, qPrintable(QString::number(w->height())));
        QVERIFY(w->Tab_Prog()->height() > 10);
        QCOMPARE(w->findChildren<RigaProgramma*>().size(), 1);
        QCOMPARE(w->Riga(1)->lbl_Rung->text() + w->Riga(1)->txt_desc->text(), QStringLiteral("1<...>"));
        Prepara(4);
        // The fourth row scrolls the first one out of view.
        QCOMPARE(FinestraProgramma(false)->VScroll()->value(), 1);
        QVERIFY(!W("Bordo_1"));
        QCOMPARE(W("Bordo_2")->y(), Twips(140));
        QCOMPARE(W("Bordo_3")->y(), Twips(140 + 1800));
        FinestraProgramma(false)->VScroll()->setValue(0);
        QCOMPARE(W("Bordo_1")->y(), Twips(140));
        // The wheel over the rows (which pass it up) scrolls as the bar does.
        QWheelEvent rotella(QPointF(5, 5), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                            Qt::NoScrollPhase, false);
        QApplication::sendEvent(FinestraProgramma(false), &rotella);
        QVERIFY(FinestraProgramma(false)->VScroll()->value() > 0);
        FinestraProgramma(false)->VScroll()->setValue(0);
        QCOMPARE(RigheCoerenti(), QString());
    }

    void formato()
    {
        Prepara(6);
        for (int k = 1; k <= 6; ++k) {
            Attuale().Rung[k].Riga.ArgVisibile[0] = true;
            Attuale().Rung[k].Riga.Immagine = QStringLiteral("zoom_on");
        }
        SelezionaRung(5);
        Program* w = FinestraProgramma(false);
        w->cmd_Formato()->click();
        QCOMPARE(int(Attuale().Formato), 1);
        QCOMPARE(w->VScroll()->value(), 4);
        QCOMPARE(W("shRung_5")->mapTo(w->prog(0), QPoint(0, 0)).y(), Twips(200));
        QCOMPARE(W("Bordo_6")->y(), Twips(140 + 565));
        QCOMPARE(W("shRung_5")->height(), Twips(400));
        QVERIFY(W("txt_Func_5")->isVisibleTo(w) && W("txt_Var_5")->isVisibleTo(w));
        // Only the top line shows: nothing of the argument columns peeks out.
        QVERIFY(!W("txt_Var0_5")->isVisibleTo(w) && !W("Immagine_5")->isVisibleTo(w));
        w->cmd_Formato()->click();
        QCOMPARE(int(Attuale().Formato), 0);
        w->VScroll()->setValue(2);
        QVERIFY(!ProgettoModificato);   // format and scrolling are views only
        QCOMPARE(W("shRung_5")->height(), Twips(1515));
        QVERIFY(!W("txt_Func_5")->isVisibleTo(w) && W("txt_Var0_5")->isVisibleTo(w));
    }

    void selezioneConMouse()
    {
        Prepara(3);
        QTest::mouseClick(W("txt_Label_1"), Qt::LeftButton);
        QCOMPARE(RungCorrente, int16_t(1));
        QCOMPARE(RigheCoerenti(), QString());
        QVERIFY(!MenuFB()->isVisible());
        // A right press on an argument cell selects, then pops up the menu.
        QTest::mousePress(W("lbl_Var4_2"), Qt::RightButton);
        QCOMPARE(RungCorrente, int16_t(2));
        QVERIFY(MenuFB()->isVisible());
        MenuFB()->hide();
        // A double-click opens the editor on that rung.
        QTest::mouseDClick(W("shRung_3"), Qt::LeftButton);
        QCOMPARE(RungCorrente, int16_t(3));
        QVERIFY(editore.chiamate.contains(QStringLiteral("bersaglio 0 3")));
        QCOMPARE(editore.chiamate.last(), QStringLiteral("mostra"));
    }

    void descrizione()
    {
        Prepara(2);
        auto* box = Controllo<QLineEdit>(QStringLiteral("txt_desc_2"));
        box->setText(QStringLiteral("<...>"));
        Attuale().Rung[2].Descrizione = QStringLiteral("<...>");
        SelezionaRung(1);
        // Clicking the placeholder empties it; typed commas are not stored.
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(RungCorrente, int16_t(2));
        QCOMPARE(Attuale().Rung[2].Descrizione, QString());
        QVERIFY(ProgettoModificato);
        ProgettoModificato = false;
        QTest::keyClicks(box, QStringLiteral("a,b ,c,"));
        QCOMPARE(Attuale().Rung[2].Descrizione, QStringLiteral("ab c"));
        QVERIFY(ProgettoModificato);
        ProgettoModificato = false;
        // A click on a real description only selects.
        SelezionaRung(1);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("a,b ,c,"));
        // A comma alone stores nothing new; selecting and copying change nothing.
        QTest::keyClicks(box, QStringLiteral(","));
        // The copy carries the comment without its commas.
        Tasto("rung_copy");
        QCOMPARE(Attuale().Rung[0].Descrizione, QStringLiteral("ab c"));
        QVERIFY(!ProgettoModificato);
    }

    void notifiche()
    {
        Prepara(2);
        RigaRung& r = Attuale().Rung[2].Riga;
        r.Funzione = QStringLiteral("Somma");
        r.HaColore = true;
        r.Colore = 0x80FF80;
        r.ValoriArg[5] = QStringLiteral("42");
        r.ArgVisibile[5] = true;
        NotificaRigaRung(0, 2);
        RigaProgramma* g = FinestraProgramma(false)->Riga(2);
        QCOMPARE(g->txt_Func->palette().color(QPalette::Window), QColor(0x80, 0xFF, 0x80));
        QCOMPARE(g->txt_VarN[5]->text(), QStringLiteral("42"));
        QVERIFY(!g->lbl_VarN[5]->isHidden() && g->lbl_VarN[4]->isHidden());
        ColoraNumeroRung(2, 0x00FF00);
        QCOMPARE(g->lbl_Rung->palette().color(QPalette::Window), QColor(0, 0xFF, 0));
        // Moving the rung moves what its row shows.
        Tasto("rung_move_up");
        QCOMPARE(FinestraProgramma(false)->Riga(1)->txt_VarN[5]->text(), QStringLiteral("42"));
        QVERIFY(FinestraProgramma(false)->Riga(2)->lbl_VarN[5]->isHidden());
        QVERIFY(!FinestraProgramma(false)->Riga(2)->Immagine->isHidden());
        QCOMPARE(RigheCoerenti(), QString());
    }
};

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
