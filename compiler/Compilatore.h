#pragma once
// The project compiler: the main program's rungs (and whatever parts are
// installed, see ParteImmagine.h) into ImmagineCodice, with the report.
#include "compiler/ImmagineCodice.h"

#include <QString>
#include <array>
#include <cstdint>

class Rapporto;

// Errors of the last compile, kept for the callers (the download refuses to
// go on when there is any).
struct VoceErrore {
    int16_t NumeroBlocco = 0;   // rung number within its program, or task number
    QString TestoErrore;
    bool DiTask = false;        // NumeroBlocco is a task number
};
constexpr int MaxErrori = 256;
inline std::array<VoceErrore, MaxErrori> Errori;
inline int16_t NumErrori = 0;

// Compile state, live during a compile; the parts encode through it too.
inline int NumComandi = 0;       // entries written so far
inline int NumInterni = 0;       // ordinal of the last code entry written
inline int NumRiservate = 0;     // entries reserved before encoding
inline int32_t InizioCodice = 0;
inline int32_t IndirizzoCodice = 0;
inline QString ErroreRung;       // error of the rung or task just encoded

// Language texts of the compile's own errors.
enum TestoCompilatore {
    TestoControlloErrori = 44,
    TestoErrore = 45,
    TestoUtilizzoRisorse = 46,
    TestoCompilazione = 49,
    TestoCompilato = 50,
    TestoImpossibile = 51,
    TestoErroreEtichetta = 52,
    TestoNessunBlocco = 211,
    TestoErroreCodifica = 230,
    TestoTabellaAssente = 231,
    TestoTabellaLunga = 232,
    TestoPagineChiamata = 233,
};

// Compiles the project into ImmagineCodice and reports to `rapporto`.
// Returns the image length, or 0 when the project cannot be compiled.
// ProgCorrente is 0 afterwards, whatever the outcome.
int32_t CompilaProgramma(Rapporto& rapporto);
int32_t CompilaProgramma();

// Encodes rung r of program ProgCorrente; an error is left in ErroreRung.
void CompilaRung(int r);
// Encodes every rung of program p (ProgCorrente := p), recording errors by
// rung number; a block of the main program that is not Valido is an error.
// False when the error list overflowed (the compile ends).
bool CompilaRungProgramma(int p);
// Records an error of block `numero`; false on the 257th.
bool RegistraErrore(int numero, const QString& testo);
// The same for scheduler task t.
bool RegistraErroreTask(int t, const QString& testo);

// True for the classes that produce an entry (communication and code).
bool ProduceVoce(int classe);
