// The device search window: UDP search into the tree and the table, node
// selection, and the device actions that need no controller link.
#include "base/Attesa.h"
#include "base/Globali.h"
#include "base/Testi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Checksum.h"
#include "comm/finestre/frm_search.h"
#include "comm/Scoperta.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "support/AiutiRicerca.h"
#include "support/Ambiente.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

using namespace Test;

class TestSearch : public QObject {
    Q_OBJECT
    frm_search* w = nullptr;
    FakeUdp* fake = nullptr;
    Test::PagineAperte pagine;
    template <class T> T* C(const char* nome) { return w->findChild<T*>(QString::fromLatin1(nome)); }
    void Clic(const QString& chiave) { w->Elenco_NodeClick(w->Nodo(chiave)); }
    QString Testo(const QString& chiave) { return w->Nodo(chiave)->text(0); }
    // The key of the first device node whose text starts so.
    QString NodoDi(const QString& inizio)
    {
        for (int i = 1; w->Nodo(QStringLiteral("nodo%1").arg(i)); ++i)
            if (Testo(QStringLiteral("nodo%1").arg(i)).startsWith(inizio)) return QStringLiteral("nodo%1").arg(i);
        return {};
    }

private slots:
    void initTestCase()
    {
        AvviaWorkbench();
        // The cases take the delivered edition as the base, also in a
        // production build, and switch the production edition on themselves.
        ModoProduzione = false;
        w = Finestre::Get<frm_search>();
    }
    void init()
    {
        fake = new FakeUdp;
        fake->Punta();
        fake->Rispondi("0001", RispostaControlloreFinta("QVR4555"), QHostAddress(QStringLiteral("127.0.0.2")));
        fake->Rispondi(kCercaGateway, RispostaGatewayFinta(), QHostAddress(QStringLiteral("127.0.0.3")));
    }
    void cleanup() { delete fake; }

    void ricercaEthernet()
    {
        CercaTcp(w, true, true);
        QCOMPARE(fake->ricevuti, (QList<QByteArray>{"0001", kCercaGateway}));
        QCOMPARE(Testo("rete"), QStringLiteral("Ethernet"));
        QCOMPARE(w->Nodo("rete")->childCount(), 2);
        QCOMPARE(Testo("nodo1"), QStringLiteral("QVR4555 [127.0.0.2]"));
        QStringList figli{"IP: 127.0.0.2", "MAC: 00-1A-2B-3C-4D-5E", "IP_EE: 192.168.1.100",
                          "Mask: 255.255.255.0", "Addr: 17", "Init: 1"};
        if (ModoProduzione) figli << QStringLiteral("intSw:  1");
        QCOMPARE(Figli(w->Nodo("nodo1")), figli);
        QCOMPARE(Testo("nodo2"), NomiModello[24]);
        QCOMPARE(Figli(w->Nodo("nodo2")), (QStringList{"IP: 127.0.0.3", "MAC: 00-20-4A-01-02-03"}));
        QCOMPARE(C<QLabel>("lbl_search")->text(), QStringLiteral("Search Complete"));
        QCOMPARE(w->IndiceDispositivo(), 2);
        QCOMPARE(Dispositivi[1].IndirizzoIP, QStringLiteral("127.0.0.2"));
        QCOMPARE(Dispositivi[2].MAC, QStringLiteral("00-20-4A-01-02-03"));
        QVERIFY(!AttesaUDP && !AttesaUDPGateway);
        // No family ticked: nothing goes out, the list is empty.
        CercaTcp(w, false, false);
        QCOMPARE(fake->ricevuti.size(), 2);
        QCOMPARE(w->Nodo("rete")->childCount(), 0);
    }

    // Refused values leave the settings, the link and the last list alone.
    void valori_data()
    {
        QTest::addColumn<QString>("timeout");
        QTest::addColumn<QString>("da");       // empty: a TCP/IP search
        QTest::addColumn<QString>("a");
        QTest::addColumn<int>("com");          // -1: refused
        QTest::newRow("1500") << "1500" << "" << "" << 2;
        QTest::newRow("2500") << "2500" << "" << "" << 2;
        QTest::newRow("400 never 0 s") << "400" << "" << "" << 1;
        for (const char* t : {"abc", "", "-5", "100000"}) QTest::newRow(t) << t << "" << "" << -1;
        QTest::newRow("from above to") << "1000" << "5" << "3" << -1;
        QTest::newRow("256") << "1000" << "1" << "256" << -1;
        QTest::newRow("negative from") << "1000" << "-1" << "3" << -1;
        QTest::newRow("text from") << "1000" << "x" << "3" << -1;
    }
    void valori()
    {
        QFETCH(QString, timeout);
        QFETCH(QString, da);
        QFETCH(QString, a);
        QFETCH(int, com);
        CercaTcp(w, true, false);
        ComTimeout = 7;
        const Dispositivo prima = Controllore;
        QTreeWidgetItem* nodo = w->Nodo("nodo1");
        Copione copione;
        copione.Installa();
        C<QCheckBox>("chk_disp_ethernet_0")->setChecked(false);
        C<QLineEdit>("txt_Timeout")->setText(timeout);
        if (!da.isEmpty()) {
            C<QComboBox>("cmb_porta")->setCurrentIndex(3);
            w->cmb_porta_Click();
            C<QLineEdit>("txt_indir_0")->setText(da);
            C<QLineEdit>("txt_indir_1")->setText(a);
        }
        w->cmd_Search_Click();
        QCOMPARE(copione.Messaggi(), com < 0 ? QStringList{"Error: Check Values"} : QStringList{});
        QCOMPARE(int(ComTimeout), com < 0 ? 7 : com);
        if (com < 0) {
            QCOMPARE(w->Nodo("nodo1"), nodo);
            QCOMPARE(int(Controllore.Porta), int(prima.Porta));
            QCOMPARE(int(Controllore.TipoConnessione), int(prima.TipoConnessione));
        }
    }

    void selezione()
    {
        for (int i = 0; i < 11; ++i) fake->Rispondi("0001", RispostaControlloreFinta("MORE"));
        fake->Rispondi("0001", RispostaControlloreFinta("QVR4555"), QHostAddress(QStringLiteral("127.0.0.2")));   // twice
        fake->Rispondi("0001", QByteArray(3000, 'Z'));
        fake->Rispondi("0001", QByteArray("abc"));
        CercaTcp(w, true, false);
        QCOMPARE(w->IndiceDispositivo(), 15);
        QCOMPARE(w->Nodo("rete")->childCount(), 15);
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
        // The short reply is listed without a MAC.
        QCOMPARE(Figli(w->Nodo(NodoDi(QStringLiteral("abc [")))).value(1), QStringLiteral("MAC: "));
    }

    void tabellaPiena()
    {
        CercaTcp(w, true, false);
        AttesaUDP = true;
        for (int i = 0; i < 300; ++i) w->UDP_DataArrival(RispostaControlloreFinta("X"), QHostAddress::LocalHost);
        AttesaUDP = false;
        QCOMPARE(w->IndiceDispositivo(), 255);
        QCOMPARE(w->Nodo("rete")->childCount(), 255);
    }

    // Set IP sends at once, with no reply awaited; refusals send nothing.
    void setIP_data()
    {
        QTest::addColumn<QString>("nodo");
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<QByteArray>("ottetti");   // empty: nothing sent
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("10.0.0.5") << "QVR4555" << "10.0.0.5" << QByteArray("\x0A\x00\x00\x05", 4) << "";
        QTest::newRow("300") << "QVR4555" << "10.0.0.300" << QByteArray() << "Error: Check Values";
        QTest::newRow("cancel") << "QVR4555" << "" << QByteArray() << "";
        // Entries without a MAC of this search: the address is not asked.
        QTest::newRow("device server") << NomiModello[24] << "10.0.0.5" << QByteArray() << "*";
        QTest::newRow("no MAC") << "abc [" << "10.0.0.5" << QByteArray() << "*";
    }
    void setIP()
    {
        QFETCH(QString, nodo);
        QFETCH(QString, risposta);
        QFETCH(QByteArray, ottetti);
        QFETCH(QString, messaggio);
        fake->Rispondi("0001", QByteArray("abc"), QHostAddress(QStringLiteral("127.0.0.4")));
        CercaTcp(w, true, true);
        QVERIFY(!NodoDi(nodo).isEmpty());
        Clic(NodoDi(nodo));
        fake->ricevuti.clear();
        Copione copione;
        if (risposta.isEmpty()) copione.Annulla();
        else copione.RispondiTesto(risposta);
        copione.Installa();
        AttesaUDP = true;   // a set-IP drops both discovery flags
        w->SetIP();
        QCOMPARE(AttesaUDP, ottetti.isEmpty());
        AttesaUDP = false;
        if (messaggio == "*") {
            QCOMPARE(copione.richieste.size(), 1);
            QCOMPARE(copione.richieste[0].tipo, Prompt::Tipo::Messaggio);
        } else {
            QCOMPARE(copione.richieste.value(0).testo, QStringLiteral("Insert IP address"));
            QCOMPARE(copione.richieste.value(0).titolo, QStringLiteral("Mirok"));
            QCOMPARE(copione.Messaggi(), messaggio.isEmpty() ? QStringList{} : QStringList{messaggio});
        }
        if (ottetti.isEmpty()) {
            Attesa(0.1);
            QVERIFY(fake->ricevuti.isEmpty());
            return;
        }
        QVERIFY(AttendiFinche([&] { return !fake->ricevuti.isEmpty(); }, 2000));
        QByteArray atteso = QByteArray("0002") + kMacFinto + ottetti;
        QCOMPARE(fake->ricevuti.first(), atteso + char(CalcolaCRC8(atteso)));
    }

    // The main window's device menu and the double-click act on the
    // selected entry; the root selects none and does nothing.
    void azioni()
    {
        CercaTcp(w, true, true);
        QMenu* cont = Principale::Istanza()->Popup(QStringLiteral("mnu_Cont"));
        QVERIFY(cont);
        const auto voce = [cont](const char* nome) { cont->findChild<QAction*>(QString::fromLatin1(nome))->trigger(); };
        QClipboard* cb = QGuiApplication::clipboard();
        Clic("ip2");
        voce("mnu_CopyMAC");
        QCOMPARE(cb->text(), QStringLiteral("00-20-4A-01-02-03"));
        Clic("mac1");
        voce("mnu_CopyIP");
        QCOMPARE(cb->text(), QStringLiteral("127.0.0.2"));
        voce("mnu_CopyMAC");
        QCOMPARE(cb->text(), QStringLiteral("00-1A-2B-3C-4D-5E"));
        pagine.aperti.clear();
        voce("mnu_ViewHomePage");
        QCOMPARE(pagine.aperti, QStringList{"http://127.0.0.2"});
        Clic("rete");
        cb->setText(QStringLiteral("sentinel"));
        voce("mnu_CopyIP");
        voce("mnu_CopyMAC");
        QCOMPARE(cb->text(), QStringLiteral("sentinel"));
        w->Elenco_DblClick();
        Clic("nodo1");
        w->Elenco_DblClick();
        QCOMPARE(pagine.aperti, (QStringList{"http://127.0.0.2", "http://127.0.0.2"}));
        // A device server offers its set-up; Cancel does nothing more.
        Copione copione;
        copione.Rispondi(Prompt::Annulla);
        copione.Installa();
        Clic("nodo2");
        w->Elenco_DblClick();
        QCOMPARE(copione.Messaggi(), QStringList{"Write default prog?"});
        QCOMPARE(copione.richieste[0].pulsanti, int(Prompt::OkAnnulla));
        QCOMPARE(pagine.aperti.size(), 2);
        w->hide();
        Principale::Istanza()->Menu(QStringLiteral("mnu_search"))->trigger();
        QVERIFY(!w->isHidden());
    }

    void marchi()
    {
        // Both editions are tried whatever this build is; the internal
        // switch shows in the production one only.
        const bool produzione = ModoProduzione;
        ModoProduzione = false;
        Marchio700 = true;
        w->SetRes();
        CercaTcp(w, true, false);
        Marchio700 = false;
        QCOMPARE(Testo("nodo1"), QStringLiteral("PRW3 [127.0.0.2]"));
        QVERIFY(!w->Nodo("SwInt1"));
        ModoProduzione = true;
        CercaTcp(w, true, false);
        ModoProduzione = produzione;
        QCOMPARE(Testo("SwInt1"), QStringLiteral("intSw:  1"));
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
