// The link's reports as the workbench shows them: status panels, the Log
// and the toolbar groups after connect, a transaction and disconnect.
#include "Aiuti.h"
#include "comm/Comunica.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "shell/Principale.h"

#include <QAction>
#include <QtTest>

using namespace Test;

class TestCollegamento : public QObject, ProvaFake {
    Q_OBJECT

    static bool Abilitato(const char* k) { return Principale::Istanza()->Pulsante(QLatin1String(k))->isEnabled(); }
    static QString Pannello(int n) { return Principale::Istanza()->Pannello(n); }

private slots:
    void initTestCase() { Avvia(2); }

    void tcp()
    {
        Prepara(false, 2);
        QCOMPARE(Pannello(1), QStringLiteral("Connected"));
        const int log0 = RigheLog();
        fake.Accoda(FakeController::Risposta::Nessuna());
        Richiesta(Hex("0a0300000001"));
        QCOMPARE(int(Comunica(false)), 1);
        QCOMPARE(Pannello(4), QStringLiteral("Com TimeOut"));
        Richiesta(Hex("0a0300000001"));
        QCOMPARE(int(Comunica(false)), 0);
        QCOMPARE(Pannello(4), QStringLiteral("Com OK"));
        ComErr = 1;
        Disconnetti();
        const QStringList log = LogDa(log0);
        QCOMPARE(Testi(log), (QStringList{"Com Timeout", "Disconnect [127.0.0.1]"}));
        QCOMPARE(log.size(), 4);
        QCOMPARE(Pannello(4), QString());
        QCOMPARE(Pannello(1), QStringLiteral("Not Connected"));
        for (const char* k : {"debug", "download", "run", "stop"}) QVERIFY2(!Abilitato(k), k);
    }

    void tcpFallito()
    {
        NuovoCopione();
        ComErr = 1;
        Disconnetti();
        Controllore.TipoConnessione = CollegamentoEthernet;
        Controllore.IndirizzoIP = QStringLiteral("192.168.1.100");
        Connetti();
        QVERIFY(!Controllore.Connesso);
        QVERIFY(!Abilitato("debug") && !Abilitato("download"));
    }

    void seriale()
    {
        Prepara(true, 2);
        QCOMPARE(Pannello(1), QStringLiteral("Port Open"));
    }
};

QTEST_MAIN(TestCollegamento)
#include "test_collegamento.moc"
