#pragma once
// The controller's display pages.
#include <array>
#include <cstdint>

struct Pagina {
    uint8_t NumOggetti = 0;
};

inline std::array<Pagina, 9> Pagine;
inline uint8_t NumPagine = 0;
