#include "blockeditor/SchedeFunzioni.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

SchedeFunzioni::SchedeFunzioni(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

int SchedeFunzioni::addTab(const QString& testo)
{
    m_testi.append(testo);
    if (m_corrente < 0) setCurrentIndex(0);
    update();
    return count() - 1;
}

void SchedeFunzioni::removeTab(int indice)
{
    if (indice < 0 || indice >= count()) return;
    m_testi.removeAt(indice);
    if (m_corrente >= count()) m_corrente = count() - 1;
    update();
    emit currentChanged(m_corrente);
}

QString SchedeFunzioni::tabText(int indice) const
{
    return indice >= 0 && indice < count() ? m_testi[indice] : QString();
}

void SchedeFunzioni::setCurrentIndex(int indice)
{
    if (indice < 0 || indice >= count() || indice == m_corrente) return;
    m_corrente = indice;
    update();
    emit currentChanged(indice);
}

QRect SchedeFunzioni::tabRect(int indice) const
{
    const int righe = std::max(1, (count() + kColonne - 1) / kColonne);
    const int r = indice / kColonne, c = indice % kColonne;
    const int x0 = c * width() / kColonne, x1 = (c + 1) * width() / kColonne;
    const int y0 = r * height() / righe, y1 = (r + 1) * height() / righe;
    return QRect(x0, y0, x1 - x0, y1 - y0).adjusted(1, 1, -1, -1);
}

QSize SchedeFunzioni::sizeHint() const
{
    const int righe = std::max(1, (count() + kColonne - 1) / kColonne);
    return QSize(kColonne * 80, righe * (fontMetrics().height() + 10));
}

void SchedeFunzioni::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    for (int i = 0; i < count(); ++i) {
        const bool scelta = i == m_corrente;
        const QRectF r = QRectF(tabRect(i)).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(scelta ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid), scelta ? 2 : 1));
        p.setBrush(scelta ? pal.color(QPalette::Base) : pal.color(QPalette::Button));
        p.drawRoundedRect(r, 4, 4);
        QFont f = font();
        f.setBold(scelta);
        p.setFont(f);
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(r, Qt::AlignCenter, m_testi[i]);
        if (scelta && hasFocus()) {
            p.setPen(QPen(pal.color(QPalette::ButtonText), 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 2, 2);
        }
    }
}

void SchedeFunzioni::mousePressEvent(QMouseEvent* e)
{
    for (int i = 0; i < count(); ++i)
        if (tabRect(i).contains(e->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    QWidget::mousePressEvent(e);
}

void SchedeFunzioni::keyPressEvent(QKeyEvent* e)
{
    int passo = 0;
    switch (e->key()) {
    case Qt::Key_Left: passo = -1; break;
    case Qt::Key_Right: passo = 1; break;
    case Qt::Key_Up: passo = -kColonne; break;
    case Qt::Key_Down: passo = kColonne; break;
    default: QWidget::keyPressEvent(e); return;
    }
    setCurrentIndex(std::clamp(m_corrente + passo, 0, count() - 1));
}
