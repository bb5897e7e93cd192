#include "display/NuovoTask.h"

#include "base/Globali.h"
#include "display/SMS.h"

namespace {

using Sei = std::array<uint8_t, 6>;
constexpr Sei kInizio = {0, 1, 1, 0, 0, 0};        // 2000-01-01 00:00:00
constexpr Sei kFine = {99, 12, 31, 23, 59, 59};    // 2099-12-31 23:59:59
constexpr Sei kUnMinuto = {0, 0, 0, 0, 1, 0};
constexpr Sei kUnSecondo = {0, 0, 0, 0, 0, 1};
constexpr Sei kUnGiorno = {0, 0, 1, 0, 0, 0};
constexpr Sei kOgniOra = {0, 0, 0, 1, 0, 0};

// SMS and e-mail: once a day, on the rising edge of bit 8 of register 8.
void Messaggio(Task& k)
{
    k.Intervallo = kUnGiorno;
    k.Periodo2 = kOgniOra;
    k.Cartella.clear();
    k.Trigger = TriggerSalita;
    k.RegTriggerTask = 8;
    k.BitTrigger = 8;
}

} // namespace

EsitoNuovoTask NuovoTask(TipoDiTask tipo)
{
    if (NumTask >= MaxTask) return EsitoNuovoTask::TabellaPiena;
    ++NumTask;
    Task& k = Tasks[NumTask];
    k.Inizio = kInizio;
    k.Fine = kFine;
    k.FlagTask = 0;
    switch (tipo) {
    case TipoDiTask::Logger:
        k.Intervallo = kUnMinuto;
        k.Periodo2 = kOgniOra;
        k.Cartella = QStringLiteral("\\Dir0\\");
        k.Trigger = TriggerIntervallo | TriggerFlag;
        k.RegTriggerTask = 26;
        k.BitTrigger = 0;
        k.NumCampi = 0;
        break;
    case TipoDiTask::Trend:
        k.Intervallo = kUnSecondo;
        k.Trigger = TriggerIntervallo;
        k.NumCampi = 100;
        k.Campi[0] = 32;
        k.RegTrend = 26;
        k.MaxTrend = 1000;
        k.MinTrend = 0;
        break;
    case TipoDiTask::SMS:
    case TipoDiTask::Email:
        Messaggio(k);
        break;
    }
    k.TipoTask = uint8_t(tipo);
    // The entry the task points at now; the task compiler gives it its own.
    if (tipo == TipoDiTask::SMS && k.NumCampi < MaxVociSMS) {
        const QString numero = QStringLiteral("+39xxxxxxxxxx");
        const QString testo = QStringLiteral("Allarme");
        NumeriSMS[k.NumCampi].TestoSMS = numero;
        NumeriSMS[k.NumCampi].LunghezzaSMS = uint8_t(numero.size());
        TestiSMS[k.NumCampi].TestoSMS = testo;
        TestiSMS[k.NumCampi].LunghezzaSMS = uint8_t(testo.size());
    }
    ProgettoModificato = true;
    return EsitoNuovoTask::Creato;
}
