#include "shell/Avvio.h"

#include "base/Attesa.h"
#include "base/Globali.h"
#include "base/Modelli.h"
#include "blockeditor/EditorBloccoComandi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "display/Pagine.h"
#include "display/ParteDisplay.h"
#include "program/Programmi.h"
#include "program/StatoProgramma.h"
#include "registers/frm_variabili.h"
#include "registers/Input_Tab.h"
#include "registers/Registri.h"
#include "registers/TabRegistri.h"
#include "resources/Immagini.h"
#include "shell/EventiFinestre.h"
#include "shell/EventiProgettoFinestre.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "shell/PromptFinestre.h"

#include <QAction>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <functional>

namespace {
// Keys of ImageList1 in the order they are added: the position of a picture
// is its place here, 1 to 47.
const char* const kImmagini[47] = {
    "run", "halt", "stop", "view_reg", "rung_delete", "rung_modifica", "rung_new_before", "rung_new_after",
    "file_open", "file_save", "file_new", "proj_comp", "download", "upload", "view_log", "prog_run",
    "prog_halt", "prog_step", "prog_stop", "connect", "disconnect", "new_sub", "rung_break", "prog_runBr",
    "progetto", "debug", "release", "http", "host", "zoom_on", "zoom_off", "calendar", "rung_move_up",
    "rung_move_down", "rung_copy", "rung_paste", "rung_redo", "disp_label", "disp_number", "disp_image",
    "disp_clock", "disp_date", "disp_led", "disp_progBar", "disp_Line", "flag_ita", "flag_eng"};

// Start-up goes on past a step that fails: the step is skipped silently.
void Passo(const std::function<void()>& passo)
{
    try {
        passo();
    } catch (...) {
    }
}
} // namespace

void CaricaImmaginiToolbar()
{
    Principale* p = Principale::Istanza();
    p->ImageList1.clear();
    for (const char* k : kImmagini) {
        const QString chiave = QString::fromLatin1(k);
        QIcon icona = DisegnaImmagine(chiave);
        if (icona.isNull()) break;   // the pictures added so far stay
        p->ImageList1.append({chiave, icona});
    }
}

void Main()
{
    // The link and the prompt service report to the windows from here on.
    Prompt::InstallaDialoghi();
    InstallaEventiFinestre();
    InstallaEventiProgettoFinestre();
    Passo([] {
        Versione = QStringLiteral("1.8");
        Revisione = QStringLiteral("c");
    });
    Passo([] {
        const Edizione ed = EdizioneCompilata();
        ModoProduzione = ed.produzione;
        Marchio600 = ed.m600;
        Marchio650 = ed.m650;
        Marchio700 = ed.m700;
        Marchio750 = ed.m750;
    });
    Passo([] { OffsetMarchio = CalcolaOffsetMarchio(Marchio600, Marchio650, Marchio700, Marchio750); });
    Passo([] { CaricaImmaginiToolbar(); });
    Passo([] {
        Principale* p = Principale::Istanza();
        for (const char* nome : {"mnu_collaudo", "mnu_Export", "mnu_print"})
            if (QAction* a = p->Menu(QString::fromLatin1(nome))) a->setVisible(ModoProduzione);
    });
    Passo([] { ProgettoModificato = false; });
    Passo([] {
        static const QStringList kVersioni = {"1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8"};
        CodiceVersione = kVersioni.contains(Versione) ? 256 : 0;
    });
    Passo([] {
        Principale* p = Principale::Istanza();
        p->setWindowIcon(IconaRisorsa(300));
        p->setWindowTitle(TestoRisorsa(601 + OffsetMarchio));
        // Boxes without a title of their own carry the product's name.
        QGuiApplication::setApplicationDisplayName(p->windowTitle());
        p->resize(Twips(16000), Twips(13000));
    });
    Passo([] { Principale::Istanza()->CreaToolBar(); });
    Passo([] {
        AggiornamentoAuto = false;
        TempoAggiornamento = 500;
    });
    Passo([] {
        // Loading the Log brings the main window up with it.
        Log* log = Finestre::Get<Log>();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(log->parentWidget())) {
            sub->setGeometry(0, 0, Log::Larghezza(), Twips(3000));
            sub->show();
        }
    });
    Passo([] { CaricaModelli(); });
    Passo([] {
        Programmi[0].NumRung = 0;
        NumSub = 0;
        RigheCaricate = 0;
        ProgCorrente = 0;
        RungCorrente = 0;
    });
    Passo([] { NumPagine = 1; });
    Passo([] {
        ComTimeout = 2;
        ComErr = 1;
        AttendiRisposta = true;
    });
    Passo([] {
        Controllore.IndirizzoIP = QStringLiteral("192.168.1.100");
        Controllore.Porta = 502;
        Controllore.Nodo = 10;
        Controllore.Modello = 0;
        Controllore.TimeoutTCP = 1000;
        Canale = CanaleTCP;
    });
    Passo([] {
        Lingua = 1;
        CaricaLingua(1);
    });
    Passo([] { CaricaRegistriSistema(true); });
    // Exit while a live loop, a scan or a transaction waits inside a handler:
    // stop them all and cut their waits short, or the process would outlive
    // its window by their remaining passes.
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [] {
        ComErr = 1;
        StopLoop = true;
        DialogoAperto = false;
        InterrompiAttese();
    });
    // The rung operations reach the block editor through its interface.
    InstallaEditorBlocco();
    InstallaServiziRegistri();
    InstallaServiziTabelle();
    InstallaServiziVariabili();
    InstallaParteDisplay();
}
