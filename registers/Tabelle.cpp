#include "registers/Tabelle.h"

#include "base/Modelli.h"
#include "comm/Dispositivo.h"

#include <algorithm>

QStringList NomiTabelle()
{
    QStringList nomi;
    for (int i = 0; i < std::min<int>(NumTabelle, MaxTabelle); ++i) nomi << Tabelle[size_t(i)].NomeTabella;
    return nomi;
}

int16_t InizioTabelle(int16_t dimensioneProgramma)
{
    return int16_t(dimensioneProgramma / 34);
}

void CalcolaTabelle()
{
    const int m = Controllore.Modello < NumModelli ? Controllore.Modello : 0;
    CalcolaTabelle(InizioTabelle(Modelli[size_t(m)].DimensioneProgramma));
}

void CalcolaTabelle(int16_t inizio)
{
    // Each table takes its 8-point blocks below the one before it.
    for (int i = 0; i < std::min<int>(NumTabelle, MaxTabelle); ++i) {
        Tabella& t = Tabelle[size_t(i)];
        const int blocchi = (t.NPunti - 1) / 8 + 1;
        int base = inizio - 20;
        if (i > 0) {
            const Tabella& prima = Tabelle[size_t(i - 1)];
            base = prima.RegistroTab - prima.NPunti / 8 + 1;
        }
        t.RegistroTab = int16_t(base - blocchi);
    }
}
