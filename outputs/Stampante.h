#pragma once
// What the listing needs of a printer, in twips on the page: the page size,
// the font (size in points, bold), the height of one line, text, rules,
// block icons and page breaks. StampantePagine puts it on paper or PDF;
// tests record it.
#include <QString>

class Stampante {
public:
    virtual ~Stampante() = default;
    virtual int LarghezzaPagina() const = 0;
    virtual int AltezzaPagina() const = 0;
    virtual void Carattere(int punti, bool grassetto) = 0;
    // Height of one line of text in the current font.
    virtual int AltezzaTesto() const = 0;
    virtual void Testo(const QString& testo, int x, int y) = 0;
    virtual void Linea(int x1, int y1, int x2, int y2) = 0;
    virtual void Icona(int icona, int x, int y, int larghezza, int altezza) = 0;
    // False when the page could not be started (the listing then ends).
    virtual bool NuovaPagina() = 0;
};
