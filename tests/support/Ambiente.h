#pragma once
// Shared test set-up: the real start procedure, and a scripted answerer for
// every prompt so no dialog ever blocks a headless run.
#include "support/Copione.h"

namespace Test {

// Runs Main() once per process (later calls only reset the prompt script).
void AvviaWorkbench();

} // namespace Test
