#pragma once
// The block encoder: the rows' data to the rung's bytes, without a window. The
// dialog's OK and the project loader both call CodificaBlocco.
#include "blockeditor/DatiBlocco.h"
#include "blockeditor/EsitoCodifica.h"
#include "blockeditor/LayoutBlocco.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <initializer_list>

struct Rung;

// Reads every row's number: a text starting with "%" from its third
// character on (a lone "%" is a bad row), any other text after "," becomes
// "." (the text itself is rewritten). The editor's reading also refuses a
// shown number row that begins with no number or leaves its 16 bits, and an
// empty register row (see LetturaRighe). Stops at the first bad row.
EsitoCodifica LeggiRighe(DatiBlocco& dati);

// The whole encoding of one block into `rung`: reads the rows (rewriting
// their texts), writes the row values and their visibility into the rung list
// row, the texts, the label, the trigger, the identity and the picture, then
// hands over to the block's family and marks the rung valid. On a failure what
// was written so far stays and Valido keeps its value.
EsitoCodifica CodificaBlocco(DatiBlocco& dati, Rung& rung);

// The family's layout of block `indice` (none: every row hidden), applied to
// rows as the dialog's preamble leaves them: each shown row as ShowArg shows
// it, then the labels, value lists, texts, the delay and the reactions.
// `argomenti` receives the rows' Argomenti entries.
void ApplicaLayout(DatiBlocco& dati, const LayoutBlocco& layout, std::array<DefArgomento, 8>& argomenti);

// Row i's Argomenti entry shown as ShowArg shows it: type list, caption,
// chosen type, value text; a row offering Table starts as a table row with the
// table names in its value list. A row without a caption is hidden (its Set
// button as it was).
void MostraArgomento(RigaBlocco& riga, DefArgomento& arg, const QStringList& tabelle);

// The value text of a number as the rows show it: general form, up to 15
// significant digits, the system's decimal separator, no grouping.
QString TestoDecimale(double v);

// The common preamble of a layout on the rows (every row empty and hidden,
// Argomenti reset, the delay field hidden with its text kept, the trigger of
// a valid rung `rung` brought back), then the family's layout of block
// `indice`, on `rung` (or on a scratch rung when there is none). Returns the
// layout applied.
LayoutBlocco ImpaginaBlocco(DatiBlocco& dati, int indice, Rung* rung, std::array<DefArgomento, 8>& argomenti);

// A new block as the dialog lays it out on rung `rung` with a freshly loaded
// window: catalogue index, name, context and the family's layout.
DatiBlocco DatiIniziali(int indice, Rung& rung, const ContestoBlocco& contesto);

// A stored rung's block as the project loader rebuilds it: its catalogue block
// laid out on the rung, then its label and argument texts put back, row 0 first
// with its list entry and value-list reaction, the delay from slots 4 and 5,
// and Block Move's source type from slot 1; read as a stored project is.
// Ready for CodificaBlocco.
DatiBlocco DatiDaRung(Rung& rung, const ContestoBlocco& contesto);

// Rung list captions in the shared pattern.
// "Name (type)": the row's caption, " (", its type text, ")".
QString DidascaliaConTipo(const RigaBlocco& riga);
// "[ a , b ]".
QString Sommario(const QStringList& testi);
// The rung list row of a family's block: the caption of each row in `righe`
// (with its type for the rows also in `conTipo`), and the summary of those
// rows' value texts in the order given.
void DidascalieRung(const DatiBlocco& dati, Rung& rung, std::initializer_list<int> righe,
                    std::initializer_list<int> conTipo);
// The same in two steps, for blocks whose summary takes other rows.
void NomeArgomentoRung(const DatiBlocco& dati, Rung& rung, int riga, bool conTipo);
void SommarioRung(const DatiBlocco& dati, Rung& rung, std::initializer_list<int> righe);
