#pragma once
// The MAC tool without its window: reads a controller's factory MAC into the
// numbered list, assigns PFC code, year and customer, keeps the list file and
// writes reports. Messages and file dialogs go through the prompt service;
// the window shows RigheElenco() after each operation.
#include "production/mac/FileElencoMAC.h"

#include <QList>
#include <QString>
#include <QStringList>

// The three text boxes of the window.
struct CampiMAC {
    QString pfc;
    QString anno = QStringLiteral("09");
    QString cliente;
};

class RegistroMAC {
public:
    static constexpr int MaxVoci = 65536;
    // The EEPROM's MAC: input registers 14 to 16 of unit 1.
    static constexpr int UnitaMAC = 1;
    static constexpr int RegistroMAC_ = 14;

    QList<VoceMAC> ElencoMAC;
    QString NomeFileElenco;
    bool ElencoModificato = false;
    QString UltimoMAC;

    // FormattaVoce: one line per entry, in list order.
    QStringList RigheElenco() const;

    // "Carica MAC da 25AA02E48": true when an entry was added.
    bool LeggiMAC(const CampiMAC& campi);
    // "Modifica MAC -->" on entry `indice` (-1: no selection); true when assigned.
    bool Assegna(int indice, const CampiMAC& campi);
    // "Load File": true when the list was replaced.
    bool CaricaFile();
    // "Save File": true when the file was written.
    bool SalvaFile();
    // "Crea Report": true when the report was written.
    bool CreaReport(SceltaReport scelta, const CampiMAC& campi);
    // Closing: false when the window must stay open.
    bool PuoChiudere();

private:
    // The numbering: highest number so far + 1.
    int32_t ProssimoNumero() const;
    // The unload question; true when the caller may go on.
    bool OffriSalvataggio();
    bool CampiValidi(const CampiMAC& campi) const;
};
