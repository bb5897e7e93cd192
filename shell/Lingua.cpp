#include "shell/Lingua.h"

#include "shell/Finestre.h"
#include "shell/model/Globali.h"

void CaricaLingua(int lingua)
{
    Lingua = uint8_t(lingua);
}

void CambiaLingua(int lingua)
{
    CaricaLingua(lingua);
    Finestre::ChiamaSetRes();
}

QString TestoRisorsa(int id)
{
    (void)id;
    return QString();
}
