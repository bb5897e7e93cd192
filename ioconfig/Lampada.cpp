#include "ioconfig/Lampada.h"

#include "shell/Colori.h"

#include <QPainter>

Lampada::Lampada(bool rotonda, uint32_t colore, QWidget* parent) : QWidget(parent), m_rotonda(rotonda), m_colore(colore)
{
    setFixedSize(16, 16);
}

void Lampada::ImpostaColore(uint colore)
{
    if (colore == m_colore) return;
    m_colore = colore;
    update();
}

void Lampada::ImpostaPiena(bool piena)
{
    if (piena == m_piena) return;
    m_piena = piena;
    update();
}

void Lampada::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = ColoreBgr(m_colore);
    p.setPen(QPen(!isEnabled() ? QColor(Qt::gray) : m_piena ? QColor(Qt::black) : c, m_piena ? 1 : 2));
    p.setBrush(m_piena ? QBrush(c) : QBrush(Qt::NoBrush));
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    if (m_rotonda) p.drawEllipse(r);
    else p.drawRect(r);
}
