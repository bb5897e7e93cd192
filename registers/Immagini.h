#pragma once
// The monochrome display images: packed eight vertical pixels to a byte, in
// bands of eight rows from the top, one byte a column. They live for the run
// and are not saved with the project.
#include <QString>
#include <array>
#include <cstdint>

constexpr int MaxImmagini = 9;
// A picture the size of the display, 132 x 32 pixels, packs into 528 bytes.
constexpr int MaxByteImmagine = 529;

struct ImmagineDisplay {
    QString FileImmagine;       // the bitmap file it was made from
    QString NomeImmagine;
    uint8_t Larghezza = 0;      // pixels
    uint8_t Altezza = 0;
    std::array<uint8_t, MaxByteImmagine> Pixel{};
    int16_t NumByte = 0;        // bytes of Pixel in use
    int16_t IndirizzoImmagine = 0;  // controller address of the first byte, set by the compile
};

inline std::array<ImmagineDisplay, MaxImmagini> Immagini;
inline uint8_t NumImmagini = 0;
