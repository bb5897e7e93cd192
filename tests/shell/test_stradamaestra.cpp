// The toolbar keys against a controller on the wire (TCP and RTU), the live
// loops and what ends them, and the close of the main window.
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "program/OperazioniRung.h"
#include "program/Progetto.h"
#include "program/Programmi.h"
#include "program/StatoProgramma.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "shell/Log.h"
#include "shell/frm_Settings.h"
#include "shell/Principale.h"
#include "shell/convert/Attesa.h"
#include "shell/model/Globali.h"
#include "shell/model/Modelli.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>
#include <QtTest>

using namespace Test;
using Trame = QList<QByteArray>;

namespace {
QByteArray H(const char* s) { return QByteArray::fromHex(s); }

// Unit 10 throughout.
const QByteArray kRun = H("0a06000000ff");
const QByteArray kRunBreak = H("0a060000005a");
const QByteArray kPausa = H("0a0600000064");
const QByteArray kStop = H("0a06000000fc");
const QByteArray kMonitor = H("0a04000d0001");   // program counter
const QByteArray kPagina = H("0a0400000020");    // the register page on show
const QByteArray kComando = H("0a0400000001");   // input register 0
const QByteArray kModello = H("0a0400010002");
const QByteArray kDebug = H("0a14040000130156");
const QByteArray kRelease = H("0a14040000130155");
const QByteArray kStatoDebug = H("0a140200001301");

void Clic(const char* chiave)
{
    Principale::Istanza()->Toolbar1_ButtonClick(QString::fromLatin1(chiave));
}

// A click arriving from the event loop while the handler under test runs.
void ClicTra(int ms, const char* chiave)
{
    QTimer::singleShot(ms, qApp, [chiave] { Clic(chiave); });
}

QString Pannello(int i) { return Principale::Istanza()->Pannello(i); }

int IndiceModello(const char* codice)
{
    for (int i = 0; i < NumModelli; ++i)
        if (Modelli[i].Codice == QLatin1String(codice)) return i;
    return -1;
}

// The model code as the identification read gives it: one digit a byte.
void CodiceNelFake(FakeController& f, const char* codice)
{
    const QByteArray c(codice);
    auto cifra = [&](int i) { return uint16_t(QByteArray(1, c[i]).toUShort(nullptr, 16)); };
    f.Input[1] = uint16_t(cifra(0) << 8 | cifra(1));
    f.Input[2] = uint16_t(cifra(2) << 8 | cifra(3));
}
} // namespace

class ApriUrl : public QObject {
    Q_OBJECT
public:
    QList<QUrl> aperti;
public slots:
    void apri(const QUrl& u) { aperti << u; }
};

class TestStradaMaestra : public QObject {
    Q_OBJECT
    FakeController* m_fake = nullptr;
    Copione m_copione;
    bool m_guardia = false;
    QTimer m_timerGuardia;

    void Collega(bool rtu)
    {
        ComErr = 1;
        QVERIFY(CollegaAlFake(*m_fake, rtu));
        m_fake->Input[0] = 0;
        Controllore.Modello = 0;
        Controllore.ModoDebug = -1;
        Controllore.UltimoComando = 0;
    }

    // A loop that the test failed to end is ended here, and the test fails.
    void Guardia(int ms)
    {
        m_guardia = false;
        m_timerGuardia.disconnect();
        connect(&m_timerGuardia, &QTimer::timeout, this, [this] {
            if (ComErr == 0) {
                m_guardia = true;
                ComErr = 1;
            }
        });
        m_timerGuardia.setSingleShot(true);
        m_timerGuardia.start(ms);
    }

    void AggiungiTrasporto()
    {
        QTest::addColumn<bool>("rtu");
        QTest::newRow("tcp") << false;
        QTest::newRow("rtu") << true;
    }

private slots:
    void initTestCase()
    {
        AvviaWorkbench();
        QApplication::setQuitOnLastWindowClosed(false);
        m_fake = new FakeController(this);
        QVERIFY(m_fake->AvviaTcp());
        QVERIFY(m_fake->AvviaRtu(1));
    }

    void init()
    {
        m_copione = Copione{};
        m_copione.Installa();
        AggiornamentoAuto = false;
        TempoAggiornamento = 50;
        ProgettoModificato = false;
        SalvaProgettoAggancio = nullptr;
    }

    void cleanup()
    {
        m_timerGuardia.stop();
        ComErr = 1;
        QVERIFY2(!m_guardia, "a live loop did not end");
        Disconnetti();
        Principale::Istanza()->show();
    }

    void tasti_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<Trame>("attese");
        QTest::addColumn<QString>("pannello2");
        QTest::addColumn<QString>("pannello3");
        for (bool rtu : {false, true}) {
            const char* t = rtu ? "rtu " : "tcp ";
            auto riga = [&](const char* nome, const char* chiave, const Trame& attese, const char* p2,
                            const char* p3) {
                QTest::newRow(qPrintable(QLatin1String(t) + QLatin1String(nome)))
                    << rtu << QString::fromLatin1(chiave) << attese << QString::fromLatin1(p2)
                    << QString::fromLatin1(p3);
            };
            riga("run without refresh", "run", {kRun}, "Debug Mode", "RUN");
            riga("pause", "pause", {kPausa, kMonitor, kPagina}, "Debug Mode", "Stop");
            riga("stop", "stop", {kPausa, kStop, kMonitor, kPagina}, "Debug Mode", "Stop");
            riga("debug", "debug", {kDebug, kStatoDebug}, "Debug Mode", "Stop");
            riga("release", "release", {kRelease, kStatoDebug}, "Release Mode", "Stop");
            riga("disconnect", "disconnect", {}, "", "");
            riga("upload", "upload", {}, "Debug Mode", "Stop");
            riga("view_log", "view_log", {}, "Debug Mode", "Stop");
            riga("unknown key", "proj_zzz", {}, "Debug Mode", "Stop");
        }
    }

    void tasti()
    {
        QFETCH(bool, rtu);
        QFETCH(QString, chiave);
        QFETCH(Trame, attese);
        QFETCH(QString, pannello2);
        QFETCH(QString, pannello3);
        Collega(rtu);
        ComErr = 0;
        Principale::Istanza()->Toolbar1_ButtonClick(chiave);
        QCOMPARE(m_fake->Richieste, attese);
        // Every click stops whatever loop runs.
        QCOMPARE(int(ComErr), 1);
        const bool connesso = chiave != u"disconnect";
        QCOMPARE(Controllore.Connesso, connesso);
        QCOMPARE(Pannello(1), connesso ? (rtu ? QStringLiteral("Port Open") : QStringLiteral("Connected"))
                                       : (rtu ? QStringLiteral("Port Closed") : QStringLiteral("Not Connected")));
        QCOMPARE(Pannello(2), pannello2);
        QCOMPARE(Pannello(3), pannello3);
        if (!attese.isEmpty()) QCOMPARE(Pannello(4), QStringLiteral("Com OK"));
    }

    void connetti_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<QByteArray>("codice");
        QTest::addColumn<bool>("leggeDebug");
        for (bool rtu : {false, true}) {
            const char* t = rtu ? "rtu " : "tcp ";
            QTest::newRow(qPrintable(QLatin1String(t) + "QVR4555")) << rtu << QByteArray("4595") << true;
            QTest::newRow(qPrintable(QLatin1String(t) + "QVR4005")) << rtu << QByteArray("4005") << true;
            QTest::newRow(qPrintable(QLatin1String(t) + "QVR4566")) << rtu << QByteArray("4599") << false;
        }
    }

    void connetti()
    {
        QFETCH(bool, rtu);
        QFETCH(QByteArray, codice);
        QFETCH(bool, leggeDebug);
        Collega(rtu);
        const int modello = IndiceModello(codice.constData());
        QVERIFY(modello >= 0);
        Controllore.Modello = uint8_t(modello);   // the expected one: no question
        Controllore.ModoDebug = 0;
        CodiceNelFake(*m_fake, codice.constData());
        m_fake->Memoria[0x13] = ByteDebug;
        const int accettate = m_fake->ConnessioniAccettate;
        Clic("connect");
        QVERIFY(Controllore.Connesso);
        if (!rtu) QCOMPARE(m_fake->ConnessioniAccettate, accettate + 1);   // a fresh link
        Trame attese{kModello};
        if (leggeDebug) attese << kStatoDebug;
        QCOMPARE(m_fake->Richieste, attese);
        QCOMPARE(int(Controllore.Modello), modello);
        QCOMPARE(int(Controllore.ModoDebug), leggeDebug ? -1 : 0);
        QCOMPARE(Pannello(6), Modelli[modello].Nome);
        QVERIFY(m_copione.Messaggi().isEmpty());
    }

    void connettiFallito()
    {
        Collega(false);
        quint16 libera = 0;
        {
            QTcpServer s;
            QVERIFY(s.listen(QHostAddress::LocalHost));
            libera = s.serverPort();
        }
        Controllore.Porta = int16_t(libera);   // nobody listens there now
        Clic("connect");
        QVERIFY(!Controllore.Connesso);
        QCOMPARE(Pannello(1), QStringLiteral("Not Connected"));
        QVERIFY(m_fake->Richieste.isEmpty());
    }

    void runLoopFinoAlClic_data() { AggiungiTrasporto(); }
    void runLoopFinoAlClic()
    {
        QFETCH(bool, rtu);
        Collega(rtu);
        AggiornamentoAuto = true;
        Guardia(6000);
        ClicTra(1400, "stop");
        QElapsedTimer t;
        t.start();
        Clic("run");
        // One page a second; the stop runs inside the second pass's wait, the
        // pass still reads its page, then the loop ends.
        QCOMPARE(m_fake->Richieste, (Trame{kRun, kPagina, kPausa, kStop, kMonitor, kPagina, kPagina}));
        QVERIFY(t.elapsed() >= 1900 && t.elapsed() < 3500);
        QCOMPARE(int(ComErr), 1);
        QCOMPARE(Pannello(3), QStringLiteral("Stop"));
    }

    void runLoopLinkCaduto_data() { AggiungiTrasporto(); }
    void runLoopLinkCaduto()
    {
        QFETCH(bool, rtu);
        Collega(rtu);
        AggiornamentoAuto = true;
        Guardia(8000);
        QTimer::singleShot(500, m_fake, [this, rtu] {
            if (rtu) {
                for (int i = 0; i < 4; ++i) m_fake->Accoda(FakeController::Risposta::Nessuna());
            } else {
                m_fake->ChiudiConnessioni();
            }
        });
        QElapsedTimer t;
        t.start();
        Clic("run");
        QVERIFY(t.elapsed() < 4000);
        QCOMPARE(int(ComErr), 1);
        QCOMPARE(m_fake->Richieste.first(), kRun);
        QVERIFY(Pannello(4).startsWith(QLatin1String("Com ")) && Pannello(4) != u"Com OK");
    }

    void runBrAvviso_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<bool>("invia");
        QTest::newRow("abort") << int(Prompt::Interrompi) << false;
        QTest::newRow("retry") << int(Prompt::Riprova) << false;
        QTest::newRow("ignore") << int(Prompt::Ignora) << true;
    }
    void runBrAvviso()
    {
        QFETCH(int, risposta);
        QFETCH(bool, invia);
        Collega(false);
        ProgettoModificato = true;
        Principale::Istanza()->ImpostaPannello(3, QStringLiteral("untouched"));
        m_copione.Rispondi(risposta);
        Clic("runBr");
        QCOMPARE(m_copione.richieste.size(), 1);
        const Prompt::Richiesta& r = m_copione.richieste.first();
        QCOMPARE(r.testo, QStringLiteral("Program modified: download program to avoid mismatch"));
        QCOMPARE(r.titolo, QStringLiteral("Warning"));
        QCOMPARE(r.pulsanti & 7, int(Prompt::InterrompiRiprovaIgnora));
        if (invia) {
            // Input register 0 does not read 90: no pass runs.
            QCOMPARE(m_fake->Richieste, (Trame{kRunBreak, kComando, kMonitor, kPagina}));
            QCOMPARE(Pannello(3), QStringLiteral("RUN"));
        } else {
            QVERIFY(m_fake->Richieste.isEmpty());
            QCOMPARE(Pannello(3), QStringLiteral("untouched"));
        }
        QCOMPARE(int(ComErr), 1);
    }

    void runBrFinoAlBreak_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<bool>("auto_");
        QTest::addColumn<Trame>("attese");
        for (bool rtu : {false, true}) {
            const char* t = rtu ? "rtu " : "tcp ";
            QTest::newRow(qPrintable(QLatin1String(t) + "no refresh"))
                << rtu << false << Trame{kRunBreak, kComando, kComando, kComando, kMonitor, kPagina};
            QTest::newRow(qPrintable(QLatin1String(t) + "refresh"))
                << rtu << true << Trame{kRunBreak, kComando, kComando, kPagina, kComando, kPagina, kMonitor, kPagina};
        }
    }
    void runBrFinoAlBreak()
    {
        QFETCH(bool, rtu);
        QFETCH(bool, auto_);
        QFETCH(Trame, attese);
        Collega(rtu);
        AggiornamentoAuto = auto_;
        m_fake->Input[0] = 90;
        // The controller reaches its break between the first and second pass.
        QTimer::singleShot(1500, m_fake, [this] { m_fake->Input[0] = 0; });
        Guardia(6000);
        Clic("runBr");
        QCOMPARE(m_fake->Richieste, attese);
        QCOMPARE(int(ComErr), 1);
        QCOMPARE(TabRegistri[0].Valore, 0);
    }

    void runBrFinoAlClic()
    {
        Collega(false);
        m_fake->Input[0] = 90;
        Guardia(6000);
        ClicTra(1400, "pause");
        Clic("runBr");
        QCOMPARE(m_fake->Richieste,
                 (Trame{kRunBreak, kComando, kComando, kPausa, kMonitor, kPagina, kComando, kMonitor, kPagina}));
        QCOMPARE(TabRegistri[0].Valore, 90);
        QCOMPARE(int(ComErr), 1);
    }

    void animaFinoAlClic_data() { AggiungiTrasporto(); }
    void animaFinoAlClic()
    {
        QFETCH(bool, rtu);
        Collega(rtu);
        TempoAggiornamento = 400;
        Guardia(5000);
        ClicTra(200, "stop");
        Clic("step");
        // The stop runs inside the first wait; the pass still steps once.
        QCOMPARE(m_fake->Richieste, (Trame{kPausa, kStop, kMonitor, kPagina, kPausa, kMonitor, kPagina}));
        QCOMPARE(int(Controllore.UltimoComando), 100);
    }

    void animaPassi()
    {
        Collega(false);
        TempoAggiornamento = 100;
        Guardia(5000);
        // A menu item chosen meanwhile does not stop the loop.
        QTimer::singleShot(150, qApp, [] { Principale::Istanza()->MenuClick(QStringLiteral("mnu_log")); });
        ClicTra(720, "pause");
        QElapsedTimer t;
        t.start();
        Clic("step");
        const qint64 durata = t.elapsed();
        const int passi = int(m_fake->Richieste.count(kPausa)) - 1;   // the last one is the click's
        // One step per period plus the time of the transactions.
        QVERIFY2(passi >= 4 && passi <= 8, qPrintable(QString::number(passi)));
        QVERIFY(durata >= 700);
    }

    // A click that lands while a transaction waits for its reply runs once
    // that transaction is over instead of being refused.
    void clicDuranteTransazione_data() { AggiungiTrasporto(); }
    void clicDuranteTransazione()
    {
        QFETCH(bool, rtu);
        Collega(rtu);
        m_fake->Accoda(FakeController::Risposta::Predefinita().Ritardo(300));
        ClicTra(100, "stop");
        Clic("run");
        QVERIFY(AttendiFinche([this] { return m_fake->Richieste.size() >= 5; }, 3000));
        QCOMPARE(m_fake->Richieste, (Trame{kRun, kPausa, kStop, kMonitor, kPagina}));
        QVERIFY(m_copione.Messaggi().isEmpty());
        QCOMPARE(Pannello(4), QStringLiteral("Com OK"));
    }

    void paginaWeb()
    {
        ApriUrl gestore;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &gestore, "apri");
        Controllore.IndirizzoIP = QStringLiteral("127.0.0.5");
        Clic("view_http");
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(gestore.aperti, (QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.5"))}));
    }

    void vociCheAprono_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QByteArray>("finestra");
        QTest::addColumn<int>("pagina");   // Settings page shown, -1 not the Settings dialog
        QTest::newRow("log") << "mnu_log" << QByteArray("Log") << -1;
        QTest::newRow("about") << "mnu_About" << QByteArray("frmAbout") << -1;
        QTest::newRow("search") << "mnu_search" << QByteArray("frm_search") << -1;
        QTest::newRow("registers") << "mnu_Registri" << QByteArray("Registri") << -1;
        QTest::newRow("terminal") << "mnu_dialoga" << QByteArray("frm_dialoga") << -1;
        QTest::newRow("program") << "mnu_program" << QByteArray("Program") << -1;
        QTest::newRow("project tree") << "mnu_viewProj" << QByteArray("frm_Progetto") << -1;
        QTest::newRow("controller") << "mnu_controller" << QByteArray("frm_Settings") << 0;
        QTest::newRow("workspace") << "mnu_workspace" << QByteArray("frm_Settings") << 1;
        QTest::newRow("controller again") << "mnu_controller" << QByteArray("frm_Settings") << 0;
    }
    void vociCheAprono()
    {
        QFETCH(QString, voce);
        QFETCH(QByteArray, finestra);
        QFETCH(int, pagina);
        if (pagina < 0) Finestre::Scarica(Finestre::Cerca(finestra));
        ComErr = 0;
        Principale::Istanza()->MenuClick(voce);
        QWidget* w = Finestre::Cerca(finestra);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        if (pagina >= 0) {
            auto* f = qobject_cast<frm_Settings*>(w);
            QVERIFY(f);
            QCOMPARE(f->frm_opt(0)->isVisibleTo(f), pagina == 0);
            QCOMPARE(f->frm_opt(1)->isVisibleTo(f), pagina == 1);
        }
        // A menu item is no toolbar click: a running loop goes on.
        QCOMPARE(int(ComErr), 0);
        ComErr = 1;
    }

    // No item of the menu bar is silent: each opens or does something, or
    // says in the Log that its function is not in this build.
    void nessunaVoceMuta()
    {
        Principale* p = Principale::Istanza();
        const QStringList aParte = {"mnu_exit", "mnu_new", "mnu_close"};
        int provate = 0;
        for (QAction* menu : p->menuBar()->actions()) {
            QList<QAction*> voci = menu->menu()->actions();
            while (!voci.isEmpty()) {
                QAction* a = voci.takeFirst();
                if (a->menu()) {
                    voci << a->menu()->actions();
                    continue;
                }
                if (a->isSeparator() || aParte.contains(a->objectName())) continue;
                for (QWidget* w : Finestre::Caricate())
                    if (w->objectName() != u"Log") Finestre::Scarica(w);
                LogClear();
                Log* log = Finestre::Get<Log>();
                log->parentWidget()->hide();
                a->trigger();
                bool altra = false;
                for (QWidget* w : Finestre::Caricate()) altra = altra || (w != log && w->isVisible());
                const int righe = log->Testo()->count();
                if (righe > 0)
                    QVERIFY2(altra || log->Testo()->item(righe - 1)->text().contains(u"not available"),
                             qPrintable(a->objectName()));
                else
                    QVERIFY2(altra || log->isVisible(), qPrintable(a->objectName()));
                ++provate;
            }
        }
        QCOMPARE(provate, 33);
    }

    void nuovoChiudi_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("salvataggio");   // -1 no saver, 0 fails, 1 saves
        QTest::addColumn<int>("rung");          // rungs afterwards; 3 = untouched
        QTest::newRow("new, cancel") << "mnu_new" << int(Prompt::Annulla) << -1 << 1;
        QTest::newRow("new, saved") << "mnu_new" << int(Prompt::Ok) << 1 << 1;
        QTest::newRow("new, save fails") << "mnu_new" << int(Prompt::Ok) << 0 << 3;
        QTest::newRow("new, no saver") << "mnu_new" << int(Prompt::Ok) << -1 << 3;
        QTest::newRow("close, cancel") << "mnu_close" << int(Prompt::Annulla) << -1 << 0;
        QTest::newRow("close, save fails") << "mnu_close" << int(Prompt::Ok) << 0 << 3;
    }
    void nuovoChiudi()
    {
        QFETCH(QString, voce);
        QFETCH(int, risposta);
        QFETCH(int, salvataggio);
        QFETCH(int, rung);
        if (salvataggio >= 0) SalvaProgettoAggancio = [salvataggio](bool) { return salvataggio == 1; };
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        AggiungiRungVuoto();
        AggiungiRungVuoto();
        QCOMPARE(int(Programmi[ProgCorrente].NumRung), 3);
        NomeProgetto = QStringLiteral("before");
        ProgettoModificato = true;
        m_copione.Rispondi(risposta);
        Principale::Istanza()->MenuClick(voce);
        QCOMPARE(int(Programmi[ProgCorrente].NumRung), rung);
        QCOMPARE(ProgettoModificato, rung == 3);
        // Only New shows the blank project; Close leaves the view alone.
        QCOMPARE(NomeProgetto, rung == 1 ? QStringLiteral("Project") : QStringLiteral("before"));
    }

    // The pop-up runs whatever state the toolbar's button is in.
    void incollaDalPopup()
    {
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        Programmi[ProgCorrente].Rung[0].Descrizione = QStringLiteral("from the clipboard");
        Principale* p = Principale::Istanza();
        QAction* tasto = p->Pulsante(QStringLiteral("rung_paste"));
        tasto->setEnabled(false);
        tasto->trigger();
        QVERIFY(Programmi[ProgCorrente].Rung[1].Descrizione != u"from the clipboard");
        p->Popup(QStringLiteral("mnu_FB"))->findChild<QAction*>(QStringLiteral("mnu_FB_paste"))->trigger();
        QCOMPARE(Programmi[ProgCorrente].Rung[1].Descrizione, QStringLiteral("from the clipboard"));
    }

    void chiusura_data()
    {
        QTest::addColumn<bool>("modificato");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("salvataggio");   // -1 no saver, 0 fails, 1 saves
        QTest::addColumn<bool>("chiusa");
        QTest::addColumn<int>("salvataggiChiesti");
        QTest::newRow("not modified") << false << int(Prompt::Ok) << 1 << true << 0;
        QTest::newRow("cancel") << true << int(Prompt::Annulla) << 1 << true << 0;
        QTest::newRow("ok, saved") << true << int(Prompt::Ok) << 1 << true << 1;
        QTest::newRow("ok, save fails") << true << int(Prompt::Ok) << 0 << false << 1;
        QTest::newRow("ok, no saver") << true << int(Prompt::Ok) << -1 << false << 0;
    }
    void chiusura()
    {
        QFETCH(bool, modificato);
        QFETCH(int, risposta);
        QFETCH(int, salvataggio);
        QFETCH(bool, chiusa);
        QFETCH(int, salvataggiChiesti);
        Principale* p = Principale::Istanza();
        int chiesti = 0;
        bool comeSalvaCome = false;
        if (salvataggio >= 0) {
            SalvaProgettoAggancio = [&](bool salvaCome) {
                ++chiesti;
                comeSalvaCome = salvaCome;
                return salvataggio == 1;
            };
        }
        ProgettoModificato = modificato;
        m_copione.Rispondi(risposta);
        ComErr = 0;
        p->MenuClick(QStringLiteral("mnu_exit"));
        QCOMPARE(p->isVisible(), !chiusa);
        QCOMPARE(chiesti, salvataggiChiesti);
        if (chiesti) QVERIFY(comeSalvaCome);
        if (modificato) {
            QCOMPARE(m_copione.richieste.size(), 1);
            QCOMPARE(m_copione.richieste.first().testo, Testo(172));
            QCOMPARE(m_copione.richieste.first().titolo, p->windowTitle());
            QCOMPARE(m_copione.richieste.first().pulsanti & 7, int(Prompt::OkAnnulla));
        } else {
            QVERIFY(m_copione.richieste.isEmpty());
        }
        // A loop left running would keep the program alive after the close.
        QCOMPARE(int(ComErr), chiusa ? 1 : 0);
        ComErr = 1;
    }
};

QTEST_MAIN(TestStradaMaestra)
#include "test_stradamaestra.moc"
