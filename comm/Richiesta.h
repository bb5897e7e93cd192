#pragma once
// The one way a request PDU is laid out: unit address, function and fields,
// one byte per value, into buff_tx/n_tx; data bytes may follow.
#include <cstdint>
#include <initializer_list>

void ComponiRichiesta(std::initializer_list<int> byte, const uint8_t* dati = nullptr, int n = 0);

// The two bytes of a 16-bit field, high byte first.
constexpr int Alto(int v) { return (v >> 8) & 0xFF; }
constexpr int Basso(int v) { return v & 0xFF; }
