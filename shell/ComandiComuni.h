#pragma once
// What the toolbar, the menus and the window close share.
#include <QString>

// Saves the project (save-as when the flag is true), through the installed
// saver when a test set one. False when it did not save.
bool SalvaProgettoCorrente(bool salvaCome);
// Opens a project set chosen by the user; the caption and the register rows
// follow.
void ApriProgettoCorrente();
// New (toolbar and menu): after the save offer, a blank project that holds
// nothing of the old one and names no file.
void NuovoProgettoCorrente();
// Close: the program is emptied and the project names no file, so the next
// save asks for a name.
void ChiudiProgettoCorrente();

// Reads the register window's displayed page and repaints it; the window is
// loaded first when it is not.
void RinfrescaRegistri();
