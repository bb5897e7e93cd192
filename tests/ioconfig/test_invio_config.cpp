// The configuration window's writes on the started workbench and the
// simulated device, over TCP and RTU: what each button and check box puts on
// the wire for each model group, with its pauses; refusals; stop on failure;
// the clock from the PC and from a loopback time server.
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "ioconfig/frm_Config2.h"
#include "ioconfig/LetturaConfig.h"
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTabBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using Test::FakeController;
using R = FakeController::Risposta;

namespace {
frm_Config2* F() { return Finestre::Get<frm_Config2>(); }

// Laid out on the Analog In tab, which fills the input-type lists.
void Scegli(int k)
{
    auto* m = F()->findChild<QComboBox*>(QStringLiteral("modello"));
    m->setCurrentIndex(m->findText(NomiModello[k]));
    F()->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(2);
    F()->MostraTab();
}

// "name value": "=n" item data, "@n" position, "c<n>" colour, "1"/"0" a check
// box; a name alone clicks it; "name_*" stands for elements 0..7.
void Imposta(const QString& voce)
{
    const QString nome = voce.section(u' ', 0, 0), v = voce.section(u' ', 1);
    if (nome.endsWith(QLatin1String("_*"))) {
        for (int i = 0; i < 8; ++i) Imposta(nome.chopped(1) + QString::number(i) + u' ' + v);
    } else if (!voce.contains(u' ')) {
        F()->findChild<QAbstractButton*>(nome)->click();
    } else if (v.startsWith(u'=')) {
        F()->SelezionaDato(nome, v.mid(1).toInt());
    } else if (v.startsWith(u'@')) {
        F()->Posizione(nome, v.mid(1).toInt());
    } else if (nome.startsWith(QLatin1String("Led"))) {
        F()->Colore(nome, v.mid(1).toUInt());
    } else if (nome.startsWith(QLatin1String("chk_")) || nome.startsWith(QLatin1String("opt_"))) {
        F()->Spunta(nome, v == u'1');
    } else {
        F()->ImpostaTesto(nome, v);
    }
}

// "name text", "name.en 0|1", "name.c <colour>".
QString Stato(const QString& nome)
{
    if (nome.endsWith(QLatin1String(".en"))) return F()->findChild<QWidget*>(nome.chopped(3))->isEnabled() ? QStringLiteral("1") : QStringLiteral("0");
    if (nome.endsWith(QLatin1String(".c"))) return QString::number(F()->ColoreDi(nome.chopped(2)));
    return F()->Testo(nome);
}

QList<QByteArray> Hex(const QStringList& h)
{
    QList<QByteArray> out;
    for (const QString& s : h) out << QByteArray::fromHex(s.toLatin1());
    return out;
}
} // namespace

class TestInvioConfig : public QObject {
    Q_OBJECT
    FakeController fake;
    Test::Copione copione;
    QElapsedTimer orologio;
    QList<qint64> arrivi;

    void Collega(bool rtu)
    {
        QVERIFY(Test::CollegaAlFake(fake, rtu, 4));
        copione = Test::Copione();
        copione.Installa();
    }
    // Runs the steps on model k, the last with a clean record and the
    // device's script.
    void Esegui(bool rtu, int k, QStringList passi, const QList<R>& copioneFake = {})
    {
        Collega(rtu);
        Scegli(k);
        Imposta(QStringLiteral("Indirizzo 10"));
        const QString azione = passi.takeLast();
        for (const QString& p : passi) Imposta(p);
        fake.Richieste.clear();
        copione.richieste.clear();
        arrivi.clear();
        fake.Accoda(copioneFake);
        orologio.start();
        Imposta(azione);
        arrivi << orologio.elapsed();
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
        QVERIFY(fake.AvviaTcp(QHostAddress(QStringLiteral("127.0.0.8"))));
        QVERIFY(fake.AvviaRtu(4));
        for (int u : {10, 11, 247, 246}) fake.Unita(u);
        connect(&fake, &FakeController::RichiestaRicevuta, this, [this] { arrivi << orologio.elapsed(); });
        MenuClick(QStringLiteral("mnu_8555"));
    }

    // Per row, for each model: the steps (the last one acts), the requests
    // expected, the pauses in tenths before, between and after them (TCP),
    // the message box, and control states afterwards.
    void invio_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<QList<int>>("modelli");
        QTest::addColumn<QStringList>("passi");
        QTest::addColumn<QStringList>("attese");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("dopo");
        QTest::addColumn<int>("guasto");   // the request that gets no reply, from 1
        const QString err = QStringLiteral("Error: Check Values");
        auto riga = [](const char* n, bool rtu, QList<int> k, QStringList p, QStringList a, QString pause = {}, QString box = {}, QStringList dopo = {}, int guasto = 0) {
            QTest::newRow(n) << rtu << k << p << a << pause << box << dopo << guasto;
        };
        const QList<int> tutti = {0, 9, 12, 17, 25}, singola = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
        riga("name cut to four", false, tutti, {"txt_nome abcde", "cmd_invia_0"}, {"0a10 0003 0002 04 62616463"}, "0 1");
        riga("name short", true, {0}, {"txt_nome abc", "cmd_invia_0"}, {}, {}, "Name length must be 4 characters");
        riga("pull-up and safe masks", false, {0, 9, 20}, {"chk_PupBit_* 0", "chk_SafeBit_* 0", "chk_PupBit_0 1", "chk_PupBit_7 1", "chk_SafeBit_1 1", "txt_Safe_0 x", "cmd_invia_1"},
             {"0a06 000b 8102"}, "1 0", {}, {"txt_Safe_0 x", "chk_PupBit_7.c 255", "chk_SafeBit_0.c 16777215"});
        riga("address 247", true, {0, 25}, {"txt_add 247", "cmd_invia_2"}, {"0a06 0006 00f7"});
        for (const char* a : {"0", "248", "abc"})
            riga(qPrintable(QStringLiteral("address %1").arg(a)), false, {0}, {QStringLiteral("txt_add %1").arg(a), "cmd_invia_2"}, {}, "0", "Address must be included between 1 and 247");
        const QStringList porta0 = {"cmb_baud_0 115200", "cmb_par_0 =32", "cmb_stop_0 =8", "txt_delay_0 20", "txt_wdt_0 30", "cmd_invia_3"};
        riga("port 0 two-port", false, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, porta0, {"0a10 0012 0002 04 2f142f14", "0a06 000c 001e"}, "0 2 0");
        riga("port 0 single-port", false, singola, porta0, {"0a06 0005 007f", "0a06 0007 0014", "0a06 000c 001e"}, "0 1 1 0");
        riga("port 0 other", true, {25}, porta0, {"0a06 000c 001e"});
        riga("port 0 delay 256", true, {0}, QStringList(porta0).replaceInStrings("delay_0 20", "delay_0 256"), {}, {}, err);
        riga("port 0 no parity", false, {9}, QStringList(porta0).replaceInStrings("=32", "@-1"), {}, {}, err);
        const QStringList ora = {"txt_ore_0 9", "txt_min_0 5", "txt_sec_0 7", "txt_giorno_0 @30", "txt_mese_0 @11", "txt_anno_0 @25", "cmd_invia_4"};
        riga("clock", false, {2, 3, 4, 6, 7, 8}, ora, {"0a10 0016 0004 08 00070509 00311225"}, "0 0");
        riga("clock other models", true, {0, 9, 17}, ora, {});
        riga("clock not decimal", true, {2}, QStringList(ora).replaceInStrings("min_0 5", "min_0 5A"), {}, {}, err);
        riga("display", true, {8}, {"opt_DispMode_1 1", "bar_Contr @3", "bar_Lumin @5", "cmd_invia_5"}, {"0a06 000b 0405"});
        riga("display other", false, {0}, {"cmd_invia_5"}, {});
        const QStringList offset = {"txt_Input_Offset_0 -1", "txt_Input_Offset_1 32767", "txt_Input_Offset_2 abc", "txt_Input_Offset_3 -32768",
                                    "txt_Input_Offset_4 1.5", "txt_Input_Offset_5 2.5", "txt_Input_Offset_6 ", "txt_Input_Offset_7 7x", "cmd_invia_6"};
        riga("offsets", false, {16, 0}, offset, {"0a10 001e 0008 10 ffff 7fff 0000 8000 0002 0002 0000 0007"}, "0 1");
        riga("offset 32768", true, {16}, QStringList(offset).replaceInStrings("32767", "32768"), {}, {}, err);
        riga("types QVR4566 family", false, {5, 6, 7}, {"cmb_InputType_0 =18", "cmb_InputType_1 =3", "cmd_invia_7"}, {"0a06 0022 0312"}, "1 0");
        riga("type of the module", true, {11, 12, 13, 14}, {"cmb_InputType_0 =4", "cmd_invia_7"}, {"0a06 000a 0004"});
        riga("type of QVR8569", false, {10}, {"cmb_InputType_0 =23", "cmd_invia_7"}, {"0a06 000a 0017"});
        const QStringList nibble = {"cmb_InputType_* =2", "cmb_InputType_0 =1", "cmb_InputType_2 =14", "cmb_InputType_3 =1", "cmd_invia_7"};
        riga("types in nibbles", false, {15, 16}, nibble, {"0a10 000a 0002 04 1e212222"}, "1 0");
        riga("type 21 in a nibble", true, {15}, QStringList(nibble).replaceInStrings("_3 =1", "_3 =21"), {}, {}, err);
        riga("type not chosen", false, {11}, {"cmb_InputType_0 @-1", "cmd_invia_7"}, {}, {}, err);
        riga("types QVR8566 register", true, {9}, {"cmb_InputType_0 =18", "cmb_InputType_1 =3", "cmd_invia_7"}, {"0a06 04c0 0312"});
        riga("types other", false, {0, 17, 20, 25}, {"cmd_invia_7"}, {});
        riga("port 1", false, tutti, {"cmb_baud_1 =7", "cmb_par_1 =64", "cmb_stop_1 =8", "txt_delay_1 5", "cmd_invia_8"}, {"0a06 0005 004f", "0a06 0007 0005"}, "0 1 0");
        riga("watchdog", false, {0, 12, 25}, {"txt_wdt_0 255", "cmd_invia_9"}, {"0a06 000c 00ff"}, "1 0");
        riga("watchdog 256", true, {0}, {"txt_wdt_0 256", "cmd_invia_9"}, {}, {}, err);
        riga("unit not a byte", false, {0}, {"Indirizzo 256", "cmd_invia_9"}, {}, {}, err);
        riga("unit changed", true, {0}, {"Indirizzo 11", "txt_wdt_0 1", "cmd_invia_9"}, {"0b06 000c 0001"});
        riga("input zero per channel", false, {15, 16}, {"cmd_In_Zero_2"}, {"0a06 0000 0017"}, "0 1");
        riga("input span per channel", true, {15, 16}, {"cmd_In_Span_2"}, {"0a06 0000 0021"});
        riga("input zero of the module", true, {10, 11, 12, 13, 14}, {"cmd_In_Zero_5"}, {"0a06 0000 0014"});
        riga("input span of the module", false, {10, 14}, {"cmd_In_Span_5"}, {"0a06 0000 001e"}, "0 1");
        riga("input zero other", false, {0, 17}, {"cmd_In_Zero_0"}, {});
        const QStringList cal = {"txt_Out_Zero_1 4", "txt_Out_Span_1 20", "cmd_Out_Cal_1"};
        riga("output calibration", false, {17, 18, 19}, cal, {"0a06 000a 0fa0", "0a06 0000 0016", "0a06 000a 4e20", "0a06 0000 0020"}, "0 0 1 0 1");
        riga("output calibration QVR8566", true, {9}, cal, {"0a14 0400 0018 04 14000400"});
        riga("output calibration QVR4566", true, {5}, cal, {});
        riga("output calibration 65.536", false, {17}, QStringList(cal).replaceInStrings(" 20", " 65.536"), {}, {}, err);
        riga("output QVR8566 family", false, {9, 5, 6, 7}, {"txt_Output_3 1000", "cmd_Output_3"}, {"0a06 0023 03e8"}, "0 0");
        riga("output analog module", true, {17, 18, 19}, {"txt_Output_3 65535", "cmd_Output_3"}, {"0a06 0011 ffff"});
        riga("output -1", false, {17}, {"txt_Output_3 -1", "cmd_Output_3"}, {}, {}, err);
        riga("output 65536", true, {9}, {"txt_Output_3 65536", "cmd_Output_3"}, {}, {}, err);
        riga("output mode mask", true, {17}, {"cmb_Out_* @0", "cmb_Out_0 @1", "cmb_Out_2 @1", "cmd_set_0"}, {"0a06 000d 0005"});
        riga("safe values", false, {18}, {"txt_Safe_* 1", "txt_Safe_1 -1", "txt_Safe_7 65535", "cmd_set_1"},
             {"0a10 0016 0008 10 0001 ffff 0001 0001 0001 0001 0001 ffff"}, "0 0");
        riga("second set all, other models", true, {17, 9}, {"cmd_set_2"}, {});
        riga("trip", false, {25}, {"txt_Trip_LO_2 100", "txt_Trip_HI_2 65535", "cmd_Write_Trip_2"}, {"0a06 04ca 0064", "0a06 04cb ffff"});
        riga("trip 12.5", true, {25}, {"txt_Trip_LO_2 12.5", "cmd_Write_Trip_2"}, {}, {}, err);
        riga("channel enable", false, {11}, {"chk_En_* 1", "chk_En_0 0"}, {"0a06 000b 00fe"}, "1 0", {}, {"txt_Input_0.en 0", "pBreak_0.en 0", "txt_Input_1.en 1"});
        riga("output bit by coil", true, {20}, {"chk_OutputBit_3 0", "chk_OutputBit_3 1"}, {"0a05 0013 ff00"}, {}, {}, {"chk_OutputBit_3.c 255"});
        riga("output bit coil off", false, {20}, {"chk_OutputBit_3 1", "chk_OutputBit_3 0"}, {"0a05 0013 0000"}, "0 0", {}, {"chk_OutputBit_3.c 16777215"});
        riga("output bits in register 9", true, {9, 1, 5}, {"chk_OutputBit_* 0", "chk_OutputBit_0 1", "chk_OutputBit_3 1"}, {"0a06 0009 0900"});
        riga("pull-up bit colour only", true, {0}, {"chk_PupBit_2 0", "chk_PupBit_2 1"}, {}, {}, {}, {"chk_PupBit_2.c 255"});
        riga("clear latch", false, {0}, {"cmd_clear_latch"}, {"0a0f 0004 0008 01 00"}, "0 0");
        riga("toggle on", true, {0}, {"Led_Ev_* c8421504", "cmd_Toggle_1"}, {"0a06 000a 0200"}, {}, {}, {"Led_Ev_1.c 255"});
        const QStringList porta = {"cmb_baud_0 1200", "cmb_par_0 =0", "cmb_stop_0 =0", "txt_delay_0 1", "txt_wdt_0 1", "cmd_invia_3"};
        riga("two-port port 0 stops on failure", false, {0}, porta, {"0a10 0012 0002 04 00010001"}, {}, {}, {}, 1);
        riga("single-port code stops on failure", false, {12}, porta, {"0a06 0005 0078"}, {}, {}, {}, 1);
        riga("single-port delay stops on failure", false, {12}, porta, {"0a06 0005 0078", "0a06 0007 0001"}, {}, {}, {}, 2);
        riga("port 1 stops on failure", false, {0}, {"cmb_baud_1 =1", "cmb_par_1 =0", "cmb_stop_1 =0", "txt_delay_1 1", "cmd_invia_8"}, {"0a06 0005 0001"}, {}, {}, {}, 1);
        riga("trip HI only after LO", false, {25}, {"txt_Trip_LO_0 1", "cmd_Write_Trip_0"}, {"0a06 04c6 0001"}, {}, {}, {}, 1);
        riga("calibration goes on", false, {17}, {"txt_Out_Zero_0 1", "txt_Out_Span_0 2", "cmd_Out_Cal_0"},
             {"0a06 000a 03e8", "0a06 0000 0015", "0a06 000a 07d0", "0a06 0000 001f"}, {}, {}, {}, 1);
        riga("toggle off", false, {0}, {"Led_Ev_* c255", "cmd_Toggle_0"}, {"0a06 000a 0600"}, "0 0", {}, {"Led_Ev_0.c 8421504"});
    }
    void invio()
    {
        QFETCH(bool, rtu);
        QFETCH(QList<int>, modelli);
        QFETCH(QStringList, passi);
        QFETCH(QStringList, attese);
        QFETCH(QString, pause);
        QFETCH(QString, box);
        QFETCH(QStringList, dopo);
        QFETCH(int, guasto);
        QList<R> copioneFake(qMax(0, guasto - 1), R::Predefinita());
        if (guasto) copioneFake << R::Nessuna();
        for (int k : modelli) {
            Esegui(rtu, k, passi, copioneFake);
            QVERIFY2(fake.Richieste == Hex(attese), qPrintable(NomiModello[k] + u' ' + QString::fromLatin1(fake.Richieste.value(0).toHex())));
            QCOMPARE(copione.Messaggi(), box.isEmpty() ? QStringList() : QStringList{box});
            for (const QString& d : dopo) QCOMPARE(Stato(d.section(u' ', 0, 0)), d.section(u' ', 1));
            if (rtu || pause.isEmpty()) continue;
            const QStringList p = pause.split(u' ');
            QCOMPARE(arrivi.size(), p.size());
            for (int i = 0; i < p.size(); ++i) {
                const qint64 gap = arrivi[i] - (i ? arrivi[i - 1] : 0);
                QVERIFY2(gap >= 100 * p[i].toInt() - 3 && gap < 100 * p[i].toInt() + 95, qPrintable(QStringLiteral("gap %1: %2 ms").arg(i).arg(gap)));
            }
        }
    }

    // A link set for the memory-typed device writes the QVR8566 types into
    // configuration memory behind the access code.
    void tipiInMemoria()
    {
        const QString prima = Modelli[Controllore.Modello].Codice;
        Modelli[Controllore.Modello].Codice = CodiceTipiInMemoria;
        Esegui(true, 9, {"cmb_InputType_0 =17", "cmb_InputType_1 =8", "cmd_invia_7"});
        Modelli[Controllore.Modello].Codice = prima;
        QCOMPARE(fake.Richieste, Hex({"0a06 0011 e8ce", "f714 0400 0023 08 19181919191919 19", "f714 0400 000c 01 11", "f614 0400 0023 08 19181919191919 19",
                                      "f614 0400 000c 01 08", "0a06 0011 0000"}));
    }

    // Check boxes changed while a read fills the window send nothing.
    void letturaInCorso()
    {
        Collega(false);
        Scegli(9);
        fake.Regole << [](FakeController&, const QByteArray&) {
            for (const char* n : {"chk_OutputBit_1", "chk_En_2"}) F()->Spunta(QString::fromLatin1(n), !F()->Spuntato(QString::fromLatin1(n)));
        };
        F()->cmd_read_Click(0);
        fake.Regole.clear();
        for (const QByteArray& q : fake.Richieste) QCOMPARE(int(q[1]), 4);
        QVERIFY(fake.Richieste.size() > 4);
    }

    // The broadcast goes out without waiting; the next request gets its reply.
    void sincronizzazione()
    {
        for (bool rtu : {false, true}) {
            Esegui(rtu, 11, {"cmd_sync"});
            QVERIFY(arrivi.last() < 150);   // a reply wait would take the 200 ms or 1 s time-out
            QTest::qWait(100);   // the user's next click: the line falls silent between frames
            Imposta(QStringLiteral("txt_add 5"));
            Imposta(QStringLiteral("cmd_invia_2"));
            QVERIFY2(fake.Richieste == Hex({"ff06 0000 0000", "0a06 0006 0005"}), qPrintable(QString::fromLatin1(fake.Trame.value(0).toHex())));
            QCOMPARE(copione.Messaggi(), QStringList());
            QVERIFY(AttendiRisposta);
        }
    }

    void orologioPC()
    {
        Scegli(6);
        const QDateTime prima = QDateTime::currentDateTime().addMSecs(-999);
        Imposta(QStringLiteral("cmd_ClockSync_0"));
        auto n = [](const char* c) { return F()->Testo(QString::fromLatin1(c)).toInt(); };
        auto p = [](const char* c) { return F()->PosizioneScelta(QString::fromLatin1(c)); };
        const QDateTime letta(QDate(2000 + p("txt_anno_0"), p("txt_mese_0") + 1, p("txt_giorno_0") + 1), QTime(n("txt_ore_0"), n("txt_min_0"), n("txt_sec_0")));
        QVERIFY(letta >= prima && letta <= QDateTime::currentDateTime());
    }

    // A loopback time server sending chosen bytes: whole, in pieces, too few,
    // nothing; none listening; no host set; a time outside the clock's years.
    void server_data()
    {
        QTest::addColumn<QStringList>("pezzi");   // "-": close; "...": stay silent
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("box");
        QTest::newRow("whole") << QStringList{"e20cd800", "-"} << "127.0.0.9" << "";
        QTest::newRow("two pieces, more after the fourth") << QStringList{"e20c", "d80099", "..."} << "127.0.0.9" << "";
        QTest::newRow("three bytes and close") << QStringList{"e20cd8", "-"} << "127.0.0.9" << "No time from the time server";
        QTest::newRow("never answers") << QStringList{"..."} << "127.0.0.9" << "No time from the time server";
        QTest::newRow("refused") << QStringList{} << "127.0.0.9" << "Time server not reachable";
        QTest::newRow("not loopback") << QStringList{} << "192.0.2.1" << "Time server not reachable";
        QTest::newRow("no host") << QStringList{} << "" << "No time server set (ora/host)";
        QTest::newRow("year 2104") << QStringList{"7fffffff", "-"} << "127.0.0.9" << "Date out of range (2000-2099)";
    }
    void server()
    {
        QFETCH(QStringList, pezzi);
        QFETCH(QString, host);
        QFETCH(QString, box);
        QTcpServer srv;
        QVERIFY(srv.listen(QHostAddress(QStringLiteral("127.0.0.9"))));
        const quint16 porta = srv.serverPort();
        if (pezzi.isEmpty()) srv.close();
        connect(&srv, &QTcpServer::newConnection, &srv, [&] {
            QTcpSocket* s = srv.nextPendingConnection();
            int ritardo = 0;
            for (const QString& p : pezzi)
                QTimer::singleShot(ritardo += 50, s, [s, p] {
                    if (p == u'-') s->disconnectFromHost();
                    else if (p != QLatin1String("...")) s->write(QByteArray::fromHex(p.toLatin1()));
                });
        });
        qputenv("WORKBENCH_ORA_HOST", host.toLatin1());
        qputenv("WORKBENCH_ORA_PORTA", QByteArray::number(porta));
        Esegui(false, 6, {"txt_ore_0 1", "txt_min_0 2", "txt_sec_0 3", "txt_giorno_0 @0", "txt_mese_0 @0", "txt_anno_0 @0", "cmd_ClockSync_1"});
        QCOMPARE(copione.Messaggi(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(fake.Richieste.size(), 0);
        Imposta(QStringLiteral("cmd_invia_4"));
        QCOMPARE(fake.Richieste, Hex({box.isEmpty() ? "0a10 0016 0004 08 00040914 00060320" : "0a10 0016 0004 08 00030201 00010100"}));
        QCOMPARE(F()->Testo(QStringLiteral("txt_min_0")), QLatin1String(box.isEmpty() ? "9" : "2"));
    }
};

QTEST_MAIN(TestInvioConfig)
#include "test_invio_config.moc"
