// The boxes and the download dialog are as wide as their whole title in a
// window manager's frame, where the window system puts the product's name
// after every title of a window's own. Measured on a desktop as wide as a
// common one, where a message box on its own stops growing at 1000 pixels.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "comm/Dispositivo.h"
#include "ioconfig/frm_Config2.h"
#include "program/Program.h"
#include "program/Programmi.h"
#include "shell/ComandiBarra.h"
#include "shell/Finestre.h"
#include "shell/frm_Download.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// The title in a frame's bold face, with an icon and three buttons.
int Serve(const QString& mostrato)
{
    QFont grassetto = QApplication::font("QMdiSubWindowTitleBar");
    grassetto.setBold(true);
    return QFontMetrics(grassetto).horizontalAdvance(mostrato) + 100;
}

QString Mostrato(const QString& titolo)
{
    return titolo + QStringLiteral(" \u2014 Brixa");
}
} // namespace

class TestTitoli : public QObject {
    Q_OBJECT
    Test::FakeController fake;
    QTimer m_guardia;
    QStringList m_titoli;     // of the boxes seen, in order
    QList<int> m_larghezze;
    QList<QMessageBox::StandardButton> m_risposte;

    // A box that shows is measured and answered.
    void Guarda()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->property("visto").toBool()) return;
        box->setProperty("visto", true);
        m_titoli << box->windowTitle();
        m_larghezze << box->width();
        const auto risposta = m_risposte.isEmpty() ? QMessageBox::Ok : m_risposte.takeFirst();
        QMetaObject::invokeMethod(box->button(risposta), &QAbstractButton::click, Qt::QueuedConnection);
    }
    void Verifica(int i, const QString& titolo)
    {
        QVERIFY(i < m_titoli.size());
        QCOMPARE(m_titoli[i], titolo);
        QVERIFY2(m_larghezze[i] >= Serve(Mostrato(titolo)),
                 qPrintable(QStringLiteral("%1: %2 < %3").arg(titolo).arg(m_larghezze[i]).arg(Serve(Mostrato(titolo)))));
    }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Brixa"));
        // The real boxes, as a user gets them.
        Prompt::ImpostaRisponditore({});
        connect(&m_guardia, &QTimer::timeout, this, &TestTitoli::Guarda);
        m_guardia.start(10);
        QVERIFY(fake.AvviaTcp());
    }
    void init()
    {
        m_titoli.clear();
        m_larghezze.clear();
        m_risposte.clear();
    }

    void chiudiProgetto()
    {
        m_risposte << QMessageBox::Cancel;
        QVERIFY(!Finestre::Get<Program>()->ConfermaChiusura());
        Verifica(0, QStringLiteral("Mirok"));
    }

    // Past the width a message box gives itself, not past the screen.
    void salvaConPercorsoLungo()
    {
        const QString percorso = QStringLiteral("/home/tecnico/commesse/2026/linea-di-imbottigliamento-3/"
                                                "quadro-di-comando-principale/programmi-del-controllore/revisione-12/impianto");
        QVERIFY(Serve(Mostrato(percorso)) > 1000);
        QVERIFY(Serve(Mostrato(percorso)) < Principale::Istanza()->screen()->availableGeometry().width());
        // The caption a project opened from there leaves.
        const QString prima = Principale::Istanza()->windowTitle();
        Principale::Istanza()->setWindowTitle(percorso);
        ProgettoModificato = true;
        m_risposte << QMessageBox::Cancel;
        Principale::Istanza()->close();
        Principale::Istanza()->setWindowTitle(prima);
        Principale::Istanza()->show();
        ProgettoModificato = false;
        Verifica(0, percorso);
    }

    void indirizzoNonValido()
    {
        frm_Config2* f = Finestre::Get<frm_Config2>();
        f->ImpostaTesto(QStringLiteral("Indirizzo"), QStringLiteral("abc"));
        f->cmd_read_Click(0);
        QCOMPARE(m_titoli.size(), 1);
        Verifica(0, QStringLiteral("MOD-RTU"));
        Finestre::Scarica<frm_Config2>();
    }

    // Stopped in the middle: the question, the box that says where it
    // stopped, and the dialog that keeps showing it in its own title.
    void downloadFermato()
    {
        for (int k = 0; k < NumModelli; ++k)
            if (Modelli[size_t(k)].NumStringhe == 0 && Modelli[size_t(k)].IndirizzoProgramma >= 512) {
                Controllore.Modello = uint8_t(k);
                break;
            }
        QVERIFY(Test::CollegaAlFake(fake, false));
        Programmi[0].NumRung = 6;
        for (int r = 1; r <= 6; ++r) Programmi[0].Rung[r] = Rung{.Classe = 3, .Valido = true, .Lunghezza = 34};
        Toolbar1_ButtonClick(QStringLiteral("download"));
        frm_Download* d = Finestre::SeCaricata<frm_Download>();
        QVERIFY(d);
        d->findChild<QCheckBox*>(QStringLiteral("chk_var"))->setChecked(false);
        m_risposte << QMessageBox::Yes;
        bool chiesto = false;
        connect(&fake, &Test::FakeController::RichiestaRicevuta, this, [&] {
            if (chiesto || fake.Richieste.size() != 4) return;
            chiesto = true;
            d->close();
        });
        d->findChild<QPushButton*>(QStringLiteral("cmdDownload"))->click();
        disconnect(&fake, nullptr, this, nullptr);
        QCOMPARE(m_titoli.size(), 2);
        Verifica(0, QStringLiteral("Download"));
        Verifica(1, QStringLiteral("Download"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Download - Download Stopped: program"));
        QVERIFY(d->isVisible());
        QVERIFY2(d->width() >= Serve(Mostrato(d->windowTitle())),
                 qPrintable(QStringLiteral("%1 < %2").arg(d->width()).arg(Serve(Mostrato(d->windowTitle())))));
        d->close();
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir cartella;
    const QString schermo = cartella.filePath(QStringLiteral("schermo.json"));
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QFile f(schermo);
        if (f.open(QIODevice::WriteOnly))
            f.write(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}]})");
        f.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(schermo));
    }
    QApplication app(argc, argv);
    TestTitoli t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}
#include "test_titoli.moc"
