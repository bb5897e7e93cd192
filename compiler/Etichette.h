#pragma once
// Jump and call targets: a flow block names a rung by its label, the code
// carries the index of that rung's entry in the command table.
#include <QList>
#include <QString>

// Numbers, from 1 and in entry order, the rungs of programs `programmi` (in
// that order) that produce an entry; labels are looked up among them only.
void NumeraEtichette(const QList<int>& programmi);

// Number of the last numbered rung labelled exactly `etichetta`; 0 when none
// or the text is empty. "DISPLAY", when no rung carries it, gives the
// number after the last entry of program ProgCorrente.
int CercaEtichetta(const QString& etichetta);

// Writes the targets of rung r of program ProgCorrente into its slots (and
// a "Call Page" block's length); ErroreRung says what could not be resolved.
void RisolviEtichette(int r);
