#pragma once
// Turns the display pages into the programs the controller runs to draw
// them: page p becomes program p + 1, one display rung per object and a
// return rung, the first rung labelled "PAG" & (p + 1). The page editor's
// compile button, the project loader and the project compile all run it.
#include "display/Pagine.h"
#include "program/Programmi.h"

#include <QList>

namespace CompilatorePagine {

enum class Guasto {
    BitFuoriIntervallo,     // compiled with mask 0
    ProgrammaSubroutine,    // the page's program is a subroutine: not written
};

struct GuastoPagina {
    int programma = 0;
    int rung = 0;           // 0 for a page that was not written
    Guasto tipo = Guasto::BitFuoriIntervallo;
    bool operator==(const GuastoPagina&) const = default;
};

// The display rung of one object, written from a cleared rung. *bitValido
// is false when the kind uses a bit mask and the bit lies outside 0..15.
Rung RungOggetto(const OggettoDisplay& o, bool* bitValido = nullptr);
// The rung that ends every page program.
Rung RungRitorno();

// Rewrites programs 1..NumPagine from the current pages; ProgCorrente is 0
// afterwards. A subroutine's program is never written.
QList<GuastoPagina> CompilaOggetti();

} // namespace CompilatorePagine
