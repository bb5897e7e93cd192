#pragma once
// The project file set: ten text files sharing one base name, one value a
// line. Pure conversions between a ProgettoSalvato and the files' bytes; the
// save and the load (SalvaProgetto.h, ApriProgetto.h) do the disk work.
#include "base/Modelli.h"
#include "projectfiles/GuastoLettura.h"
#include "projectfiles/ProgettoSalvato.h"

#include <QByteArray>
#include <array>
#include <optional>

// The version the writer puts first in the .prj; only this text selects the
// tagged layout when reading.
inline const QString VersioneFile = QStringLiteral("1.8");

using ByteSet = std::array<QByteArray, NumFileSet>;
// Each file's content; nullopt for a file the set does not hold.
using ContenutoSet = std::array<std::optional<QByteArray>, NumFileSet>;

// The ten files of `p`; counts of registers, strings and text blocks come
// from model `m`.
ByteSet ScriviSet(const ProgettoSalvato& p, const DefModello& m);
// The first text block the model saves that the .blk cannot hold (see
// TestoBloccoSalvabile); -1 when every one can be written.
int BloccoNonSalvabile(const ProgettoSalvato& p, const DefModello& m);

// A text of the set that its file cannot hold (see CarattereSenzaByte): the
// file and the refusal naming the field and the character.
struct TestoSenzaByte {
    FileSet file;
    QString messaggio;
};
// The first such text, in the order the files are written; nothing when
// every text can be written as it stands.
std::optional<TestoSenzaByte> TestoNonSalvabile(const ProgettoSalvato& p, const DefModello& m);

// The .prj's first line (its version); empty for an empty file.
QString VersioneSet(const QByteArray& prj);
// True when a set of version `versione` comes from a later program.
bool VersionePiuNuova(const QString& versione);

// Reads a whole set into `p` (a fresh value): the tagged layout when the
// version line is exactly VersioneFile, else the older untagged one. On
// damage returns where it was found (the file member holds the extension)
// and `p` is to be thrown away.
std::optional<GuastoLettura> LeggiSet(const ContenutoSet& contenuto, const DefModello& m, ProgettoSalvato& p);
