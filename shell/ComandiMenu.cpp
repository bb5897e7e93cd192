// Menu dispatch: each item of the menu bar and of the two pop-up menus acts
// through here, by its name.
#include "shell/ComandiMenu.h"

#include "base/Globali.h"
#include "comm/finestre/frm_dialoga.h"
#include "comm/finestre/frm_search.h"
#include "display/frm_display.h"
#include "display/frm_scheduler.h"
#include "ioconfig/frm_Config2.h"
#include "outputs/EsportaProgetto.h"
#include "outputs/StampaProgetto.h"
#include "production/bench8566/coll8566.h"
#include "production/bootloader/frm_Bootloader.h"
#include "production/controllerbench/frm_collaudo.h"
#include "production/ftp/frm_FTP.h"
#include "production/mac/frm_LettMAC.h"
#include "production/memory/frm_eeprom.h"
#include "production/molu/frm_coll_MOLU.h"
#include "production/qvrforms/ConfQVR2565.h"
#include "production/qvrforms/ConfQVR8566.h"
#include "production/r8t200/frm_R8T200.h"
#include "program/OperazioniRung.h"
#include "program/Program.h"
#include "program/StatoProgramma.h"
#include "registers/frm_variabili.h"
#include "registers/frm_watch.h"
#include "registers/Input_Img.h"
#include "registers/Input_Tab.h"
#include "registers/Registri.h"
#include "shell/ComandiComuni.h"
#include "shell/Finestre.h"
#include "shell/frm_Progetto.h"
#include "shell/frm_Settings.h"
#include "shell/frmAbout.h"
#include "shell/Log.h"
#include "shell/LogTrasferimento.h"
#include "shell/NonDisponibile.h"
#include "shell/Principale.h"
#include "transfer/SequenzaDownload.h"

#include <QHash>

void MenuClick(const QString& nome)
{
    // While a download runs only the views open (see the toolbar's dispatch).
    if (SequenzaDownload::InCorso() && nome != u"mnu_log" && nome != u"mnu_Registri") return;
    // Entry points of subsystems not in this build yet, by item.
    static const QHash<QString, QString> kNonDisponibili = {
        {QStringLiteral("mnu_TA"), QStringLiteral("Coll_TA")},
    };
    // Tool windows opened as they are.
    static const QHash<QString, void (*)()> kStrumenti = {
        {QStringLiteral("mnu_mac"), [] { Finestre::Mostra(Finestre::Get<frm_LettMAC>()); }},
        {QStringLiteral("mnu_boot"), [] { Finestre::Mostra(Finestre::Get<frm_Bootloader>()); }},
        {QStringLiteral("mnu_collR8T200"), [] { Finestre::Mostra(Finestre::Get<frm_R8T200>()); }},
        {QStringLiteral("mnu_eeprom"), [] { Finestre::Mostra(Finestre::Get<frm_eeprom>()); }},
        {QStringLiteral("mnu_coll"), [] { Finestre::Mostra(Finestre::Get<frm_collaudo>()); }},
        {QStringLiteral("mnu_config_8566"), [] { Finestre::Mostra(Finestre::Get<ConfQVR8566>()); }},
        {QStringLiteral("mnu_coll_2565"), [] { Finestre::Mostra(Finestre::Get<ConfQVR2565>()); }},
        {QStringLiteral("mnu_coll_MOLU"), [] { Finestre::Mostra(Finestre::Get<frm_coll_MOLU>()); }},
        {QStringLiteral("mnu_FTP"), [] { Finestre::Mostra(Finestre::Get<frm_FTP>()); }},
        {QStringLiteral("mnu_coll_8566"), [] { Finestre::Mostra(Finestre::Get<coll8566>()); }},
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
        NuovoProgettoCorrente();
    } else if (e("mnu_close")) {
        ChiudiProgettoCorrente();
    } else if (e("mnu_openProj")) {
        ApriProgettoCorrente();
    } else if (e("mnu_SaveProj")) {
        SalvaProgettoCorrente(false);
    } else if (e("mnu_saveAs")) {
        SalvaProgettoCorrente(true);
    } else if (e("mnu_exit")) {
        Principale::Istanza()->close();
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
    } else if (e("mnu_Tables")) {
        Input_Tab::Apri();
    } else if (e("mnu_dialoga")) {
        MostraTerminale();
    } else if (e("mnu_8555") || e("mnu_config2")) {
        ApriConfigurazione();
    } else if (e("mnu_scheduler")) {
        frm_scheduler::Carica();
    } else if (e("mnu_Format")) {
        Finestre::Mostra(Finestre::Get<frm_variabili>());
    } else if (e("mnu_Watch")) {
        frm_watch::Apri();
    } else if (e("mnu_display")) {
        frm_display::Apri();
    } else if (e("mnu_images")) {
        Input_Img::Apri();
    } else if (e("mnu_Export")) {
        EsportaProgetto(LogTrasferimento::Istanza());
    } else if (e("mnu_print")) {
        StampaProgetto();
    } else if (e("mnu_About")) {
        Finestre::Mostra(Finestre::Get<frmAbout>());
    } else if (kStrumenti.contains(nome)) {
        kStrumenti.value(nome)();
    } else if (kRung.contains(nome)) {
        kRung.value(nome)();
    } else if (kDispositivo.contains(nome)) {
        // The device menu acts on the device selected in the search window.
        (Finestre::Get<frm_search>()->*kDispositivo.value(nome))();
    } else if (kNonDisponibili.contains(nome)) {
        NonDisponibile(kNonDisponibili.value(nome));
    }
}
