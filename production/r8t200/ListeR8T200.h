#pragma once
// What the R8T200 reading needs of its window: the typed unit address, the
// four lists and the "Update" button.
#include <QString>

class ListeR8T200 {
public:
    virtual ~ListeR8T200() = default;
    virtual QString Indirizzo() const = 0;
    // Line `riga` of list `lista` (0..3) becomes `testo`; a list one line
    // short grows by it.
    virtual void ImpostaRiga(int lista, int riga, const QString& testo) = 0;
    virtual void AbilitaUpdate(bool si) = 0;
};
