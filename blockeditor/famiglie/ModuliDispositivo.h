#pragma once
// The maker's I/O modules as the two device blocks offer them: which modules
// each block lists, the resources of each module with the remote register at
// which each starts, and the channel range a block may name. Pure data and
// lookups, shared by the dialog, the rung editor's reopen and the loader.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// Read Device lists the modules it can read, Write Device the output modules.
enum class VersoDispositivo { Lettura, Scrittura };

// One entry of the Device row's list: the model name is NomiModello(nome),
// so the text follows the brand; the module code selects the resources.
struct VoceModulo {
    int nome;
    int codice;
};

// One entry of the Resource row's list; `registro` is its item value, the
// remote register at which the resource starts.
struct RisorsaModulo {
    QString nome;
    int registro;
    bool operator==(const RisorsaModulo&) const = default;
};

// The first and last channel a block may name, and the widest span.
struct LimitiCanali {
    int16_t Da = 0;
    int16_t A = 7;
    int16_t Canali = 8;
    bool operator==(const LimitiCanali&) const = default;
};

struct RisorseModulo {
    QList<RisorsaModulo> risorse;
    // Digital inputs have no channel range: the rows are hidden and hold "0".
    bool canaliVisibili = true;
    LimitiCanali limiti;
};

const QList<VoceModulo>& ModuliDispositivo(VersoDispositivo verso);
// The Device row's entry texts, in list order, from the brand's model names.
QStringList TestiModuli(VersoDispositivo verso);
// The resources, channel rows and limits of module `codice`; a code the
// block does not know offers no resource with the default limits.
RisorseModulo RisorseDi(VersoDispositivo verso, int codice);

// What choosing a module in the Device row sets: the module entry whose text
// equals the row's text (none: -1, counted as module code 0) and what it offers.
struct SceltaModulo {
    int posizione = -1;
    int codice = 0;
    RisorseModulo offerta;
};
SceltaModulo ScegliModulo(VersoDispositivo verso, const QString& testoDispositivo);

// Position of the entry whose text equals `testo`, -1 when none does.
int PosizioneRisorsa(const QList<RisorsaModulo>& risorse, const QString& testo);

// Whether a channel range fits the limits. Besides the last channel and the
// span, a first channel below the module's first or a last channel below the
// first is refused: either would store a count of 0 or 65535 and a register
// below the resource.
bool CanaliAmmessi(double da, double a, const LimitiCanali& limiti);

// Remote register and count of the device read path: the resource's first
// register plus the first channel, and the channel count.
struct RegistroConteggio {
    double registro = 0;
    double conteggio = 0;
    bool operator==(const RegistroConteggio&) const = default;
};
RegistroConteggio RegistroLettura(int base, double da, double a);

// The write path by the Device entry's position: the analog outputs start at
// register 14 when their first resource is chosen (else 0); the digital
// outputs always use register 9 and a count of 1; no module chosen: nothing.
std::optional<RegistroConteggio> RegistroScrittura(int posizioneModulo, int posizioneRisorsa, double da, double a);
