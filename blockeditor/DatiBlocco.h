#pragma once
// The block editor's rows as plain data. The dialog collects its controls into
// a DatiBlocco and shows one back; the block encoder, the family encoders and
// the project loader work on it alone, without a window.
#include "blockeditor/ContestoBlocco.h"
#include "blockeditor/RigaBlocco.h"

#include <QString>
#include <array>
#include <cstdint>

// How the encoder reads the number fields. The editor's OK refuses, before
// anything is written, a field that would show one number while the rung
// holds another (a text that begins with no number, a register or 16-bit
// value past its 16 bits) and a register row left empty, which would name
// register 0. A stored project is read back as earlier versions and other
// installations wrote it: the number a text begins with, 0 when none (an
// empty row too). A value past the 16 bits of its slot is refused by both, so
// such a stored rung opens invalid. Whatever the editor takes, the project
// reading takes with the same bytes.
enum class LetturaRighe : uint8_t { Editor, Progetto };

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
    LetturaRighe lettura = LetturaRighe::Editor;
    bool operator==(const DatiBlocco&) const = default;
};
