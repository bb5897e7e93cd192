#include "blockeditor/famiglie/Elenco.h"

#include "blockeditor/Famiglie.h"
#include "blockeditor/famiglie/FlussoTempo.h"

// The flow-control, log, timer, trip and PID blocks.
void RegistraFlussoTempo()
{
    RegistraFamiglia(Famiglia::Flusso, {ImpaginaFlusso, CodificaFlusso, {}});
    RegistraFamiglia(Famiglia::Timer, {ImpaginaTimerTrip, CodificaTimerTrip, {}});
    RegistraFamiglia(Famiglia::Pid, {ImpaginaPid, CodificaPid, {}});
}
