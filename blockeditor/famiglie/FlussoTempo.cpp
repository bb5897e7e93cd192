#include "blockeditor/famiglie/Elenco.h"

// The flow-control, log, timer, trip and PID blocks.
void RegistraFlussoTempo()
{
}
