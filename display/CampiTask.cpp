#include "display/CampiTask.h"

#include "display/SMS.h"
#include "registers/EditorTabelle.h"

#include <QRegularExpression>
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

// The enable fields take the number the text starts with ("12 abc" is 12,
// "abc" is 0), always with "." as the decimal point.
std::optional<int> InteroIniziale(const QString& testo)
{
    static const QRegularExpression kNumero(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch m = kNumero.match(testo);
    const double r = m.hasMatch() ? std::nearbyint(m.captured(0).trimmed().toDouble()) : 0.0;
    if (r < INT16_MIN || r > INT16_MAX) return std::nullopt;
    return int(r);
}

template <class T> void Assegna(T& campo, std::optional<int> v)
{
    if (v) campo = T(*v);
}

std::optional<int> Byte(const QString& t) { return Intero(t, 0, 255); }
std::optional<int> Integer(const QString& t) { return Intero(t, INT16_MIN, INT16_MAX); }

// A register bit is 0..15; any other number is refused and the field shows
// the stored bit again.
void AssegnaBit(int16_t& campo, QString& testo, std::optional<int> v)
{
    if (!v) return;
    if (*v >= 0 && *v <= 15)
        campo = int16_t(*v);
    else
        testo = QString::number(campo);
}

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

void MemorizzaData(const DataCampi& v, std::array<uint8_t, 6>& d)
{
    if (const auto a = Intero(v.anno, 2000, 2255)) d[0] = uint8_t(*a - 2000);
    if (v.mese >= -1 && v.mese <= 254) d[1] = uint8_t(v.mese + 1);
    Assegna(d[2], Byte(v.giorno));
    Assegna(d[3], Byte(v.ore));
    Assegna(d[4], Byte(v.minuti));
    Assegna(d[5], Byte(v.secondi));
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

void MemorizzaTask(CampiTask& c, int n, Task& k, const ProfiloScheduler& p)
{
    MemorizzaData(c.validita[0], k.Inizio);
    MemorizzaData(c.validita[1], k.Fine);

    if (c.abilita) {
        k.Abilita = true;
        Assegna(k.RegAbil, InteroIniziale(c.regAbil));
        AssegnaBit(k.BitAbil, c.bitAbil, InteroIniziale(c.bitAbil));
    } else {
        k.Abilita = false;
        k.RegAbil = 0;
        k.BitAbil = 0;
    }

    k.Intervallo.fill(0);
    if (c.unita >= Secondi && c.unita <= Anni) Assegna(k.Intervallo[size_t(kByteUnita[size_t(c.unita)])], Byte(c.intervallo));

    // A plain sum: task number less one, 16 per repeat; one that does not
    // fit the byte leaves the task number alone.
    k.FlagTask = uint8_t(n - 1);
    if (const auto r = NumeroCampo(c.ripeti)) {
        const double somma = std::nearbyint(n - 1 + 16 * *r);
        if (somma >= 0 && somma <= 255) k.FlagTask = uint8_t(somma);
    }

    k.Trigger = (c.aTempo ? TriggerIntervallo : 0) | (c.salita ? TriggerSalita : 0) |
                (c.discesa ? TriggerDiscesa : 0) | (c.reset ? TriggerReset : 0) | (c.flag ? TriggerFlag : 0);
    Assegna(k.RegTriggerTask, Integer(c.regTrigger));
    AssegnaBit(k.BitTrigger, c.bitTrigger, Integer(c.bitTrigger));

    const TipoDiTask tipo = TipoDiTask(k.TipoTask);
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
        Assegna(k.RegTrend, Integer(c.regTrend));
        if (const auto v = NumeroCampo(c.maxTrend)) k.MaxTrend = *v;
        if (const auto v = NumeroCampo(c.minTrend)) k.MinTrend = *v;
        Assegna(k.NumCampi, Byte(c.dimX));
        if (const auto v = NumeroCampo(c.dimY)) k.Campi[0] = *v;
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
}
