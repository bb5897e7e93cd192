#pragma once
// Why a task cannot be compiled: the image or the SMS tables have no room
// for it. Each is a language text of the compile report.
#include <cstdint>

enum class ErroreTask : uint8_t {
    Nessuno = 0,
    TroppiCampi = 240,       // the logger's fields do not fit the image
    CartellaLunga = 241,     // directory over 12 characters
    TroppiSMS = 242,         // a ninth SMS task
    MessaggioLungo = 243,    // expanded message over 253 characters
    BitTrigger = 244,        // trigger bit outside 0..15
    CampoNonDefinito = 245,  // a logger field that names no variable
    NonCodificabile = 246,   // length out of range, or no room in the code image
};

// Message when the scheduler already holds its 32 tasks.
constexpr int TestoTaskPieni = 247;
