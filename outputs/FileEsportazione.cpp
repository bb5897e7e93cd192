#include "outputs/FileEsportazione.h"

#include "comm/Checksum.h"

const std::array<AreaMemoria, 10>& FileEsportazione::Aree()
{
    // Kept apart from the model's map on purpose: every export carries the
    // same table, whatever the selected model writes into the ranges.
    static const std::array<AreaMemoria, 10> aree{{
        {0x0200, 0x1803, false},
        {0x1804, 0x1DFE, true},
        {0x1DFF, 0x25FF, false},
        {0x2600, 0x8BFF, true},
        {0x8C00, 0x9C1F, false},
        {0x9C20, 0x9DFF, true},
        {0x9E00, 0xADFF, false},
        {0xAE00, 0xBFFF, true},
        {0xC000, 0xC7FF, false},
        {0xC800, 0xFFFF, true},
    }};
    return aree;
}

QString FileEsportazione::Estensione(bool marchio650)
{
    return marchio650 ? QStringLiteral("brx") : QStringLiteral("mrk");
}

QString FileEsportazione::Filtro(bool marchio650)
{
    const QString e = Estensione(marchio650);
    return QStringLiteral(" (*.%1);;(*.*)").arg(e);
}

void ScriviLongBuffer(uint32_t v, uint8_t* buffer)
{
    for (int i = 0; i < 4; ++i) buffer[i] = uint8_t(v >> (8 * i));
}

QByteArray FileEsportazione::Intestazione(bool marchio650, const QString& versione, const QString& revisione)
{
    QByteArray h(LunghezzaIntestazione, '\0');
    auto* b = reinterpret_cast<uint8_t*>(h.data());
    const char* magia = marchio650 ? "BRIXA" : "MIROK";
    for (int i = 0; i < 5; ++i) b[i] = uint8_t(magia[i]);
    auto carattere = [](const QString& t, int i) { return i < t.size() ? uint8_t(t.at(i).unicode()) : uint8_t(0); };
    b[5] = carattere(versione, 0);
    b[6] = carattere(versione, 2);
    b[7] = carattere(revisione, 0);
    int o = 8;
    for (const AreaMemoria& a : Aree()) {
        if (a.AreaVuota) continue;
        ScriviLongBuffer(uint32_t(a.InizioArea), b + o);
        ScriviLongBuffer(uint32_t(a.FineArea), b + o + 4);
        o += 8;
    }
    const uint16_t crc = CalcolaCRC(b, OffsetCRC);
    b[OffsetCRC] = uint8_t(crc & 0xFF);
    b[OffsetCRC + 1] = uint8_t(crc >> 8);
    return h;
}
