#pragma once
// The project and rung operations' reports carried out on the workbench:
// toolbar, caption, the project saver and the project's windows.
#include "program/Agganci.h"

class EventiProgettoFinestre : public EventiProgetto {
public:
    void AbilitaGruppo(const QString& gruppo, bool abilita) override;
    void AbilitaTasto(const QString& chiave, bool abilita) override;
    QString Titolo() override;
    bool SalvaProgetto(bool salvaCome) override;
    void ChiudiFinestreProgetto() override;
    void MostraFinestreProgetto() override;
    bool EditorBloccoAperto() override;
    void EditorBloccoAssente() override;
};

// Installs the one instance as the program editor's events (Main() does).
void InstallaEventiProgettoFinestre();
