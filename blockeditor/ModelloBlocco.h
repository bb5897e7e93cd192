#pragma once
#include <QString>
#include <cstdint>

// What a block's layout and encoding read of the selected controller model.
struct ModelloBlocco {
    int indice = -1;                  // Controllore.Modello; -1 when it names no record
    QString Codice;
    QString Nome;
    int16_t PrimoRegistroUtente = 0;
    bool AmmettePuntatori = false;
    bool AmmetteTrigger = false;
    bool ArgAggiuntivo = false;
    bool operator==(const ModelloBlocco&) const = default;
};
// The record Controllore.Modello selects (defaults when it is out of range).
ModelloBlocco ModelloCorrente();
