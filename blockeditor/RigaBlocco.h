#pragma once
#include "blockeditor/VoceLista.h"

#include <QList>
#include <QString>

// One argument row (0..7) as the dialog shows it.
struct RigaBlocco {
    bool visibile = false;       // caption and value field shown
    bool tipoVisibile = false;   // type list shown
    bool pulsanteSet = false;    // the row's "Set" button shown
    QString didascalia;          // caption
    QString testo;               // value text
    double valore = 0;           // the number the encoder read from testo
    QList<VoceLista> tipi;       // type list; item data = type code (8 + base for a pointer)
    int sceltaTipo = -1;         // chosen entry of the type list, -1 = none
    QList<VoceLista> lista;      // value list (tables, labels, modules, resources)
    int scelta = -1;             // chosen entry of the value list, -1 = none
    bool nome = false;           // the text names a label or resource, not a number
    bool registro = false;       // the row takes a register (its value is shown with "%R")

    // Type code of the chosen type entry; -1 when none is chosen.
    int Tipo() const { return sceltaTipo >= 0 && sceltaTipo < tipi.size() ? tipi[sceltaTipo].dato : -1; }
    // Text of the chosen type entry; "" when none is chosen.
    QString TestoTipo() const { return sceltaTipo >= 0 && sceltaTipo < tipi.size() ? tipi[sceltaTipo].testo : QString(); }
    // Item data of the chosen value entry; `altrimenti` when none is chosen.
    int DatoScelto(int altrimenti = -1) const { return scelta >= 0 && scelta < lista.size() ? lista[scelta].dato : altrimenti; }
    // Chooses the last type entry whose code is `tipo`; false (nothing chosen) when none has it.
    bool ScegliTipo(int tipo);
    bool operator==(const RigaBlocco&) const = default;
};
