#include "build/RapportoTrasferimento.h"

#include "shell/convert/Attesa.h"

void RapportoTrasferimento::Attendi(double secondi)
{
    Attesa(secondi);
}
