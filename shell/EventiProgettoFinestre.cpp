#include "shell/EventiProgettoFinestre.h"

#include "program/Program.h"
#include "registers/Registri.h"
#include "shell/ComandiComuni.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "shell/NonDisponibile.h"
#include "shell/Principale.h"

#include <QAction>

namespace {
// Referring to a window loads it, and a loaded workspace window shows.
template <class T> T* Apri()
{
    const bool nuova = !Finestre::SeCaricata<T>();
    T* w = Finestre::Get<T>();
    if (nuova) Finestre::Cornice(w)->show();
    return w;
}
} // namespace

void EventiProgettoFinestre::AbilitaGruppo(const QString& gruppo, bool abilita)
{
    if (Principale::Esiste()) Principale::Istanza()->AbilitaPulsanti(gruppo, abilita);
}

void EventiProgettoFinestre::AbilitaTasto(const QString& chiave, bool abilita)
{
    if (!Principale::Esiste()) return;
    if (QAction* a = Principale::Istanza()->Pulsante(chiave)) a->setEnabled(abilita);
}

QString EventiProgettoFinestre::Titolo()
{
    return Principale::Esiste() ? Principale::Istanza()->windowTitle() : QString();
}

bool EventiProgettoFinestre::SalvaProgetto(bool salvaCome)
{
    return SalvaProgettoCorrente(salvaCome);
}

void EventiProgettoFinestre::ChiudiFinestreProgetto()
{
    Finestre::Chiudi(FinestraProgramma(false));
    Finestre::Chiudi(Finestre::Cerca(QByteArrayLiteral("frm_variabili")));
    Finestre::Chiudi(Finestre::Cerca(QByteArrayLiteral("frm_scheduler")));
}

void EventiProgettoFinestre::MostraFinestreProgetto()
{
    // A window that would not fit is moved in.
    Program* w = FinestraProgramma(true);
    if (!w) return;
    QWidget* programma = Finestre::Cornice(w);
    QWidget* log = Finestre::Cornice(Apri<Log>());
    Finestre::Sposta(w, QPoint(log->x() + log->width(), 0));
    Finestre::Sposta(Apri<Registri>(), QPoint(programma->x() + programma->width(), 0));
}

bool EventiProgettoFinestre::EditorBloccoAperto()
{
    // A stand-in editor without a window counts as open.
    QWidget* w = Finestre::Cerca(QByteArrayLiteral("comandi"));
    return !w || w->isVisible();
}

void EventiProgettoFinestre::EditorBloccoAssente()
{
    NonDisponibile(QStringLiteral("comandi"));
}

void InstallaEventiProgettoFinestre()
{
    static EventiProgettoFinestre eventi;
    ImpostaEventiProgetto(&eventi);
}
