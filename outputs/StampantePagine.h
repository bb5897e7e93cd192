#pragma once
// A Stampante over a paged device (a QPrinter, or a QPdfWriter): twips are
// turned into the device's resolution once, in the painter's transform, and
// text is sized in twips too, so it prints at its points on any device.
#include "outputs/Stampante.h"

#include <QPainter>

class QPagedPaintDevice;

class StampantePagine : public Stampante {
public:
    explicit StampantePagine(QPagedPaintDevice& dispositivo);
    // One page on any device (a picture of the page at its resolution); the
    // listing ends where a second page would start.
    explicit StampantePagine(QPaintDevice& dispositivo);
    // False when the device could not be opened for painting.
    bool Attiva() const { return m_painter.isActive(); }
    // Ends the document (sends what was printed).
    void Chiudi();

    int LarghezzaPagina() const override;
    int AltezzaPagina() const override;
    void Carattere(int punti, bool grassetto) override;
    int AltezzaTesto() const override;
    void Testo(const QString& testo, int x, int y) override;
    void Linea(int x1, int y1, int x2, int y2) override;
    void Icona(int icona, int x, int y, int larghezza, int altezza) override;
    bool NuovaPagina() override;

private:
    QPaintDevice& m_dispositivo;
    QPagedPaintDevice* m_pagine = nullptr;
    QPainter m_painter;
    double m_scala = 1.0;   // device pixels per twip
};
