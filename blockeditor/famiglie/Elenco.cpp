#include "blockeditor/famiglie/Elenco.h"
#include "blockeditor/Famiglie.h"

void RegistraFamiglie()
{
    RegistraComunicazione();
    RegistraAritmeticaSposta();
    RegistraBitConfronto();
    RegistraFlussoTempo();
}
