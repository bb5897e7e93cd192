#pragma once
// Opening and closing the link that Controllore describes. The outcome is
// Controllore.Connesso.
#include <QString>

struct Dispositivo;

void Connetti();
void Disconnetti();

// The controller's record as the open link was made. Settings change the
// channel, address and port for the next connect only; what the link reaches
// until then is this. RicordaCollegamento takes it once a link is open.
void RicordaCollegamento();
const Dispositivo& CollegamentoAperto();

// The serial settings text of the last serial connect ("38400,n,8,1").
QString UltimeImpostazioniSeriali();
// The modem's dial command: "atdt0, " + this number + carriage return.
inline QString NumeroModem = QStringLiteral("0");
