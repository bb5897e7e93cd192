#include "resources/Immagini.h"

#include "resources/FigureDisplay.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

// Every glyph is drawn on a 32 x 32 grid and scaled to the size asked for,
// so one drawing serves 16-pixel menus and 4x screens alike.
namespace {

using Disegno = std::function<void(QPainter&)>;

namespace colore {
const QColor inchiostro(43, 58, 74);
const QColor verde(46, 158, 79);
const QColor rosso(214, 69, 65);
const QColor giallo(232, 178, 45);
const QColor blu(58, 123, 213);
const QColor azzurro(176, 205, 240);
const QColor grigio(138, 150, 163);
const QColor carta(251, 251, 247);
const QColor bianco(255, 255, 255);
} // namespace colore

QPen Penna(const QColor& c = colore::inchiostro, qreal w = 1.6)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Forma(QPainter& p, const QColor& riempimento, const QColor& bordo = colore::inchiostro, qreal w = 1.6)
{
    p.setPen(Penna(bordo, w));
    p.setBrush(riempimento);
}

void Poligono(QPainter& p, std::initializer_list<QPointF> punti)
{
    p.drawPolygon(QPolygonF(QList<QPointF>(punti)));
}

// --- building blocks -------------------------------------------------------

void Triangolo(QPainter& p, const QRectF& r, const QColor& c)
{
    Forma(p, c);
    Poligono(p, {r.topLeft(), QPointF(r.right(), r.center().y()), r.bottomLeft()});
}

void Pausa(QPainter& p, const QRectF& r, const QColor& c)
{
    Forma(p, c);
    const qreal w = r.width() * 0.36;
    p.drawRoundedRect(QRectF(r.left(), r.top(), w, r.height()), 1.2, 1.2);
    p.drawRoundedRect(QRectF(r.right() - w, r.top(), w, r.height()), 1.2, 1.2);
}

void Quadrato(QPainter& p, const QRectF& r, const QColor& c)
{
    Forma(p, c);
    p.drawRoundedRect(r, 2, 2);
}

// A round button behind the program-control glyphs.
void Bottone(QPainter& p)
{
    Forma(p, colore::carta, colore::grigio, 1.4);
    p.drawEllipse(QRectF(2, 2, 28, 28));
}

// One rung of a ladder: two rails and a contact block on the line at y.
void Rung(QPainter& p, qreal y)
{
    p.setPen(Penna(colore::inchiostro, 1.8));
    p.drawLine(QPointF(3, y - 6), QPointF(3, y + 6));
    p.drawLine(QPointF(29, y - 6), QPointF(29, y + 6));
    p.drawLine(QPointF(3, y), QPointF(29, y));
    Forma(p, colore::azzurro);
    p.drawRoundedRect(QRectF(10, y - 4.5, 12, 9), 1.5, 1.5);
}

void Piu(QPainter& p, QPointF c, qreal r, const QColor& col = colore::verde)
{
    p.setPen(QPen(col, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
    p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
}

void Meno(QPainter& p, QPointF c, qreal r, const QColor& col = colore::rosso)
{
    p.setPen(QPen(col, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
}

// A filled arrow from `da` towards `a`.
void Freccia(QPainter& p, QPointF da, QPointF a, const QColor& c)
{
    const QLineF asse(da, a);
    const qreal lung = asse.length();
    QLineF u = asse.unitVector();
    const QPointF d(u.dx(), u.dy());
    const QPointF n(-d.y(), d.x());
    const qreal testa = qMin(lung * 0.55, 8.0), mezzaTesta = 6.0, mezzoGambo = 2.2;
    const QPointF base = a - d * testa;
    Forma(p, c, c.darker(150), 1.2);
    Poligono(p, {da + n * mezzoGambo, base + n * mezzoGambo, base + n * mezzaTesta, a, base - n * mezzaTesta,
                 base - n * mezzoGambo, da - n * mezzoGambo});
}

void Pagina(QPainter& p, const QRectF& r, qreal piega = 6)
{
    Forma(p, colore::carta);
    QPainterPath f;
    f.moveTo(r.topLeft());
    f.lineTo(r.right() - piega, r.top());
    f.lineTo(r.right(), r.top() + piega);
    f.lineTo(r.bottomRight());
    f.lineTo(r.bottomLeft());
    f.closeSubpath();
    p.drawPath(f);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(r.right() - piega, r.top()), QPointF(r.right() - piega, r.top() + piega),
                              QPointF(r.right(), r.top() + piega)}));
}

void Righe(QPainter& p, qreal x1, qreal x2, qreal y, int n, qreal passo, const QColor& c = colore::grigio)
{
    p.setPen(Penna(c, 1.5));
    for (int i = 0; i < n; ++i) p.drawLine(QPointF(x1, y + i * passo), QPointF(x2 - (i % 2) * 3, y + i * passo));
}

// The controller: a module with a status LED and terminals.
void Modulo(QPainter& p, const QRectF& r)
{
    Forma(p, QColor(90, 104, 120));
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(colore::verde.lighter(130));
    p.drawEllipse(QPointF(r.left() + 4, r.top() + 3.5), 1.6, 1.6);
    p.setBrush(colore::azzurro);
    for (qreal x = r.left() + 8; x < r.right() - 2; x += 4.5) p.drawRect(QRectF(x, r.top() + 2, 2.5, 3));
}

void Testo(QPainter& p, const QRectF& r, const QString& t, qreal pixel, const QColor& c, bool grassetto = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixel));
    f.setBold(grassetto);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, t);
}

void Lente(QPainter& p)
{
    p.setPen(QPen(colore::inchiostro, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    Forma(p, colore::azzurro.lighter(115), colore::inchiostro, 2);
    p.drawEllipse(QPointF(13, 13), 9.5, 9.5);
}

void Calendario(QPainter& p, const QRectF& r)
{
    Forma(p, colore::carta);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(colore::rosso);
    p.drawRect(QRectF(r.left() + 0.8, r.top() + 0.8, r.width() - 1.6, 5.5));
    p.setPen(Penna(colore::inchiostro, 2));
    p.drawLine(QPointF(r.left() + 6, r.top() - 2), QPointF(r.left() + 6, r.top() + 3));
    p.drawLine(QPointF(r.right() - 6, r.top() - 2), QPointF(r.right() - 6, r.top() + 3));
}

void Ingranaggio(QPainter& p, QPointF c, qreal r, const QColor& col)
{
    QPainterPath g;
    const int denti = 8;
    for (int i = 0; i < denti * 2; ++i) {
        const qreal a0 = (i - 0.5) * M_PI / denti, a1 = (i + 0.5) * M_PI / denti;
        const qreal rr = (i % 2) ? r * 0.78 : r;
        const QPointF p0 = c + QPointF(std::cos(a0), std::sin(a0)) * rr;
        const QPointF p1 = c + QPointF(std::cos(a1), std::sin(a1)) * rr;
        if (i == 0) g.moveTo(p0);
        else g.lineTo(p0);
        g.lineTo(p1);
    }
    g.closeSubpath();
    g.addEllipse(c, r * 0.33, r * 0.33);
    g.setFillRule(Qt::OddEvenFill);
    Forma(p, col);
    p.drawPath(g);
}

// Plug: body with two pins pointing right, and its cable on the left.
void Spina(QPainter& p, qreal x, qreal y)
{
    p.setPen(Penna(colore::inchiostro, 2.4));
    p.drawLine(QPointF(x - 9, y), QPointF(x - 3, y));
    Forma(p, colore::grigio.lighter(120));
    p.drawRoundedRect(QRectF(x - 3, y - 5, 7, 10), 1.5, 1.5);
    p.setPen(Penna(colore::inchiostro, 1.8));
    p.drawLine(QPointF(x + 4, y - 2.5), QPointF(x + 7.5, y - 2.5));
    p.drawLine(QPointF(x + 4, y + 2.5), QPointF(x + 7.5, y + 2.5));
}

// Socket: body open to the left, cable on the right.
void Presa(QPainter& p, qreal x, qreal y)
{
    Forma(p, colore::grigio.lighter(120));
    p.drawRoundedRect(QRectF(x, y - 5.5, 7, 11), 1.5, 1.5);
    p.setPen(Penna(colore::inchiostro, 2.4));
    p.drawLine(QPointF(x + 7, y), QPointF(x + 13, y));
}

// A list: a sheet with four lines, top left.
void Elenco(QPainter& p)
{
    Pagina(p, QRectF(3, 2, 20, 24), 5);
    Righe(p, 7, 19, 10, 4, 4);
}

// --- the pictures ---------------------------------------------------------

const QHash<QString, Disegno>& Disegni()
{
    static const QHash<QString, Disegno> d = {
        {"run", [](QPainter& p) { Triangolo(p, QRectF(8, 5, 18, 22), colore::verde); }},
        {"halt", [](QPainter& p) { Pausa(p, QRectF(8, 6, 16, 20), colore::giallo); }},
        {"stop", [](QPainter& p) { Quadrato(p, QRectF(7, 7, 18, 18), colore::rosso); }},
        {"view_reg",
         [](QPainter& p) {
             Forma(p, colore::carta);
             p.drawRoundedRect(QRectF(3, 5, 26, 22), 2, 2);
             p.setPen(Qt::NoPen);
             p.setBrush(colore::azzurro);
             p.drawRect(QRectF(3.8, 5.8, 24.4, 5));
             p.setPen(Penna(colore::inchiostro, 1.2));
             for (qreal y : {11.0, 16.5, 22.0}) p.drawLine(QPointF(3, y), QPointF(29, y));
             p.drawLine(QPointF(12, 5), QPointF(12, 27));
             p.drawLine(QPointF(21, 5), QPointF(21, 27));
         }},
        {"rung_delete",
         [](QPainter& p) {
             Rung(p, 16);
             p.setPen(QPen(colore::rosso, 3.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(8, 6), QPointF(24, 26));
             p.drawLine(QPointF(24, 6), QPointF(8, 26));
         }},
        {"rung_modifica",
         [](QPainter& p) {
             Rung(p, 21);
             // Pencil across the top, point towards the block.
             Forma(p, colore::giallo);
             Poligono(p, {QPointF(25, 3), QPointF(29, 7), QPointF(17, 19), QPointF(13, 15)});
             Forma(p, colore::carta);
             Poligono(p, {QPointF(13, 15), QPointF(17, 19), QPointF(11, 21)});
         }},
        {"rung_new_before",
         [](QPainter& p) {
             Rung(p, 22);
             Piu(p, QPointF(16, 7.5), 5);
         }},
        {"rung_new_after",
         [](QPainter& p) {
             Rung(p, 10);
             Piu(p, QPointF(16, 24.5), 5);
         }},
        {"file_open",
         [](QPainter& p) {
             Forma(p, colore::giallo.darker(115));
             Poligono(p, {QPointF(3, 8), QPointF(11, 8), QPointF(13, 11), QPointF(25, 11), QPointF(25, 26),
                          QPointF(3, 26)});
             Forma(p, colore::giallo);
             Poligono(p, {QPointF(7, 15), QPointF(30, 15), QPointF(25, 26), QPointF(3, 26)});
         }},
        {"file_save",
         [](QPainter& p) {
             Forma(p, colore::blu);
             Poligono(p, {QPointF(4, 4), QPointF(24, 4), QPointF(28, 8), QPointF(28, 28), QPointF(4, 28)});
             Forma(p, colore::carta);
             p.drawRect(QRectF(8, 4, 14, 9));
             p.setPen(Qt::NoPen);
             p.setBrush(colore::inchiostro);
             p.drawRect(QRectF(17, 6, 3, 5));
             Forma(p, colore::bianco);
             p.drawRoundedRect(QRectF(8, 17, 16, 11), 1, 1);
         }},
        {"file_new",
         [](QPainter& p) {
             Pagina(p, QRectF(6, 3, 20, 26), 7);
             Piu(p, QPointF(16, 19), 5);
         }},
        {"proj_comp", [](QPainter& p) { Ingranaggio(p, QPointF(16, 16), 13, colore::grigio.lighter(115)); }},
        {"download",
         [](QPainter& p) {
             Modulo(p, QRectF(4, 20, 24, 10));
             Freccia(p, QPointF(16, 2), QPointF(16, 19), colore::verde);
         }},
        {"upload",
         [](QPainter& p) {
             Modulo(p, QRectF(4, 20, 24, 10));
             Freccia(p, QPointF(16, 19), QPointF(16, 2), colore::blu);
         }},
        {"view_log",
         [](QPainter& p) {
             Pagina(p, QRectF(5, 3, 22, 26), 6);
             Righe(p, 9, 23, 11, 5, 3.8);
         }},
        {"prog_run",
         [](QPainter& p) {
             Bottone(p);
             Triangolo(p, QRectF(12, 8.5, 12, 15), colore::verde);
         }},
        {"prog_halt",
         [](QPainter& p) {
             Bottone(p);
             Pausa(p, QRectF(10.5, 9, 11, 14), colore::giallo);
         }},
        {"prog_step",
         [](QPainter& p) {
             Bottone(p);
             Triangolo(p, QRectF(9, 9, 10, 14), colore::verde);
             Forma(p, colore::giallo);
             p.drawRoundedRect(QRectF(20, 9, 4, 14), 1, 1);
         }},
        {"prog_stop",
         [](QPainter& p) {
             Bottone(p);
             Quadrato(p, QRectF(10.5, 10.5, 11, 11), colore::rosso);
         }},
        {"connect",
         [](QPainter& p) {
             Spina(p, 12, 16);
             Presa(p, 19.5, 16);
             p.setPen(Qt::NoPen);
             p.setBrush(colore::verde);
             p.drawEllipse(QPointF(26, 7), 3.5, 3.5);
         }},
        {"disconnect",
         [](QPainter& p) {
             Spina(p, 10, 18);
             Presa(p, 21, 14);
             p.setPen(QPen(colore::rosso, 2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(16.5, 4), QPointF(18, 9));
             p.drawLine(QPointF(13, 6), QPointF(15.5, 10));
             p.drawLine(QPointF(20, 24), QPointF(18.5, 28));
         }},
        {"new_sub",
         [](QPainter& p) {
             Pagina(p, QRectF(4, 3, 20, 26), 6);
             p.setPen(Penna(colore::blu, 1.8));
             p.drawLine(QPointF(8, 11), QPointF(18, 11));
             p.drawLine(QPointF(11, 15.5), QPointF(18, 15.5));
             p.drawLine(QPointF(11, 20), QPointF(16, 20));
             p.drawLine(QPointF(8, 24.5), QPointF(15, 24.5));
             Piu(p, QPointF(24, 23), 4.5);
         }},
        {"rung_break",
         [](QPainter& p) {
             Rung(p, 16);
             Forma(p, colore::rosso, colore::rosso.darker(140), 1.4);
             p.drawEllipse(QPointF(16, 16), 7.5, 7.5);
         }},
        {"prog_runBr",
         [](QPainter& p) {
             Bottone(p);
             Triangolo(p, QRectF(10, 8, 12, 15), colore::verde);
             Forma(p, colore::rosso, colore::rosso.darker(140), 1.2);
             p.drawEllipse(QPointF(23, 23), 5, 5);
         }},
        {"progetto",
         [](QPainter& p) {
             Forma(p, colore::carta);
             p.drawRoundedRect(QRectF(3, 3, 26, 26), 3, 3);
             p.setPen(Penna(colore::inchiostro, 1.8));
             p.drawLine(QPointF(7, 7), QPointF(7, 25));
             p.drawLine(QPointF(25, 7), QPointF(25, 25));
             for (qreal y : {10.0, 16.0, 22.0}) {
                 p.setPen(Penna(colore::inchiostro, 1.4));
                 p.drawLine(QPointF(7, y), QPointF(25, y));
                 Forma(p, y == 16.0 ? colore::giallo : colore::azzurro, colore::inchiostro, 1.2);
                 p.drawRect(QRectF(13, y - 2, 6, 4));
             }
         }},
        {"debug",
         [](QPainter& p) {
             p.setPen(Penna(colore::inchiostro, 1.6));
             for (qreal y : {13.0, 18.0, 23.0}) {
                 p.drawLine(QPointF(16, y), QPointF(5, y - 2));
                 p.drawLine(QPointF(16, y), QPointF(27, y - 2));
             }
             p.drawLine(QPointF(13, 7), QPointF(10, 3));
             p.drawLine(QPointF(19, 7), QPointF(22, 3));
             Forma(p, colore::rosso);
             p.drawEllipse(QRectF(9, 9, 14, 19));
             p.drawEllipse(QRectF(11.5, 5, 9, 7));
             p.setPen(Penna(colore::inchiostro, 1.2));
             p.drawLine(QPointF(16, 12), QPointF(16, 28));
         }},
        {"release",
         [](QPainter& p) {
             Forma(p, colore::verde.lighter(165));
             p.drawRoundedRect(QRectF(4, 4, 24, 24), 4, 4);
             p.setPen(QPen(colore::verde.darker(120), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23, 10.5)}));
         }},
        {"http",
         [](QPainter& p) {
             Forma(p, colore::azzurro);
             p.drawEllipse(QPointF(16, 16), 13, 13);
             p.setBrush(Qt::NoBrush);
             p.setPen(Penna(colore::blu.darker(130), 1.3));
             p.drawEllipse(QPointF(16, 16), 5.5, 13);
             p.drawLine(QPointF(16, 3), QPointF(16, 29));
             p.drawLine(QPointF(3, 16), QPointF(29, 16));
             p.drawLine(QPointF(5.5, 9.5), QPointF(26.5, 9.5));
             p.drawLine(QPointF(5.5, 22.5), QPointF(26.5, 22.5));
         }},
        {"host",
         [](QPainter& p) {
             Forma(p, colore::grigio.lighter(120));
             p.drawRoundedRect(QRectF(3, 4, 26, 18), 2, 2);
             p.setPen(Qt::NoPen);
             p.setBrush(colore::blu);
             p.drawRect(QRectF(6, 7, 20, 12));
             Forma(p, colore::grigio.lighter(120));
             Poligono(p, {QPointF(13, 22), QPointF(19, 22), QPointF(20, 26), QPointF(12, 26)});
             p.drawRoundedRect(QRectF(8, 26, 16, 3), 1, 1);
         }},
        {"zoom_on",
         [](QPainter& p) {
             Lente(p);
             Piu(p, QPointF(13, 13), 4.5, colore::inchiostro);
         }},
        {"zoom_off",
         [](QPainter& p) {
             Lente(p);
             Meno(p, QPointF(13, 13), 4.5, colore::inchiostro);
         }},
        {"calendar",
         [](QPainter& p) {
             Calendario(p, QRectF(3, 5, 26, 24));
             p.setPen(Qt::NoPen);
             p.setBrush(colore::grigio);
             for (int r = 0; r < 3; ++r)
                 for (int c = 0; c < 4; ++c) p.drawRect(QRectF(6.5 + c * 5.2, 14 + r * 4.6, 3.2, 3));
             p.setBrush(colore::rosso);
             p.drawRect(QRectF(6.5 + 2 * 5.2, 14 + 4.6, 3.2, 3));
         }},
        {"rung_move_up",
         [](QPainter& p) {
             Rung(p, 23);
             Freccia(p, QPointF(16, 16), QPointF(16, 1.5), colore::blu);
         }},
        {"rung_move_down",
         [](QPainter& p) {
             Rung(p, 9);
             Freccia(p, QPointF(16, 16), QPointF(16, 30.5), colore::blu);
         }},
        {"rung_copy",
         [](QPainter& p) {
             Pagina(p, QRectF(3, 3, 16, 20), 5);
             Righe(p, 6, 15, 10, 3, 4);
             Pagina(p, QRectF(12, 9, 16, 20), 5);
             Righe(p, 15, 24, 16, 3, 4);
         }},
        {"rung_paste",
         [](QPainter& p) {
             Forma(p, colore::giallo.darker(125));
             p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
             Forma(p, colore::grigio.lighter(125));
             p.drawRoundedRect(QRectF(9, 2.5, 10, 5), 1.5, 1.5);
             Pagina(p, QRectF(13, 12, 15, 18), 5);
             Righe(p, 16, 24, 19, 3, 3.6);
         }},
        {"rung_redo",
         [](QPainter& p) {
             // A turn to the left: back to the rung as it was.
             p.setPen(QPen(colore::blu, 3.4, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(6, 7, 20, 20), -60 * 16, 250 * 16);
             Forma(p, colore::blu, colore::blu.darker(140), 1.2);
             Poligono(p, {QPointF(2.5, 14), QPointF(12.5, 14), QPointF(7, 22)});
         }},
        {"disp_label",
         [](QPainter& p) {
             Testo(p, QRectF(1, 1, 30, 26), QStringLiteral("A"), 24, colore::inchiostro);
             p.setPen(Penna(colore::blu, 2.4));
             p.drawLine(QPointF(6, 28), QPointF(26, 28));
         }},
        {"disp_number",
         [](QPainter& p) {
             Forma(p, colore::carta);
             p.drawRoundedRect(QRectF(2, 7, 28, 18), 2, 2);
             Testo(p, QRectF(2, 7, 28, 18), QStringLiteral("123"), 12.5, colore::blu);
         }},
        {"disp_image",
         [](QPainter& p) {
             Forma(p, colore::azzurro.lighter(112));
             p.drawRoundedRect(QRectF(3, 5, 26, 22), 2, 2);
             Forma(p, colore::verde, colore::verde.darker(140), 1.2);
             Poligono(p, {QPointF(4, 26), QPointF(12, 15), QPointF(18, 21), QPointF(22, 17), QPointF(28, 26)});
             p.setPen(Qt::NoPen);
             p.setBrush(colore::giallo);
             p.drawEllipse(QPointF(22.5, 10.5), 3, 3);
         }},
        {"disp_clock",
         [](QPainter& p) {
             Forma(p, colore::carta, colore::inchiostro, 2);
             p.drawEllipse(QPointF(16, 16), 13, 13);
             p.setPen(Penna(colore::grigio, 1.6));
             for (int i = 0; i < 12; ++i) {
                 const qreal a = i * M_PI / 6;
                 p.drawLine(QPointF(16 + 10 * std::cos(a), 16 + 10 * std::sin(a)),
                            QPointF(16 + 11.5 * std::cos(a), 16 + 11.5 * std::sin(a)));
             }
             p.setPen(Penna(colore::inchiostro, 2.2));
             p.drawLine(QPointF(16, 16), QPointF(16, 8));
             p.drawLine(QPointF(16, 16), QPointF(22, 19));
         }},
        {"disp_date",
         [](QPainter& p) {
             Calendario(p, QRectF(4, 5, 24, 24));
             Testo(p, QRectF(4, 11, 24, 18), QStringLiteral("31"), 12, colore::inchiostro);
         }},
        {"disp_led",
         [](QPainter& p) {
             p.setPen(Penna(colore::grigio.darker(120), 2));
             p.drawLine(QPointF(12.5, 22), QPointF(12.5, 30));
             p.drawLine(QPointF(19.5, 22), QPointF(19.5, 28));
             QRadialGradient g(QPointF(13.5, 10), 12);
             g.setColorAt(0, colore::rosso.lighter(170));
             g.setColorAt(1, colore::rosso);
             p.setPen(Penna(colore::rosso.darker(150), 1.4));
             p.setBrush(g);
             QPainterPath corpo;
             corpo.moveTo(8, 22);
             corpo.lineTo(8, 12);
             corpo.arcTo(QRectF(8, 4, 16, 16), 180, -180);
             corpo.lineTo(24, 22);
             corpo.closeSubpath();
             p.drawPath(corpo);
             Forma(p, colore::rosso.darker(120), colore::rosso.darker(150), 1.4);
             p.drawRect(QRectF(6, 21, 20, 3));
         }},
        {"disp_progBar",
         [](QPainter& p) {
             Forma(p, colore::carta);
             p.drawRoundedRect(QRectF(2, 10, 28, 12), 2, 2);
             p.setPen(Qt::NoPen);
             p.setBrush(colore::verde);
             p.drawRoundedRect(QRectF(4, 12, 16, 8), 1, 1);
         }},
        {"disp_Line",
         [](QPainter& p) {
             p.setPen(Penna(colore::inchiostro, 2.6));
             p.drawLine(QPointF(6, 26), QPointF(26, 6));
             Forma(p, colore::blu, colore::blu.darker(140), 1.2);
             p.drawEllipse(QPointF(6, 26), 3, 3);
             p.drawEllipse(QPointF(26, 6), 3, 3);
         }},
        {"flag_ita",
         [](QPainter& p) {
             const QRectF r(2, 7, 28, 18);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0, 146, 70));
             p.drawRect(QRectF(r.left(), r.top(), r.width() / 3, r.height()));
             p.setBrush(colore::bianco);
             p.drawRect(QRectF(r.left() + r.width() / 3, r.top(), r.width() / 3, r.height()));
             p.setBrush(QColor(206, 43, 55));
             p.drawRect(QRectF(r.left() + 2 * r.width() / 3, r.top(), r.width() / 3, r.height()));
             p.setBrush(Qt::NoBrush);
             p.setPen(Penna(colore::grigio, 1));
             p.drawRect(r);
         }},
        {"flag_eng",
         [](QPainter& p) {
             const QRectF r(2, 7, 28, 18);
             p.save();
             p.setClipRect(r);
             p.fillRect(r, QColor(1, 33, 105));
             p.setPen(QPen(colore::bianco, 4.5));
             p.drawLine(r.topLeft(), r.bottomRight());
             p.drawLine(r.bottomLeft(), r.topRight());
             p.setPen(QPen(QColor(200, 16, 46), 1.6));
             p.drawLine(r.topLeft(), r.bottomRight());
             p.drawLine(r.bottomLeft(), r.topRight());
             p.setPen(QPen(colore::bianco, 6));
             p.drawLine(QPointF(16, r.top()), QPointF(16, r.bottom()));
             p.drawLine(QPointF(r.left(), 16), QPointF(r.right(), 16));
             p.setPen(QPen(QColor(200, 16, 46), 3.4));
             p.drawLine(QPointF(16, r.top()), QPointF(16, r.bottom()));
             p.drawLine(QPointF(r.left(), 16), QPointF(r.right(), 16));
             p.restore();
             p.setBrush(Qt::NoBrush);
             p.setPen(Penna(colore::grigio, 1));
             p.drawRect(r);
         }},
        // The scheduler's list keys, OK and task types.
        {"lista_nuovo",
         [](QPainter& p) {
             Elenco(p);
             Forma(p, colore::bianco, colore::verde.darker(130), 1.2);
             p.drawEllipse(QPointF(23, 23), 7, 7);
             Piu(p, QPointF(23, 23), 4);
         }},
        {"lista_cancella",
         [](QPainter& p) {
             Elenco(p);
             Forma(p, colore::bianco, colore::rosso.darker(130), 1.2);
             p.drawEllipse(QPointF(23, 23), 7, 7);
             p.setPen(QPen(colore::rosso, 3, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(20, 20), QPointF(26, 26));
             p.drawLine(QPointF(26, 20), QPointF(20, 26));
         }},
        {"lista_su", [](QPainter& p) { Freccia(p, QPointF(16, 29), QPointF(16, 3), colore::blu); }},
        {"lista_giu", [](QPainter& p) { Freccia(p, QPointF(16, 3), QPointF(16, 29), colore::blu); }},
        {"conferma",
         [](QPainter& p) {
             Forma(p, colore::verde, colore::verde.darker(140), 1.4);
             p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
             p.setPen(QPen(colore::bianco, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23.5, 10.5)}));
         }},
        {"task_logger",
         [](QPainter& p) {
             // A store of records: a drum of three bands.
             for (int i = 2; i >= 0; --i) {
                 const qreal y = 8 + i * 7;
                 Forma(p, i % 2 ? colore::azzurro : colore::azzurro.lighter(112));
                 QPainterPath banda;
                 banda.moveTo(5, y);
                 banda.lineTo(5, y + 7);
                 banda.arcTo(QRectF(5, y + 3, 22, 8), 180, 180);
                 banda.lineTo(27, y);
                 p.drawPath(banda);
             }
             Forma(p, colore::azzurro.lighter(125));
             p.drawEllipse(QRectF(5, 4, 22, 8));
         }},
        {"task_trend",
         [](QPainter& p) {
             p.setPen(Penna(colore::inchiostro, 2));
             p.drawPolyline(QPolygonF({QPointF(4, 3), QPointF(4, 28), QPointF(29, 28)}));
             p.setPen(Penna(colore::grigio, 1));
             for (qreal y : {9.0, 16.0, 23.0}) p.drawLine(QPointF(6, y), QPointF(28, y));
             p.setPen(Penna(colore::rosso, 2.6));
             p.drawPolyline(QPolygonF({QPointF(6, 22), QPointF(11, 17), QPointF(15, 20), QPointF(20, 9),
                                       QPointF(24, 13), QPointF(28, 6)}));
         }},
        {"task_messaggio",
         [](QPainter& p) {
             Forma(p, colore::carta);
             p.drawRoundedRect(QRectF(3, 7, 26, 18), 2, 2);
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF({QPointF(4, 8.5), QPointF(16, 18), QPointF(28, 8.5)}));
             p.setPen(Penna(colore::grigio, 1.2));
             p.drawLine(QPointF(4, 24), QPointF(12.5, 16.5));
             p.drawLine(QPointF(28, 24), QPointF(19.5, 16.5));
         }},
    };
    return d;
}

// The program icon: the controller with a ladder on its face.
void DisegnaProgramma(QPainter& p)
{
    QLinearGradient g(0, 2, 0, 30);
    g.setColorAt(0, colore::blu.lighter(125));
    g.setColorAt(1, colore::blu.darker(125));
    p.setPen(Penna(colore::inchiostro, 1.4));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
    p.setPen(Penna(colore::bianco, 1.8));
    p.drawLine(QPointF(8, 8), QPointF(8, 24));
    p.drawLine(QPointF(24, 8), QPointF(24, 24));
    p.drawLine(QPointF(8, 12), QPointF(24, 12));
    p.drawLine(QPointF(8, 20), QPointF(24, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(colore::giallo);
    p.drawRect(QRectF(13.5, 10, 5, 4));
    p.setBrush(colore::verde.lighter(140));
    p.drawRect(QRectF(13.5, 18, 5, 4));
}

// Greys a picture out the way disabled buttons look: luminance only, faded.
void Spegni(QImage& img)
{
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = riga[x];
            const int a = qAlpha(c) * 45 / 100;
            const int l = qGray(c) * 45 / 100;   // premultiplied: scale with alpha
            riga[x] = qRgba(l, l, l, a);
        }
    }
}

class MotoreImmagine : public QIconEngine {
public:
    explicit MotoreImmagine(Disegno d) : m_disegno(std::move(d)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode modo, QIcon::State stato) override
    {
        const qreal dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        p->drawPixmap(r, scaledPixmap((QSizeF(r.size()) * dpr).toSize(), modo, stato, dpr));
    }

    QPixmap pixmap(const QSize& s, QIcon::Mode modo, QIcon::State stato) override
    {
        return scaledPixmap(s, modo, stato, 1.0);
    }

    // QIcon hands over the size already in device pixels.
    QPixmap scaledPixmap(const QSize& px, QIcon::Mode modo, QIcon::State, qreal scala) override
    {
        if (px.isEmpty()) return QPixmap();
        // Width, height and mode packed in one number: this runs on every repaint.
        const quint64 chiave = quint64(px.width()) << 32 | quint64(px.height()) << 8 | quint64(modo);
        auto it = m_cache.constFind(chiave);
        if (it != m_cache.constEnd()) {
            QPixmap pm = *it;
            pm.setDevicePixelRatio(scala);
            return pm;
        }
        QImage img(px, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            const qreal lato = qMin(px.width(), px.height());
            p.translate((px.width() - lato) / 2.0, (px.height() - lato) / 2.0);
            p.scale(lato / 32.0, lato / 32.0);
            m_disegno(p);
        }
        if (modo == QIcon::Disabled) Spegni(img);
        QPixmap pm = QPixmap::fromImage(img);
        m_cache.insert(chiave, pm);
        pm.setDevicePixelRatio(scala);
        return pm;
    }

    QSize actualSize(const QSize& s, QIcon::Mode, QIcon::State) override { return s; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QIconEngine* clone() const override { return new MotoreImmagine(m_disegno); }
    QString key() const override { return QStringLiteral("Immagini"); }

private:
    Disegno m_disegno;
    QHash<quint64, QPixmap> m_cache;
};

} // namespace

QIcon DisegnaImmagine(const QString& chiave)
{
    auto it = Disegni().constFind(chiave);
    if (it == Disegni().constEnd()) return QIcon();
    return QIcon(new MotoreImmagine(*it));
}

QStringList ChiaviImmagini()
{
    return Disegni().keys();
}

QIcon IconaRisorsa(int id)
{
    // 142 and 143: the add and remove keys of the watch window.
    if (id == 142 || id == 143)
        return QIcon(new MotoreImmagine([piu = id == 142](QPainter& p) {
            p.setPen(Penna(piu ? colore::verde : colore::rosso, 5));
            p.drawLine(QPointF(7, 16), QPointF(25, 16));
            if (piu) p.drawLine(QPointF(16, 7), QPointF(16, 25));
        }));
    if (TastoDisplay(id))
        return QIcon(new MotoreImmagine([id](QPainter& p) { DisegnaTastoDisplay(p, id); }));
    if (id != 300 && id != 301) return QIcon();
    return QIcon(new MotoreImmagine(DisegnaProgramma));
}
