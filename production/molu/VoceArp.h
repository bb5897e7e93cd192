#pragma once
// Drops a device's address from this machine's neighbour (ARP) cache with
// the system's `ip neigh flush to <address>`, run as a program (never
// through a shell) and waited for within a bound. Linux has no unprivileged
// way to do it, so a refusal is an expected outcome and comes back as text.
#include <QString>

struct EsitoVoceArp {
    bool riuscito = false;
    QString errore;   // the program's error output, or why it did not run
};

EsitoVoceArp CancellaVoceArp(const QString& indirizzo, int attesaMs = 5000);
