#pragma once
#include "blockeditor/ModelloBlocco.h"
#include "blockeditor/VoceLista.h"

#include <QList>
#include <QStringList>

// What a block sees of the project besides its own rung.
struct ContestoBlocco {
    ModelloBlocco modello;
    QStringList tabelle;              // names of the project's tables, in table order
    QList<int> puntiTabelle;          // points of each of those tables
    QList<VoceLista> etichette;       // labels of the rungs of the process, item data = rung number
    bool operator==(const ContestoBlocco&) const = default;
};
// The context of rung editing in process `processo`: the selected model, the
// project's tables, the labels of the process's rungs 1..NumRung.
ContestoBlocco ContestoCorrente(int processo);
