#pragma once
// A part of the project that the compile places in the code image after the
// main program: the display pages (display model) and the scheduler tasks.
// The compile asks every installed part, in place order, for its entries
// before anything is encoded, numbers the rungs of its programs for label
// lookups after the main program's, and lets it encode after the main
// program. A place without a part adds nothing.
#include <QList>
#include <cstdint>

class ParteImmagine {
public:
    virtual ~ParteImmagine() = default;
    // First call of every compile: prepare, then say how many entries this
    // part will write.
    virtual int VociRiservate() = 0;
    // Programs encoded rung by rung (CompilaRungProgramma), in entry order.
    virtual QList<int> ProgrammiRung() { return {}; }
    // Encodes the part after the main program; false abandons the compile.
    virtual bool Compila() = 0;
    // Entries written that are tasks (header byte 2).
    virtual int VociTask() { return 0; }
    // Sees the length that the entry walk gave and returns the image length
    // (room for data placed after the code).
    virtual int32_t DopoPercorso(int32_t lunghezza) { return lunghezza; }
};

enum class PostoParte { Pagine, Task };
void ImpostaParteImmagine(PostoParte posto, ParteImmagine* parte);
