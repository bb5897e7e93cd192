#include "blockeditor/famiglie/ModuliDispositivo.h"

#include "shell/Lingua.h"

namespace {
const QList<VoceModulo> kLettura = {
    {10, 0}, {11, 1}, {12, 2}, {13, 3}, {14, 4}, {16, 5}, {17, 10},
    {18, 11}, {19, 12}, {20, 20}, {21, 21}, {22, 22}, {23, 23},
};
// Only the output modules can be written; QVR8563-P (name 15) is in neither list.
const QList<VoceModulo> kScrittura = {
    {17, 10}, {18, 11}, {19, 12}, {20, 20}, {21, 21}, {23, 23},
};

constexpr int kAnalogiciScrittura = 3;   // write positions 0..2; 3..5 are digital
constexpr int kBaseUscitaAnalogica = 14;
constexpr int kRegistroUscitaDigitale = 9;

RisorsaModulo R(const char* nome, int registro)
{
    return {QString::fromLatin1(nome), registro};
}
} // namespace

const QList<VoceModulo>& ModuliDispositivo(VersoDispositivo verso)
{
    return verso == VersoDispositivo::Lettura ? kLettura : kScrittura;
}

QStringList TestiModuli(VersoDispositivo verso)
{
    QStringList testi;
    for (const VoceModulo& m : ModuliDispositivo(verso)) testi << NomiModello[size_t(m.nome)];
    return testi;
}

RisorseModulo RisorseDi(VersoDispositivo verso, int codice)
{
    RisorseModulo r;
    if (verso == VersoDispositivo::Lettura) {
        switch (codice) {
        case 0: case 1: case 3: case 5:
            r.risorse = {R("Analog In", 14), R("Sync Inputs", 22)};
            break;
        case 2: case 4:
            r.risorse = {R("Analog In", 14), R("Sync Inputs", 22), R("CJC Value", 13)};
            break;
        case 10: case 11: case 12:
            r.risorse = {R("Analog Out", 14)};
            break;
        case 20: case 21: case 23:
            r.risorse = {R("Digital In", 8)};
            r.canaliVisibili = false;
            break;
        case 22:
            r.risorse = {R("Digital In", 10)};
            r.canaliVisibili = false;
            r.limiti = {0, 15, 16};
            break;
        default:
            break;
        }
    } else {
        switch (codice) {
        case 10: case 11: case 12: r.risorse = {R("Analog Out", 14)}; break;
        case 20: case 21: case 23: r.risorse = {R("Digital Out", 14)}; break;
        default: break;
        }
    }
    return r;
}

SceltaModulo ScegliModulo(VersoDispositivo verso, const QString& testoDispositivo)
{
    SceltaModulo s;
    const QList<VoceModulo>& moduli = ModuliDispositivo(verso);
    for (int i = 0; i < moduli.size(); ++i)
        if (NomiModello[size_t(moduli[i].nome)] == testoDispositivo) {
            s.posizione = i;
            s.codice = moduli[i].codice;
            break;
        }
    s.offerta = RisorseDi(verso, s.codice);
    return s;
}

int PosizioneRisorsa(const QList<RisorsaModulo>& risorse, const QString& testo)
{
    for (int i = 0; i < risorse.size(); ++i)
        if (risorse[i].nome == testo) return i;
    return -1;
}

bool CanaliAmmessi(double da, double a, const LimitiCanali& limiti)
{
    return da >= limiti.Da && a >= da && a <= limiti.A && a - da <= limiti.Canali;
}

RegistroConteggio RegistroLettura(int base, double da, double a)
{
    return {da + base, a + 1 - da};
}

std::optional<RegistroConteggio> RegistroScrittura(int posizioneModulo, int posizioneRisorsa, double da, double a)
{
    if (posizioneModulo < 0 || posizioneModulo >= kScrittura.size()) return std::nullopt;
    if (posizioneModulo >= kAnalogiciScrittura) return RegistroConteggio{kRegistroUscitaDigitale, 1};
    return RegistroLettura(posizioneRisorsa == 0 ? kBaseUscitaAnalogica : 0, da, a);
}
