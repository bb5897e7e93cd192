#pragma once
// What the device search needs of the link to the controller, in one place.
#include <cstdint>

// Closes the link, and opens the one described by Controllore.
void DisconnettiScoperta();
void ConnettiScoperta();
// Command `comando` to the controller's command register; true when answered.
bool ComandoScoperta(uint8_t comando);

// After a device became Controllore: reconnect, identify the model, read
// the debug state, rebuild the register table and redraw the register
// window. `verifica` adds the check against the project's model and
// rebuilds the user registers when the model changed (the search window);
// without it the table is rebuilt keeping the user registers.
void CollegaDispositivo(bool verifica);
