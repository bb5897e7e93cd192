#pragma once
// The display pages' file of the project set (.dsp).
#include "projectfiles/LettoreRighe.h"
#include "projectfiles/ProgettoSalvato.h"

#include <QByteArray>

QByteArray ScriviDsp(const ProgettoSalvato& p);
// `versione`: the older layout's version number (lines per record).
void LeggiDsp(LettoreRighe& l, bool conTag, int versione, ProgettoSalvato& p);
