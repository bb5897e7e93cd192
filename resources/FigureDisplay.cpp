#include "resources/FigureDisplay.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>
#include <iterator>

namespace {

// Draws a one-colour picture laid out on its own pixel grid (w x h) over r.
void SuGriglia(QPainter& p, const QRectF& r, qreal w, qreal h, const std::function<void(QPainter&)>& disegno)
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / w, r.height() / h);
    p.setRenderHint(QPainter::Antialiasing);
    disegno(p);
    p.restore();
}

QPen Tratto(qreal w) { return QPen(Qt::black, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin); }

// Led lamp: a ring when off, a ring with a full centre when on.
void Lampada(QPainter& p, qreal lato, bool acceso)
{
    const qreal t = qMax<qreal>(1, lato / 8);
    p.setPen(Tratto(t));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(t / 2, t / 2, lato - t, lato - t));
    if (acceso) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(2 * t, 2 * t, lato - 4 * t, lato - 4 * t));
    }
}

void Barra(QPainter& p, qreal w, qreal h, bool verticale)
{
    p.setPen(Tratto(1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Filled to 60 %, from the left or from the bottom.
    if (verticale)
        p.drawRect(QRectF(2, 2 + (h - 4) * 0.4, w - 4, (h - 4) * 0.6));
    else
        p.drawRect(QRectF(2, 2, (w - 4) * 0.6, h - 4));
}

void Grafico(QPainter& p, qreal w, qreal h)
{
    p.setPen(Tratto(1));
    p.drawLine(QPointF(2.5, 1), QPointF(2.5, h - 2.5));
    p.drawLine(QPointF(2.5, h - 2.5), QPointF(w - 1, h - 2.5));
    QPainterPath curva;
    curva.moveTo(3, h * 0.75);
    const qreal punti[] = {0.55, 0.62, 0.3, 0.45, 0.2, 0.35, 0.12};
    for (int i = 0; i < 7; ++i) curva.lineTo(3 + (w - 5) * (i + 1) / 7.0, h * punti[i]);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curva);
}

void Istogramma(QPainter& p, qreal w, qreal h)
{
    p.setPen(Tratto(1));
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal altezze[] = {0.4, 0.7, 0.55, 0.85, 0.3};
    for (int i = 0; i < 5; ++i) {
        const qreal a = (h - 6) * altezze[i];
        p.drawRect(QRectF(4 + i * 8, h - 3 - a, 5, a));
    }
}

// --- key glyphs (32 x 32) -----------------------------------------------------

const QColor kInchiostro(43, 58, 74);
const QColor kBlu(58, 123, 213);
const QColor kVerde(46, 158, 79);
const QColor kCarta(251, 251, 247);

void Penna(QPainter& p, const QColor& c = kInchiostro, qreal w = 1.8)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Scritta(QPainter& p, const QRectF& r, const QString& t, int px, bool grassetto = true)
{
    QFont f(QStringLiteral("Monospace"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(px);
    f.setBold(grassetto);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, t);
}

void Freccia(QPainter& p, bool su)
{
    // Drawn pointing up; the down arrow is its mirror image.
    p.save();
    if (!su) {
        p.translate(0, 32);
        p.scale(1, -1);
    }
    Penna(p, kBlu, 3);
    p.drawLine(QPointF(16, 27), QPointF(16, 14));
    Penna(p, kBlu, 2);
    p.setBrush(kBlu);
    p.drawPolygon(QPolygonF({QPointF(16, 4), QPointF(7, 15), QPointF(25, 15)}));
    p.restore();
}

} // namespace

QSize MisuraFigura(int id)
{
    switch (id) {
    case 400: case 401: return {8, 8};
    case 402: case 403: return {16, 16};
    case 404: case 405: return {32, 32};
    case 406: return {45, 16};
    case 407: return {16, 45};
    case 408: return {45, 39};
    case 409: return {88, 39};
    default: return {};
    }
}

bool DisegnaFigura(QPainter& p, int id, const QRectF& r)
{
    const QSize m = MisuraFigura(id);
    if (m.isEmpty()) return false;
    SuGriglia(p, r, m.width(), m.height(), [id, m](QPainter& q) {
        if (id <= 405) Lampada(q, m.width(), id % 2 == 1);
        else if (id == 406 || id == 407) Barra(q, m.width(), m.height(), id == 407);
        else if (id == 408) Istogramma(q, m.width(), m.height());
        else Grafico(q, m.width(), m.height());
    });
    return true;
}

QPixmap PixmapFigura(int id, const QSize& misura, qreal dpr)
{
    QPixmap pm(misura * dpr);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        DisegnaFigura(p, id, QRectF(QPointF(0, 0), QSizeF(misura * dpr)));
    }
    pm.setDevicePixelRatio(dpr);
    return pm;
}

bool TastoDisplay(int id)
{
    static constexpr int kTasti[] = {137, 138, 139, 140, 141, 144, 145, 146, 148, 149, 150, 156};
    return std::find(std::begin(kTasti), std::end(kTasti), id) != std::end(kTasti);
}

bool DisegnaTastoDisplay(QPainter& p, int id)
{
    switch (id) {
    case 137:   // Label
        Penna(p);
        p.setBrush(kCarta);
        p.drawRoundedRect(QRectF(3, 7, 26, 18), 2, 2);
        Scritta(p, QRectF(3, 7, 26, 18), QStringLiteral("Ab"), 14);
        return true;
    case 138:   // Number
        Penna(p);
        p.setBrush(kCarta);
        p.drawRoundedRect(QRectF(3, 7, 26, 18), 2, 2);
        p.setPen(kBlu);
        Scritta(p, QRectF(3, 7, 26, 18), QStringLiteral("12"), 14);
        return true;
    case 139:   // Image: a framed landscape
        Penna(p);
        p.setBrush(kCarta);
        p.drawRect(QRectF(4, 6, 24, 20));
        p.setBrush(kVerde);
        p.drawPolygon(QPolygonF({QPointF(6, 24), QPointF(13, 14), QPointF(18, 20), QPointF(21, 16), QPointF(26, 24)}));
        p.setBrush(QColor(232, 178, 45));
        p.drawEllipse(QPointF(22, 11), 2.5, 2.5);
        return true;
    case 140:   // Time: a clock
        Penna(p);
        p.setBrush(kCarta);
        p.drawEllipse(QPointF(16, 16), 12, 12);
        Penna(p, kBlu, 2.2);
        p.drawLine(QPointF(16, 16), QPointF(16, 8));
        p.drawLine(QPointF(16, 16), QPointF(22, 19));
        return true;
    case 141:   // Date: a calendar leaf
        Penna(p);
        p.setBrush(kCarta);
        p.drawRect(QRectF(5, 6, 22, 21));
        p.setBrush(QColor(214, 69, 65));
        p.drawRect(QRectF(5, 6, 22, 6));
        p.setPen(kInchiostro);
        Scritta(p, QRectF(5, 12, 22, 15), QStringLiteral("31"), 11);
        return true;
    case 144:   // move earlier
    case 145:   // move later
        Freccia(p, id == 144);
        return true;
    case 146:   // compile: a chip with a tick
        Penna(p);
        p.setBrush(QColor(90, 100, 112));
        p.drawRoundedRect(QRectF(6, 6, 20, 20), 2, 2);
        for (int i = 0; i < 3; ++i) {
            const qreal c = 11 + i * 5;
            p.drawLine(QPointF(c, 2), QPointF(c, 6));
            p.drawLine(QPointF(c, 26), QPointF(c, 30));
        }
        Penna(p, kVerde.lighter(140), 3);
        p.drawPolyline(QPolygonF({QPointF(10, 16), QPointF(14, 21), QPointF(22, 11)}));
        return true;
    case 148:   // Led
        Penna(p);
        p.setBrush(QColor(232, 178, 45));
        p.drawEllipse(QPointF(16, 16), 10, 10);
        p.setBrush(QColor(255, 240, 180));
        p.drawEllipse(QPointF(13, 13), 3, 3);
        return true;
    case 149:   // progress bar
        Penna(p);
        p.setBrush(kCarta);
        p.drawRect(QRectF(3, 11, 26, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlu);
        p.drawRect(QRectF(5, 13, 14, 6));
        return true;
    case 150:   // rectangle
        Penna(p, kInchiostro, 3);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5, 8, 22, 16));
        return true;
    case 156:   // graph
        Penna(p);
        p.drawLine(QPointF(5, 4), QPointF(5, 27));
        p.drawLine(QPointF(5, 27), QPointF(29, 27));
        Penna(p, kBlu, 2.2);
        p.drawPolyline(QPolygonF({QPointF(6, 22), QPointF(12, 14), QPointF(17, 18), QPointF(22, 8), QPointF(28, 11)}));
        return true;
    default:
        return false;
    }
}
