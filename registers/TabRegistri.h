#pragma once
// The register table: one entry per Modbus register address 0..2048.
#include <QString>
#include <array>
#include <cstdint>

struct DefRegistro {
    QString Indirizzo;      // display address: PrefissiRegistro(Categoria) + number
    QString Nome;
    uint8_t Categoria = 0;  // 0 user, 1 reserved/system, 2 system, 3 system or 32-bit area
    uint8_t Tipo = 0;       // index into TipiDato
    int32_t Valore = 0;     // last value read or written
    bool Cambiato = false;  // the last read changed Valore
    // A read or a write has reached the register since the table was built;
    // until then Valore is no value of the controller's.
    bool Noto = false;
};

constexpr int NumVociRegistri = 2049;
constexpr int UltimoRegistro = NumVociRegistri - 1;
inline std::array<DefRegistro, NumVociRegistri> TabRegistri;

// The 16-bit word register n last held; 0 for an address outside the table.
inline uint16_t ParolaRegistro(int n)
{
    return (n >= 0 && n <= UltimoRegistro) ? uint16_t(TabRegistri[size_t(n)].Valore & 0xFFFF) : 0;
}

// A register holding text (ASCII, String (Ram)) as both register views show
// it: the high byte's character first, as texts are stored, then the low
// byte's unless it is the closing 0; a byte with no glyph shows as a blank.
QString TestoAsciiRegistro(uint16_t parola);

// Data-type indexes the table itself assigns (TipiDato).
namespace TipoReg {
constexpr uint8_t UInt = 0, Int = 1, Long = 3, Hex = 7, Ascii = 8, Bin = 9, StringaRam = 13;
}

// Types whose value spans registers n (low word) and n + 1 (high word):
// uLong, Long, Float, K_Long.
inline bool Doppio(uint8_t tipo)
{
    return tipo == 2 || tipo == 3 || tipo == 4 || tipo == 6;
}

// Defines entry n. A user entry (categoria 0) keeps the name it had; value
// and changed flag are never touched. Addresses outside 0..2048 and
// categories above 4 are ignored.
void DefinisciRegistro(int n, const QString& nome, uint8_t tipo, uint8_t categoria);

// Rebuilds the table for the model in Controllore.Modello: reserved area,
// user area (reset to Int only with `azzeraUtente`), the 32-bit area and the
// model family's named system registers. No register of the rebuilt table
// is known yet: the model, and so the controller, may be another.
void CaricaRegistriSistema(bool azzeraUtente);
