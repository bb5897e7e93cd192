#pragma once
// Selection state of the program editor.
#include <cstdint>

inline int16_t NumSub = 0;
inline int16_t ProgCorrente = 0;
inline int16_t RungCorrente = 0;
