// The toolbar keys against a controller on the wire (TCP and RTU), the live
// loops and what ends them, and the close of the main window.
#include "base/Attesa.h"
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "program/OperazioniRung.h"
#include "program/Progetto.h"
#include "program/Program.h"
#include "program/Programmi.h"
#include "program/StatoProgramma.h"
#include "registers/TabRegistri.h"
#include "shell/ComandiBarra.h"
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "shell/frm_Settings.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "support/AiutiRicerca.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"
#include "support/ShellFake.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
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
    Toolbar1_ButtonClick(QString::fromLatin1(chiave));
}

// A click arriving from the event loop while the handler under test runs.
// Scheduled clicks live on this object, which each test's clean-up deletes,
// so a click a test scheduled can never land in the next test.
QObject* ContestoClic()
{
    static QPointer<QObject> contesto;
    if (!contesto) contesto = new QObject(qApp);
    return contesto;
}

void ClicTra(int ms, const char* chiave)
{
    QTimer::singleShot(ms, ContestoClic(), [chiave] { Clic(chiave); });
}

QString Pannello(int i) { return Principale::Istanza()->Pannello(i); }
} // namespace

// One live loop: the key that starts it, the click (if any) that ends it,
// and what the controller sees.
struct Ciclo {
    const char* tasto;
    const char* clic;
    int clicMs;
    bool auto_;
    int tempo;
    int input0;        // input register 0 at the start
    int breakMs;       // when it stops reading 90, -1 never
    int minimoMs;      // the loop may not end sooner
    int ultimo;        // last command sent
    Trame attese;
    bool rtu = false;
};
Q_DECLARE_METATYPE(Ciclo)

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
        delete ContestoClic();
        // A click deferred behind a transaction belongs to this test.
        QVERIFY(AttendiFinche([] { return ClicRinviati() == 0; }, 5000));
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
        QTest::addColumn<QStringList>("pannelli");   // 2 and 3
        for (bool rtu : {false, true}) {
            auto riga = [&](const char* chiave, const Trame& attese, QStringList p) {
                QTest::newRow(qPrintable(QLatin1String(rtu ? "rtu " : "tcp ") + QLatin1String(chiave)))
                    << rtu << QString::fromLatin1(chiave) << attese << p;
            };
            riga("run", {kRun}, {"Debug Mode", "RUN"});   // no refresh: no loop
            riga("pause", {kPausa, kMonitor, kPagina}, {"Debug Mode", "Stop"});
            riga("stop", {kPausa, kStop, kMonitor, kPagina}, {"Debug Mode", "Stop"});
            riga("debug", {kDebug, kStatoDebug}, {"Debug Mode", "Stop"});
            riga("release", {kRelease, kStatoDebug}, {"Release Mode", "Stop"});
            riga("disconnect", {}, {"", ""});
            riga("upload", {}, {"Debug Mode", "Stop"});
            riga("view_log", {}, {"Debug Mode", "Stop"});
            riga("proj_zzz", {}, {"Debug Mode", "Stop"});   // unknown key
        }
    }
    void tasti()
    {
        QFETCH(bool, rtu);
        QFETCH(QString, chiave);
        QFETCH(Trame, attese);
        Collega(rtu);
        ComErr = 0;
        Toolbar1_ButtonClick(chiave);
        QCOMPARE(m_fake->Richieste, attese);
        QCOMPARE(int(ComErr), 1);   // every click stops whatever loop runs
        const bool connesso = chiave != u"disconnect";
        QCOMPARE(Controllore.Connesso, connesso);
        QCOMPARE(Pannello(1), QLatin1String(connesso ? (rtu ? "Port Open" : "Connected")
                                                     : (rtu ? "Port Closed" : "Not Connected")));
        QTEST((QStringList{Pannello(2), Pannello(3)}), "pannelli");
        if (!attese.isEmpty()) QCOMPARE(Pannello(4), QStringLiteral("Com OK"));
    }

    void connetti_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<QByteArray>("codice");
        QTest::addColumn<bool>("leggeDebug");
        // QVR4555 reads the debug byte, QVR4566 does not (the models one by
        // one are the link's test).
        QTest::newRow("tcp 4595") << false << QByteArray("4595") << true;
        QTest::newRow("rtu 4599") << true << QByteArray("4599") << false;
    }
    void connetti()
    {
        QFETCH(bool, rtu);
        QFETCH(QByteArray, codice);
        QFETCH(bool, leggeDebug);
        Collega(rtu);
        const int modello = IndiceModello(codice);
        QVERIFY(modello >= 0);
        Controllore.Modello = uint8_t(modello);   // the expected one: no question
        Controllore.ModoDebug = 0;
        CodiceNelFake(*m_fake, codice);
        m_fake->Memoria[0x13] = ByteDebug;
        const int accettate = m_fake->ConnessioniAccettate;
        Clic("connect");
        QVERIFY(Controllore.Connesso);
        if (!rtu) QCOMPARE(m_fake->ConnessioniAccettate, accettate + 1);   // a fresh link
        QCOMPARE(m_fake->Richieste, (leggeDebug ? Trame{kModello, kStatoDebug} : Trame{kModello}));
        QCOMPARE(int(Controllore.Modello), modello);
        QCOMPARE(int(Controllore.ModoDebug), leggeDebug ? -1 : 0);
        QCOMPARE(Pannello(6), Modelli[modello].Nome);
        QVERIFY(m_copione.Messaggi().isEmpty());
    }

    void runLoopLinkCaduto_data() { AggiungiTrasporto(); }
    void runLoopLinkCaduto()
    {
        QFETCH(bool, rtu);
        Collega(rtu);
        AggiornamentoAuto = true;
        Guardia(8000);
        QTimer::singleShot(500, m_fake, [this, rtu] {
            if (!rtu) m_fake->ChiudiConnessioni();
            else for (int i = 0; i < 4; ++i) m_fake->Accoda(FakeController::Risposta::Nessuna());
        });
        Clic("run");
        QCOMPARE(int(ComErr), 1);
        QCOMPARE(m_fake->Richieste.first(), kRun);
        QVERIFY(Pannello(4).startsWith(QLatin1String("Com ")) && Pannello(4) != u"Com OK");
    }

    void runBrAvviso_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<Trame>("attese");
        QTest::addColumn<QString>("pannello3");
        QTest::newRow("abort") << int(Prompt::Interrompi) << Trame{} << "untouched";
        QTest::newRow("retry") << int(Prompt::Riprova) << Trame{} << "untouched";
        // Input register 0 does not read 90: no pass runs.
        QTest::newRow("ignore") << int(Prompt::Ignora) << Trame{kRunBreak, kComando, kMonitor, kPagina} << "RUN";
    }
    void runBrAvviso()
    {
        QFETCH(int, risposta);
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
        QTEST(m_fake->Richieste, "attese");
        QTEST(Pannello(3), "pannello3");
        QCOMPARE(int(ComErr), 1);
    }

    // Each live loop runs until a toolbar click or, for run to break, until
    // input register 0 stops reading 90; after a click the loop sends nothing,
    // so the clicked command is the last on the wire.
    void cicloFinoAllaFine_data()
    {
        QTest::addColumn<Ciclo>("c");
        for (bool rtu : {false, true}) {
            const QString t = QLatin1String(rtu ? "rtu " : "tcp ");
            auto riga = [&](const char* n, Ciclo c) { c.rtu = rtu; QTest::newRow(qPrintable(t + QLatin1String(n))) << c; };
            // One page a second: the stop lands in the second pass's wait.
            riga("run until a click", {"run", "stop", 1400, true, 50, 0, -1, 1400, 252,
                                       {kRun, kPagina, kPausa, kStop, kMonitor, kPagina}});
            riga("run to break, no refresh", {"runBr", nullptr, 0, false, 50, 90, 1500, 0, 90,
                                              {kRunBreak, kComando, kComando, kComando, kMonitor, kPagina}});
            riga("run to break, refresh", {"runBr", nullptr, 0, true, 50, 90, 1500, 0, 90,
                                           {kRunBreak, kComando, kComando, kPagina, kComando, kPagina, kMonitor, kPagina}});
            // The stop lands in the first wait: the pass sends nothing after it.
            riga("animate until a click", {"step", "stop", 200, false, 400, 0, -1, 0, 252,
                                           {kPausa, kStop, kMonitor, kPagina}});
        }
        QTest::newRow("tcp run to break until a click")
            << Ciclo{"runBr", "pause", 1400, false, 50, 90, -1, 0, 100,
                     {kRunBreak, kComando, kComando, kPausa, kMonitor, kPagina}};
    }
    void cicloFinoAllaFine()
    {
        QFETCH(Ciclo, c);
        Collega(c.rtu);
        AggiornamentoAuto = c.auto_;
        TempoAggiornamento = int16_t(c.tempo);
        m_fake->Input[0] = uint16_t(c.input0);
        if (c.breakMs >= 0) QTimer::singleShot(c.breakMs, m_fake, [this] { m_fake->Input[0] = 0; });
        if (c.clic) ClicTra(c.clicMs, c.clic);
        Guardia(8000);
        QElapsedTimer t;
        t.start();
        Clic(c.tasto);
        QCOMPARE(m_fake->Richieste, c.attese);
        QVERIFY(t.elapsed() >= c.minimoMs);
        QCOMPARE(int(ComErr), 1);
        QCOMPARE(int(Controllore.UltimoComando), c.ultimo);
        // The break is seen in the register table; a click leaves it as read.
        QCOMPARE(TabRegistri[0].Valore, c.breakMs >= 0 ? 0 : c.input0);
        QCOMPARE(Pannello(3), c.ultimo == 90 ? QStringLiteral("RUN") : QStringLiteral("Stop"));
    }

    void animaPassi()
    {
        Collega(false);
        TempoAggiornamento = 100;
        Guardia(6000);
        // A menu item chosen meanwhile does not stop the loop.
        QTimer::singleShot(150, qApp, [] { MenuClick(QStringLiteral("mnu_log")); });
        ClicTra(1000, "pause");
        QElapsedTimer t;
        t.start();
        Clic("step");
        QVERIFY(t.elapsed() >= 950);
        // One step per period plus the time of the transactions: at most 10
        // in the second, and a slow machine still manages a few.
        const int passi = int(m_fake->Richieste.count(kPausa)) - 1;   // the last one is the click's
        QVERIFY2(passi >= 3 && passi <= 11, qPrintable(QString::number(passi)));
    }

    // A click that lands while a transaction waits for its reply runs once
    // that transaction is over instead of being refused.
    void clicDuranteTransazione_data() { AggiungiTrasporto(); }
    void clicDuranteTransazione()
    {
        QFETCH(bool, rtu);
        Collega(rtu);
        // The reply is late but well within the time-out, also on a loaded machine.
        Controllore.TimeoutTCP = 3000;
        ComTimeout = 3;
        m_fake->Accoda(FakeController::Risposta::Predefinita().Ritardo(300));
        ClicTra(100, "stop");
        Clic("run");
        QVERIFY(AttendiFinche([this] { return m_fake->Richieste.size() >= 5; }, 5000));
        QCOMPARE(m_fake->Richieste, (Trame{kRun, kPausa, kStop, kMonitor, kPagina}));
        QCOMPARE(m_copione.Messaggi(), QStringList{});
        QCOMPARE(Pannello(4), QStringLiteral("Com OK"));
    }

    void paginaWeb()
    {
        PagineAperte pagine;
        Controllore.IndirizzoIP = QStringLiteral("127.0.0.5");
        Clic("view_http");
        QCOMPARE(pagine.aperti, QStringList{"http://127.0.0.5"});
    }

    // No item of the menu bar is silent: each opens its window or says in the
    // Log that its function is not in this build. A menu item is no toolbar
    // click: a running loop goes on.
    void vociDelMenu()
    {
        const QHash<QString, QString> finestre = {
            {"mnu_log", "Log"},          {"mnu_About", "frmAbout"},       {"mnu_search", "frm_search"},
            {"mnu_Registri", "Registri"}, {"mnu_dialoga", "frm_dialoga"}, {"mnu_program", "Program"},
            {"mnu_viewProj", "frm_Progetto"}, {"mnu_controller", "frm_Settings"}};
        const QStringList aParte = {"mnu_exit", "mnu_new", "mnu_close"};
        // The project file items, the export and the listing ask first (the script cancels).
        const QHash<QString, Prompt::Tipo> kFile = {{"mnu_openProj", Prompt::Tipo::FileApri},
                                                    {"mnu_saveAs", Prompt::Tipo::FileSalva},
                                                    {"mnu_SaveProj", Prompt::Tipo::FileSalva},
                                                    {"mnu_Export", Prompt::Tipo::FileSalva},
                                                    {"mnu_print", Prompt::Tipo::Stampa}};
        int provate = 0;
        QList<QAction*> voci = Principale::Istanza()->menuBar()->actions();
        while (!voci.isEmpty()) {
            QAction* a = voci.takeFirst();
            const QString nome = a->objectName();
            if (a->menu()) voci << a->menu()->actions();
            if (a->menu() || a->isSeparator() || aParte.contains(nome)) continue;
            for (QWidget* w : Finestre::Caricate())
                if (w->objectName() != u"Log") Finestre::Scarica(w);
            LogClear();
            Log* log = Finestre::Get<Log>();
            log->parentWidget()->hide();
            ComErr = 0;
            a->trigger();
            QVERIFY2(ComErr == 0, qPrintable(nome));
            ComErr = 1;
            ++provate;
            if (finestre.contains(nome)) {
                QWidget* w = Finestre::Cerca(finestre[nome].toLatin1());
                QVERIFY2(w && w->isVisible(), qPrintable(nome));
                continue;
            }
            if (kFile.contains(nome)) {
                QVERIFY2(!m_copione.richieste.isEmpty() && m_copione.richieste.last().tipo == kFile[nome],
                         qPrintable(nome));
                continue;
            }
            bool altra = false;
            for (QWidget* w : Finestre::Caricate()) altra = altra || (w != log && w->isVisible());
            const int righe = log->Testo()->count();
            QVERIFY2(altra || (righe ? log->Testo()->item(righe - 1)->text().contains(u"not available")
                                     : log->isVisible()),
                     qPrintable(nome));
        }
        QCOMPARE(provate, 33);
        // The Settings items show their page, also on the dialog already open.
        for (auto [voce, pagina] : {std::pair{"mnu_controller", 0}, {"mnu_workspace", 1}, {"mnu_controller", 0}}) {
            MenuClick(QString::fromLatin1(voce));
            frm_Settings* f = Finestre::Get<frm_Settings>();
            QVERIFY(f->isVisible());
            QCOMPARE(f->frm_opt(0)->isVisibleTo(f), pagina == 0);
            QCOMPARE(f->frm_opt(1)->isVisibleTo(f), pagina == 1);
        }
    }

    // salvataggio: -1 the project saver (its dialog cancelled), 0 the save fails, 1 it saves. The answers go
    // to "Close Project?" of the open rung list, then to the save question.
    void nuovoChiudi_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QList<int>>("risposte");
        QTest::addColumn<int>("salvataggio");
        QTest::addColumn<int>("rung");   // rungs afterwards; 3 = untouched
        const int ok = Prompt::Ok, no = Prompt::Annulla;
        QTest::newRow("new, saved") << "mnu_new" << QList<int>{ok, ok} << 1 << 1;
        QTest::newRow("new, save fails") << "mnu_new" << QList<int>{ok, ok} << 0 << 3;
        QTest::newRow("new, save dialog cancelled") << "mnu_new" << QList<int>{ok, ok} << -1 << 3;
        QTest::newRow("close, close cancelled") << "mnu_close" << QList<int>{no} << -1 << 3;
        QTest::newRow("close, cancel") << "mnu_close" << QList<int>{ok, no} << -1 << 0;
        QTest::newRow("close, save fails") << "mnu_close" << QList<int>{ok, ok} << 0 << 3;
    }
    void nuovoChiudi()
    {
        QFETCH(QString, voce);
        QFETCH(QList<int>, risposte);
        QFETCH(int, salvataggio);
        QFETCH(int, rung);
        if (salvataggio >= 0) SalvaProgettoAggancio = [salvataggio](bool) { return salvataggio == 1; };
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        AggiungiRungVuoto();
        AggiungiRungVuoto();
        NomeProgetto = QStringLiteral("before");
        ProgettoModificato = true;
        for (int r : risposte) m_copione.Rispondi(r);
        MenuClick(voce);
        QCOMPARE(int(Programmi[ProgCorrente].NumRung), rung);
        QCOMPARE(ProgettoModificato, rung == 3);
        // New and Close leave the project without a name of the old one;
        // a refused one keeps it.
        QCOMPARE(NomeProgetto, rung != 3 ? QStringLiteral("Project") : QStringLiteral("before"));
    }

    // However a project is closed or replaced, one rung list remains, with
    // no second question on the way: View, Program shows it and it follows
    // the project.
    void unaListaRung_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<bool>("modificato");
        QTest::addColumn<QList<int>>("risposte");   // "Close Project?", then the save question
        const int ok = Prompt::Ok, no = Prompt::Annulla;
        QTest::newRow("close, changes discarded") << "mnu_close" << true << QList<int>{ok, no};
        QTest::newRow("close") << "mnu_close" << false << QList<int>{ok};
        QTest::newRow("new") << "mnu_new" << false << QList<int>{ok};
    }
    void unaListaRung()
    {
        QFETCH(QString, voce);
        QFETCH(bool, modificato);
        QFETCH(QList<int>, risposte);
        auto liste = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return Principale::Istanza()->findChildren<Program*>();
        };
        // As at start-up: a blank project in its one rung list.
        for (QWidget* w : Finestre::Caricate()) Finestre::Scarica(w);
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        QCOMPARE(liste().size(), 1);
        m_copione = Copione{};
        m_copione.Installa();
        ProgettoModificato = modificato;
        for (int r : risposte) m_copione.Rispondi(r);
        MenuClick(voce);
        QCOMPARE(m_copione.Messaggi().size(), risposte.size());
        MenuClick(QStringLiteral("mnu_program"));
        const QList<Program*> l = liste();
        QCOMPARE(l.size(), 1);
        QVERIFY(l[0]->isVisible());
        AggiungiRungVuoto();
        QVERIFY(l[0]->Riga(Programmi[ProgCorrente].NumRung));
        QCOMPARE(liste(), l);
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
        QTest::addColumn<int>("salvataggio");
        QTest::addColumn<bool>("chiusa");
        QTest::addColumn<int>("salvataggiChiesti");
        QTest::newRow("not modified") << false << int(Prompt::Ok) << 1 << true << 0;
        QTest::newRow("cancel") << true << int(Prompt::Annulla) << 1 << true << 0;
        QTest::newRow("ok, saved") << true << int(Prompt::Ok) << 1 << true << 1;
        QTest::newRow("ok, save fails") << true << int(Prompt::Ok) << 0 << false << 1;
        QTest::newRow("ok, save dialog cancelled") << true << int(Prompt::Ok) << -1 << false << 0;
    }
    void chiusura()
    {
        QFETCH(bool, modificato);
        QFETCH(int, risposta);
        QFETCH(int, salvataggio);
        QFETCH(bool, chiusa);
        Principale* p = Principale::Istanza();
        int chiesti = 0;
        if (salvataggio >= 0) {
            SalvaProgettoAggancio = [&](bool salvaCome) {
                chiesti += salvaCome ? 1 : 100;   // Exit saves as
                return salvataggio == 1;
            };
        }
        ProgettoModificato = modificato;
        m_copione.Rispondi(risposta);
        ComErr = 0;
        MenuClick(QStringLiteral("mnu_exit"));
        QCOMPARE(p->isVisible(), !chiusa);
        QTEST(chiesti, "salvataggiChiesti");
        // The project saver's own file dialog comes after the question.
        QCOMPARE(m_copione.richieste.size(), modificato ? (risposta == Prompt::Ok && salvataggio < 0 ? 2 : 1) : 0);
        if (modificato) {
            const Prompt::Richiesta& r = m_copione.richieste.first();
            QCOMPARE(r.testo, Testo(172));
            QCOMPARE(r.titolo, p->windowTitle());
            QCOMPARE(r.pulsanti & 7, int(Prompt::OkAnnulla));
        }
        // A loop left running would keep the program alive after the close.
        QCOMPARE(int(ComErr), chiusa ? 1 : 0);
    }
};

QTEST_MAIN(TestStradaMaestra)
#include "test_stradamaestra.moc"
