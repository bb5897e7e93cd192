#include "blockeditor/famiglie/Elenco.h"

// The communication blocks and their device resource lists.
void RegistraComunicazione()
{
}
