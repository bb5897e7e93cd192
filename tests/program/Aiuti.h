#pragma once
// Shared steps of the program editor tests: toolbar clicks, a small program
// with recognisable rungs, and a check that the rows in view show the records.
#include "base/Globali.h"
#include "program/Agganci.h"
#include "program/Program.h"
#include "program/Programmi.h"
#include "program/RigaProgramma.h"
#include "shell/ComandiBarra.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

namespace Aiuti {

inline void Tasto(const char* chiave)
{
    Toolbar1_ButtonClick(QString::fromLatin1(chiave));
}

inline bool Abilitato(const char* chiave)
{
    QAction* a = Principale::Istanza()->Pulsante(QString::fromLatin1(chiave));
    return a && a->isEnabled();
}

inline Programma& Attuale()
{
    return Programmi[ProgCorrente];
}

// A new project, then rungs 1..n labelled L1..Ln with descriptions D1..Dn
// and a block of class i each.
inline void Prepara(int n)
{
    ProgettoModificato = false;
    Tasto("proj_new");
    for (int i = 1; i < n; ++i) Tasto("rung_add_after");
    for (int i = 1; i <= n; ++i) {
        Rung& r = Attuale().Rung[i];
        r.Classe = int16_t(i);
        r.Valido = true;
        r.Etichetta = QStringLiteral("L%1").arg(i);
        r.Descrizione = QStringLiteral("D%1").arg(i);
        r.ArgTesto[0] = QStringLiteral("R%1").arg(i);
        r.Riga.Funzione = QStringLiteral("F%1").arg(i);
        NotificaRigaRung(ProgCorrente, i);
    }
    Attuale().Rung[0] = Rung{};
    ProgettoModificato = false;   // as a project just loaded
}

// Labels of rungs 1..NumRung of the current process, "_" for none.
inline QString Firma()
{
    QStringList out;
    for (int i = 1; i <= Attuale().NumRung; ++i) {
        const QString& e = Attuale().Rung[i].Etichetta;
        out << (e.isEmpty() ? QStringLiteral("_") : e);
    }
    return out.join(QLatin1Char(' '));
}

template <class T> T* Controllo(const QString& nome)
{
    Program* w = FinestraProgramma(false);
    return w ? w->findChild<T*>(nome) : nullptr;
}

// Every row in view shows its rung record and only the current rung is framed.
inline QString RigheCoerenti()
{
    Program* w = FinestraProgramma(false);
    if (!w) return QStringLiteral("no window");
    int viste = 0;
    for (int k = 1; k <= Attuale().NumRung; ++k) {
        RigaProgramma* r = w->Riga(k);
        if (!r) continue;
        ++viste;
        const Rung& g = Attuale().Rung[k];
        if (r->objectName() != QStringLiteral("Bordo_%1").arg(k)) return QStringLiteral("name %1").arg(k);
        if (r->txt_Label->text() != g.Etichetta) return QStringLiteral("label %1").arg(k);
        if (r->txt_Func->text() != g.Riga.Funzione) return QStringLiteral("block %1").arg(k);
        if (r->txt_desc->text() != g.Descrizione) return QStringLiteral("description %1").arg(k);
        if (r->img_Break->isHidden() == g.Break) return QStringLiteral("break %1").arg(k);
        const bool rosso = r->palette().color(QPalette::Window) == QColor(Qt::red);
        if (rosso != (k == RungCorrente)) return QStringLiteral("frame %1").arg(k);
    }
    if (Attuale().NumRung > 0 && viste == 0) return QStringLiteral("no row in view");
    return QString();
}

} // namespace Aiuti
