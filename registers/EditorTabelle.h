#pragma once
// The table editor's logic: the fields it shows (list, name, count, the 33
// point rows and the scroll bar), the table its check last accepted, and
// what Insert, OK, Load and Save do with them. The window only shows this
// state and hands the user's edits to it.
#include "registers/Tabelle.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What the point list shows for scroll position `posizione` and `punti`
// points: eight consecutive rows at most, never past the last point.
struct VistaPunti {
    int posizione = 0;   // the scroll position after the step
    int prima = 0;       // first row shown
    int quante = 0;      // rows shown
    bool operator==(const VistaPunti&) const = default;
};
VistaPunti PassoScorrimento(int posizione, int punti);

// A point or count field as the user's locale writes numbers; nothing when
// the text is not one number within +-MassimoFile (beyond it the table file
// could not hold it). TestoCampo shows a value as that check takes it back.
std::optional<double> NumeroCampo(const QString& testo);
QString TestoCampo(double valore);

class EditorTabelle {
public:
    static constexpr int NumRighe = 33;
    static constexpr int RigheVisibili = 8;
    // On opening, the table to select (-1 or out of range: none); on OK, the
    // one selected. It outlives the window, from one opening to the next.
    static int TabellaCorrente;

    // The fields.
    QStringList Lista;          // names of the tables, in index order
    int Selezione = -1;         // selected list entry, -1 none
    QString Nome;
    QString Conteggio;
    std::array<QString, NumRighe> TestoX, TestoY;
    int Posizione = 0;          // scroll bar
    int Massimo = 0;
    bool ScorrimentoAttivo = false;
    VistaPunti Vista;           // rows in sight

    // The table the check last accepted (its placement is not used).
    Tabella TabellaModifica;

    // The window's load: list, rows, count 8, then entry TabellaCorrente.
    void Carica();
    void ListaClick(int indice);
    // The count field changed (typed or set).
    void CambioConteggio();
    void Scorri(int posizione);
    // Checks the fields and, when they hold a table, fills TabellaModifica.
    bool ControllaTabella();
    // ">>": the checked table replaces the table of the same name (the
    // selected one when it bears it), or is appended; false when nothing was
    // stored. Another table than the one being edited is replaced only when
    // the user answers Yes.
    bool Inserisci();
    // OK: true when the window may close; on false it stays open, its
    // message shown.
    bool Ok();
    void Annulla();
    void CaricaDaFile();
    void SalvaSuFile();

private:
    // The table named `nome`, the one being edited first; -1 when there is
    // none.
    int TabellaDelNome(const QString& nome) const;

    // The table the last ">>" stored these fields into: with the list's
    // selection, the one being edited (a table appended while nothing was
    // selected stays the selection-less edit's own).
    int m_inserita = -1;
};
