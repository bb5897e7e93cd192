#include "display/ProfiloScheduler.h"

#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "display/CompilaScheduler.h"
#include "display/Task.h"

ProfiloScheduler ProfiloCorrente()
{
    ProfiloScheduler p;
    if (Controllore.Modello >= NumModelli) return p;
    const DefModello& m = Modelli[Controllore.Modello];
    p.abilitazione = m.AmmetteAbilitazione;
    // The controllers that keep a field-name string per task are the ones
    // whose scheduler repeats a task.
    p.ripetizione = ModelloConStringheScheduler();
    p.csv = m.LoggerCsv;
    p.eventoDataOra = m.Nome.isEmpty() || m.Nome != NomiModello[4];
    p.numBlocchi = m.NumBlocchi;
    return p;
}

RiquadriTask Riquadri(uint8_t tipo, const ProfiloScheduler& p)
{
    RiquadriTask r;
    r.abilitazione = p.abilitazione;
    r.ripetizione = p.ripetizione;
    switch (TipoDiTask(tipo)) {
    case TipoDiTask::Logger:
        r.file = true;
        r.var = !p.csv;
        r.csv = p.csv;
        break;
    case TipoDiTask::Trend: r.trend = true; break;
    case TipoDiTask::SMS: r.sms = true; break;
    default: break;
    }
    return r;
}
