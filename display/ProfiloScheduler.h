#pragma once
// What the selected controller model changes in the scheduler window: which
// optional controls it offers and what its logger records.
#include <cstdint>

struct ProfiloScheduler {
    bool abilitazione = false;   // a task can be enabled by a register bit
    bool ripetizione = false;    // the repeat count (the two USB controllers)
    bool csv = false;            // the logger writes CSV records from two text blocks
    bool eventoDataOra = true;   // event type, date and time offered as record fields
    int numBlocchi = 0;          // text blocks the model holds
};

// The profile of Controllore's model.
ProfiloScheduler ProfiloCorrente();

// The property frames a task of type `tipo` shows on a model.
struct RiquadriTask {
    bool file = false, var = false, csv = false, trend = false, sms = false;
    bool abilitazione = false, ripetizione = false;
    bool operator==(const RiquadriTask&) const = default;
};
RiquadriTask Riquadri(uint8_t tipo, const ProfiloScheduler& p);
