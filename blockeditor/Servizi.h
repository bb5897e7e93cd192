#pragma once
// What the block editor asks of windows built elsewhere (the value dialog,
// the table editor, the register window). Each owner sets its entries when
// it exists; an empty entry means that window is not in this build.
#include <QStringList>
#include <functional>

class QWidget;

namespace ServiziEditor {
// Opens the value dialog in text mode on TestoInput and returns it; the row
// waits until that window closes (AttesaEditore).
inline std::function<QWidget*()> ApriValoreTesto;
// Opens the table editor on table `tabella` and returns it; the row waits
// until that window closes.
inline std::function<QWidget*(int tabella)> ApriEditorTabelle;
// The table the table editor was on when it closed.
inline std::function<int()> TabellaEditor;
// Repaints the register window without reading the controller.
inline std::function<void()> RidisegnaRegistri;
} // namespace ServiziEditor
