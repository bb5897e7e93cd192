#include "blockeditor/RigaBlocco.h"

bool RigaBlocco::ScegliTipo(int tipo)
{
    sceltaTipo = -1;
    for (int k = 0; k < tipi.size(); ++k)
        if (tipi[k].dato == tipo) sceltaTipo = k;
    return sceltaTipo >= 0;
}
