#pragma once
#include <cstdint>

inline uint8_t NumPagine = 0;
