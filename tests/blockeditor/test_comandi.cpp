#include "FamigliaProva.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "blockeditor/Argomenti.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/comandi.h"
#include "blockeditor/EditorBloccoComandi.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/IconeBlocchi.h"
#include "blockeditor/SchedeFunzioni.h"
#include "blockeditor/Servizi.h"
#include "comm/Dispositivo.h"
#include "program/Agganci.h"
#include "program/OperazioniRung.h"
#include "program/Programmi.h"
#include "registers/Tabelle.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {
// Lays out argument row i; tipi are the offered types.
DefArgomento& Riga(comandi& dlg, int i, const char* nome, uint8_t tipo, double valore, bool registro,
                   std::initializer_list<uint8_t> tipi)
{
    DefArgomento& a = Argomenti[size_t(i)];
    a = DefArgomento{QString::fromLatin1(nome), tipo, valore, registro, {}, {}};
    for (uint8_t t : tipi) a.TipiAmmessi[t] = 1;
    dlg.ShowArg(i);
    return a;
}

// A control of the dialog by its name.
template <class T = QWidget> T* C(comandi* d, const QString& nome)
{
    T* w = d->findChild<T*>(nome);
    if (!w) qFatal("no control %s", qPrintable(nome));
    return w;
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
        InstallaEditorBlocco();
        Prova::RegistraFamiglia();
        // "Return" stands for a block that no family encodes.
        RegistraFamiglia(Famiglia::Flusso, {});
        Tabelle[0].NomeTabella = "Tank";
        Tabelle[1].NomeTabella = "Probe";
        Tabelle[2].NomeTabella = "Flow";
        NumTabelle = 2;
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
        QCOMPARE(C<QLabel>(d, "lbl_nomeFunz")->text(), QStringLiteral("Add"));
        QCOMPARE(C<SchedeFunzioni>(d, "Tab_Funzioni")->currentIndex(), 4);   // Math
        // The layout's data as the controls show it, and back.
        QCOMPARE(C<QComboBox>(d, "txt_Var_0")->currentText(), QStringLiteral("%R26"));
        QCOMPARE(C<QComboBox>(d, "txt_Opt_1")->currentText(), QStringLiteral("K_Flt"));
        QCOMPARE(d->ArgCorrente, 4);   // the layout's last row
        QVERIFY(C(d, "txt_Var_3")->isHidden() && C(d, "frm_trig")->isHidden());
        QVERIFY(!C(d, "txt_delay")->isHidden() && d->Raccogli().ritardoVisibile);
        Modelli[Controllore.Modello].AmmetteTrigger = true;
        d->SelezionaFunzione(kAdd);
        Modelli[Controllore.Modello].AmmetteTrigger = false;
        QVERIFY(!C(d, "frm_trig")->isHidden());
        // A block of a family not built yet gets the preamble only.
        d->SelezionaFunzione(kReturn);
        for (int i = 0; i < 8; ++i) QVERIFY(C(d, QStringLiteral("txt_Var_%1").arg(i))->isHidden());
        QVERIFY(C(d, "txt_delay")->isHidden() && C(d, "frm_trig")->isHidden());
        QCOMPARE(Argomenti[0].Nome, QString());
    }

    void showArgKeepsSetButton()
    {
        comandi* d = Apri(kReturn);
        Riga(*d, 3, "X", TipoKLong, 26, true, {TipoInt, TipoKLong});
        QCOMPARE(d->Raccogli().righe[3].testo, QStringLiteral("26"));
        QVERIFY(!C(d, "cmd_set_3")->isHidden());
        QCOMPARE(d->ArgCorrente, 3);
        // Hidden with its caption and type list; the Set button stays.
        Riga(*d, 3, "", TipoKLong, 26, true, {TipoInt, TipoKLong});
        QVERIFY(C(d, "txt_Var_3")->isHidden() && C(d, "lbl_Var_3")->isHidden() && C(d, "txt_Opt_3")->isHidden());
        QVERIFY(!C(d, "cmd_set_3")->isHidden());
    }

    void typeChoiceGoesToItsOwnRow()
    {
        comandi* d = Apri(kAdd);
        d->ArgCorrente = 0;
        d->ScegliTipo(1, 0);   // Int on row 1
        d->ScegliTipo(0, 0);   // uInt on row 0
        QCOMPARE((QList<int>{Argomenti[0].Tipo, Argomenti[1].Tipo}), (QList<int>{TipoUInt, TipoInt}));
    }

    void refusesBadRows()
    {
        Bersaglio().Valido = true;
        comandi* d = Apri(kAdd);
        d->ImpostaTestoRiga(4, "%R70000");
        QVERIFY(!EditorBloccoAttivo()->Conferma());
        QCOMPARE(copione.Messaggi(), QStringList{"Error: Check Values"});
        QVERIFY(d->Aperto && !ProgettoModificato && Bersaglio().Valido);
        QVERIFY(Bersaglio().ArgTesto[4] != QStringLiteral("%R70000"));   // nothing stored
        d->ImpostaTestoRiga(4, QString());   // a cleared register row names no register
        QCOMPARE(int(d->CompilaComando()), 0);
        d->ImpostaTrigger(true, "40000", "3");
        d->ImpostaTestoRiga(4, "%R7");
        QCOMPARE(int(d->CompilaComando()), 0);
        d->ImpostaTrigger(true, "-5", "3");
        QCOMPARE(int(d->CompilaComando()), 65535);
        // A valid rung with a trigger brings it back in the preamble.
        d = Apri(kReturn);
        QVERIFY(d->Raccogli().trigger);
        QCOMPARE(d->Raccogli().testoTrigReg, QStringLiteral("-5"));
    }

    // The label and a row in sight holding a character the files have no
    // byte for are refused, named with the rung; nothing is stored.
    void refusesTextsTheFilesCannotHold()
    {
        comandi* d = Apri(kAdd);
        const QString riga = d->Raccogli().righe[0].didascalia, fine =
            ", a character the project files and the controller cannot hold";
        d->ImpostaEtichetta("Loop–2");
        QVERIFY(!EditorBloccoAttivo()->Conferma());
        d->ImpostaEtichetta("Lé");
        d->ImpostaTestoRiga(0, "%R40π");
        QVERIFY(!EditorBloccoAttivo()->Conferma());
        QCOMPARE(copione.Messaggi(), (QStringList{"Label of rung 2 holds – (U+2013)" + fine,
                                                  riga + " of rung 2 holds π (U+03C0)" + fine}));
        QVERIFY(d->Aperto && !ProgettoModificato && Bersaglio().Etichetta.isEmpty());
        d->ImpostaTestoRiga(0, "%R40");
        QVERIFY(EditorBloccoAttivo()->Conferma());
        QCOMPARE(Bersaglio().Etichetta, QStringLiteral("Lé"));
    }

    // The encodings are test_codificablocco's; here the dialog's part: the
    // fields it reads, the rewritten text, the notification, and the rung
    // editor's own modify sequence on what was stored.
    void storesAndReopens()
    {
        comandi* d = Apri(kAdd);
        d->ImpostaEtichetta("LOOP");
        d->ImpostaTestoRiga(0, "%R40");
        d->ScegliTipo(0, 0);
        d->ImpostaTestoRiga(1, "12,5");
        d->ImpostaDelay("7");
        Prova::rigaScelta = -1;
        d->txt_Var_Click(1);
        QCOMPARE(Prova::rigaScelta, 1);
        EditorBlocco* e = EditorBloccoAttivo();
        QVERIFY(e->Conferma());
        QVERIFY(!d->isVisible());
        QCOMPARE(Bersaglio().ArgTesto[1], QStringLiteral("12.5"));
        QCOMPARE(notifiche, (QList<QPair<int, int>>{{0, 2}}));
        QVERIFY(copione.Messaggi().isEmpty());
        const Rung salvato = Bersaglio();
        Bersaglio().ArgByte = {};
        Prova::rigaScelta = -1;
        ModificaRung(2);
        QCOMPARE(Prova::rigaScelta, 0);   // row 0's reaction ran
        QVERIFY(d->isVisible());
        QCOMPARE(d->FunzioneScelta(), kAdd);
        const DatiBlocco dati = d->Raccogli();
        QCOMPARE(dati.etichetta + dati.ritardo + dati.righe[1].testo, QStringLiteral("LOOP712.5"));
        // The stored type is not in the row texts; the family takes it from
        // slot 1 (here, the stand-in lays out its default).
        d->ScegliTipo(0, 0);
        QVERIFY(e->Conferma());
        QCOMPARE(Bersaglio().ArgByte, salvato.ArgByte);
        QCOMPARE(Bersaglio().ArgTesto, salvato.ArgTesto);
        QCOMPARE(Bersaglio().Delay, int16_t(7));
        // A rung that is not valid opens with the block's defaults.
        Bersaglio().Valido = false;
        e->ImpostaBersaglio(0, 2);
        e->SelezionaFunzione(kAdd);
        QCOMPARE(d->Raccogli().righe[1].testo + d->Raccogli().etichetta, QStringLiteral("1.5"));
        e->Chiudi();
    }

    // The rung deleted while the editor was open: nothing is written past the process's end.
    void targetGone()
    {
        EditorBlocco* e = EditorBloccoAttivo();
        e->Chiudi();
        e->ImpostaBersaglio(0, 3);
        e->SelezionaFunzione(kReturn);
        Programmi[0].NumRung = 2;
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
        QCOMPARE(d->Raccogli().righe[0].testo, QStringLiteral("%R301"));
        QCOMPARE(int(Argomenti[0].Tipo), int(TipoUInt));
        QCOMPARE(d->Raccogli().righe[0].TestoTipo(), QStringLiteral("uInt"));
        QCOMPARE(Argomenti[0].Valore, 301.0);
        // Not a register row, the trigger frame, a closed editor: nothing.
        d->ArgCorrente = 1;
        d->ImpostaRegistroRiga(300);
        QCOMPARE(d->Raccogli().righe[1].testo, QStringLiteral("1.5"));
        d->ArgCorrente = 8;
        d->ImpostaRegistroRiga(300);
        QCOMPARE(d->Raccogli().testoTrigReg, QString());
        d->ArgCorrente = 4;
        EditorBloccoAttivo()->Chiudi();
        d->ImpostaRegistroRiga(300);
        QCOMPARE(Argomenti[4].Valore, 100.0);
    }

    void setButtonsOpenTheirEditors()
    {
        comandi* d = Apri(kReturn);
        int tabellaAperta = -1;
        // Editors that close before the row waits for them.
        ServiziEditor::ApriValoreTesto = []() -> QWidget* {
            [] {
                QVERIFY(DialogoAperto);
                QCOMPARE(TestoInput, QStringLiteral("29"));
            }();
            TestoInput = QStringLiteral("123456");
            return nullptr;
        };
        ServiziEditor::ApriEditorTabelle = [&tabellaAperta](int t) -> QWidget* {
            tabellaAperta = t;
            return nullptr;
        };
        ServiziEditor::TabellaEditor = [] { return 2; };
        Riga(*d, 2, "Const", TipoKLong, 29, false, {TipoKLong});
        d->cmd_set_Click(2);
        QCOMPARE(d->Raccogli().righe[2].testo, QStringLiteral("123456"));
        QVERIFY(!DialogoAperto);
        Riga(*d, 3, "Table", 0, 0, false, {TipoTable});
        d->ScegliValore(3, 1);
        NumTabelle = 3;
        d->cmd_set_Click(3);
        QCOMPARE(tabellaAperta, 1);
        const RigaBlocco tabella = d->Raccogli().righe[3];
        QCOMPARE(tabella.lista.size(), 3);
        QCOMPARE(tabella.testo, QStringLiteral("Flow"));
        // Any other type: no editor.
        tabellaAperta = -1;
        Argomenti[3].Tipo = TipoInt;
        d->cmd_set_Click(3);
        QCOMPARE(tabellaAperta, -1);
        NumTabelle = 2;
        ServiziEditor::ApriValoreTesto = nullptr;
        ServiziEditor::ApriEditorTabelle = nullptr;
        ServiziEditor::TabellaEditor = nullptr;
    }

    void enterKeys()
    {
        comandi* d = Apri(kReturn);
        d->show();
        QTest::keyClick(C(d, "txt_delay"), Qt::Key_Return);
        QVERIFY(d->Aperto);
        QTest::keyClick(C(d, "txt_Label"), Qt::Key_Return);
        QVERIFY(!d->Aperto && ProgettoModificato && Bersaglio().Valido);
        d = Apri(kAdd);
        d->show();
        Bersaglio().Valido = false;
        QTest::keyClick(C<QComboBox>(d, "txt_Var_4")->lineEdit(), Qt::Key_Enter);
        QVERIFY(!d->Aperto && Bersaglio().Valido);
        // The keyboard delivers a key to the combo itself (its line edit
        // hands focus to it), the typed value rows and the type lists alike;
        // the block is encoded once.
        for (const char* nome : {"txt_Var_4", "txt_Opt_1", "txt_Var_0"}) {
            d = Apri(kAdd);
            d->show();
            Bersaglio().Valido = false;
            notifiche.clear();
            QTest::keyClick(C<QComboBox>(d, QString::fromLatin1(nome)), Qt::Key_Return);
            QVERIFY2(!d->Aperto && Bersaglio().Valido, nome);
            QCOMPARE(notifiche.size(), 1);
        }
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
