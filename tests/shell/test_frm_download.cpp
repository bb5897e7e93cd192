// The download dialog: its start states by model, the toolbar key that opens
// it, one download through its button against the fake controller, and the
// compile key refused while the download runs.
#include "compiler/ImmagineCodice.h"
#include "comm/Dispositivo.h"
#include "program/Programmi.h"
#include "shell/ComandiBarra.h"
#include "shell/Finestre.h"
#include "base/Testi.h"
#include "shell/Log.h"
#include "shell/frm_Download.h"
#include "base/Modelli.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QCheckBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {
int ModelloDi(const std::function<bool(const DefModello&)>& adatto)
{
    for (int k = 0; k < NumModelli; ++k)
        if (adatto(Modelli[size_t(k)])) return k;
    return -1;
}

template <class T> T* Controllo(const char* nome)
{
    return Finestre::Get<frm_Download>()->findChild<T*>(QString::fromLatin1(nome));
}
} // namespace

class TestFrmDownload : public QObject {
    Q_OBJECT
    Test::FakeController fake;

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        QVERIFY(fake.AvviaTcp());
    }

    void avvio_data()
    {
        QTest::addColumn<bool>("stringhe");
        QTest::newRow("model with user strings") << true;
        QTest::newRow("model without") << false;
    }
    void avvio()
    {
        QFETCH(bool, stringhe);
        const int m = ModelloDi([&](const DefModello& d) { return !d.Nome.isEmpty() && (d.NumStringhe >= 1) == stringhe; });
        QVERIFY(m >= 0);
        Controllore.Modello = uint8_t(m);
        Finestre::Scarica<frm_Download>();
        Toolbar1_ButtonClick(QStringLiteral("download"));
        frm_Download* f = Finestre::SeCaricata<frm_Download>();
        QVERIFY(f && f->isVisible() && f->isModal());
        QCOMPARE(Controllo<QCheckBox>("chk_str")->isVisible(), stringhe);
        QCOMPARE(Controllo<QCheckBox>("chk_str")->isChecked(), stringhe);
        QVERIFY(Controllo<QPushButton>("cmdDownload")->isVisible());
    }

    void scarica()
    {
        Controllore.Modello = uint8_t(ModelloDi([](const DefModello& d) { return d.NumStringhe == 0 && d.IndirizzoProgramma >= 512; }));
        QVERIFY(Test::CollegaAlFake(fake, false));
        Programmi[0].NumRung = 1;
        Programmi[0].Rung[1] = Rung{.Classe = 3, .Lunghezza = 34};
        Finestre::Scarica<frm_Download>();
        Toolbar1_ButtonClick(QStringLiteral("download"));
        Controllo<QCheckBox>("chk_var")->setChecked(false);
        // The compile key, pressed in the middle of the transfer.
        LogClear();
        bool premuto = false;
        auto c = connect(&fake, &Test::FakeController::RichiestaRicevuta, this, [&] {
            if (premuto || fake.Richieste.size() != 3) return;
            premuto = true;
            Toolbar1_ButtonClick(QStringLiteral("proj_comp"));
        });
        Controllo<QPushButton>("cmdDownload")->click();
        disconnect(c);
        QVERIFY(premuto);
        QListWidget* log = Finestre::Get<Log>()->Testo();
        int compilazioni = 0;
        for (int i = 0; i < log->count(); ++i) compilazioni += log->item(i)->text().trimmed() == u"Compiled";
        QCOMPARE(compilazioni, 1);
        QCOMPARE(Controllo<QProgressBar>("Barra")->value(), 101);
        QCOMPARE(int(fake.Richieste.size()), 2 + LunghezzaImmagine / 32 + 1);
        // The dialog unloads once its click has returned.
        QTRY_VERIFY(!Finestre::SeCaricata<frm_Download>());
    }
};

QTEST_MAIN(TestFrmDownload)
#include "test_frm_download.moc"
