#pragma once
// Writes the compiled project into one export file (FileEsportazione) at a
// path the user picks in the save dialog. True when the file was written;
// False on a cancelled dialog, a failed compile or a file error, and then the
// chosen path is left as it was. The path never becomes the project's NomeFile.
#include "transfer/RapportoTrasferimento.h"

#include <QByteArray>
#include <QString>

bool EsportaProgetto(RapportoTrasferimento& rapporto);

// The file's bytes for the current project, once the code image is compiled:
// header, code, and the four data sections laid out by their builders
// (which report to `rapporto`).
QByteArray ComponiEsportazione(RapportoTrasferimento& rapporto);

// The path with the brand's extension added when it has none.
QString PercorsoEsportazione(const QString& scelto, bool marchio650);
