#pragma once
// The table transfers: each lays its table out in BufferTrasferimento and,
// with Scarica true, writes it into the controller; with Scarica false it
// only fills the buffer (the export reads it from there). Each opens its
// report with "Download..." or "Export...", closes it with " Successul" or
// " Failed", and stops at its first unacknowledged write. A text that does
// not fit its region with its terminator fails its section with a line
// that names it; nothing is ever written outside a table's region.
#include "transfer/RapportoTrasferimento.h"

bool DownloadVariabili(bool Scarica, RapportoTrasferimento& rapporto);
bool DownloadStringhe(bool Scarica, RapportoTrasferimento& rapporto);
bool DownloadStringheScheduler(bool Scarica, RapportoTrasferimento& rapporto);
bool DownloadBlocchi(bool Scarica, RapportoTrasferimento& rapporto);
// Always writes; the entries are staged from buffer offset 0.
bool DownloadSMS(RapportoTrasferimento& rapporto);
