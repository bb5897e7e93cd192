#pragma once
// What the serial bootloader answers to its query: device ID (bytes 0 low,
// 1 high) and revision (bits 4-7 of byte 5). Missing bytes count as 0.
#include <QByteArrayView>
#include <QString>
#include <cstdint>

struct IdentitaBoot {
    uint16_t id = 0;
    uint8_t revisione = 0;

    static IdentitaBoot Da(QByteArrayView risposta)
    {
        auto b = [&](int i) { return i < risposta.size() ? uint8_t(risposta[i]) : uint8_t(0); };
        return {uint16_t(b(1) << 8 | b(0)), uint8_t(b(5) >> 4)};
    }
    // "0x" and upper-case hexadecimal without leading zeros; an ID from
    // 0x8000 up is shown as it is, not as a negative number.
    QString TestoID() const { return QStringLiteral("0x") + QString::number(id, 16).toUpper(); }
    QString TestoRevisione() const { return QString::number(revisione, 16).toUpper(); }
};
