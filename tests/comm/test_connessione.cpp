// Connect and disconnect on both transports, the serial port rule and the
// loopback guard.
#include "Aiuti.h"
#include "base/Attesa.h"
#include "comm/Collegamento.h"
#include "comm/Comunica.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/Rete.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QSerialPort>
#include <QTcpServer>
#include <QtTest>
#include <unistd.h>

using namespace Test;

class TestConnessione : public QObject, ProvaFake {
    Q_OBJECT

    QByteArray LeggiMaster(int ms)
    {
        QByteArray b;
        AttendiFinche([&] {
            char buf[256];
            const ssize_t n = ::read(fake.Pty().Master(), buf, sizeof buf);
            if (n > 0) b.append(buf, int(n));
            return false;
        }, ms);
        return b;
    }

private slots:
    void initTestCase() { Avvia(2); }

    void indirizzi_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("soloLoopback");
        QTest::addColumn<bool>("ammesso");
        QTest::newRow("127.0.0.1") << "127.0.0.1" << true << true;
        QTest::newRow("127.255.1.2") << "127.255.1.2" << true << true;
        QTest::newRow("128.0.0.1") << "128.0.0.1" << true << false;
        QTest::newRow("126.255.255.255") << "126.255.255.255" << true << false;
        QTest::newRow("default controller") << "192.168.1.100" << true << false;
        QTest::newRow("broadcast") << "255.255.255.255" << true << false;
        QTest::newRow("::1") << "::1" << true << true;
        QTest::newRow("mapped loopback") << "::ffff:127.0.0.1" << true << true;
        QTest::newRow("mapped lan") << "::ffff:10.0.0.1" << true << false;
        QTest::newRow("localhost") << "localhost" << true << true;
        QTest::newRow("a name") << "example.com" << true << false;
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("guard off") << "192.168.1.100" << false << true;
        // Judged as read in decimal, the way the link connects.
        QTest::newRow("padded loopback") << "127.000.000.010" << true << true;
        QTest::newRow("padded lan") << "192.168.001.010" << true << false;
        QTest::newRow("lan, loopback when read as octal") << "0177.0.0.1" << true << false;
    }
    void indirizzi()
    {
        QFETCH(QString, host);
        QFETCH(bool, soloLoopback);
        QFETCH(bool, ammesso);
        qputenv("WORKBENCH_LOOPBACK_ONLY", soloLoopback ? "1" : "0");
        QCOMPARE(IndirizzoConsentito(host), ammesso);
        QHostAddress a;
        if (a.setAddress(host) && a.toString() == host) QCOMPARE(IndirizzoConsentito(a), ammesso);
        qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
    }

    // A typed or stored address of four numbers is read in decimal whatever
    // its zeros; every other text is left to the host-name path as it is.
    void indirizziDecimali_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("indirizzo");   // empty: not an address
        auto r = [](const char* t, const char* a) { QTest::newRow(t) << QString::fromLatin1(t) << QString::fromLatin1(a); };
        r("127.000.000.010", "127.0.0.10");
        r("192.168.001.010", "192.168.1.10");
        r("0000000000000001.2.3.4", "1.2.3.4");
        r("127.0.0.1", "127.0.0.1");
        r(" 10.0.0.5 ", "10.0.0.5");
        r("1.2.3.256", "");
        r("1.2.3.4294967297", "");
        r("127.0.1", "");
        r("1.2.3.4.5", "");
        r("127..0.1", "");
        r("127.0.0.", "");
        r("", "");
        r("0x7f.0.0.1", "");
        r("localhost", "");
        r("4555.1.plc", "");
    }
    void indirizziDecimali()
    {
        QFETCH(QString, testo);
        QFETCH(QString, indirizzo);
        const auto a = IndirizzoDecimale(testo);
        QCOMPARE(a ? a->toString() : QString(), indirizzo);
        QCOMPARE(HostDecimale(testo), indirizzo.isEmpty() ? testo.trimmed() : indirizzo);
    }

    void portaSeriale()
    {
        const QByteArray prima = qgetenv("WORKBENCH_COM_DIR");
        qputenv("WORKBENCH_COM_DIR", "/tmp/porte");
        QCOMPARE(NomePortaSeriale(3), QStringLiteral("/tmp/porte/COM3"));
        QCOMPARE(NomePortaSeriale(0), QString());
        qputenv("WORKBENCH_COM_DIR", prima);
    }

    void tcpConnettiDisconnetti()
    {
        Prepara(false, 2);
        QCOMPARE(int(Canale), 2);
        ComErr = 0;   // a live loop running: disconnect does nothing
        int log0 = RigheLog();
        Disconnetti();
        QVERIFY(Controllore.Connesso);
        QCOMPARE(RigheLog(), log0);
        ComErr = 1;
        Registro().pannello4 = QStringLiteral("Com OK");
        int stati = Registro().stati;
        Disconnetti();
        QVERIFY(!Controllore.Connesso);
        QCOMPARE(Testi(LogDa(log0)), QStringList{"Disconnect [127.0.0.1]"});
        QCOMPARE(LogDa(log0).size(), 2);
        QCOMPARE(Pannello4(), QString());
        QCOMPARE(Registro().stati, stati + 1);

        log0 = RigheLog();
        const int accettate = fake.ConnessioniAccettate;
        stati = Registro().stati;
        Connetti();
        QVERIFY(Controllore.Connesso);
        QCOMPARE(Testi(LogDa(log0)), QStringList{"Connected  [127.0.0.1]"});
        QCOMPARE(Registro().stati, stati + 1);
        QVERIFY(AttendiFinche([&] { return fake.ConnessioniAccettate == accettate + 1; }, 1000));
        QVERIFY(copione.Messaggi().isEmpty());
    }

    // The device closes the link: the link closes too, says so once, and the
    // next command is "not connected" at once; a transaction waiting for its
    // reply ends then, not at its time-out. Connect works again straight away.
    void tcpChiusoDalDispositivo_data()
    {
        QTest::addColumn<bool>("inAttesa");
        QTest::newRow("between commands") << false;
        QTest::newRow("during a wait") << true;
    }
    void tcpChiusoDalDispositivo()
    {
        QFETCH(bool, inAttesa);
        Prepara(false, 2);
        Controllore.TimeoutTCP = 3000;
        const int log0 = RigheLog();
        const int stati = Registro().stati;
        Registro().pannello4 = QStringLiteral("Com OK");
        QElapsedTimer t;
        t.start();
        if (inAttesa) {
            fake.Accoda(FakeController::Risposta::Nessuna());
            connect(&fake, &FakeController::RichiestaRicevuta, this, [&] { fake.ChiudiConnessioni(); },
                    Qt::SingleShotConnection);
            Richiesta(Hex("0a0300000001"));
            QCOMPARE(int(Comunica(false)), int(ComTimeOut));
            QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
        } else {
            fake.ChiudiConnessioni();
            QVERIFY(AttendiFinche([] { return !Controllore.Connesso; }, 2000));
        }
        QVERIFY(!Controllore.Connesso);
        QCOMPARE(Registro().stati, stati + 1);
        QCOMPARE(Testi(LogDa(log0)).value(0), QStringLiteral("Connection Lost [127.0.0.1]"));

        const int log1 = RigheLog();
        fake.Richieste.clear();
        Richiesta(Hex("0a0300000001"));
        t.restart();
        QCOMPARE(int(Comunica(true)), int(ComNonConnesso));
        QVERIFY(t.elapsed() < 500);
        QCOMPARE(copione.Messaggi(), QStringList{"Controller not connected"});
        QVERIFY(fake.Richieste.isEmpty());
        // Already closed: the toolbar's disconnect has nothing more to say.
        ComErr = 1;
        Disconnetti();
        QCOMPARE(Testi(LogDa(log1)), QStringList{"Com Error"});

        Connetti();
        QVERIFY(Controllore.Connesso);
        Richiesta(Hex("0a0300000001"));
        QCOMPARE(int(Comunica(false)), int(ComOk));
    }

    // Disconnect with no link ever opened (every connect and the benches
    // start with one): nothing was open, so there is no line.
    void disconnettiSenzaCollegamento_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("tcp") << int(CollegamentoEthernet);
        QTest::newRow("serial") << int(CollegamentoSeriale);
    }
    void disconnettiSenzaCollegamento()
    {
        QFETCH(int, tipo);
        ComErr = 1;
        Disconnetti();
        Canale = tipo == CollegamentoEthernet ? CanaleTCP : CanaleRTU;
        Controllore.TipoConnessione = TipoCollegamento(tipo);
        const int log0 = RigheLog();
        const int stati = Registro().stati;
        Disconnetti();
        QVERIFY(!Controllore.Connesso);
        QCOMPARE(LogDa(log0), QStringList());
        QCOMPARE(Registro().stati, stati + 1);
    }

    // Nothing listening, an address off loopback, no address: the attempt
    // ends at once, is reported as the link's one failure, and leaves the
    // socket closed.
    void tcpFallito_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<bool>("soloLoopback");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("box");
        const QStringList scaduto{"Connection Timeout"};
        QTest::newRow("nobody listens") << "127.0.0.1" << true << scaduto << scaduto;
        QTest::newRow("not loopback") << "192.168.1.100" << true
                                      << QStringList{"Address refused (loopback only) [192.168.1.100]", scaduto[0]}
                                      << QStringList();
        QTest::newRow("no address, guard off") << "" << false << scaduto << QStringList();
    }
    void tcpFallito()
    {
        QFETCH(QString, ip);
        QFETCH(bool, soloLoopback);
        QFETCH(QStringList, box);
        NuovoCopione();
        QTcpServer libero;
        QVERIFY(libero.listen(QHostAddress::LocalHost, 0));
        const quint16 porta = libero.serverPort();
        libero.close();
        ComErr = 1;
        Disconnetti();
        Controllore.TipoConnessione = CollegamentoEthernet;
        Controllore.IndirizzoIP = ip;
        Controllore.Porta = int16_t(porta);
        Controllore.TimeoutTCP = 3000;
        const int log0 = RigheLog();
        QElapsedTimer t;
        t.start();
        qputenv("WORKBENCH_LOOPBACK_ONLY", soloLoopback ? "1" : "0");
        Connetti();
        qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
        QVERIFY(t.elapsed() < 2000);
        QVERIFY(!Controllore.Connesso);
        QCOMPARE(copione.Messaggi(), box);
        if (!box.isEmpty()) QCOMPARE(copione.richieste[0].pulsanti, int(Prompt::Critica));
        QTEST(Testi(LogDa(log0)), "log");
        QCOMPARE(Collegamento::Istanza()->Winsock1()->state(), QAbstractSocket::UnconnectedState);
    }

    void serialeImpostazioni_data()
    {
        QTest::addColumn<QString>("baud");
        QTest::addColumn<bool>("dueStop");
        QTest::addColumn<bool>("modem");
        QTest::addColumn<QString>("impostazioni");
        QTest::addColumn<bool>("aperta");
        QTest::newRow("one stop") << "38400" << false << false << "38400,n,8,1" << true;
        QTest::newRow("two stop") << "38400" << true << false << "38400,n,8,2" << true;
        QTest::newRow("modem ignores two stop") << "38400" << true << true << "38400,n,8,1" << true;
        QTest::newRow("empty baud rate") << "" << false << false << ",n,8,1" << false;
        QTest::newRow("bad baud rate") << "fast" << false << false << "fast,n,8,1" << false;
    }
    void serialeImpostazioni()
    {
        QFETCH(QString, baud);
        QFETCH(bool, dueStop);
        QFETCH(bool, modem);
        QFETCH(QString, impostazioni);
        QFETCH(bool, aperta);
        NuovoCopione();
        ComErr = 1;
        Disconnetti();
        LeggiMaster(20);
        Controllore.TipoConnessione = CollegamentoSeriale;
        Controllore.Porta = 2;
        Controllore.BaudRate = baud;
        Controllore.DueStop = dueStop;
        Controllore.Modem = modem;
        Controllore.Nodo = 10;
        const int log0 = RigheLog();
        Connetti();
        QCOMPARE(int(Canale), 1);
        QCOMPARE(UltimeImpostazioniSeriali(), impostazioni);
        QCOMPARE(Controllore.Connesso, aperta);
        QSerialPort* p = Collegamento::Istanza()->MSComm1();
        QCOMPARE(p->isOpen(), aperta);
        QCOMPARE(Testi(LogDa(log0)), (aperta && !modem) ? QStringList{"Port Open"} : QStringList{});
        if (aperta) {
            QCOMPARE(int(p->stopBits()), impostazioni.endsWith(QLatin1Char('2')) ? 2 : 1);
            QCOMPARE(p->flowControl(), modem ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
            QCOMPARE(LeggiMaster(100), modem ? (QByteArray("atdt0, ") + NumeroModem.toLatin1() + '\r') : QByteArray());
            // A second connect closes the open port first instead of failing on it.
            Connetti();
            QVERIFY(Controllore.Connesso);
            QVERIFY(p->isOpen());
            const int log1 = RigheLog();
            Disconnetti();
            QVERIFY(!p->isOpen());
            QCOMPARE(Testi(LogDa(log1)), QStringList{"Disconnect [10]"});
        }
        Controllore.Modem = false;
        Controllore.DueStop = false;
    }

    // A link of the other kind is closed when connecting.
    void cambioTrasportoChiude()
    {
        QVERIFY(CollegaAlFake(fake, true, 2));
        Controllore.TipoConnessione = CollegamentoEthernet;
        Controllore.IndirizzoIP = QStringLiteral("127.0.0.1");
        Controllore.Porta = int16_t(fake.porta());
        Connetti();
        QVERIFY(Controllore.Connesso);
        QVERIFY(!Collegamento::Istanza()->MSComm1()->isOpen());
        // A connect that fails after closing the old link leaves it closed.
        QVERIFY(CollegaAlFake(fake, true, 2));
        Controllore.BaudRate.clear();
        Connetti();
        QVERIFY(!Controllore.Connesso);
        QVERIFY(!Collegamento::Istanza()->MSComm1()->isOpen());
    }
};

QTEST_MAIN(TestConnessione)
#include "test_connessione.moc"
