#include "display/TelaDisplay.h"

#include "display/AnteprimaDisplay.h"

#include <QMouseEvent>
#include <QPainter>

TelaDisplay::TelaDisplay(QWidget* padre) : QWidget(padre)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TelaDisplay::Svuota()
{
    m_elementi.clear();
    m_selezione = 0;
    update();
}

void TelaDisplay::Aggiungi(const OggettoDisplay& o)
{
    m_elementi.append(o);
    update();
}

void TelaDisplay::Seleziona(int n)
{
    m_selezione = n >= 1 && n <= Elementi() ? n : 0;
    update();
}

void TelaDisplay::MostraGriglia()
{
    m_griglia = true;
    update();
}

QPoint TelaDisplay::InTwips(const QPointF& punto) const
{
    return QPoint(int(punto.x() * Anteprima::Larghezza / qMax(1, width())),
                  int(punto.y() * Anteprima::Altezza / qMax(1, height())));
}

void TelaDisplay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(width() / Anteprima::Larghezza, height() / Anteprima::Altezza);
    Anteprima::DisegnaTela(p, m_elementi, m_selezione, m_griglia);
}

void TelaDisplay::mousePressEvent(QMouseEvent* e)
{
    const int n = Anteprima::ElementoIn(m_elementi, InTwips(e->position()));
    if (n) emit Cliccato(n);
}

void TelaDisplay::mouseMoveEvent(QMouseEvent* e)
{
    emit Puntatore(InTwips(e->position()));
}
