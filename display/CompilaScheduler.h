#pragma once
// The scheduler tasks in the code image: each compiled task becomes one
// code entry after the rungs and page programs, its code the function byte,
// 0 and the task's image. Runs inside the project compile (ParteTask).

// Places task t (1..32) at IndirizzoCodice; an error is left in ErroreRung
// and then nothing is written.
void CompilaScheduler(int t);

// The two controllers that keep a field-name string per task in memory.
bool ModelloConStringheScheduler();
