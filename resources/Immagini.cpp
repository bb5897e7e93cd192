#include "resources/Immagini.h"

#include <QPainter>
#include <QPixmap>

QIcon DisegnaImmagine(const QString& chiave)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 90), 2));
    p.setBrush(QColor(120, 160, 210));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 4, 4);
    p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter, chiave.left(1).toUpper());
    return QIcon(pm);
}
