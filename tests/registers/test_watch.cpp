// The watch window against the fake controller on loopback: the block
// requests per model, the value and type texts, the continuous loop's ends,
// the not-connected display and the refused additions.
#include "base/Modelli.h"
#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "registers/frm_watch.h"
#include "registers/TabRegistri.h"
#include "registers/WatchList.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using Test::FakeController;

namespace {
template <class T> T* C(const char* nome)
{
    T* c = Finestre::Get<frm_watch>()->findChild<T*>(QString::fromLatin1(nome));
    if (!c) qFatal("no control %s", nome);
    return c;
}
void Osserva(const QList<int>& registri)
{
    WatchList[0] = int16_t(registri.size());
    for (int i = 0; i < registri.size(); ++i) WatchList[size_t(i + 1)] = int16_t(registri[i]);
}
int ModelloDa(int registri)
{
    for (int m = 0; m < NumModelli; ++m)
        if (Modelli[size_t(m)].NumRegistri == registri) return m;
    qFatal("no model with %d registers", registri);
}
QByteArray Lettura(int primo)
{
    return QByteArray::fromHex("0a04") + char(primo >> 8) + char(primo & 0xFF) + '\0' + char(32);
}
} // namespace

class TestWatch : public QObject {
    Q_OBJECT
    FakeController m_fake;
    Test::Copione m_copione;

    void Collega(int registri)
    {
        QVERIFY(Test::CollegaAlFake(m_fake, false));
        Controllore.Modello = uint8_t(ModelloDa(registri));
        m_copione = Test::Copione();
        m_copione.Installa();
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        QVERIFY(m_fake.AvviaTcp());
    }
    void cleanupTestCase() { Disconnetti(); }

    void richieste_data()
    {
        QTest::addColumn<int>("registri");
        QTest::addColumn<QList<int>>("lista");
        QTest::addColumn<QList<int>>("blocchi");
        QTest::addColumn<QString>("primo");   // the first row's value
        QTest::newRow("two blocks") << 1024 << QList<int>{5, 40, 41} << QList<int>{0, 32} << "0";
        QTest::newRow("beyond the model") << 1024 << QList<int>{1030, 3} << QList<int>{0} << "---";
        QTest::newRow("larger model") << 1280 << QList<int>{1279, 1030, 5} << QList<int>{0, 1024, 1248} << "0";
        QTest::newRow("empty") << 1280 << QList<int>{} << QList<int>{} << "";
        QTest::newRow("not connected") << 1024 << QList<int>{5} << QList<int>{} << "---";
    }
    void richieste()
    {
        QFETCH(int, registri);
        QFETCH(QList<int>, lista);
        QFETCH(QList<int>, blocchi);
        QFETCH(QString, primo);
        Collega(registri);
        TabRegistri[5].Tipo = TabRegistri[1279].Tipo = 0;
        if (QTest::currentDataTag() == QLatin1String("not connected")) Disconnetti();
        Osserva(lista);
        frm_watch::Apri();
        QList<QByteArray> attese;
        for (int b : blocchi) attese << Lettura(b);
        QCOMPARE(m_fake.Richieste, attese);
        QCOMPARE(C<QTreeWidget>("RegView")->topLevelItemCount(), lista.size());
        if (!lista.isEmpty()) QCOMPARE(C<QTreeWidget>("RegView")->topLevelItem(0)->text(2), primo);
        if (!Controllore.Connesso) QCOMPARE(C<QTreeWidget>("RegView")->topLevelItem(0)->text(3), QString());
    }

    void testi_data()
    {
        QTest::addColumn<int>("registro");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("basso");
        QTest::addColumn<int>("alto");
        QTest::addColumn<QString>("valore");
        QTest::addColumn<QString>("testoTipo");
        QTest::newRow("Float") << 100 << 4 << 0 << 0x4148 << "12.50000" << "Float";
        QTest::newRow("Int") << 100 << 1 << 0xFFFF << 0 << "-1" << " Int";
        QTest::newRow("uInt") << 100 << 0 << 0xFFFF << 0 << "65535" << "uInt";
        QTest::newRow("uLong unsigned") << 100 << 2 << 0xFFFF << 0xFFFF << "4294967295" << "Long";
        QTest::newRow("Long signed") << 100 << 3 << 0xFFFE << 0xFFFF << "-2" << "Long";
        QTest::newRow("K_Long 32-bit") << 100 << 6 << 0x0001 << 0x0001 << "65537" << "Long";
        QTest::newRow("other type") << 100 << 13 << 0x0005 << 0 << "5" << "uInt";
        // Text reads as the register window reads it: first character in
        // the high byte, a closing 0 dropped, blanks for bytes with no glyph.
        QTest::newRow("ASCII high byte first") << 100 << 8 << 0x4142 << 0 << "AB" << "Ascii";
        QTest::newRow("ASCII closing zero") << 100 << 8 << 0x4100 << 0 << "A" << "Ascii";
        QTest::newRow("ASCII leading zero") << 100 << 8 << 0x0041 << 0 << " A" << "Ascii";
        QTest::newRow("ASCII control bytes") << 100 << 8 << 0x1B07 << 0 << "  " << "Ascii";
        QTest::newRow("no high word in the model") << 1023 << 2 << 1 << 0 << "---" << "Long";
    }
    void testi()
    {
        QFETCH(int, registro);
        QFETCH(int, tipo);
        QFETCH(int, basso);
        QFETCH(int, alto);
        Collega(1024);
        TabRegistri[size_t(registro)].Tipo = uint8_t(tipo);
        m_fake.Input[size_t(registro)] = uint16_t(basso);
        m_fake.Input[size_t(registro + 1)] = uint16_t(alto);
        Osserva({registro});
        frm_watch::Apri();
        QTreeWidgetItem* riga = C<QTreeWidget>("RegView")->topLevelItem(0);
        QTEST(riga->text(2), "valore");
        QTEST(riga->text(3), "testoTipo");
    }

    // A register no read has reached shows "---" with its type, as after a
    // refresh that timed out on the table the start builds; once read, a
    // later failed read keeps the value. A Long's high word past its block
    // is read with it.
    void neverReadShowsDashes()
    {
        Collega(1024);
        CaricaRegistriSistema(true);
        TabRegistri[100].Tipo = TipoReg::Int;
        TabRegistri[63].Tipo = TipoReg::Long;
        m_fake.Input[100] = 0xFFFF;
        m_fake.Input[63] = 5;
        m_fake.Input[64] = 1;
        Osserva({100, 63});
        auto righe = [] {
            QStringList testi;
            for (int i = 0; i < C<QTreeWidget>("RegView")->topLevelItemCount(); ++i)
                testi << C<QTreeWidget>("RegView")->topLevelItem(i)->text(2)
                      << C<QTreeWidget>("RegView")->topLevelItem(i)->text(3);
            return testi;
        };
        const QList<FakeController::Risposta> tace(3, FakeController::Risposta::Nessuna());
        m_fake.Accoda(tace);
        frm_watch::Apri();
        QVERIFY(Controllore.Connesso);
        QCOMPARE(righe(), (QStringList{"---", " Int", "---", "Long"}));
        C<QPushButton>("cmd_Read")->click();
        QCOMPARE(righe(), (QStringList{"-1", " Int", "65541", "Long"}));
        m_fake.Accoda(tace);
        C<QPushButton>("cmd_Read")->click();
        QCOMPARE(righe(), (QStringList{"-1", " Int", "65541", "Long"}));
    }

    // The loop reads until "cont." is unticked or the window closes; an
    // addition made during it is read from the next pass on.
    void ciclo_data()
    {
        QTest::addColumn<bool>("chiudi");
        QTest::newRow("unticked") << false;
        QTest::newRow("closed") << true;
    }
    void ciclo()
    {
        QFETCH(bool, chiudi);
        Collega(1024);
        Osserva({5});
        frm_watch::Apri();
        m_fake.Richieste.clear();
        C<QCheckBox>("chk_cont")->setChecked(true);
        int attivo = -1;
        QTimer::singleShot(300, [&attivo] {
            attivo = LoopAttivo;
            C<QComboBox>("cmb_reg")->setCurrentIndex(-1);
            C<QComboBox>("cmb_reg")->setEditText(QStringLiteral("%R40"));
            C<QPushButton>("cmd_Reg_0")->click();
        });
        QTimer::singleShot(900, [chiudi] {
            if (chiudi)
                Finestre::Get<frm_watch>()->parentWidget()->close();
            else
                C<QCheckBox>("chk_cont")->setChecked(false);
        });
        C<QPushButton>("cmd_Read")->click();
        QCOMPARE(attivo, 1);
        QCOMPARE(int(LoopAttivo), 0);
        QVERIFY(m_fake.Richieste.size() >= 4);
        QCOMPARE(m_fake.Richieste.last(), Lettura(32));
        const qsizetype dopo = m_fake.Richieste.size();
        QTest::qWait(400);
        QCOMPARE(m_fake.Richieste.size(), dopo);
        QCOMPARE(int(WatchList[0]), 2);
    }

    void aggiunte_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("voce");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("aggiunto");
        QTest::newRow("%R and number") << "%R100" << -1 << "" << 100;
        QTest::newRow("leading number") << " 12abc" << -1 << "" << 12;
        QTest::newRow("no number") << "abc" << -1 << "Error: Check Values" << -1;
        QTest::newRow("empty") << "" << -1 << "Error: Check Values" << -1;
        QTest::newRow("combo entry") << "[" << 0 << "" << -2;
        QTest::newRow("% without number") << "%R" << -1 << "Write the register as %R and its number" << -1;
        QTest::newRow("past the table") << "2049" << -1 << "Register = 0 to 2048" << -1;
        QTest::newRow("[ without entry") << "[x" << -1 << "Choose a register in the list" << -1;
    }
    void aggiunte()
    {
        QFETCH(QString, testo);
        QFETCH(int, voce);
        QFETCH(QString, messaggio);
        QFETCH(int, aggiunto);
        Collega(1024);
        Osserva({7});
        frm_watch::Apri();
        auto* combo = C<QComboBox>("cmb_reg");
        combo->setCurrentIndex(voce);
        if (voce < 0) combo->setEditText(testo);
        C<QPushButton>("cmd_Reg_0")->click();
        QCOMPARE(m_copione.Messaggi(), messaggio.isEmpty() ? QStringList{} : QStringList{messaggio});
        if (aggiunto == -1) {
            QCOMPARE(int(WatchList[0]), 1);
            return;
        }
        QCOMPARE(int(WatchList[0]), 2);
        QCOMPARE(int(WatchList[2]), aggiunto == -2 ? combo->itemData(0).toInt() : aggiunto);
    }
};

QTEST_MAIN(TestWatch)
#include "test_watch.moc"
