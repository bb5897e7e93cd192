#pragma once
// After a found device became Controllore: reconnect, identify the model,
// read the debug state, rebuild the register table and redraw the register
// window. `verifica` (the search window) adds the check against the
// project's model and rebuilds the user registers when the model changed;
// without it (the compact window) the table keeps the user registers.
void CollegaDispositivo(bool verifica);
