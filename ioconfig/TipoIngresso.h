#pragma once
// The input type of one analog channel kept in a unit's configuration
// memory (function 20): slot markers at 35..42, type codes at 11..18, signed
// offsets at 0..7. The memory of unit 247 holds the first channel, that of
// unit 246 the second.
#include "ioconfig/ControlliConfig.h"

#include <cstdint>

constexpr int IndirizzoOffsetIngresso = 0;
constexpr int IndirizzoTipoIngresso = 11;
constexpr int IndirizzoMarcatori = 35;
constexpr uint8_t SlotAttivo = 24;
constexpr uint8_t SlotInattivo = 25;
constexpr uint8_t NodoPrimoCanale = 247;
constexpr uint8_t NodoSecondoCanale = 246;

// The slot (0..4) that keeps type `codice` in the memory of unit `nodo`.
int SlotTipoIngresso(uint8_t nodo, int codice);

// Shows the type and offset of the active slot in cmb_InputType(canale) and
// txt_Input_Offset(canale); a later active slot overrides an earlier one. A
// failed transfer ends it silently (the transport has reported it).
void LeggiTipoIngresso(ControlliConfig& c, uint8_t nodo, int canale);
// Marks the slot of the chosen type active, the others inactive, then stores
// the code; offsets are not written. Nothing is sent when no type is chosen.
void ScriviTipoIngresso(ControlliConfig& c, uint8_t nodo, int canale);
