// The project tree window: its fixed width and the editors its entries open.
#include "base/Globali.h"
#include "program/Program.h"
#include "program/Programmi.h"
#include "shell/Finestre.h"
#include "shell/frm_Progetto.h"
#include "shell/frm_Settings.h"
#include "support/Ambiente.h"

#include <QGroupBox>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class TestAlbero : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        Test::AvviaWorkbench();
        frm_Progetto::Apri();
        QVERIFY(Finestre::Get<frm_Progetto>()->Lista()->height() > Twips(1000));   // opened at a usable size
    }

    void ridimensiona_data()
    {
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<int>("altezza");
        QTest::newRow("wider") << 900 << 500;
        QTest::newRow("narrower") << 100 << 300;
        QTest::newRow("lower than the margin") << 400 << 10;
    }
    void ridimensiona()
    {
        QFETCH(int, larghezza);
        QFETCH(int, altezza);
        frm_Progetto* f = Finestre::Get<frm_Progetto>();
        auto* sub = qobject_cast<QMdiSubWindow*>(f->parentWidget());
        QVERIFY(sub);
        sub->resize(larghezza, altezza);
        QCOMPARE(f->width(), Twips(3090));
        QCOMPARE(f->Lista()->width(), Twips(3090) - Twips(70));
        QCOMPARE(f->Lista()->height(), std::max(0, f->height() - Twips(300)));
    }

    void settingsSemprePaginaControllore()
    {
        frm_Settings::Apri(1);
        frm_Progetto* f = Finestre::Get<frm_Progetto>();
        f->Lista()->setCurrentItem(f->Lista()->findItems(QStringLiteral("Settings"), Qt::MatchExactly).first());
        f->Lista_DblClick();
        frm_Settings* s = Finestre::Get<frm_Settings>();
        QVERIFY(s->isVisible());
        QVERIFY(!s->frm_opt(0)->isHidden());
        QVERIFY(s->frm_opt(1)->isHidden());
        s->hide();
    }

    void programmaApertoUnaVolta()
    {
        frm_Progetto* f = Finestre::Get<frm_Progetto>();
        f->Lista()->setCurrentItem(f->Lista()->findItems(QStringLiteral("Programma"), Qt::MatchExactly).first());
        QVERIFY(!FinestraProgramma(false));
        f->Lista_DblClick();
        Program* p = FinestraProgramma(false);
        QVERIFY(p);
        QVERIFY(p->Aperto);
        QCOMPARE(p->prog(ProgCorrente)->Primo, 1);
        // Open already: the same window, its rows not re-positioned.
        p->PosizionaRung(0);
        f->Lista_DblClick();
        QCOMPARE(FinestraProgramma(false), p);
        QCOMPARE(p->prog(ProgCorrente)->Primo, 0);
    }

    void senzaSelezioneNonFaNulla()
    {
        frm_Progetto* f = Finestre::Get<frm_Progetto>();
        f->Lista()->setCurrentItem(nullptr);
        f->Lista_DblClick();
        QVERIFY(!Finestre::Get<frm_Settings>()->isVisible());
    }
};

QTEST_MAIN(TestAlbero)
#include "test_albero.moc"
