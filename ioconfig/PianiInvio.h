#pragma once
// What the configuration window's write buttons and check boxes send, as
// data: each handler's requests in order with their pauses and stop rules,
// built from the controls before anything goes out. A field that does not
// fit refuses the whole group, so a device never gets half of one. Pure: no
// transaction here; InvioConfig sends a plan.
#include "ioconfig/ControlliConfig.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

enum class Pausa { Mai, SeRiesce, Sempre };   // 0.1 s after a request

struct PassoInvio {
    enum class Tipo {
        Richiesta,      // pdu: function code on; the unit goes before it
        Registro,       // one register write reporting its own failure: numero, valore
        TipoIngresso,   // the channel's type into configuration memory: unit numero, channel valore
        Memoria,        // pdu: bytes written at memory address numero
    };
    Tipo tipo = Tipo::Richiesta;
    QByteArray pdu;
    int numero = 0;
    int valore = 0;
    bool pausaPrima = false;
    Pausa pausaDopo = Pausa::Mai;
    bool fermaSeFallisce = false;

    PassoInvio Prima() const { PassoInvio p = *this; p.pausaPrima = true; return p; }
    PassoInvio Dopo(Pausa d) const { PassoInvio p = *this; p.pausaDopo = d; return p; }
    PassoInvio Ferma() const { PassoInvio p = *this; p.fermaSeFallisce = true; return p; }
};

// Why a plan sends nothing: each has its own message.
enum class Rifiuto { Nessuno, Valori, NomeCorto, IndirizzoNuovo };

struct PianoInvio {
    QList<PassoInvio> passi;
    Rifiuto rifiuto = Rifiuto::Nessuno;
    // The unit of every request: the one in Indirizzo, or a broadcast's,
    // which expects no reply.
    std::optional<uint8_t> diffusione;
};

constexpr uint8_t UnitaDiffusione = 255;

// Function 6 and 16 requests, from the function code on.
PassoInvio Scrivi6(int registro, int valore);
PassoInvio Scrivi16(int registro, const QByteArray& dati);

// The encodings, each a value or nothing when the input cannot be sent.
// Two characters a register, the first in the low byte: c2 c1 c4 c3.
std::array<uint8_t, 4> ByteNome(const QString& nome);
// Empty text as 0, one or two decimal digits sent as they read in hex
// (23 -> 0x23); anything else nothing.
std::optional<uint8_t> ByteBcd(const QString& testo);
// Types 0..15 of channels 0..7 packed for registers 10 and 11:
// t3t2 t1t0 t7t6 t5t4; a type above 15 would spill into its neighbour.
std::optional<std::array<uint8_t, 4>> ImpacchettaTipi(const std::array<int, 8>& tipi);
// Mode, contrast and brightness as one signed 16-bit word (contrast and mode
// both add 256 each, as the device takes them).
std::optional<uint16_t> ValoreDisplay(bool positivo, int contrasto, int luminosita);
// A whole number in min..max, halves to the even neighbour.
std::optional<int> InIntervallo(double valore, int minimo, int massimo);

// The plan of each handler for model k.
PianoInvio PianoInvia(const ControlliConfig& c, int k, int index, bool tipiInMemoria);
PianoInvio PianoCalIngresso(int k, int index, bool span);
PianoInvio PianoCalUscita(const ControlliConfig& c, int k, int index);
PianoInvio PianoUscita(const ControlliConfig& c, int k, int index);
PianoInvio PianoSet(const ControlliConfig& c, int k, int index);
PianoInvio PianoSync();
PianoInvio PianoSoglia(const ControlliConfig& c, int index);
PianoInvio PianoAbilitazioni(int maschera);
PianoInvio PianoBitUscita(const ControlliConfig& c, int k, int index);
PianoInvio PianoLatch();
PianoInvio PianoEventi(int maschera);

// Bit i set where the box name_i is checked, i = 0..n-1.
int MascheraSpunte(const ControlliConfig& c, const char* nome, int n = 8);
