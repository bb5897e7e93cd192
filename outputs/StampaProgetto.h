#pragma once
// The printed listing: header with the page number, project and controller,
// the main program rung by rung (label, description, block name and icon,
// the argument rows its rung list row shows), then the named registers.
#include "outputs/Stampante.h"

// Prints on `stampante`; leaves ProgCorrente at 0.
void StampaProgetto(Stampante& stampante);
// Asks for a printer in the print dialog and prints there; false when the
// dialog was cancelled or the printer could not be opened (nothing printed).
bool StampaProgetto();
