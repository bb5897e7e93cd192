// The device search window: UDP search into the tree and the table, node
// selection, and the device actions that need no controller link.
#include "comm/AreaComunicazione.h"
#include "comm/Checksum.h"
#include "comm/Rete.h"
#include "comm/Scoperta.h"
#include "comm/frm_search.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "shell/Principale.h"
#include "shell/convert/Attesa.h"
#include "shell/model/Globali.h"
#include "support/Ambiente.h"
#include "support/FakeUdp.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

using Test::RispostaControlloreFinta;

namespace {
const QByteArray kMac("\x00\x1A\x2B\x3C\x4D\x5E", 6);
const QByteArray kIp("\xC0\xA8\x01\x64", 4);
const QByteArray kMask("\xFF\xFF\xFF\x00", 4);
const QHostAddress kDev1(QStringLiteral("127.0.0.2"));
const QHostAddress kGw(QStringLiteral("127.0.0.3"));

QByteArray RispostaGateway()
{
    return QByteArray(24, '\x01') + QByteArray("\x00\x20\x4A\x01\x02\x03", 6);
}

QStringList Figli(QTreeWidgetItem* n)
{
    QStringList out;
    for (int i = 0; n && i < n->childCount(); ++i) out << n->child(i)->text(0);
    return out;
}
} // namespace

class TestSearch : public QObject {
    Q_OBJECT
public slots:
    void apri(const QUrl& u) { aperti << u.toString(); }

private:
    frm_search* w = nullptr;
    Test::FakeUdp* fake = nullptr;
    QStringList aperti;
    template <class T> T* C(const char* nome) { return w->findChild<T*>(QString::fromLatin1(nome)); }
    void Clic(const QString& chiave) { w->Elenco_NodeClick(w->Nodo(chiave)); }
    // A search on TCP/IP with the given families.
    void Cerca(bool controllori, bool gateway)
    {
        C<QComboBox>("cmb_porta")->setCurrentIndex(0);
        C<QLineEdit>("txt_Timeout")->setText(QStringLiteral("150"));
        C<QCheckBox>("chk_disp_ethernet_0")->setChecked(controllori);
        C<QCheckBox>("chk_disp_ethernet_1")->setChecked(gateway);
        w->cmd_Search_Click();
    }

    // SetIP on the selected entry says why it cannot and sends nothing,
    // without asking for an address.
    void SetIPRifiutato()
    {
        Test::Copione copione;
        copione.RispondiTesto(QStringLiteral("10.0.0.5"));
        copione.Installa();
        fake->ricevuti.clear();
        w->SetIP();
        QCOMPARE(copione.richieste.size(), 1);
        QCOMPARE(copione.richieste[0].tipo, Prompt::Tipo::Messaggio);
        Attesa(0.1);
        QVERIFY(fake->ricevuti.isEmpty());
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        w = Finestre::Get<frm_search>();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "apri");
    }
    void init()
    {
        fake = new Test::FakeUdp;
        fake->Punta();
        fake->Rispondi("0001", RispostaControlloreFinta("QVR4555", kMac, kIp, kMask, 17, 1, 1), kDev1);
        fake->Rispondi(QByteArray("\x00\x00\x00\xF6", 4), RispostaGateway(), kGw);
    }
    void cleanup() { delete fake; }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    void ricercaEthernet()
    {
        Dispositivi[1].TipoConnessione = 1;   // left by an earlier serial scan
        Dispositivi[1].BaudRate = QStringLiteral("9600");
        Cerca(true, true);
        QCOMPARE(fake->ricevuti, (QList<QByteArray>{"0001", QByteArray("\x00\x00\x00\xF6", 4)}));
        QCOMPARE(w->Nodo("rete")->text(0), QStringLiteral("Ethernet"));
        QCOMPARE(w->Nodo("rete")->childCount(), 2);
        QCOMPARE(w->Nodo("nodo1")->text(0), QStringLiteral("QVR4555 [127.0.0.2]"));
        QCOMPARE(Figli(w->Nodo("nodo1")),
                 (QStringList{"IP: 127.0.0.2", "MAC: 00-1A-2B-3C-4D-5E", "IP_EE: 192.168.1.100",
                              "Mask: 255.255.255.0", "Addr: 17", "Init: 1"}));
        QCOMPARE(w->Nodo("nodo2")->text(0), NomiModello[24]);
        QCOMPARE(Figli(w->Nodo("nodo2")), (QStringList{"IP: 127.0.0.3", "MAC: 00-20-4A-01-02-03"}));
        QCOMPARE(w->ChiaveNodo(w->Nodo("mac2")), QStringLiteral("mac2"));
        QCOMPARE(C<QLabel>("lbl_search")->text(), QStringLiteral("Search Complete"));
        QCOMPARE(w->IndiceDispositivo(), 2);

        const Dispositivo& c = Dispositivi[1];
        QCOMPARE(c.IndirizzoIP, QStringLiteral("127.0.0.2"));
        QCOMPARE(int(c.Porta), 502);
        QCOMPARE(int(c.Nodo), 17);
        QVERIFY(c.InitAttivo);
        QCOMPARE(int(c.TipoConnessione), 0);
        QVERIFY(c.BaudRate.isEmpty());
        QCOMPARE(int(Dispositivi[2].Modello), 12);
        QCOMPARE(Dispositivi[2].MAC, QStringLiteral("00-20-4A-01-02-03"));
        QCOMPARE(int(Dispositivi[2].Nodo), 0);
        QVERIFY(!AttesaUDP && !AttesaUDPGateway);
    }

    void nessunaFamiglia()
    {
        Cerca(false, false);
        QVERIFY(fake->ricevuti.isEmpty());
        QCOMPARE(w->Nodo("rete")->childCount(), 0);
        QCOMPARE(C<QLabel>("lbl_search")->text(), QStringLiteral("Search Complete"));
    }

    void timeout_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("com");   // -1: refused
        QTest::newRow("1500") << "1500" << 2;
        QTest::newRow("2500") << "2500" << 2;
        QTest::newRow("400") << "400" << 0;
        QTest::newRow("text") << "abc" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("negative") << "-5" << -1;
        QTest::newRow("too big") << "100000" << -1;
    }
    void timeout()
    {
        QFETCH(QString, testo);
        QFETCH(int, com);
        Cerca(true, false);
        ComTimeout = 7;
        Test::Copione copione;
        copione.Installa();
        C<QCheckBox>("chk_disp_ethernet_0")->setChecked(false);
        C<QLineEdit>("txt_Timeout")->setText(testo);
        QTreeWidgetItem* prima = w->Nodo("nodo1");
        w->cmd_Search_Click();
        if (com < 0) {
            QCOMPARE(copione.Messaggi(), QStringList{"Error: Check Values"});
            QCOMPARE(int(ComTimeout), 7);
            QCOMPARE(w->Nodo("nodo1"), prima);   // the last list stays
        } else {
            QVERIFY(copione.Messaggi().isEmpty());
            QCOMPARE(int(ComTimeout), com);
        }
    }

    void intervalloSeriale_data()
    {
        QTest::addColumn<QString>("da");
        QTest::addColumn<QString>("a");
        QTest::newRow("from above to") << "5" << "3";
        QTest::newRow("256") << "1" << "256";
        QTest::newRow("negative") << "-1" << "3";
        QTest::newRow("text") << "x" << "3";
    }
    void intervalloSeriale()
    {
        QFETCH(QString, da);
        QFETCH(QString, a);
        Cerca(true, false);
        const Dispositivo prima = Controllore;
        Test::Copione copione;
        copione.Installa();
        C<QComboBox>("cmb_porta")->setCurrentIndex(3);
        w->cmb_porta_Click();
        C<QLineEdit>("txt_indir_0")->setText(da);
        C<QLineEdit>("txt_indir_1")->setText(a);
        w->cmd_Search_Click();
        QCOMPARE(copione.Messaggi(), QStringList{"Error: Check Values"});
        QCOMPARE(int(Controllore.Porta), int(prima.Porta));
        QCOMPARE(int(Controllore.TipoConnessione), int(prima.TipoConnessione));
        QVERIFY(w->Nodo("nodo1"));
        QVERIFY(C<QWidget>("frm_opz_0")->isVisibleTo(w));
        C<QComboBox>("cmb_porta")->setCurrentIndex(0);
        w->cmb_porta_Click();
        QVERIFY(!C<QWidget>("frm_opz_0")->isVisibleTo(w));
    }

    void selezione()
    {
        for (int i = 0; i < 11; ++i)
            fake->Rispondi("0001", RispostaControlloreFinta("MORE", kMac, kIp, kMask, 1, 0, 0));
        Cerca(true, false);
        QCOMPARE(w->IndiceDispositivo(), 12);
        Clic("rete");
        QCOMPARE(w->IndiceDispositivo(), 0);
        Clic("addr12");
        QCOMPARE(w->IndiceDispositivo(), 12);
        Clic("Mask3");
        QCOMPARE(w->IndiceDispositivo(), 3);
        // Nodes behind a gateway have no entries.
        QTreeWidgetItem sotto;
        sotto.setData(0, Qt::UserRole, QStringLiteral("versB4"));
        w->Elenco_NodeClick(&sotto);
        QCOMPARE(w->IndiceDispositivo(), 0);
    }

    void risposteStrane()
    {
        fake->Rispondi("0001", RispostaControlloreFinta("QVR4555", kMac, kIp, kMask, 17, 1, 1), kDev1);   // twice
        fake->Rispondi("0001", QByteArray(3000, 'Z'));
        fake->Rispondi("0001", QByteArray("abc"));
        Cerca(true, false);
        QCOMPARE(w->IndiceDispositivo(), 4);
        QCOMPARE(w->Nodo("rete")->childCount(), 4);
        bool corta = false;
        for (int i = 1; i <= 4; ++i)
            if (w->Nodo(QStringLiteral("nodo%1").arg(i))->text(0).startsWith(QStringLiteral("abc ["))) {
                corta = true;
                QCOMPARE(Figli(w->Nodo(QStringLiteral("nodo%1").arg(i))).at(1), QStringLiteral("MAC: "));
                // No MAC bytes: the address cannot be set.
                Clic(QStringLiteral("nodo%1").arg(i));
                SetIPRifiutato();
            }
        QVERIFY(corta);
    }

    void tabellaPiena()
    {
        Cerca(true, false);
        AttesaUDP = true;
        for (int i = 0; i < 300; ++i) w->UDP_DataArrival(RispostaControlloreFinta("X", kMac, kIp, kMask, 1, 0, 0), kDev1);
        AttesaUDP = false;
        QCOMPARE(w->IndiceDispositivo(), 255);
        QCOMPARE(w->Nodo("rete")->childCount(), 255);
        QVERIFY(!w->Nodo("nodo256"));
    }

    void setIP_data()
    {
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QByteArray>("ottetti");   // empty: nothing sent
        QTest::addColumn<bool>("messaggio");
        QTest::newRow("10.0.0.5") << "10.0.0.5" << QByteArray("\x0A\x00\x00\x05", 4) << false;
        QTest::newRow("missing piece") << "192.168.1" << QByteArray("\xC0\xA8\x01\x00", 4) << false;
        QTest::newRow("300") << "10.0.0.300" << QByteArray() << true;
        QTest::newRow("five pieces") << "1.2.3.4.5" << QByteArray() << true;
        QTest::newRow("cancel") << "" << QByteArray() << false;
    }
    void setIP()
    {
        QFETCH(QString, risposta);
        QFETCH(QByteArray, ottetti);
        QFETCH(bool, messaggio);
        Cerca(true, true);
        Clic("init1");
        fake->ricevuti.clear();
        Test::Copione copione;
        if (risposta.isEmpty()) copione.Annulla();
        else copione.RispondiTesto(risposta);
        copione.Installa();
        AttesaUDP = true;   // a set-IP drops both discovery flags
        w->SetIP();
        QCOMPARE(AttesaUDP, ottetti.isEmpty());
        AttesaUDP = false;
        QCOMPARE(copione.richieste.value(0).testo, QStringLiteral("Insert IP address"));
        QCOMPARE(copione.richieste.value(0).titolo, QStringLiteral("Mirok"));
        QCOMPARE(!copione.Messaggi().isEmpty(), messaggio);
        if (ottetti.isEmpty()) {
            Attesa(0.1);
            QVERIFY(fake->ricevuti.isEmpty());
            return;
        }
        QVERIFY(AttendiFinche([&] { return !fake->ricevuti.isEmpty(); }, 2000));
        QByteArray atteso = QByteArray("0002") + kMac + ottetti;
        atteso += char(CalcolaCRC8(atteso));
        QCOMPARE(fake->ricevuti.first(), atteso);
    }

    void setIPGateway()
    {
        Cerca(true, true);
        Clic("nodo2");
        SetIPRifiutato();
    }

    void copia()
    {
        Cerca(true, true);
        QClipboard* cb = QGuiApplication::clipboard();
        Clic("mac1");
        w->CopyIP();
        QCOMPARE(cb->text(), QStringLiteral("127.0.0.2"));
        w->CopyMAC();
        QCOMPARE(cb->text(), QStringLiteral("00-1A-2B-3C-4D-5E"));
        Clic("ip2");
        w->CopyMAC();
        QCOMPARE(cb->text(), QStringLiteral("00-20-4A-01-02-03"));
        Clic("rete");
        cb->setText(QStringLiteral("sentinel"));
        w->CopyIP();
        w->CopyMAC();
        QCOMPARE(cb->text(), QStringLiteral("sentinel"));
    }

    // The main window's device menu acts on the selected entry.
    void menu()
    {
        Cerca(true, true);
        QMenu* cont = Principale::Istanza()->Popup(QStringLiteral("mnu_Cont"));
        QVERIFY(cont);
        const auto voce = [cont](const char* nome) { return cont->findChild<QAction*>(QString::fromLatin1(nome)); };
        QClipboard* cb = QGuiApplication::clipboard();
        Clic("mac2");
        voce("mnu_CopyMAC")->trigger();
        QCOMPARE(cb->text(), QStringLiteral("00-20-4A-01-02-03"));
        Clic("ip1");
        voce("mnu_CopyIP")->trigger();
        QCOMPARE(cb->text(), QStringLiteral("127.0.0.2"));
        aperti.clear();
        voce("mnu_ViewHomePage")->trigger();
        QCOMPARE(aperti, QStringList{"http://127.0.0.2"});
        w->hide();
        Principale::Istanza()->Menu(QStringLiteral("mnu_search"))->trigger();
        QVERIFY(!w->isHidden());
    }

    void doppioClic()
    {
        Cerca(true, true);
        aperti.clear();
        Clic("nodo1");
        w->Elenco_DblClick();
        QCOMPARE(aperti, QStringList{"http://127.0.0.2"});
        Clic("rete");
        w->Elenco_DblClick();
        QCOMPARE(aperti.size(), 1);
        // A device server offers its set-up; Cancel does nothing more.
        Test::Copione copione;
        copione.Rispondi(Prompt::Annulla);
        copione.Installa();
        Clic("nodo2");
        w->Elenco_DblClick();
        QCOMPARE(copione.Messaggi(), QStringList{"Write default prog?"});
        QCOMPARE(copione.richieste[0].pulsanti, int(Prompt::OkAnnulla));
        QCOMPARE(aperti.size(), 1);
    }

    void marchi()
    {
        Marchio700 = true;
        w->SetRes();
        Cerca(true, false);
        Marchio700 = false;
        QCOMPARE(w->Nodo("nodo1")->text(0), QStringLiteral("PRW3 [127.0.0.2]"));
        QVERIFY(!w->Nodo("SwInt1"));
        // The production edition also shows the internal switch.
        ModoProduzione = true;
        Cerca(true, false);
        ModoProduzione = false;
        QCOMPARE(w->Nodo("nodo1")->childCount(), 7);
        QCOMPARE(w->Nodo("SwInt1")->text(0), QStringLiteral("intSw:  1"));
        QVERIFY(!C<QCheckBox>("chk_disp_ethernet_1")->isVisibleTo(w));
        w->SetRes();
        C<QCheckBox>("chk_disp_ethernet_1")->setChecked(true);
        w->SetRes();   // the language switch
        QVERIFY(!C<QCheckBox>("chk_disp_ethernet_1")->isChecked());
        QVERIFY(C<QCheckBox>("chk_disp_ethernet_0")->isChecked());
    }

    void sniffer()
    {
        const QDateTime t(QDate(2024, 3, 1), QTime(10, 20, 30));
        const QString riga = RigaSniffer(t, QByteArray("\x04\x0A\x1B", 3));
        QVERIFY(riga.startsWith(QLocale::system().toString(t, QLocale::ShortFormat) + QLatin1Char(' ')));
        QVERIFY(riga.endsWith(QStringLiteral(" 04 0A1B")));
        QVERIFY(RigaSniffer(t, QByteArray()).endsWith(QLatin1Char(' ')));
    }
};

QTEST_MAIN(TestSearch)
#include "test_search.moc"
