#pragma once
// The eight argument rows of the block editor: what each block's layout asks
// of a row, and what the row holds while it is edited.
#include <array>
#include <cstdint>
#include <QString>

// Operand type codes: TipiDato indexes; 8 + a base code 0..7 is the pointer
// variant of that base type in an argument row.
enum CodiceTipo : uint8_t {
    TipoUInt = 0, TipoInt = 1, TipoULong = 2, TipoLong = 3, TipoFloat = 4, TipoKFlt = 5, TipoKLong = 6,
    TipoHex = 7, TipoAscii = 8, TipoBin = 9, TipoTable = 10, TipoDirect = 11, TipoSwap = 12
};

struct DefArgomento {
    QString Nome;                            // row caption; "" hides the row
    uint8_t Tipo = 0;
    double Valore = 0;
    bool DaRegistro = false;                 // a register number, pickable in the register window
    std::array<int16_t, 13> TipiAmmessi{};   // offered operand types, by code
    std::array<int16_t, 13> PuntatoriAmmessi{};  // offered pointer variants, by base code 0..7
};

inline std::array<DefArgomento, 8> Argomenti;
