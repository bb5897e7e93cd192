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

    // On rungs L1..L4. The end state reads "labels @current PR clipboard":
    // P/R are the paste and undo buttons enabled ("-" when disabled), the
    // clipboard is the label in slot 0. "no" cancels the next question.
    void sequenze_data()
    {
        QTest::addColumn<QString>("passi");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<bool>("modifica");   // the project is marked modified
        auto r = [](const char* riga, const char* passi, const char* atteso, bool modifica = true) {
            QTest::newRow(riga) << passi << atteso << modifica;
        };
        r("insert before 2", "sel2 rung_add_before", "L1 _ L2 L3 L4 @2 -- _");
        r("insert after 2", "sel2 rung_add_after", "L1 L2 _ L3 L4 @3 -- _");
        r("insert after last", "sel4 rung_add_after", "L1 L2 L3 L4 _ @5 -- _");
        r("insert, none selected", "sel0 rung_add_before", "L1 L2 L3 L4 _ @5 -- _");
        r("insert, stale selection", "sel9 rung_add_after", "L1 L2 L3 L4 _ @5 -- _");
        r("menu insert before", "sel3 mnu_FB_Insert_Before", "L1 L2 _ L3 L4 @3 -- _");
        r("move up", "sel3 rung_move_up", "L1 L3 L2 L4 @2 -- L2");
        r("move down", "sel3 rung_move_down", "L1 L2 L4 L3 @4 -- L4");
        r("move up first", "sel1 rung_move_up", "L1 L2 L3 L4 @1 -- _", false);
        r("move down last", "sel4 rung_move_down", "L1 L2 L3 L4 @4 -- _", false);
        r("delete 2", "sel2 rung_del", "L1 L3 L4 @2 -R _");
        r("delete last", "sel4 rung_del", "L1 L2 L3 @3 -R _");
        r("delete cancelled", "sel2 no rung_del", "L1 L2 L3 L4 @2 -- _", false);
        r("delete, none selected", "sel0 rung_del", "L1 L2 L3 L4 @0 -- _", false);
        r("menu delete", "sel1 mnu_FB_Delete", "L2 L3 L4 @1 -R _");
        r("delete then undo", "sel2 rung_del rung_redo", "L1 L2 L3 L4 @2 -- _");
        r("delete last then undo", "sel4 rung_del rung_redo", "L1 L2 L3 L4 @4 -- _");
        r("undo twice", "sel2 rung_del rung_redo rung_redo", "L1 L2 L3 L4 @2 -- _");
        r("insert voids the undo", "sel2 rung_del sel1 rung_add_after rung_redo", "L1 _ L3 L4 @2 -- _");
        r("copy paste", "sel1 rung_copy sel3 rung_paste", "L1 L2 L1 L4 @3 PR L1");
        r("paste then undo", "sel1 rung_copy sel3 rung_paste rung_redo", "L1 L2 L3 L4 @3 P- L1");
        r("copy then move", "sel1 rung_copy sel2 rung_move_down", "L1 L3 L2 L4 @3 -- L3");
        r("menu paste, nothing copied", "sel2 mnu_FB_paste", "L1 _ L3 L4 @2 -R _");
        r("paste stale", "sel1 rung_copy sel7 rung_paste", "L1 L2 L3 L4 @7 P- L1", false);
    }
    void sequenze()
    {
        QFETCH(QString, passi);
        Prepara(4);
        for (const QString& s : passi.split(QLatin1Char(' '))) {
            if (s.startsWith(QLatin1String("sel"))) SelezionaRung(s.mid(3).toInt());
            else if (s == QLatin1String("no")) copione.Rispondi(Prompt::Annulla);
            else if (s.startsWith(QLatin1String("mnu_"))) Principale::Istanza()->Menu(s)->trigger();
            else Tasto(s.toLatin1().constData());
        }
        const QString appunti = Attuale().Rung[0].Etichetta;
        const QString pulsanti = QString(Abilitato("rung_paste") ? "P" : "-") + (Abilitato("rung_redo") ? "R" : "-");
        QTEST(QStringLiteral("%1 @%2 %3 %4").arg(Firma()).arg(RungCorrente).arg(pulsanti, appunti.isEmpty() ? "_" : appunti),
              "atteso");
        // Asked whenever a rung of the process is selected, never for nothing.
        if (passi.contains(QLatin1String("rung_del")))
            QCOMPARE(copione.Messaggi().contains(QStringLiteral("Delete Function Block ?")), !passi.contains("sel0"));
        QCOMPARE(RigheCoerenti(), QString());
        QTEST(ProgettoModificato, "modifica");
    }

    void inserimentoSvuotaIlPosto()
    {
        // A rung deleted at the end leaves its slot behind; an append must not
        // bring it back.
        Prepara(2);
        Attuale().Rung[2].Break = true;
        Tasto("rung_del");
        SelezionaRung(1);
        Tasto("rung_add_after");
        const Rung& r = Attuale().Rung[2];
        QVERIFY(r.Classe == 0 && !r.Break && !r.Valido && r.ArgTesto[0].isEmpty());
        QCOMPARE(r.Descrizione, QStringLiteral("<...>"));
    }

    void cancellaUnicoRung()
    {
        Prepara(1);
        ImpostaEditorBlocco(nullptr);
        Tasto("rung_del");
        QCOMPARE((QList<int>{Attuale().NumRung, RungCorrente, RigheCaricate}), (QList<int>{0, 0, 0}));
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
        QCOMPARE(Attuale().Rung[2].ArgTesto[0] + Attuale().Rung[2].Descrizione, QStringLiteral("R2D2"));
        QVERIFY(ProgettoModificato);   // the editor's confirm, not the undo
    }

    void ripristinoSenzaBlocco()
    {
        Prepara(3);
        SelezionaRung(2);
        Tasto("rung_add_before");   // empty rung 2
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
        Tasto("rung_mod");   // rung 3 is current after Prepara
        QCOMPARE(editore.chiamate.first(), QStringLiteral("bersaglio 0 3"));
        SelezionaRung(2);
        editore.Azzera();
        Principale::Istanza()->Menu(QStringLiteral("mnu_modify"))->trigger();
        QCOMPARE(editore.chiamate.join(QLatin1Char('|')),
                 QStringLiteral("bersaglio 0 2|etichetta L2|funzione 2|arg 0 R2|click 0|arg 1 |arg 2 |arg 3 |arg 4 "
                                "|arg 5 |arg 6 |arg 7 |delay 7|mostra"));
        QVERIFY(!Abilitato("rung_redo"));
        // A rung the encoder did not accept opens on the block's defaults.
        Attuale().Rung[2].Valido = false;
        editore.Azzera();
        ModificaRung(2);
        QCOMPARE(editore.chiamate.join(QLatin1Char('|')), QStringLiteral("bersaglio 0 2|etichetta L2|funzione 2|mostra"));
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
        QVERIFY(Attuale().Rung[2].Break && ProgettoModificato);
        QVERIFY(!Controllo<QLabel>(QStringLiteral("img_Break_2"))->isHidden());
        Principale::Istanza()->Menu(QStringLiteral("mnu_FB_Break"))->trigger();
        QVERIFY(!Attuale().Rung[2].Break);
        QVERIFY(Controllo<QLabel>(QStringLiteral("img_Break_2"))->isHidden());
        // No rung selected: nothing toggles, nothing is marked.
        ProgettoModificato = false;
        SelezionaRung(0);
        Tasto("rung_break");
        QVERIFY(!Attuale().Rung[0].Break && !ProgettoModificato);
    }

    void limiteDeiRung()
    {
        Prepara(1);
        copione.richieste.clear();
        for (int i = 1; i < MaxRung; ++i) Tasto("rung_add_after");
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
