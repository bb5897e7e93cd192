#pragma once
// The prompt service's real dialogs: message box, input box and file
// dialogs. The shell installs them as the default answerer at start.
#include <QString>

class QWidget;

namespace Prompt {
void InstallaDialoghi();
// Keeps a message box or dialog as wide as its whole title, also when the
// title is longer than a message box lets itself grow, or set later.
void AdattaAlTitolo(QWidget& finestra);
}
