#include "transfer/MappaMemoria.h"

#include "base/Modelli.h"
#include "comm/Dispositivo.h"
#include "display/SMS.h"
#include "registers/Variabili.h"

#include <algorithm>
#include <cstring>

MappaMemoria MappaMemoria::DelModello()
{
    if (Controllore.Modello >= NumModelli) return {};
    const DefModello& m = Modelli[Controllore.Modello];
    return MappaMemoria{.IndirizzoProgramma = uint16_t(m.IndirizzoProgramma),
                        .DimensioneProgramma = uint16_t(m.DimensioneProgramma),
                        .IndirizzoVariabili = uint16_t(m.IndirizzoVariabili),
                        .IndirizzoStringhe = m.IndirizzoStringhe,
                        .NumStringhe = m.NumStringhe,
                        .NumBlocchi = m.NumBlocchi};
}

QByteArray TestoControllore(const QString& testo)
{
    return testo.toLatin1();
}

void CampoTesto(const QString& testo, uint8_t* campo, int n)
{
    const QByteArray b = TestoControllore(testo.left(n));
    std::memset(campo, 0, size_t(n));
    std::memcpy(campo, b.constData(), size_t(b.size()));
}

namespace {
// A 16-bit field, low byte first; a negative value is taken + 65536.
bool Campo16(int64_t v, uint8_t* dove)
{
    if (v < -32768 || v > 65535) return false;
    const int64_t u = v < 0 ? v + 65536 : v;
    dove[0] = uint8_t(u & 0xFF);
    dove[1] = uint8_t(u >> 8);
    return true;
}

constexpr int TipoStringaRam = 13;
constexpr int TipoStringaEprom = 14;
constexpr int TipoData = 16;
constexpr int TipoOra = 17;

// A string id as the record holds it: itself in RAM, its address in EEPROM.
int64_t ValoreStringa(int tipo, int64_t v, int32_t indirizzoStringhe)
{
    return tipo == TipoStringaEprom ? indirizzoStringhe + 32 * v : v;
}
} // namespace

bool RecordVariabile(const Variabile& v, int32_t indirizzoStringhe, uint8_t* record)
{
    std::memset(record, 0, LunghezzaRecordVariabile);
    const int tipo = v.TipoVar;
    bool ok = true;
    if (tipo <= 12 || tipo == TipoData || tipo == TipoOra) {
        ok = Campo16(v.RegistroVar, record);
        record[2] = uint8_t(tipo);
        CampoTesto(v.FormatoVar, record + 3, 7);
    } else if (tipo == TipoStringaRam || tipo == TipoStringaEprom) {
        ok = Campo16(ValoreStringa(tipo, v.RegistroVar, indirizzoStringhe), record) &&
             Campo16(ValoreStringa(tipo, v.Registro2, indirizzoStringhe), record + 3) &&
             Campo16(v.RegTrigger, record + 5) && Campo16(v.Maschera, record + 7);
        record[2] = uint8_t(tipo);
    }
    CampoTesto(v.EtichettaVar, record + 10, 6);
    if (!ok) std::memset(record, 0, LunghezzaRecordVariabile);
    return ok;
}

QByteArray TestoSMSControllore(const QString& testo)
{
    return TestoControllore(TestoEspanso(testo)) + char(FineTestoSMS);
}
