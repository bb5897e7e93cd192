#pragma once
// The flow-control and log blocks, "Timer" and "Trip", and "PID": layouts and
// encoders as functions of the rows' data, registered by RegistraFlussoTempo.
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/LayoutBlocco.h"

#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

struct Rung;

LayoutBlocco ImpaginaFlusso(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaFlusso(const DatiBlocco& dati, Rung& rung);
LayoutBlocco ImpaginaTimerTrip(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaTimerTrip(const DatiBlocco& dati, Rung& rung);
LayoutBlocco ImpaginaPid(int indice, Rung& rung, const ContestoBlocco& contesto);
EsitoCodifica CodificaPid(const DatiBlocco& dati, Rung& rung);

// The bit-test mask of bit `bit`, as the controller reads it from its slot:
// high byte of 2^bit, then its low byte, then two zero bytes. None for a bit
// that is not a whole number from 0 to 15.
std::optional<std::array<uint8_t, 4>> MascheraBit(double bit);

// A 16-bit value low byte first, as slot code 0 writes it (-65536..-1 taken
// plus 65536); none where code 0 would refuse it.
std::optional<std::array<uint8_t, 2>> Parola16(double valore);

// One row of these layouts: caption, type, default value, register pick and
// the offered types, no pointer variants.
RigaLayout RigaSemplice(const QString& nome, uint8_t tipo, double valore, bool daRegistro,
                        std::initializer_list<uint8_t> tipi);

// The low (alto false) or high nibble of a stored type byte.
inline uint8_t Nibble(uint8_t b, bool alto)
{
    return alto ? uint8_t(b >> 4) : uint8_t(b & 0x0F);
}
