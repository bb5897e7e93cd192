#include "projectfiles/FileTask.h"

#include "projectfiles/ScrittoreRighe.h"

#include <algorithm>

namespace {
constexpr qint64 kMinInt = -32768, kMaxInt = 32767;
// The older layout drops the lines of a task from this one up to its
// version number.
constexpr int kPrimaSaltataTask = 97;

void ScriviByte(ScrittoreRighe& s, const std::array<uint8_t, 6>& v)
{
    for (uint8_t b : v) s.Intero(b);
}

void LeggiByte(LettoreRighe& l, std::array<uint8_t, 6>& v)
{
    for (uint8_t& b : v) b = uint8_t(l.Intero(0, 255));
}

// The 98 fields.
Task LeggiTask(LettoreRighe& l)
{
    Task t;
    LeggiByte(l, t.Inizio);
    LeggiByte(l, t.Fine);
    t.TipoTask = uint8_t(l.Intero(0, 255));
    LeggiByte(l, t.Intervallo);
    LeggiByte(l, t.Periodo2);
    t.Cartella = l.Testo();
    t.FlagTask = uint8_t(l.Intero(0, 255));
    t.Trigger = uint8_t(l.Intero(0, 255));
    t.RegTriggerTask = int16_t(l.Intero(kMinInt, kMaxInt));
    t.BitTrigger = int16_t(l.Intero(kMinInt, kMaxInt));
    t.NumCampi = uint8_t(l.Intero(0, 255));
    for (int k = 0; k < MaxCampiTask; ++k) t.Campi[size_t(k)] = l.Reale();
    t.Abilita = l.Intero(kMinInt, kMaxInt) == 1;
    t.RegAbil = int16_t(l.Intero(kMinInt, kMaxInt));
    t.BitAbil = int16_t(l.Intero(kMinInt, kMaxInt));
    return t;
}

void AltroTask(const LettoreRighe& l, const ProgettoSalvato& p)
{
    if (p.task.size() >= MaxTask) throw GuastoLettura{Guasto::FuoriLimite, QString(), l.Riga()};
}
} // namespace

QByteArray ScriviSkd(const ProgettoSalvato& p)
{
    ScrittoreRighe s;
    for (const Task& t : p.task) {
        s.Record("TASK", [&] {
            ScriviByte(s, t.Inizio);
            ScriviByte(s, t.Fine);
            s.Intero(t.TipoTask);
            ScriviByte(s, t.Intervallo);
            ScriviByte(s, t.Periodo2);
            s.Testo(t.Cartella);
            s.Intero(t.FlagTask);
            s.Intero(t.Trigger);
            s.Intero(t.RegTriggerTask);
            s.Intero(t.BitTrigger);
            s.Intero(t.NumCampi);
            for (int k = 0; k < MaxCampiTask; ++k) s.Reale(t.Campi[size_t(k)]);
            s.Flag(t.Abilita);
            s.Intero(t.RegAbil);
            s.Intero(t.BitAbil);
        });
    }
    return s.Byte();
}

QByteArray ScriviMsg(const ProgettoSalvato& p)
{
    ScrittoreRighe s;
    s.Intero(p.numeriSMS.size());
    s.Intero(p.testiSMS.size());
    for (const QString& t : p.numeriSMS) s.Testo(t);
    for (const QString& t : p.testiSMS) s.Testo(t);
    return s.Byte();
}

void LeggiSkd(LettoreRighe& l, bool conTag, int versione, ProgettoSalvato& p)
{
    if (conTag) {
        while (!l.Fine()) {
            if (l.Testo() != QLatin1String("<TASK>")) continue;
            AltroTask(l, p);
            p.task << LeggiTask(l);
            l.SaltaFino(QStringLiteral("</TASK>"));
        }
        return;
    }
    const int n = l.Conteggio(MaxTask);
    for (int t = 0; t < n; ++t) {
        l.SaltaVuote();
        p.task << LeggiTask(l);
        l.Salta(std::max(0, versione - kPrimaSaltataTask + 1));
    }
}

void LeggiMsg(LettoreRighe& l, ProgettoSalvato& p)
{
    const int numeri = l.Conteggio(MaxVociSMS);
    const int testi = l.Conteggio(MaxVociSMS);
    for (int i = 0; i < numeri; ++i) p.numeriSMS << l.Testo();
    for (int i = 0; i < testi; ++i) p.testiSMS << l.Testo();
}
