#pragma once
// The prompt service's real dialogs: message box, input box and file
// dialogs. The shell installs them as the default answerer at start.
namespace Prompt {
void InstallaDialoghi();
}
