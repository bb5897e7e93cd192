#pragma once
// One block family's three entry points, all pure functions of data.
#include "blockeditor/ContestoBlocco.h"
#include "blockeditor/DatiBlocco.h"
#include "blockeditor/EsitoCodifica.h"
#include "blockeditor/LayoutBlocco.h"

#include <functional>

struct Rung;

struct GestoreFamiglia {
    // The rows of catalogue block `indice`, laid out after the common
    // preamble. `rung` is the rung being edited: a layout reads its stored
    // types from it and writes at once what the block writes on being chosen
    // (its Op, the fixed bytes of "Log Write").
    std::function<LayoutBlocco(int indice, Rung& rung, const ContestoBlocco& contesto)> Impagina;
    // Encodes the rows into `rung` after the common frame; the frame has read
    // every row's number into `valore`. Writes the slots, Lunghezza, Delay and
    // the rung list row's captions (DidascalieRung). On a refusal it returns
    // at once, leaving what it wrote so far.
    std::function<EsitoCodifica(const DatiBlocco& dati, Rung& rung)> Codifica;
    // The user chose an entry in row `riga`'s value list (the device resource
    // lists): the family rewrites the other rows in `dati`.
    std::function<void(DatiBlocco& dati, int riga)> ValoreScelto;
};
