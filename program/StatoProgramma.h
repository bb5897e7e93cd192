#pragma once
// Selection state of the program editor.
#include <cstdint>

inline int16_t NumSub = 0;
inline int16_t ProgCorrente = 0;
inline int16_t RungCorrente = 0;

// Rows built for the current process in the rung list window.
inline int16_t RigheCaricate = 0;
// Row pitch and top of the first visible row, in twips.
inline int16_t AltezzaRiga = 1800;
inline int16_t PrimoTop = 200;
