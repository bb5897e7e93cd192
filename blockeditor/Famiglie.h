#pragma once
// The block families: each lays out the rows of its blocks and encodes them
// into the rung, as pure functions of the rows' data. The dialog, the encoder
// frame and the project loader reach a family only through this registry, so
// a family missing from the build leaves its blocks with the common preamble
// and their slots untouched.
#include "blockeditor/Codifica.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/GestoreFamiglia.h"

#include <cstdint>
#include <functional>
#include <optional>

struct Rung;

enum class Famiglia {
    Comunicazione,   // classes 1, 2, 4, 6, 7, 8
    Aritmetica,      // class 3 group 1
    ScalaSposta,     // class 3 groups 2, 3, 6
    Bit,             // class 3 group 133
    Confronto,       // class 3 groups 128, 141
    Flusso,          // class 3 groups 129..132, 138..140, 143
    Timer,           // class 3 groups 134, 137
    Pid,             // class 3 group 142
};

// Which family encodes a stored identity; none for the rest.
std::optional<Famiglia> FamigliaDi(int16_t classe, int16_t gruppo);

void RegistraFamiglia(Famiglia f, GestoreFamiglia g);
const GestoreFamiglia* GestoreDi(Famiglia f);   // nullptr when not built
// The family of catalogue block `indice`; nullptr when it has none.
const GestoreFamiglia* GestoreBlocco(int indice);

// The families built into the program register here (famiglie/Elenco.cpp);
// the registry calls it once, before its first use.
void RegistraFamiglie();
