#include "display/ParteTask.h"

#include "compiler/Compilatore.h"
#include "display/CompilaScheduler.h"
#include "display/Task.h"
#include "program/StatoProgramma.h"

#include <algorithm>

namespace {
int TaskInUso() { return std::min<int>(NumTask, MaxTask); }
} // namespace

ParteTask& ParteTask::Istanza()
{
    static ParteTask p;
    return p;
}

int ParteTask::VociRiservate()
{
    scritti = 0;
    return TaskInUso();
}

bool ParteTask::Compila()
{
    ProgCorrente = 0;
    for (int t = 1; t <= TaskInUso(); ++t) {
        ErroreRung.clear();
        CompilaScheduler(t);
        if (ErroreRung.isEmpty())
            ++scritti;
        else if (!RegistraErroreTask(t, ErroreRung))
            return false;
    }
    return true;
}
