#pragma once
// The rung operations of the current process. Records first: the rung list
// window draws its rows from the records, so every operation here works with
// or without the window open.
#include <QString>

// Copies rung slot `src` of the current process onto slot `dst`: the block,
// its arguments and everything its row shows. Slot 0 is the clipboard and the
// swap slot of moves.
void CopiaRung(int src, int dst);

void ModificaRung(int r);
void CancellaRung(int r);
void InserisciRung(int k);
void SpostaRungSu(int c);
void SpostaRungGiu(int c);
void CopiaRungClip(int c);
void IncollaRung(int c);
void SalvaRedo(int r);
void RipristinaRedo();

// Appends one rung to the current process whose slot is emptied first, so no
// earlier contents come back with it. False when the process is full (the
// user has been told).
bool AggiungiRungVuoto();

// The current process was emptied: a block editor open on one of its rungs
// has nothing left to store into.
void ProcessoSvuotato();

// What the toolbar keys and the rung pop-up menu run, with their guards.
void ComandoModifica();
void ComandoCancella();          // asks "Delete Function Block ?"
void ComandoInserisciPrima();
void ComandoInserisciDopo();
void ComandoSpostaSu();
void ComandoSpostaGiu();
void ComandoCopia();
void ComandoIncolla();
void ComandoRipristina();
void ComandoBreak();

// The comment as stored: the typed text without its commas.
QString SenzaVirgole(const QString& testo);
// True when rung r is one of the rungs 1..NumRung of the current process.
bool RungInUso(int r);
