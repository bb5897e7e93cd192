#pragma once
// The scheduler tasks as a part of the project compile: one entry per task,
// placed after the rungs and page programs. Every compile has it (see
// Compilatore.cpp); with no task it adds nothing.
#include "compiler/ParteImmagine.h"

class ParteTask : public ParteImmagine {
public:
    static ParteTask& Istanza();
    int VociRiservate() override;
    bool Compila() override;
    int VociTask() override { return scritti; }

private:
    int scritti = 0;
};
