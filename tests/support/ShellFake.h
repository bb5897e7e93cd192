#pragma once
// The model a fake controller reports, as the identification read gives it.
#include "base/Modelli.h"
#include "support/FakeController.h"

#include <QByteArray>

namespace Test {

// One code digit a byte: "4599" is 0x0405 0x0909 in input registers 1-2.
inline void CodiceNelFake(FakeController& f, const QByteArray& codice)
{
    auto cifra = [&](int i) { return uint16_t(QByteArray(1, codice[i]).toUShort(nullptr, 16)); };
    f.Input[1] = uint16_t(cifra(0) << 8 | cifra(1));
    f.Input[2] = uint16_t(cifra(2) << 8 | cifra(3));
}

inline int IndiceModello(const QByteArray& codice)
{
    for (int i = 0; i < NumModelli; ++i)
        if (Modelli[i].Codice == QLatin1String(codice)) return i;
    return -1;
}

} // namespace Test
