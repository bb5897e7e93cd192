#pragma once
// What made a project file unreadable, and where.
#include <QString>

namespace Guasto {
enum Tipo {
    NonNumero,     // a value that is not a number where one is needed
    FineInRecord,  // the file ends inside a record
    FuoriLimite,   // a value beyond its field, or a count beyond its table
    NonApribile,   // the file exists but cannot be read
    SenzaFineRiga, // a value on a last line without line end: it may be cut
};
}

struct GuastoLettura {
    Guasto::Tipo tipo = Guasto::NonNumero;
    QString file;   // the file's path (set by the set reader)
    int riga = 0;   // 1-based; 0 for the whole file

    // "name.prj, line 12: not a number" in the file messages.
    QString Testo() const;
};
