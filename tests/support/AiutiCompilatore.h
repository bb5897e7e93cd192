#pragma once
// Programs for the compiler tests, built straight in the program model.
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "compiler/Compilatore.h"
#include "compiler/ParteImmagine.h"
#include "compiler/Rapporto.h"
#include "program/Programmi.h"
#include "resources/TabellaStringhe.h"

#include <QStringList>
#include <algorithm>

namespace Aiuti {

// A block; slot k byte j holds 10 k + j + 1, so every copied byte is known.
inline Rung B(int classe, int gruppo = 0, int op = 0, int lunghezza = 34, const QString& etichetta = {},
              const QString& t4 = {}, const QString& t5 = {})
{
    Rung g{.Etichetta = etichetta, .Classe = int16_t(classe), .Op = uint8_t(op), .Gruppo = int16_t(gruppo),
           .Lunghezza = int16_t(lunghezza)};
    g.Valido = true;   // as the block editor leaves it
    g.ArgTesto[4] = t4;
    g.ArgTesto[5] = t5;
    for (int k = 0; k < 9; ++k)
        for (int j = 0; j < 4; ++j) g.ArgByte[k][j] = uint8_t(10 * k + j + 1);
    return g;
}

inline void Carica(int p, const QList<Rung>& rung)
{
    Programmi[p] = Programma{.NumRung = int16_t(rung.size())};
    std::copy(rung.begin(), rung.end(), Programmi[p].Rung.begin() + 1);
}

// Language 0 (Italian) or 1 (English) and the program area, as at start.
inline void Prepara(int lingua = 1, int dimensione = 5634)
{
    for (int k : NumeriTestiInterfaccia()) TestiLingua[k] = TabellaStringhe().value(2000 + 1000 * lingua + k);
    Controllore.Modello = 0;
    Modelli[0].DimensioneProgramma = int16_t(dimensione);
}

struct RapportoFinto : Rapporto {
    QStringList righe;
    void Inizia() override { righe << QStringLiteral("--"); }
    void Scrivi(const QString& riga) override { righe << riga; }
};

// The display pages as the page path adds them: programs compiled after the main program.
struct PagineFinte : ParteImmagine {
    QList<int> programmi;
    int VociRiservate() override
    {
        int n = 0;
        for (int p : programmi) n += Programmi[p].NumRung;
        return n;
    }
    QList<int> ProgrammiRung() override { return programmi; }
    bool Compila() override
    {
        return std::all_of(programmi.begin(), programmi.end(), CompilaRungProgramma);
    }
};

} // namespace Aiuti
