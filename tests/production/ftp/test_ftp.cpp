// The FTP browser without its window: the listing's line rules, a minimal
// FTP server on loopback sending chosen listing bytes (control connection
// and passive data), the failures, and one run against a real FTP server.
#include "base/Attesa.h"
#include "production/ftp/ElencoFTP.h"
#include "support/AiutiProduzione.h"
#include "support/Copione.h"
#include "support/EventiRegistrati.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <atomic>

namespace {
struct VistaFinta : VistaFTP {
    QStringList voci;
    void SvuotaElenco() override { voci.clear(); }
    void AggiungiVoce(const QString& t, int) override { voci << t; }
};

// Answers what the client asks for a root listing; the data connection is
// passive, on a second loopback listener. It runs in a thread of its own, so
// its own delays never hold the client's event loop.
class ServerFtp : public QThread {
public:
    QByteArray elenco;
    bool accetta = true;
    int ritardoFine = 0;         // ms before the end-of-transfer reply; -1 never
    bool rispondeQuit = true;
    std::atomic<int> accessi = 0;   // USER commands seen
    ~ServerFtp() override
    {
        quit();
        wait();
    }
    quint16 Avvia()
    {
        start();
        m_pronto.acquire();
        return m_porta;
    }

protected:
    void run() override
    {
        QTcpServer controllo, dati;
        controllo.listen(QHostAddress::LocalHost);
        dati.listen(QHostAddress::LocalHost);
        m_porta = controllo.serverPort();
        const QHash<QByteArray, QByteArray> risposte = {
            {"USER", "331 password"}, {"PASS", accetta ? "230 in" : "530 refused"}, {"PWD\r", "257 \"/\""},
            {"EPSV", "229 passive (|||" + QByteArray::number(dati.serverPort()) + "|)"},
            {"TYPE", "200 ok"}, {"LIST", "150 listing"}, {"QUIT", "221 bye"}};
        connect(&controllo, &QTcpServer::newConnection, &controllo, [&] {
            QTcpSocket* s = controllo.nextPendingConnection();
            s->write("220 ready\r\n");
            connect(s, &QTcpSocket::readyRead, s, [&, s] {
                while (s->canReadLine()) {
                    const QByteArray c = s->readLine().left(4);
                    accessi += c == "USER";
                    if (c == "QUIT" && !rispondeQuit) continue;
                    s->write(risposte.value(c, "502 no") + "\r\n");
                    if (c != "LIST") continue;
                    if (!dati.hasPendingConnections()) dati.waitForNewConnection(2000);
                    QTcpSocket* d = dati.nextPendingConnection();
                    d->write(elenco);
                    d->waitForBytesWritten(2000);
                    d->disconnectFromHost();
                    if (d->state() != QAbstractSocket::UnconnectedState) d->waitForDisconnected(2000);
                    if (ritardoFine < 0) continue;
                    s->flush();
                    QThread::msleep(ulong(ritardoFine));
                    s->write("226 done\r\n");
                }
            });
        });
        m_pronto.release();
        exec();
    }

private:
    QSemaphore m_pronto;
    quint16 m_porta = 0;
};

QByteArray Lunghe(int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i) out += "-rw-r--r-- 1 ftp ftp 10 Jan 1 00:00 file" + QByteArray::number(i) + "\r\n";
    return out;
}
}  // namespace

class TestFTP : public QObject {
    Q_OBJECT
    Test::EventiRegistrati eventi;
    Test::Copione copione;

    void Server(const QString& host, quint16 porta)
    {
        qputenv("WORKBENCH_FTP_HOST", host.toUtf8());
        qputenv("WORKBENCH_FTP_PORTA", QByteArray::number(porta));
    }
    QStringList Elenca(ElencoFTP& e, VistaFinta& v, bool due = false)
    {
        e.Command1_Click();
        if (due) e.Command1_Click();   // while one runs: ignored
        AttendiFinche([&] { return e.Operazione.isEmpty(); }, 10000);
        return v.voci;
    }

private slots:
    void init()
    {
        qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
        copione = Test::Copione();
        copione.Installa();
        eventi.log.clear();
    }

    void righe_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QStringList>("righe");
        QTest::newRow("empty line") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("last line unended") << QByteArray("a\r\nb") << QStringList{"a"};
    }
    void righe() { QCOMPARE(RigheElenco(DATO(QByteArray, dati)), DATO(QStringList, righe)); }

    // The whole listing after the two fixed items, however long, its bytes
    // as sent; one transfer for two clicks.
    void elenco_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QStringList>("dopo");   // the last items
        QTest::newRow("over 1500 characters") << Lunghe(40) << QStringList{"-rw-r--r-- 1 ftp ftp 10 Jan 1 00:00 file39"};
        QTest::newRow("raw line ends") << QByteArray("a\r\n\r\nb\nc\r\nd\re\r\nf") << QStringList{"a", "b\nc", "d\re"};
    }
    void elenco()
    {
        ServerFtp s;
        s.elenco = DATO(QByteArray, dati);
        Server(QStringLiteral("127.0.0.1"), s.Avvia());
        VistaFinta v;
        ElencoFTP e(v);
        const QStringList voci = Elenca(e, v, true);
        const QStringList dopo = DATO(QStringList, dopo);
        QCOMPARE(voci.size(), 2 + RigheElenco(s.elenco).size());
        QCOMPARE(voci.mid(0, 2), (QStringList{"Directory/", "../"}));
        QCOMPARE(voci.mid(voci.size() - dopo.size()), dopo);
        QCOMPARE(s.accessi.load(), 1);
        QVERIFY(eventi.log.isEmpty());
    }

    // A listing that fails keeps the two fixed items and says why in the Log;
    // without a host the user is told and nothing starts.
    void fallimenti_data()
    {
        QTest::addColumn<QString>("host");   // "fake": the loopback server, refusing the login
        QTest::addColumn<QString>("log");
        QTest::addColumn<int>("voci");
        QTest::newRow("login refused") << "fake" << "FTP listing failed: " << 2;
        QTest::newRow("not loopback") << "ftp.invalid" << "FTP listing failed: Address refused" << 2;
        QTest::newRow("no host") << "" << "" << 0;
    }
    void fallimenti()
    {
        ServerFtp s;
        s.accetta = false;
        const QString host = DATO(QString, host);
        Server(host == u"fake" ? QStringLiteral("127.0.0.1") : host, s.Avvia());
        VistaFinta v;
        ElencoFTP e(v);
        QCOMPARE(Elenca(e, v).size(), DATO(int, voci));
        const QString log = DATO(QString, log);
        QCOMPARE(eventi.Righe().size(), log.isEmpty() ? 0 : 1);
        if (!log.isEmpty()) QVERIFY2(eventi.Righe().first().startsWith(log), qPrintable(eventi.Righe().first()));
        QCOMPARE(copione.Messaggi().size(), host.isEmpty() ? 1 : 0);
    }

    // A server slow with its end-of-transfer reply, one that never answers
    // QUIT, one that goes silent after the data: the window's event loop is
    // never held, and silence ends in the failure after the time-out.
    void serverLento_data()
    {
        QTest::addColumn<int>("ritardo");
        QTest::addColumn<bool>("quit");
        QTest::addColumn<bool>("riuscito");
        QTest::newRow("slow end-of-transfer reply") << 600 << true << true;
        QTest::newRow("no reply to QUIT") << 0 << false << true;
        QTest::newRow("silent after the data") << -1 << false << false;
    }
    void serverLento()
    {
        ServerFtp s;
        s.elenco = "a\r\nb\r\n";
        s.ritardoFine = DATO(int, ritardo);
        s.rispondeQuit = DATO(bool, quit);
        Server(QStringLiteral("127.0.0.1"), s.Avvia());
        VistaFinta v;
        ElencoFTP e(v);
        e.Inet1().TempoRispostaMs = 1000;
        QElapsedTimer orologio, totale;
        qint64 piuLungo = 0;
        QTimer battito;
        battito.setInterval(10);
        connect(&battito, &QTimer::timeout, this, [&] { piuLungo = std::max(piuLungo, orologio.restart()); });
        orologio.start();
        totale.start();
        battito.start();
        const QStringList voci = Elenca(e, v);
        // Whatever comes after the result (closing the session) must not
        // hold the loop either.
        Attesa(0.3);
        battito.stop();
        QVERIFY2(piuLungo <= 100, qPrintable(QStringLiteral("event loop held %1 ms").arg(piuLungo)));
        if (DATO(bool, riuscito)) {
            QCOMPARE(voci, (QStringList{"Directory/", "../", "a", "b"}));
            QVERIFY(eventi.log.isEmpty());
        } else {
            QCOMPARE(voci.size(), 2);
            QCOMPARE(eventi.Righe().size(), 1);
            QVERIFY(eventi.Righe().first().startsWith(QLatin1String("FTP listing failed: ")));
            QVERIFY(totale.elapsed() >= 1000);
        }
    }

    // A real FTP server on 127.0.0.1 with the built-in account.
    void server_reale()
    {
        // Debian's interpreter, which the package installs into.
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3") : QStringLiteral("python3");
        if (QProcess::execute(python, {QStringLiteral("-c"), QStringLiteral("import pyftpdlib")}) != 0)
            QSKIP("python3-pyftpdlib is not installed (scripts/setup.sh --test installs it)");
        QTemporaryDir radice;
        for (const char* n : {"alpha.txt", "beta.bin"}) QFile(radice.filePath(QString::fromLatin1(n))).open(QIODevice::WriteOnly);
        QTcpServer libera;
        libera.listen(QHostAddress(QStringLiteral("127.0.0.1")));
        const quint16 porta = libera.serverPort();
        libera.close();
        QProcess ftpd;
        ftpd.start(python, {"-m", "pyftpdlib", "-i", "127.0.0.1", "-p", QString::number(porta), "-d",
                                               radice.path(), "-u", "karveno", "-P", "kor-mel"});
        QTcpSocket prova;
        QVERIFY(AttendiFinche([&] {
            if (prova.state() == QAbstractSocket::UnconnectedState) prova.connectToHost(QStringLiteral("127.0.0.1"), porta);
            return prova.state() == QAbstractSocket::ConnectedState;
        }, 10000));
        prova.abort();
        Server(QStringLiteral("127.0.0.1"), porta);
        qunsetenv("WORKBENCH_FTP_UTENTE");
        VistaFinta v;
        ElencoFTP e(v);
        const QStringList voci = Elenca(e, v);
        ftpd.kill();
        ftpd.waitForFinished();
        QCOMPARE(voci.size(), 4);
        QVERIFY(voci[2].endsWith(QLatin1String(" alpha.txt")));
        QVERIFY(voci[3].endsWith(QLatin1String(" beta.bin")));
    }
};

QTEST_GUILESS_MAIN(TestFTP)
#include "test_ftp.moc"
