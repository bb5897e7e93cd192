#pragma once
// Fixed byte arrays (argument slots, frames) as QByteArray, so a failed
// comparison prints the bytes and expectations can be written in hex.
#include <array>
#include <cstdint>
#include <QByteArray>

namespace Test {
template <std::size_t N> QByteArray Byte(const std::array<uint8_t, N>& a)
{
    return QByteArray(reinterpret_cast<const char*>(a.data()), int(N));
}
} // namespace Test
