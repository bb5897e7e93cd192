#pragma once
// A printer that records what the listing does, in order: texts, rules
// ("-"), page breaks ("#") and block pictures ("@" and the picture number).
// Lines are 20 twips a point high, so positions are easy to follow.
#include "outputs/Stampante.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Test {

struct Voce {
    QString testo;
    int x, y, pagina, punti;
    bool grassetto;
};

struct Registratore : Stampante {
    int altezza = 16000;
    int punti = 0;
    bool grassetto = false;
    int pagina = 1;
    QList<Voce> voci;
    int LarghezzaPagina() const override { return 8200; }
    int AltezzaPagina() const override { return altezza; }
    void Carattere(int p, bool g) override { punti = p, grassetto = g; }
    int AltezzaTesto() const override { return 20 * punti; }
    void Testo(const QString& t, int x, int y) override { voci << Voce{t, x, y, pagina, punti, grassetto}; }
    void Linea(int x1, int y1, int, int) override { voci << Voce{"-", x1, y1, pagina, punti, grassetto}; }
    void Icona(int i, int x, int y, int, int) override { voci << Voce{"@" + QString::number(i), x, y, pagina, punti, grassetto}; }
    bool NuovaPagina() override
    {
        voci << Voce{"#", 0, 0, ++pagina, punti, grassetto};
        return true;
    }
    QString Testi() const
    {
        QStringList t;
        for (const Voce& v : voci) t << v.testo;
        return t.join(u'|');
    }
};

} // namespace Test
