#include "base/Modelli.h"

#include "base/Testi.h"

#include <iterator>

namespace {

// What sets one model apart from the base controller. `k` is the position
// in NomiModello the name follows; -1 means a fixed name.
struct Variante {
    int record;
    const char* codice;
    int k;
    int16_t registri, variabili, stringhe, blocchi, primoUtente;
    bool puntatori, argAggiuntivo;
};

const Variante kVarianti[] = {
    {0, "4595", 0, 1024, 32, 0, 0, 26, false, false},
    {1, "4596", 1, 1024, 32, 0, 0, 26, false, false},
    {2, "4597", 2, 1024, 32, 0, 0, 26, false, false},
    {3, "4598", 3, 1024, 32, 0, 0, 26, false, false},
    {4, "4588", 3, 1024, 32, 0, 0, 26, false, false},
    {5, "48B7", 4, 1280, 96, 127, 0, 26, false, false},
    {6, "4599", 5, 1024, 32, 0, 0, 34, false, false},
    {7, "4590", 6, 1024, 32, 0, 0, 34, false, false},
    {8, "47A9", 7, 1280, 96, 0, 0, 34, false, false},
    {9, "4005", 8, 1024, 32, 0, 0, 26, false, false},
    {10, "6885", 9, 1280, 96, 0, 0, 26, false, false},
    {11, "7875", 25, 1280, 96, 0, 0, 26, false, false},
    {12, "8035", -1, 1280, 96, 0, 0, 26, false, false},
    {13, "6875", 9, 1280, 96, 0, 0, 26, false, false},
    {14, "4580", 6, 1024, 32, 0, 0, 34, false, false},
    {15, "49B7", 4, 1280, 96, 127, 0, 26, true, true},
    {16, "49A7", 7, 1280, 96, 0, 0, 34, true, true},
    {17, "48A7", 7, 1280, 96, 0, 0, 34, false, false},
    {18, "4847", 4, 1280, 128, 127, 2, 26, false, true},
    {19, "40A7", 7, 1280, 128, 127, 2, 34, true, true},
    {20, "41A7", 7, 1280, 96, 0, 0, 34, true, true},
    {21, "4947", 4, 1280, 128, 127, 2, 26, false, true},
    {22, "4047", 4, 1280, 128, 127, 2, 26, false, true},
    {RecordModello4157, "4157", 4, 1280, 128, 127, 2, 26, false, true},
};

// The Modbus-TCP gateway keeps its own name in every brand.
const char* const kNomeGateway = "QVR8035-MBTCP";

DefModello Record(const Variante& v)
{
    DefModello m;
    m.Codice = QString::fromLatin1(v.codice);
    m.Nome = v.k < 0 ? QString::fromLatin1(kNomeGateway) : NomiModello[v.k];
    m.NumRegistri = v.registri;
    m.MaxVariabili = v.variabili;
    m.NumStringhe = v.stringhe;
    m.NumBlocchi = v.blocchi;
    m.NumRegistriLong = 64;
    m.PrimoRegistroLong = int16_t(v.registri - m.NumRegistriLong);
    m.PrimoRegistroUtente = v.primoUtente;
    // Controller memory map, the same on every model.
    m.IndirizzoVariabili = 0x1E00;
    m.IndirizzoProgramma = 0x0200;
    m.DimensioneProgramma = 5634;
    m.IndirizzoSlave = 0x1802;
    m.IndirizzoStringhe = 0x8C00;
    m.AmmettePuntatori = v.puntatori;
    m.AmmetteTrigger = false;
    m.ArgAggiuntivo = v.argAggiuntivo;
    m.AmmetteAbilitazione = false;
    m.LoggerCsv = false;
    return m;
}

} // namespace

void CaricaModelli()
{
    // Rebuilt from scratch each time, so names follow the brand's names
    // loaded last and unused records stay empty.
    Modelli.fill(DefModello{});
    for (const Variante& v : kVarianti) Modelli[v.record] = Record(v);
}
