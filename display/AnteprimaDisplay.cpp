#include "display/AnteprimaDisplay.h"

#include "resources/FigureDisplay.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace Anteprima {

namespace {

const QColor kFondo(196, 212, 168);     // the display's face
const QColor kGriglia(150, 168, 128);
const QColor kSelezione(30, 90, 200);

bool TipoTesto(uint8_t t) { return t <= OraMedia && t != Immagine; }

// Display rows of a text kind's font: large, small, medium within the family.
int Righe(uint8_t t)
{
    static constexpr int kRighe[3] = {32, 8, 16};
    return kRighe[t < Immagine ? t % 3 : (t - 7) % 3];
}

QString TestoOggetto(const OggettoDisplay& o)
{
    return o.TipoOgg <= NumeroMedio && o.TipoOgg >= NumeroGrande ? QStringLiteral("%R%1").arg(o.RegOgg) : o.FormatoOgg;
}

void Segna(QPainter& p, const QRectF& r)
{
    // A placeholder for a picture that cannot be read: a crossed box.
    p.save();
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(r);
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.restore();
}

} // namespace

Elemento ElementoOggetto(const OggettoDisplay& o)
{
    Elemento e;
    const QPointF alto(o.PosX * TwipX, o.PosY * TwipY);
    const QSizeF dimensione(o.DimX * TwipX, o.DimY * TwipY);
    if (TipoTesto(o.TipoOgg)) {
        const int righe = Righe(o.TipoOgg);
        e.genere = Genere::Testo;
        e.testo = TestoOggetto(o);
        e.punti = righe * 9 / 4;                    // 72, 18, 36 points
        // The display's character cell is 6 x 8 pixels, scaled with the font.
        e.cella = QSizeF(righe * 6 / 8.0 * TwipX, righe * TwipY);
        const double larghezza = e.testo.size() * e.cella.width();
        e.verticale = o.Direzione;
        if (!e.verticale) {
            e.rett = QRectF(alto, QSizeF(larghezza, e.cella.height()));
            e.stampe = {QPointF(0, RigaTesto)};
        } else {
            e.rett = QRectF(alto, QSizeF(e.cella.height(), larghezza));
            for (int j = 0; j < e.testo.size(); ++j) e.stampe.append(QPointF(0, PassoVerticale * j + RigaTesto));
        }
        // Texts stand one display row higher than their position.
        e.rett.translate(0, -TwipY);
        return e;
    }
    e.rett = QRectF(alto, dimensione);
    switch (o.TipoOgg) {
    case Grafico:
        e.genere = Genere::Figura;
        e.figura = 409;
        break;
    case BarraProgresso:
        e.genere = Genere::Figura;
        e.figura = o.Direzione ? 407 : 406;
        // The bar stands 6 % taller than its size; vertical, the axes swap.
        e.rett.setSize(o.Direzione ? QSizeF(o.DimY * TwipY, o.DimX * TwipX * 1.06)
                                   : QSizeF(o.DimX * TwipX, o.DimY * TwipY * 1.06));
        break;
    case Led32:
    case Led8:
    case Led16:
        e.genere = Genere::Figura;
        e.figura = o.TipoOgg == Led32 ? 404 : o.TipoOgg == Led8 ? 400 : 402;
        break;
    case Immagine:
        e.genere = Genere::Immagine;
        break;
    default: {
        e.genere = Genere::Rettangolo;
        // Four bands inside the box; the far edges lie one pixel in.
        const double fx = (o.DimX - 1) * TwipX, fy = (o.DimY - 1) * TwipY;
        const double sx = o.Spessore * TwipX, sy = o.Spessore * TwipY;
        e.bande = {QRectF(0, 0, fx, sy), QRectF(0, fy - sy, fx, sy), QRectF(0, 0, sx, fy), QRectF(fx - sx, 0, sx, fy)};
        break;
    }
    }
    return e;
}

QString RigaElenco(int i, const OggettoDisplay& o)
{
    QString testo;
    switch (o.TipoOgg) {
    case Immagine: testo = QStringLiteral("Image"); break;
    case Led32: case Led8: case Led16: testo = QStringLiteral("Picture"); break;
    case BarraProgresso: testo = QStringLiteral("ProgBar"); break;
    case Rettangolo: testo = QStringLiteral("Rect"); break;
    case Grafico: testo = QStringLiteral("Graph"); break;
    default: testo = TestoOggetto(o); break;
    }
    return QStringLiteral("[%1] %2").arg(i).arg(testo);
}

void DisegnaElemento(QPainter& p, const OggettoDisplay& o)
{
    const Elemento e = ElementoOggetto(o);
    p.save();
    p.translate(e.rett.topLeft());
    switch (e.genere) {
    case Genere::Testo: {
        QFont f(QStringLiteral("Monospace"));
        f.setStyleHint(QFont::TypeWriter);
        f.setPixelSize(qMax(1, int(e.cella.height() * 0.95)));
        p.setFont(f);
        p.setPen(Qt::black);
        // Character by character in the display's cells, so every font fits.
        auto carattere = [&](QChar c, QPointF dove) { p.drawText(QRectF(dove, e.cella), Qt::AlignCenter, QString(c)); };
        if (!e.verticale) {
            for (int k = 0; k < e.testo.size(); ++k)
                carattere(e.testo[k], e.stampe[0] + QPointF(k * e.cella.width(), 0));
        } else {
            for (int k = 0; k < e.testo.size(); ++k) carattere(e.testo[k], e.stampe[k]);
        }
        break;
    }
    case Genere::Figura:
        DisegnaFigura(p, e.figura, QRectF(QPointF(0, 0), e.rett.size()));
        break;
    case Genere::Rettangolo:
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (const QRectF& b : e.bande) p.drawRect(b);
        break;
    case Genere::Immagine: {
        const QRectF r(QPointF(0, 0), e.rett.size());
        const QImage img(o.FormatoOgg);
        if (img.isNull())
            Segna(p, r);
        else
            p.drawImage(r, img);
        break;
    }
    }
    p.restore();
}

void DisegnaTela(QPainter& p, const QList<OggettoDisplay>& elementi, int selezione, bool griglia)
{
    p.save();
    p.setClipRect(QRectF(0, 0, Larghezza, Altezza));
    p.fillRect(QRectF(0, 0, Larghezza, Altezza), kFondo);
    for (const OggettoDisplay& o : elementi) DisegnaElemento(p, o);
    if (griglia) {
        p.setPen(QPen(kGriglia, 0));
        for (int x = 0; x <= 132; x += 6) p.drawLine(QPointF(x * TwipX, 0), QPointF(x * TwipX, Altezza));
        for (int y = 0; y <= 32; y += 8) p.drawLine(QPointF(0, y * TwipY), QPointF(Larghezza, y * TwipY));
    }
    if (selezione >= 1 && selezione <= elementi.size()) {
        p.setPen(QPen(kSelezione, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(ElementoOggetto(elementi[selezione - 1]).rett);
    }
    p.restore();
}

int ElementoIn(const QList<OggettoDisplay>& elementi, const QPointF& twips)
{
    for (int i = int(elementi.size()); i >= 1; --i)
        if (ElementoOggetto(elementi[i - 1]).rett.contains(twips)) return i;
    return 0;
}

} // namespace Anteprima
