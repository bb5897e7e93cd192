#pragma once
// A block's row layout as data: what a family's layout asks of the eight rows,
// the delay field and the value lists. The dialog shows it; ApplicaLayout gives
// the same rows as data for the loader and the tests.
#include "blockeditor/RigaLayout.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

struct LayoutBlocco {
    std::array<RigaLayout, 8> righe;     // every row's Argomenti entry, shown or not
    QList<int> ordine;                   // rows shown, in order; the last one keeps the focus
    std::optional<QString> ritardo;      // delay text; set means the delay field is shown
    QList<int> reazioni;                 // rows whose value-list reaction runs once all are shown
};
