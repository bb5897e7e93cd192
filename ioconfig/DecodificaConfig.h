#pragma once
// The full configuration read as data: the requests each model gets, in
// order, and the decoding of each reply into the window's controls. Pure:
// no transaction here, so every model's sequence and decoding is checked
// without a device.
#include "ioconfig/ControlliConfig.h"

#include <QList>
#include <cstdint>

enum class PassoLettura {
    Base,            // 0 13: identity, address, display, watchdog, port 1 / port 0
    Porta0,          // 18 2
    Orologio,        // 22 4
    Flag,            // 9 3
    Digitali,        // 8 2
    TipiQVR8566,     // the input types, by register 1216 or configuration memory
    Analogici4566,   // 26 9
    Canali,          // 9 4, one input type and channel enables
    CanaliTipo,      // 9 4, input type per channel
    Valori,          // 14 16, inputs
    ValoriOffset,    // 14 24, inputs with offsets
    UsciteTipo,      // 13 1
    UsciteValori,    // 14 16, outputs
};

struct RichiestaLettura {
    PassoLettura passo;
    int inizio;      // function 4 start register; 0 0 for the input-type step
    int quanti;
};

// The requests of the full read of model k, in order.
QList<RichiestaLettura> PassiLettura(int k);

// The registers of one reply, by register number.
struct RegistriLetti {
    int inizio = 0;
    QList<uint16_t> valori;
    int Alto(int r) const { return valori.value(r - inizio) >> 8; }
    int Basso(int r) const { return valori.value(r - inizio) & 0xFF; }
    // Signed and unscaled, as the analog values are shown.
    QString Analogico(int r) const { return QString::number(int16_t(valori.value(r - inizio))); }
};

// Decodes one reply of model k into the controls. Empty on success, else a
// short text naming what could not be decoded (the controls set before it
// keep their values).
QString DecodificaPasso(ControlliConfig& c, int k, PassoLettura passo, const RegistriLetti& r);

// A binary-coded-decimal byte as its number; -1 when a nibble is above 9.
int DaBcd(int byte);
