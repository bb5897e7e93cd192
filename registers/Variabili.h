#pragma once
// The project's variables, user strings and text blocks. The project refresh
// fills them with placeholders for the selected controller model.
#include <QString>
#include <array>
#include <cstdint>

struct Variabile {
    int32_t RegistroVar = 0;   // input register, location register or string id
    uint8_t TipoVar = 0;       // index into TipiDato
    QString FormatoVar;        // output format, printf style
    QString EtichettaVar;
    int32_t Registro2 = 0;     // alternate location register or string id
    int32_t RegTrigger = 0;    // register selecting the alternate source
    int16_t Maschera = 0;      // mask of the alternate source; 0 = none
    int16_t Swap = 0;          // 0 or 1
    QString NomeCampo;         // column name in the logger's CSV
};

constexpr int MaxVariabiliTabella = 129;
// Variables in use are 0 .. NumVariabili - 1; the last table entry is the
// spare the removal shifts in.
constexpr int MaxVariabiliUsate = MaxVariabiliTabella - 1;
inline std::array<Variabile, MaxVariabiliTabella> Variabili;
inline uint8_t NumVariabili = 0;

struct VoceTesto {
    QString TestoVoce;
};

inline std::array<VoceTesto, 129> Stringhe;
// The two text blocks (*000 and *001); a block's lines are joined by CR LF.
constexpr int MaxBlocchiTesto = 2;
inline std::array<VoceTesto, MaxBlocchiTesto> Blocchi;

// False when a line of the block is one of the lines the project file marks
// its blocks with ("<TEXT>", "</TEXT>"): the file could not give it back as
// text, and the lines after it would be lost on reopening.
inline bool TestoBloccoSalvabile(const QString& testo)
{
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& riga : t.split(QLatin1Char('\n')))
        if (riga == QLatin1String("<TEXT>") || riga == QLatin1String("</TEXT>")) return false;
    return true;
}
