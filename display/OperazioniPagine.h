#pragma once
// What the page editor's commands do to the page model. Pages are numbered
// from 0, objects from 1 within their page; the current page and object are
// passed by reference and follow the command.
#include "display/Pagine.h"

#include <QString>
#include <optional>

enum class EsitoPagine {
    Fatto,
    Nulla,              // the command's condition did not hold
    TroppiOggetti,      // a 33rd object
    TroppePagine,       // a tenth page
    PaginaSuSub,        // the new page's program is a subroutine
};

// The message a refused command shows; empty when the command was not refused.
QString TestoRifiuto(EsitoPagine esito);

// Appends `nuovo` to page `pagina` (its Interno stays as the slot held it)
// and selects it.
EsitoPagine AddObject(int pagina, const OggettoDisplay& nuovo, uint8_t& corrente);
void CopiaOggetto(int pagina, int a, int b);
// Removes object n; the later objects move down one slot.
EsitoPagine DeleteObject(int pagina, int n, uint8_t& corrente);
// One step back ("Send to Back") and forward ("Bring to Front") through slot 0.
EsitoPagine OggettoIndietro(int pagina, uint8_t& corrente);
EsitoPagine OggettoAvanti(int pagina, uint8_t& corrente);

void CopiaPagina(int a, int b);
// The new page takes whatever its slot holds.
EsitoPagine NuovaPagina(uint8_t& corrente);
// Keeps at least one page; the vacated last slot is left empty.
EsitoPagine CancellaPagina(uint8_t& corrente);
EsitoPagine PaginaPrima(uint8_t& corrente);
EsitoPagine PaginaDopo(uint8_t& corrente);

// The object a kind button (0 Label .. 8 Graph) creates; none for the kinds
// whose button is hidden (Date, Time, Image, Graph come only from files).
std::optional<OggettoDisplay> OggettoNuovo(int pulsante);
// The size list ("Small", "Medium", "Large") sets the kind within its
// family; for a Led it also fixes the size in pixels. Other kinds are left.
void ImpostaTaglia(OggettoDisplay& o, int posizione);
