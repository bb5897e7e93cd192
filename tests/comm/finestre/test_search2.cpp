// The compact search-and-connect window.
#include "comm/Dispositivo.h"
#include "comm/finestre/frm_search2.h"
#include "shell/Finestre.h"
#include "support/AiutiRicerca.h"
#include "support/Ambiente.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

class TestSearch2 : public QObject {
    Q_OBJECT
    frm_search2* w = nullptr;
    template <class T> T* C(const char* nome) { return w->findChild<T*>(QString::fromLatin1(nome)); }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        w = Finestre::Get<frm_search2>();
    }

    void refresh()
    {
        Test::FakeUdp fake;
        fake.Punta();
        fake.Rispondi("0001", Test::RispostaControlloreFinta("CTRL-A", 3, 1, 0));
        w->cmd_Search_Click();
        QCOMPARE(w->Nodo(QStringLiteral("rete"))->text(0), QStringLiteral("TCP/IP"));
        QCOMPARE(w->Nodo(QStringLiteral("rete"))->childCount(), 1);
        QTreeWidgetItem* n = w->Nodo(QStringLiteral("nodo1"));
        QCOMPARE(n->text(0), QStringLiteral("CTRL-A  [127.0.0.1]"));   // name padded to 7 characters
        QCOMPARE(Test::Figli(n), (QStringList{"IP: 127.0.0.1", "MAC: 00-1A-2B-3C-4D-5E", "Mask: 255.255.255.0",
                                              "Addr: 3", "Init: True"}));
        QCOMPARE(int(NumDispositivi), 1);
        // Nobody answers: the root alone.
        Test::FakeUdp muto;
        muto.Punta();
        w->cmd_Search_Click();
        QCOMPARE(w->Nodo(QStringLiteral("rete"))->childCount(), 0);
        QCOMPARE(muto.ricevuti, QList<QByteArray>{"0001"});
    }

    // Fields that are not numbers or out of range keep the old value.
    void connetti_data()
    {
        QTest::addColumn<int>("canale");
        QTest::addColumn<QString>("porta");
        QTest::addColumn<QString>("nodo");
        QTest::addColumn<int>("portaAttesa");
        QTest::addColumn<int>("nodoAtteso");
        QTest::newRow("defaults") << 0 << "502" << "128" << 502 << 128;
        QTest::newRow("serial") << 1 << "3" << "7" << 3 << 7;
        QTest::newRow("port not a number") << 0 << "abc" << "9" << 1234 << 9;
        QTest::newRow("node too big") << 0 << "503" << "300" << 503 << 55;
    }
    void connetti()
    {
        QFETCH(int, canale);
        QFETCH(QString, porta);
        QFETCH(QString, nodo);
        Controllore.Porta = 1234;
        Controllore.Nodo = 55;
        C<QComboBox>("cmb_channel")->setCurrentIndex(canale);
        C<QComboBox>("cmb_baud")->setEditText(QStringLiteral("127.0.0.1"));
        C<QComboBox>("cmb_port")->setEditText(porta);
        C<QLineEdit>("txt_id")->setText(nodo);
        w->cmd_Connect_Click();
        QCOMPARE(int(Controllore.TipoConnessione), canale);
        QCOMPARE(Controllore.IndirizzoIP, QStringLiteral("127.0.0.1"));
        QTEST(int(Controllore.Porta), "portaAttesa");
        QTEST(int(Controllore.Nodo), "nodoAtteso");
    }
};

QTEST_MAIN(TestSearch2)
#include "test_search2.moc"
