#include "blockeditor/DatiBlocco.h"

#include "blockeditor/Servizi.h"
#include "comm/Dispositivo.h"
#include "program/Programmi.h"
#include "shell/model/Modelli.h"

bool RigaBlocco::ScegliTipo(int tipo)
{
    sceltaTipo = -1;
    for (int k = 0; k < tipi.size(); ++k)
        if (tipi[k].dato == tipo) sceltaTipo = k;
    return sceltaTipo >= 0;
}

ModelloBlocco ModelloCorrente()
{
    ModelloBlocco m;
    if (Controllore.Modello >= NumModelli) return m;
    const DefModello& d = Modelli[Controllore.Modello];
    m.indice = Controllore.Modello;
    m.Codice = d.Codice;
    m.Nome = d.Nome;
    m.PrimoRegistroUtente = d.PrimoRegistroUtente;
    m.AmmettePuntatori = d.AmmettePuntatori;
    m.AmmetteTrigger = d.AmmetteTrigger;
    m.ArgAggiuntivo = d.ArgAggiuntivo;
    return m;
}

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
