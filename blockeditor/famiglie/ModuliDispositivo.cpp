#include "blockeditor/famiglie/ModuliDispositivo.h"

#include "base/Testi.h"
#include "blockeditor/Catalogo.h"

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

constexpr int kRigaDispositivo = 0, kRigaRisorsa = 4, kRigaDa = 5, kRigaA = 6;

VoceLista R(const char* nome, int registro)
{
    return {QString::fromLatin1(nome), registro};
}
} // namespace

std::optional<VersoDispositivo> VersoDi(int indice)
{
    if (indice < 0 || indice >= NumBlocchi) return std::nullopt;
    const DefFunzione& f = VoceFunzione(indice).def;
    if (f.Gruppo != 1) return std::nullopt;
    if (f.Classe == 2 || f.Classe == 4) return VersoDispositivo::Lettura;
    if (f.Classe == 1) return VersoDispositivo::Scrittura;
    return std::nullopt;
}

const QList<VoceModulo>& ModuliDispositivo(VersoDispositivo verso)
{
    return verso == VersoDispositivo::Lettura ? kLettura : kScrittura;
}

QList<VoceLista> VociModuli(VersoDispositivo verso)
{
    QList<VoceLista> voci;
    for (const VoceModulo& m : ModuliDispositivo(verso)) voci.append({NomiModello[size_t(m.nome)], m.codice});
    return voci;
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

LimitiCanali LimitiDiRisorse(VersoDispositivo verso, const QList<VoceLista>& risorse)
{
    for (const VoceModulo& m : ModuliDispositivo(verso)) {
        const RisorseModulo r = RisorseDi(verso, m.codice);
        if (r.risorse == risorse) return r.limiti;
    }
    return {};
}

int PosizioneTesto(const QList<VoceLista>& lista, const QString& testo)
{
    for (int i = 0; i < lista.size(); ++i)
        if (lista[i].testo == testo) return i;
    return -1;
}

bool CanaliAmmessi(double da, double a, const LimitiCanali& limiti)
{
    return da >= limiti.Da && a >= da && a <= limiti.A && a - da <= limiti.Canali;
}

RegistroConteggio RegistroCanali(double base, double da, double a)
{
    return {da + base, a + 1 - da};
}

std::optional<RegistroConteggio> RegistroScrittura(int posizioneModulo, int posizioneRisorsa, double da, double a)
{
    if (posizioneModulo < 0 || posizioneModulo >= kScrittura.size()) return std::nullopt;
    if (posizioneModulo >= kAnalogiciScrittura) return RegistroConteggio{kRegistroUscitaDigitale, 1};
    return RegistroCanali(posizioneRisorsa == 0 ? kBaseUscitaAnalogica : 0, da, a);
}

void SceltaDispositivo(DatiBlocco& dati, int riga)
{
    if (riga != kRigaDispositivo) return;
    const std::optional<VersoDispositivo> verso = VersoDi(dati.indice);
    if (!verso) return;

    RigaBlocco& risorsa = dati.righe[kRigaRisorsa];
    risorsa.lista.clear();
    risorsa.nome = true;
    risorsa.scelta = -1;
    risorsa.testo.clear();

    // A text restored from a stored rung chooses its module again.
    RigaBlocco& dispositivo = dati.righe[kRigaDispositivo];
    dispositivo.scelta = PosizioneTesto(dispositivo.lista, dispositivo.testo);
    const int codice = dispositivo.DatoScelto(0);

    const RisorseModulo offerta = RisorseDi(*verso, codice);
    risorsa.lista = offerta.risorse;
    if (!risorsa.lista.isEmpty()) {
        risorsa.scelta = 0;
        risorsa.testo = risorsa.lista.first().testo;
    }
    for (int i : {kRigaDa, kRigaA}) {
        RigaBlocco& r = dati.righe[size_t(i)];
        r.visibile = offerta.canaliVisibili;
        if (!offerta.canaliVisibili) r.testo = QStringLiteral("0");
    }
}
