#include "base/Globali.h"

Edizione EdizioneCompilata()
{
#ifdef MODO_PRODUZIONE
    constexpr bool produzione = true;
#else
    constexpr bool produzione = false;
#endif
    return Edizione{produzione, false, true, false, false};
}

int16_t CalcolaOffsetMarchio(bool m600, bool m650, bool m700, bool m750)
{
    int16_t offset = 0;
    if (m600) offset = 0;
    if (m650) offset = 50;
    if (m700) offset = 100;
    if (m750) offset = 150;
    return offset;
}
