#pragma once
#include <QString>
// The one placeholder for functions whose subsystem is not in this build yet:
// says so in the Log instead of doing nothing silently.
void NonDisponibile(const QString& funzione);
