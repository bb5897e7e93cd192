#pragma once
// A property that does not hold: says which and stops, so libFuzzer keeps the input.
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace Fuzz {

[[noreturn]] inline void Fallisce(const char* cosa, const QString& dettaglio = QString())
{
    std::fprintf(stderr, "%s %s\n", cosa, qPrintable(dettaglio));
    std::abort();
}

} // namespace Fuzz
