#pragma once
// One linearisation table as a small text file (.csv): the name, the point
// count between two blanks, the X values, then the Y values, one a line,
// lines ended by CR LF, reals in the data files' number form.
#include "base/ScritturaFile.h"
#include "registers/Tabelle.h"

#include <QByteArray>
#include <QString>

enum class EsitoFileTabella {
    Ok,
    NonApribile,     // the file cannot be read or written
    Malformato,      // a field is not what its place asks for, or the file ends early
    ConteggioFuori,  // the count is not a whole number from 2 to 32
};

// The file's bytes for points 0 .. NPunti - 1 of `t`. A name that would not
// read back as it is (a comma, a double quote, a line end, a blank at either
// end) is written in double quotes with inner quotes doubled.
QByteArray TestoFileTabella(const Tabella& t);
// Reads the fields of a table file into name, NPunti and points 0 .. N - 1
// of `t`; on any other outcome than Ok, `t` is left as it was.
EsitoFileTabella LeggiTestoTabella(const QByteArray& testo, Tabella& t);

// The same on a file; writing replaces a file of that name, or leaves it as
// it was and tells in `guasto` why not.
EsitoFileTabella ScriviFileTabella(const QString& percorso, const Tabella& t, GuastoScrittura* guasto = nullptr);
EsitoFileTabella LeggiFileTabella(const QString& percorso, Tabella& t);
