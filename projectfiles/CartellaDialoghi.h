#pragma once
// Where the program's file dialogs start: the project's save, open and
// export, the table editor's table files, the MAC list's files. The
// process's current folder is not it: the settings save moves that to the
// program's data folder, where a user would never find a file again.
#include <QString>

// The folder of the current project; else the folder last chosen in one of
// the dialogs; else the home folder.
QString CartellaDialoghi();
// Remembers the folder of a name chosen in one of the dialogs.
void RicordaCartella(const QString& scelto);
