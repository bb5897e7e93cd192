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
#include "shell/model/Globali.h"
#include "shell/model/Modelli.h"
#include "comm/Dispositivo.h"
#include "support/Ambiente.h"
#include "support/Byte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

using Test::Byte;

namespace {
// Lays out argument row i; tipi are the offered types, puntatori the offered
// pointer variants.
DefArgomento& Riga(comandi& dlg, int i, const char* nome, uint8_t tipo, double valore, bool registro,
                   std::initializer_list<uint8_t> tipi, std::initializer_list<uint8_t> puntatori = {})
{
    DefArgomento& a = Argomenti[size_t(i)];
    a = DefArgomento{QString::fromLatin1(nome), tipo, valore, registro, {}, {}};
    for (uint8_t t : tipi) a.TipiAmmessi[t] = 1;
    for (uint8_t t : puntatori) a.PuntatoriAmmessi[t] = 1;
    dlg.ShowArg(i);
    return a;
}

// A stand-in arithmetic family: rows 0, 1 and 4 and a delay.
int chiamateValore = -1;
void RegistraFamigliaProva()
{
    GestoreFamiglia g;
    g.Impagina = [](int, Rung&, const ContestoBlocco&) {
        LayoutBlocco l;
        auto riga = [&l](int i, const char* nome, uint8_t tipo, double valore, bool registro,
                         std::initializer_list<uint8_t> tipi) {
            DefArgomento& a = l.righe[size_t(i)].arg;
            a = DefArgomento{QString::fromLatin1(nome), tipo, valore, registro, {}, {}};
            for (uint8_t t : tipi) a.TipiAmmessi[t] = 1;
            l.ordine << i;
        };
        riga(0, "Source A", TipoInt, 26, true, {TipoUInt, TipoInt});
        riga(1, "Source B", TipoKFlt, 1.5, false, {TipoInt, TipoKFlt});
        riga(4, "Dest", TipoUInt, 100, true, {TipoUInt});
        l.ritardo = QStringLiteral("10");
        return l;
    };
    g.Codifica = [](const DatiBlocco& d, Rung& r) {
        const auto& a = d.righe;
        r.ArgByte[1][0] = uint8_t(a[0].Tipo() | (a[1].Tipo() << 4));
        if (!Trasf(r, a[0].valore, 0, 0)) return EsitoCodifica::Riga(0);
        if (!Trasf(r, a[1].valore, a[1].Tipo() == TipoKFlt ? 5 : 0, 2)) return EsitoCodifica::Riga(1);
        if (!Trasf(r, a[4].valore, 0, 4)) return EsitoCodifica::Riga(4);
        r.Delay = int16_t(LeggiNumero(d.ritardo));
        r.Lunghezza = 10;
        DidascalieRung(d, r, {0, 1, 4}, {0, 1, 4});
        return EsitoCodifica::Ok();
    };
    g.ValoreScelto = [](DatiBlocco&, int riga) { chiamateValore = riga; };
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
        // "Return" stands for a block that no family encodes.
        RegistraFamiglia(Famiglia::Flusso, {});
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
        QCOMPARE(d->txt_Opt[1]->currentText(), QStringLiteral("K_Flt"));
        QVERIFY(d->txt_Var[2]->isHidden() && d->frm_trig->isHidden());
        QVERIFY(!d->txt_delay->isHidden());
        QCOMPARE(d->lbl_Delay->text(), QStringLiteral("Delay"));
        Modelli[Controllore.Modello].AmmetteTrigger = true;
        d->SelezionaFunzione(kAdd);
        Modelli[Controllore.Modello].AmmetteTrigger = false;
        QVERIFY(!d->frm_trig->isHidden());
        // A block of a family not built yet gets the preamble only.
        d->SelezionaFunzione(kReturn);
        for (int i = 0; i < 8; ++i) QVERIFY(d->txt_Var[size_t(i)]->isHidden());
        QVERIFY(d->txt_delay->isHidden() && d->frm_trig->isHidden());
        QCOMPARE(Argomenti[0].Nome, QString());
    }

    void showArgTypeLists()
    {
        comandi* d = Apri(kReturn);
        DefArgomento& a = Riga(*d, 3, "Table", TipoInt, 0, false, {TipoUInt, TipoInt, TipoTable}, {TipoUInt, TipoULong});
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
        Riga(*d, 3, "X", TipoInt, 26, true, {TipoInt, TipoKLong});
        QCOMPARE(d->txt_Var[3]->currentText(), QStringLiteral("%R26"));
        QVERIFY(d->cmd_set[3]->isHidden());
        Riga(*d, 3, "X", TipoInt, 26, false, {TipoInt, TipoKLong});
        QCOMPARE(d->txt_Var[3]->currentText(), QStringLiteral("26"));
        Riga(*d, 3, "X", TipoKLong, 26, true, {TipoInt, TipoKLong});
        QCOMPARE(d->txt_Var[3]->currentText(), QStringLiteral("26"));
        QVERIFY(!d->cmd_set[3]->isHidden());
        // Hidden with its caption and type list; the Set button stays.
        Riga(*d, 3, "", TipoKLong, 26, true, {TipoInt, TipoKLong});
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
        QCOMPARE(d->txt_Var[1]->currentText(), QStringLiteral("12.5"));
        const Rung& r = Bersaglio();
        QCOMPARE(QStringList(r.ArgTesto.begin(), r.ArgTesto.begin() + 8), (QStringList{"%R12", "12.5", "", "", "%X7", "", "", ""}));
        QCOMPARE(r.Etichetta, QStringLiteral("L1"));
        QCOMPARE(QList<int>({r.Classe, r.Gruppo, r.Op, r.Delay, r.Lunghezza}), (QList<int>{3, 1, 0, 3, 10}));
        QVERIFY(r.Valido && !r.Trig);
        QCOMPARE(Byte(r.ArgByte[0]), QByteArray::fromHex("0c000000"));
        QCOMPARE(Byte(r.ArgByte[2]), QByteArray::fromHex("00004841"));   // 12.5 as a single
        QCOMPARE(Byte(r.ArgByte[4]), QByteArray::fromHex("07000000"));
        QCOMPARE(int(r.ArgByte[1][0]), 0x51);
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
        QVERIFY(d->Aperto && !ProgettoModificato);
        QCOMPARE(Bersaglio().Valido, validoPrima);
        if (testo != "%") {
            // Texts and identity are written before the slots.
            QCOMPARE(Bersaglio().ArgTesto[size_t(riga)], testo);
            QCOMPARE(Bersaglio().Classe, int16_t(3));
        }
        if (riga != 4) QCOMPARE(Byte(Bersaglio().ArgByte[4]), QByteArray(4, 9));
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
        d = Apri(kReturn);
        QVERIFY(d->chk_trig->isChecked());
        QCOMPARE(d->txt_Var[8]->currentText(), QStringLiteral("-5"));
    }

    void blockWithoutFamilyLeavesSlots()
    {
        Bersaglio().ArgByte[0] = {1, 2, 3, 4};
        Apri(kReturn);
        QVERIFY(EditorBloccoAttivo()->Conferma());
        QVERIFY(ProgettoModificato && Bersaglio().Valido);
        QVERIFY(!Finestre::Get<comandi>()->Aperto);
        QCOMPARE(Bersaglio().Gruppo, int16_t(132));
        QCOMPARE(Byte(Bersaglio().ArgByte[0]), QByteArray::fromHex("01020304"));
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
        comandi* d = Apri(EditorBloccoAttivo()->FunzToOpt(5, 1, 0));
        QCOMPARE(d->FunzioneScelta(), 0);
        QCOMPARE(d->Tab_Funzioni->currentIndex(), 0);
        EditorBloccoAttivo()->Chiudi();
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
        QCOMPARE(int(Argomenti[0].Tipo), int(TipoUInt));
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
        Riga(*d, 2, "Const", TipoKLong, 29, false, {TipoKLong});
        d->cmd_set_Click(2);
        QCOMPARE(d->txt_Var[2]->currentText(), QStringLiteral("123456"));
        QVERIFY(!DialogoAperto);
        Riga(*d, 3, "Table", 0, 0, false, {TipoTable});
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
        const QStringList etichette = {"START", "", "END", "BEYOND"};   // rung 4 is past NumRung
        for (int n = 1; n <= 4; ++n) Programmi[0].Rung[size_t(n)].Etichetta = etichette[n - 1];
        d->RiempiEtichette(5);
        QComboBox* c = d->txt_Var[5];
        QCOMPARE(c->count(), 2);
        QCOMPARE(c->itemText(0) + c->itemData(0).toString() + c->itemText(1) + c->itemData(1).toString(),
                 QStringLiteral("START1END3"));
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
        QVERIFY(!d->Aperto && ProgettoModificato && Bersaglio().Valido);
        d = Apri(kAdd);
        d->show();
        Bersaglio().Valido = false;
        QTest::keyClick(d->txt_Var[4]->lineEdit(), Qt::Key_Enter);
        QVERIFY(!d->Aperto && Bersaglio().Valido);
    }

    void icons()
    {
        for (int n = 0; n <= 64; ++n) {
            QCOMPARE(IconaBlocco(n).isNull(), n == 33 || n == 0);
            QCOMPARE(IconaBloccoDaChiave(ChiaveIconaBlocco(n)).isNull(), n == 33 || n == 0);
        }
        QVERIFY(IconaBloccoDaChiave("run").isNull());
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
        // Drawn for the density asked, not scaled up from a small bitmap.
        const QImage img = IconaBlocco(17).pixmap(QSize(32, 32), 2.0).toImage();
        QCOMPARE(img.size(), QSize(64, 64));
        QVERIFY(img.pixelColor(32, 32).alpha() > 0);
        QCOMPARE(img.pixelColor(0, 0).alpha(), 0);
    }
};

QTEST_MAIN(TestComandi)
#include "test_comandi.moc"
