#include "ioconfig/ModelliConfig.h"

#include "base/Testi.h"

#include <array>

namespace {
constexpr uint32_t C = GrControllori | GrDuePorte | GrFlagSistema;
constexpr uint32_t AI = GrUnaPorta | GrWatchdog8;
// By k, 0..25.
constexpr uint32_t IO = GrDigitali | GrUsciteRegistro9;
constexpr std::array<uint32_t, 26> kGruppi = {
    C,                                                      // 0 QVR4555
    C | IO,                                                 // 1 QVR4555-IO
    C | GrOrologio,                                         // 2 QVR4555-DL
    C | GrOrologio | IO,                                    // 3 QVR4555-DL-IO
    C | GrOrologio | IO,                                    // 4 QVR4555-USB
    C | IO | GrFamiglia4566,                                // 5 QVR4566
    C | GrOrologio | IO | GrFamiglia4566,                   // 6 QVR4566-DL
    C | GrOrologio | IO | GrFamiglia4566,                   // 7 QVR4566-USB
    C | GrOrologio | GrDisplay,                             // 8 QVR4005
    GrDuePorte | GrFlagSistema | IO | GrQVR8566,            // 9 QVR8566
    AI | GrAbilitaCanali,                                   // 10 QVR8569
    AI | GrAbilitaCanali,                                   // 11 QVR8560
    AI | GrAbilitaCanali,                                   // 12 QVR8561
    AI | GrAbilitaCanali,                                   // 13 QVR8562
    AI | GrAbilitaCanali,                                   // 14 QVR8563
    AI | GrTipoPerCanale,                                   // 15 QVR8563-P
    AI | GrTipoPerCanale,                                   // 16 QVR8564
    AI | GrUsciteAnalogiche,                                // 17 QVR8577
    AI | GrUsciteAnalogiche,                                // 18 QVR8579
    AI | GrUsciteAnalogiche,                                // 19 QVR8573
    GrUnaPorta | GrFlagSistema | GrDigitali,                // 20 QVR8685
    GrUnaPorta,                                             // 21 QVR8695
    GrUnaPorta,                                             // 22 QVR8693
    GrUnaPorta,                                             // 23 QVR8633
    0,                                                      // 24 gateway, never offered
    0,                                                      // 25 QVR0573
};
} // namespace

int ModelloConfig(const QString& testo)
{
    for (int k = 0; k < int(NomiModello.size()); ++k)
        if (NomiModello[k] == testo) return k;
    return NessunModello;
}

QList<int> ModelliOfferti(bool marchio700)
{
    if (marchio700) return {ModelloMarchio700};
    QList<int> k;
    for (int i = 0; i < int(NomiModello.size()); ++i)
        if (i != ModelloGateway) k << i;
    return k;
}

bool InGruppo(int k, uint32_t gruppo)
{
    return k >= 0 && k < int(kGruppi.size()) && (kGruppi[k] & gruppo) != 0;
}
