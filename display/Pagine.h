#pragma once
// The controller's display pages: up to nine pages of up to 32 objects on
// the 132 x 32 pixel display. Page p runs on the controller as program p + 1.
#include <QString>
#include <array>
#include <cstdint>

constexpr int MaxPagine = 9;
constexpr int MaxOggetti = 32;

// Object kinds. Each text family and the Led come large, small, medium, in
// that order of codes.
enum TipoOggetto : uint8_t {
    EtichettaGrande = 0, EtichettaPiccola = 1, EtichettaMedia = 2,
    NumeroGrande = 3, NumeroPiccolo = 4, NumeroMedio = 5,
    Immagine = 6,
    DataGrande = 7, DataPiccola = 8, DataMedia = 9,
    OraGrande = 10, OraPiccola = 11, OraMedia = 12,
    Led32 = 13, Led8 = 14, Led16 = 15,
    BarraProgresso = 16,
    Rettangolo = 17,
    Grafico = 18,
};

struct OggettoDisplay {
    uint8_t TipoOgg = 0;
    uint8_t Interno = 0;        // carried by copies; never saved or compiled
    uint8_t PosX = 0;
    uint8_t PosY = 0;
    uint8_t DimX = 0;
    uint8_t DimY = 0;
    uint8_t Spessore = 0;
    QString FormatoOgg;         // text, number format, date or time format
    QString Testo2;             // a Label's text while the bit is 1
    int16_t RegOgg = 0;
    uint8_t TipoReg = 0;        // 0 uInt, 1 Int, 2 uLong, 3 Long, 4 Float
    int16_t BitOgg = 0;         // 0..15
    double MaxOgg = 0;          // the maximum comes before the minimum everywhere
    double MinOgg = 0;
    uint8_t IdPicture = 0;      // shown while the bit is 1
    uint8_t IdPicture2 = 0;     // shown while the bit is 0
    bool Negato = false;
    bool Opzione2 = false;
    bool Opzione3 = false;
    bool Direzione = false;     // true = vertical

    bool operator==(const OggettoDisplay&) const = default;
};

struct Pagina {
    uint8_t NumOggetti = 0;
    // Objects in slots 1..NumOggetti, in drawing order; slot 0 is the
    // exchange slot of reordering.
    std::array<OggettoDisplay, MaxOggetti + 1> Oggetti;

    bool operator==(const Pagina&) const = default;
};

inline std::array<Pagina, MaxPagine> Pagine;
inline uint8_t NumPagine = 0;

// The page editor's selection; the page compiler reads ImmagineCorrente,
// which nothing sets (image entry 0).
inline uint8_t PaginaCorrente = 0;
inline uint8_t OggettoCorrente = 0;
inline uint8_t ImmagineCorrente = 0;

// Language texts of the pages' refusals and compile errors.
enum TestoPagine {
    TestoSubSuPagina = 260,
    TestoPaginaSuSub = 261,
    TestoTroppiOggetti = 262,
    TestoTroppePagine = 263,
    TestoBitFuoriIntervallo = 264,
    TestoPaginaOccupata = 265,
    TestoValoreNonValido = 266,     // %1: the box's caption
};

// The selected model is the one with the display (its name is model name 8).
bool ModelloDisplay();
