#pragma once
// New project, new subroutine and the blank-project refresh.
#include <functional>

// Offers to save a modified project, then empties the current process and
// closes the project's windows. False when the user wanted the project saved
// and it was not: then nothing has been touched and the caller stops.
bool NuovoProgetto();
// Adds a subroutine with its tab and one empty rung; refused beyond the
// process table.
void NuovaSub();
// The blank new-project state, shown.
void AggiornaProgetto();

// A project saver put in place of the project files' own (save-as when the
// flag is true; true when it saved); tests set it, the workbench does not.
inline std::function<bool(bool salvaCome)> SalvaProgettoAggancio;
