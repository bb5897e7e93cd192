// The register window and the value dialog on the wire, against the fake
// controller on loopback: the page read, the clearing write and every write
// of the value dialog by type.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "registers/Input_Box.h"
#include "registers/Registri.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

using Test::FakeController;

class TestRegistriFilo : public QObject {
    Q_OBJECT
    FakeController m_fake;
    Test::Copione m_copione;

    void Collega(bool rtu)
    {
        QVERIFY(Test::CollegaAlFake(m_fake, rtu, 5));
        Controllore.Modello = 6;   // 1024 registers
        m_copione = Test::Copione();
        m_copione.Installa();
        ProgettoModificato = false;
    }
    // Runs the value dialog on register n with format `tipo` and value text `testo`.
    void Scrivi(int n, int tipo, const QString& testo)
    {
        Input_Box* ib = Finestre::Get<Input_Box>();
        DialogoAperto = true;
        ib->IndiceRegistro = n;
        ib->Modo = 0;
        ib->Apri();
        ib->Combo1()->setCurrentIndex(ib->Combo1()->findData(tipo));
        ib->Combo1_Click();
        ib->Testo(1)->setText(testo);
        ib->cmd_ok_Click(1);
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        QVERIFY(m_fake.AvviaTcp());
        QVERIFY(m_fake.AvviaRtu(5));
    }
    void cleanup() { Finestre::Get<Registri>()->VScroll1()->setValue(0); }
    void cleanupTestCase() { Disconnetti(); }

    void letturaPagina_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("conta");
        QTest::newRow("tcp first page") << false << 0 << 32;
        QTest::newRow("tcp last page") << false << 997 << 27;
        QTest::newRow("rtu middle") << true << 500 << 32;
    }
    void letturaPagina()
    {
        QFETCH(bool, rtu);
        QFETCH(int, primo);
        QFETCH(int, conta);
        Collega(rtu);
        for (int i = 0; i < 32; ++i) {
            m_fake.Input[size_t(primo + i)] = uint16_t(1000 + i);
            TabRegistri[size_t(primo + i)].Tipo = 0;
            TabRegistri[size_t(primo + i)].Valore = 1000 + i;   // unchanged ...
        }
        TabRegistri[size_t(primo + 3)].Valore = 7;                // ... but this one
        m_fake.Input[size_t(primo + 4)] = 0xFFFF;
        Registri* w = Finestre::Get<Registri>();
        w->Redraw();
        w->VScroll1()->setValue(primo);
        w->AggiornaRegistri_new(true);
        const QByteArray attesa = QByteArray::fromHex("0a04") + char(primo >> 8) + char(primo & 0xFF) + '\0' + char(conta);
        QCOMPARE(m_fake.Richieste, QList<QByteArray>{attesa});
        QCOMPARE(TabRegistri[size_t(primo + 3)].Valore, 1003);
        QVERIFY(TabRegistri[size_t(primo + 3)].Cambiato && !TabRegistri[size_t(primo + 2)].Cambiato);
        QCOMPARE(TabRegistri[size_t(primo + 4)].Valore, 65535);
        QCOMPARE(w->lbl_reg_val(3)->text(), QStringLiteral("1003"));
        QCOMPARE(w->lbl_reg_val(3)->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
        QCOMPARE(w->lbl_reg_val(2)->palette().color(QPalette::WindowText), QColor(0, 0xC0, 0));
        QCOMPARE(w->lbl_reg_val(conta - 1)->text(), QString::number(1000 + conta - 1));
    }

    void letturaFallitaNonCambiaNulla()
    {
        Collega(false);
        TabRegistri[40].Valore = 5;
        m_fake.Input[40] = 9;
        m_fake.Accoda(FakeController::Risposta::Eccezione(2));
        Registri* w = Finestre::Get<Registri>();
        w->VScroll1()->setValue(40);
        w->AggiornaRegistri_new(true);
        QCOMPARE(TabRegistri[40].Valore, 5);
        QCOMPARE(int(ComErr), 1);
    }

    void azzeramento()
    {
        Collega(false);
        for (int i = 34; i < 50; ++i) m_fake.Holding[size_t(i)] = 0x1111;
        m_fake.Holding[50] = 0x2222;
        Finestre::Get<Registri>()->ClearRegistri();
        QCOMPARE(m_fake.Richieste, QList<QByteArray>{QByteArray::fromHex("0a100022001020") + QByteArray(32, '\0')});
        for (int i = 34; i < 50; ++i) QCOMPARE(m_fake.Holding[size_t(i)], uint16_t(0));
        QCOMPARE(m_fake.Holding[50], uint16_t(0x2222));
    }

    // Registers 40 and 41 start at 0x7777 on the controller.
    void scritture_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("richieste");
        QTest::addColumn<int>("h40");
        QTest::addColumn<int>("h41");
        QTest::addColumn<int>("valore40");
        auto r = [](const char* riga, int tipo, const char* testo, const char* richieste, int h40, int h41, int v40) {
            QTest::newRow(riga) << tipo << QString::fromLatin1(testo) << QString::fromLatin1(richieste) << h40 << h41 << v40;
        };
        r("uInt", 0, "65535", "0a060028ffff", 0xFFFF, 0x7777, 65535);
        r("Int negative", 1, "-2", "0a060028fffe", 0xFFFE, 0x7777, -2);
        r("Int half to even", 1, "2.5", "0a0600280002", 2, 0x7777, 2);
        r("Int decimal comma", 1, "3,5", "0a0600280004", 4, 0x7777, 4);
        r("Bin", 9, "257", "0a0600280101", 0x101, 0x7777, 257);
        r("K_Long 16 bits", 6, "300", "0a060028012c", 300, 0x7777, 300);
        r("Hex short right-aligned", 7, "1F", "0a060028001f", 0x1F, 0x7777, 0x1F);
        r("Hex four digits", 7, "beef", "0a060028beef", 0xBEEF, 0x7777, 0xBEEF);
        r("Long low word first", 3, "305419896", "0a0600285678 0a0600291234", 0x5678, 0x1234, 0x5678);
        r("uLong top", 2, "4294967295", "0a060028ffff 0a060029ffff", 0xFFFF, 0xFFFF, -1);
        r("Float 1.5", 4, "1.5", "0a0600280000 0a0600293fc0", 0, 0x3FC0, 0);
        r("K_Flt writes nothing", 5, "12", "", 0x7777, 0x7777, 0);
        r("String (Ram) writes nothing", 13, "12", "", 0x7777, 0x7777, 0);
    }
    void scritture()
    {
        QFETCH(int, tipo);
        QFETCH(QString, testo);
        QFETCH(QString, richieste);
        Collega(false);
        m_fake.Holding[40] = m_fake.Holding[41] = 0x7777;
        TabRegistri[40].Valore = 0;
        TabRegistri[40].Tipo = 0;
        Scrivi(40, tipo, testo);
        QList<QByteArray> attese;
        for (const QString& h : richieste.split(QLatin1Char(' '), Qt::SkipEmptyParts)) attese << QByteArray::fromHex(h.toLatin1());
        QCOMPARE(m_fake.Richieste, attese);
        QTEST(int(m_fake.Holding[40]), "h40");
        QTEST(int(m_fake.Holding[41]), "h41");
        QTEST(TabRegistri[40].Valore, "valore40");
        QCOMPARE(int(TabRegistri[40].Tipo), tipo);
        QVERIFY(!DialogoAperto && ProgettoModificato);
        QVERIFY(m_copione.Messaggi().isEmpty());
    }

    void scritturaAscii()
    {
        Collega(false);
        for (int i = 40; i < 44; ++i) TabRegistri[size_t(i)].Tipo = 0;
        Scrivi(40, 8, QStringLiteral("ABCD"));
        QCOMPARE(m_fake.Richieste, QList<QByteArray>{QByteArray::fromHex("0a100028000306414243440000")});
        QCOMPARE(m_fake.Holding[40], uint16_t(0x4142));
        QCOMPARE(m_fake.Holding[42], uint16_t(0));
        // Stored by the dialog after the write: ASCII, then the string's tail.
        QCOMPARE(QList<int>({TabRegistri[40].Tipo, TabRegistri[41].Tipo, TabRegistri[42].Tipo, TabRegistri[43].Tipo}),
                 (QList<int>{8, 13, 13, 0}));
    }

    void scritturaFallitaChiudeComunque()
    {
        Collega(false);
        TabRegistri[40].Valore = 11;
        m_fake.Accoda(FakeController::Risposta::Eccezione(2));
        Scrivi(40, 0, QStringLiteral("99"));
        QCOMPARE(m_fake.Richieste.size(), 1);
        QCOMPARE(TabRegistri[40].Valore, 11);
        QCOMPARE(int(TabRegistri[40].Tipo), 0);
        QVERIFY(!DialogoAperto && !Finestre::Get<Input_Box>()->isVisible());
    }
};

QTEST_MAIN(TestRegistriFilo)
#include "test_registri_filo.moc"
