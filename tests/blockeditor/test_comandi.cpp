#include "blockeditor/Argomenti.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/EditorBloccoComandi.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/IconeBlocchi.h"
#include "blockeditor/Servizi.h"
#include "blockeditor/comandi.h"
#include "program/Agganci.h"
#include "program/OperazioniRung.h"
#include "program/Programmi.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "shell/convert/Attesa.h"
#include "shell/model/Globali.h"
#include "shell/model/Modelli.h"
#include "comm/Dispositivo.h"
#include "support/Ambiente.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QTabBar>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using Slot = QList<int>;

namespace {
Slot Leggi(const SlotArgomento& s)
{
    return Slot{s[0], s[1], s[2], s[3]};
}

// A stand-in arithmetic family: rows 0, 1 and 4 and a delay, encoded with
// the dialog's slot writer.
int chiamateValore = -1;
void RegistraFamigliaProva()
{
    GestoreFamiglia g;
    g.Impagina = [](comandi& dlg, int) {
        DefArgomento& a = Argomenti[0];
        a.Nome = "Source A";
        a.Tipo = TipoInt;
        a.DaRegistro = true;
        a.Valore = 26;
        a.TipiAmmessi[TipoUInt] = a.TipiAmmessi[TipoInt] = 1;
        dlg.ShowArg(0);
        DefArgomento& b = Argomenti[1];
        b.Nome = "Source B";
        b.Tipo = TipoKFlt;
        b.Valore = 1.5;
        b.TipiAmmessi[TipoInt] = b.TipiAmmessi[TipoKFlt] = 1;
        dlg.ShowArg(1);
        DefArgomento& d = Argomenti[4];
        d.Nome = "Dest";
        d.Tipo = TipoUInt;
        d.DaRegistro = true;
        d.Valore = 100;
        d.TipiAmmessi[TipoUInt] = 1;
        dlg.ShowArg(4);
        dlg.txt_delay->show();
        dlg.lbl_Delay->show();
    };
    g.Codifica = [](comandi& dlg, Rung& r) {
        r.ArgByte[1][0] = uint8_t(Argomenti[0].Tipo | (Argomenti[1].Tipo << 4));
        dlg.Trasf(Argomenti[0].Valore, 0, 0);
        dlg.Trasf(Argomenti[1].Valore, Argomenti[1].Tipo == TipoKFlt ? 5 : 0, 2);
        dlg.Trasf(Argomenti[4].Valore, 0, 4);
        r.Delay = int16_t(LeggiNumero(dlg.txt_delay->text()));
        r.Lunghezza = 10;
        r.Riga.Sommario = comandi::Sommario({r.ArgTesto[0], r.ArgTesto[1], r.ArgTesto[4]});
        return true;
    };
    g.ValoreScelto = [](comandi&, int riga) { chiamateValore = riga; };
    RegistraFamiglia(Famiglia::Aritmetica, g);
}

constexpr int kAdd = 4, kReturn = 15;

Rung& Bersaglio()
{
    return Programmi[0].Rung[2];
}
} // namespace

class TestComandi : public QObject {
    Q_OBJECT
private:
    Test::Copione copione;
    QList<QPair<int, int>> notifiche;

    comandi* Apri(int indice)
    {
        EditorBlocco* e = EditorBloccoAttivo();
        e->Chiudi();
        e->ImpostaBersaglio(0, 2);
        e->SelezionaFunzione(indice);
        return Finestre::Get<comandi>();
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        copione.Installa();
        const QStringList tipi = {"uInt", "Int", "uLong", "Long", "Float", "K_Flt", "K_Long", "Hex", "ASCII",
                                  "Bin", "Table", "Direct", "Swap"};
        for (int i = 0; i < tipi.size(); ++i) TipiDato[size_t(i)] = tipi[i];
        NomiFunzione[kAdd] = "Add";
        NomiFunzione[kReturn] = "Return";
        TestiLingua[68] = "Delay";
        InstallaEditorBlocco();
        RegistraFamigliaProva();
        ServiziEditor::NomiTabelle = [] { return QStringList{"Tank", "Probe"}; };
        NotificaRigaRung = [this](int p, int r) { notifiche.append({p, r}); };
    }

    void init()
    {
        ProgCorrente = 0;
        RungCorrente = 2;
        Programmi[0].NumRung = 3;
        Bersaglio() = Rung{};
        copione.richieste.clear();
        notifiche.clear();
        ProgettoModificato = false;
    }

    void preambleAndLayout()
    {
        comandi* d = Apri(kAdd);
        QVERIFY(d->Aperto);
        QCOMPARE(d->FunzioneScelta(), kAdd);
        QCOMPARE(d->lbl_nomeFunz->text(), QStringLiteral("Add"));
        QCOMPARE(d->Tab_Funzioni->currentIndex(), 4);   // Math
        QCOMPARE(d->txt_Var[0]->currentText(), QStringLiteral("%R26"));
        QCOMPARE(d->txt_Var[1]->currentText(), QStringLiteral("1.5"));
        QCOMPARE(d->txt_Var[4]->currentText(), QStringLiteral("%R100"));
        QCOMPARE(d->txt_Opt[1]->currentText(), QStringLiteral("K_Flt"));
        QVERIFY(d->txt_Var[2]->isHidden());
        QVERIFY(d->frm_trig->isHidden());
        Modelli[Controllore.Modello].AmmetteTrigger = true;
        d->SelezionaFunzione(kAdd);
        QVERIFY(!d->frm_trig->isHidden());
        Modelli[Controllore.Modello].AmmetteTrigger = false;
        d->SelezionaFunzione(kAdd);
        QVERIFY(d->frm_trig->isHidden());
        QVERIFY(!d->txt_delay->isHidden());
        QCOMPARE(d->lbl_Delay->text(), QStringLiteral("Delay"));
        // A block of a family not built yet gets the preamble only.
        d->SelezionaFunzione(kReturn);
        for (int i = 0; i < 8; ++i) QVERIFY(d->txt_Var[size_t(i)]->isHidden());
        QVERIFY(d->txt_delay->isHidden());
        QCOMPARE(Argomenti[0].Nome, QString());
    }

    void showArgTypeLists()
    {
        comandi* d = Apri(kReturn);
        DefArgomento& a = Argomenti[3];
        a = DefArgomento{};
        a.Nome = "Table";
        a.Tipo = TipoInt;
        a.TipiAmmessi[TipoUInt] = a.TipiAmmessi[TipoInt] = a.TipiAmmessi[TipoTable] = 1;
        a.PuntatoriAmmessi[TipoUInt] = a.PuntatoriAmmessi[TipoULong] = 1;
        d->ShowArg(3);
        QComboBox* t = d->txt_Opt[3];
        QStringList voci;
        QList<int> dati;
        for (int k = 0; k < t->count(); ++k) voci << t->itemText(k), dati << t->itemData(k).toInt();
        QCOMPARE(voci, (QStringList{"uInt", "Int", "Table", "Punt->uInt", "Punt->uLong"}));
        QCOMPARE(dati, (QList<int>{0, 1, 10, 8, 10}));
        // Table forces the type, and the last entry of that code is chosen.
        QCOMPARE(int(a.Tipo), 10);
        QCOMPARE(t->currentIndex(), 4);
        QCOMPARE(d->txt_Var[3]->count(), 2);
        QCOMPARE(d->txt_Var[3]->currentText(), QStringLiteral("Tank"));
        QVERIFY(!d->cmd_set[3]->isHidden());
        QCOMPARE(d->ArgCorrente, 3);

        // The register prefix only for register rows of register types.
        a = DefArgomento{};
        a.Nome = "X";
        a.Tipo = TipoInt;
        a.Valore = 26;
        a.DaRegistro = true;
        a.TipiAmmessi[TipoInt] = a.TipiAmmessi[TipoKLong] = 1;
        d->ShowArg(3);
        QCOMPARE(d->txt_Var[3]->currentText(), QStringLiteral("%R26"));
        QVERIFY(d->cmd_set[3]->isHidden());
        a.DaRegistro = false;
        d->ShowArg(3);
        QCOMPARE(d->txt_Var[3]->currentText(), QStringLiteral("26"));
        a.DaRegistro = true;
        a.Tipo = TipoKLong;
        d->ShowArg(3);
        QCOMPARE(d->txt_Var[3]->currentText(), QStringLiteral("26"));
        QVERIFY(!d->cmd_set[3]->isHidden());
        // Hidden with its caption and type list; the Set button stays.
        a.Nome.clear();
        d->ShowArg(3);
        QVERIFY(d->txt_Var[3]->isHidden() && d->lbl_Var[3]->isHidden() && d->txt_Opt[3]->isHidden());
        QVERIFY(!d->cmd_set[3]->isHidden());
    }

    void typeChoiceGoesToItsOwnRow()
    {
        comandi* d = Apri(kAdd);
        d->ArgCorrente = 0;
        d->txt_Opt[1]->setCurrentIndex(0);   // Int
        d->txt_Opt_Click(1);
        QCOMPARE(int(Argomenti[1].Tipo), int(TipoInt));
        QCOMPARE(int(Argomenti[0].Tipo), int(TipoInt));
        d->txt_Opt[0]->setCurrentIndex(0);   // uInt
        d->txt_Opt_Click(0);
        QCOMPARE(int(Argomenti[0].Tipo), int(TipoUInt));
        QCOMPARE(int(Argomenti[1].Tipo), int(TipoInt));
    }

    void encodesGoodRows()
    {
        comandi* d = Apri(kAdd);
        d->txt_Label->setText("L1");
        d->txt_Var[0]->setEditText("%R12");
        d->txt_Var[1]->setEditText("12,5");
        d->txt_Var[4]->setEditText("%X7");
        d->txt_delay->setText("3");
        QCOMPARE(int(d->CompilaComando()), 65535);
        QCOMPARE(Argomenti[0].Valore, 12.0);
        QCOMPARE(Argomenti[1].Valore, 12.5);
        QCOMPARE(Argomenti[4].Valore, 7.0);
        QCOMPARE(d->txt_Var[1]->currentText(), QStringLiteral("12.5"));
        const Rung& r = Bersaglio();
        QCOMPARE(r.ArgTesto[1], QStringLiteral("12.5"));
        QCOMPARE(r.ArgTesto[4], QStringLiteral("%X7"));
        QCOMPARE(r.ArgTesto[2], QString());
        QCOMPARE(r.Etichetta, QStringLiteral("L1"));
        QCOMPARE(r.Classe, int16_t(3));
        QCOMPARE(r.Gruppo, int16_t(1));
        QCOMPARE(int(r.Op), 0);
        QVERIFY(r.Valido);
        QVERIFY(!r.Trig);
        QCOMPARE(Leggi(r.ArgByte[0]), (Slot{12, 0, 0, 0}));
        QCOMPARE(Leggi(r.ArgByte[2]), (Slot{0, 0, 0x48, 0x41}));   // 12.5 as a single
        QCOMPARE(Leggi(r.ArgByte[4]), (Slot{7, 0, 0, 0}));
        QCOMPARE(int(r.ArgByte[1][0]), 0x51);
        QCOMPARE(r.Delay, int16_t(3));
        QCOMPARE(r.Lunghezza, int16_t(10));
        QCOMPARE(r.Riga.Funzione, QStringLiteral("Add"));
        QCOMPARE(r.Riga.Colore, 0xFFFF00u);
        QCOMPARE(r.Riga.Immagine, ChiaveIconaBlocco(17));
        QCOMPARE(r.Riga.NomiArg[1], QStringLiteral("Source B (K_Flt)"));
        QCOMPARE(r.Riga.ValoriArg[4], QStringLiteral("%X7"));
        QVERIFY(r.Riga.ArgVisibile[4] && !r.Riga.ArgVisibile[3]);
        QCOMPARE(r.Riga.Sommario, QStringLiteral("[ %R12 , 12.5 , %X7 ]"));
        QCOMPARE(notifiche, (QList<QPair<int, int>>{{0, 2}}));
        QVERIFY(copione.Messaggi().isEmpty());
    }

    void refusesBadRows_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("validoPrima");
        QTest::newRow("lone %") << 0 << "%" << false;
        QTest::newRow("register past 16 bits") << 4 << "%R70000" << true;
        QTest::newRow("negative past 16 bits") << 0 << "-65537" << false;
        QTest::newRow("single overflow") << 1 << "1e39" << true;
    }
    void refusesBadRows()
    {
        QFETCH(int, riga);
        QFETCH(QString, testo);
        QFETCH(bool, validoPrima);
        Bersaglio().Valido = validoPrima;
        Bersaglio().ArgByte[4] = {9, 9, 9, 9};
        comandi* d = Apri(kAdd);
        d->txt_Var[size_t(riga)]->setEditText(testo);
        QVERIFY(!EditorBloccoAttivo()->Conferma());
        QCOMPARE(copione.Messaggi(), QStringList{"Error: Check Values"});
        QVERIFY(d->Aperto);
        QVERIFY(!ProgettoModificato);
        QCOMPARE(Bersaglio().Valido, validoPrima);
        if (testo != "%") {
            // Texts and identity are written before the slots.
            QCOMPARE(Bersaglio().ArgTesto[size_t(riga)], testo);
            QCOMPARE(Bersaglio().Classe, int16_t(3));
        }
        if (riga != 4) QCOMPARE(Leggi(Bersaglio().ArgByte[4]), (Slot{9, 9, 9, 9}));
    }

    void triggerOutOfRange()
    {
        comandi* d = Apri(kReturn);
        d->chk_trig->setChecked(true);
        d->txt_Var[8]->setEditText("40000");
        d->txt_Opt[8]->setEditText("3");
        QCOMPARE(int(d->CompilaComando()), 0);
        d->txt_Var[8]->setEditText("-5");
        QCOMPARE(int(d->CompilaComando()), 65535);
        QVERIFY(Bersaglio().Trig);
        QCOMPARE(Bersaglio().TrigReg, int16_t(-5));
        QCOMPARE(Bersaglio().TrigMask, int16_t(3));
        // A valid rung with a trigger brings it back in the preamble.
        EditorBloccoAttivo()->Chiudi();
        d = Apri(kReturn);
        QVERIFY(d->chk_trig->isChecked());
        QCOMPARE(d->txt_Var[8]->currentText(), QStringLiteral("-5"));
    }

    void blockWithoutFamilyLeavesSlots()
    {
        Bersaglio().ArgByte[0] = {1, 2, 3, 4};
        Apri(kReturn);
        QVERIFY(EditorBloccoAttivo()->Conferma());
        QVERIFY(ProgettoModificato);
        QVERIFY(!Finestre::Get<comandi>()->Aperto);
        QCOMPARE(Bersaglio().Gruppo, int16_t(132));
        QVERIFY(Bersaglio().Valido);
        QCOMPARE(Leggi(Bersaglio().ArgByte[0]), (Slot{1, 2, 3, 4}));
        QCOMPARE(Bersaglio().Riga.Sommario, QString());
    }

    void reopenThroughTheInterface()
    {
        comandi* d = Apri(kAdd);
        d->txt_Label->setText("LOOP");
        d->txt_Var[0]->setEditText("%R40");
        d->txt_Opt[0]->setCurrentIndex(0);
        d->txt_Opt_Click(0);
        d->txt_Var[1]->setEditText("-3.25");
        d->txt_delay->setText("7");
        QVERIFY(EditorBloccoAttivo()->Conferma());
        const Rung salvato = Bersaglio();
        Bersaglio().ArgByte = {};

        // The rung editor's own modify sequence, on a fresh dialog.
        EditorBlocco* e = EditorBloccoAttivo();
        chiamateValore = -1;
        ModificaRung(2);
        QCOMPARE(chiamateValore, 0);   // row 0's reaction ran
        QVERIFY(d->isVisible());
        QCOMPARE(d->FunzioneScelta(), kAdd);
        QCOMPARE(d->txt_Label->text(), QStringLiteral("LOOP"));
        QCOMPARE(d->txt_delay->text(), QStringLiteral("7"));
        QCOMPARE(d->txt_Var[1]->currentText(), QStringLiteral("-3.25"));
        // The stored type is not in the row texts; the family takes it from
        // slot 1 (here, the stand-in lays out its default).
        d->txt_Opt[0]->setCurrentIndex(0);
        d->txt_Opt_Click(0);
        QVERIFY(e->Conferma());
        QCOMPARE(Bersaglio().ArgByte, salvato.ArgByte);
        QCOMPARE(Bersaglio().ArgTesto, salvato.ArgTesto);
        QCOMPARE(Bersaglio().Etichetta, QStringLiteral("LOOP"));
        QCOMPARE(Bersaglio().Delay, int16_t(7));
        QVERIFY(!d->isVisible());

        // A rung that is not valid opens with the block's defaults.
        Bersaglio().Valido = false;
        e->ImpostaBersaglio(0, 2);
        e->SelezionaFunzione(kAdd);
        QCOMPARE(d->txt_Var[1]->currentText(), QStringLiteral("1.5"));
        QCOMPARE(d->txt_Label->text(), QString());
        e->Chiudi();
    }

    void unknownIdentityOpensAsFirstBlock()
    {
        Bersaglio().Classe = 5;
        EditorBlocco* e = EditorBloccoAttivo();
        const int i = e->FunzToOpt(5, 1, 0);
        e->Chiudi();
        e->ImpostaBersaglio(0, 2);
        e->SelezionaFunzione(i);
        QCOMPARE(Finestre::Get<comandi>()->FunzioneScelta(), 0);
        QCOMPARE(Finestre::Get<comandi>()->Tab_Funzioni->currentIndex(), 0);
        e->Chiudi();
    }

    void targetGone()
    {
        EditorBlocco* e = EditorBloccoAttivo();
        e->Chiudi();
        e->ImpostaBersaglio(0, 3);
        e->SelezionaFunzione(kReturn);
        Programmi[0].NumRung = 2;   // the rung was deleted while the editor was open
        QVERIFY(!e->Conferma());
        QCOMPARE(copione.Messaggi(), QStringList{"The rung being edited no longer exists"});
        QVERIFY(!Programmi[0].Rung[3].Valido);
        e->Chiudi();
    }

    void registerPick()
    {
        comandi* d = Apri(kAdd);
        TabRegistri[300].Tipo = TipoUInt;
        TabRegistri[301].Tipo = TipoFloat;
        d->ArgCorrente = 0;
        d->ImpostaRegistroRiga(300);
        QCOMPARE(d->txt_Var[0]->currentText(), QStringLiteral("%R300"));
        QCOMPARE(int(Argomenti[0].Tipo), int(TipoUInt));
        QCOMPARE(d->txt_Opt[0]->currentText(), QStringLiteral("uInt"));
        d->ImpostaRegistroRiga(301);   // Float is not offered: the row keeps uInt
        QCOMPARE(d->txt_Var[0]->currentText(), QStringLiteral("%R301"));
        QCOMPARE(int(Argomenti[0].Tipo), int(TipoUInt));
        QCOMPARE(d->txt_Opt[0]->currentText(), QStringLiteral("uInt"));
        QCOMPARE(Argomenti[0].Valore, 301.0);
        // Not a register row, the trigger frame, a closed editor: nothing.
        d->ArgCorrente = 1;
        d->ImpostaRegistroRiga(300);
        QCOMPARE(d->txt_Var[1]->currentText(), QStringLiteral("1.5"));
        d->ArgCorrente = 8;
        d->ImpostaRegistroRiga(300);
        QCOMPARE(d->txt_Var[8]->currentText(), QString());
        d->ArgCorrente = 4;
        EditorBloccoAttivo()->Chiudi();
        d->ImpostaRegistroRiga(300);
        QCOMPARE(Argomenti[4].Valore, 100.0);
    }

    void setButtonsOpenTheirEditors()
    {
        comandi* d = Apri(kReturn);
        int tabellaAperta = -1;
        ServiziEditor::ApriValoreTesto = [] {
            QVERIFY(DialogoAperto);
            QCOMPARE(TestoInput, QStringLiteral("29"));
            TestoInput = QStringLiteral("123456");
            DialogoAperto = false;
        };
        ServiziEditor::ApriEditorTabelle = [&tabellaAperta](int t) {
            tabellaAperta = t;
            DialogoAperto = false;
        };
        ServiziEditor::TabellaEditor = [] { return 2; };
        DefArgomento& k = Argomenti[2];
        k = DefArgomento{};
        k.Nome = "Const";
        k.Tipo = TipoKLong;
        k.Valore = 29;
        k.TipiAmmessi[TipoKLong] = 1;
        d->ShowArg(2);
        d->cmd_set_Click(2);
        QCOMPARE(d->txt_Var[2]->currentText(), QStringLiteral("123456"));
        QVERIFY(!DialogoAperto);

        DefArgomento& t = Argomenti[3];
        t = DefArgomento{};
        t.Nome = "Table";
        t.TipiAmmessi[TipoTable] = 1;
        d->ShowArg(3);
        d->txt_Var[3]->setCurrentIndex(1);
        ServiziEditor::NomiTabelle = [] { return QStringList{"Tank", "Probe", "Flow"}; };
        d->cmd_set_Click(3);
        QCOMPARE(tabellaAperta, 1);
        QCOMPARE(d->txt_Var[3]->count(), 3);
        QCOMPARE(d->txt_Var[3]->currentText(), QStringLiteral("Flow"));
        // Any other type: no editor.
        tabellaAperta = -1;
        Argomenti[3].Tipo = TipoInt;
        d->cmd_set_Click(3);
        QCOMPARE(tabellaAperta, -1);

        ServiziEditor::NomiTabelle = [] { return QStringList{"Tank", "Probe"}; };
        ServiziEditor::ApriValoreTesto = nullptr;
        ServiziEditor::ApriEditorTabelle = nullptr;
        ServiziEditor::TabellaEditor = nullptr;
    }

    void labelsOfTheProcess()
    {
        comandi* d = Apri(kReturn);
        Programmi[0].Rung[1].Etichetta = "START";
        Programmi[0].Rung[2].Etichetta = "";
        Programmi[0].Rung[3].Etichetta = "END";
        Programmi[0].Rung[4].Etichetta = "BEYOND";   // past NumRung
        d->RiempiEtichette(5);
        QComboBox* c = d->txt_Var[5];
        QCOMPARE(c->count(), 2);
        QCOMPARE(c->itemText(0), QStringLiteral("START"));
        QCOMPARE(c->itemData(0).toInt(), 1);
        QCOMPARE(c->itemText(1), QStringLiteral("END"));
        QCOMPARE(c->itemData(1).toInt(), 3);
        QCOMPARE(c->currentIndex(), 0);
        for (int n = 1; n <= 4; ++n) Programmi[0].Rung[size_t(n)].Etichetta.clear();
    }

    void enterKeys()
    {
        comandi* d = Apri(kReturn);
        d->show();
        QTest::keyClick(d->txt_delay, Qt::Key_Return);
        QVERIFY(d->Aperto);
        QTest::keyClick(d->txt_Label, Qt::Key_Return);
        QVERIFY(!d->Aperto);
        QVERIFY(ProgettoModificato);
        QVERIFY(Bersaglio().Valido);
        d = Apri(kAdd);
        d->show();
        Bersaglio().Valido = false;
        QTest::keyClick(d->txt_Var[4]->lineEdit(), Qt::Key_Enter);
        QVERIFY(!d->Aperto);
        QVERIFY(Bersaglio().Valido);
    }

    void icons()
    {
        for (int n = 1; n <= 64; ++n) {
            const QIcon i = IconaBlocco(n);
            QCOMPARE(i.isNull(), n == 33);
            QCOMPARE(IconaBloccoDaChiave(ChiaveIconaBlocco(n)).isNull(), n == 33);
        }
        QVERIFY(IconaBlocco(0).isNull());
        // Every picture a catalogue block uses is told apart from the others.
        QHash<QByteArray, int> viste;
        for (int i = 0; i < NumBlocchi; ++i) {
            const int n = VoceFunzione(i).def.Icona;
            if (!EsisteIconaBlocco(n)) continue;
            const QImage img = IconaBlocco(n).pixmap(QSize(32, 32), 1.0).toImage();
            const QByteArray chiave(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes()));
            const int altra = viste.value(chiave, n);
            QVERIFY2(altra == n, qPrintable(QStringLiteral("pictures %1 and %2 look alike").arg(altra).arg(n)));
            viste.insert(chiave, n);
        }
        QVERIFY(IconaBloccoDaChiave("run").isNull());
        // Drawn for the density asked, not scaled up from a small bitmap.
        const QPixmap pm = IconaBlocco(17).pixmap(QSize(32, 32), 2.0);
        QCOMPARE(pm.size(), QSize(64, 64));
        const QImage img = pm.toImage();
        QVERIFY(img.pixelColor(32, 32).alpha() > 0);
        QCOMPARE(img.pixelColor(0, 0).alpha(), 0);
    }
};

QTEST_MAIN(TestComandi)
#include "test_comandi.moc"
