// Rung operations from the toolbar and the rung pop-up menu: records, rows,
// selection and the paste/undo buttons.
#include "Aiuti.h"
#include "FintoEditore.h"

#include "program/OperazioniRung.h"
#include "program/Progetto.h"

#include <QMenu>

using namespace Aiuti;

class TestOperazioni : public QObject {
    Q_OBJECT
    FintoEditore editore;
    Test::Copione copione;

private slots:
    void initTestCase() { Test::AvviaWorkbench(); }
    void init() { Ricomincia(copione, editore); }

    void sequenze_data()
    {
        QTest::addColumn<QStringList>("passi");
        QTest::addColumn<QString>("firma");
        QTest::addColumn<int>("corrente");
        QTest::addColumn<bool>("incolla");
        QTest::addColumn<bool>("ripristina");
        QTest::addColumn<QString>("appunti");
        auto p = [](const char* s) { return QString::fromLatin1(s).split(QLatin1Char(' ')); };
        QTest::newRow("insert before 2") << p("sel2 rung_add_before") << "L1 _ L2 L3 L4" << 2 << false << false << "_";
        QTest::newRow("insert before 1") << p("sel1 rung_add_before") << "_ L1 L2 L3 L4" << 1 << false << false << "_";
        QTest::newRow("insert after 2") << p("sel2 rung_add_after") << "L1 L2 _ L3 L4" << 3 << false << false << "_";
        QTest::newRow("insert after last") << p("sel4 rung_add_after") << "L1 L2 L3 L4 _" << 5 << false << false << "_";
        QTest::newRow("insert, none selected") << p("sel0 rung_add_before") << "L1 L2 L3 L4 _" << 5 << false << false << "_";
        QTest::newRow("insert, stale selection") << p("sel9 rung_add_after") << "L1 L2 L3 L4 _" << 5 << false << false << "_";
        QTest::newRow("menu insert before") << p("sel3 mnu_FB_Insert_Before") << "L1 L2 _ L3 L4" << 3 << false << false << "_";
        QTest::newRow("move up") << p("sel3 rung_move_up") << "L1 L3 L2 L4" << 2 << false << false << "L2";
        QTest::newRow("move down") << p("sel3 rung_move_down") << "L1 L2 L4 L3" << 4 << false << false << "L4";
        QTest::newRow("move up first") << p("sel1 rung_move_up") << "L1 L2 L3 L4" << 1 << false << false << "_";
        QTest::newRow("move down last") << p("sel4 rung_move_down") << "L1 L2 L3 L4" << 4 << false << false << "_";
        QTest::newRow("move up stale") << p("sel6 rung_move_up") << "L1 L2 L3 L4" << 6 << false << false << "_";
        QTest::newRow("delete 2") << p("sel2 rung_del") << "L1 L3 L4" << 2 << false << true << "_";
        QTest::newRow("delete last") << p("sel4 rung_del") << "L1 L2 L3" << 3 << false << true << "_";
        QTest::newRow("delete cancelled") << p("sel2 no rung_del") << "L1 L2 L3 L4" << 2 << false << false << "_";
        QTest::newRow("delete, none selected") << p("sel0 rung_del") << "L1 L2 L3 L4" << 0 << false << false << "_";
        QTest::newRow("menu delete") << p("sel1 mnu_FB_Delete") << "L2 L3 L4" << 1 << false << true << "_";
        QTest::newRow("delete then undo") << p("sel2 rung_del rung_redo") << "L1 L2 L3 L4" << 2 << false << false << "_";
        QTest::newRow("delete last then undo") << p("sel4 rung_del rung_redo") << "L1 L2 L3 L4" << 4 << false << false << "_";
        QTest::newRow("undo twice") << p("sel2 rung_del rung_redo rung_redo") << "L1 L2 L3 L4" << 2 << false << false << "_";
        QTest::newRow("insert voids the undo") << p("sel2 rung_del sel1 rung_add_after rung_redo") << "L1 _ L3 L4" << 2
                                               << false << false << "_";
        QTest::newRow("copy paste") << p("sel1 rung_copy sel3 rung_paste") << "L1 L2 L1 L4" << 3 << true << true << "L1";
        QTest::newRow("paste twice") << p("sel1 rung_copy sel3 rung_paste sel4 rung_paste") << "L1 L2 L1 L1" << 4
                                     << true << true << "L1";
        QTest::newRow("paste then undo") << p("sel1 rung_copy sel3 rung_paste rung_redo") << "L1 L2 L3 L4" << 3
                                         << true << false << "L1";
        QTest::newRow("copy then move") << p("sel1 rung_copy sel2 rung_move_down") << "L1 L3 L2 L4" << 3 << false
                                        << false << "L3";
        QTest::newRow("menu paste, nothing copied") << p("sel2 mnu_FB_paste") << "L1 _ L3 L4" << 2 << false << true << "_";
        QTest::newRow("paste stale") << p("sel1 rung_copy sel7 rung_paste") << "L1 L2 L3 L4" << 7 << true << false << "L1";
    }
    void sequenze()
    {
        QFETCH(QStringList, passi);
        Prepara(4);
        for (const QString& s : passi) {
            if (s.startsWith(QLatin1String("sel"))) SelezionaRung(s.mid(3).toInt());
            else if (s == QLatin1String("no")) copione.Rispondi(Prompt::Annulla);
            else if (s.startsWith(QLatin1String("mnu_"))) Principale::Istanza()->Menu(s)->trigger();
            else Tasto(s.toLatin1().constData());
        }
        QTEST(Firma(), "firma");
        QTEST(int(RungCorrente), "corrente");
        QTEST(Abilitato("rung_paste"), "incolla");
        QTEST(Abilitato("rung_redo"), "ripristina");
        const QString e = Attuale().Rung[0].Etichetta;
        QTEST(e.isEmpty() ? QStringLiteral("_") : e, "appunti");
        // Asked whenever a rung of the process is selected, never for nothing.
        if (passi.contains(QStringLiteral("rung_del")))
            QCOMPARE(copione.Messaggi().contains(QStringLiteral("Delete Function Block ?")),
                     !passi.contains(QStringLiteral("sel0")));
        QCOMPARE(RigheCoerenti(), QString());
        QVERIFY(!ProgettoModificato || passi.contains(QStringLiteral("rung_redo")));
    }

    void inserimentoSvuotaIlPosto()
    {
        // A rung deleted at the end leaves its slot behind; an append must not
        // bring it back.
        Prepara(2);
        Attuale().Rung[2].Break = true;
        SelezionaRung(2);
        Tasto("rung_del");
        SelezionaRung(1);
        Tasto("rung_add_after");
        const Rung& r = Attuale().Rung[2];
        QCOMPARE(r.Classe, int16_t(0));
        QVERIFY(!r.Break && !r.Valido);
        QCOMPARE(r.Descrizione, QStringLiteral("<...>"));
        QVERIFY(r.ArgTesto[0].isEmpty());
    }

    void cancellaUnicoRung()
    {
        Prepara(1);
        ImpostaEditorBlocco(nullptr);
        Tasto("rung_del");
        QCOMPARE(Attuale().NumRung, int16_t(0));
        QCOMPARE(RungCorrente, int16_t(0));
        QCOMPARE(RigheCaricate, int16_t(0));
        QVERIFY(Abilitato("rung_redo"));
        QVERIFY(!Controllo<QWidget>(QStringLiteral("Bordo_1")));
        // Undo brings it back as rung 1, row included, with no editor to
        // store it again.
        Tasto("rung_redo");
        QCOMPARE(Firma(), QStringLiteral("L1"));
        QCOMPARE(Controllo<QLabel>(QStringLiteral("txt_Func_1"))->text(), QStringLiteral("F1"));
    }

    void ripristinoRiscriveTramiteEditore()
    {
        Prepara(3);
        SelezionaRung(2);
        Tasto("rung_del");
        editore.Azzera();
        ProgettoModificato = false;
        Tasto("rung_redo");
        QVERIFY(editore.chiamate.contains(QStringLiteral("bersaglio 0 2")));
        QCOMPARE(editore.chiamate.last(), QStringLiteral("conferma"));
        QCOMPARE(Attuale().Rung[2].ArgTesto[0], QStringLiteral("R2"));
        QCOMPARE(Attuale().Rung[2].Descrizione, QStringLiteral("D2"));
        QVERIFY(ProgettoModificato);   // the editor's confirm, not the undo
    }

    void ripristinoSenzaBlocco()
    {
        Prepara(3);
        SelezionaRung(2);
        Tasto("rung_add_before");  // empty rung 2
        Attuale().Rung[2].Descrizione = QStringLiteral("vuoto");
        Tasto("rung_del");
        editore.Azzera();
        Tasto("rung_redo");
        QCOMPARE(Firma(), QStringLiteral("L1 _ L2 L3"));
        QCOMPARE(Attuale().Rung[2].Descrizione, QStringLiteral("vuoto"));
        QVERIFY(editore.chiamate.isEmpty());
        QCOMPARE(Attuale().Rung[2].Classe, int16_t(0));
        QCOMPARE(RigheCoerenti(), QString());
    }

    void ripristinoTornaAlSuoProcesso()
    {
        Prepara(3);
        SelezionaRung(2);
        Tasto("rung_del");
        NuovaSub();
        const int sub = ProgCorrente;
        QVERIFY(sub > 0);
        Tasto("rung_redo");
        QCOMPARE(int(ProgCorrente), 0);
        QCOMPARE(FinestraProgramma(false)->Tab_Prog()->currentIndex(), 0);
        QCOMPARE(Firma(), QStringLiteral("L1 L2 L3"));
        QCOMPARE(Programmi[sub].NumRung, int16_t(1));
        QCOMPARE(Programmi[sub].Rung[1].Etichetta, QString());
    }

    void modificaPreparaEditore()
    {
        Prepara(3);
        Attuale().Rung[2].Delay = 7;
        editore.Azzera();
        Tasto("rung_mod");  // rung 3 is current after Prepara
        QCOMPARE(editore.chiamate.first(), QStringLiteral("bersaglio 0 3"));
        SelezionaRung(2);
        editore.Azzera();
        Principale::Istanza()->Menu(QStringLiteral("mnu_modify"))->trigger();
        const QStringList attese = {"bersaglio 0 2", "etichetta L2", "funzione 2", "arg 0 R2", "click 0",
                                    "arg 1 ",        "arg 2 ",       "arg 3 ",     "arg 4 ",   "arg 5 ",
                                    "arg 6 ",        "arg 7 ",       "delay 7",    "mostra"};
        QCOMPARE(editore.chiamate, attese);
        QVERIFY(!Abilitato("rung_redo"));
        // A rung the encoder did not accept opens on the block's defaults.
        Attuale().Rung[2].Valido = false;
        editore.Azzera();
        ModificaRung(2);
        QCOMPARE(editore.chiamate, (QStringList{"bersaglio 0 2", "etichetta L2", "funzione 2", "mostra"}));
        // Outside the process nothing opens.
        editore.Azzera();
        ModificaRung(9);
        QVERIFY(editore.chiamate.isEmpty());
    }

    void interruttoreBreak()
    {
        Prepara(3);
        SelezionaRung(2);
        ProgettoModificato = false;
        Tasto("rung_break");
        QVERIFY(Attuale().Rung[2].Break);
        QVERIFY(ProgettoModificato);
        QVERIFY(!Controllo<QLabel>(QStringLiteral("img_Break_2"))->isHidden());
        Principale::Istanza()->Menu(QStringLiteral("mnu_FB_Break"))->trigger();
        QVERIFY(!Attuale().Rung[2].Break);
        QVERIFY(Controllo<QLabel>(QStringLiteral("img_Break_2"))->isHidden());
        // No rung selected: nothing toggles, nothing is marked.
        ProgettoModificato = false;
        SelezionaRung(0);
        Tasto("rung_break");
        QVERIFY(!Attuale().Rung[0].Break);
        QVERIFY(!ProgettoModificato);
    }

    void limiteDeiRung()
    {
        Prepara(1);
        copione.richieste.clear();
        QElapsedTimer t;
        t.start();
        for (int i = 1; i < MaxRung; ++i) Tasto("rung_add_after");
        qInfo("256 rows in %lld ms", qint64(t.elapsed()));
        QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(Attuale().NumRung, int16_t(256));
        // Only the rows in view have widgets.
        QVERIFY(FinestraProgramma(false)->findChildren<RigaProgramma*>().size() < 40);
        QCOMPARE(RigheCoerenti(), QString());
        Tasto("rung_add_before");
        QCOMPARE(Attuale().NumRung, int16_t(256));
        QCOMPARE(copione.Messaggi().size(), 1);
        QCOMPARE(RungCorrente, int16_t(256));
    }
};

QTEST_MAIN(TestOperazioni)
#include "test_operazioni.moc"
