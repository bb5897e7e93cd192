#pragma once
// The block editor's rows as plain data. The dialog collects its controls into
// a DatiBlocco and shows one back; the block encoder, the family encoders and
// the project loader work on it alone, without a window.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// One entry of a list: its text and its item data.
struct VoceLista {
    QString testo;
    int dato = 0;
    bool operator==(const VoceLista&) const = default;
};

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

// What a block's layout and encoding read of the selected controller model.
struct ModelloBlocco {
    int indice = -1;                  // Controllore.Modello; -1 when it names no record
    QString Codice;
    QString Nome;
    int16_t PrimoRegistroUtente = 0;
    bool AmmettePuntatori = false;
    bool AmmetteTrigger = false;
    bool ArgAggiuntivo = false;
};
// The record Controllore.Modello selects (defaults when it is out of range).
ModelloBlocco ModelloCorrente();

// What a block sees of the project besides its own rung.
struct ContestoBlocco {
    ModelloBlocco modello;
    QStringList tabelle;              // names of the project's tables, in table order
    QList<int> puntiTabelle;          // points of each of those tables
    QList<VoceLista> etichette;       // labels of the rungs of the process, item data = rung number
};
// The context of rung editing in process `processo` (labels of its rungs 1..NumRung).
ContestoBlocco ContestoCorrente(int processo);

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
