#pragma once
// The display editor's pictures, drawn as vectors so they stay crisp at any
// scale: the one-colour display pictures 400..409 (Led lamps, progress bars,
// graph) stretched into any rectangle, and the editor's key glyphs (137..156).
#include <QPixmap>
#include <QRectF>

class QPainter;

// Natural size in display pixels of display picture `id` (400..409); empty
// for any other id.
QSize MisuraFigura(int id);
// Paints display picture `id` stretched over `r`, in black; false (nothing
// painted) for an id that is not a display picture.
bool DisegnaFigura(QPainter& p, int id, const QRectF& r);
// The same picture as a pixmap of `misura` logical pixels at `dpr`.
QPixmap PixmapFigura(int id, const QSize& misura, qreal dpr);

// Key glyphs on a 32 x 32 grid: 137 Label, 138 Number, 139 Image, 140 Time,
// 141 Date, 144 move earlier, 145 move later, 146 compile, 148 Led,
// 149 progress bar, 150 rectangle, 156 graph. False for other ids.
bool DisegnaTastoDisplay(QPainter& p, int id);
bool TastoDisplay(int id);
