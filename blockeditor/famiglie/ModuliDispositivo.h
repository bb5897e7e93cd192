#pragma once
// The maker's I/O modules as the two device blocks offer them: which modules
// each block lists, the resources of each module with the remote register at
// which each starts, and the channel range a block may name. Pure data and
// lookups on the rows' data, shared by the dialog, the rung editor's reopen
// and the project loader.
#include "blockeditor/DatiBlocco.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

// Read Device lists the modules it can read, Write Device the output modules.
enum class VersoDispositivo { Lettura, Scrittura };

// The device block of catalogue entry `indice`; none for any other block.
std::optional<VersoDispositivo> VersoDi(int indice);

// One entry of the Device row's list: the model name is NomiModello(nome),
// so the text follows the brand; the module code selects the resources.
struct VoceModulo {
    int nome;
    int codice;
};

// The first and last channel a block may name, and the widest span.
struct LimitiCanali {
    int16_t Da = 0;
    int16_t A = 7;
    int16_t Canali = 8;
    bool operator==(const LimitiCanali&) const = default;
};

// What a module offers: its resources (item value = the remote register at
// which the resource starts), whether it has a channel range (digital inputs
// have none: the rows are hidden and hold "0"), and the limits of that range.
struct RisorseModulo {
    QList<VoceLista> risorse;
    bool canaliVisibili = true;
    LimitiCanali limiti;
};

const QList<VoceModulo>& ModuliDispositivo(VersoDispositivo verso);
// The Device row's entries in list order: brand model name, module code.
QList<VoceLista> VociModuli(VersoDispositivo verso);
// What module `codice` offers; a code the block does not know offers no
// resource, with the default limits.
RisorseModulo RisorseDi(VersoDispositivo verso, int codice);
// The limits that go with a Resource list as the Device row's choice left it:
// those of the module offering exactly these resources, else the defaults.
LimitiCanali LimitiDiRisorse(VersoDispositivo verso, const QList<VoceLista>& risorse);

// Position of the first entry whose text equals `testo`; -1 when none does.
int PosizioneTesto(const QList<VoceLista>& lista, const QString& testo);

// Whether a channel range fits the limits. Besides the last channel and the
// span, a first channel below the module's first or a last channel below the
// first is refused: either would store a count of 0 or 65535 and a register
// below the resource.
bool CanaliAmmessi(double da, double a, const LimitiCanali& limiti);

// Remote register and count of a channel range of a resource starting at `base`.
struct RegistroConteggio {
    double registro = 0;
    double conteggio = 0;
    bool operator==(const RegistroConteggio&) const = default;
};
RegistroConteggio RegistroCanali(double base, double da, double a);

// The write path by the Device entry's position: the analog outputs start at
// register 14 when their first resource is chosen (else 0); the digital
// outputs always use register 9 and a count of 1; no module chosen: nothing.
std::optional<RegistroConteggio> RegistroScrittura(int posizioneModulo, int posizioneRisorsa, double da, double a);

// The Device row's choice (row 0 of a device block; any other row or block
// changes nothing): the entry matching the row's text is chosen (none counts
// as module code 0), the Resource row gets the module's resources with the
// first chosen, and the channel rows are shown, or hidden holding "0".
void SceltaDispositivo(DatiBlocco& dati, int riga);
