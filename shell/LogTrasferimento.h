#pragma once
// A transfer's reports without a dialog of its own: lines to the Log, the
// busy pointer over the whole application (the export uses it).
#include "transfer/RapportoTrasferimento.h"

class LogTrasferimento : public RapportoTrasferimento {
public:
    void Inizia() override;
    void Scrivi(const QString& riga) override;
    void Clessidra(bool attiva) override;
    static LogTrasferimento& Istanza();
};
