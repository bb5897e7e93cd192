#pragma once
// The page preview without its window: where each object of a page lies on
// the 132 x 32 display in twips (41 a pixel across, 45 down), and how the
// page is painted. A painter set up in twips paints the same picture on the
// editor's canvas and on an offscreen image.
#include "display/Pagine.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace Anteprima {

constexpr double TwipX = 41;
constexpr double TwipY = 45;
constexpr double Larghezza = 132 * TwipX;   // 5412
constexpr double Altezza = 32 * TwipY;      // 1440
// The print row of a text, and the step between the characters of a
// vertical text (eight display pixels across).
constexpr double RigaTesto = -20;
constexpr double PassoVerticale = 328;

enum class Genere { Testo, Figura, Rettangolo, Immagine };

// One object's preview element. Positions inside it are relative to its
// top-left corner.
struct Elemento {
    Genere genere = Genere::Testo;
    QRectF rett;                    // on the canvas, twips
    // Text kinds: the text, its font size, the character cell and where each
    // printed piece starts (the whole text once, or one character each).
    QString testo;
    int punti = 0;
    QSizeF cella;
    QList<QPointF> stampe;
    bool verticale = false;
    int figura = 0;                 // display picture (400..409)
    QList<QRectF> bande;            // the Rectangle's border bands
};

Elemento ElementoOggetto(const OggettoDisplay& o);
// The object list line of object i (1-based): "[1] %R12".
QString RigaElenco(int i, const OggettoDisplay& o);

// Paints one element (painter in canvas twips).
void DisegnaElemento(QPainter& p, const OggettoDisplay& o);
// The display's face, the elements in order, the grid (6 x 8 pixel cells)
// when asked, and the border of element `selezione` (1-based; 0 none).
void DisegnaTela(QPainter& p, const QList<OggettoDisplay>& elementi, int selezione, bool griglia);
// The topmost element under `twips` (1-based), 0 for none.
int ElementoIn(const QList<OggettoDisplay>& elementi, const QPointF& twips);

} // namespace Anteprima
