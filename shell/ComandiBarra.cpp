// Toolbar dispatch: every click stops a running live loop (ComErr := 1),
// then acts on the key, then refreshes the state display. The run, run to
// break and animate keys loop inside the click, pumping events, until they
// find ComErr set.
#include "shell/ComandiBarra.h"

#include "base/Attesa.h"
#include "base/Globali.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/Comunica.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/Rete.h"
#include "compiler/Compilatore.h"
#include "program/OperazioniRung.h"
#include "program/Progetto.h"
#include "registers/Registri.h"
#include "registers/TabRegistri.h"
#include "shell/ComandiComuni.h"
#include "shell/Finestre.h"
#include "shell/frm_Download.h"
#include "shell/Log.h"
#include "shell/LogRapporto.h"
#include "shell/NonDisponibile.h"
#include "shell/Principale.h"
#include "transfer/SequenzaDownload.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <initializer_list>

namespace {
// Clicks that arrived while a transaction waited for its reply. Their own
// transactions would be refused on the shared buffers, so they run as soon
// as that transaction is over; the stop they mean (ComErr) takes effect at
// once.
QStringList& Rinviati()
{
    static QStringList l;
    return l;
}

QTimer& TimerRinvio()
{
    static QTimer* t = [] {
        auto* timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [] {
            if (Rinviati().isEmpty()) return;
            if (TransazioneInCorso()) {
                TimerRinvio().start();
                return;
            }
            const QString chiave = Rinviati().takeFirst();
            if (!Rinviati().isEmpty()) TimerRinvio().start();
            Toolbar1_ButtonClick(chiave);
        });
        return timer;
    }();
    return *t;
}

void Pompa()
{
    QCoreApplication::processEvents();
}

// Input register 0 holds the command the controller is running.
void LeggiComandoInCorso()
{
    TabRegistri[0].Valore = int32_t(std::lround(LeggiRegistroInput(Controllore.Nodo, 0)));
}

// Runs the commands of one pass in order while no stop has come. A click
// taken during any wait of the pass (or a failed transaction) ends it before
// its next command, so the clicked command is the last the controller gets.
bool Passo(std::initializer_list<void (*)()> comandi)
{
    for (void (*c)() : comandi) {
        if (ComErr != 0) return false;
        c();
    }
    return ComErr == 0;
}

// A loop's pause between passes; a stop ends it at once.
void Pausa(double secondi)
{
    AttendiFinche([] { return ComErr != 0; }, int(secondi * 1000 + 0.5));
}

void LoopRun()
{
    while (ComErr == 0) {
        Pompa();
        Pausa(1);
        Passo({RinfrescaRegistri});
    }
}

// False when the user gave up at the modified-project warning.
bool RunBreak()
{
    if (ProgettoModificato &&
        Prompt::MsgBox(QStringLiteral("Program modified: download program to avoid mismatch"),
                       Prompt::InterrompiRiprovaIgnora, QStringLiteral("Warning")) != Prompt::Ignora)
        return false;
    // Cleared before the first command: a click during it must still count.
    ComErr = 0;
    Passo({[] { ComandoPLC(ComandoRunBreak); }, LeggiComandoInCorso});
    while (TabRegistri[0].Valore == ComandoRunBreak && ComErr == 0) {
        Pompa();
        Pausa(1);
        if (Passo({LeggiComandoInCorso}) && AggiornamentoAuto) Passo({RinfrescaRegistri});
    }
    // Stopped by a click or a failure: nothing more goes out.
    const bool fermato = ComErr != 0;
    // Any loop further out ends too.
    ComErr = 1;
    if (fermato) return true;
    MonitorPLC();
    RinfrescaRegistri();
    return true;
}

void Anima()
{
    ComErr = 0;
    while (ComErr == 0) {
        Pompa();
        Pausa(TempoAggiornamento / 1000.0);
        Passo({[] { ComandoPLC(ComandoPausa); }, [] { MonitorPLC(); }, RinfrescaRegistri});
    }
}

void Collega()
{
    // A connect always closes the previous link first.
    Disconnetti();
    Connetti();
    VerificaDopoConnessione();
}
} // namespace

int ClicRinviati()
{
    return int(Rinviati().size());
}

void Toolbar1_ButtonClick(const QString& chiave)
{
    // While a download runs only the views open: nothing else may touch the
    // project, the controller or the shared buffers.
    if (SequenzaDownload::InCorso() && chiave != u"view_log" && chiave != u"view_reg") return;
    ComErr = 1;
    if (TransazioneInCorso()) {
        Rinviati().append(chiave);
        TimerRinvio().start();
        return;
    }

    if (chiave == u"proj_new") {
        NuovoProgettoCorrente();
    } else if (chiave == u"proj_open") {
        ApriProgettoCorrente();
    } else if (chiave == u"proj_save") {
        SalvaProgettoCorrente(true);
    } else if (chiave == u"proj_comp") {
        CompilaProgramma(LogRapporto::Istanza());
    } else if (chiave == u"download") {
        frm_Download::Apri();
    } else if (chiave == u"upload") {
        // The button stays disabled; nothing to do.
    } else if (chiave == u"debug") {
        ImpostaDebug(-1);
        LeggiStatoPLC();
    } else if (chiave == u"release") {
        ImpostaDebug(0);
        LeggiStatoPLC();
    } else if (chiave == u"run") {
        if (AggiornamentoAuto) {
            ComErr = 0;
            ComandoPLC(ComandoRun);
            LoopRun();
        } else {
            ComandoPLC(ComandoRun);
        }
    } else if (chiave == u"runBr") {
        // Given up at the warning: the click ends as if it had not happened.
        if (!RunBreak()) return;
    } else if (chiave == u"pause") {
        ComandoPLC(ComandoPausa);
        MonitorPLC();
        RinfrescaRegistri();
    } else if (chiave == u"step") {
        Anima();
    } else if (chiave == u"stop") {
        ComandoPLC(ComandoPausa);
        ComandoPLC(ComandoStop);
        MonitorPLC();
        RinfrescaRegistri();
    } else if (chiave == u"view_reg") {
        Finestre::Mostra(Finestre::Get<Registri>());
    } else if (chiave == u"view_log") {
        Finestre::Mostra(Finestre::Get<Log>());
    } else if (chiave == u"connect") {
        Collega();
    } else if (chiave == u"disconnect") {
        Disconnetti();
    } else if (chiave == u"rung_mod") {
        ComandoModifica();
    } else if (chiave == u"rung_del") {
        ComandoCancella();
    } else if (chiave == u"rung_add_before") {
        ComandoInserisciPrima();
    } else if (chiave == u"rung_add_after") {
        ComandoInserisciDopo();
    } else if (chiave == u"rung_move_up") {
        ComandoSpostaSu();
    } else if (chiave == u"rung_move_down") {
        ComandoSpostaGiu();
    } else if (chiave == u"rung_copy") {
        ComandoCopia();
    } else if (chiave == u"rung_paste") {
        ComandoIncolla();
    } else if (chiave == u"rung_redo") {
        ComandoRipristina();
    } else if (chiave == u"new_sub") {
        NuovaSub();
    } else if (chiave == u"rung_break") {
        ComandoBreak();
    } else if (chiave == u"view_http") {
        // A URL reads a zero-padded number as octal, as the socket layer does.
        QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + HostDecimale(Controllore.IndirizzoIP)));
    }
    Principale::Istanza()->AggiornaStato();
}
