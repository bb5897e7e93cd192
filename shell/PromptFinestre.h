#pragma once
// The prompt service's real dialogs: message box, input box and file
// dialogs. The shell installs them as the default answerer at start.
#include <QString>

class QMessageBox;

namespace Prompt {
void InstallaDialoghi();
// The width a box needs to show `titolo` whole in a window manager's frame.
int LarghezzaPerTitolo(const QString& titolo);
// Widens a message box, once its title, text, buttons and icon are set, so
// that the whole title shows.
void AdattaAlTitolo(QMessageBox& box);
}
