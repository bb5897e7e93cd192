#pragma once
// Reports of compiles and transfers, written to the Log window.
#include "compiler/Rapporto.h"

class LogRapporto : public Rapporto {
public:
    void Inizia() override;
    void Scrivi(const QString& riga) override;
    static LogRapporto& Istanza();
};
