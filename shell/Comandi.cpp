// Toolbar dispatch: every click stops a running live loop (ComErr := 1),
// then acts on the key, then refreshes the state display.
#include "shell/Principale.h"

#include "comm/AreaComunicazione.h"
#include "program/OperazioniRung.h"
#include "program/Progetto.h"
#include "shell/NonDisponibile.h"

void Principale::Toolbar1_ButtonClick(const QString& chiave)
{
    ComErr = 1;
    static const char* const kChiavi[] = {
        "proj_new", "proj_open", "proj_save", "proj_comp", "download", "upload", "debug", "release",
        "run", "runBr", "pause", "step", "stop", "view_reg", "view_log", "connect", "disconnect",
        "rung_mod", "rung_del", "rung_add_before", "rung_add_after", "rung_move_up", "rung_move_down",
        "rung_copy", "rung_paste", "rung_redo", "new_sub", "rung_break", "view_http"};
    if (chiave == u"proj_new") {
        if (NuovoProgetto()) AggiornaProgetto();
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
    } else {
        for (const char* k : kChiavi) {
            if (chiave == QLatin1String(k)) {
                if (chiave != QLatin1String("upload")) NonDisponibile(chiave);
                break;
            }
        }
    }
    AggiornaStato();
}
