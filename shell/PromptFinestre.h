#pragma once
// The prompt service's real dialogs: message box, input box and file
// dialogs. The shell installs them as the default answerer at start.
#include <QString>

class QWidget;

namespace Prompt {
void InstallaDialoghi();
// The title as the window system puts it in the frame: the program's name
// goes after every title that does not already end with it.
QString TitoloMostrato(const QString& titolo);
// The width a window needs to show `titolo` whole in a window manager's
// frame, the program's name after it included.
int LarghezzaPerTitolo(const QString& titolo);
// Keeps a message box or dialog as wide as its whole title, also when the
// title is longer than a message box lets itself grow, or set later.
void AdattaAlTitolo(QWidget& finestra);
}
