#pragma once
// The code image into the controller's program area and back: 32-byte
// function-20 blocks, written 0.1 s apart from IndirizzoProgramma and read
// back without pause by offset from the area's start. No block ever reaches
// past IndirizzoProgramma + DimensioneProgramma - 1; the last one is shortened.
#include "transfer/RapportoTrasferimento.h"

#include <cstdint>

// Blocks that carry an image of `lunghezza` bytes: Int(L / 32) + 1 (a length
// that is a multiple of 32 sends one block more), as far as the area reaches.
int BlocchiProgramma(int32_t lunghezza, int32_t dimensione);
// Blocks the read-back takes: those of the download, and never fewer than
// 132 while the area holds them.
int BlocchiLettura(int32_t lunghezza, int32_t dimensione);

// True when every block was acknowledged; "Download Failed" and no later
// block otherwise.
bool DownloadProgramma(int32_t& Lunghezza, RapportoTrasferimento& rapporto);
// Reads the area back into ImmagineCodice, enough blocks to cover an image
// of `lunghezza` bytes. False, after "Upload Failed", at the first block
// that does not come back.
bool UploadProgramma(int32_t lunghezza, RapportoTrasferimento& rapporto);

enum class EsitoVerifica { Verificato, Cambiato, LetturaFallita };
// Reads the program back and compares it with the compiled image, which is
// restored afterwards whatever the outcome.
EsitoVerifica VerificaProgramma(int32_t lunghezza, RapportoTrasferimento& rapporto);
