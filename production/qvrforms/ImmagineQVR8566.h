#pragma once
// The QVR8566 / QVR0573 configuration image as pure data: the input-type
// list, the default programs, the image built from the grid's values, the
// blocks it is written and read in, and what a read shows.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

constexpr int RigheQVR8566 = 8;
constexpr int PorteMux = 8;

struct TipoIngressoQVR {
    const char* testo;
    uint8_t codice;
};
// In list order; the image holds the code, not the position.
extern const std::array<TipoIngressoQVR, 20> TipiIngressoQVR8566;

// Image addresses of the fields (bytes 0..42 are written by "Write").
namespace IndirizziQVR8566 {
constexpr int Offset = 0;       // + row
constexpr int OffsetCJC = 8;
constexpr int Celle = 9;
constexpr int Misure = 10;
constexpr int Tipo = 11;        // + row
constexpr int Mux = 19;         // + row
constexpr int Guadagno = 27;    // + row
constexpr int Registro = 35;    // + row
constexpr int K = 43;           // + 3 x row, three bytes
constexpr int Firmware = 256;   // version, then model
constexpr int Lunghezza = 43;
} // namespace IndirizziQVR8566

using ImmagineQVR8566 = std::array<uint8_t, IndirizziQVR8566::Lunghezza>;

// The grid as typed: texts, the code of each row's chosen type (none when
// no item is chosen) and each row's port boxes.
struct GrigliaQVR8566 {
    std::array<QString, RigheQVR8566> offset, guadagno, registro;
    QString offsetCJC, celle, misure;
    std::array<std::optional<int>, RigheQVR8566> tipo;
    std::array<std::array<bool, PorteMux>, RigheQVR8566> porte{};
};

// Bit k set for port k.
uint8_t MascheraPorte(const std::array<bool, PorteMux>& porte);
// Nothing when a field gives no byte: an offset outside whole -128..255, a
// count or register outside 0..255, a row with no type, a gain that is not
// two upper-case hexadecimal digits.
std::optional<ImmagineQVR8566> CostruisciImmagine(const GrigliaQVR8566& g);

// One function-20 block: from buffer/image position `da`, `conteggio` bytes
// to memory address `a` (the program copy adds its base to `a`).
struct BloccoQVR {
    int da;
    int conteggio;
    int a;
};
// "Write": the image in three blocks.
inline constexpr std::array<BloccoQVR, 3> BlocchiScrittura{{{0, 16, 0}, {16, 16, 16}, {32, 11, 32}}};
// "Write Def": cells and measures, types and masks, gains and registers,
// from the controller's program-copy base.
inline constexpr std::array<BloccoQVR, 3> BlocchiCopia{{{9, 2, 32}, {11, 16, 34}, {27, 16, 50}}};
// "Read": six blocks, each filling the fields whose bytes it holds.
inline constexpr std::array<BloccoQVR, 6> BlocchiLettura{
    {{0, 16, 0}, {0, 16, 16}, {0, 16, 32}, {0, 16, 43}, {0, 9, 58}, {0, 2, 256}}};

// A default program: rows not listed keep the cleared grid.
struct ProgrammaQVR8566 {
    const char* indirizzo;     // AddSlave
    const char* celle;
    const char* misure;
    std::array<int, RigheQVR8566> tipi;               // codes, 0 where not set
    std::array<uint8_t, RigheQVR8566> porte;          // masks
    std::array<const char*, RigheQVR8566> guadagni;   // nullptr: cleared value
    std::array<const char*, RigheQVR8566> registri;   // nullptr: cleared value
};
// Index 0..6; nothing for another index (which only clears).
std::optional<ProgrammaQVR8566> ProgrammaDefault(int indice);
// The cleared grid's gain of a row.
QString GuadagnoPulito(int riga);

// The nominal full scale that turns the measured value of a row into K;
// nothing for rows without one.
std::optional<double> FondoScala(int riga, const QString& indirizzo);

// The firmware caption from version and model; nothing for an unknown
// model, which leaves the caption as it was.
std::optional<QString> DidascaliaFirmware(uint8_t versione, uint8_t modello);
