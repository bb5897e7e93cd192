#pragma once
// The link's reports shown by the workbench: panel 4, the Log, the toolbar
// groups (AggiornaStato), the rung running and the register table.
#include "comm/EventiCollegamento.h"

class EventiFinestre : public EventiCollegamento {
public:
    void EsitoTransazione(const QString& testo) override;
    void Evento(const QString& testo, bool separa) override;
    void StatoCambiato() override;
    void RungInEsecuzione(int pc, int penultimo, int terzultimo) override;
    void ModelloVerificato() override;
};

// Installs the one instance as the link's events (Main() does).
void InstallaEventiFinestre();
