#pragma once
// Opening and closing the link that Controllore describes. The outcome is
// Controllore.Connesso.
#include <QString>

void Connetti();
void Disconnetti();

// The serial settings text of the last serial connect ("38400,n,8,1").
QString UltimeImpostazioniSeriali();
// The modem's dial command: "atdt0, " + this number + carriage return.
inline QString NumeroModem = QStringLiteral("0");
