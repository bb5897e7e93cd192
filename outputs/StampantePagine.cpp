#include "outputs/StampantePagine.h"

#include "blockeditor/IconeBlocchi.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace {
constexpr double TwipPerPollice = 1440.0;
constexpr int TwipPerPunto = 20;
}

StampantePagine::StampantePagine(QPagedPaintDevice& dispositivo)
    : StampantePagine(static_cast<QPaintDevice&>(dispositivo))
{
    m_pagine = &dispositivo;
}

StampantePagine::StampantePagine(QPaintDevice& dispositivo) : m_dispositivo(dispositivo)
{
    if (!m_painter.begin(&dispositivo)) return;
    m_scala = dispositivo.logicalDpiY() / TwipPerPollice;
    m_painter.scale(m_scala, m_scala);
    m_painter.setPen(QPen(Qt::black, 0));
}

void StampantePagine::Chiudi()
{
    if (m_painter.isActive()) m_painter.end();
}

int StampantePagine::LarghezzaPagina() const
{
    return int(m_dispositivo.width() / m_scala);
}

int StampantePagine::AltezzaPagina() const
{
    return int(m_dispositivo.height() / m_scala);
}

void StampantePagine::Carattere(int punti, bool grassetto)
{
    // The device's default face; only size and weight change. A size in
    // points would be turned into device pixels and then scaled down again
    // by the painter's transform: the size goes in twips, as every position.
    QFont f = m_painter.font();
    f.setPixelSize(punti * TwipPerPunto);
    f.setBold(grassetto);
    m_painter.setFont(f);
}

int StampantePagine::AltezzaTesto() const
{
    return int(QFontMetricsF(m_painter.font(), &m_dispositivo).height() + 0.5);
}

void StampantePagine::Testo(const QString& testo, int x, int y)
{
    const QFontMetricsF m(m_painter.font(), &m_dispositivo);
    m_painter.drawText(QPointF(x, y + m.ascent()), testo);
}

void StampantePagine::Linea(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void StampantePagine::Icona(int icona, int x, int y, int larghezza, int altezza)
{
    // Drawn at the device's own resolution so it stays crisp on paper.
    const QIcon i = IconaBlocco(icona);
    if (i.isNull()) return;
    const QSize pixel(int(larghezza * m_scala), int(altezza * m_scala));
    const QPixmap p = i.pixmap(pixel);
    m_painter.drawPixmap(QRectF(x, y, larghezza, altezza), p, QRectF(p.rect()));
}

bool StampantePagine::NuovaPagina()
{
    return m_pagine && m_pagine->newPage();
}
