#include "comm/AreaComunicazione.h"

uint8_t Comunica(bool MostraErrori)
{
    (void)MostraErrori;
    ComErr = 1;
    return 3;
}
