// The register window: what each row shows, the page read and clear
// requests, and the hand-over of a register by click and double-click.
#include "blockeditor/Argomenti.h"
#include "blockeditor/comandi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "registers/Input_Box.h"
#include "registers/Registri.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "shell/model/Globali.h"
#include "shell/model/Modelli.h"
#include "support/Ambiente.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

namespace {
void Svuota()
{
    for (auto& r : TabRegistri) {
        r.Tipo = 0;
        r.Valore = 0;
        r.Cambiato = false;
        r.Categoria = 0;
    }
}
} // namespace

class TestRegistri : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        Controllore.Modello = 6;   // 1024 registers, user area from 34
        QCOMPARE(Modelli[6].NumRegistri, int16_t(1024));
        QCOMPARE(Modelli[6].PrimoRegistroUtente, int16_t(34));
        Controllore.Nodo = 10;
    }
    void init() { Svuota(); }

    void didascalie()
    {
        Registri* w = Finestre::Get<Registri>();
        Input_Box* ib = Finestre::Get<Input_Box>();
        CambiaLingua(1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Registers Table"));
        QStringList titoli;
        for (int k = 0; k < 4; ++k) titoli << w->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(k))->text();
        QCOMPARE(titoli, (QStringList{"Register", "Name", "Value", "Type"}));
        QCOMPARE(ib->windowTitle(), QStringLiteral("Set Register"));
        QCOMPARE(ib->Label1(0)->text() + ib->Label1(1)->text() + ib->Label1(3)->text(), QStringLiteral("NameValueType"));
        QCOMPARE(ib->Combo1()->count(), 11);
        QCOMPARE(ib->Combo1()->itemText(10), QStringLiteral("String (Ram)"));
        QCOMPARE(ib->Combo1()->itemData(10).toInt(), 13);
        QCOMPARE(ib->Combo1()->itemText(9), QStringLiteral("Bin"));
    }

    void testoValore_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("basso");
        QTest::addColumn<int>("alto");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("uInt negative") << 960 << 0 << -1 << 0 << "65535";
        QTest::newRow("uInt") << 960 << 0 << 1234 << 0 << "1234";
        QTest::newRow("Int 65535") << 960 << 1 << 65535 << 0 << "-1";
        QTest::newRow("Int -5") << 960 << 1 << -5 << 0 << "-5";
        QTest::newRow("Hex") << 960 << 7 << 0x1F << 0 << "001F";
        QTest::newRow("Hex negative") << 960 << 7 << -2 << 0 << "FFFE";
        QTest::newRow("ASCII") << 960 << 8 << 0x4142 << 0 << "AB";
        QTest::newRow("String (Ram)") << 960 << 13 << 0x4344 << 0 << "CD";
        QTest::newRow("ASCII closing zero") << 960 << 8 << 0x4100 << 0 << "A";
        QTest::newRow("Bin") << 960 << 9 << 0x8001 << 0 << "10000000 00000001";
        QTest::newRow("Long -1") << 960 << 3 << 0xFFFF << 0xFFFF << "-1";
        QTest::newRow("Long words") << 960 << 3 << 0x5678 << 0x1234 << "305419896";
        QTest::newRow("uLong unsigned") << 960 << 2 << 0xFFFF << 0xFFFF << "4294967295";
        QTest::newRow("uLong signed words") << 960 << 2 << -1 << -32768 << "2147549183";
        QTest::newRow("K_Long pair") << 960 << 6 << 1 << 1 << "65537";
        QTest::newRow("Float 1.5") << 960 << 4 << 0 << 0x3FC0 << "1.50000";
        QTest::newRow("Float -2.25") << 960 << 4 << 0 << 0xC010 << "-2.25000";
        QTest::newRow("Float NaN") << 960 << 4 << 0xFFFF << 0xFFFF << "---";
        QTest::newRow("Float infinite") << 960 << 4 << 0 << 0x7F80 << "---";
        QTest::newRow("Long on the last register") << 2048 << 3 << 5 << 0 << "---";
        QTest::newRow("Float on the last register") << 2048 << 4 << 5 << 0 << "---";
        QTest::newRow("K_Flt plain word") << 960 << 5 << 7 << 0 << "7";
    }
    void testoValore()
    {
        QFETCH(int, n);
        QFETCH(int, tipo);
        QFETCH(int, basso);
        QFETCH(int, alto);
        QFETCH(QString, atteso);
        TabRegistri[size_t(n)].Tipo = uint8_t(tipo);
        TabRegistri[size_t(n)].Valore = basso;
        if (n < 2048) TabRegistri[size_t(n + 1)].Valore = alto;
        QCOMPARE(DescriviRegistro(n).valore, atteso);
    }

    void secondaMetaDiUnaCoppia_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("secondo");
        QTest::newRow("Long then Hex") << 3 << 7;
        QTest::newRow("Long then Long") << 3 << 3;
        QTest::newRow("Float then uInt") << 4 << 0;
        QTest::newRow("K_Long then Int") << 6 << 1;
        QTest::newRow("uLong then ASCII") << 2 << 8;
    }
    void secondaMetaDiUnaCoppia()
    {
        QFETCH(int, primo);
        QFETCH(int, secondo);
        TabRegistri[960].Tipo = uint8_t(primo);
        TabRegistri[961].Tipo = uint8_t(secondo);
        TabRegistri[961].Valore = 0x4142;
        const VistaRegistro v = DescriviRegistro(961);
        QCOMPARE(v.valore, QStringLiteral("---"));
        QCOMPARE(v.tipo, QString());
        QVERIFY(DescriviRegistro(960).valore != QLatin1String("---"));
    }

    void colori_data()
    {
        QTest::addColumn<int>("categoria");
        QTest::addColumn<bool>("colorato");
        QTest::addColumn<QColor>("testo");
        QTest::newRow("user") << 0 << true << QColor(0, 0, 0);
        QTest::newRow("system 1") << 1 << true << QColor(255, 0, 0);
        QTest::newRow("system 2") << 2 << true << QColor(255, 0, 0);
        QTest::newRow("long area") << 3 << true << QColor(0, 0, 255);
        QTest::newRow("other keeps") << 4 << false << QColor();
    }
    void colori()
    {
        QFETCH(int, categoria);
        QFETCH(bool, colorato);
        QFETCH(QColor, testo);
        TabRegistri[40].Categoria = uint8_t(categoria);
        VistaRegistro v = DescriviRegistro(40);
        QCOMPARE(v.coloreTestoValido, colorato);
        if (colorato) QCOMPARE(v.coloreTesto, testo);
        QCOMPARE(v.coloreValore, QColor(0, 0xC0, 0));
        TabRegistri[40].Cambiato = true;
        QCOMPARE(DescriviRegistro(40).coloreValore, QColor(0xC0, 0, 0));
    }

    void finestraUltimaPagina()
    {
        Registri* w = Finestre::Get<Registri>();
        w->Redraw();
        QCOMPARE(w->VScroll1()->maximum(), 1024 - 27);
        TabRegistri[1023].Indirizzo = QStringLiteral("%R1023");
        TabRegistri[1023].Tipo = 1;
        TabRegistri[1023].Valore = 65535;
        TabRegistri[1023].Cambiato = true;
        w->VScroll1()->setValue(w->VScroll1()->maximum());
        QCOMPARE(w->findChild<QLabel*>("lbl_reg_ind_26")->text(), QStringLiteral("%R1023"));
        QCOMPARE(w->lbl_reg_val(26)->text(), QStringLiteral("-1"));
        QCOMPARE(w->lbl_reg_val(26)->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
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
        Registri* w = Finestre::Get<Registri>();
        Finestre::Mostra(w);
        w->VScroll1()->setValue(0);
        QVERIFY(w->height() >= Twips(420 + 27 * 255));
        TabRegistri[0].Tipo = 9;
        TabRegistri[0].Valore = 0xFFFF;
        TabRegistri[1].Tipo = 13;
        w->VScroll1_Change();
        auto entra = [](const QLabel* l) { return l->fontMetrics().horizontalAdvance(l->text()) <= l->width(); };
        QVERIFY(entra(w->lbl_reg_val(0)));
        QVERIFY(entra(w->findChild<QLabel*>("lbl_reg_type_1")));
        for (int k = 0; k < 4; ++k) QVERIFY(entra(w->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(k))));
        CambiaLingua(1);
    }

    void righeOltreLaTabellaNascoste()
    {
        Modelli[6].NumRegistri = 2049;
        Registri* w = Finestre::Get<Registri>();
        w->Redraw();
        w->VScroll1()->setValue(w->VScroll1()->maximum());   // 2022: rows 27.. would pass 2048
        QVERIFY(!w->findChild<QWidget*>("pRegistro_26")->isHidden());
        QVERIFY(w->findChild<QWidget*>("pRegistro_27")->isHidden());
        QVERIFY(w->findChild<QWidget*>("pRegistro_100")->isHidden());
        Modelli[6].NumRegistri = 1024;
        w->Redraw();
        w->VScroll1()->setValue(0);
    }

    // A click hands the register to the block editor's current row, only
    // while the editor is open and the row takes a register.
    void clicConsegnaIlRegistro()
    {
        Registri* w = Finestre::Get<Registri>();
        Finestre::Mostra(w);
        w->VScroll1()->setValue(100);
        comandi* c = Finestre::Get<comandi>();
        c->ArgCorrente = 2;
        Argomenti[2].DaRegistro = true;
        Argomenti[2].Valore = 0;
        c->Aperto = false;
        QTest::mouseClick(w->findChild<QLabel*>("lbl_reg_nome_3"), Qt::LeftButton);
        QCOMPARE(Argomenti[2].Valore, 0.0);
        c->Aperto = true;
        QTest::mouseClick(w->findChild<QLabel*>("lbl_reg_nome_3"), Qt::LeftButton);
        QCOMPARE(Argomenti[2].Valore, 103.0);
        QTest::mouseClick(w->findChild<QWidget*>("pRegistro_5"), Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(Argomenti[2].Valore, 105.0);
        QTest::mouseClick(w->findChild<QLabel*>("lbl_reg_val_7"), Qt::RightButton);
        QCOMPARE(Argomenti[2].Valore, 105.0);
        Argomenti[2].DaRegistro = false;
        QTest::mouseClick(w->findChild<QLabel*>("lbl_reg_val_9"), Qt::LeftButton);
        QCOMPARE(Argomenti[2].Valore, 105.0);
        c->Aperto = false;
        w->VScroll1()->setValue(0);
    }

    // A repaint in the middle of the wait (a live loop reading) must not take
    // the dialog away from its opener; closing it by its title bar ends the wait.
    void doppioClicApreEAttende()
    {
        Registri* w = Finestre::Get<Registri>();
        Finestre::Mostra(w);
        w->VScroll1()->setValue(40);
        TabRegistri[42].Valore = 321;
        bool apertoDopoRidisegno = false;
        int indice = -1;
        QTimer::singleShot(50, [&] {
            Input_Box* ib = Finestre::SeCaricata<Input_Box>();
            indice = ib ? ib->IndiceRegistro : -1;
            w->AggiornaRegistri_new(false);
            apertoDopoRidisegno = ib && ib->isVisible();
            if (ib) ib->close();
        });
        QTest::mouseDClick(w->findChild<QLabel*>("lbl_reg_type_2"), Qt::LeftButton);
        QVERIFY(!DialogoAperto);
        QCOMPARE(indice, 42);
        QVERIFY(apertoDopoRidisegno);
        QVERIFY(!Finestre::Get<Input_Box>()->isVisible());
        w->VScroll1()->setValue(0);
    }
};

QTEST_MAIN(TestRegistri)
#include "test_registri.moc"
