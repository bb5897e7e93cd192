#include "display/CampiTask.h"

#include "display/SMS.h"
#include "registers/EditorTabelle.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A whole-number field: the text read as a number in full, a fraction
// rounded to the nearest whole number; nothing outside [minimo, massimo].
std::optional<int> Intero(const QString& testo, int minimo, int massimo)
{
    const std::optional<double> v = NumeroCampo(testo);
    if (!v) return std::nullopt;
    const double r = std::nearbyint(*v);
    if (r < minimo || r > massimo) return std::nullopt;
    return int(r);
}

std::optional<int> Byte(const QString& t) { return Intero(t, 0, 255); }
std::optional<int> Integer(const QString& t) { return Intero(t, INT16_MIN, INT16_MAX); }
std::optional<int> Bit(const QString& t) { return Intero(t, 0, 15); }

QString DueCifre(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

// Byte of Intervallo and Periodo2 (years first) that each list position sets.
constexpr std::array<int, 6> kByteUnita = {5, 4, 3, 2, 1, 0};
constexpr std::array<int, 4> kByteNuovoFile = {3, 2, 1, 0};

void MostraData(const std::array<uint8_t, 6>& d, DataCampi& v)
{
    if (d[2] >= 1 && d[2] <= 31) v.giorno = DueCifre(d[2]);
    if (d[1] >= 1 && d[1] <= 12) v.mese = d[1] - 1;
    if (d[0] <= 99) v.anno = QString::number(2000 + d[0]);
    v.ore = DueCifre(d[3]);
    v.minuti = DueCifre(d[4]);
    v.secondi = DueCifre(d[5]);
}

// A date's six bytes, year first; nothing when a field is not a number or
// lies outside its list or clock range.
std::optional<std::array<uint8_t, 6>> DataDaCampi(const DataCampi& v)
{
    const auto anno = Intero(v.anno, 2000, 2099), giorno = Intero(v.giorno, 1, 31);
    const auto ore = Intero(v.ore, 0, 23), minuti = Intero(v.minuti, 0, 59), secondi = Intero(v.secondi, 0, 59);
    if (!anno || !giorno || !ore || !minuti || !secondi || v.mese < 0 || v.mese > 11) return std::nullopt;
    return std::array<uint8_t, 6>{uint8_t(*anno - 2000), uint8_t(v.mese + 1), uint8_t(*giorno),
                                  uint8_t(*ore), uint8_t(*minuti), uint8_t(*secondi)};
}

void MostraLogger(const Task& k, const ProfiloScheduler& p, CampiTask& c)
{
    c.cartella = k.Cartella;
    // In this order, so that the coarsest period set wins.
    if (k.Periodo2[3]) {
        c.nuovoFile = OgniOra;
        c.fileOgniOra = QStringLiteral("1");
    }
    if (k.Periodo2[2]) c.nuovoFile = OgniGiorno;
    if (k.Periodo2[1]) c.nuovoFile = OgniMese;
    if (k.Periodo2[0]) c.nuovoFile = OgniAnno;
    c.numCampiRecord = std::min<int>(k.NumCampi, int(c.campiRecord.size()));
    for (int i = 0; i < c.numCampiRecord; ++i) {
        const double v = std::nearbyint(k.Campi[size_t(i)]);
        if (v >= 0 && v <= 255) c.campiRecord[size_t(i)] = uint8_t(v);
    }
    c.blocchi = p.numBlocchi;
    auto voce = [&c](int i) { return c.campiRecord[size_t(i)] < c.blocchi ? int(c.campiRecord[size_t(i)]) : -1; };
    c.intestazione = voce(0);
    c.formatoRecord = voce(1);
}

void MostraSMS(const Task& k, CampiTask& c)
{
    if (k.NumCampi >= MaxVociSMS) return;
    c.numeroSMS = NumeriSMS[k.NumCampi].TestoSMS;
    c.testoSMS = TestiSMS[k.NumCampi].TestoSMS;
}

void MemorizzaVoce(VoceSMS& v, const QString& testo)
{
    v.TestoSMS = testo;
    if (testo.size() <= 255) v.LunghezzaSMS = uint8_t(testo.size());
    v.IndirizzoSMS = 0;
}

} // namespace

int RipetizioniTask(uint8_t flag, int n)
{
    const int r = int(std::floor((flag - (n - 1)) / 16.0));
    return std::clamp(r, 0, 15);
}

uint8_t RinumeraFlagTask(uint8_t flag, int da, int a)
{
    const int r = std::min(RipetizioniTask(flag, da), (255 - (a - 1)) / 16);
    return uint8_t(a - 1 + 16 * r);
}

void MostraTask(const Task& k, int n, const ProfiloScheduler& p, CampiTask& c)
{
    MostraData(k.Inizio, c.validita[0]);
    MostraData(k.Fine, c.validita[1]);

    c.abilita = k.Abilita;
    if (k.Abilita) {
        c.regAbil = QString::number(k.RegAbil);
        c.bitAbil = QString::number(k.BitAbil);
    }
    c.ripeti = p.ripetizione ? QString::number(RipetizioniTask(k.FlagTask, n)) : QStringLiteral("0");
    c.aTempo = k.Trigger & TriggerIntervallo;

    // Years first, so that the finest unit set wins.
    c.intervallo = QStringLiteral("0");
    c.unita = Secondi;
    for (int u = Anni; u >= Secondi; --u) {
        const uint8_t v = k.Intervallo[size_t(kByteUnita[size_t(u)])];
        if (!v) continue;
        c.intervallo = QString::number(v);
        c.unita = u;
    }

    c.salita = k.Trigger & TriggerSalita;
    c.discesa = k.Trigger & TriggerDiscesa;
    c.reset = k.Trigger & TriggerReset;
    c.flag = k.Trigger & TriggerFlag;
    c.regTrigger = QString::number(k.RegTriggerTask);
    c.bitTrigger = QString::number(k.BitTrigger);

    switch (TipoDiTask(k.TipoTask)) {
    case TipoDiTask::Logger:
        c.tipo = QStringLiteral("Logger");
        MostraLogger(k, p, c);
        break;
    case TipoDiTask::Trend:
        c.tipo = QStringLiteral("Trend");
        c.regTrend = QString::number(k.RegTrend);
        c.maxTrend = TestoCampo(k.MaxTrend);
        c.minTrend = TestoCampo(k.MinTrend);
        c.dimX = QString::number(k.NumCampi);
        c.dimY = TestoCampo(k.Campi[0]);
        break;
    case TipoDiTask::SMS:
        c.tipo = QStringLiteral("SMS");
        c.numCampiRecord = std::min<int>(k.NumCampi, int(c.campiRecord.size()));
        MostraSMS(k, c);
        break;
    case TipoDiTask::Email:
        c.tipo = QStringLiteral("E-MAIL");
        c.numCampiRecord = std::min<int>(k.NumCampi, int(c.campiRecord.size()));
        break;
    }
}

EsitoCampi MemorizzaTask(const CampiTask& c, int n, Task& k, const ProfiloScheduler& p)
{
    // Every number is read before anything is stored: one that does not read,
    // or lies outside its field, refuses the whole store.
    const auto inizio = DataDaCampi(c.validita[0]), fine = DataDaCampi(c.validita[1]);
    const std::optional<int> regAbil = c.abilita ? Integer(c.regAbil) : 0, bitAbil = c.abilita ? Bit(c.bitAbil) : 0;
    const bool conUnita = c.unita >= Secondi && c.unita <= Anni;
    const std::optional<int> intervallo = conUnita ? Byte(c.intervallo) : 0;
    // Task number less one, 16 per repeat, in one byte.
    const auto ripeti = Intero(c.ripeti, 0, (255 - (n - 1)) / 16);
    const auto regTrigger = Integer(c.regTrigger), bitTrigger = Bit(c.bitTrigger);
    if (!inizio || !fine || !regAbil || !bitAbil || !intervallo || !ripeti || !regTrigger || !bitTrigger)
        return EsitoCampi::ValoriErrati;
    const TipoDiTask tipo = TipoDiTask(k.TipoTask);
    std::optional<int> regTrend, dimX;
    std::optional<double> maxTrend, minTrend, dimY;
    if (tipo == TipoDiTask::Trend) {
        regTrend = Integer(c.regTrend);
        maxTrend = NumeroCampo(c.maxTrend);
        minTrend = NumeroCampo(c.minTrend);
        dimX = Byte(c.dimX);
        dimY = NumeroCampo(c.dimY);
        if (!regTrend || !maxTrend || !minTrend || !dimX || !dimY) return EsitoCampi::ValoriErrati;
    }

    k.Inizio = *inizio;
    k.Fine = *fine;
    k.Abilita = c.abilita;
    k.RegAbil = int16_t(*regAbil);
    k.BitAbil = int16_t(*bitAbil);
    k.Intervallo.fill(0);
    if (conUnita) k.Intervallo[size_t(kByteUnita[size_t(c.unita)])] = uint8_t(*intervallo);
    k.FlagTask = uint8_t(n - 1 + 16 * *ripeti);

    k.Trigger = (c.aTempo ? TriggerIntervallo : 0) | (c.salita ? TriggerSalita : 0) |
                (c.discesa ? TriggerDiscesa : 0) | (c.reset ? TriggerReset : 0) | (c.flag ? TriggerFlag : 0);
    k.RegTriggerTask = int16_t(*regTrigger);
    k.BitTrigger = int16_t(*bitTrigger);

    if (tipo == TipoDiTask::Logger || tipo == TipoDiTask::SMS || tipo == TipoDiTask::Email) {
        // SMS and e-mail take them from the file controls, hidden for them.
        k.Periodo2.fill(0);
        if (c.nuovoFile >= OgniOra && c.nuovoFile <= OgniAnno) k.Periodo2[size_t(kByteNuovoFile[size_t(c.nuovoFile)])] = 1;
        k.Cartella = c.cartella;
    }
    switch (tipo) {
    case TipoDiTask::Logger:
        if (p.csv) {
            k.NumCampi = 2;
            k.Campi[0] = c.intestazione;
            k.Campi[1] = c.formatoRecord;
        } else {
            k.NumCampi = uint8_t(c.numCampiRecord);
            for (int i = 0; i < c.numCampiRecord; ++i) k.Campi[size_t(i)] = c.campiRecord[size_t(i)];
        }
        break;
    case TipoDiTask::Trend:
        k.RegTrend = int16_t(*regTrend);
        k.MaxTrend = *maxTrend;
        k.MinTrend = *minTrend;
        k.NumCampi = uint8_t(*dimX);
        k.Campi[0] = *dimY;
        break;
    case TipoDiTask::SMS:
        if (k.NumCampi < MaxVociSMS) {
            MemorizzaVoce(NumeriSMS[k.NumCampi], c.numeroSMS);
            MemorizzaVoce(TestiSMS[k.NumCampi], c.testoSMS);
        }
        break;
    default:
        break;
    }
    return EsitoCampi::Memorizzati;
}
