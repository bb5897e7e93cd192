#pragma once
// What the memory inspector shows and checks, without its window: the four
// bytes at an address (A the lowest) and one decimal value made of 1, 2 or 4
// of them.
#include "base/Conversioni.h"

#include <QString>
#include <cstdint>
#include <optional>

// The format choices by their index; Float is offered but converts nothing.
enum FormatoValore : int { FormatoByte = 0, FormatoInt = 1, FormatoFloat = 2, FormatoLong = 3 };

// Byte fields the format uses (enabled, written): 1, 2 or 4; Float 0.
int ByteDelFormato(FormatoValore f);

// A byte field as the value sees it: rounded; not a number or outside
// 0..255 counts as 0.
uint8_t ByteDelCampo(const QString& testo);
// The value of bytes A..D (unsigned); nothing for Float.
std::optional<int64_t> ValoreDaByte(const Byte4& abcd, FormatoValore f);
// Bytes A..D of a typed value: the unused ones 0, all four 0 for a text that
// is not a number and for Float.
Byte4 ByteDaValore(const QString& testo, FormatoValore f);

// A whole number min..max written in decimal digits (a sign allowed).
std::optional<int64_t> NumeroIntero(const QString& testo, int64_t min, int64_t max);
// The value range a write accepts for the format.
int64_t MinimoFormato(FormatoValore f);
int64_t MassimoFormato(FormatoValore f);

// Blocks first .. end - 1 covering addresses "da" to "a", both included;
// nothing unless both are whole numbers 0..65,535 with da <= a.
struct Blocchi {
    int first = 0;
    int end = 0;
};
std::optional<Blocchi> BlocchiIntervallo(const QString& da, const QString& a);
