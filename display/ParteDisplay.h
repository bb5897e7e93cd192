#pragma once
// The display pages' part of the project compile (display model only): the
// page programs, compiled afresh from the current pages, encoded after the
// main program; the images placed after all code.
#include "compiler/ParteImmagine.h"
#include "display/CompilatorePagine.h"

class ParteDisplay : public ParteImmagine {
public:
    int VociRiservate() override;
    QList<int> ProgrammiRung() override { return programmi_; }
    bool Compila() override;
    int32_t DopoPercorso(int32_t lunghezza) override;

private:
    bool attiva_ = false;
    QList<int> programmi_;
    QList<CompilatorePagine::GuastoPagina> guasti_;
};

// Installs the one instance in the project compile.
void InstallaParteDisplay();
