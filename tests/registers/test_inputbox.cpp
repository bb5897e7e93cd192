// The value dialog: what it shows per type, its bit buttons, and what OK
// writes, stores or refuses.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "blockeditor/Servizi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "registers/Input_Box.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <tuple>

namespace {
constexpr int N = 40;   // a user register
} // namespace

class TestInputBox : public QObject {
    Q_OBJECT
    Test::Copione m_copione;

    // Opens the dialog on register n holding `basso` (and `alto` above it);
    // with `formato` >= 0 picks that format and types name and value.
    Input_Box* Apri(int n, int tipo, int basso, int alto = 0, int formato = -1, const QString& valore = {})
    {
        TabRegistri[size_t(n)].Tipo = uint8_t(tipo);
        TabRegistri[size_t(n)].Valore = basso;
        TabRegistri[size_t(n + 1)].Valore = alto;
        TabRegistri[size_t(n)].Nome = QStringLiteral("vecchio");
        Input_Box* ib = Finestre::Get<Input_Box>();
        DialogoAperto = true;
        ib->IndiceRegistro = n;
        ib->Modo = 0;
        ib->Apri();
        if (formato >= 0) {
            ib->Combo1()->setCurrentIndex(ib->Combo1()->findData(formato));
            ib->Testo(0)->setText(QStringLiteral("Nuovo"));
            ib->Testo(1)->setText(valore);
        }
        return ib;
    }
    static QString Bit(Input_Box* ib, int k) { return ib->cmd_bit(k)->text(); }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        Controllore.Modello = 6;   // 1024 registers, user area from 34
        Controllore.Nodo = 10;
    }
    void init()
    {
        m_copione = Test::Copione();
        m_copione.Installa();
        Controllore.Connesso = false;
        ProgettoModificato = false;
        n_tx = 0;
    }
    void cleanup()
    {
        Controllore.Connesso = false;
        if (auto* ib = Finestre::SeCaricata<Input_Box>()) ib->Chiudi();
    }

    void mostraValore_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("basso");
        QTest::addColumn<int>("alto");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("bitAlti");
        QTest::newRow("Int -5 unsigned") << 1 << -5 << 0 << "65531" << false;
        QTest::newRow("Long -1") << 3 << 0xFFFF << 0xFFFF << "-1" << true;
        QTest::newRow("uLong") << 2 << 0xFFFF << 0xFFFF << "4294967295" << true;
        QTest::newRow("Long words") << 3 << 0x5678 << 0x1234 << "305419896" << true;
        QTest::newRow("Float") << 4 << 0 << 0x3FC0 << "1.5" << false;
        QTest::newRow("Hex") << 7 << 0x1F << 0 << "001F" << false;
        QTest::newRow("K_Long 16 bits") << 6 << 65535 << 1 << "65535" << false;
        QTest::newRow("type not in the list") << 10 << 9 << 0 << "9" << false;
    }
    void mostraValore()
    {
        QFETCH(int, tipo);
        QFETCH(int, basso);
        QFETCH(int, alto);
        Input_Box* ib = Apri(N, tipo, basso, alto);
        QVERIFY(ib->isVisible());
        QTEST(ib->Testo(1)->text(), "testo");
        QCOMPARE(ib->Testo(0)->text(), QStringLiteral("vecchio"));
        QTEST(!ib->pBits(1)->isHidden(), "bitAlti");
        QVERIFY(!ib->pBits(0)->isHidden());
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(Bit(ib, i), QString::number(((basso & 0xFFFF) >> i) & 1));
            QCOMPARE(Bit(ib, 16 + i), QString::number(((alto & 0xFFFF) >> i) & 1));
        }
        QCOMPARE(ib->Combo1()->currentIndex() < 0, tipo == 10);
    }

    void bitButtons()
    {
        // Bit 31 of a Long is its sign: the text stays unsigned.
        Input_Box* ib = Apri(N, 3, 0, 0);
        ib->cmd_bit(31)->click();
        QCOMPARE(Bit(ib, 31), QStringLiteral("1"));
        QCOMPARE(ib->Testo(1)->text(), QStringLiteral("2147483648"));
        ib->cmd_bit(0)->click();
        QCOMPARE(ib->Testo(1)->text(), QStringLiteral("2147483649"));
        ib->cmd_bit(31)->click();
        QCOMPARE(ib->Testo(1)->text(), QStringLiteral("1"));
        // Typed values move the bits; a click toggles one bit of what was typed.
        for (auto [tipo, testo, atteso] : {std::tuple{3, "1234", "1235"}, {3, "-1", "4294967294"}, {7, "00F0", "241"}}) {
            ib = Apri(N, tipo, 0, 0);
            ib->Testo(1)->clear();
            QTest::keyClicks(ib->Testo(1), QString::fromLatin1(testo));
            ib->cmd_bit(0)->click();
            QCOMPARE(ib->Testo(1)->text(), QString::fromLatin1(atteso));
        }
        // Choosing a format re-shows the value with both bit panels.
        ib = Apri(N, 0, 7);
        QVERIFY(ib->pBits(1)->isHidden());
        ib->Combo1()->setCurrentIndex(7);
        ib->Combo1_Click();
        QCOMPARE(ib->Testo(1)->text(), QStringLiteral("0007"));
        QVERIFY(!ib->pBits(1)->isHidden());
    }

    void modoTesto()
    {
        // Opened the way the block editor opens it.
        TestoInput = QStringLiteral("5");
        DialogoAperto = true;
        QVERIFY(ServiziEditor::ApriValoreTesto);
        ServiziEditor::ApriValoreTesto();
        Input_Box* ib = Finestre::Get<Input_Box>();
        QVERIFY(ib->isVisible());
        QCOMPARE(ib->Testo(1)->text(), QStringLiteral("5"));
        QVERIFY(ib->Combo1()->isHidden() && ib->Testo(0)->isHidden());
        QVERIFY(!ib->pBits(0)->isHidden() && !ib->pBits(1)->isHidden());
        QCOMPARE(Bit(ib, 0) + Bit(ib, 1) + Bit(ib, 2), QStringLiteral("101"));
        ib->cmd_bit(1)->click();
        QCOMPARE(ib->Testo(1)->text(), QStringLiteral("7"));
        // Beyond 32 bits the number is refused and the dialog stays.
        for (const char* t : {"1e300", "12345678901234567890"}) {
            ib->Testo(1)->setText(QString::fromLatin1(t));
            ib->cmd_ok_Click(1);
            QVERIFY(ib->isVisible() && TestoInput == QStringLiteral("5"));
        }
        QCOMPARE(m_copione.Messaggi().size(), 2);
        ib->Testo(1)->setText(QStringLiteral("7"));
        QTest::keyClick(ib->Testo(1), Qt::Key_Return);   // Enter is OK
        QCOMPARE(TestoInput, QStringLiteral("7"));
        QVERIFY(!DialogoAperto && ProgettoModificato && !ib->isVisible());
        ib->Modo = 0;
    }

    void nomeDeiRegistriDiSistema_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("abilitato");
        QTest::newRow("system") << 10 << false;
        QTest::newRow("last system") << 33 << false;
        QTest::newRow("first user") << 34 << true;
    }
    void nomeDeiRegistriDiSistema()
    {
        QFETCH(int, n);
        Input_Box* ib = Apri(n, 0, 0);
        QTEST(ib->Testo(0)->isEnabled(), "abilitato");
        ib->cmd_ok_Click(1);
        QCOMPARE(TabRegistri[size_t(n)].Nome, QStringLiteral("vecchio"));
    }

    // Not connected: name and type are stored, the value is not written and
    // the user is told so (where the format writes anything at all).
    void nonConnesso_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<bool>("avvisa");
        QTest::newRow("uInt") << 0 << true;
        QTest::newRow("Float") << 4 << true;
        QTest::newRow("ASCII") << 8 << true;
        QTest::newRow("K_Flt writes nothing anyway") << 5 << false;
        QTest::newRow("String (Ram) writes nothing anyway") << 13 << false;
    }
    void nonConnesso()
    {
        QFETCH(int, tipo);
        QFETCH(bool, avvisa);
        Apri(N, 1, 3, 0, tipo, QStringLiteral("12"))->cmd_ok_Click(1);
        QCOMPARE(n_tx, int16_t(0));
        QCOMPARE(TabRegistri[N].Nome, QStringLiteral("Nuovo"));
        QCOMPARE(int(TabRegistri[N].Tipo), tipo);
        QCOMPARE(TabRegistri[N].Valore, 3);
        QCOMPARE(m_copione.Messaggi().size(), avvisa ? 1 : 0);
        if (avvisa) QVERIFY(m_copione.Messaggi().first().contains(QStringLiteral("not written")));
        QVERIFY(!DialogoAperto && ProgettoModificato);
    }

    void annullaSegnaModificato()
    {
        Input_Box* ib = Apri(N, 1, 3, 0, 7, QStringLiteral("12"));
        ib->findChild<QPushButton*>("cmd_ok_0")->click();
        QCOMPARE(TabRegistri[N].Nome, QStringLiteral("vecchio"));
        QCOMPARE(int(TabRegistri[N].Tipo), 1);
        QVERIFY(ProgettoModificato && !DialogoAperto);
    }

    // A name, or an ASCII value, with a character that has no byte:
    // refused, named; nothing is sent or stored.
    void testiSenzaByte()
    {
        Controllore.Connesso = true;
        Input_Box* ib = Apri(N, 0, 3, 0, 8, QStringLiteral("Hi €"));
        ib->cmd_ok_Click(1);
        ib->Testo(0)->setText(QStringLiteral("Nuovo ‰"));
        ib->cmd_ok_Click(1);
        const QString fine = ", a character the project files and the controller cannot hold";
        QCOMPARE(m_copione.Messaggi(), (QStringList{"Value of register 40 holds € (U+20AC)" + fine,
                                                    "Name of register 40 holds ‰ (U+2030)" + fine}));
        QCOMPARE(n_tx, int16_t(0));
        QVERIFY(ib->isVisible() && !ProgettoModificato);
        QCOMPARE(TabRegistri[N].Nome, QStringLiteral("vecchio"));
    }

    void rifiuti_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("testo");
        QTest::newRow("Int text") << 1 << "abc";
        QTest::newRow("Int trailing junk") << 1 << "12abc";
        QTest::newRow("uInt above 16 bits") << 0 << "65536";
        QTest::newRow("Int below 16 bits") << 1 << "-32769";
        QTest::newRow("Bin above 16 bits") << 9 << "70000";
        QTest::newRow("K_Long above 16 bits") << 6 << "100000";
        QTest::newRow("Hex five digits") << 7 << "12345";
        QTest::newRow("Hex not hex") << 7 << "XY";
        QTest::newRow("Hex empty") << 7 << "";
        QTest::newRow("Long above 32 bits") << 3 << "4294967296";
        QTest::newRow("Float overflow") << 4 << "1e39";
        QTest::newRow("ASCII too long") << 8 << QString(100, QLatin1Char('a'));
    }
    void rifiuti()
    {
        QFETCH(int, tipo);
        QFETCH(QString, testo);
        Controllore.Connesso = true;
        Input_Box* ib = Apri(N, 0, 3, 0, tipo, testo);
        ib->cmd_ok_Click(1);
        QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("Error: Check Values")});
        QCOMPARE(n_tx, int16_t(0));
        QVERIFY(ib->isVisible() && DialogoAperto && !ProgettoModificato);
        QCOMPARE(TabRegistri[N].Nome, QStringLiteral("vecchio"));
        QCOMPARE(int(TabRegistri[N].Tipo), 0);
    }
};

QTEST_MAIN(TestInputBox)
#include "test_inputbox.moc"
