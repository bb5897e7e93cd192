#pragma once
// What became of one block encoding.
#include <cstdint>

enum class Esito : uint8_t {
    Memorizzato,     // encoded and marked valid
    RigaErrata,      // a row's text or value does not fit (`riga` names it)
    TriggerErrato,   // trigger register empty, or register or mask outside 16 bits
    SenzaImmagine,   // the block has no picture for the rung list
    FuoriCatalogo,   // no catalogue entry with that index
    RitardoErrato,   // the delay does not fit 16 bits
};

struct EsitoCodifica {
    Esito esito = Esito::Memorizzato;
    int riga = -1;   // the first bad row (0..7) of RigaErrata; -1 when no row is to blame

    bool Memorizzato() const { return esito == Esito::Memorizzato; }
    static EsitoCodifica Ok() { return {}; }
    static EsitoCodifica Riga(int riga) { return {Esito::RigaErrata, riga}; }
    static EsitoCodifica Di(Esito e) { return {e, -1}; }
};
