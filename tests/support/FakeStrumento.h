#pragma once
// A bench instrument on a pseudo-terminal: it keeps every byte the program
// sends and answers the multimeter's reading command with a set text.
#include "support/Pty.h"

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

namespace Test {

class FakeStrumento : public QObject {
    Q_OBJECT
public:
    // Serves COM<com> of `cartella` (see CoppiaPty::CollegaCome).
    bool Avvia(int com, const QString& cartella = {});
    // Takes in what is waiting on the line now (the notifier does it too,
    // when events run).
    void Raccogli();

    QByteArray Ricevuti;           // every byte, in order
    QByteArray Lettura;            // the answer to ":READ?" CR LF; empty: silent
    QByteArray* Diario = nullptr;  // the bytes also go here when set

private:
    CoppiaPty m_pty;
    QSocketNotifier* m_notifica = nullptr;
    qsizetype m_cercaDa = 0;
};

} // namespace Test
