#pragma once
// Whole ranges of controller memory between the PC and the controller, 32
// bytes a block with function 20, through BufferEeprom (indexed by
// controller address) and the memory-image file. The transfers report to
// the Log through the link's events, show the wait cursor while they run
// and tell their progress to whoever listens; they open no window.
#include <array>
#include <cstdint>
#include <functional>

constexpr int ByteBlocco = 32;
constexpr int BlocchiMemoria = 65536 / ByteBlocco;   // the highest end block

// The PC-side image of controller memory, all zero at start.
inline std::array<uint8_t, 65537> BufferEeprom{};
// Percent of the running download, counted against its end block.
inline int16_t PercentualeDownload = 0;

// The block under way: `fatti` = block - first of `totale` = end - first.
// The memory inspector sets this while it exists; otherwise nothing listens.
inline std::function<void(int fatti, int totale)> AvanzamentoMemoria = [](int, int) {};

// Exactly -1 on success: a caller compares with it.
enum EsitoDownload : int16_t { DownloadRiuscito = -1, DownloadFallito = 0 };

// Writes blocks first .. end - 1 from BufferEeprom. With chiediFile the
// buffer is first filled from a memory-image file chosen in the Open dialog
// (its name left in NomeFile); a cancelled dialog ends at once, and a file
// that cannot be read whole writes nothing. Each block waits 0.01 s before
// it goes and is tried twice.
EsitoDownload DownloadFileHex(int first, int end, bool chiediFile);

// Reads blocks first .. end - 1 into BufferEeprom, then saves them to the
// file chosen in the Save dialog (chiediFile) or already in NomeFile, in the
// byte form (caratteri 0) or as one line of characters (1).
void UploadFileHex(int first, int end, bool chiediFile, int caratteri);

// True while a transfer runs: the buffers are in use and another one is
// refused.
bool TrasferimentoInCorso();

// Percent of end block `end` done after block `b`, halves to the even value.
int16_t Percentuale(int b, int end);

// Clears the EEPROM above its system area: BufferEeprom from address 512 to
// 65,535 becomes 0 and blocks max(first, 16) .. end - 1 are written from it;
// the first 16 blocks are never written.
EsitoDownload ClearEeprom(int first, int end);
