// The variables editor through its controls: format compose and read-back,
// list lines, the list buttons' selection rules, refusals that change
// nothing, the system variables, the pages per model and the picker's wait.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "comm/Dispositivo.h"
#include "program/Progetto.h"
#include "registers/EditorVariabili.h"
#include "registers/frm_variabili.h"
#include "registers/Variabili.h"
#include "shell/DelegatoColonne.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "support/Ambiente.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

namespace {
template <class T> T* C(const QString& nome)
{
    T* c = Finestre::Get<frm_variabili>()->findChild<T*>(nome);
    if (!c) qFatal("no control %s", qPrintable(nome));
    return c;
}
void Scrivi(const QString& nome, const QString& testo)
{
    auto* c = C<QLineEdit>(nome);
    c->setText(testo);
    emit c->textEdited(testo);
}
void Premi(const char* nome) { C<QPushButton>(QString::fromLatin1(nome))->click(); }
void Scegli(const QString& combo, int posizione)
{
    auto* c = C<QComboBox>(combo);
    c->setCurrentIndex(posizione);
    emit c->activated(posizione);
}
QListWidget* Lista() { return C<QListWidget>(QStringLiteral("List1")); }
// The first model whose name is (or is not) one of the two with strings.
int ModelloConStringhe(bool con)
{
    for (int m = 0; m < NumModelli; ++m) {
        const bool usb = Modelli[size_t(m)].Nome == NomiModello[4] || Modelli[size_t(m)].Nome == NomiModello[7];
        if (usb == con) return m;
    }
    return -1;
}
} // namespace

class TestVariabili : public QObject {
    Q_OBJECT
    Test::Copione m_copione;

    // A fresh window over `n` variables Var0..Var(n-1), registers 100 + i.
    void Apri(int n)
    {
        Finestre::Scarica<frm_variabili>();
        for (int i = 0; i < MaxVariabiliTabella; ++i)
            Variabili[size_t(i)] = Variabile{100 + i, 0, QStringLiteral("%+5.0f"), QStringLiteral("Var%1").arg(i), 0, 0, 1, 0,
                                             QStringLiteral("c%1").arg(i)};
        NumVariabili = uint8_t(n);
        Finestre::Mostra(Finestre::Get<frm_variabili>());
        ProgettoModificato = false;
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        CambiaLingua(1);
        Controllore.Modello = uint8_t(ModelloConStringhe(true));
    }
    void init()
    {
        m_copione = Test::Copione();
        m_copione.Installa();
    }

    void formato_data()
    {
        QTest::addColumn<bool>("segno");
        QTest::addColumn<int>("cifre");
        QTest::addColumn<int>("decimali");
        QTest::addColumn<int>("genere");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("unsigned hex") << false << 3 << 2 << 2 << QStringLiteral("% 3.2x");
        QTest::newRow("no kind chosen") << true << 5 << 5 << -1 << QStringLiteral("%+5.5f");
        QTest::newRow("exp, widest") << true << 9 << 0 << 1 << QStringLiteral("%+9.0e");
    }
    void formato()
    {
        QFETCH(bool, segno);
        QFETCH(int, cifre);
        QFETCH(int, decimali);
        QFETCH(int, genere);
        Apri(3);
        Variabili[1].FormatoVar.clear();   // reads back no kind: none chosen yet
        Lista()->setCurrentRow(1);
        auto* c = C<QLineEdit>(QStringLiteral("txt_WebReg_0"));
        QCOMPARE(c->text(), QStringLiteral("1"));
        if (C<QCheckBox>(QStringLiteral("chk_sign"))->isChecked() != segno) C<QCheckBox>(QStringLiteral("chk_sign"))->click();
        Scrivi(QStringLiteral("txt_scroll_0"), QString::number(cifre));
        Scrivi(QStringLiteral("txt_scroll_1"), QString::number(decimali));
        if (genere >= 0) Scegli(QStringLiteral("cmb_outFormat"), genere);
        Premi("cmd_RegistriWEB_0");
        QTEST(Variabili[1].FormatoVar, "atteso");
        QCOMPARE(Variabili[1].Registro2, 0);   // a format is no number
        QVERIFY(ProgettoModificato);
        // Read back by position after showing another entry.
        Lista()->setCurrentRow(0);
        Lista()->setCurrentRow(1);
        QCOMPARE(C<QCheckBox>(QStringLiteral("chk_sign"))->isChecked(), segno);
        QCOMPARE(C<QLineEdit>(QStringLiteral("txt_scroll_0"))->text(), QString::number(cifre));
        QCOMPARE(C<QLineEdit>(QStringLiteral("txt_scroll_1"))->text(), QString::number(decimali));
        QCOMPARE(C<QComboBox>(QStringLiteral("cmb_outFormat"))->currentIndex(), genere < 0 ? 0 : genere);
    }

    void righe_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("riga");
        QTest::newRow("numeric") << 4 << QStringLiteral("2\t102\tFloat\t%+5.0f\tVar2\t\tc2");
        QTest::newRow("string") << 14 << QStringLiteral("2\t102\tString (Eprom)\tVar2\t\tc2");
        QTest::newRow("date") << 16 << QStringLiteral("2\t\tDate\t\t\t\tc2");
        QTest::newRow("unknown type") << 40 << QStringLiteral("2\t\t---\t\t\t\tc2");
    }
    void righe()
    {
        QFETCH(int, tipo);
        Apri(3);
        Variabili[2].TipoVar = uint8_t(tipo);
        Premi("cmd_up");   // with no selection only reloads the list
        QTEST(Lista()->item(2)->text(), "riga");
        Lista()->setCurrentRow(2);   // an unknown type shows without an entry
        QCOMPARE(C<QComboBox>(QStringLiteral("cmb_type"))->currentIndex(), tipo < 18 ? tipo : -1);
    }

    // Each value is drawn within its own heading's span and fits it whole: the
    // string types' label under "Label" (not in the format's place), a
    // 7-character label, the longest type name and a 12-character CSV name.
    void colonne_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("celle");
        QTest::newRow("numeric") << 4 << QStringLiteral("0|40001|Float|%+9.3e|Country|Temperature1");
        QTest::newRow("string") << 14 << QStringLiteral("0|40001|String (Eprom)||Country|Temperature1");
        QTest::newRow("time") << 17 << QStringLiteral("0||Time|||Temperature1");
    }
    void colonne()
    {
        QFETCH(int, tipo);
        Apri(2);
        Variabili[0] = Variabile{40001, uint8_t(tipo), QStringLiteral("%+9.3e"), QStringLiteral("Country"), 0, 0, 1, 0,
                                 QStringLiteral("Temperature1")};
        Premi("cmd_up");   // reloads the list
        QListWidget* lista = Lista();
        auto* delegato = qobject_cast<DelegatoColonne*>(lista->itemDelegate());
        QVERIFY(delegato);
        const QStringList celle = DelegatoColonne::Celle(lista->model()->index(0, 0));
        QTEST(celle.join(QLatin1Char('|')), "celle");
        const QRect riga = lista->visualItemRect(lista->item(0));
        const QFontMetrics fm(lista->font());
        for (int k = 0; k < 6; ++k) {
            auto* intestazione = C<QLabel>(QStringLiteral("lbl_List1_%1").arg(k));
            QVERIFY2(intestazione->sizeHint().width() <= intestazione->width(), qPrintable(intestazione->text()));
            const int x = lista->viewport()->mapFromGlobal(intestazione->mapToGlobal(QPoint())).x();
            const QRect cella = delegato->Cella(riga, k);
            QVERIFY2(cella.left() >= x && cella.right() < x + intestazione->width(), qPrintable(intestazione->text()));
            QVERIFY2(fm.horizontalAdvance(celle[k]) <= cella.width(), qPrintable(celle[k]));
        }
        // Nothing to scroll sideways: the columns fit the list.
        QVERIFY(delegato->Cella(riga, 5).right() < lista->viewport()->width());
    }

    // The counters' captions show whole and stand clear of the fields and
    // arrows beside them.
    void contatori()
    {
        Apri(1);
        QList<QWidget*> campi;
        for (int k = 0; k < 2; ++k)
            campi << C<QLineEdit>(QStringLiteral("txt_scroll_%1").arg(k)) << C<QScrollBar>(QStringLiteral("scroll_%1").arg(k));
        for (int k = 0; k < 2; ++k) {
            auto* didascalia = C<QLabel>(QStringLiteral("lbl_scroll_%1").arg(k));
            QVERIFY2(didascalia->sizeHint().width() <= didascalia->width(), qPrintable(didascalia->text()));
            for (QWidget* c : campi)
                QVERIFY2(!didascalia->geometry().intersects(c->geometry()), qPrintable(c->objectName()));
        }
    }

    // Four variables; `sel` selected (-1 none); press `tasto`.
    void selezione_data()
    {
        QTest::addColumn<int>("sel");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<QString>("ordine");
        QTest::addColumn<int>("dopo");
        QTest::newRow("+ selects the new entry") << 1 << "cmd_add" << "0 1 2 3 4" << 4;
        QTest::newRow("- middle") << 2 << "cmd_remove" << "0 1 3" << 1;
        QTest::newRow("- first: no selection") << 0 << "cmd_remove" << "1 2 3" << -1;
        QTest::newRow("- none: first selected") << -1 << "cmd_remove" << "0 1 2 3" << 0;
        QTest::newRow("^ middle") << 2 << "cmd_up" << "0 2 1 3" << 1;
        QTest::newRow("^ first clears") << 0 << "cmd_up" << "0 1 2 3" << -1;
        QTest::newRow("v middle") << 1 << "cmd_down" << "0 2 1 3" << 2;
        QTest::newRow("v last keeps") << 3 << "cmd_down" << "0 1 2 3" << 3;
    }
    void selezione()
    {
        QFETCH(int, sel);
        QFETCH(QString, tasto);
        Apri(4);
        Lista()->setCurrentRow(sel);
        C<QPushButton>(tasto)->click();
        QStringList visti;
        for (int i = 0; i < NumVariabili; ++i) visti << Variabili[size_t(i)].EtichettaVar.mid(3);
        QTEST(visti.join(QLatin1Char(' ')), "ordine");
        QTEST(Lista()->currentRow(), "dopo");
        QVERIFY(ProgettoModificato);
    }

    // A table filled to the model's limit (as New leaves it): "+" adds
    // nothing and says why.
    void tabellaPiena()
    {
        const int limite = std::min<int>(Modelli[Controllore.Modello].MaxVariabili, MaxVariabiliUsate);
        Apri(limite);
        Premi("cmd_add");
        QCOMPARE(int(NumVariabili), limite);
        QVERIFY(!ProgettoModificato);
        QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("A project holds at most %1 variables").arg(limite)});
    }

    // A String (Ram) variable with the alternate group ticked; the field is
    // set to `testo`, then stored.
    void rifiuti_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("maschera");   // stored on success
        QTest::newRow("mask 0") << "txt_WebReg_5" << "0" << "Check values (Mask)" << 0;
        QTest::newRow("mask over 16 bits") << "txt_WebReg_5" << "65536" << "Check values (Mask)" << 0;
        QTest::newRow("mask below") << "txt_WebReg_5" << "-32769" << "Check values (Mask)" << 0;
        QTest::newRow("register over 32 bits") << "txt_WebReg_1" << "2147483648" << "Error: Check Values" << 0;
        QTest::newRow("stale ID") << "txt_WebReg_0" << "3" << "Error: Check Values" << 0;
        QTest::newRow("mask 65535 kept as pattern") << "txt_WebReg_5" << "65535" << "" << -1;
        QTest::newRow("mask 00 accepted") << "txt_WebReg_5" << "00" << "" << 0;
        QTest::newRow("register not a number") << "txt_WebReg_1" << "abc" << "Error: Check Values" << 0;
        QTest::newRow("trigger not a number") << "txt_WebReg_4" << "abc" << "Error: Check Values" << 0;
        QTest::newRow("alternate not a number") << "txt_WebReg_3" << "" << "Error: Check Values" << 0;
        const QString fine = ", a character the project files and the controller cannot hold";
        QTest::newRow("label with a euro sign") << "txt_WebReg_2" << "T€" << "Label of variable 1 holds € (U+20AC)" + fine << 0;
        QTest::newRow("CSV header in Greek") << "txt_nomeCampo" << "Δp" << "CSV header of variable 1 holds Δ (U+0394)" + fine << 0;
    }
    void rifiuti()
    {
        QFETCH(QString, campo);
        QFETCH(QString, testo);
        QFETCH(QString, messaggio);
        QFETCH(int, maschera);
        Apri(3);
        Variabili[1].TipoVar = 13;
        Variabili[1].Maschera = 7;
        Lista()->setCurrentRow(1);
        QVERIFY(C<QCheckBox>(QStringLiteral("chk_altern"))->isChecked());
        Scrivi(QStringLiteral("txt_WebReg_2"), QStringLiteral("nuova"));
        Scrivi(campo, testo);
        const Variabile prima = Variabili[1];
        Premi("cmd_RegistriWEB_0");
        if (!messaggio.isEmpty()) {
            QCOMPARE(m_copione.Messaggi(), QStringList{messaggio});
            QCOMPARE(Variabili[1].EtichettaVar, prima.EtichettaVar);
            QCOMPARE(Variabili[1].Maschera, prima.Maschera);
            QCOMPARE(Variabili[3].EtichettaVar, QStringLiteral("Var3"));
            QVERIFY(!ProgettoModificato);
        } else {
            QCOMPARE(m_copione.Messaggi(), QStringList{});
            QCOMPARE(Variabili[1].EtichettaVar, QStringLiteral("nuova"));
            QCOMPARE(Variabili[1].RegistroVar, 101);
            if (campo == QLatin1String("txt_WebReg_5")) QCOMPARE(int(Variabili[1].Maschera), maschera);
        }
    }

    void variabiliSistema()
    {
        Apri(40);
        m_copione.Rispondi(Prompt::Si);
        Premi("cmd_SysVar");
        QCOMPARE(Variabili[24].RegistroVar, 1024);
        QCOMPARE(Variabili[26].TipoVar, uint8_t(13));
        QCOMPARE(Variabili[28].RegistroVar, 128);   // untouched fields and entries stay
        QCOMPARE(Variabili[27].EtichettaVar, QStringLiteral("Var27"));
        QCOMPARE(Lista()->item(35)->text(), QStringLiteral("35\t0\tString (Eprom)\tModel\t\tModel"));
        QCOMPARE(int(NumVariabili), 40);
        QVERIFY(ProgettoModificato);
        m_copione.Rispondi(Prompt::No);
        Variabili[24].RegistroVar = 5;
        Premi("cmd_SysVar");
        QCOMPARE(Variabili[24].RegistroVar, 5);
    }

    void stringheEBlocchi()
    {
        Apri(1);
        Finestre::Get<frm_variabili>()->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
        QVERIFY(C<QWidget>(QStringLiteral("Pagina_1"))->isVisible());
        C<QListWidget>(QStringLiteral("lst_strings"))->setCurrentRow(4);
        Scrivi(QStringLiteral("txt_stringa"), QStringLiteral("hello"));
        Premi("cmd_SetString");
        QCOMPARE(Stringhe[4].TestoVoce, QStringLiteral("hello"));
        QVERIFY(ProgettoModificato);

        Controllore.Modello = uint8_t(ModelloConStringhe(false));
        Finestre::Get<frm_variabili>()->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(2);
        for (int p = 0; p < 3; ++p) QVERIFY(!C<QWidget>(QStringLiteral("Pagina_%1").arg(p))->isVisible());
        Controllore.Modello = uint8_t(ModelloConStringhe(true));
    }

    // A line the project file marks its text blocks with is refused: stored,
    // the block would come back cut short on reopening. Other text is kept.
    void bloccoConTag()
    {
        Apri(1);
        Blocchi[0].TestoVoce = QStringLiteral("kept");
        ProgettoModificato = false;
        EditorVariabili e;
        e.SelezionaBlocco(0);
        for (const char* testo : {"a\r\n</TEXT>\r\nb", "<TEXT>", "a\r<TEXT>"}) {
            e.TestoBlocco = QString::fromLatin1(testo);
            e.MemorizzaBlocco();
            QCOMPARE(m_copione.Messaggi().value(0), QStringLiteral("Error: Check Values"));
            QCOMPARE(Blocchi[0].TestoVoce, QStringLiteral("kept"));
            QVERIFY(!ProgettoModificato);
            m_copione = Test::Copione();
            m_copione.Installa();
        }
        e.TestoBlocco = QStringLiteral("a\r\n </TEXT>\r\n<TEXT>b");
        e.MemorizzaBlocco();
        QCOMPARE(m_copione.Messaggi(), QStringList{});
        QCOMPARE(Blocchi[0].TestoVoce, e.TestoBlocco);
    }

    // A string or text block holding a character the files have no byte for
    // is refused, naming it; the entry keeps its text.
    void testiSenzaByte()
    {
        Apri(1);
        Stringhe[4].TestoVoce = QStringLiteral("kept");
        Blocchi[1].TestoVoce = QStringLiteral("kept too");
        EditorVariabili e;
        e.Apri();
        e.SelezionaStringa(4);
        e.TestoStringa = QStringLiteral("say “hi”");
        e.MemorizzaStringa();
        e.SelezionaBlocco(1);
        e.TestoBlocco = QStringLiteral("line\r\n5 €");
        e.MemorizzaBlocco();
        const QString fine = ", a character the project files and the controller cannot hold";
        QCOMPARE(m_copione.Messaggi(),
                 (QStringList{"String 4 holds “ (U+201C)" + fine, "Text block *001 holds € (U+20AC)" + fine}));
        QCOMPARE(Stringhe[4].TestoVoce + Blocchi[1].TestoVoce, QStringLiteral("keptkept too"));
        QVERIFY(!ProgettoModificato);
    }

    // The picker's wait ends by OK (a choice), by the close box and by a
    // new project (no choice).
    void attesa_data()
    {
        QTest::addColumn<int>("via");
        QTest::newRow("OK") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("new project") << 2;
    }
    void attesa()
    {
        QFETCH(int, via);
        Apri(3);
        QTimer::singleShot(50, [via] {
            Lista()->setCurrentRow(2);
            if (via == 0)
                Premi("cmd_ok");
            else if (via == 1)
                qobject_cast<QMdiSubWindow*>(Finestre::Get<frm_variabili>()->parentWidget())->close();
            else
                NuovoProgetto();
        });
        QCOMPARE(frm_variabili::Scegli(), via == 0);
        QVERIFY(!SceltaAperta);
        QCOMPARE(ProgettoModificato, via == 0);
        if (via == 0) QCOMPARE(frm_variabili::Scelta(), 2);
    }
};

QTEST_MAIN(TestVariabili)
#include "test_variabili.moc"
