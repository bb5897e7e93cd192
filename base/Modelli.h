#pragma once
// The controller and module model table: every other part takes register
// counts, limits and memory addresses from the record Controllore.Modello
// selects, never from constants of its own.
#include <QString>
#include <array>
#include <cstdint>

struct DefModello {
    QString Codice;                 // 4-character device-type code
    QString Nome;
    int16_t NumRegistri = 0;
    int16_t MaxVariabili = 0;
    int16_t NumStringhe = 0;        // 0: the model has no user strings
    int16_t NumBlocchi = 0;
    int16_t NumRegistriLong = 0;
    int16_t PrimoRegistroLong = 0;  // NumRegistri - NumRegistriLong
    int16_t PrimoRegistroUtente = 0;
    int16_t IndirizzoVariabili = 0;
    int16_t IndirizzoProgramma = 0;
    int16_t DimensioneProgramma = 0;
    int16_t IndirizzoSlave = 0;
    int32_t IndirizzoStringhe = 0;
    bool AmmettePuntatori = false;
    bool AmmetteTrigger = false;    // no model offers the trigger frame yet
    bool ArgAggiuntivo = false;
    bool AmmetteAbilitazione = false;   // a task can be enabled by a register bit
    bool LoggerCsv = false;             // the logger writes CSV records from two text blocks
};

constexpr int NumModelli = 41;
inline std::array<DefModello, NumModelli> Modelli;

// Records 0..22 are the models the identification knows; the "4157"
// variant has its own record right after them.
constexpr int UltimoModelloIdentificabile = 22;
constexpr int RecordModello4157 = 23;

// Fills every record; names come from NomiModello as loaded at that moment.
void CaricaModelli();
