#include "transfer/SezioniMemoria.h"

#include "comm/AccessoController.h"
#include "comm/Dispositivo.h"
#include "display/SMS.h"
#include "display/Task.h"
#include "registers/Variabili.h"
#include "transfer/MappaMemoria.h"

#include <algorithm>
#include <cstring>

namespace {

QString FineSezione(bool ok, const RapportoTrasferimento& r)
{
    if (ok) return QStringLiteral(" Successul");
    return r.Fermato() ? QStringLiteral(" Stopped") : QStringLiteral(" Failed");
}

// One section's report: the opening line now, the closing line at the end.
class Sezione {
public:
    Sezione(RapportoTrasferimento& r, bool scarica, const char* apertura)
        : m_r(r), m_clessidra(r), m_parola(scarica ? QStringLiteral("Download") : QStringLiteral("Export"))
    {
        m_r.Inizia();
        m_r.Scrivi(m_parola + QLatin1String(apertura));
    }
    bool Fine(bool ok)
    {
        m_r.Scrivi(m_parola + FineSezione(ok, m_r));
        return ok;
    }
    // What cannot be laid out: its own line, then the failure.
    bool Rifiuta(const QString& riga)
    {
        m_r.Scrivi(riga);
        return Fine(false);
    }
    bool TroppoLungo(const QString& cosa) { return Rifiuta(cosa + QStringLiteral(" too long")); }

private:
    RapportoTrasferimento& m_r;
    ClessidraAttiva m_clessidra;
    QString m_parola;
};

// One block, unless the user has asked to stop.
bool Scrivi(const RapportoTrasferimento& r, int32_t indirizzo, int32_t offset, int n)
{
    return !r.Fermato() && ScriviMemoria(Controllore.Nodo, indirizzo, offset, n);
}

// Writes [p, p + n) in blocks of 32 bytes taken from the same buffer offsets.
bool ScriviBlocchi(const RapportoTrasferimento& r, int32_t p, int n)
{
    for (int s = 0; s < n; s += LunghezzaBloccoMemoria)
        if (!Scrivi(r, p + s, p + s, std::min(LunghezzaBloccoMemoria, n - s))) return false;
    return true;
}

// Lays the region [p, p + dimensione) out as the text and at least one 0 byte.
// False when they do not fit.
bool TestoInRegione(const QByteArray& testo, int32_t p, int dimensione)
{
    if (testo.size() + 1 > dimensione) return false;
    uint8_t* d = BufferTrasferimento.data() + p;
    std::memset(d, 0, size_t(dimensione));
    std::memcpy(d, testo.constData(), size_t(testo.size()));
    return true;
}

} // namespace

bool DownloadVariabili(bool Scarica, RapportoTrasferimento& rapporto)
{
    Sezione sezione(rapporto, Scarica, "ing Variables...");
    if (Scarica) rapporto.Barra(1);
    // The loader keeps at most 128; a further record would leave the region.
    const int n = std::min<int>(NumVariabili, MaxRecordVariabili);
    if (n == 0) return sezione.Fine(true);
    const MappaMemoria mappa = MappaMemoria::DelModello();
    const int32_t base = mappa.IndirizzoVariabili;
    BufferTrasferimento[size_t(base - 1)] = uint8_t(n - 1);
    if (Scarica && !Scrivi(rapporto, base - 1, base - 1, 1)) return sezione.Fine(false);
    for (int i = 0; i < n; ++i) {
        const int32_t a = base + LunghezzaRecordVariabile * i;
        if (!RecordVariabile(Variabili[size_t(i)], mappa.IndirizzoStringhe, BufferTrasferimento.data() + a))
            return sezione.Rifiuta(QStringLiteral("Variable %1: value out of range").arg(i));
        if (!Scarica) continue;
        if (!Scrivi(rapporto, a, a, LunghezzaRecordVariabile)) return sezione.Fine(false);
        rapporto.Barra(1 + 100.0f * float(i + 1) / float(n));
    }
    return sezione.Fine(true);
}

bool DownloadStringhe(bool Scarica, RapportoTrasferimento& rapporto)
{
    Sezione sezione(rapporto, Scarica, "ing Strings...");
    if (Scarica) rapporto.Barra(1);
    const MappaMemoria mappa = MappaMemoria::DelModello();
    const int ultima = std::min(mappa.NumStringhe, MaxStringheUtente - 1);
    for (int i = 0; i <= ultima; ++i) {
        const int32_t a = mappa.IndirizzoStringhe + LunghezzaStringaUtente * i;
        CampoTesto(Stringhe[size_t(i)].TestoVoce, BufferTrasferimento.data() + a, LunghezzaStringaUtente);
        if (Scarica && !Scrivi(rapporto, a, a, LunghezzaStringaUtente)) return sezione.Fine(false);
    }
    return sezione.Fine(true);
}

bool DownloadStringheScheduler(bool Scarica, RapportoTrasferimento& rapporto)
{
    Sezione sezione(rapporto, Scarica, "ing Strings...");
    if (Scarica) rapporto.Barra(1);
    const int n = std::min<int>(NumTask, MaxTask);
    for (int t = 1; t <= n; ++t) {
        const QString& stringa = Tasks[size_t(t)].StringaTask;
        if (stringa.isEmpty()) continue;
        const int32_t p = BaseStringheScheduler + PassoStringheScheduler * (t - 1);
        const QByteArray testo = TestoControllore(stringa);
        if (!TestoInRegione(testo, p, PassoStringheScheduler))
            return sezione.TroppoLungo(QStringLiteral("Scheduler string of task %1").arg(t));
        // The string, its 0 byte and one block more, inside the task's region.
        const int blocchi = std::min<int>(int(testo.size()) / LunghezzaBloccoMemoria + 2,
                                          PassoStringheScheduler / LunghezzaBloccoMemoria);
        if (Scarica && !ScriviBlocchi(rapporto, p, blocchi * LunghezzaBloccoMemoria)) return sezione.Fine(false);
    }
    return sezione.Fine(true);
}

bool DownloadBlocchi(bool Scarica, RapportoTrasferimento& rapporto)
{
    Sezione sezione(rapporto, Scarica, "ing Blocks...");
    if (Scarica) rapporto.Barra(1);
    const int n = std::min<int>(MappaMemoria::DelModello().NumBlocchi, MaxBlocchiTesto);
    for (int b = 0; b < n; ++b) {
        const int32_t p = BaseBlocchiTesto + PassoBlocchiTesto * b;
        if (!TestoInRegione(TestoControllore(Blocchi[size_t(b)].TestoVoce), p, PassoBlocchiTesto))
            return sezione.TroppoLungo(QStringLiteral("Text block %1").arg(b));
        if (Scarica && !ScriviBlocchi(rapporto, p, PassoBlocchiTesto)) return sezione.Fine(false);
    }
    return sezione.Fine(true);
}

bool DownloadSMS(RapportoTrasferimento& rapporto)
{
    ClessidraAttiva clessidra(rapporto);
    rapporto.Inizia();
    rapporto.Scrivi(QStringLiteral("Downloading SMS Table..."));
    rapporto.Barra(1);
    auto fine = [&](bool ok) {
        rapporto.Scrivi(QStringLiteral("Download") + FineSezione(ok, rapporto));
        return ok;
    };
    auto troppoLungo = [&](const QString& cosa) {
        rapporto.Scrivi(cosa + QStringLiteral(" too long"));
        return fine(false);
    };
    for (int k = 0; k < std::min<int>(NumNumeriSMS, MaxVociSMS); ++k) {
        const QByteArray numero = TestoControllore(NumeriSMS[size_t(k)].TestoSMS);
        if (!TestoInRegione(numero, 0, PassoNumeriSMS)) return troppoLungo(QStringLiteral("SMS number %1").arg(k));
        if (!Scrivi(rapporto, BaseNumeriSMS + PassoNumeriSMS * k, 0, int(numero.size()) + 1)) return fine(false);
    }
    for (int k = 0; k < std::min<int>(NumTestiSMS, MaxVociSMS); ++k) {
        // The text with its end mark, a spare byte and the 0 byte.
        const QByteArray testo = TestoSMSControllore(TestiSMS[size_t(k)].TestoSMS);
        if (!TestoInRegione(testo + '\0', 0, PassoTestiSMS)) return troppoLungo(QStringLiteral("SMS text %1").arg(k));
        if (!Scrivi(rapporto, BaseTestiSMS + PassoTestiSMS * k, 0, int(testo.size()) + 2)) return fine(false);
    }
    return fine(true);
}
