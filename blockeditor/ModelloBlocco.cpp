#include "blockeditor/ModelloBlocco.h"

#include "base/Modelli.h"
#include "comm/Dispositivo.h"

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
