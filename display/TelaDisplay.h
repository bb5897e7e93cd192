#pragma once
// The page editor's canvas: the preview elements of the page last drawn,
// painted in twips through a view transform that fills the widget, so the
// picture stays sharp at any size and screen density.
#include "display/Pagine.h"

#include <QList>
#include <QWidget>

class TelaDisplay : public QWidget {
    Q_OBJECT
public:
    explicit TelaDisplay(QWidget* padre = nullptr);

    // Removes every element; the page itself is not touched.
    void Svuota();
    // Adds the element of one object on top of the others.
    void Aggiungi(const OggettoDisplay& o);
    int Elementi() const { return int(m_elementi.size()); }
    // Border on element n (1-based); 0, or an element that is not there, none.
    void Seleziona(int n);
    int Selezione() const { return m_selezione; }
    // The grid stays until the window closes; it is not part of the page.
    void MostraGriglia();
    bool Griglia() const { return m_griglia; }
    // Widget coordinates to canvas twips.
    QPoint InTwips(const QPointF& punto) const;

signals:
    void Cliccato(int elemento);        // 1-based
    void Puntatore(const QPoint& twips);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QList<OggettoDisplay> m_elementi;
    int m_selezione = 0;
    bool m_griglia = false;
};
