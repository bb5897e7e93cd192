#pragma once
// The block editor's rows as plain data. The dialog collects its controls into
// a DatiBlocco and shows one back; the block encoder, the family encoders and
// the project loader work on it alone, without a window.
#include "blockeditor/ContestoBlocco.h"
#include "blockeditor/RigaBlocco.h"

#include <QString>
#include <array>

// The whole block as the dialog holds it when OK is pressed.
struct DatiBlocco {
    int indice = 0;                   // catalogue index (the chosen palette block)
    QString nomeFunzione;             // its palette caption, shown in the rung list
    std::array<RigaBlocco, 8> righe;
    QString etichetta;                // the rung's label
    bool trigger = false;             // "En" ticked
    QString testoTrigReg;             // trigger register text
    QString testoTrigMask;            // trigger mask text
    QString ritardo;                  // delay text
    bool ritardoVisibile = false;
    ContestoBlocco contesto;
    bool operator==(const DatiBlocco&) const = default;
};
