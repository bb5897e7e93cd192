// The register window: what each row shows, the page read and clear
// requests, and the hand-over of a register by click and double-click.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "blockeditor/Argomenti.h"
#include "blockeditor/comandi.h"
#include "comm/Dispositivo.h"
#include "registers/Input_Box.h"
#include "registers/Registri.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "support/Ambiente.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

class TestRegistri : public QObject {
    Q_OBJECT
    template <class T = QLabel> static T* C(Registri* w, const char* nome) { return w->findChild<T*>(nome); }

    static Registri* Finestra(int primo)
    {
        Registri* w = Finestre::Get<Registri>();
        Finestre::Mostra(w);
        w->VScroll1()->setValue(primo);
        return w;
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        Controllore.Modello = 6;   // 1024 registers, user area from 34
        Controllore.Nodo = 10;
    }
    void init()
    {
        for (auto& r : TabRegistri) r = DefRegistro{r.Indirizzo, r.Nome};
    }
    void cleanup() { Finestre::Get<Registri>()->VScroll1()->setValue(0); }

    // tipoPrima is the type of the register before: the second half of a
    // 32-bit pair shows no value and no type.
    void testoValore_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("tipoPrima");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("basso");
        QTest::addColumn<int>("alto");
        QTest::addColumn<QString>("atteso");
        auto r = [](const char* riga, int tipo, int basso, int alto, const char* atteso, int n = 960, int prima = 0) {
            QTest::newRow(riga) << n << prima << tipo << basso << alto << QString::fromLatin1(atteso);
        };
        r("uInt negative", 0, -1, 0, "65535");
        r("Int 65535", 1, 65535, 0, "-1");
        r("Hex", 7, 0x1F, 0, "001F");
        r("Hex negative", 7, -2, 0, "FFFE");
        r("ASCII", 8, 0x4142, 0, "AB");
        r("ASCII closing zero", 8, 0x4100, 0, "A");
        r("ASCII zero", 8, 0, 0, " ");
        r("ASCII control bytes", 13, 0x1B07, 0, "  ");
        r("ASCII leading zero", 8, 0x0041, 0, " A");
        r("Bin", 9, 0x8001, 0, "10000000 00000001");
        r("Long -1", 3, 0xFFFF, 0xFFFF, "-1");
        r("Long words", 3, 0x5678, 0x1234, "305419896");
        r("uLong unsigned", 2, 0xFFFF, 0xFFFF, "4294967295");
        r("uLong signed words", 2, -1, -32768, "2147549183");
        r("K_Long pair", 6, 1, 1, "65537");
        r("Float 1.5", 4, 0, 0x3FC0, "1.50000");
        r("Float NaN", 4, 0xFFFF, 0xFFFF, "---");
        r("Float infinite", 4, 0, 0x7F80, "---");
        r("K_Flt plain word", 5, 7, 0, "7");
        r("Long on the last register", 3, 5, 0, "---", 2048);
        r("Hex after a Long", 7, 0x4142, 0, "---", 961, 3);
        r("uInt after a Float", 0, 0x4142, 0, "---", 961, 4);
        r("Int after a K_Long", 1, 0x4142, 0, "---", 961, 6);
        r("ASCII after a uLong", 8, 0x4142, 0, "---", 961, 2);
        r("Int after a uInt", 1, 0x4142, 0, "16706", 961, 0);
    }
    void testoValore()
    {
        QFETCH(int, n);
        QFETCH(int, tipoPrima);
        QFETCH(int, tipo);
        QFETCH(int, alto);
        TabRegistri[size_t(n - 1)].Tipo = uint8_t(tipoPrima);
        TabRegistri[size_t(n)].Tipo = uint8_t(tipo);
        QFETCH(int, basso);
        TabRegistri[size_t(n)].Valore = basso;
        if (n < 2048) TabRegistri[size_t(n + 1)].Valore = alto;
        const VistaRegistro v = DescriviRegistro(n);
        QTEST(v.valore, "atteso");
        QCOMPARE(v.tipo.isEmpty(), n == 961 && tipoPrima != 0);
    }

    void colori_data()
    {
        QTest::addColumn<int>("categoria");
        QTest::addColumn<QColor>("testo");   // invalid: the row keeps its colour
        QTest::newRow("user") << 0 << QColor(0, 0, 0);
        QTest::newRow("system 1") << 1 << QColor(255, 0, 0);
        QTest::newRow("system 2") << 2 << QColor(255, 0, 0);
        QTest::newRow("long area") << 3 << QColor(0, 0, 255);
        QTest::newRow("other keeps") << 4 << QColor();
    }
    void colori()
    {
        QFETCH(int, categoria);
        QFETCH(QColor, testo);
        TabRegistri[40].Categoria = uint8_t(categoria);
        VistaRegistro v = DescriviRegistro(40);
        QCOMPARE(v.coloreTestoValido, testo.isValid());
        if (testo.isValid()) QCOMPARE(v.coloreTesto, testo);
        QCOMPARE(v.coloreValore, QColor(0, 0xC0, 0));
        TabRegistri[40].Cambiato = true;
        QCOMPARE(DescriviRegistro(40).coloreValore, QColor(0xC0, 0, 0));
    }

    void finestraUltimaPagina()
    {
        Registri* w = Finestre::Get<Registri>();
        w->Redraw();
        QCOMPARE(w->VScroll1()->maximum(), 1024 - 27);
        TabRegistri[1023] = DefRegistro{QStringLiteral("%R1023"), QString(), 0, 1, 65535, true};
        w->VScroll1()->setValue(w->VScroll1()->maximum());
        QCOMPARE(C(w, "lbl_reg_ind_26")->text(), QStringLiteral("%R1023"));
        QCOMPARE(w->lbl_reg_val(26)->text(), QStringLiteral("-1"));
        QCOMPARE(w->lbl_reg_val(26)->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
        // The wheel over the rows (which pass it up) scrolls as the bar does.
        QWheelEvent rotella(QPointF(5, 5), QPointF(), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                            Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &rotella);
        QCOMPARE(w->VScroll1()->value(), 1024 - 27 - 3);
        // Rows that would pass register 2048 are hidden.
        Modelli[6].NumRegistri = 2049;
        w->Redraw();
        w->VScroll1()->setValue(w->VScroll1()->maximum());   // 2022
        Modelli[6].NumRegistri = 1024;
        QVERIFY(!C<QWidget>(w, "pRegistro_26")->isHidden());
        QVERIFY(C<QWidget>(w, "pRegistro_27")->isHidden() && C<QWidget>(w, "pRegistro_100")->isHidden());
        w->Redraw();
    }

    // Opened in the workspace, the window shows its 27 rows, and the widest
    // value and type texts fit their cells in either language.
    void finestraLeggibile_data()
    {
        QTest::addColumn<int>("lingua");
        QTest::newRow("english") << 1;
        QTest::newRow("italian") << 0;
    }
    void finestraLeggibile()
    {
        QFETCH(int, lingua);
        CambiaLingua(uint8_t(lingua));
        Registri* w = Finestra(0);
        QVERIFY(w->height() >= Twips(420 + 27 * 255));
        TabRegistri[0].Tipo = 9;
        TabRegistri[0].Valore = 0xFFFF;
        TabRegistri[1].Tipo = 13;
        w->VScroll1_Change();
        auto entra = [](const QLabel* l) { return l->fontMetrics().horizontalAdvance(l->text()) <= l->width(); };
        QVERIFY(entra(w->lbl_reg_val(0)));
        QVERIFY(entra(C(w, "lbl_reg_type_1")));
        for (int k = 0; k < 4; ++k) QVERIFY(entra(C(w, qPrintable(QStringLiteral("Label1_%1").arg(k)))));
        CambiaLingua(1);
    }

    // A left click hands the register to the block editor's current row, only
    // while the editor is open and the row takes a register.
    void clicConsegnaIlRegistro()
    {
        Registri* w = Finestra(100);
        comandi* c = Finestre::Get<comandi>();
        c->ArgCorrente = 2;
        Argomenti[2].DaRegistro = true;
        Argomenti[2].Valore = 0;
        c->Aperto = false;
        QTest::mouseClick(C(w, "lbl_reg_nome_3"), Qt::LeftButton);
        QCOMPARE(Argomenti[2].Valore, 0.0);
        c->Aperto = true;
        QTest::mouseClick(C(w, "lbl_reg_nome_3"), Qt::LeftButton);
        QCOMPARE(Argomenti[2].Valore, 103.0);
        QTest::mouseClick(C<QWidget>(w, "pRegistro_5"), Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(Argomenti[2].Valore, 105.0);
        QTest::mouseClick(C(w, "lbl_reg_val_7"), Qt::RightButton);
        Argomenti[2].DaRegistro = false;
        QTest::mouseClick(C(w, "lbl_reg_val_9"), Qt::LeftButton);
        QCOMPARE(Argomenti[2].Valore, 105.0);
        c->Aperto = false;
    }

    // A repaint in the middle of the wait (a live loop reading) must not take
    // the dialog away from its opener; closing it by its title bar ends the wait.
    void doppioClicApreEAttende()
    {
        Registri* w = Finestra(40);
        bool apertoDopoRidisegno = false;
        int indice = -1;
        QTimer::singleShot(50, [&] {
            Input_Box* ib = Finestre::SeCaricata<Input_Box>();
            indice = ib ? ib->IndiceRegistro : -1;
            w->AggiornaRegistri_new(false);
            apertoDopoRidisegno = ib && ib->isVisible();
            if (ib) ib->close();
        });
        QTest::mouseDClick(C(w, "lbl_reg_type_2"), Qt::LeftButton);
        QVERIFY(!DialogoAperto);
        QCOMPARE(indice, 42);
        QVERIFY(apertoDopoRidisegno);
        QVERIFY(!Finestre::Get<Input_Box>()->isVisible());
    }
};

QTEST_MAIN(TestRegistri)
#include "test_registri.moc"
