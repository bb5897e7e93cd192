#pragma once
// The catalogue of the function blocks the editor offers, and the palette's
// arrangement of them. A rung stores only the block identity (class, group,
// operation); FunzToOpt brings it back to the catalogue index by which the
// whole editor knows a block.
#include <QList>
#include <QString>
#include <array>
#include <cstdint>

struct DefFunzione {
    int16_t Scheda = 0;   // palette tab 1..10
    int16_t Classe = 0;
    int16_t Gruppo = 0;
    int16_t Op = 0;       // a rung keeps it as one byte
    int16_t Icona = 0;    // picture number in the rung list, 0 = none
};

constexpr int NumBlocchi = 63;          // catalogue indexes 0..62

// Entry `indice` of the catalogue; an index past 0..62 reads as a zero
// entry. The table is fixed, so the listing reads it whether or not the
// block editor was ever opened.
const DefFunzione& CatalogoFunzioni(int indice);

// One catalogue entry as the palette shows it.
struct VoceCatalogo {
    DefFunzione def;
    uint32_t coloreBGR;   // button colour, blue-green-red
    int8_t riga;          // palette cell; -1 = never placed
    int8_t colonna;
    char condizione;      // 0, 'a' (coil blocks: model code "47A7"), 'b' (not Marchio700)
};
const VoceCatalogo& VoceFunzione(int indice);   // indice 0..62

// Catalogue index of a stored identity; 0 when no rule matches.
uint8_t FunzToOpt(int16_t classe, int16_t gruppo, uint8_t op);

// The nine palette tabs, tab number k = position + 1; caption and key agree.
const QStringList& SchedePalette();

// The blocks a tab places, for the given model code and edition flag.
struct CellaPalette {
    int indice;
    int riga;
    int colonna;
};
QList<CellaPalette> BlocchiScheda(const QString& didascalia, const QString& codiceModello, bool marchio700);

// Button geometry inside the palette frame, in twips.
inline int TopPalette(int riga) { return 1500 + 600 * riga; }
inline int LeftPalette(int colonna) { return 100 + 1100 * colonna; }

// 0xRRGGBB from a blue-green-red colour.
inline uint32_t RgbDaBgr(uint32_t bgr)
{
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
