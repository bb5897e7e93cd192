#pragma once
// The project's linearisation tables. A block names its table by index, so
// a table's position in the list is its identity; tables in use are always
// 0 .. NumTabelle - 1.
#include <QString>
#include <QStringList>
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
constexpr int MinPunti = 2;
constexpr int MaxPunti = 32;
inline std::array<Tabella, MaxTabelle> Tabelle;
inline uint8_t NumTabelle = 0;

// Names of tables 0 .. NumTabelle - 1, in index order.
QStringList NomiTabelle();

// The first table's placement starts from this word. The compiler puts the
// image area (word - 1) x 34 - 1 bytes past the start of the code, so the
// start keeps every word positive and that offset inside the program area
// for any nine tables.
int16_t InizioTabelle(int16_t dimensioneProgramma);

// Recomputes RegistroTab of every table in use, from the selected model's
// program size.
void CalcolaTabelle();
void CalcolaTabelle(int16_t inizio);
