#pragma once
// One 10-byte entry of the command table as it lies in the code image. A
// communication entry carries the block's argument bytes; a code entry
// (class 3 rungs and scheduler tasks) points at its code.
#include <array>
#include <cstdint>

struct VoceComando {
    std::array<uint8_t, 10> Byte{};

    uint8_t Classe() const { return Byte[0]; }
    // Code entries only: ordinal among the code entries, counted from 1.
    uint8_t Ordinale() const { return Byte[1]; }
    // Code entries only: where the code lies in the image.
    uint32_t Offset() const
    {
        return uint32_t(Byte[3]) | uint32_t(Byte[4]) << 8 | uint32_t(Byte[5]) << 16 | uint32_t(Byte[6]) << 24;
    }
    // Code entries only: bytes of code (a Linearization block's table included).
    uint8_t Lunghezza() const { return Byte[7]; }
    bool Break() const { return Byte[9] != 0; }
};
