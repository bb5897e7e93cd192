#pragma once
// The scheduler window's property controls as plain values, and the two
// ways between them and a task record: showing task n and storing the
// controls back into it. Showing skips a value with no place in its control
// (the control keeps what it held); storing refuses the whole task when a
// number field does not read or lies outside its field.
#include "display/ProfiloScheduler.h"
#include "display/Task.h"

#include <QString>
#include <array>

// One validity date-time: the day and year combos are editable, so their
// texts are what is stored; the month combo is a plain list.
struct DataCampi {
    QString giorno = QStringLiteral("01");
    int mese = 0;                           // list position, January 0
    QString anno = QStringLiteral("2000");
    QString ore = QStringLiteral("00"), minuti = QStringLiteral("00"), secondi = QStringLiteral("00");
};

// Units of the interval list, by position.
enum UnitaIntervallo { Secondi = 0, Minuti, Ore, Giorni, Mesi, Anni };
// The new-file options, by position.
enum NuovoFile { OgniOra = 0, OgniGiorno, OgniMese, OgniAnno };

struct CampiTask {
    std::array<DataCampi, 2> validita;      // 0 start, 1 end
    bool abilita = false;
    QString regAbil = QStringLiteral("0"), bitAbil = QStringLiteral("0");
    QString ripeti = QStringLiteral("0");
    bool aTempo = false;
    QString intervallo = QStringLiteral("0");
    int unita = Secondi;                    // -1: none selected
    bool salita = false, discesa = false, reset = false, flag = false;
    QString regTrigger = QStringLiteral("0"), bitTrigger = QStringLiteral("0");
    QString tipo;
    int nuovoFile = OgniGiorno;             // -1: none selected
    QString fileOgniOra = QStringLiteral("1");
    QString cartella = QStringLiteral("\\\\");
    // The CSV logger's header and record blocks: the two lists hold
    // `blocchi` entries; -1 is no selection.
    int blocchi = 0;
    int intestazione = -1, formatoRecord = -1;
    // The logger's record fields while they are edited.
    std::array<uint8_t, MaxCampiTask + 1> campiRecord{};
    int numCampiRecord = 0;
    QString regTrend, maxTrend, minTrend, dimX, dimY;
    QString numeroSMS, testoSMS;
};

// The controls after showing task n (1..32).
void MostraTask(const Task& k, int n, const ProfiloScheduler& p, CampiTask& c);
enum class EsitoCampi {
    Memorizzati,
    ValoriErrati,   // a number field does not read or lies outside its field; nothing stored
};
// Stores the controls into task n (1..32); SMS texts go to the task's entry
// of NumeriSMS and TestiSMS. Dates take their lists' years, days and months
// and a clock's hours, minutes and seconds; registers 16 signed bits, bits
// 0..15, counts and the interval one byte; the repeat count what the task's
// byte leaves room for.
EsitoCampi MemorizzaTask(const CampiTask& c, int n, Task& k, const ProfiloScheduler& p);

// The repeat count that FlagTask holds for task n: 0..15.
int RipetizioniTask(uint8_t flag, int n);
// FlagTask of a task moved from number `da` to `a`, its repeat count kept
// (as far as the byte holds it).
uint8_t RinumeraFlagTask(uint8_t flag, int da, int a);
