#pragma once
// The watched registers: element 0 is their count, elements 1 .. count their
// register numbers in display order (duplicates allowed).
#include <array>
#include <cstdint>

constexpr int MaxWatch = 2048;
inline std::array<int16_t, MaxWatch + 1> WatchList{};
