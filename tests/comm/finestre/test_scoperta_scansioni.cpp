// The Modbus address scans of the device search window: on a serial line
// (a fake controller on a pseudo-terminal) and behind a Modbus-TCP gateway
// (a fake on loopback TCP), and making a found device the controller.
#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/finestre/frm_search.h"
#include "comm/Scoperta.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "support/AiutiRicerca.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

using Test::FakeController;
using Test::Figli;

namespace {
// Devices on the line: the unit asked -> the address the device reports.
FakeController::Risposta Dispositivi_(QMap<int, int> presenti)
{
    return FakeController::Risposta::Funzione([presenti](const QByteArray& q) {
        const int unita = uint8_t(q.at(0));
        if (!presenti.contains(unita)) return QByteArray() + q.at(0) + char(0x84) + char(0x0B);
        // registers 0..6, high byte first: version 1.2.3.4, name "QVR5"
        // (low byte first in each register), address in register 6
        return QByteArray() + q.at(0) + char(4) + char(14) + QByteArray::fromHex("00000102030456513552000000")
             + char(presenti.value(unita));
    });
}
} // namespace

class TestScansioni : public QObject {
    Q_OBJECT
    frm_search* w = nullptr;
    template <class T> T* C(const char* nome) { return w->findChild<T*>(QString::fromLatin1(nome)); }
    QTreeWidgetItem* N(const QString& chiave) { return w->Nodo(chiave); }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        w = Finestre::Get<frm_search>();
    }

    void seriale()
    {
        FakeController f;
        QVERIFY(f.AvviaRtu(3));
        for (int i = 0; i < 5; ++i) f.Accoda(Dispositivi_({{6, 6}, {9, 7}}));
        Test::Copione copione;
        copione.Installa();
        C<QComboBox>("cmb_porta")->setCurrentIndex(3);
        w->cmb_porta_Click();
        C<QRadioButton>("chk_baud_5")->setChecked(true);
        C<QLineEdit>("txt_Timeout")->setText(QStringLiteral("1000"));
        C<QLineEdit>("txt_indir_0")->setText(QStringLiteral("5"));
        C<QLineEdit>("txt_indir_1")->setText(QStringLiteral("9"));
        Dispositivi[2].IndirizzoIP = QStringLiteral("stale");
        w->cmd_Search_Click();

        QCOMPARE(f.Richieste.size(), 5);
        for (int a = 5; a <= 9; ++a) QCOMPARE(f.Richieste[a - 5], char(a) + QByteArray::fromHex("0400000007"));
        QCOMPARE(N("rete")->text(0), QStringLiteral("COM3"));
        QCOMPARE(Figli(N("rete")), (QStringList{"QVR5 [6]", "QVR5 [7]"}));   // as each reports itself
        QCOMPARE(Figli(N("nodo1")), (QStringList{"Addr: 6", "Vers: 1234"}));
        QCOMPARE(int(Dispositivi[1].TipoConnessione), 1);
        QCOMPARE(int(Dispositivi[1].Porta), 3);
        QCOMPARE(Dispositivi[1].BaudRate, QStringLiteral("38400"));
        QVERIFY(Dispositivi[2].IndirizzoIP.isEmpty());
        QCOMPARE(int(Dispositivi[2].Nodo), 7);
        // The link stays open on the scanned port.
        QVERIFY(Controllore.Connesso);
        QCOMPARE(int(Controllore.TipoConnessione), 1);
        QCOMPARE(int(Controllore.Porta), 3);
        QCOMPARE(Controllore.BaudRate, QStringLiteral("38400"));
        QCOMPARE(int(ComTimeout), 1);
        QVERIFY(Principale::Istanza()->Pannello(5).startsWith(QStringLiteral("COM3")));
        QVERIFY(copione.Messaggi().isEmpty());

        // The second device becomes the controller over the same line.
        w->Elenco_NodeClick(N("vers2"));
        f.SvuotaCopione();
        f.Richieste.clear();
        w->SetAsController();
        QVERIFY(Controllore.Connesso);
        QCOMPARE(int(Controllore.Nodo), 7);
        QCOMPARE(int(Controllore.TimeoutTCP), 1000);
        QVERIFY(!f.Richieste.isEmpty());
        for (const QByteArray& r : f.Richieste) QCOMPARE(int(uint8_t(r.at(0))), 7);
        Disconnetti();
    }

    // A short time-out still leaves a serial reply time to arrive: the
    // scan finds the device, and the link it leaves open keeps working.
    void serialeTimeoutBreve()
    {
        FakeController f;
        QVERIFY(f.AvviaRtu(3));
        f.Accoda(Dispositivi_({{6, 6}}));
        C<QComboBox>("cmb_porta")->setCurrentIndex(3);
        w->cmb_porta_Click();
        C<QLineEdit>("txt_Timeout")->setText(QStringLiteral("400"));
        C<QLineEdit>("txt_indir_0")->setText(QStringLiteral("6"));
        C<QLineEdit>("txt_indir_1")->setText(QStringLiteral("6"));
        w->cmd_Search_Click();
        QCOMPARE(Figli(N("rete")), QStringList{"QVR5 [6]"});
        QCOMPARE(int(ComTimeout), 1);

        QVERIFY(Controllore.Connesso);
        f.Accoda(Dispositivi_({{6, 6}}));
        PreparaIdentificazione(6);
        Canale = CanaleRTU;
        QCOMPARE(int(Comunica(false)), int(ComOk));
        Disconnetti();
    }

    void sottoNodi()
    {
        FakeController f;
        QVERIFY(f.AvviaTcp());
        Test::FakeUdp udp;
        udp.Punta();
        // Two gateways (the second answers twice as the same fake).
        for (int i = 0; i < 2; ++i) udp.Rispondi(Test::kCercaGateway, Test::RispostaGatewayFinta());
        Test::CercaTcp(w, false, true, QStringLiteral("300"));
        QCOMPARE(int(Dispositivi[1].Modello), 12);

        Controllore.TipoConnessione = CollegamentoEthernet;
        Controllore.Porta = int16_t(f.porta());
        // The third scan is behind the second gateway.
        for (const QString g : {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2")}) {
            f.SvuotaCopione();
            f.Richieste.clear();
            f.Accoda(FakeController::Risposta::Predefinita());   // the pause command
            for (int i = 0; i < 10; ++i) f.Accoda(Dispositivi_({{1, 1}, {2, 2}}));
            // Stop once address 3 was asked.
            const auto c = connect(&f, &FakeController::RichiestaRicevuta, this, [&] {
                if (f.Richieste.size() >= 4) w->cmd_stop_Click();
            });
            w->Elenco_NodeClick(N(QStringLiteral("mac") + g));
            w->SearchSubNodes();
            disconnect(c);
            QCOMPARE(f.Richieste.value(0), QByteArray::fromHex("000600000064"));   // pause, to the gateway's unit
            QCOMPARE(f.Richieste.value(1), QByteArray::fromHex("010400000007"));
            QCOMPARE(f.Richieste.size(), 4);
            QTreeWidgetItem* sub = N(QStringLiteral("subNet") + g);
            QVERIFY(sub);
            QCOMPARE(sub->text(0), QStringLiteral("SubNet"));
            QCOMPARE(sub->parent(), N(QStringLiteral("nodo") + g));
            QCOMPARE(Figli(sub), (QStringList{"QVR5 [1]", "QVR5 [2]"}));
            QCOMPARE(Figli(sub->child(1)), (QStringList{"Addr: 2", "Vers: 1234"}));
        }
        // The first gateway's branch is still whole.
        QCOMPARE(Figli(N(QStringLiteral("subNet1"))), (QStringList{"QVR5 [1]", "QVR5 [2]"}));
        QVERIFY(Controllore.Connesso);
        QCOMPARE(Controllore.IndirizzoIP, QStringLiteral("127.0.0.1"));
        QCOMPARE(int(Controllore.TimeoutTCP), 300);
        w->Elenco_NodeClick(N(QStringLiteral("nodoB2")));
        QCOMPARE(w->IndiceDispositivo(), 0);
        Disconnetti();
    }

    void initForzaNodo10()
    {
        Test::FakeUdp udp;
        udp.Punta();
        udp.Rispondi("0001", Test::RispostaControlloreFinta("QVR4555", 17, 1, 0));
        Test::CercaTcp(w, true, false, QStringLiteral("300"));
        QCOMPARE(int(Dispositivi[1].Nodo), 17);
        Test::Copione copione;   // nothing listens on 127.0.0.1:502 here
        copione.Installa();
        w->Elenco_NodeClick(N(QStringLiteral("addr1")));
        w->SetAsController();
        QCOMPARE(int(Controllore.Nodo), 10);
        QCOMPARE(Controllore.IndirizzoIP, QStringLiteral("127.0.0.1"));
        QCOMPARE(int(Controllore.Porta), 502);
        QCOMPARE(int(Controllore.TimeoutTCP), 1000);
    }
};

QTEST_MAIN(TestScansioni)
#include "test_scoperta_scansioni.moc"
