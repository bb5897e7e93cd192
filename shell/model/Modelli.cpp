#include "shell/model/Modelli.h"

void CaricaModelli()
{
}
