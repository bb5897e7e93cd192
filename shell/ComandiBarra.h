#pragma once
// The toolbar's click: the main road of the workbench.
#include <QString>

// Runs the action of the toolbar key. Every click stops a running live loop
// first; run, run to break and animate loop inside the click until stopped.
void Toolbar1_ButtonClick(const QString& chiave);

// Toolbar clicks that arrived during a transaction and have not run yet.
int ClicRinviati();
