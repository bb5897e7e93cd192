#include "transfer/RapportoTrasferimento.h"

#include "base/Attesa.h"

void RapportoTrasferimento::Attendi(double secondi)
{
    Attesa(secondi);
}
