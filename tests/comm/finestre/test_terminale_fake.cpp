// The terminal against fake devices: what goes on the wire for the fields,
// the reply echo on each framing, how the loops end, and the random test.
#include "Aiuti.h"
#include "comm/AreaComunicazione.h"
#include "comm/Ascii.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/finestre/frm_dialoga.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"
#include "support/FakeAscii.h"
#include "support/FakeController.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using Test::FakeController;

namespace {
frm_dialoga* T() { return Finestre::Get<frm_dialoga>(); }

void Campi(const QStringList& valori)
{
    for (int i = 0; i < valori.size(); ++i) T()->txt_comando(i)->setText(valori[i]);
}
} // namespace

class TestTerminaleFake : public QObject {
    Q_OBJECT
    FakeController fake;
    Test::Copione copione;

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        QVERIFY(fake.AvviaTcp());
        QVERIFY(fake.AvviaRtu(2));
        Finestre::Mostra(T());
    }
    void init()
    {
        copione = Test::Copione();
        copione.Installa();
        Campi({"1", "4", "0", "1", "0", "1", ""});
        T()->chk_err->setChecked(false);
        T()->txt_buff_rx->clear();
        T()->Text1->clear();
    }

    // The reply echo: upper-case hex pairs each followed by a blank, CRC
    // included on RTU; on ASCII the byte count goes out doubled.
    void invio_data()
    {
        QTest::addColumn<int>("canale");   // 0 TCP, 1 RTU, 2 ASCII
        QTest::addColumn<QStringList>("campi");
        QTest::addColumn<QByteArray>("richiesta");
        QTest::addColumn<QString>("eco");
        const QStringList fc16{"1", "16", "0", "10", "0", "1", "2", "0", "5"};
        QTest::newRow("tcp fc16") << 0 << fc16 << QByteArray::fromHex("0110000A0001020005") << "01 10 00 0A 00 01 ";
        QTest::newRow("rtu fc4 with CRC") << 1 << QStringList{"1", "4", "0", "1", "0", "1"} << QByteArray::fromHex("010400010001")
            << QString::fromLatin1(FakeController::ConCrc(QByteArray::fromHex("0104021234")).toHex(' ').toUpper() + ' ');
        QTest::newRow("ascii fc16") << 2 << fc16 << QByteArray::fromHex("0110000A0001040005") << ": 01 10 00 0A 00 01 E4 ";
    }
    void invio()
    {
        QFETCH(int, canale);
        QFETCH(QStringList, campi);
        QFETCH(QByteArray, richiesta);
        Test::FakeAscii ascii;
        if (canale == 2) {
            QVERIFY(ascii.Avvia(4));
            QVERIFY(ApriASCII(4, QStringLiteral("9600,n,8,1")));
        } else {
            QVERIFY(Test::CollegaAlFake(fake, canale == 1, 2));
        }
        fake.Input[1] = 0x1234;
        Campi(campi);
        T()->cmd_invia_Click();
        QList<QByteArray> inviate = fake.Richieste;
        if (canale == 2) {
            inviate.clear();
            for (const QByteArray& t : ascii.Trame) inviate << Test::FakeAscii::Messaggio(t);
            ChiudiASCII();
            Canale = CanaleTCP;
        }
        QCOMPARE(inviate.size(), 1);
        QCOMPARE(inviate[0].left(richiesta.size()).toHex(' '), richiesta.toHex(' '));
        QTEST(T()->txt_buff_rx->toPlainText(), "eco");
        QVERIFY(T()->Text1->text().contains(QRegularExpression("^[0-9]+$")));
        QVERIFY(!EcoTerminale);
        QVERIFY(copione.Messaggi().isEmpty());
    }

    // A field that does not parse: nothing sent, the last reply and time
    // cleared, the field named in the Log.
    void campoErrato_data()
    {
        QTest::addColumn<QStringList>("campi");
        QTest::addColumn<QString>("riga");
        QTest::newRow("function") << QStringList{"1", "x"} << "Field refused [FUN]";
        QTest::newRow("count") << QStringList{"1", "16", "0", "0", "0", "1", "33"} << "Field refused [CNT]";
        QTest::newRow("data") << QStringList{"1", "16", "0", "0", "0", "1", "2", "0", "256"} << "Field refused [DATA 2]";
    }
    void campoErrato()
    {
        QFETCH(QStringList, campi);
        QFETCH(QString, riga);
        QVERIFY(Test::CollegaAlFake(fake, false));
        T()->cmd_invia_Click();
        QVERIFY(!T()->txt_buff_rx->toPlainText().isEmpty() && !T()->Text1->text().isEmpty());
        fake.Richieste.clear();
        Campi(campi);
        const int log0 = Test::RigheLog();
        T()->cmd_invia_Click();
        QVERIFY(fake.Richieste.isEmpty());
        QCOMPARE(T()->txt_buff_rx->toPlainText(), QString());
        QCOMPARE(T()->Text1->text(), QString());
        QCOMPARE(Test::Testi(Test::LogDa(log0)), QStringList{riga});
        // A loop on it says so once, not at every pass.
        const int log1 = Test::RigheLog();
        QTimer::singleShot(100, T(), &frm_dialoga::cmd_stop_Click);
        T()->Command2_Click();
        QCOMPARE(Test::Testi(Test::LogDa(log1)), QStringList{riga});
    }

    void tempo()
    {
        QVERIFY(Test::CollegaAlFake(fake, false));
        fake.Accoda(FakeController::Risposta::Predefinita().Ritardo(120));
        QTimer::singleShot(0, T(), &frm_dialoga::cmd_stop_Click);
        T()->Command2_Click();
        bool ok = false;
        const int ms = T()->Text1->text().remove(QRegularExpression("[^0-9]")).toInt(&ok);
        QVERIFY(ok);
        QVERIFY2(ms >= 110 && ms < 1000, qPrintable(T()->Text1->text()));
    }

    // "Stop on Error": the third request is unanswered and ends the loop.
    void loopFermoSuErrore()
    {
        QVERIFY(Test::CollegaAlFake(fake, false));
        fake.Accoda({FakeController::Risposta::Predefinita(), FakeController::Risposta::Predefinita(),
                     FakeController::Risposta::Nessuna()});
        T()->chk_err->setChecked(true);
        T()->cmd_start_Click();
        QCOMPARE(fake.Richieste.size(), 3);
        QCOMPARE(ComErr, int16_t(1));
        QCOMPARE(LoopAttivo, int16_t(0));
        // Not connected: the first pass fails and ends it.
        Controllore.Connesso = false;
        T()->cmd_start_Click();
        QCOMPARE(ComErr, int16_t(1));
    }

    // Without it (and with "Cont") a failure does not end the loop; "Stop"
    // does, and the fields are read anew on every pass: a field that is not
    // a number sends nothing, and the loop goes on once it is mended.
    void loopContinua_data()
    {
        QTest::addColumn<bool>("cont");
        QTest::newRow("Loop") << false;
        QTest::newRow("Cont, check box ignored") << true;
    }
    void loopContinua()
    {
        QFETCH(bool, cont);
        QVERIFY(Test::CollegaAlFake(fake, false));
        fake.Accoda(FakeController::Risposta::Nessuna());
        T()->chk_err->setChecked(cont);
        auto c = connect(&fake, &FakeController::RichiestaRicevuta, T(), [&] {
            if (fake.Richieste.size() == 3) {
                T()->txt_comando(3)->setText("x");
                QTimer::singleShot(60, T(), [] { T()->txt_comando(3)->setText("7"); });
            }
            if (fake.Richieste.size() == 5) T()->cmd_stop_Click();
        });
        if (cont) T()->Command2_Click();
        else T()->cmd_start_Click();
        disconnect(c);
        QCOMPARE(fake.Richieste.size(), 5);
        QCOMPARE(fake.Richieste[2].toHex(), QByteArray("010400010001"));
        QCOMPARE(fake.Richieste[3].toHex(), QByteArray("010400070001"));
        QVERIFY(StopLoop);
    }

    // While a loop runs, a second request of this window could only be
    // refused by the transaction under way; its buttons wait for "Stop".
    void clicDuranteLoop()
    {
        QVERIFY(Test::CollegaAlFake(fake, false));
        const int log0 = Test::RigheLog();
        auto c = connect(&fake, &FakeController::RichiestaRicevuta, T(), [&] {
            if (fake.Richieste.size() == 2)
                for (const char* nome : {"Command2", "cmd_invia", "Command3", "cmd_start"})
                    QTest::mouseClick(T()->findChild<QPushButton*>(nome), Qt::LeftButton);
            if (fake.Richieste.size() == 4)
                QTest::mouseClick(T()->findChild<QPushButton*>("cmd_stop"), Qt::LeftButton);
        });
        QObject guardia;   // its timer dies with the test
        QTimer::singleShot(2000, &guardia, [] { StopLoop = true; });
        T()->chk_err->setChecked(true);
        T()->cmd_start_Click();
        disconnect(c);
        QCOMPARE(fake.Richieste.size(), 4);
        QCOMPARE(Test::Testi(Test::LogDa(log0)), QStringList());
        QVERIFY(T()->findChild<QPushButton*>("cmd_invia")->isEnabled());
        QVERIFY(T()->findChild<QPushButton*>("Command3")->isEnabled());
    }

    // Closing the window ends its loop: nothing else would stop "Cont".
    void chiusuraDuranteLoop()
    {
        QVERIFY(Test::CollegaAlFake(fake, false));
        QPointer<frm_dialoga> finestra = T();
        Finestre::Mostra(finestra);
        auto c = connect(&fake, &FakeController::RichiestaRicevuta, &fake, [&] {
            if (fake.Richieste.size() == 2) finestra->parentWidget()->close();
        });
        // Should the loop survive the window, this ends it and the test fails.
        QObject guardia;   // its timer dies with the test
        QTimer::singleShot(2000, &guardia, [] { StopLoop = true; });
        finestra->Command2_Click();
        disconnect(c);
        QVERIFY(finestra.isNull());
        QVERIFY(fake.Richieste.size() <= 3);
        QCOMPARE(LoopAttivo, int16_t(0));
        Finestre::Mostra(T());
    }

    // Output k on for a moment, then all off, one log line per step in the
    // current directory, until "Stop" or a write that is not answered; the
    // step running then completes.
    void testRandom_data()
    {
        QTest::addColumn<bool>("guasto");
        QTest::addColumn<int>("passi");
        QTest::newRow("Stop in the third step") << false << 3;
        QTest::newRow("unanswered write") << true << 1;
    }
    void testRandom()
    {
        QFETCH(bool, guasto);
        QFETCH(int, passi);
        QTemporaryDir dir;
        const QString prima = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(Test::CollegaAlFake(fake, false));
        if (guasto) fake.Accoda(FakeController::Risposta::Nessuna());
        T()->SecondiAcceso = T()->SecondiSpento = 0.02;
        auto c = connect(&fake, &FakeController::RichiestaRicevuta, T(), [&] {
            if (fake.Richieste.size() == 5) T()->cmd_stop_Click();
        });
        T()->Command3_Click();
        disconnect(c);
        QFile f(dir.filePath("log_eventi.csv"));
        QDir::setCurrent(prima);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> righe = f.readAll().split('\n');
        QCOMPARE(fake.Richieste.size(), 2 * passi);
        QCOMPARE(righe.size(), passi + 1);
        for (int passo = 0; passo < passi; ++passo) {
            const QByteArray& riga = righe[passo];
            QVERIFY(riga.endsWith('\r'));
            const int k = riga.mid(riga.lastIndexOf(';') + 1).trimmed().toInt();
            QVERIFY(k >= 0 && k <= 7);
            QCOMPARE(fake.Richieste[2 * passo].toHex(), "8006001a" + QByteArray::number(0x10000 | (1 << k), 16).right(4));
            QCOMPARE(fake.Richieste[2 * passo + 1].toHex(), QByteArray("8006001a0000"));
        }
        QCOMPARE(ComErr, int16_t(1));
    }
};

QTEST_MAIN(TestTerminaleFake)
#include "test_terminale_fake.moc"
