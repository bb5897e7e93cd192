#pragma once
// The compiled code image: offset 0 is the controller's program area base
// (address 0x200). Bytes 0-3 are the header (rung entries, 0, task entries,
// 0), then the command table of 10-byte entries, then the code area.
#include "compiler/VoceComando.h"

#include <array>
#include <cstdint>

constexpr int DimensioneImmagineCodice = 65536;
constexpr int IndirizzoBaseCodice = 0x200;
constexpr int InizioTabellaComandi = 4;
constexpr int LunghezzaVoce = 10;

inline std::array<uint8_t, DimensioneImmagineCodice> ImmagineCodice{};
// The length the last compile returned, as the download and the export keep it.
inline int32_t LunghezzaImmagine = 0;

// Offset of entry n, counted from 1.
constexpr int OffsetVoce(int n) { return InizioTabellaComandi + LunghezzaVoce * (n - 1); }

// Entry n (counted from 1) as the image holds it now.
inline VoceComando TabellaComandi(int n)
{
    VoceComando v;
    for (int i = 0; i < LunghezzaVoce; ++i) v.Byte[i] = ImmagineCodice[OffsetVoce(n) + i];
    return v;
}
