// The main menu tree and the two pop-up menus other windows show. Numbered
// captions start in English; the language loader recaptions them.
#include "shell/Principale.h"

#include "comm/frm_dialoga.h"
#include "comm/frm_search.h"
#include "program/Program.h"
#include "program/Progetto.h"
#include "program/StatoProgramma.h"
#include "registers/Registri.h"
#include "shell/Comandi.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "shell/NonDisponibile.h"
#include "shell/frmAbout.h"
#include "shell/frm_Progetto.h"
#include "shell/frm_Settings.h"
#include "program/OperazioniRung.h"

#include <QHash>
#include <QMenu>
#include <QMenuBar>

namespace {
// Level 1 is a menu on the bar, 2 its item, 3 an item of a submenu: an entry
// followed by deeper entries is a submenu. A null name is a separator.
struct VoceMenu {
    int livello;
    const char* nome;
    const char* testo;
};

const VoceMenu kBarra[] = {
    {1, "mnu_project", "Project"},
    {2, "mnu_new", "New"},
    {2, "mnu_openProj", "Open..."},
    {2, "mnu_close", "Close"},
    {2, "mnu_SaveProj", "Save"},
    {2, "mnu_saveAs", "Save as..."},
    {2, "mnu_Export", "Export"},
    {2, "mnu_print", "Print"},
    {2, "mnu_exit", "Exit"},
    {1, "mnu_settings", "Settings"},
    {2, "mnu_controller", "Controller"},
    {2, "mnu_workspace", "Workspace"},
    {1, "mnu_view", "View"},
    {2, "mnu_viewProj", "Project"},
    {2, "mnu_program", "Program"},
    {2, "mnu_Registri", "Registers"},
    {2, "mnu_Watch", "Watch"},
    {2, "mnu_log", "Log"},
    {1, "mnu_tools", "Tools"},
    {2, "mnu_search", "Search"},
    {2, "mnu_images", "Immages"},
    {2, "mnu_8555", "Config"},
    {2, "mnu_Format", "Variables"},
    {2, "mnu_dialoga", "Modbus"},
    {2, "mnu_scheduler", "Scheduler"},
    {2, "mnu_display", "Display"},
    {2, "mnu_Tables", "Tables"},
    {1, "mnu_collaudo", "Collaudo"},
    {2, "mnu_eeprom", "EEprom"},
    {2, "mnu_col", "Collaudo"},
    {3, "mnu_coll_8566", "QVR8566"},
    {3, "mnu_coll_MOLU", "MO_LU"},
    {2, "mnu_coll_tools", "Tools"},
    {3, "mnu_config_8566", "Config_8566"},
    {3, "mnu_coll_2565", "Coll_2565"},
    {3, "mnu_collR8T200", "Coll_R8T200"},
    {3, "mnu_TA", "Coll_TA"},
    {3, "mnu_coll", "Collaudo"},
    {3, "mnu_FTP", "FTP"},
    {3, "mnu_config2", "Config2"},
    {3, "mnu_mac", "MAC"},
    {3, "mnu_boot", "Boot Loader"},
    {1, "mnu_help", "?"},
    {2, "mnu_About", "About"},
};

// Rung menu of the rung list window.
const VoceMenu kFB[] = {
    {2, "mnu_FB_copy", "Copy"},
    {2, "mnu_FB_paste", "Paste"},
    {2, nullptr, nullptr},
    {2, "mnu_modify", "Modify"},
    {2, "mnu_FB_Delete", "Delete"},
    {2, nullptr, nullptr},
    {2, "mnu_FB_Insert_Before", "Insert Before"},
    {2, "mnu_FB_Insert_After", "Insert After"},
    {2, nullptr, nullptr},
    {2, "mnu_FB_Break", "Toggle Break"},
};

// Device menu of the device search window.
const VoceMenu kCont[] = {
    {2, "mnu_SetAsController", "Set as Controller"},
    {2, "mnu_ViewHomePage", "View HomePage"},
    {2, "mnu_SetIP", "Set IP address"},
    {2, "mnu_CopyIP", "Copy IP"},
    {2, "mnu_CopyMAC", "Copy MAC"},
    {2, "mnu_SubNodes", "Search Sub Nodes"},
};

// Items no operation ever shows.
const char* const kSempreNascoste[] = {"mnu_SaveProj", "mnu_viewProj", "mnu_images"};
// Shown by AggiornaStato according to the selected model.
const char* const kPerModello[] = {"mnu_program", "mnu_display"};

QMenu* NuovoSottomenu(QWidget* genitore, const VoceMenu& v)
{
    auto* m = new QMenu(QString::fromLatin1(v.testo), genitore);
    m->setObjectName(QString::fromLatin1(v.nome) + QStringLiteral("_popup"));
    m->menuAction()->setObjectName(QString::fromLatin1(v.nome));
    return m;
}

// Adds the entries [da, a) at level `livello` to `menu`, descending into
// submenus; returns the index after the last entry used.
template <size_t N>
size_t Riempi(QMenu* menu, const VoceMenu (&voci)[N], size_t da, int livello)
{
    size_t i = da;
    while (i < N && voci[i].livello == livello) {
        const VoceMenu& v = voci[i];
        if (!v.nome) {
            menu->addSeparator();
            ++i;
            continue;
        }
        if (i + 1 < N && voci[i + 1].livello > livello) {
            QMenu* sotto = NuovoSottomenu(menu, v);
            menu->addMenu(sotto);
            i = Riempi(sotto, voci, i + 1, livello + 1);
            continue;
        }
        menu->addAction(QString::fromLatin1(v.testo))->setObjectName(QString::fromLatin1(v.nome));
        ++i;
    }
    return i;
}
} // namespace

void Principale::CreaMenu()
{
    if (!menuBar()->actions().isEmpty()) return;
    constexpr size_t n = std::size(kBarra);
    for (size_t i = 0; i < n;) {
        QMenu* m = NuovoSottomenu(menuBar(), kBarra[i]);
        menuBar()->addMenu(m);
        i = Riempi(m, kBarra, i + 1, 2);
    }

    auto* fb = new QMenu(QStringLiteral("Function Block"), this);
    fb->setObjectName(QStringLiteral("mnu_FB"));
    Riempi(fb, kFB, 0, 2);
    auto* cont = new QMenu(QStringLiteral("Controller"), this);
    cont->setObjectName(QStringLiteral("mnu_Cont"));
    Riempi(cont, kCont, 0, 2);

    for (const char* nome : kSempreNascoste) Menu(QString::fromLatin1(nome))->setVisible(false);
    for (const char* nome : kPerModello) Menu(QString::fromLatin1(nome))->setVisible(false);

    // Every leaf item acts through one handler by its name.
    for (QMenu* m : findChildren<QMenu*>()) {
        for (QAction* a : m->actions()) {
            if (a->isSeparator() || a->menu() || a->objectName().isEmpty()) continue;
            const QString nome = a->objectName();
            connect(a, &QAction::triggered, this, [this, nome] { MenuClick(nome); });
        }
    }
}

void Principale::MenuClick(const QString& nome)
{
    // Entry points of subsystems not in this build yet, by item.
    static const QHash<QString, QString> kNonDisponibili = {
        {QStringLiteral("mnu_Export"), QStringLiteral("EsportaProgetto")},
        {QStringLiteral("mnu_print"), QStringLiteral("StampaProgetto")},
        {QStringLiteral("mnu_Watch"), QStringLiteral("frm_watch")},
        {QStringLiteral("mnu_images"), QStringLiteral("Input_Img")},
        {QStringLiteral("mnu_8555"), QStringLiteral("frm_Config2")},
        {QStringLiteral("mnu_config2"), QStringLiteral("frm_Config2")},
        {QStringLiteral("mnu_Format"), QStringLiteral("frm_variabili")},
        {QStringLiteral("mnu_scheduler"), QStringLiteral("frm_scheduler")},
        {QStringLiteral("mnu_display"), QStringLiteral("frm_display")},
        {QStringLiteral("mnu_Tables"), QStringLiteral("Input_Tab")},
        {QStringLiteral("mnu_eeprom"), QStringLiteral("frm_eeprom")},
        {QStringLiteral("mnu_coll_8566"), QStringLiteral("coll8566")},
        {QStringLiteral("mnu_coll_MOLU"), QStringLiteral("frm_coll_MOLU")},
        {QStringLiteral("mnu_config_8566"), QStringLiteral("ConfQVR8566")},
        {QStringLiteral("mnu_coll_2565"), QStringLiteral("ConfQVR2565")},
        {QStringLiteral("mnu_collR8T200"), QStringLiteral("frm_R8T200")},
        {QStringLiteral("mnu_TA"), QStringLiteral("Coll_TA")},
        {QStringLiteral("mnu_coll"), QStringLiteral("frm_collaudo")},
        {QStringLiteral("mnu_FTP"), QStringLiteral("frm_FTP")},
        {QStringLiteral("mnu_mac"), QStringLiteral("frm_LettMAC")},
        {QStringLiteral("mnu_boot"), QStringLiteral("frm_Bootloader")},
    };
    // The rung menu: the toolbar's rung keys, without the status refresh.
    static const QHash<QString, void (*)()> kRung = {
        {QStringLiteral("mnu_FB_copy"), ComandoCopia},
        {QStringLiteral("mnu_FB_paste"), ComandoIncolla},
        {QStringLiteral("mnu_modify"), ComandoModifica},
        {QStringLiteral("mnu_FB_Delete"), ComandoCancella},
        {QStringLiteral("mnu_FB_Insert_Before"), ComandoInserisciPrima},
        {QStringLiteral("mnu_FB_Insert_After"), ComandoInserisciDopo},
        {QStringLiteral("mnu_FB_Break"), ComandoBreak},
    };
    static const QHash<QString, void (frm_search::*)()> kDispositivo = {
        {QStringLiteral("mnu_SetAsController"), &frm_search::SetAsController},
        {QStringLiteral("mnu_ViewHomePage"), &frm_search::Elenco_DblClick},
        {QStringLiteral("mnu_SetIP"), &frm_search::SetIP},
        {QStringLiteral("mnu_CopyIP"), &frm_search::CopyIP},
        {QStringLiteral("mnu_CopyMAC"), &frm_search::CopyMAC},
        {QStringLiteral("mnu_SubNodes"), &frm_search::SearchSubNodes},
    };
    // Unlike a toolbar click, a menu item leaves ComErr alone: a live loop
    // goes on while a window opens.
    auto e = [&nome](const char* n) { return nome == QLatin1String(n); };
    if (e("mnu_new")) {
        if (NuovoProgetto()) AggiornaProgetto();
    } else if (e("mnu_close")) {
        NuovoProgetto();
    } else if (e("mnu_openProj")) {
        ApriProgettoCorrente();
    } else if (e("mnu_SaveProj")) {
        SalvaProgettoCorrente(false);
    } else if (e("mnu_saveAs")) {
        SalvaProgettoCorrente(true);
    } else if (e("mnu_exit")) {
        close();
    } else if (e("mnu_controller")) {
        frm_Settings::Apri(0);
    } else if (e("mnu_workspace")) {
        frm_Settings::Apri(1);
    } else if (e("mnu_viewProj")) {
        frm_Progetto::Apri();
    } else if (e("mnu_program")) {
        Finestre::Mostra(FinestraProgramma(true));
        PosizionaRung(RungCorrente - 1);
    } else if (e("mnu_Registri")) {
        Finestre::Mostra(Finestre::Get<Registri>());
    } else if (e("mnu_log")) {
        Finestre::Mostra(Finestre::Get<Log>());
    } else if (e("mnu_search")) {
        ApriRicercaDispositivi();
    } else if (e("mnu_dialoga")) {
        MostraTerminale();
    } else if (e("mnu_About")) {
        Finestre::Mostra(Finestre::Get<frmAbout>());
    } else if (kRung.contains(nome)) {
        kRung.value(nome)();
    } else if (kDispositivo.contains(nome)) {
        // The device menu acts on the device selected in the search window.
        (Finestre::Get<frm_search>()->*kDispositivo.value(nome))();
    } else if (kNonDisponibili.contains(nome)) {
        NonDisponibile(kNonDisponibili.value(nome));
    }
}

QAction* Principale::Menu(const QString& nome) const
{
    return findChild<QAction*>(nome);
}

QMenu* Principale::Popup(const QString& nome) const
{
    return findChild<QMenu*>(nome);
}
