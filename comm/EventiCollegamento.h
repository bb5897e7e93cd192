#pragma once
// What the link tells the rest of the program. The link never reaches a
// window: it reports here, and the shell installs the implementation that
// shows it (status bar, Log, toolbar, rung list). Until one is installed the
// reports go nowhere, so the link runs in a program without windows.
#include <QString>

class EventiCollegamento {
public:
    virtual ~EventiCollegamento() = default;
    // Status text of the last transaction ("Com OK", "Com TimeOut", "Com
    // Error"); empty while a slow wait runs or after a disconnect.
    virtual void EsitoTransazione(const QString& testo) {}
    // A Log line; `separa` first opens a new dated block.
    virtual void Evento(const QString& testo, bool separa = true) {}
    // Connection, model, debug mode or last command changed.
    virtual void StatoCambiato() {}
    // The run monitor read program counter `pc`; the two before it are the
    // previous readings.
    virtual void RungInEsecuzione(int pc, int penultimo, int terzultimo) {}
    // The controller's model was checked: the register table follows it.
    virtual void ModelloVerificato() {}
};

// Installs the implementation (nullptr: back to the silent default). The
// caller keeps ownership.
void ImpostaEventiCollegamento(EventiCollegamento* eventi);
EventiCollegamento& Eventi();
