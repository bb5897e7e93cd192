#pragma once
// What the MOLU bench needs of its window: the operator's choices, read at
// the moment they count, and the frames, lamps and relay buttons it sets.
#include "production/controllerbench/Collaudo.h"

#include <QString>
#include <cstdint>

class VistaMOLU {
public:
    virtual ~VistaMOLU() = default;
    virtual int Variante() const = 0;          // the device variant chosen, -1 none
    virtual QString Versione() const = 0;      // the version text
    virtual bool Misura3V() const = 0;         // "3V" range selected
    virtual bool ErroreRS485() const = 0;      // "Error" checked
    virtual void AbilitaHardware(bool si) = 0;
    virtual void AbilitaFirmware(bool si) = 0;
    // Bench input lamp i (0 or 1) filled or hollow.
    virtual void Lampada(int i, bool piena) = 0;
    virtual void EsitoTest(ColoreCollaudo colore) = 0;
    // The relay button shown pressed; -1 none.
    virtual void RelePremuto(int indice) = 0;
};
