#include "blockeditor/famiglie/Elenco.h"

// The bit-operation and comparison blocks.
void RegistraBitConfronto()
{
}
