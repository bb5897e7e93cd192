#pragma once
// The block families: each lays out the rows of its blocks and encodes them
// into the rung, as pure functions of the rows' data. The dialog, the encoder
// frame and the project loader reach a family only through this registry, so
// a family missing from the build leaves its blocks with the common preamble
// and their slots untouched.
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/DatiBlocco.h"
#include "blockeditor/LayoutBlocco.h"

#include <cstdint>
#include <functional>
#include <optional>

struct Rung;

enum class Famiglia {
    Comunicazione,   // classes 1, 2, 4, 6, 7, 8
    Aritmetica,      // class 3 group 1
    ScalaSposta,     // class 3 groups 2, 3, 6
    Bit,             // class 3 group 133
    Confronto,       // class 3 groups 128, 141
    Flusso,          // class 3 groups 129..132, 138..140, 143
    Timer,           // class 3 groups 134, 137
    Pid,             // class 3 group 142
};

// Which family encodes a stored identity; none for the rest.
std::optional<Famiglia> FamigliaDi(int16_t classe, int16_t gruppo);

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

void RegistraFamiglia(Famiglia f, GestoreFamiglia g);
const GestoreFamiglia* GestoreDi(Famiglia f);   // nullptr when not built
// The family of catalogue block `indice`; nullptr when it has none.
const GestoreFamiglia* GestoreBlocco(int indice);

// The families built into the program register here (famiglie/Elenco.cpp);
// the registry calls it once, before its first use.
void RegistraFamiglie();
