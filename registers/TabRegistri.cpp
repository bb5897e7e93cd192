#include "registers/TabRegistri.h"

#include "base/Conversioni.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"

#include <initializer_list>

namespace {

struct Nominato {
    int n;
    const char* nome;
    uint8_t tipo;
    uint8_t categoria;
};

using namespace TipoReg;

const char* const kRiservato = "--Reserved--";

const Nominato kOgniModello[] = {
    {1, "Firmware[0]", Hex, 2},      {2, "Firmware[1]", Hex, 2},   {3, "Name[0]", Ascii, 2},
    {4, "Name[1]", Ascii, 2},        {6, "Address", UInt, 2},      {10, "System Flags", Bin, 1},
    {12, "WatchDog Time", UInt, 2},  {14, "Status[0]", Bin, 1},    {15, "Status[1]", UInt, 1},
    {20, "Timers Enable", Bin, 1},   {21, "Time Base Flags", Bin, 1},
};

const Nominato kControllori[] = {{0, "RUN", UInt, 1}, {13, "PC", UInt, 1}};

const Nominato kPorteSeriali[] = {
    {5, "Port 1 Settings", Hex, 2},   {7, "Port 1 Timeout", UInt, 2},  {18, "Port 0 Settings", UInt, 1},
    {19, "Port 2 Settings", UInt, 1}, {17, "Gateway Mask[L-H]", Hex, 1}, {16, "COM Errors", UInt, 1},
};

// Both words of the module's port settings pair carry the same name.
const Nominato kPorteSeriali8566[] = {{18, "Port 0 Settings", UInt, 1}, {19, "Port 0 Settings", UInt, 1}};

const Nominato kOrologio[] = {
    {22, "RTC[Sec]", Hex, 1}, {23, "RTC[Min/Hours]", Hex, 1},
    {24, "RTC[Day/Date]", Hex, 1}, {25, "RTC[Month/Year]", Hex, 1},
};

const Nominato kRete[] = {
    {945, "IP[3/2]", Hex, 1},      {946, "IP[1/0]", Hex, 1},      {947, "Mask[3/2]", Hex, 1},
    {948, "Mask[1/0]", Hex, 1},    {949, "Gateway[3/2]", Hex, 1}, {950, "Gateway[1/0]", Hex, 1},
    {951, "DNS1[3/2]", Hex, 1},    {952, "DNS1[1/0]", Hex, 1},    {953, "DNS2[3/2]", Hex, 1},
    {954, "DNS2[1/0]", Hex, 1},    {955, "Option", Bin, 1},       {956, kRiservato, UInt, 1},
    {957, kRiservato, UInt, 1},    {958, kRiservato, UInt, 1},    {959, "Command", UInt, 1},
    {1024, "Status DDNS", UInt, 1}, {1025, "Status Email", UInt, 1},
};

const Nominato kReteCoda[] = {
    {1046, "Status NTP [0]", UInt, 1}, {1047, "Status NTP [1]", UInt, 1},
    {1220, "Log Dir [0]", Ascii, 3},   {1221, "Log Dir [1]", Ascii, 3},
    {1222, "Log Dir [2]", Ascii, 3},   {1223, "Log Dir [3]", Ascii, 3},
};

const Nominato kIOLocali[] = {
    {8, "Digital Inputs", Bin, 1}, {9, "Digital Outputs", Bin, 1}, {928, "Freq[0]", UInt, 1},
    {929, "Freq[1]", UInt, 1},     {930, "Freq[2]", UInt, 1},      {931, "Freq[3]", UInt, 1},
    {932, "Counter[0]", Long, 1},  {934, "Counter[1]", Long, 1},   {936, "Counter[2]", Long, 1},
    {938, "Counter[3]", Long, 1},  {940, "Encoder[0/1]", UInt, 1},
};

const Nominato kAnalogiche[] = {
    {26, "Analog Input[0]", Int, 1}, {27, "Analog Input[1]", Int, 1},
    {32, "Analog Output[0]", Int, 1}, {33, "Analog Output[1]", Int, 1},
};

const Nominato kAnalogiche0573[] = {
    {26, "Analog Input", Int, 1},       {33, "Analog Output", Int, 1},     {1209, "Output Type", Int, 1},
    {1210, "Zero In", Int, 1},          {1211, "Span In", Int, 1},         {1212, "Zero Out", Int, 1},
    {1213, "Span Out", Int, 1},         {1214, "Input Type", Int, 1},      {1215, "T 0 (ms)", Int, 1},
    {1216, "Input Type (def)", Int, 3}, {1217, "Output Type (def)", Int, 3}, {1218, "Zero In (def)", Int, 3},
    {1219, "Span In (def)", Int, 3},    {1220, "Zero Out (def)", Int, 3},  {1221, "Span Out (def)", Int, 3},
    {1222, "1 Lo (prg)", Int, 3},       {1223, "1 Hi (prg)", Int, 3},      {1224, "2 Lo (prg)", Int, 3},
    {1225, "2 Hi (prg)", Int, 3},       {1226, "3 Lo (prg)", Int, 3},      {1227, "3 Hi (prg)", Int, 3},
    {1228, "4 Lo (prg)", Int, 3},       {1229, "4 Hi (prg)", Int, 3},      {1230, "T on 1/10s (prg)", Int, 3},
    {1231, "T 0  1/10s (prg)", Int, 3},
};

const Nominato kDisplay[] = {
    {8, "Function Keys", Bin, 1}, {9, "Actual Page", UInt, 1}, {11, "Display Options", Bin, 1},
};

template <std::size_t N> void Definisci(const Nominato (&voci)[N])
{
    for (const Nominato& v : voci) DefinisciRegistro(v.n, QString::fromLatin1(v.nome), v.tipo, v.categoria);
}

// A family is recognised by its name: the record's name equals the brand's
// model name at one of the positions.
bool NomeTra(const QString& nome, std::initializer_list<int> posizioni)
{
    for (int k : posizioni)
        if (nome == NomiModello[k]) return true;
    return false;
}

} // namespace

void DefinisciRegistro(int n, const QString& nome, uint8_t tipo, uint8_t categoria)
{
    if (n < 0 || n >= NumVociRegistri || categoria >= PrefissiRegistro.size()) return;
    DefRegistro& r = TabRegistri[n];
    r.Tipo = tipo;
    r.Categoria = categoria;
    if (categoria != 0) r.Nome = nome;
    r.Indirizzo = PrefissiRegistro[categoria] + QString::number(n);
}

void CaricaRegistriSistema(bool azzeraUtente)
{
    if (Controllore.Modello >= NumModelli) return;
    const DefModello& m = Modelli[Controllore.Modello];
    for (DefRegistro& r : TabRegistri) r.Noto = false;

    for (int n = 0; n < m.PrimoRegistroUtente; ++n) DefinisciRegistro(n, QString::fromLatin1(kRiservato), UInt, 1);

    if (azzeraUtente)
        for (int n = m.PrimoRegistroUtente; n < m.NumRegistri; ++n) DefinisciRegistro(n, QString(), Int, 0);

    for (int n = m.PrimoRegistroLong; n < m.PrimoRegistroLong + m.NumRegistriLong; ++n)
        DefinisciRegistro(n, QString(), Int, 3);

    Definisci(kOgniModello);

    const QString& nome = m.Nome;
    if (NomeTra(nome, {0, 1, 2, 3, 4, 5, 6, 7, 8})) {
        Definisci(kControllori);
        Definisci(kPorteSeriali);
    } else if (NomeTra(nome, {9})) {
        Definisci(kPorteSeriali8566);
    }

    if (NomeTra(nome, {2, 3, 4, 6, 7})) Definisci(kOrologio);

    if (NomeTra(nome, {4, 7})) {
        Definisci(kRete);
        for (int i = 0; i < 20; ++i)
            DefinisciRegistro(1026 + i, QStringLiteral("Retain[%1]").arg(i), UInt, 1);
        Definisci(kReteCoda);
    }

    if (NomeTra(nome, {1, 3, 9, 5, 6, 4, 7})) Definisci(kIOLocali);

    if (NomeTra(nome, {9})) {
        Definisci(kAnalogiche);
        DefinisciRegistro(1216, QStringLiteral("Input Type[1-0]"), Hex, 3);
    } else if (NomeTra(nome, {25})) {
        Definisci(kAnalogiche0573);
    } else if (NomeTra(nome, {5, 6, 7})) {
        Definisci(kAnalogiche);
        DefinisciRegistro(34, QStringLiteral("Input Type[1-0]"), Hex, 1);
    }

    if (NomeTra(nome, {8})) Definisci(kDisplay);
}

QString TestoAsciiRegistro(uint16_t parola)
{
    QString testo(CarattereByte(parola >> 8));
    if (parola & 0xFF) testo += CarattereByte(parola & 0xFF);
    // A byte with no glyph (0, control codes) would draw a box: a blank
    // keeps the column readable.
    for (QChar& c : testo)
        if (!c.isPrint()) c = QLatin1Char(' ');
    return testo;
}
