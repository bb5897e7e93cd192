#pragma once
// The task compiler: every task of Tasks into its controller image, in
// place, and each SMS task its own entry of the SMS tables. The scheduler
// window's OK and the project loader call it; it needs no window.
//
// A task with no room in its image or in the tables is left with its
// Errore set (the project compile lists it); nothing is written outside the
// image or the tables. Running it twice gives the same records.
void CompilaOggetti();
