#pragma once
// The page editor's property panel without its window: what the panel shows
// for an object, and what Set stores back from it. The window copies these
// values to and from its controls and nothing more.
#include "display/Pagine.h"

#include <QString>
#include <array>

// Parts of the panel that a kind shows.
enum PartiPannello : unsigned {
    PannelloFormato = 1u << 0,        // kind name and size list
    PannelloTesti = 1u << 1,          // main text
    PannelloAlternativo = 1u << 2,    // alternative text
    PannelloRegistro = 1u << 3,       // register
    PannelloTipoRegistro = 1u << 4,
    PannelloBit = 1u << 5,
    PannelloDimensioni = 1u << 6,     // width and height
    PannelloLimiti = 1u << 7,         // maximum and minimum
    PannelloSpessore = 1u << 8,
    PannelloFigure = 1u << 9,         // [Off] and [On] pictures
};

// The boxes as the user sees them: texts as typed, lists by line (-1 none).
struct PannelloOggetto {
    QString PosX, PosY, DimX, DimY, Spessore, Registro, Bit, Max, Min;
    std::array<QString, 2> Formato;     // main and alternative text
    QString NomeTipo;                   // read only
    int Taglia = -1;                    // "Small", "Medium", "Large"
    int TipoReg = -1;                   // data type line
    bool Negato = false;
    bool Verticale = false;
    std::array<int, 2> Figura{};        // picture numbers [Off], [On]
    bool Alternativo = false;           // the alternative-text switch
    unsigned Vista = 0;                 // PartiPannello flags

    // Characters the two text boxes accept: 22 and 11, or 11 and 11 with the
    // alternative text.
    int LunghezzaTesto(int k) const { return k == 0 && !Alternativo ? 22 : 11; }
    bool operator==(const PannelloOggetto&) const = default;
};

// Fills the panel from object `o`. The boxes a kind does not write (hidden
// texts, the switch for other kinds than Label) keep what they held.
void MostraOggetto(PannelloOggetto& p, const OggettoDisplay& o);

// Boxes that can refuse a value.
enum class CampoPannello { Nessuno, PosX, PosY, DimX, DimY, Registro, Bit, Spessore };

struct EsitoImposta {
    CampoPannello campo = CampoPannello::Nessuno;
    bool fatto() const { return campo == CampoPannello::Nessuno; }
};

// Set: stores the panel into `o` by its kind. Every box the kind stores is
// checked first; on a refusal `o` is left as it was.
EsitoImposta ImpostaOggetto(const PannelloOggetto& p, OggettoDisplay& o);

// The texts Set stores into object `oggetto` of page `pagina` (from 0), as
// the kind's panel shows them: false, after telling the user which one holds
// a character the files and the controller have no byte for.
bool TestiPannelloAccettati(const PannelloOggetto& p, int pagina, int oggetto);

// The message of a refusal: the bit range, or the field that holds a bad value.
QString TestoRifiutoCampo(CampoPannello campo);
