#pragma once
// Loading a language into the text tables and switching it on screen.
#include "base/Testi.h"

// Fills every table for language 0 (Italian) or 1 (English), recaptions the
// main window's menus and rebuilds the model table.
void CaricaLingua(int lingua);
// CaricaLingua, then SetRes on every loaded window that has it.
void CambiaLingua(int lingua);

// Entry `id` of the program's string table (brand tables 600+, language
// names 900+, block names 1200+, interface texts 2000+/3000+, 501 version);
// empty when the table has no such entry.
QString TestoRisorsa(int id);
