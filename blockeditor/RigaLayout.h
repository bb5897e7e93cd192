#pragma once
#include "blockeditor/Argomenti.h"
#include "blockeditor/VoceLista.h"

#include <QList>
#include <QString>
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
