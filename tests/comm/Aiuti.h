#pragma once
// The link's tests: the link alone, its events recorded.
#include "AiutiComuni.h"
#include "support/EventiRegistrati.h"

namespace Test {

inline EventiRegistrati& Registro()
{
    static EventiRegistrati r;
    return r;
}

inline void PreparaAmbiente() { Registro(); }

inline int RigheLog() { return int(Registro().log.size()); }

// The Log lines added since `da` (a RigheLog() value taken before).
inline QStringList LogDa(int da) { return Registro().log.mid(da); }

inline QString Pannello4() { return Registro().pannello4; }

} // namespace Test
