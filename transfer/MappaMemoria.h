#pragma once
// Where the program and the project's tables lie in controller memory, and
// how each table's records are laid out there. The program area, the
// variables and the user strings come from the selected model; the scheduler
// strings and text blocks sit at fixed places; the SMS tables at the two
// bases of display/SMS.h.
#include <QByteArray>
#include <QString>
#include <cstdint>

struct Variabile;

struct MappaMemoria {
    int32_t IndirizzoProgramma = 0;
    int32_t DimensioneProgramma = 0;
    int32_t IndirizzoVariabili = 0;    // the count byte lies just before it
    int32_t IndirizzoStringhe = 0;
    int NumStringhe = 0;               // number of the last user string (0 or 127)
    int NumBlocchi = 0;                // text blocks (0 or 2)

    // The map of Modelli(Controllore.Modello); all zero past the table.
    static MappaMemoria DelModello();
};

constexpr int LunghezzaBloccoMemoria = 32;      // bytes of one program, string or block write
constexpr int LunghezzaRecordVariabile = 16;
constexpr int MaxRecordVariabili = 128;
constexpr int LunghezzaStringaUtente = 32;
constexpr int MaxStringheUtente = 128;
constexpr int32_t BaseStringheScheduler = 0x9E00;
constexpr int32_t PassoStringheScheduler = 0x200;
constexpr int32_t BaseBlocchiTesto = 0xC000;
constexpr int32_t PassoBlocchiTesto = 0x100;
constexpr uint8_t FineTestoSMS = 0x1A;

// A text as the controller stores it: one Latin-1 byte per character
// (characters outside Latin-1 become "?").
QByteArray TestoControllore(const QString& testo);

// The 16-byte record of a variable into `record` (zeroed first). False, with
// the record left zero, when a 16-bit field cannot hold its value.
bool RecordVariabile(const Variabile& v, int32_t indirizzoStringhe, uint8_t* record);

// A fixed text field of n bytes: the first n characters, padded with 0.
void CampoTesto(const QString& testo, uint8_t* campo, int n);

// An SMS message as the controller gets it: the expanded text, then the end mark.
QByteArray TestoSMSControllore(const QString& testo);
