#pragma once
// The operand type names 0..12 as the English texts give them, for tests
// that lay out block rows without loading the language.
#include "base/Testi.h"

#include <QStringList>

namespace Test {
inline void ImpostaTipiDato()
{
    const QStringList tipi = {"uInt", "Int", "uLong", "Long", "Float", "K_Flt", "K_Long", "Hex", "ASCII",
                              "Bin", "Table", "Direct", "Swap"};
    for (int i = 0; i < tipi.size(); ++i) TipiDato[size_t(i)] = tipi[i];
}
} // namespace Test
