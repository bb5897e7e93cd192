#include "blockeditor/IconeBlocchi.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace {
enum Tinta { Comm, Mat, Bit, Conf, Flusso, Tempo, Schermo, Altro };

struct Disegno {
    const char* simbolo;   // UTF-8
    Tinta tinta;
};

// Index = picture number.
const Disegno kDisegni[65] = {
    {"", Altro},          // 0 none
    {"RI", Comm},         // 1 Read Input
    {"W", Comm},          // 2 Write
    {"MOV", Mat},         // 3 Move
    {"RH", Comm},         // 4 Read Holding
    {"SCL", Mat},         // 5 Scale
    {"\u221A", Mat},      // 6 SQRT
    {"A>B", Conf},        // 7 A>B (the comparison 51 is a bare ">")
    {"RD", Comm},         // 8 Read Device
    {"WD", Comm},         // 9 Write Device
    {"CMP", Conf},        // 10 Compare
    {"GO", Flusso},       // 11 Goto
    {"?GO", Flusso},      // 12 If(bit) -> Goto
    {"CALL", Flusso},     // 13 Call
    {"RET", Flusso},      // 14 Return
    {"T", Tempo},         // 15 Timer
    {"?", Altro},         // 16
    {"+", Mat},           // 17 Add
    {"\u2212", Mat},      // 18 Sub
    {"?", Altro},         // 19
    {"TRP", Conf},        // 20 Trip
    {"\u00D7", Mat},      // 21 Mult
    {"\u00F7", Mat},      // 22 Div
    {"AND", Bit},         // 23
    {"OR", Bit},          // 24
    {"XOR", Bit},         // 25
    {"NOT", Bit},         // 26
    {"\u00BB", Bit},      // 27 Shift R
    {"\u00AB", Bit},      // 28 Shift L
    {"\u21BB", Bit},      // 29 Rotate R
    {"\u21BA", Bit},      // 30 Rotate L
    {"AVG", Mat},         // 31 Average
    {"LIN", Mat},         // 32 Linearization
    {"", Altro},          // 33 does not exist
    {"|x|", Mat},         // 34 ABS
    {"&", Bit},           // 35 AND(bit)
    {"|", Bit},           // 36 OR(bit)
    {"^", Bit},           // 37 XOR(bit)
    {"S", Bit},           // 38 Bit Set
    {"R", Bit},           // 39 Bit Reset
    {"e\u02E3", Mat},     // 40 e^(x)
    {"x\u02B8", Mat},     // 41 x^y
    {"LOG", Schermo},     // 42 Log Write
    {"?", Altro},         // 43
    {"?CALL", Flusso},    // 44 If(bit) -> Call
    {"PAGE", Schermo},    // 45 Call Page
    {"REF", Schermo},     // 46 Display Refresh
    {"WDT", Flusso},      // 47 Clear WatchDog
    {"BMOV", Mat},        // 48 Block Move
    {"=", Conf},          // 49
    {"\u2260", Conf},     // 50
    {">", Conf},          // 51
    {"<", Conf},          // 52
    {"\u2265", Conf},     // 53
    {"\u2264", Conf},     // 54
    {"LIM", Conf},        // 55 Limit (Int)
    {"LIM\u0305", Conf},  // 56 Limit (Ext)
    {"PID", Mat},         // 57
    {"\u2191", Bit},      // 58 POS
    {"\u2193", Bit},      // 59 NEG
    {"T\u2191", Bit},     // 60 TOGGLE up
    {"T\u2193", Bit},     // 61 TOGGLE down
    {"RC", Comm},         // 62 Read Coils
    {"WC", Comm},         // 63 Write Coils
    {"W1", Comm},         // 64 Write Coil
};

QColor ColoreTinta(Tinta t)
{
    switch (t) {
    case Comm: return QColor(0x9B, 0xE8, 0x9B);
    case Mat: return QColor(0xF5, 0xE6, 0x7A);
    case Bit: return QColor(0x8F, 0xE3, 0xE8);
    case Conf: return QColor(0xF5, 0xC0, 0x85);
    case Flusso: return QColor(0xA9, 0xC8, 0xF0);
    case Tempo: return QColor(0xE5, 0x9A, 0xE5);
    case Schermo: return QColor(0xF0, 0x8C, 0x8C);
    default: return QColor(0xD8, 0xD8, 0xD8);
    }
}

class MotoreIcona : public QIconEngine {
public:
    explicit MotoreIcona(int numero) : m_numero(numero) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const Disegno& d = kDisegni[m_numero];
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::TextAntialiasing);
        const qreal s = std::min(rect.width(), rect.height());
        const QRectF q(rect.x() + (rect.width() - s) / 2, rect.y() + (rect.height() - s) / 2, s, s);
        const qreal tratto = std::max<qreal>(1.0, s / 24);
        QColor bordo(40, 40, 48);
        QColor fondo = ColoreTinta(d.tinta);
        if (mode == QIcon::Disabled) {
            bordo = QColor(150, 150, 150);
            fondo = QColor(225, 225, 225);
        }
        // Connections on both sides, as the block sits in its rung.
        p->setPen(QPen(bordo, tratto, Qt::SolidLine, Qt::RoundCap));
        const qreal ym = q.center().y();
        p->drawLine(QPointF(q.left(), ym), QPointF(q.left() + s * 0.14, ym));
        p->drawLine(QPointF(q.right() - s * 0.14, ym), QPointF(q.right(), ym));
        const QRectF corpo = q.adjusted(s * 0.14, s * 0.12, -s * 0.14, -s * 0.12);
        p->setBrush(fondo);
        p->drawRoundedRect(corpo, s * 0.08, s * 0.08);

        // The symbol, as large as the body allows.
        const QString testo = QString::fromUtf8(d.simbolo);
        QFont f = p->font();
        f.setBold(true);
        f.setPixelSize(std::max(1, int(corpo.height() * 0.62)));
        QFontMetricsF m(f);
        const qreal larghezza = m.horizontalAdvance(testo);
        const qreal spazio = corpo.width() * 0.88;
        if (larghezza > spazio) f.setPixelSize(std::max(1, int(f.pixelSize() * spazio / larghezza)));
        p->setFont(f);
        p->setPen(bordo);
        p->drawText(corpo, Qt::AlignCenter, testo);
        p->restore();
    }

    QIconEngine* clone() const override { return new MotoreIcona(m_numero); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scala) override
    {
        // `size` is in device pixels; the drawing works in logical ones.
        QPixmap pm(size);
        pm.setDevicePixelRatio(scala);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), (QSizeF(size) / scala).toSize()), mode, state);
        return pm;
    }

private:
    int m_numero;
};
} // namespace

bool EsisteIconaBlocco(int icona)
{
    return icona >= 1 && icona <= 64 && icona != 33;
}

QString ChiaveIconaBlocco(int icona)
{
    return QStringLiteral("blocco") + QString::number(icona);
}

QIcon IconaBlocco(int icona)
{
    if (!EsisteIconaBlocco(icona)) return QIcon();
    return QIcon(new MotoreIcona(icona));
}

QIcon IconaBloccoDaChiave(const QString& chiave)
{
    if (!chiave.startsWith(QLatin1String("blocco"))) return QIcon();
    bool ok = false;
    const int n = chiave.mid(6).toInt(&ok);
    return ok ? IconaBlocco(n) : QIcon();
}
