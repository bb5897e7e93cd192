#pragma once
// Opening a project file set. The whole set is read into a fresh project
// first; the current project is replaced only when every file was read.
#include "projectfiles/ProgettoSalvato.h"

#include <QString>

enum class EsitoApertura {
    Aperto,
    Annullato,    // no file chosen, or Cancel at the version question
    Rifiutato,    // a file of the set is damaged; the user was told where
    NonSalvato,   // the user kept the old project, or wanted it saved and it was not
};

// True when `percorso` names something that is not a folder.
bool FileEsiste(const QString& percorso);

// Rebuilds every rung of `p` as the block editor encodes it, from its
// identity, label and argument texts. A rung the encoder refuses keeps its
// stored bytes and is left invalid; a rung without a block (class 0) is
// left as read, empty.
void RicostruisciRung(ProgettoSalvato& p);

// Asks for the main file and opens its set; the current project is replaced
// only on Aperto (program 0 holds the rungs, NomeFile is base.prj).
EsitoApertura ApriProgetto();
// The same without the file dialog.
EsitoApertura ApriProgetto(const QString& percorso);
