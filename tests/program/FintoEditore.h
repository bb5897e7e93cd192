#pragma once
// A block editor stand-in: records what the rung editor asks of it and, on
// confirm, stores a recognisable block into its target rung.
#include "base/Globali.h"
#include "program/Agganci.h"
#include "program/Programmi.h"
#include "support/Ambiente.h"

#include <QStringList>

struct FintoEditore : EditorBlocco {
    QStringList chiamate;
    int processo = -1, rung = -1, funzione = -1;
    std::array<QString, 8> argomenti;

    int FunzToOpt(int16_t classe, int16_t, uint8_t) override { return classe; }
    void ImpostaBersaglio(int p, int r) override { chiamate << QStringLiteral("bersaglio %1 %2").arg(processo = p).arg(rung = r); }
    void SelezionaFunzione(int i) override { chiamate << QStringLiteral("funzione %1").arg(funzione = i); }
    void ImpostaEtichetta(const QString& t) override { chiamate << QStringLiteral("etichetta ") + t; }
    void ImpostaArgomento(int riga, const QString& t) override { chiamate << QStringLiteral("arg %1 ").arg(riga) + (argomenti[riga] = t); }
    void ArgomentoClick(int riga) override { chiamate << QStringLiteral("click %1").arg(riga); }
    void ImpostaDelay(const QString& t) override { chiamate << QStringLiteral("delay ") + t; }
    void Mostra() override { chiamate << QStringLiteral("mostra"); }
    void Chiudi() override {}
    bool Conferma() override
    {
        chiamate << QStringLiteral("conferma");
        if (!BersaglioEsiste(processo, rung)) return false;
        Rung& r = Programmi[processo].Rung[rung];
        r.Classe = int16_t(funzione);
        r.Valido = true;
        std::copy(argomenti.begin(), argomenti.end(), r.ArgTesto.begin());
        r.Riga.Funzione = QStringLiteral("F%1").arg(funzione);
        NotificaRigaRung(processo, rung);
        ProgettoModificato = true;
        return true;
    }
    void Azzera() { *this = FintoEditore(); }
};

// Each test starts with a fresh prompt script and this editor installed.
inline void Ricomincia(Test::Copione& copione, FintoEditore& editore)
{
    copione = Test::Copione();
    copione.Installa();
    editore.Azzera();
    ImpostaEditorBlocco(&editore);
}
