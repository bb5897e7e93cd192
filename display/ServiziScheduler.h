#pragma once
// What the scheduler window asks of a window built elsewhere: the variables
// editor, opened as the record editor's picker. Its owner sets the entry;
// an empty entry means that window is not in this build.
#include <functional>

class QWidget;

namespace ServiziScheduler {
// Opens the variables window in front and returns it; the scheduler waits
// until that window closes, however it closes (AttesaEditore).
inline std::function<QWidget*()> ApriVariabili;
} // namespace ServiziScheduler
