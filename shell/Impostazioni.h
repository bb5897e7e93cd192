#pragma once
// The connection and workspace settings: what the Settings dialog shows,
// checks and stores, and the settings file it leaves behind.
#include "base/ScritturaFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

constexpr const char* NomeFileImpostazioni = "devSettings.dat";

// One entry of the Settings dialog's model list; a separator has no record.
struct VoceModello {
    QString testo;
    int record = -1;   // index into Modelli, -1 for a separator
    bool Separatore() const { return record < 0; }
};
// The model list of this edition, in the order the dialog shows it.
QList<VoceModello> ElencoModelliImpostazioni();

// What the dialog's fields hold when OK is pressed.
struct CampiImpostazioni {
    int modello = 0;            // record index chosen
    bool ethernet = true;
    QString ip, porta, timeoutTCP;
    int com = 0;                // COM number, 1..32
    QString baud;
    bool dueStop = false, modem = false;
    QString nodo;
    int secondi = 0;            // refresh slider
    bool secondiCambiati = false;
    bool aggiornamentoAuto = false;
};

// A whole number in [minimo, massimo] from a field, blanks around allowed;
// nothing when the text is not such a number.
std::optional<int> LeggiIntero(const QString& testo, int minimo, int massimo);

// A host name, or an address of four decimal numbers from 0 to 255 (leading
// zeros allowed): a text of digits and dots is always meant as an address,
// never looked up as a name.
bool IndirizzoIPValido(const QString& testo);

// Checks every field; false (and the state untouched) when one is unusable.
bool CampiValidi(const CampiImpostazioni& c);
// Copies checked fields into the shared state (model excluded: the caller
// resolves it against a connected controller).
void ApplicaImpostazioni(const CampiImpostazioni& c);

// The ten lines of the settings file for the current state, CR LF ended,
// in the single-byte character set.
QByteArray TestoImpostazioni();
// Writes the settings file into the local application-data folder and makes
// that folder the current directory; the file and the reason when it could
// not be written (the file saved before is then left as it was).
std::optional<GuastoScrittura> ScriviFileImpostazioni();
