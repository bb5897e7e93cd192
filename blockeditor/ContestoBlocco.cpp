#include "blockeditor/ContestoBlocco.h"

#include "blockeditor/Servizi.h"
#include "program/Programmi.h"

ContestoBlocco ContestoCorrente(int processo)
{
    ContestoBlocco c;
    c.modello = ModelloCorrente();
    if (ServiziEditor::NomiTabelle) c.tabelle = ServiziEditor::NomiTabelle();
    if (ServiziEditor::PuntiTabelle) c.puntiTabelle = ServiziEditor::PuntiTabelle();
    if (processo >= 0 && processo < NumProcessi) {
        const Programma& prog = Programmi[size_t(processo)];
        for (int n = 1; n <= prog.NumRung && n <= MaxRung; ++n)
            if (!prog.Rung[size_t(n)].Etichetta.isEmpty()) c.etichette.append({prog.Rung[size_t(n)].Etichetta, n});
    }
    return c;
}
