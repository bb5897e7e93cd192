#pragma once
// The configuration window knows a model only as the index k of the brand's
// model name shown in its model combo: every operation branches on k and on
// the groups below, never on what the device reports.
#include <QList>
#include <QString>
#include <cstdint>

constexpr int NessunModello = -1;
constexpr int ModelloGateway = 24;   // never offered by the window
constexpr int ModelloMarchio700 = 3;

// k of the NomiModello entry equal to the text (exact, case-sensitive), or
// NessunModello.
int ModelloConfig(const QString& testo);
// The k offered by the model combo, in the order they are listed.
QList<int> ModelliOfferti(bool marchio700);

// Groups of models the reads, writes and the layout branch on.
enum GruppoConfig : uint32_t {
    GrControllori = 1u << 0,
    GrDuePorte = 1u << 1,       // port 1 in register 5, port 0 in register 18
    GrUnaPorta = 1u << 2,       // port 0 baud rate in register 5
    GrOrologio = 1u << 3,       // clock read from registers 22..25
    GrFlagSistema = 1u << 4,    // events in reg 10, power-up/safe bits in reg 11, watchdog in reg 12
    GrDigitali = 1u << 5,       // digital inputs and outputs in registers 8, 9
    GrFamiglia4566 = 1u << 6,
    GrAbilitaCanali = 1u << 7,  // one input type, channel enables in reg 11
    GrTipoPerCanale = 1u << 8,  // input type per channel in nibbles of regs 10, 11
    GrUsciteAnalogiche = 1u << 9,
    GrWatchdog8 = 1u << 10,     // watchdog in register 8
    GrDisplay = 1u << 11,
    GrQVR8566 = 1u << 12,
    GrUsciteRegistro9 = 1u << 13,   // digital outputs written as one mask in reg 9; the others by coil
};

bool InGruppo(int k, uint32_t gruppo);

// The k of the models the read names one by one.
constexpr int ModelloQVR4005 = 8;
constexpr int ModelloQVR8566 = 9;
constexpr int ModelloQVR8569 = 10;
constexpr int ModelloQVR0573 = 25;
