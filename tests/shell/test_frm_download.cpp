// The download dialog: its start states by model, the toolbar key that opens
// it, one download through its button against the fake controller, the
// compile key refused while the download runs, a download that ends short
// (the controller gone, a program that does not compile) and the close
// boxes of the dialog and of the main window during a transfer.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "compiler/ImmagineCodice.h"
#include "program/Programmi.h"
#include "shell/ComandiBarra.h"
#include "shell/Finestre.h"
#include "shell/frm_Download.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QApplication>
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

QStringList RigheLog()
{
    QStringList out;
    QListWidget* log = Finestre::Get<Log>()->Testo();
    for (int i = 0; i < log->count(); ++i) out << log->item(i)->text().trimmed();
    return out;
}

bool Run(const QByteArray& q)
{
    return q.size() >= 6 && q[1] == 6 && q[2] == 0 && q[3] == 0 && uint8_t(q[5]) == 255;
}
} // namespace

class TestFrmDownload : public QObject {
    Q_OBJECT
    Test::FakeController fake;
    Test::Copione copione;

    // A project of several program blocks, the dialog open with Run ticked,
    // the fake connected and a fresh prompt script.
    void Prepara()
    {
        Controllore.Modello = uint8_t(ModelloDi([](const DefModello& d) { return d.NumStringhe == 0 && d.IndirizzoProgramma >= 512; }));
        QVERIFY(Test::CollegaAlFake(fake, false));
        Programmi[0].NumRung = 6;
        for (int r = 1; r <= 6; ++r) Programmi[0].Rung[r] = Rung{.Classe = 3, .Valido = true, .Lunghezza = 34};
        Finestre::Scarica<frm_Download>();
        Toolbar1_ButtonClick(QStringLiteral("download"));
        Controllo<QCheckBox>("chk_var")->setChecked(false);
        Controllo<QCheckBox>("chk_run")->setChecked(true);
        copione = Test::Copione();
        copione.Installa();
        LogClear();
    }
    // At the fake's request `n` (counted from 1), once.
    void AllaRichiesta(int n, std::function<void()> f)
    {
        auto fatto = std::make_shared<bool>(false);
        connect(&fake, &Test::FakeController::RichiestaRicevuta, this, [this, n, f, fatto] {
            if (*fatto || fake.Richieste.size() != n) return;
            *fatto = true;
            f();
        });
    }

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
        Programmi[0].Rung[1] = Rung{.Classe = 3, .Valido = true, .Lunghezza = 34};
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

    // The controller goes away in the middle of the program: the box names
    // the step, the link shows itself closed, and the dialog stays showing
    // where it stopped until it is closed.
    void controllerPerso()
    {
        Prepara();
        AllaRichiesta(4, [this] { fake.ChiudiConnessioni(); });
        Controllo<QPushButton>("cmdDownload")->click();
        disconnect(&fake, nullptr, this, nullptr);
        QCOMPARE(copione.Messaggi(), QStringList{"Download Failed: program"});
        QVERIFY(RigheLog().contains(QStringLiteral("Download Failed: program")));
        QCOMPARE(Principale::Istanza()->Pannello(1), QStringLiteral("Not Connected"));
        QVERIFY(!std::any_of(fake.Richieste.cbegin(), fake.Richieste.cend(), Run));
        QTest::qWait(50);
        frm_Download* f = Finestre::SeCaricata<frm_Download>();
        QVERIFY(f && f->isVisible());
        QVERIFY(f->windowTitle().contains(QStringLiteral("program")));
        const int barra = Controllo<QProgressBar>("Barra")->value();
        QVERIFY(barra > 1 && barra < 101);
        f->close();
        QTRY_VERIFY(!Finestre::SeCaricata<frm_Download>());
    }

    // A program that does not compile: nothing sent, and said so.
    void nonCompila()
    {
        Prepara();
        Programmi[0].NumRung = 0;
        Controllo<QPushButton>("cmdDownload")->click();
        QCOMPARE(copione.Messaggi(), QStringList{"Download Failed: compile"});
        QVERIFY(fake.Richieste.isEmpty());
        QTest::qWait(50);
        QVERIFY(Finestre::SeCaricata<frm_Download>() && Finestre::SeCaricata<frm_Download>()->isVisible());
        // Asked again, the download gets a fresh dialog.
        Toolbar1_ButtonClick(QStringLiteral("download"));
        QVERIFY(Controllo<QPushButton>("cmdDownload")->isEnabled());
        QCOMPARE(Finestre::SeCaricata<frm_Download>()->windowTitle(), QStringLiteral("Download"));
    }

    // The close box during the transfer asks; Yes ends it before the next
    // block, with no run; No lets it finish. The dialog blocks no window
    // meanwhile, so the main window's close box reaches it as well.
    void chiusuraDuranteTrasferimento_data()
    {
        QTest::addColumn<bool>("ferma");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void chiusuraDuranteTrasferimento()
    {
        QFETCH(bool, ferma);
        Prepara();
        copione.Rispondi(ferma ? Prompt::Si : Prompt::No);
        bool bloccante = true;
        AllaRichiesta(4, [&] {
            bloccante = QApplication::activeModalWidget() != nullptr;
            Finestre::SeCaricata<frm_Download>()->close();
        });
        Controllo<QPushButton>("cmdDownload")->click();
        disconnect(&fake, nullptr, this, nullptr);
        QVERIFY(!bloccante);
        QCOMPARE(copione.Messaggi().first(), QStringLiteral("Stop the download?"));
        QTest::qWait(100);
        if (ferma) {
            QCOMPARE(int(fake.Richieste.size()), 4);
            QCOMPARE(copione.Messaggi(), (QStringList{"Stop the download?", "Download Stopped: program"}));
            QVERIFY(RigheLog().contains(QStringLiteral("Download Stopped: program")));
            QVERIFY(Finestre::SeCaricata<frm_Download>()->isVisible());
        } else {
            QVERIFY(Run(fake.Richieste.last()));
            QCOMPARE(copione.Messaggi().size(), 1);
            QTRY_VERIFY(!Finestre::SeCaricata<frm_Download>());
        }
    }

    // Last: the main window's close box during the transfer, answered Yes,
    // stops the transfer and then closes the window.
    void chiusuraPrincipale()
    {
        Prepara();
        ProgettoModificato = false;
        copione.Rispondi(Prompt::Si);
        AllaRichiesta(4, [] { Principale::Istanza()->close(); });
        Controllo<QPushButton>("cmdDownload")->click();
        disconnect(&fake, nullptr, this, nullptr);
        QCOMPARE(copione.Messaggi(), (QStringList{"Stop the download?", "Download Stopped: program"}));
        QCOMPARE(int(fake.Richieste.size()), 4);
        QTRY_VERIFY(!Principale::Istanza()->isVisible());
        Principale::Istanza()->show();
    }
};

QTEST_MAIN(TestFrmDownload)
#include "test_frm_download.moc"
