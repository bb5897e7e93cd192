#pragma once
// A new scheduler task with the defaults of its type, as the scheduler
// window's new-task button creates it.
#include "display/Task.h"

enum class EsitoNuovoTask {
    Creato,        // task NumTask is the new one
    TabellaPiena,  // 32 tasks exist; nothing changed (message TestoTaskPieni)
};

// Fields the defaults do not name keep what the element held.
EsitoNuovoTask NuovoTask(TipoDiTask tipo);
