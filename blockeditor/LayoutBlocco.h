#pragma once
// A block's row layout as data: what a family's layout asks of the eight rows,
// the delay field and the value lists. The dialog shows it; ApplicaLayout gives
// the same rows as data for the loader and the tests.
#include "blockeditor/Argomenti.h"
#include "blockeditor/DatiBlocco.h"

#include <QList>
#include <optional>

// One argument row of a layout.
struct RigaLayout {
    // Caption ("" hides the row when shown), type, default value, register
    // pick, offered types and pointer variants: Argomenti(i) of the dialog.
    DefArgomento arg;
    bool tipoVisibile = true;            // false: the type list is hidden once the row is shown
    bool etichette = false;              // the value list takes the process's labels, first chosen
    QList<VoceLista> lista;              // value list entries added once the row is shown
    int scelta = 0;                      // entry of `lista` chosen (its text becomes the value text)
    std::optional<QString> testo;        // value text replacing the shown default
    // A row offering Table: the table chosen in place of the first one
    // (-1: none), so a reopened rung keeps the table it names.
    std::optional<int> sceltaTabella;
};

struct LayoutBlocco {
    std::array<RigaLayout, 8> righe;     // every row's Argomenti entry, shown or not
    QList<int> ordine;                   // rows shown, in order; the last one keeps the focus
    std::optional<QString> ritardo;      // delay text; set means the delay field is shown
    QList<int> reazioni;                 // rows whose value-list reaction runs once all are shown
};
