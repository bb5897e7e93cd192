#pragma once
// Process-wide state of the application shell. Everything lives for the
// whole run; Main() gives the start values.
#include <QString>
#include <cstdint>

// Edition flags: fixed at build time, set once by Main().
inline bool ModoProduzione = false;
inline bool Marchio600 = false;
inline bool Marchio650 = false;
inline bool Marchio700 = false;
inline bool Marchio750 = false;
inline int16_t OffsetMarchio = 0;

inline QString Versione;
inline QString Revisione;
inline int16_t CodiceVersione = 0;

inline bool ProgettoModificato = false;
inline bool DialogoAperto = false;
inline QString TestoInput;
inline bool SceltaAperta = false;
inline uint8_t Lingua = 0;          // 0 Italian, 1 English
inline QString NomeProgetto;
inline QString NomeFile;
inline bool AggiornamentoAuto = false;
inline int16_t TempoAggiornamento = 0;   // milliseconds between animate steps

// The edition as this binary was built.
struct Edizione {
    bool produzione, m600, m650, m700, m750;
};
Edizione EdizioneCompilata();

// Brand offset from the four brand flags: the last set flag in the order
// 600, 650, 700, 750 wins; none set gives 0.
int16_t CalcolaOffsetMarchio(bool m600, bool m650, bool m700, bool m750);

// Window sizes in the tables are twips; the screen works in pixels.
inline int Twips(int twips) { return twips / 15; }
