// The page editor through its controls: new objects after the automatic
// Set, a refused Set, the keypad's wrap, "Remove All" and a selection,
// the limit of 32 objects, and compile and close.
#include "base/Globali.h"
#include "display/frm_display.h"
#include "display/OperazioniPagine.h"
#include "display/TelaDisplay.h"
#include "program/Programmi.h"
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "support/Ambiente.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {
template <class T = QAbstractButton> T* C(const QString& nome)
{
    T* c = Finestre::Get<frm_display>()->findChild<T*>(nome);
    if (!c) qFatal("no control %s", qPrintable(nome));
    return c;
}
void Premi(const QString& nome) { C(nome)->click(); }
QListWidget* Oggetti() { return C<QListWidget>(QStringLiteral("lst_Ogg")); }
// A new object from kind button k.
void Nuovo(int k)
{
    C(QStringLiteral("opt_Type_%1").arg(k))->setChecked(true);
    Premi(QStringLiteral("cmd_Ogg_0"));
}
} // namespace

class TestFrmDisplay : public QObject {
    Q_OBJECT
    Test::Copione m_copione;

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        CambiaLingua(1);
    }
    void init()
    {
        Finestre::Scarica<frm_display>();
        Pagine = {};
        NumPagine = 1;
        m_copione = Test::Copione();
        m_copione.Installa();
        MenuClick(QStringLiteral("mnu_display"));
        ProgettoModificato = false;
    }

    void oggetti()
    {
        Nuovo(0);
        const OggettoDisplay& l = Pagine[0].Oggetti[1];
        QVERIFY(l.TipoOgg == EtichettaPiccola && l.RegOgg == 21 && l.TipoReg == 0);
        QCOMPARE(l.Testo2, QStringLiteral("New Label 1"));
        QVERIFY(C<QGroupBox>(QStringLiteral("Frame2"))->isVisible() && C(QStringLiteral("chk_altern"))->isChecked());
        QCOMPARE(Oggetti()->currentRow(), 0);
        QVERIFY(ProgettoModificato);
        Nuovo(1);
        QCOMPARE(int(Pagine[0].Oggetti[2].TipoReg), 1);
        Nuovo(5);    // the Label's texts stay in the hidden boxes
        QCOMPARE(Pagine[0].Oggetti[3].FormatoOgg, QStringLiteral("Rectangle"));
        QCOMPARE(Oggetti()->item(1)->text(), QStringLiteral("[2] %R26"));
        // A bad position: a message naming the box, nothing stored.
        C<QLineEdit>(QStringLiteral("txt_PosX"))->setText(QStringLiteral("x"));
        Premi(QStringLiteral("cmd_set"));
        QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("Invalid value: X")});
        QCOMPARE(int(Pagine[0].Oggetti[3].PosX), 0);
        // After "Remove All" the list stays and a selection draws no border.
        auto* tela = C<TelaDisplay>(QStringLiteral("Picture1"));
        Premi(QStringLiteral("Command7"));
        QCOMPARE(tela->Elementi(), 0);
        Oggetti()->setCurrentRow(0);
        QVERIFY(Oggetti()->count() == 3 && OggettoCorrente == 1 && tela->Selezione() == 0);
        Premi(QStringLiteral("Command6"));
        QCOMPARE(tela->Elementi(), 3);
        while (Pagine[0].NumOggetti < MaxOggetti) Nuovo(6);
        Nuovo(6);
        QCOMPARE(m_copione.Messaggi().last(), TestoRifiuto(EsitoPagine::TroppiOggetti));
        QCOMPARE(int(Pagine[0].NumOggetti), MaxOggetti);
    }

    // A text holding a character the files and the controller have no byte
    // for is refused, naming the text and its object; nothing is stored.
    void testiSenzaByte()
    {
        Nuovo(0);
        const QString fine = ", a character the project files and the controller cannot hold";
        C<QLineEdit>(QStringLiteral("txt_format_0"))->setText(QStringLiteral("Temp °C"));
        C<QLineEdit>(QStringLiteral("txt_format_1"))->setText(QStringLiteral("≠ 0"));
        Premi(QStringLiteral("cmd_set"));
        C<QLineEdit>(QStringLiteral("txt_format_0"))->setText(QStringLiteral("5 €"));
        Premi(QStringLiteral("cmd_set"));
        QCOMPARE(m_copione.Messaggi(), (QStringList{"Alternative text of object 1 on page 1 holds ≠ (U+2260)" + fine,
                                                    "Text of object 1 on page 1 holds € (U+20AC)" + fine}));
        QCOMPARE(Pagine[0].Oggetti[1].FormatoOgg + Pagine[0].Oggetti[1].Testo2, QStringLiteral("New Label 0New Label 1"));
    }

    void tastiera()
    {
        Premi(QStringLiteral("cmd_page_0"));
        Premi(QStringLiteral("cmd_page_0"));
        QCOMPARE(int(PaginaCorrente), 2);
        const struct { int tasto; int pagina; } passi[] = {{5, 0}, {4, 2}, {4, 1}, {0, 1}, {7, 1}};
        for (const auto& p : passi) {
            Premi(QStringLiteral("Command2_%1").arg(p.tasto));
            QCOMPARE(int(PaginaCorrente), p.pagina);
        }
        QCOMPARE(C<QListWidget>(QStringLiteral("lst_page"))->item(2)->text(), QStringLiteral("PAGE [3]"));
        // The [Off] stepper of a new Led: 0 and 1 only.
        Nuovo(6);
        auto* numero = C<QLabel>(QStringLiteral("lbl_IdPicture_0"));
        const struct { const char* freccia; const char* atteso; } passiFigura[] = {{"down", "0"}, {"up", "1"}, {"up", "1"}, {"down", "0"}};
        for (const auto& p : passiFigura) {
            C<QWidget>(QStringLiteral("Sel_Pict_0"))->findChild<QAbstractButton*>(QString::fromLatin1(p.freccia))->click();
            QCOMPARE(numero->text(), QString::fromLatin1(p.atteso));
        }
    }

    void compila()
    {
        Nuovo(0);
        CambiaLingua(0);
        QCOMPARE(C<QGroupBox>(QStringLiteral("frm_pages"))->title(), QStringLiteral("Pagine"));
        QCOMPARE(C<QGroupBox>(QStringLiteral("Frame1"))->title(), QStringLiteral("QVR4005"));
        CambiaLingua(1);
        ProgettoModificato = false;
        Premi(QStringLiteral("Command4"));
        QVERIFY(ProgettoModificato);
        QCOMPARE(Programmi[1].Rung[1].Etichetta, QStringLiteral("PAG1"));
        QCOMPARE(int(Programmi[1].NumRung), 2);
        QTRY_VERIFY(!Finestre::SeCaricata<frm_display>());
    }
};

QTEST_MAIN(TestFrmDisplay)
#include "test_frm_display.moc"
