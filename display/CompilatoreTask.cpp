#include "display/CompilatoreTask.h"

#include "base/Conversioni.h"
#include "base/Modelli.h"
#include "comm/Dispositivo.h"
#include "display/SMS.h"
#include "display/Task.h"
#include "program/StatoProgramma.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int CodiceLogger = 138;
constexpr int CodiceLoggerCsv = 144;
constexpr int CodiceTrend = 141;
constexpr int CodiceSMS = 142;
constexpr int CodiceEmail = 143;
constexpr int CodaTrend = 34;
constexpr int CodaMessaggio = 42;
constexpr int CaratteriCartella = 12;
constexpr int CodiceFineCampi = 0x7F;
// Field codes after the variables: event type, date, time.
constexpr int UltimoCodiceCampo = 130;
// Image byte 33 carries the expanded length + 2.
constexpr int MaxMessaggioEspanso = 253;

using Sei = std::array<uint8_t, 6>;

void Segnala(Task& k, ErroreTask e)
{
    if (k.Errore == ErroreTask::Nessuno) k.Errore = e;
}

void Scrivi(Task& k, int da, const Sei& v)
{
    std::copy(v.begin(), v.end(), k.Compilato.begin() + da);
}

void ScriviLE(Task& k, int da, uint32_t v, int byte)
{
    for (int i = 0; i < byte; ++i) k.Compilato[da + i] = uint8_t(v >> (8 * i));
}

void ScriviSingolo(Task& k, int da, double v)
{
    const Byte4 b = FloatToByte(v);
    for (int i = 0; i < 4; ++i) k.Compilato[da + i] = b[3 - i];
}

void Zero(Task& k, int da, int a)
{
    std::fill(k.Compilato.begin() + da, k.Compilato.begin() + a + 1, uint8_t(0));
}

// Bytes 0-23: the dates, the interval and (logger only) the new-file period.
void Date(Task& k, bool periodo)
{
    Scrivi(k, 0, k.Inizio);
    Scrivi(k, 6, k.Fine);
    Scrivi(k, 12, k.Intervallo);
    if (periodo)
        Scrivi(k, 18, k.Periodo2);
    else
        Zero(k, 18, 23);
}

// Bytes 24-35: the directory, one byte a character.
void Cartella(Task& k)
{
    Zero(k, 24, 35);
    if (k.Cartella.size() > CaratteriCartella) Segnala(k, ErroreTask::CartellaLunga);
    const qsizetype n = std::min<qsizetype>(k.Cartella.size(), CaratteriCartella);
    for (qsizetype i = 0; i < n; ++i) k.Compilato[24 + i] = ByteCarattere(k.Cartella[i]);
}

// Bytes 36-41: flag, trigger, trigger register and the bit's mask.
void Trigger(Task& k)
{
    k.Compilato[36] = k.FlagTask;
    k.Compilato[37] = k.Trigger;
    ScriviLE(k, 38, uint16_t(k.RegTriggerTask), 2);
    if (k.BitTrigger < 0 || k.BitTrigger > 15) {
        Segnala(k, ErroreTask::BitTrigger);
        return;
    }
    const uint16_t maschera = uint16_t(1u << k.BitTrigger);
    k.Compilato[40] = uint8_t(maschera >> 8);
    k.Compilato[41] = uint8_t(maschera);
}

void Logger(Task& k, bool csv)
{
    k.CodiceFunzione = int16_t(csv ? CodiceLoggerCsv : CodiceLogger);
    Date(k, true);
    Cartella(k);
    Trigger(k);
    if (csv) {
        // The header and record text blocks are not part of the image.
        k.LunghezzaCodice = int16_t(k.NumCampi * 4 + 1);
        if (TestaCompilato + k.LunghezzaCodice > DimensioneCompilato) Segnala(k, ErroreTask::TroppiCampi);
        return;
    }
    k.NumCampi = uint8_t(std::min<int>(k.NumCampi, MaxCampiTask));
    k.LunghezzaCodice = int16_t(k.NumCampi + 1);
    if (TestaCompilato + k.LunghezzaCodice > DimensioneCompilato) {
        Segnala(k, ErroreTask::TroppiCampi);
        return;
    }
    std::array<uint8_t, MaxCampiTask> codici{};
    for (int j = 0; j < k.NumCampi; ++j) {
        const double c = std::nearbyint(k.Campi[j]);
        if (!(c >= 0 && c <= UltimoCodiceCampo)) {
            Segnala(k, ErroreTask::CampoNonDefinito);
            return;
        }
        codici[j] = uint8_t(c);
    }
    std::copy_n(codici.begin(), k.NumCampi, k.Compilato.begin() + TestaCompilato);
    k.Compilato[TestaCompilato + k.NumCampi] = CodiceFineCampi;
}

void Trend(Task& k)
{
    k.CodiceFunzione = CodiceTrend;
    Date(k, false);
    Cartella(k);
    Trigger(k);
    Zero(k, 42, 75);
    k.Compilato[49] = 0x55;
    k.Compilato[50] = 0x55;
    ScriviLE(k, 52, uint16_t(k.RegTrend), 2);
    ScriviSingolo(k, 56, k.MaxTrend);
    ScriviSingolo(k, 60, k.MinTrend);
    ScriviSingolo(k, 64, k.Campi[0]);
    k.Compilato[72] = k.NumCampi;
    k.LunghezzaCodice = CodaTrend;
}

// The entries as the window left them, so that a task renumbered since
// takes its own number and message along.
struct VociPrecedenti {
    std::array<VoceSMS, MaxVociSMS> numeri = NumeriSMS;
    std::array<VoceSMS, MaxVociSMS> testi = TestiSMS;
};

void VoceSMSDelTask(Task& k, const VociPrecedenti& prima)
{
    if (NumTestiSMS >= MaxVociSMS) {
        // No entry: the window then shows and stores no number and message.
        k.NumCampi = MaxVociSMS;
        Segnala(k, ErroreTask::TroppiSMS);
        return;
    }
    const int precedente = k.NumCampi;
    const int e = NumTestiSMS;
    ++NumNumeriSMS;
    ++NumTestiSMS;
    k.NumCampi = uint8_t(e);
    const bool aveva = precedente < MaxVociSMS;
    NumeriSMS[e] = aveva ? prima.numeri[precedente] : VoceSMS{};
    TestiSMS[e] = aveva ? prima.testi[precedente] : VoceSMS{};

    NumeriSMS[e].IndirizzoSMS = BaseNumeriSMS + PassoNumeriSMS * e;
    TestiSMS[e].IndirizzoSMS = BaseTestiSMS + PassoTestiSMS * e;
    ScriviLE(k, 24, uint32_t(NumeriSMS[e].IndirizzoSMS), 4);
    ScriviLE(k, 28, uint32_t(TestiSMS[e].IndirizzoSMS), 4);
    k.Compilato[32] = NumeriSMS[e].LunghezzaSMS;
    const qsizetype espanso = TestoEspanso(TestiSMS[e].TestoSMS).size();
    if (espanso > MaxMessaggioEspanso) {
        Segnala(k, ErroreTask::MessaggioLungo);
        return;
    }
    TestiSMS[e].LunghezzaSMS = uint8_t(espanso);
    k.Compilato[33] = uint8_t(espanso + 2);
}

void Messaggio(Task& k, int codice)
{
    k.CodiceFunzione = int16_t(codice);
    Date(k, false);
    Zero(k, 34, 35);
    Trigger(k);
    k.LunghezzaCodice = CodaMessaggio;
}

} // namespace

void CompilaOggetti()
{
    ProgCorrente = 0;
    const VociPrecedenti prima;
    NumNumeriSMS = 0;
    NumTestiSMS = 0;
    const bool csv = Controllore.Modello < NumModelli && Modelli[Controllore.Modello].LoggerCsv;
    const int n = std::min<int>(NumTask, MaxTask);
    for (int t = 1; t <= n; ++t) {
        Task& k = Tasks[t];
        k.Errore = ErroreTask::Nessuno;
        if (k.TipoTask > uint8_t(TipoDiTask::Email)) continue;
        k.CodiceTipo = 3;
        switch (TipoDiTask(k.TipoTask)) {
        case TipoDiTask::Logger:
            Logger(k, csv);
            break;
        case TipoDiTask::Trend:
            Trend(k);
            break;
        case TipoDiTask::SMS:
            Messaggio(k, CodiceSMS);
            VoceSMSDelTask(k, prima);
            break;
        case TipoDiTask::Email:
            Messaggio(k, CodiceEmail);
            break;
        }
    }
    ProgCorrente = 0;
}
