#pragma once
// The scheduler's task table. The scheduler window edits it, the task
// compiler (CompilatoreTask.h) writes each task's controller image into its
// own record, and the project compile places those images in the code image.
#include "display/ErroreTask.h"

#include <QString>
#include <array>
#include <cstdint>

// Values of Task::TipoTask; the field is a plain byte and may hold others.
enum class TipoDiTask : uint8_t { Logger = 0, Trend = 1, SMS = 2, Email = 3 };

// Bits of Task::Trigger.
enum BitTriggerTask : uint8_t {
    TriggerSalita = 0x02,      // the trigger bit goes from 0 to 1
    TriggerDiscesa = 0x04,     // ... from 1 to 0
    TriggerFlag = 0x08,
    TriggerReset = 0x10,
    TriggerIntervallo = 0x80,  // every Intervallo
};

constexpr int MaxCampiTask = 64;
constexpr int DimensioneCompilato = 101;
// The head every image starts with; LunghezzaCodice counts what follows it.
constexpr int TestaCompilato = 42;

struct Task {
    uint8_t TipoTask = 0;
    std::array<uint8_t, 6> Inizio{};       // year in the century, month, day, hour, minute, second
    std::array<uint8_t, 6> Fine{};
    std::array<uint8_t, 6> Intervallo{};   // years, months, days, hours, minutes, seconds
    std::array<uint8_t, 6> Periodo2{};     // a logger's new-file period, same units
    QString Cartella;
    uint8_t FlagTask = 0;                  // (task number - 1) + 16 x repeat count, a plain sum
    uint8_t Trigger = 0;
    int16_t RegTriggerTask = 0;
    int16_t BitTrigger = 0;
    // Logger: fields in use; Trend: width; SMS: its entry of the SMS tables.
    uint8_t NumCampi = 0;
    // Logger: field codes (or the header and record text blocks on a CSV
    // logger); Trend: Campi[0] is the height.
    std::array<double, MaxCampiTask + 1> Campi{};
    int16_t CodiceTipo = 0;
    int16_t CodiceFunzione = 0;
    int16_t LunghezzaCodice = 0;
    int16_t RegTrend = 0;
    std::array<uint8_t, DimensioneCompilato> Compilato{};
    double MaxTrend = 0;
    double MinTrend = 0;
    QString StringaTask;
    bool Abilita = false;
    int16_t RegAbil = 0;
    int16_t BitAbil = 0;
    // What the last task compile found no room for; travels with the record
    // when tasks are copied or moved, and the project compile reports it.
    ErroreTask Errore = ErroreTask::Nessuno;
    bool operator==(const Task&) const = default;
};

// Tasks 1 to NumTask; element 0 is the swap slot of moves.
constexpr int MaxTask = 32;
inline std::array<Task, MaxTask + 1> Tasks;
inline uint8_t NumTask = 0;
