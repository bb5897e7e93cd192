// The About box, and the product name that untitled boxes share with it.
#include "base/Globali.h"
#include "shell/Finestre.h"
#include "shell/frmAbout.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }

    // A real box without a title carries the caption's product name, as the
    // About box does; the record of requests is kept only when asked for.
    void titoloEStorico()
    {
        const Prompt::Risponditore vecchio = Prompt::ImpostaRisponditore(nullptr);
        QString titolo;
        QTimer::singleShot(0, qApp, [&titolo] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                titolo = b->windowTitle();
                b->accept();
            }
        });
        Prompt::MsgBox(QStringLiteral("x"));
        Prompt::ImpostaRisponditore(vecchio);
        QCOMPARE(titolo, Principale::Istanza()->windowTitle());
        QVERIFY(Finestre::Get<frmAbout>()->windowTitle().endsWith(titolo));
        QVERIFY(Prompt::Storico().isEmpty());
        Prompt::RegistraStorico(true);
        Prompt::MsgBox(QStringLiteral("kept"));
        QCOMPARE(Prompt::Storico().size(), 1);
        Prompt::RegistraStorico(false);
        Prompt::MsgBox(QStringLiteral("not kept"));
        QVERIFY(Prompt::Storico().isEmpty());
    }

    void sysInfoNonDisponibile()
    {
        QString valore = QStringLiteral("left over");
        QVERIFY(!GetKeyValue(HKEY_LOCAL_MACHINE_, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                             QStringLiteral("PATH"), valore));
        QVERIFY(valore.isEmpty());

        Test::Copione c;
        c.Installa();
        auto* f = Finestre::Get<frmAbout>();
        f->show();
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
        QCOMPARE(c.richieste.size(), 1);
        QCOMPARE(c.richieste[0].testo,
                 QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili."));
        QCOMPARE(c.richieste[0].pulsanti, int(Prompt::SoloOk));
        QVERIFY(c.richieste[0].titolo.isEmpty());   // the application's own title
        QVERIFY(Finestre::SeCaricata<frmAbout>());
        QVERIFY(f->isVisible());
    }

    void okScarica()
    {
        auto* f = Finestre::Get<frmAbout>();
        f->show();
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Finestre::SeCaricata<frmAbout>());
        // Loaded again, it is whole again.
        auto* g = Finestre::Get<frmAbout>();
        QCOMPARE(g->windowTitle(), QStringLiteral("About Brixa"));
        QCOMPARE(g->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version: 1.8c"));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
