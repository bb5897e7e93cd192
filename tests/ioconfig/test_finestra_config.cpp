// The configuration window on the started workbench and the simulated
// device: opening, layout of every model on every tab, lists, language
// switch, the reads over TCP and RTU, their failures, the live loop and the
// input type in configuration memory.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "ioconfig/frm_Config2.h"
#include "ioconfig/ModelliConfig.h"
#include "ioconfig/TipoIngresso.h"
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QElapsedTimer>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

using Test::FakeController;
using R = FakeController::Risposta;

namespace {
frm_Config2* F() { return Finestre::Get<frm_Config2>(); }
QComboBox* Lista(const QString& nome) { return F()->findChild<QComboBox*>(nome); }
bool Visibile(const QString& nome)
{
    QWidget* w = F()->findChild<QWidget*>(nome);
    return w && w->isVisibleTo(F());
}

// The model record whose name is model k's (the opener hands that name in).
int RecordDi(int k)
{
    for (int i = 0; i < NumModelli; ++i)
        if (Modelli[i].Nome == NomiModello[k]) return i;
    return -1;
}

void Scegli(int k, int scheda = 1)
{
    Lista(QStringLiteral("modello"))->setCurrentIndex(k < 0 ? -1 : Lista(QStringLiteral("modello"))->findText(NomiModello[k]));
    F()->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(scheda - 1);
    F()->MostraTab();
}

QByteArray Lettura(int unita, int inizio, int n)
{
    return QByteArray() + char(unita) + char(4) + char(inizio >> 8) + char(inizio) + char(n >> 8) + char(n);
}

QStringList Voci(const QString& nome)
{
    QStringList out;
    QComboBox* c = Lista(nome);
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i) + u' ' + QString::number(c->itemData(i).toInt());
    return out;
}
} // namespace

class TestFinestraConfig : public QObject {
    Q_OBJECT
    FakeController fake;
    Test::Copione copione;

    QStringList Box() const
    {
        QStringList out;
        for (const auto& r : copione.richieste) out << r.titolo + u'|' + r.testo;
        return out;
    }
    void Collega(bool rtu)
    {
        QVERIFY(Test::CollegaAlFake(fake, rtu, 3));
        fake.Regole.clear();
        copione = Test::Copione();
        copione.Installa();
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        QVERIFY(fake.AvviaTcp(QHostAddress(QStringLiteral("127.0.0.7"))));
        QVERIFY(fake.AvviaRtu(3));
        auto& u = fake.Unita(10);
        u.Input[3] = 0x6261;
        u.Input[4] = 0x6463;
        u.Input[8] = 0x0155;   // digital inputs; the watchdog of watchdog-8 models
        u.Input[9] = 0x0900;   // outputs 0 and 3
        u.Input[11] = 0x000F;
        u.Input[14] = 0xFFFF;
        u.Input[24] = 0x0031;
        u.Input[25] = 0x1209;
        fake.Unita(11).Input[3] = 0x5A5A;
        fake.Unita(11).Input[4] = 0x5A5A;
        fake.Unita(NodoPrimoCanale);
        fake.Unita(NodoSecondoCanale);
        Controllore.Nodo = 10;
        Controllore.Modello = uint8_t(std::max(0, RecordDi(6)));
        MenuClick(QStringLiteral("mnu_8555"));
    }

    void apertura()
    {
        QVERIFY(RecordDi(6) >= 0);
        QComboBox* m = Lista(QStringLiteral("modello"));
        QCOMPARE(m->count(), 25);
        QCOMPARE(m->findText(NomiModello[ModelloGateway]), -1);
        QCOMPARE(m->currentText(), NomiModello[6]);
        QCOMPARE(F()->Testo(QStringLiteral("Indirizzo")), QStringLiteral("10"));
        QVERIFY(Visibile(QStringLiteral("frm_RTC")));
        // A second opening brings it forward and keeps the model chosen.
        Scegli(0);
        MenuClick(QStringLiteral("mnu_config2"));
        QCOMPARE(m->currentText(), NomiModello[0]);
        // The branded edition offers model 3 alone.
        Finestre::Scarica<frm_Config2>();
        Marchio700 = true;
        MenuClick(QStringLiteral("mnu_8555"));
        Marchio700 = false;
        QCOMPARE(Voci(QStringLiteral("modello")).size(), 1);
        QCOMPARE(Lista(QStringLiteral("modello"))->itemText(0), NomiModello[3]);
        QCOMPARE(Lista(QStringLiteral("modello"))->currentIndex(), -1);
        Finestre::Scarica<frm_Config2>();
        MenuClick(QStringLiteral("mnu_8555"));
        QCOMPARE(Lista(QStringLiteral("modello"))->currentText(), NomiModello[6]);
    }

    // Which tabs show a section, System to Trip, per model.
    void sezioni_data()
    {
        QTest::addColumn<QList<int>>("modelli");
        QTest::addColumn<QString>("schede");
        QTest::newRow("QVR4555, DL, QVR4005") << QList<int>{0, 2, 8} << "1100000";
        QTest::newRow("QVR4555 with I/O") << QList<int>{1, 3, 4, 20, 21, 23} << "1100110";
        QTest::newRow("QVR4566 family, QVR8566") << QList<int>{5, 6, 7, 9} << "1111110";
        QTest::newRow("analog inputs") << QList<int>{10, 11, 12, 13, 14, 15, 16} << "1110000";
        QTest::newRow("analog outputs") << QList<int>{17, 18, 19} << "1101000";
        QTest::newRow("QVR8693") << QList<int>{22} << "1100100";
        QTest::newRow("QVR0573") << QList<int>{25} << "1100001";
    }
    void sezioni()
    {
        QFETCH(QList<int>, modelli);
        QFETCH(QString, schede);
        const QStringList frame = {"frm_tab_prog", "frm_tab_com", "frm_tab_AI", "frm_tab_ao", "frm_tab_di", "frm_tab_do", "frm_tab_trip"};
        for (int k : modelli)
            for (int t = 1; t <= 7; ++t) {
                Scegli(k, t);
                QCOMPARE(F()->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->currentIndex(), t - 1);
                for (int j = 0; j < 7; ++j) QCOMPARE(Visibile(frame[j]), j == t - 1 && schede[j] == u'1');
            }
    }

    // Per model (-1: none) and tab: "name" shown, "!name" hidden, "~name"
    // disabled, "+name" enabled; the production flag as given.
    void disposizione_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("scheda");
        QTest::addColumn<bool>("produzione");
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("QVR8566 digital in") << 9 << 5 << false << QStringList{"DI_0", "DI_2", "!DI_3", "!DI_15"};
        QTest::newRow("QVR0573 comm") << 25 << 2 << false << QStringList{"frm_tab_com", "!Frm_com_0", "!Frm_com_1"};
        QTest::newRow("QVR8561 comm") << 12 << 2 << false << QStringList{"Frm_com_0", "!Frm_com_1"};
        QTest::newRow("QVR4555 comm") << 0 << 2 << false << QStringList{"Frm_com_0", "Frm_com_1"};
        QTest::newRow("QVR4005 system") << 8 << 1 << false << QStringList{"Frm_Prog", "frm_PupSafe", "frm_Disp", "!frm_RTC"};
        QTest::newRow("QVR8562 analog in")
            << 13 << 3 << true
            << QStringList{"chk_En_7", "pBreak_7", "txt_Input_sync_7", "cmb_InputType_0", "cmd_In_Zero_0", "Label9_2", "cmd_sync",
                           "cmd_invia_7", "frm_In_Cal", "!cmb_InputType_1", "!cmd_In_Zero_1", "!txt_Input_Offset_0", "!Label9_6", "!cmd_invia_6"};
        QTest::newRow("calibration only in production") << 13 << 3 << false << QStringList{"!frm_In_Cal"};
        QTest::newRow("QVR8569 analog in") << 10 << 3 << false << QStringList{"chk_En_3", "!chk_En_4", "!txt_Input_4"};
        QTest::newRow("QVR8564 analog in") << 16 << 3 << true
                                           << QStringList{"txt_Input_Offset_7", "cmb_InputType_7", "cmd_In_Span_7", "cmd_invia_6", "Label9_6", "!chk_En_0", "!Label9_2"};
        QTest::newRow("QVR4566 analog in") << 5 << 3 << false << QStringList{"cmb_InputType_1", "txt_Input_1", "!txt_Input_2", "!Label9_4", "!pBreak_0", "!cmd_sync"};
        QTest::newRow("QVR8577 analog out") << 17 << 4 << false << QStringList{"cmb_Out_1", "+cmb_Out_1", "!cmb_Out_2"};
        QTest::newRow("QVR8579 analog out") << 18 << 4 << false << QStringList{"cmb_Out_3", "txt_Safe_3", "frm_Out_Cal", "!cmb_Out_4", "!cmd_Output_4"};
        QTest::newRow("QVR8573 analog out") << 19 << 4 << false << QStringList{"cmb_Out_7", "~cmb_Out_7"};
        QTest::newRow("QVR8685 digital out") << 20 << 6 << false << QStringList{"chk_OutputBit_3", "Frame2", "!chk_OutputBit_4"};
        QTest::newRow("QVR0573 trip") << 25 << 7 << false << QStringList{"frm_Trip_3", "txt_Trip_HI_3", "cmd_read_7"};
        QTest::newRow("no model, system") << -1 << 1 << false << QStringList{"frm_tab_prog"};
        QTest::newRow("no model, comm") << -1 << 2 << false << QStringList{"Frm_com_0", "!Frm_com_1"};
        QTest::newRow("no model, analog in") << -1 << 3 << false << QStringList{"!frm_tab_AI"};
    }
    void disposizione()
    {
        QFETCH(int, k);
        QFETCH(int, scheda);
        QFETCH(bool, produzione);
        QFETCH(QStringList, attesi);
        ModoProduzione = produzione;
        Scegli(k, scheda);
        ModoProduzione = false;
        for (const QString& a : attesi) {
            const QString n = a.mid(a[0].isLetter() ? 0 : 1);
            const bool ok = a[0] == u'!' ? !Visibile(n) : a[0] == u'~' ? !F()->findChild<QWidget*>(n)->isEnabled()
                          : a[0] == u'+' ? F()->findChild<QWidget*>(n)->isEnabled() : Visibile(n);
            QVERIFY2(ok, qPrintable(a));
        }
    }

    void liste()
    {
        Scegli(16, 3);
        const QStringList n = {"Res.L 1", "Res.H 2", "Pt100 5", "Ni100 6", "Pt1K 7", "Ni1K 8", "NTC 1K 10", "NTC 3988 13", "NTC 10K 14", "--- 0"};
        for (int ch = 0; ch < 8; ++ch) QCOMPARE(Voci(QStringLiteral("cmb_InputType_%1").arg(ch)), n);
        QCOMPARE(Lista(QStringLiteral("cmb_InputType_0"))->currentIndex(), -1);
        Scegli(5, 3);
        QCOMPARE(Voci(QStringLiteral("cmb_InputType_1")), (QStringList{"--- 0", "--- 0", "10 V 2", "20 mA 3"}));
        QCOMPARE(Voci(QStringLiteral("cmb_InputType_0")).size(), 19);
        QCOMPARE(Voci(QStringLiteral("cmb_par_0")), (QStringList{"None 0", "Even 32", "Odd 64"}));
        QCOMPARE(Voci(QStringLiteral("cmb_stop_1")), (QStringList{"1 0", "2 8"}));
        QCOMPARE(Voci(QStringLiteral("cmb_baud_1")).last(), QStringLiteral("115200 7"));
        QCOMPARE(Lista(QStringLiteral("cmb_baud_1"))->currentIndex(), -1);
        QCOMPARE(Lista(QStringLiteral("txt_anno_0"))->count(), 100);
        QCOMPARE(Lista(QStringLiteral("txt_anno_0"))->currentText(), QStringLiteral("2000"));
        // A read's type selection goes with a new layout of the tab.
        F()->SelezionaDato(QStringLiteral("cmb_InputType_0"), 3);
        QCOMPARE(Lista(QStringLiteral("cmb_InputType_0"))->currentIndex(), 3);
        Scegli(5, 3);
        QCOMPARE(Lista(QStringLiteral("cmb_InputType_0"))->currentIndex(), -1);
        // Last equal entry wins; no match leaves the selection.
        F()->SelezionaDato(QStringLiteral("cmb_InputType_1"), 0);
        QCOMPARE(Lista(QStringLiteral("cmb_InputType_1"))->currentIndex(), 1);
        F()->SelezionaDato(QStringLiteral("cmb_InputType_1"), 99);
        QCOMPARE(Lista(QStringLiteral("cmb_InputType_1"))->currentIndex(), 1);
    }

    void calendario()
    {
        Scegli(6, 1);
        F()->cmd_calendar_Click();
        QVERIFY(Visibile(QStringLiteral("MonthView1")));
        F()->MonthView1_DateClick(QDate(2031, 12, 30));
        QCOMPARE(Lista(QStringLiteral("txt_giorno_0"))->currentText(), QStringLiteral("30"));
        QCOMPARE(Lista(QStringLiteral("txt_mese_0"))->currentIndex(), 11);
        QCOMPARE(Lista(QStringLiteral("txt_anno_0"))->currentText(), QStringLiteral("2031"));
        QVERIFY(!Visibile(QStringLiteral("MonthView1")));
        F()->MonthView1_DateClick(QDate(1999, 1, 2));
        QCOMPARE(Lista(QStringLiteral("txt_anno_0"))->currentText(), QStringLiteral("2031"));
    }

    void lingua()
    {
        Lista(QStringLiteral("cmb_par_0"))->setCurrentIndex(2);
        CambiaLingua(0);
        QCOMPARE(F()->windowTitle(), QStringLiteral("Configura Dispositivi"));
        QCOMPARE(F()->findChild<QLabel*>(QStringLiteral("Label1_1"))->text(), QStringLiteral("Modello"));
        QCOMPARE(F()->findChild<QGroupBox*>(QStringLiteral("Frm_com_0"))->title(), QStringLiteral("Port 0 (RS485 Slave)"));
        QCOMPARE(Lista(QStringLiteral("txt_mese_0"))->itemText(0), NomiMese[1]);
        QCOMPARE(Lista(QStringLiteral("cmb_par_0"))->currentIndex(), -1);
        CambiaLingua(1);
        QCOMPARE(F()->windowTitle(), QStringLiteral("Configure Devices"));
        QCOMPARE(F()->findChild<QGroupBox*>(QStringLiteral("Frm_com_1"))->title(), QStringLiteral("Port 1 (RS485 Master)"));
        QCOMPARE(F()->findChild<QLabel*>(QStringLiteral("Label11_0"))->text(), QStringLiteral("Delay (ms)"));
        QCOMPARE(Lista(QStringLiteral("txt_mese_0"))->itemText(0), NomiMese[1]);
    }

    // One row per model group, TCP and RTU in turn: what goes out, in order
    // (start and count of each function-4 read), for every model of the group.
    void lettura_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<QList<int>>("modelli");
        QTest::addColumn<QList<int>>("richieste");
        QTest::newRow("tcp QVR4555") << false << QList<int>{0} << QList<int>{0, 13, 18, 2, 9, 3};
        QTest::newRow("rtu QVR4005, QVR4555-DL") << true << QList<int>{8, 2} << QList<int>{0, 13, 18, 2, 22, 4, 9, 3};
        QTest::newRow("tcp QVR4555-IO") << false << QList<int>{1} << QList<int>{0, 13, 18, 2, 9, 3, 8, 2};
        QTest::newRow("rtu DL-IO, USB") << true << QList<int>{3, 4} << QList<int>{0, 13, 18, 2, 22, 4, 9, 3, 8, 2};
        QTest::newRow("tcp QVR4566") << false << QList<int>{5} << QList<int>{0, 13, 18, 2, 9, 3, 8, 2, 26, 9};
        QTest::newRow("rtu QVR4566-DL, -USB") << true << QList<int>{6, 7} << QList<int>{0, 13, 18, 2, 22, 4, 9, 3, 8, 2, 26, 9};
        QTest::newRow("tcp QVR8566") << false << QList<int>{9} << QList<int>{0, 13, 18, 2, 9, 3, 8, 2, 1216, 1, 26, 9};
        QTest::newRow("rtu channel-enable") << true << QList<int>{10, 11, 12, 13, 14} << QList<int>{0, 13, 9, 3, 9, 4, 14, 16};
        QTest::newRow("tcp type per channel") << false << QList<int>{15, 16} << QList<int>{0, 13, 9, 3, 9, 4, 14, 24};
        QTest::newRow("rtu analog outputs") << true << QList<int>{17, 18, 19} << QList<int>{0, 13, 9, 3, 13, 1, 14, 16};
        QTest::newRow("tcp QVR8685") << false << QList<int>{20} << QList<int>{0, 13, 9, 3, 8, 2};
        QTest::newRow("rtu digital not read, QVR0573") << true << QList<int>{21, 22, 23, 25} << QList<int>{0, 13, 9, 3};
        QTest::newRow("tcp no model") << false << QList<int>{-1} << QList<int>{0, 13, 9, 3};
    }
    void lettura()
    {
        QFETCH(bool, rtu);
        QFETCH(QList<int>, modelli);
        QFETCH(QList<int>, richieste);
        Collega(rtu);
        QList<QByteArray> attese;
        for (int i = 0; i + 1 < richieste.size(); i += 2) attese << Lettura(10, richieste[i], richieste[i + 1]);
        for (int k : modelli) {
            fake.Richieste.clear();
            Scegli(k, 1);
            F()->ImpostaTesto(QStringLiteral("txt_nome"), QString());
            F()->cmd_read_Click(0);
            QCOMPARE(fake.Richieste, attese);
            QCOMPARE(F()->Testo(QStringLiteral("txt_nome")), QStringLiteral("abcd"));
            QVERIFY(F()->AbilitaInvio());
        }
        QCOMPARE(Box(), QStringList());
    }

    // The values of a read reach the controls, and check boxes react to them.
    void letturaNeiControlli()
    {
        Collega(false);
        Scegli(11, 3);
        F()->cmd_read_Click(0);
        QCOMPARE(F()->findChild<QCheckBox*>(QStringLiteral("chk_En_3"))->isChecked(), true);
        QCOMPARE(F()->findChild<QWidget*>(QStringLiteral("txt_Input_4"))->isEnabled(), false);
        QCOMPARE(F()->Testo(QStringLiteral("txt_Input_0")), QStringLiteral("-1"));
        QCOMPARE(F()->Testo(QStringLiteral("txt_wdt_0")), QStringLiteral("85"));
        Scegli(9, 6);
        F()->cmd_read_Click(0);
        for (int i : {0, 3}) QCOMPARE(F()->findChild<QWidget*>(QStringLiteral("chk_OutputBit_%1").arg(i))->property("colore").toUInt(), 255u);
        QCOMPARE(F()->findChild<QWidget*>(QStringLiteral("chk_OutputBit_1"))->property("colore").toUInt(), 0xFFFFFFu);
        QCOMPARE(F()->findChild<QWidget*>(QStringLiteral("Led_8"))->property("colore").toUInt(), 255u);
        // Another unit on the same endpoint answers from its own image.
        F()->ImpostaTesto(QStringLiteral("Indirizzo"), QStringLiteral("11"));
        F()->cmd_read_Click(0);
        QCOMPARE(F()->Testo(QStringLiteral("txt_nome")), QStringLiteral("ZZZZ"));
        F()->ImpostaTesto(QStringLiteral("Indirizzo"), QStringLiteral("10"));
    }

    // A fault at the first, a middle or the last step of QVR4555-USB's five.
    void guasto_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<int>("passo");
        QTest::addColumn<R>("guasto");
        QTest::addColumn<QString>("testo");
        QTest::newRow("tcp first, silence") << false << 1 << R::Nessuna() << "";
        QTest::newRow("rtu first, wrong unit") << true << 1 << R::UnitaErrata() << "";
        QTest::newRow("tcp middle, exception") << false << 3 << R::Eccezione(2) << "";
        QTest::newRow("rtu middle, short reply") << true << 3 << R::Corta() << "Reply too short";
        QTest::newRow("tcp middle, short reply") << false << 3 << R::Corta() << "Reply too short";
        QTest::newRow("tcp last, wrong function") << false << 5 << R::FunzioneErrata() << "";
        QTest::newRow("rtu last, garbage") << true << 5 << R::Grezza(QByteArray("\x0A\x04\x02", 3)) << "";
        QTest::newRow("tcp clock not BCD") << false << 3 << R::Pdu(QByteArray::fromHex("0A04080000000000AA0000")) << "Clock byte not BCD";
    }
    void guasto()
    {
        QFETCH(bool, rtu);
        QFETCH(int, passo);
        QFETCH(R, guasto);
        QFETCH(QString, testo);
        Collega(rtu);
        Scegli(4, 1);
        F()->ImpostaTesto(QStringLiteral("txt_nome"), QStringLiteral("old"));
        for (int i = 1; i < passo; ++i) fake.Accoda(R::Predefinita());
        fake.Accoda(guasto);
        F()->cmd_read_Click(0);
        QCOMPARE(fake.Richieste.size(), passo);
        // The link may show its own box first; the read shows one.
        QCOMPARE(Box().filter(QStringLiteral("MOD-RTU|")).size(), 1);
        QCOMPARE(copione.richieste.last().titolo, QStringLiteral("MOD-RTU"));
        QCOMPARE(copione.richieste.last().testo, testo);
        QCOMPARE(F()->Testo(QStringLiteral("txt_nome")), passo > 1 ? QStringLiteral("abcd") : QStringLiteral("old"));
        QVERIFY(F()->AbilitaInvio());
        QCOMPARE(ComErr, int16_t(1));
        QVERIFY(F()->findChild<QWidget*>(QStringLiteral("cmd_read_0"))->isEnabled());
    }

    void indirizzoErrato_data()
    {
        QTest::addColumn<QString>("indirizzo");
        QTest::addColumn<int>("index");
        for (const char* a : {"abc", "256", "-1"})
            for (int i : {0, 7}) QTest::newRow(qPrintable(QStringLiteral("%1 index %2").arg(a).arg(i))) << QString::fromLatin1(a) << i;
    }
    void indirizzoErrato()
    {
        QFETCH(QString, indirizzo);
        QFETCH(int, index);
        Collega(false);
        F()->ImpostaTesto(QStringLiteral("Indirizzo"), indirizzo);
        F()->cmd_read_Click(index);
        F()->ImpostaTesto(QStringLiteral("Indirizzo"), QStringLiteral("10"));
        QCOMPARE(fake.Richieste.size(), 0);
        QCOMPARE(Box(), QStringList{QStringLiteral("MOD-RTU|Address not valid")});
    }

    void soglie()
    {
        Collega(false);
        for (int i = 0; i < 8; ++i) fake.Unita(10).Input[1222 + i] = uint16_t(i == 1 ? 65535 : 100 + i);
        Scegli(25, 7);
        F()->cmd_read_Click(7);
        QCOMPARE(fake.Richieste.size(), 8);
        QCOMPARE(fake.Richieste[1], Lettura(10, 1223, 1));
        QCOMPARE(F()->Testo(QStringLiteral("txt_Trip_LO_0")), QStringLiteral("100"));
        QCOMPARE(F()->Testo(QStringLiteral("txt_Trip_HI_0")), QStringLiteral("65535"));
        QCOMPARE(F()->Testo(QStringLiteral("txt_Trip_HI_3")), QStringLiteral("107"));
        // Absent device: eight failed reads, each showing 0, and no box of the read.
        F()->ImpostaTesto(QStringLiteral("Indirizzo"), QStringLiteral("12"));
        F()->cmd_read_Click(7);
        F()->ImpostaTesto(QStringLiteral("Indirizzo"), QStringLiteral("10"));
        QCOMPARE(fake.Richieste.size(), 16);
        for (int i = 0; i < 4; ++i) QCOMPARE(F()->Testo(QStringLiteral("txt_Trip_LO_%1").arg(i)), QStringLiteral("0"));
        QVERIFY(!Box().join(u',').contains(QStringLiteral("MOD-RTU")));
    }

    void cicloFermato()
    {
        Collega(false);
        Scegli(20, 1);   // three requests a pass
        int n = 0;
        fake.Regole << [&n](FakeController& f, const QByteArray&) {
            f.Unita(10).Input[3] = uint16_t(0x3030 + ++n);
            // Start again while running does nothing; Stop mid-pass lets the pass end.
            if (n == 2) F()->cmd_start_Click();
            if (n == 5) F()->cmd_stop_Click();
        };
        F()->cmd_start_Click();
        QCOMPARE(fake.Richieste.size(), 6);
        QCOMPARE(Box(), QStringList());
        QCOMPARE(F()->Testo(QStringLiteral("txt_nome")), QStringLiteral("40cd"));   // the counter of pass 2's first request
        QVERIFY(F()->findChild<QWidget*>(QStringLiteral("cmd_read_0"))->isEnabled());
    }

    void cicloInterrotto()
    {
        Collega(true);
        Scegli(20, 1);
        int n = 0;
        fake.Regole << [&n](FakeController& f, const QByteArray&) {
            if (++n == 8) f.Accoda(R::Nessuna());
        };
        F()->cmd_start_Click();
        QCOMPARE(fake.Richieste.size(), 8);
        QCOMPARE(Box().filter(QStringLiteral("MOD-RTU")).size(), 1);
        QCOMPARE(ComErr, int16_t(1));
        QVERIFY(F()->findChild<QWidget*>(QStringLiteral("cmd_read_0"))->isEnabled());
    }

    // The live loop over one second: at most five passes (three requests
    // each on this model), still reading, the window's events handled between.
    void cicloCadenzato()
    {
        Collega(false);
        Scegli(20, 1);
        QElapsedTimer orologio, battito;
        QList<qint64> istanti;
        fake.Regole << [&](FakeController&, const QByteArray&) { istanti << orologio.elapsed(); };
        qint64 piuLungo = 0;
        QTimer ticchettio;
        ticchettio.setInterval(10);
        connect(&ticchettio, &QTimer::timeout, this, [&] { piuLungo = std::max(piuLungo, battito.restart()); });
        QTimer::singleShot(1100, F(), [] { F()->cmd_stop_Click(); });
        orologio.start();
        battito.start();
        ticchettio.start();
        F()->cmd_start_Click();
        ticchettio.stop();
        const auto inUnSecondo = std::count_if(istanti.begin(), istanti.end(), [](qint64 t) { return t < 1000; });
        QVERIFY2(inUnSecondo <= 15 && inUnSecondo >= 9, qPrintable(QString::number(inUnSecondo)));
        QVERIFY2(piuLungo <= 100, qPrintable(QString::number(piuLungo)));
        QCOMPARE(Box(), QStringList());
    }

    // Closing the window while the live loop runs in its click handler stops
    // the loop after the pass under way, and the window closes once the
    // handler has returned.
    void chiusuraNelCiclo()
    {
        Collega(false);
        Scegli(20, 1);
        int n = 0;
        QPointer<frm_Config2> finestra = F();
        fake.Regole << [&n, finestra](FakeController&, const QByteArray&) {
            if (++n == 2) Finestre::Chiudi(finestra);
            QVERIFY(finestra);
        };
        finestra->findChild<QAbstractButton*>(QStringLiteral("cmd_start"))->click();
        QVERIFY(n >= 2 && n <= 3);   // the pass under way ends, no other starts
        QTRY_VERIFY(!finestra);
        QVERIFY(!Finestre::SeCaricata<frm_Config2>());
        MenuClick(QStringLiteral("mnu_8555"));
        QVERIFY(Finestre::SeCaricata<frm_Config2>());
    }

    void tipoInMemoria()
    {
        Collega(false);
        Scegli(9, 3);
        auto& m247 = fake.Unita(NodoPrimoCanale).Memoria;
        auto& m246 = fake.Unita(NodoSecondoCanale).Memoria;
        // Nothing chosen: nothing sent.
        F()->ScriviTipoIngresso(NodoPrimoCanale, 0);
        QCOMPARE(fake.Richieste.size(), 0);
        F()->SelezionaDato(QStringLiteral("cmb_InputType_0"), 17);
        F()->ScriviTipoIngresso(NodoPrimoCanale, 0);
        for (int i = 0; i < 8; ++i) QCOMPARE(int(m247.value(35 + i)), i == 1 ? 24 : 25);
        QCOMPARE(int(m247.value(12)), 17);
        F()->SelezionaDato(QStringLiteral("cmb_InputType_1"), 8);
        F()->ScriviTipoIngresso(NodoSecondoCanale, 1);
        QCOMPARE(int(m246.value(36)), 24);
        QCOMPARE(int(m246.value(12)), 8);
        QVERIFY(!m246.contains(1));   // offsets are never written
        // Read: the last active slot wins; its offset is signed.
        for (int i = 0; i < 8; ++i) m247[35 + i] = (i == 2 || i == 4) ? 24 : 25;
        m247[13] = 13;
        m247[15] = 14;
        m247[2] = 0x0A;
        m247[4] = 0xF6;
        F()->LeggiTipoIngresso(NodoPrimoCanale, 0);
        QCOMPARE(Lista(QStringLiteral("cmb_InputType_0"))->currentData().toInt(), 14);
        QCOMPARE(F()->Testo(QStringLiteral("txt_Input_Offset_0")), QStringLiteral("-10"));
        // All inactive: nothing changes.
        for (int i = 0; i < 8; ++i) m247[35 + i] = 25;
        F()->ImpostaTesto(QStringLiteral("txt_Input_Offset_0"), QStringLiteral("x"));
        F()->LeggiTipoIngresso(NodoPrimoCanale, 0);
        QCOMPARE(F()->Testo(QStringLiteral("txt_Input_Offset_0")), QStringLiteral("x"));
        QCOMPARE(Lista(QStringLiteral("cmb_InputType_0"))->currentData().toInt(), 14);
    }

    // A link set for the memory-typed device reads the QVR8566 types from
    // configuration memory behind the access code.
    void tipiDaMemoria()
    {
        Collega(true);
        Scegli(9, 3);
        const QString prima = Modelli[Controllore.Modello].Codice;
        Modelli[Controllore.Modello].Codice = CodiceTipiInMemoria;
        auto& m246 = fake.Unita(NodoSecondoCanale).Memoria;
        for (int i = 0; i < 8; ++i) m246[35 + i] = i == 1 ? 24 : 25;
        m246[12] = 3;
        F()->cmd_read_Click(0);
        Modelli[Controllore.Modello].Codice = prima;
        QCOMPARE(Box(), QStringList());
        const QList<QByteArray>& q = fake.Richieste;
        QCOMPARE(q.size(), 4 + 1 + 1 + 3 + 1 + 1);   // 247 has no active slot
        QCOMPARE(q[4], QByteArray::fromHex("0a060011e8ce"));
        QCOMPARE(q[5], QByteArray::fromHex("f7140200002308"));
        QCOMPARE(q[6], QByteArray::fromHex("f6140200002308"));
        QCOMPARE(q[9], QByteArray::fromHex("0a0600110000"));
        QCOMPARE(q[10], Lettura(10, 26, 9));
        QCOMPARE(Lista(QStringLiteral("cmb_InputType_1"))->currentData().toInt(), 3);
    }
};

QTEST_MAIN(TestFinestraConfig)
#include "test_finestra_config.moc"
