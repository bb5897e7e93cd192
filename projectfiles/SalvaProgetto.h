#pragma once
// Saving the project file set. The set is replaced only when every file of
// it was written; otherwise the old files stay and the user is told which
// file failed and why.
#include "base/ScritturaFile.h"
#include "projectfiles/FileProgetto.h"

#include <QString>
#include <optional>

enum class EsitoSalvataggio { Salvato, Annullato, Fallito };

// The filter of the project file dialogs.
inline const QString FiltroProgetto = QStringLiteral(" (*.prj);;(*.*)");

// The set's base path for a chosen name: the name less a ".prj" suffix.
QString BaseProgetto(const QString& scelto);

// The first of the ten files base + extension that exists, the .prj
// first; empty when none does.
QString FilePresenteDelSet(const QString& base);

// Writes the ten files base + extension, all or none.
std::optional<GuastoScrittura> ScriviFileSet(const QString& base, const ByteSet& byte);

// Saves the current project (the main program and every project table).
// Asks for a name when `saveAs` or when the project has none yet; a name
// whose set already has a file is replaced only when the user says Yes (No
// goes back to the dialog). On success
// NomeProgetto is the base, NomeFile base.prj and ProgettoModificato False;
// on failure or Cancel nothing of these changes.
EsitoSalvataggio SalvaProgetto(bool saveAs);
