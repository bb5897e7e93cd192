#pragma once
// The project's linearisation tables. A block names its table by index, so
// a table's position in the list is its identity; tables in use are always
// 0 .. NumTabelle - 1.
#include <QString>
#include <array>
#include <cstdint>

struct Tabella {
    QString NomeTabella;
    uint8_t NPunti = 0;              // 2 to 32 for a stored table
    std::array<double, 33> X{};      // points past NPunti keep old values when a table shrinks
    std::array<double, 33> Y{};
    int16_t RegistroTab = 0;         // placement in 34-byte rung slots from the start of the code
};

constexpr int MaxTabelle = 9;
inline std::array<Tabella, MaxTabelle> Tabelle;
inline uint8_t NumTabelle = 0;
