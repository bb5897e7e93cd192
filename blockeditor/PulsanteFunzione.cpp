#include "blockeditor/PulsanteFunzione.h"

#include "base/Globali.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

PulsanteFunzione::PulsanteFunzione(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
}

QSize PulsanteFunzione::sizeHint() const
{
    return QSize(Twips(975), Twips(495));
}

void PulsanteFunzione::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fondo = Colore.isValid() ? Colore : palette().button().color();
    if (isChecked()) fondo = fondo.darker(125);
    p.setPen(QPen(isChecked() ? QColor(20, 20, 20) : QColor(110, 110, 110), isChecked() ? 2 : 1));
    p.setBrush(fondo);
    p.drawRoundedRect(r, 3, 3);
    // The caption wraps between words only; a long word makes the font
    // smaller rather than being broken in two.
    const QRectF area = r.adjusted(3, 1, -3, -1);
    QFont f = font();
    f.setBold(isChecked());
    qreal punti = f.pointSizeF() > 0 ? f.pointSizeF() * 0.9 : 8.0;
    const QStringList parole = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (; punti > 5.0; punti -= 0.5) {
        f.setPointSizeF(punti);
        const QFontMetricsF m(f);
        qreal parolaMax = 0;
        for (const QString& w : parole) parolaMax = std::max(parolaMax, m.horizontalAdvance(w));
        const QRectF occupato = m.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text());
        if (parolaMax <= area.width() && occupato.height() <= area.height()) break;
    }
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 2, 2);
    }
}
