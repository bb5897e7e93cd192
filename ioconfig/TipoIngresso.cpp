#include "ioconfig/TipoIngresso.h"

#include "comm/AccessoController.h"

#include <QList>

int SlotTipoIngresso(uint8_t nodo, int codice)
{
    struct Voce {
        uint8_t nodo;
        QList<int> codici;
        int slot;
    };
    // Codes not listed keep slot 0.
    static const QList<Voce> kSlot = {
        {NodoPrimoCanale, {17, 18, 19, 20, 21}, 1},
        {NodoPrimoCanale, {22}, 2},
        {NodoPrimoCanale, {7}, 3},
        {NodoPrimoCanale, {8}, 4},
        {NodoSecondoCanale, {8}, 1},
    };
    for (const Voce& v : kSlot)
        if (v.nodo == nodo && v.codici.contains(codice)) return v.slot;
    return 0;
}

void LeggiTipoIngresso(ControlliConfig& c, uint8_t nodo, int canale)
{
    if (!LeggiMemoria(nodo, IndirizzoMarcatori, 0, 8)) return;
    uint8_t marcatori[8];
    std::copy_n(BufferTrasferimento.begin(), 8, marcatori);
    for (int i = 0; i < 8; ++i) {
        if (marcatori[i] != SlotAttivo) continue;
        if (!LeggiMemoria(nodo, IndirizzoTipoIngresso + i, 0, 1)) return;
        c.SelezionaDato(Ctl("cmb_InputType", canale), BufferTrasferimento[0]);
        if (!LeggiMemoria(nodo, IndirizzoOffsetIngresso + i, 0, 1)) return;
        c.ImpostaTesto(Ctl("txt_Input_Offset", canale), QString::number(int8_t(BufferTrasferimento[0])));
    }
}

void ScriviTipoIngresso(ControlliConfig& c, uint8_t nodo, int canale)
{
    const std::optional<int> codice = c.DatoScelto(Ctl("cmb_InputType", canale));
    if (!codice) return;
    const int slot = SlotTipoIngresso(nodo, *codice);
    std::fill_n(BufferTrasferimento.begin(), 8, SlotInattivo);
    BufferTrasferimento[slot] = SlotAttivo;
    if (!ScriviMemoria(nodo, IndirizzoMarcatori, 0, 8)) return;
    BufferTrasferimento[0] = uint8_t(*codice);
    ScriviMemoria(nodo, IndirizzoTipoIngresso + slot, 0, 1);
}
