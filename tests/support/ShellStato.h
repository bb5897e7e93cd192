#pragma once
// The shared state the shell's tests change, taken whole and put back, and
// the part of it the Settings dialog owns as one comparable value.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"

#include <tuple>

namespace Test {

struct StatoShell {
    Dispositivo controllore = Controllore;
    int16_t comTimeout = ComTimeout, tempo = TempoAggiornamento;
    bool auto_ = AggiornamentoAuto, produzione = ModoProduzione, marchio650 = Marchio650;
    uint8_t lingua = Lingua;
    decltype(Modelli) modelli = Modelli;
    decltype(NomiModello) nomi = NomiModello;

    void Ripristina() const
    {
        Controllore = controllore;
        ComTimeout = comTimeout;
        TempoAggiornamento = tempo;
        AggiornamentoAuto = auto_;
        ModoProduzione = produzione;
        Marchio650 = marchio650;
        Lingua = lingua;
        Modelli = modelli;
        NomiModello = nomi;
    }
};

// Puts the state back when the scope ends, also after a failed check.
struct Ripristino : StatoShell {
    ~Ripristino() { Ripristina(); }
};

// Everything but the language, which the dialog switches at once.
inline auto Impostazioni()
{
    const Dispositivo& c = Controllore;
    return std::make_tuple(c.Modello, c.TipoConnessione, c.BaudRate, c.DueStop, c.IndirizzoIP, c.Porta, c.Nodo,
                           c.TimeoutTCP, c.Modem, ComTimeout, TempoAggiornamento, AggiornamentoAuto);
}

} // namespace Test
