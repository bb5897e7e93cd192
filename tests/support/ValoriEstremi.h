#pragma once
// The numbers at the edges of what the files hold: the largest and smallest
// doubles, denormals, a negative zero and the 16- and 32-bit limits, with
// the check that a value read back from a file is what was written.
#include <QList>
#include <QTest>
#include <cmath>
#include <limits>
#include <utility>

namespace Test {

// The largest magnitude 15 significant digits write without leaving the
// double range.
inline constexpr double MassimoScritto = 1.79769313486231e308;

inline QList<std::pair<const char*, double>> ValoriEstremi()
{
    using L = std::numeric_limits<double>;
    return {
        {"largest", L::max()},
        {"largest negative", -L::max()},
        {"rounds past the largest", 1.797693134862315e308},
        {"largest written", 1.79769313486231e308},
        {"infinity", L::infinity()},
        {"negative infinity", -L::infinity()},
        {"smallest normal", L::min()},
        {"smallest normal negative", -L::min()},
        {"smallest denormal", L::denorm_min()},
        {"smallest denormal negative", -L::denorm_min()},
        {"denormal", 1.2345e-310},
        {"negative zero", -0.0},
        {"zero", 0.0},
        {"16-bit low", -32768.0},
        {"16-bit high", 32767.0},
        {"16-bit unsigned high", 65535.0},
        {"32-bit low", -2147483648.0},
        {"32-bit high", 2147483647.0},
        {"32-bit unsigned high", 4294967295.0},
        {"53-bit", 9007199254740993.0},
    };
}

// What a value written with 15 significant digits reads back as: within
// the last digit, whole numbers up to 15 digits exactly, and a value beyond
// what the files hold as the largest they hold, with its sign.
inline bool RilettoComeScritto(double scritto, double letto)
{
    if (!std::isfinite(letto)) return false;
    if (std::fabs(scritto) > MassimoScritto) return letto == std::copysign(MassimoScritto, scritto);
    if (scritto == std::trunc(scritto) && std::fabs(scritto) < 1e15) return letto == scritto;
    return std::fabs(letto - scritto) <= std::fabs(scritto) * 5e-15 + std::numeric_limits<double>::denorm_min();
}

} // namespace Test
