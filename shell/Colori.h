#pragma once
// Colours are kept as blue-green-red numbers (red in the low byte), as the
// controls' colour properties and the block catalogue hold them.
#include <QColor>
#include <cstdint>

inline QColor ColoreBgr(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
