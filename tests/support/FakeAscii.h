#pragma once
// A Modbus ASCII slave on a pseudo-terminal pair: the workbench opens the
// slave side as its serial port, the fake answers on the master side. Every
// received frame is recorded; the answer is scriptable.
#include "support/Pty.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;

namespace Test {

class FakeAscii : public QObject {
    Q_OBJECT
public:
    FakeAscii() = default;
    ~FakeAscii() override;

    // Serves on a pseudo-terminal linked as COM<com>. False on failure.
    bool Avvia(int com);

    // Whole frames as received, ":" to LF.
    QList<QByteArray> Trame;

    // The wire text sent back for a received frame's message bytes (LRC
    // dropped); an empty text sends nothing. By default a well-formed reply:
    // functions 3 and 4 return zero registers, the others echo the first
    // six bytes.
    std::function<QByteArray(const QByteArray& messaggio)> Risposta;
    static QByteArray RispostaStandard(const QByteArray& messaggio);

    // Message bytes of a received frame ("" when it is not one).
    static QByteArray Messaggio(const QByteArray& trama);

private:
    void Leggi();
    CoppiaPty m_pty;
    QByteArray m_ricevuti;
    QSocketNotifier* m_notifica = nullptr;
};

} // namespace Test
