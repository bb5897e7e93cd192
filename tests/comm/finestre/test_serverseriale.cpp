// Device-server set-up: the manual set-up's command lines (run by fake
// programs that record their arguments) and the scripted dialogue on the
// set-up port (against a fake device server on loopback).
#include "base/Attesa.h"
#include "comm/Dispositivo.h"
#include "comm/finestre/frm_search.h"
#include "comm/ServerSeriale.h"
#include "shell/Finestre.h"
#include "support/AiutiRicerca.h"
#include "support/Ambiente.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// Answers each text it receives with the next reply of its list, after a
// greeting sent in parts.
class ServerFinto : public QObject {
public:
    QList<QByteArray> saluto;          // parts, 100 ms apart
    QList<int> risposte;               // reply lengths, one per text received
    QByteArray ricevuto;
    QTcpServer server;
    ServerFinto()
    {
        server.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = server.nextPendingConnection();
            for (int i = 0; i < saluto.size(); ++i)
                QTimer::singleShot(100 * i, s, [s, p = saluto[i]] { s->write(p); });
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                ricevuto += s->readAll();
                if (!risposte.isEmpty()) s->write(QByteArray(risposte.takeFirst(), 'm'));
            });
        });
    }
};
} // namespace

class TestServerSeriale : public QObject {
    Q_OBJECT
    frm_search* w = nullptr;
    Test::PagineAperte pagine;

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        w = Finestre::Get<frm_search>();
    }

    // The fields become program arguments only when every one is sound: two
    // hex digits per MAC field, 0-255 per IP field; else nothing runs.
    void manuale_data()
    {
        QTest::addColumn<int>("tipo");          // 0 device server, 1 controller, -1 neither
        QTest::addColumn<QString>("campi");     // 6 MAC and 4 IP fields
        QTest::addColumn<QStringList>("righe"); // empty: refused
        const QString porta = QString::number(PortaSetupServer());
        const QString buoni = QStringLiteral("00,1a,2B,3c,4D,5e,127,0,0,9");
        const QString arp = QStringLiteral("arp -s 127.0.0.9 00:1A:2B:3C:4D:5E");
        QTest::newRow("device server") << 0 << buoni
                                       << QStringList{arp, "telnet 127.0.0.9 1", "x-terminal-emulator -e telnet 127.0.0.9 " + porta};
        QTest::newRow("controller") << 1 << buoni << QStringList{arp, "ping -c 4 127.0.0.9"};
        QTest::newRow("neither") << -1 << buoni << QStringList{arp};
        QTest::newRow("leading zeros") << -1 << "00,1a,2B,3c,4D,5e,127,00,0,009" << QStringList{arp};
        QTest::newRow("MAC not hex") << 1 << "00,1a,2B,3c,4D,5x,127,0,0,9" << QStringList{};
        QTest::newRow("MAC one digit") << 1 << "0,1a,2B,3c,4D,5e,127,0,0,9" << QStringList{};
        QTest::newRow("MAC empty") << 1 << ",1a,2B,3c,4D,5e,127,0,0,9" << QStringList{};
        QTest::newRow("MAC shell") << 1 << "00,1a,2B,3c,4D,&&,127,0,0,9" << QStringList{};
        QTest::newRow("IP 256") << 1 << "00,1a,2B,3c,4D,5e,1,2,3,256" << QStringList{};
        QTest::newRow("IP empty") << 1 << "00,1a,2B,3c,4D,5e,1,,3,4" << QStringList{};
        QTest::newRow("IP shell") << 1 << "00,1a,2B,3c,4D,5e,1,2,3,4;" << QStringList{};
    }
    void manuale()
    {
        QFETCH(int, tipo);
        QFETCH(QString, campi);
        QFETCH(QStringList, righe);
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("log"));
        for (const char* nome : {"arp", "ping", "telnet", "x-terminal-emulator"}) {
            QFile f(dir.filePath(QString::fromLatin1(nome)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\necho \"${0##*/} $*\" >> '" + log.toUtf8() + "'\n");
            f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8());
        const QStringList c = campi.split(QLatin1Char(','));
        for (int i = 0; i < 6; ++i) w->findChild<QLineEdit*>(QStringLiteral("txt_mac_%1").arg(i))->setText(c[i]);
        for (int i = 0; i < 4; ++i) w->findChild<QLineEdit*>(QStringLiteral("txt_ip_%1").arg(i))->setText(c[6 + i]);
        for (int i = 0; i < 2; ++i) {
            auto* o = w->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(i));
            o->setAutoExclusive(false);
            o->setChecked(i == tipo);
            o->setAutoExclusive(true);
        }
        pagine.aperti.clear();
        Test::Copione copione;
        copione.Installa();
        w->cmd_Manual_Click();
        const auto letto = [&] {
            QFile f(log);
            QStringList r = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList();
            r.sort();
            return r;
        };
        // Nothing signals a write to the file: a timer wakes the wait to look.
        QTimer sveglia;
        sveglia.start(20);
        AttendiFinche([&] { return letto().size() >= righe.size(); }, 3000);
        Attesa(0.2);
        qputenv("PATH", path);
        righe.sort();
        QCOMPARE(letto(), righe);
        QCOMPARE(copione.Messaggi(), righe.isEmpty() ? QStringList{"Error: Check Values"} : QStringList{});
        QCOMPARE(pagine.aperti, tipo == 1 && !righe.isEmpty() ? QStringList{"http://127.0.0.9"} : QStringList{});
    }

    // The answer to each step is judged on all text received since its send.
    void dialogo_data()
    {
        QTest::addColumn<QList<QByteArray>>("saluto");   // empty: nobody listens
        QTest::addColumn<QList<int>>("risposte");
        QTest::addColumn<QString>("esito");
        QTest::addColumn<int>("passiInviati");
        const QList<int> tutte{900, 200, 800, 40, 1000, 40};
        const QString salvati = QStringLiteral("Parameters saved, Restarting ...");
        QTest::newRow("saved") << QList<QByteArray>{QByteArray(120, 'g')} << tutte << salvati << 7;
        QTest::newRow("greeting in two parts") << QList<QByteArray>{QByteArray(60, 'g'), QByteArray(60, 'h')} << tutte
                                               << salvati << 7;
        QTest::newRow("short greeting") << QList<QByteArray>{QByteArray(99, 'g')} << tutte << "errore" << 1;
        QTest::newRow("short at step 4") << QList<QByteArray>{QByteArray(120, 'g')} << QList<int>{900, 200, 799}
                                         << "errore" << 4;
        QTest::newRow("no server") << QList<QByteArray>{} << tutte << "errore" << 0;
    }
    void dialogo()
    {
        QFETCH(QList<QByteArray>, saluto);
        QFETCH(QList<int>, risposte);
        QFETCH(QString, esito);
        QFETCH(int, passiInviati);
        {
            Test::FakeUdp fake;
            fake.Punta();
            fake.Rispondi(Test::kCercaGateway, Test::RispostaGatewayFinta());
            Test::CercaTcp(w, false, true);
        }
        w->Elenco_NodeClick(w->Nodo(QStringLiteral("nodo1")));
        QCOMPARE(int(Dispositivi[1].Modello), 12);
        ServerFinto server;
        server.saluto = saluto;
        server.risposte = risposte;
        qputenv("WORKBENCH_TELNET_PORT", QByteArray::number(server.server.serverPort()));
        if (saluto.isEmpty()) server.server.close();
        Dispositivi[1].IndirizzoIP = QStringLiteral("127.0.0.1");
        Test::Copione copione;
        copione.Rispondi(Prompt::Ok);
        copione.Installa();
        w->Elenco_DblClick();
        QCOMPARE(copione.Messaggi(), (QStringList{"Write default prog?", esito}));
        QByteArray atteso;
        for (int i = 0; i < passiInviati; ++i) atteso += PassiConfigurazioneDefault()[i].testo;
        AttendiFinche([&] { return server.ricevuto.size() >= atteso.size(); }, 1000);
        QCOMPARE(server.ricevuto, atteso);
        if (passiInviati == 7) QCOMPARE(int(PassiConfigurazioneDefault().size()), 7);   // all of them
    }
};

QTEST_MAIN(TestServerSeriale)
#include "test_serverseriale.moc"
