#pragma once
// The window tests of the link: the workbench started, its Log window read.
#include "../AiutiComuni.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "support/Ambiente.h"

#include <QListWidget>

namespace Test {

inline void PreparaAmbiente() { AvviaWorkbench(); }

inline int RigheLog() { return Finestre::Get<Log>()->Testo()->count(); }

// The Log lines added since `da` (a RigheLog() value taken before), trimmed.
inline QStringList LogDa(int da)
{
    QStringList out;
    QListWidget* l = Finestre::Get<Log>()->Testo();
    for (int i = da; i < l->count(); ++i) out << l->item(i)->text().trimmed();
    return out;
}

} // namespace Test
