#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/comandi.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/PulsanteFunzione.h"
#include "blockeditor/SchedeFunzioni.h"
#include "comm/Dispositivo.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "support/Ambiente.h"

#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QtTest>

namespace {
PulsanteFunzione* Bottone(comandi* d, int i)
{
    return d->findChild<PulsanteFunzione*>(QStringLiteral("opt_Funzione_%1").arg(i));
}

SchedeFunzioni* Schede(comandi* d)
{
    return d->findChild<SchedeFunzioni*>(QStringLiteral("Tab_Funzioni"));
}

// "index@row,column" of every block the palette shows, sorted.
QStringList Visibili(comandi* d)
{
    QStringList out;
    for (int i = 0; i < NumBlocchi; ++i) {
        auto* b = Bottone(d, i);
        if (b->isHidden()) continue;
        const int riga = qRound((b->y() * 15 - 1500) / 600.0), col = qRound((b->x() * 15 - 100) / 1100.0);
        out << QStringLiteral("%1@%2,%3").arg(i).arg(riga).arg(col);
    }
    out.sort();
    return out;
}

comandi* Palette()
{
    comandi* d = Finestre::Get<comandi>();
    d->Form_Load();
    return d;
}
} // namespace

class TestCatalogo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        for (int i = 0; i < NumBlocchi; ++i) NomiFunzione[size_t(i)] = QStringLiteral("B%1").arg(i);
    }

    void everyPlacedBlockComesBack()
    {
        for (int i = 0; i < NumBlocchi; ++i) {
            const VoceCatalogo& v = VoceFunzione(i);
            // Blocks 10, 41 and 44 are not on the palette but still map back.
            if ((v.riga >= 0 && v.def.Scheda <= 9) || i == 10 || i == 41 || i == 44)
                QCOMPARE(int(FunzToOpt(v.def.Classe, v.def.Gruppo, uint8_t(v.def.Op))), i);
        }
    }

    void funzToOptRules_data()
    {
        QTest::addColumn<int>("classe");
        QTest::addColumn<int>("gruppo");
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("indice");
        auto r = [](const char* nome, int c, int g, int o, int i) { QTest::newRow(nome) << c << g << o << i; };
        r("A>B shares Add's group", 3, 3, 0, 0);
        r("Read/Write shares Read Input", 2, 0, 0, 0);
        r("group 4 is SQRT", 3, 4, 77, 8);
        r("arith op 11", 3, 1, 11, 0);
        r("unused group 143", 3, 143, 0, 0);
        r("class 5", 5, 1, 0, 0);
        r("class 1 group 2", 1, 2, 0, 0);
        r("class 2 group 1", 2, 1, 0, 2);
        r("class 4 any", 4, 99, 200, 40);
        r("class 6 any", 6, 5, 5, 60);
        r("bit op 16", 3, 133, 16, 59);
        r("bit op 17", 3, 133, 17, 0);
        r("compare op 7", 3, 141, 7, 54);
        r("compare op 8", 3, 141, 8, 0);
        r("group 6 Block Move", 3, 6, 9, 46);
    }
    void funzToOptRules()
    {
        QFETCH(int, classe);
        QFETCH(int, gruppo);
        QFETCH(int, op);
        QTEST(int(FunzToOpt(int16_t(classe), int16_t(gruppo), uint8_t(op))), "indice");
    }

    void familyOfEveryBlock()
    {
        // Each catalogue block with an identity has a family, and the
        // display-call blocks go with Scale and Block Move.
        for (int i = 0; i < NumBlocchi; ++i) {
            const DefFunzione& f = CatalogoFunzioni(i);
            QCOMPARE(FamigliaDi(f.Classe, f.Gruppo).has_value(), f.Classe != 0);
        }
        QCOMPARE(FamigliaDi(3, 3), std::optional(Famiglia::ScalaSposta));
        QCOMPARE(FamigliaDi(3, 143), std::optional(Famiglia::Flusso));
        QCOMPARE(FamigliaDi(3, 128), std::optional(Famiglia::Confronto));
        QVERIFY(!FamigliaDi(3, 135).has_value());
        QVERIFY(!FamigliaDi(5, 1).has_value());
    }

    void paletteByTab_data()
    {
        QTest::addColumn<QString>("scheda");
        QTest::addColumn<bool>("m700");
        QTest::addColumn<QString>("attesi");
        QTest::newRow("Comm") << "Comm" << false << "0@0,1 1@0,2 2@2,0 40@0,0 9@2,1";
        QTest::newRow("Comm m700") << "Comm" << true << "0@0,1 1@0,2 40@0,0";
        QTest::newRow("Bitwise") << "Bitwise" << false
                                 << "21@1,0 22@1,1 23@1,2 24@2,0 33@0,0 34@0,1 35@0,2 36@2,1 37@2,2 56@3,0 "
                                    "57@3,1 58@4,0 59@4,1";
        QTest::newRow("Math") << "Math" << false
                              << "18@0,2 19@1,0 29@2,0 3@1,1 30@2,1 32@2,2 38@3,0 39@3,1 4@0,0 5@0,1 55@3,2 8@1,2";
        QTest::newRow("Flow") << "Flow" << false << "11@0,0 13@0,1 14@0,2 15@1,0 42@1,1 45@1,2";
    }
    void paletteByTab()
    {
        QFETCH(QString, scheda);
        QFETCH(bool, m700);
        QFETCH(QString, attesi);
        QStringList voci = attesi.split(QLatin1Char(' '));
        voci.sort();
        const bool prima = Marchio700;
        Marchio700 = m700;
        comandi* d = Palette();
        const int k = int(SchedePalette().indexOf(scheda));
        QVERIFY(k >= 0);
        Schede(d)->setCurrentIndex(k);
        d->Tab_Funzioni_Click();
        Marchio700 = prima;
        // The placeholders and unplaced blocks (6, 10, 12, 17, 31, 41, 44) never show.
        QCOMPARE(Visibili(d), voci);
        for (const QString& s : voci) {
            const int i = s.section(QLatin1Char('@'), 0, 0).toInt();
            QCOMPARE(Bottone(d, i)->text(), QStringLiteral("B%1").arg(i));
        }
    }

    void coilRowOnlyForItsCode()
    {
        QCOMPARE(BlocchiScheda("Comm", "47A7", true).size(), 6);
        QCOMPARE(BlocchiScheda("Comm", "47A6", false).size(), 5);
        QVERIFY(BlocchiScheda("Logger", "", false).isEmpty());
    }

    void tabsAnswerMouseAndKeys()
    {
        comandi* d = Palette();
        auto* t = Schede(d);
        QCOMPARE(t->count(), 9);
        QCOMPARE(t->currentIndex(), 0);
        // Comm green; block 12 carries the Flow colour.
        QCOMPARE(Bottone(d, 0)->Colore, QColor(0x00, 0xFF, 0x01));
        QCOMPARE(Bottone(d, 12)->Colore, QColor(0x80, 0xFF, 0xFF));
        QTest::mouseClick(t, Qt::LeftButton, {}, t->tabRect(5).center());
        QCOMPARE(t->currentIndex(), 5);
        QVERIFY(Visibili(d).contains("47@0,0"));
        QTest::keyClick(t, Qt::Key_Down);
        QCOMPARE(t->currentIndex(), 8);
        QCOMPARE(Visibili(d), QStringList{"43@0,0"});
        QTest::keyClick(t, Qt::Key_Down);   // already on the last row
        QCOMPARE(t->currentIndex(), 8);
        QTest::keyClick(t, Qt::Key_Left);
        QCOMPARE(t->currentIndex(), 7);
        // Every tab lies inside the strip, none on another, all above the blocks.
        for (int i = 0; i < 9; ++i) {
            QVERIFY(t->rect().contains(t->tabRect(i)));
            for (int j = 0; j < i; ++j) QVERIFY(!t->tabRect(i).intersects(t->tabRect(j)));
        }
        QVERIFY(t->geometry().bottom() < Bottone(d, 40)->geometry().top());
    }

    void choosingLogWriteKeepsTheTab()
    {
        comandi* d = Palette();
        Schede(d)->setCurrentIndex(6);
        d->SelezionaFunzione(41);
        QCOMPARE(d->FunzioneScelta(), 41);
        QCOMPARE(Schede(d)->currentIndex(), 6);
        d->SelezionaFunzione(16);
        QCOMPARE(Schede(d)->currentIndex(), 7);
        QCOMPARE(Visibili(d), QStringList{"16@0,0"});
    }

    // Every caption of every block, in both languages, shows whole: each
    // label is as large as its text, and a row's caption ends before its value.
    void captionsShowWhole()
    {
        bool& trigger = Modelli[Controllore.Modello].AmmetteTrigger;
        const bool conTrigger = trigger;
        trigger = true;
        for (const int lingua : {0, 1}) {
            CaricaLingua(lingua);
            comandi* d = Palette();
            for (int i = 0; i < NumBlocchi; ++i) {
                d->SelezionaFunzione(i);
                for (const QLabel* l : d->findChildren<QLabel*>()) {
                    if (!l->isVisibleTo(d)) continue;
                    const QSize testo = l->sizeHint();
                    const QString dove = QStringLiteral("\"%1\" of block %2").arg(l->text()).arg(i);
                    QVERIFY2(l->width() >= testo.width() && l->height() >= testo.height(), qPrintable(dove));
                }
                for (int k = 0; k < 8; ++k) {
                    const auto* l = d->findChild<QLabel*>(QStringLiteral("lbl_Var_%1").arg(k));
                    const auto* v = d->findChild<QComboBox*>(QStringLiteral("txt_Var_%1").arg(k));
                    if (!l->isHidden()) QVERIFY2(l->geometry().right() < v->x(), qPrintable(l->text()));
                }
            }
        }
        trigger = conTrigger;
    }
};

QTEST_MAIN(TestCatalogo)
#include "test_catalogo.moc"
