// The table file (.csv) on any bytes. A table that loads is written and read
// back into the same name, count and points, and writing it again gives the
// same bytes; a refused file leaves the table it was read into as it was,
// points past the count included.
#include "Fallisce.h"

#include "registers/FileTabella.h"

namespace {
using Fuzz::Fallisce;

// What the editor holds before the load: every field set, so a partial
// load shows.
Tabella Prima()
{
    Tabella t;
    t.NomeTabella = QStringLiteral("before");
    t.NPunti = 4;
    for (int k = 0; k < int(t.X.size()); ++k) {
        t.X[size_t(k)] = k + 0.5;
        t.Y[size_t(k)] = -k;
    }
    t.RegistroTab = 77;
    return t;
}

bool Uguali(const Tabella& a, const Tabella& b)
{
    return a.NomeTabella == b.NomeTabella && a.NPunti == b.NPunti && a.X == b.X && a.Y == b.Y
        && a.RegistroTab == b.RegistroTab;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray testo(reinterpret_cast<const char*>(data), qsizetype(size));
    const Tabella prima = Prima();
    Tabella t = prima;
    if (LeggiTestoTabella(testo, t) != EsitoFileTabella::Ok) {
        if (!Uguali(t, prima)) Fallisce("a refused file changed the table");
        return 0;
    }
    if (t.NPunti < MinPunti || t.NPunti > MaxPunti || t.RegistroTab != prima.RegistroTab)
        Fallisce("a loaded table out of its bounds");
    for (size_t k = t.NPunti; k < t.X.size(); ++k)
        if (t.X[k] != prima.X[k] || t.Y[k] != prima.Y[k]) Fallisce("a load wrote past its points");

    const QByteArray scritto = TestoFileTabella(t);
    Tabella ancora = prima;
    if (LeggiTestoTabella(scritto, ancora) != EsitoFileTabella::Ok)
        Fallisce("a saved table does not load:", QString::fromLatin1(scritto));
    // The file keeps 15 digits: the values read back are those the file
    // shows, which write as they were written.
    if (ancora.NomeTabella != t.NomeTabella || ancora.NPunti != t.NPunti)
        Fallisce("name or count changed on reloading:", QString::fromLatin1(scritto));
    if (TestoFileTabella(ancora) != scritto) Fallisce("saved again differently:", QString::fromLatin1(scritto));
    return 0;
}
