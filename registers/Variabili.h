#pragma once
// The project's variables and user strings. The project refresh fills them
// with placeholders for the selected controller model.
#include <QString>
#include <array>
#include <cstdint>

struct Variabile {
    int32_t RegistroVar = 0;   // register, or string id
    uint8_t TipoVar = 0;       // index into TipiDato
    QString FormatoVar;        // output format, printf style
    QString EtichettaVar;
    QString NomeCampo;         // column name in the logger's CSV
};

constexpr int MaxVariabiliTabella = 129;
inline std::array<Variabile, MaxVariabiliTabella> Variabili;
inline uint8_t NumVariabili = 0;

struct VoceTesto {
    QString TestoVoce;
};

inline std::array<VoceTesto, 129> Stringhe;
