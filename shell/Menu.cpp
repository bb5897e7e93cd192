// The main menu tree and the two pop-up menus other windows show. Numbered
// captions start in English; the language loader recaptions them.
#include "shell/Principale.h"

#include "shell/ComandiMenu.h"

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
            connect(a, &QAction::triggered, this, [nome] { MenuClick(nome); });
        }
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
