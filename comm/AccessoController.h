#pragma once
// The controller-access primitives: command register, debug mode, memory
// function 20, register reads and writes, model identification and the run
// monitor. Each is one (or two) transactions for Controllore.Nodo unless a
// unit is given; a failure leaves the Log's separator and "Error".
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// Holding register 0: the command is the low byte.
constexpr uint8_t ComandoRun = 255;
constexpr uint8_t ComandoRunBreak = 90;
constexpr uint8_t ComandoPausa = 100;
constexpr uint8_t ComandoStop = 252;
// The debug-mode byte in controller memory: 'V' debug, 'U' release.
constexpr int IndirizzoModoDebug = 0x13;
constexpr uint8_t ByteDebug = 0x56;
constexpr uint8_t ByteRelease = 0x55;

// Staging area of every function-20 transfer (offset + count <= 65536).
inline std::array<uint8_t, 65536> BufferTrasferimento{};

// Program-counter history of the run monitor.
inline int16_t UltimoPC = 0;
inline int16_t PenultimoPC = 0;
inline int16_t TerzultimoPC = 0;

bool ComandoPLC(uint8_t comando);
// Exactly -1 selects debug mode; every other value release mode.
bool ImpostaDebug(int16_t debug);
// True when the controller reports debug mode.
bool LeggiStatoPLC();

bool ScriviMemoria(uint8_t nodo, int64_t indirizzo, int64_t offset, int conteggio);
bool LeggiMemoria(uint8_t nodo, int64_t indirizzo, int64_t offset, int conteggio);
bool LeggiMemoriaEstesa(uint8_t nodo, int64_t indirizzo, int64_t offset, int conteggio);

// 0..65535, or nothing after a failure.
std::optional<int> LeggiInput(uint8_t nodo, int registro);
// 0..65535, or 0 after a failure.
double LeggiRegistroInput(uint8_t nodo, int registro);
// valore is rounded (halves to even) and the rounded number stored back.
bool ScriviRegistro(uint8_t nodo, int registro, double& valore);
bool ScriviRegistroLong(double valore, int registro);
bool ScriviRegistroFloat(double valore, int registro);
bool ScriviRegistroStringa(const QString& testo, int registro);

// Selects the model whose code the controller reports; `modello` when it
// does not answer. Always true; *letto tells whether the code was read.
bool LeggiModello(uint8_t modello, bool* letto = nullptr);
void VerificaController();
void MonitorPLC();
// After a connect: the model check, then the debug state for the models that
// have one.
void VerificaDopoConnessione();
