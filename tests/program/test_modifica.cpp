// Modify with the real block editor: confirming stores the block into the
// rung the editor was opened on, wherever the rung operations moved it, and
// the rung's row shows the stored block.
#include "Aiuti.h"

#include "blockeditor/Argomenti.h"
#include "blockeditor/comandi.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/IconeBlocchi.h"
#include "program/OperazioniRung.h"
#include "shell/Finestre.h"

#include <QComboBox>
#include <QPushButton>

using namespace Aiuti;

namespace {
constexpr int kAdd = 4;   // catalogue index of Add: class 3, group 1

// The arithmetic rows as a family lays them out: two sources and a result.
void FamigliaAritmetica()
{
    GestoreFamiglia g;
    g.Impagina = [](int, Rung&, const ContestoBlocco&) {
        LayoutBlocco l;
        auto riga = [&l](int i, const char* nome, uint8_t tipo, double valore) {
            DefArgomento& a = l.righe[size_t(i)].arg;
            a = DefArgomento{nome, tipo, valore, true, {}, {}};
            a.TipiAmmessi[tipo] = 1;
            l.ordine << i;
        };
        riga(0, "Source A", TipoInt, 26);
        riga(4, "Dest", TipoUInt, 100);
        return l;
    };
    g.Codifica = [](const DatiBlocco& d, Rung& r) {
        DidascalieRung(d, r, {0, 4}, {0, 4});
        return EsitoCodifica::Ok();
    };
    RegistraFamiglia(Famiglia::Aritmetica, g);
}

comandi* Editore()
{
    return Finestre::SeCaricata<comandi>();
}

// Opens the editor on rung r from the toolbar and picks the Add block.
void ApriSu(int r)
{
    SelezionaRung(r);
    Tasto("rung_mod");
    comandi* d = Editore();
    QVERIFY(d && d->isVisible());
    d->SelezionaFunzione(kAdd);
    d->ImpostaEtichetta(QStringLiteral("X"));
}

const QString kSparito = QStringLiteral("The rung being edited no longer exists");
} // namespace

class TestModifica : public QObject {
    Q_OBJECT
    Test::Copione copione;

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        FamigliaAritmetica();
    }
    void init() { copione = Test::Copione(); copione.Installa(); }

    void rigaMostraIlBlocco()
    {
        Prepara(3);
        ProgettoModificato = false;
        ApriSu(2);
        Editore()->findChild<QPushButton*>("cmd_AddFunc")->click();
        QVERIFY(!Editore()->isVisible() && ProgettoModificato);
        QCOMPARE(Attuale().Rung[2].Classe, int16_t(3));
        RigaProgramma* g = FinestraProgramma(false)->Riga(2);
        QCOMPARE(g->txt_Func->text(), Editore()->findChild<QAbstractButton*>("opt_Funzione_4")->text());
        const QString chiave = Attuale().Rung[2].Riga.Immagine;
        QVERIFY(!g->Immagine->isHidden() && !chiave.isEmpty());
        QCOMPARE(g->Immagine->pixmap().toImage(), IconaBloccoDaChiave(chiave).pixmap(g->Immagine->size()).toImage());
        QCOMPARE(g->txt_VarN[0]->text(), QStringLiteral("%R26"));
        QVERIFY(g->lbl_VarN[0]->text().startsWith(QLatin1String("Source A")));
        QVERIFY(!g->txt_VarN[0]->isHidden() && !g->txt_VarN[4]->isHidden());
        QVERIFY(g->txt_VarN[1]->isHidden() && g->lbl_VarN[7]->isHidden());
        QCOMPARE(g->txt_Var->text(), QStringLiteral("[ %R26 , %R100 ]"));
        QCOMPARE(RigheCoerenti(), QString());   // label and block caption included
        // Opened again, the editor shows the stored block and its rows.
        Tasto("rung_mod");
        QCOMPARE(Editore()->FunzioneScelta(), kAdd);
        const DatiBlocco dati = Editore()->Raccogli();
        QCOMPARE(dati.etichetta + dati.righe[0].testo, QStringLiteral("X%R26"));
        Editore()->reject();
    }

    // The editor is open on rung 2 (L2) while other rung operations run.
    void bersaglioSegueIlRung_data()
    {
        QTest::addColumn<QString>("passi");
        QTest::addColumn<QString>("firma");
        QTest::addColumn<bool>("salvato");
        auto p = [](const char* s) { return QString::fromLatin1(s); };
        QTest::newRow("nothing") << p("") << "L1 X L3 L4" << true;
        QTest::newRow("another rung selected") << p("sel4") << "L1 X L3 L4" << true;
        QTest::newRow("rung above deleted") << p("sel1 rung_del") << "X L3 L4" << true;
        QTest::newRow("rung below deleted") << p("sel3 rung_del") << "L1 X L4" << true;
        QTest::newRow("the rung deleted") << p("sel2 rung_del") << "L1 L3 L4" << false;
        QTest::newRow("inserted above") << p("sel1 rung_add_before") << "_ L1 X L3 L4" << true;
        QTest::newRow("inserted below") << p("sel2 rung_add_after") << "L1 X _ L3 L4" << true;
        QTest::newRow("moved down") << p("sel2 rung_move_down") << "L1 L3 X L4" << true;
        QTest::newRow("moved up by its neighbour") << p("sel3 rung_move_up") << "L1 L3 X L4" << true;
        QTest::newRow("empty rung above deleted and restored")
            << p("sel1 rung_add_before rung_del rung_redo") << "_ L1 X L3 L4" << true;
        QTest::newRow("new project") << p("proj_new") << "_" << false;
    }
    void bersaglioSegueIlRung()
    {
        QFETCH(QString, passi);
        QFETCH(bool, salvato);
        Prepara(4);
        ApriSu(2);
        for (const QString& s : passi.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (s.startsWith(QLatin1String("sel"))) SelezionaRung(s.mid(3).toInt());
            else Tasto(s.toLatin1().constData());
        }
        copione.richieste.clear();
        Editore()->findChild<QPushButton*>("cmd_AddFunc")->click();
        QTEST(Firma(), "firma");
        QCOMPARE(copione.Messaggi().contains(kSparito), !salvato);
        QCOMPARE(Editore()->isVisible(), !salvato);
        if (!salvato) Editore()->reject();
        QCOMPARE(RigheCoerenti(), QString());
    }
};

QTEST_MAIN(TestModifica)
#include "test_modifica.moc"
