#pragma once
// The configuration window's layout for a model and a tab, and its fixed
// lists, done on the window's controls through ControlliConfig.
#include "ioconfig/ControlliConfig.h"

// Tabs, 1..7 as the tab strip numbers them.
enum SchedaConfig { SchedaSistema = 1, SchedaComm, SchedaAnalogIn, SchedaAnalogOut, SchedaDigitalIn, SchedaDigitalOut, SchedaTrip };
constexpr int NumSchede = 7;
// Tab captions, by tab 1..7 at positions 0..6.
extern const char* const kCaptionSchede[NumSchede];

// Steps 2 to 4 of the layout: hides the sections, sets the calibration frame
// and lays out tab `scheda` for model k (NessunModello for no model).
void MostraSezione(ControlliConfig& c, int k, int scheda, bool produzione);

// Adds `testo` at list position `pos` of cmb_InputType(canale) with the code.
void AggiungiTipoIngresso(ControlliConfig& c, int canale, const QString& testo, int codice, int pos);

// Rebuilds the clock, baud (port 1), parity and stop lists: cleared, filled,
// clock lists on their first entry, port lists without selection.
void RiempiListeFisse(ControlliConfig& c);
