#pragma once
// The production export: a 256-byte header with a fixed range table and its
// CRC, then the controller memory from 0x0200 to 0xC7FF as the download
// would leave it. Pure layout here; EsportaProgetto writes it to disk.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

struct AreaMemoria {
    int32_t InizioArea;
    int32_t FineArea;   // inclusive
    bool AreaVuota;     // a gap: zero in the file
};

class FileEsportazione {
public:
    static constexpr int LunghezzaIntestazione = 256;
    static constexpr int32_t PrimoIndirizzo = 0x0200;
    static constexpr int32_t UltimoIndirizzo = 0xC7FF;
    static constexpr int Lunghezza = LunghezzaIntestazione + UltimoIndirizzo - PrimoIndirizzo + 1;  // 50,944
    static constexpr int OffsetCRC = 126;

    // The fixed memory map of the file (the last range lies past it).
    static const std::array<AreaMemoria, 10>& Aree();

    // "brx"/"mrk" by the brand flag, and the save dialog's filter.
    static QString Estensione(bool marchio650);
    static QString Filtro(bool marchio650);

    // The header: magic, version and revision characters, the five filled
    // ranges, the CRC-16/MODBUS of bytes 0-125 at 126 (low byte first).
    static QByteArray Intestazione(bool marchio650, const QString& versione, const QString& revisione);

    // File offset of controller address a.
    static constexpr int Offset(int32_t a) { return a - LunghezzaIntestazione; }
};

// Stores v at buffer[offset..offset + 3], least significant byte first.
void ScriviLongBuffer(uint32_t v, uint8_t* buffer);
