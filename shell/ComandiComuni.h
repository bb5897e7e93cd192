#pragma once
// What the toolbar, the menus and the window close share.
#include <QString>

// Saves the project (save-as when the flag is true), through the installed
// saver when a test set one. False when it did not save.
bool SalvaProgettoCorrente(bool salvaCome);
// Opens a project set chosen by the user; the caption and the register rows
// follow.
void ApriProgettoCorrente();

// Reads the register window's displayed page and repaints it; the window is
// loaded first when it is not.
void RinfrescaRegistri();
