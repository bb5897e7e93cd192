#include "registers/TabRegistri.h"

void CaricaRegistriSistema(bool utente)
{
    (void)utente;
}
