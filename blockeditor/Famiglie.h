#pragma once
// The block families: each lays out the rows of its blocks and encodes them
// into the rung. The dialog and its encoder frame reach a family only through
// this registry, so a family missing from the build leaves its blocks with the
// common preamble and their slots untouched.
#include <functional>
#include <optional>
#include <cstdint>

class comandi;
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
    // Lays out the rows of catalogue block `indice` after the common preamble.
    std::function<void(comandi& dlg, int indice)> Impagina;
    // Encodes the dialog's rows into `rung` after the common frame. A false
    // result or an ErroreCodifica refuses the block.
    std::function<bool(comandi& dlg, Rung& rung)> Codifica;
    // The user chose a value in row `riga`'s list (the device resource lists).
    std::function<void(comandi& dlg, int riga)> ValoreScelto;
};

void RegistraFamiglia(Famiglia f, GestoreFamiglia g);
const GestoreFamiglia* GestoreDi(Famiglia f);   // nullptr when not built
