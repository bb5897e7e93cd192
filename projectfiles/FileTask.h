#pragma once
// The scheduler's two files of the project set: the tasks (.skd) and the SMS
// numbers and messages (.msg).
#include "projectfiles/LettoreRighe.h"
#include "projectfiles/ProgettoSalvato.h"

#include <QByteArray>

QByteArray ScriviSkd(const ProgettoSalvato& p);
QByteArray ScriviMsg(const ProgettoSalvato& p);
// `versione`: the older layout's version number (lines per record).
void LeggiSkd(LettoreRighe& l, bool conTag, int versione, ProgettoSalvato& p);
void LeggiMsg(LettoreRighe& l, ProgettoSalvato& p);
