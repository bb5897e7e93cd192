#include "blockeditor/ContestoBlocco.h"

#include "program/Programmi.h"
#include "registers/Tabelle.h"

ContestoBlocco ContestoCorrente(int processo)
{
    ContestoBlocco c;
    c.modello = ModelloCorrente();
    for (int t = 0; t < NumTabelle && t < MaxTabelle; ++t) {
        c.tabelle << Tabelle[size_t(t)].NomeTabella;
        c.puntiTabelle << Tabelle[size_t(t)].NPunti;
    }
    if (processo >= 0 && processo < NumProcessi) {
        const Programma& prog = Programmi[size_t(processo)];
        for (int n = 1; n <= prog.NumRung && n <= MaxRung; ++n)
            if (!prog.Rung[size_t(n)].Etichetta.isEmpty()) c.etichette.append({prog.Rung[size_t(n)].Etichetta, n});
    }
    return c;
}
