#pragma once
// What the toolbar, the menus and the window close share.
#include <QString>

// Saves the project through the installed project saver (save-as when the
// flag is true). False when it did not save, also when no saver is in this
// build (the Log says so).
bool SalvaProgettoCorrente(bool salvaCome);

// Reads the register window's displayed page and repaints it; the window is
// loaded first when it is not.
void RinfrescaRegistri();
