#include "blockeditor/famiglie/Elenco.h"

#include "blockeditor/Famiglie.h"
#include "blockeditor/famiglie/BitConfronto.h"

// The bit-operation and comparison blocks.
void RegistraBitConfronto()
{
    RegistraFamiglia(Famiglia::Bit, {ImpaginaBit, CodificaBit, {}});
    RegistraFamiglia(Famiglia::Confronto, {ImpaginaConfronto, CodificaConfronto, {}});
}
