#pragma once
// What the block editor asks of windows built elsewhere (the value dialog,
// the table editor, the register window). Each owner sets its entries when
// it exists; an empty entry means that window is not in this build.
#include <QStringList>
#include <functional>

namespace ServiziEditor {
// Opens the value dialog in text mode on TestoInput (DialogoAperto already set);
// it clears DialogoAperto when it closes.
inline std::function<void()> ApriValoreTesto;
// Opens the table editor on table `tabella` (DialogoAperto already set); it
// clears DialogoAperto when it closes.
inline std::function<void(int tabella)> ApriEditorTabelle;
// The table the table editor was on when it closed.
inline std::function<int()> TabellaEditor;
// Repaints the register window without reading the controller.
inline std::function<void()> RidisegnaRegistri;
} // namespace ServiziEditor
