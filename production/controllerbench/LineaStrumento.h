#pragma once
// A bench instrument's serial line (relay multiplexer, multimeter, power
// supply): text commands out, whatever the instrument answers collected in
// a receive buffer that the caller reads whole. No framing, no reply
// checks: the instruments speak plain lines.
#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;

class LineaStrumento : public QObject {
    Q_OBJECT
public:
    explicit LineaStrumento(const QString& nome, QObject* parent = nullptr);

    // Opens serial port COMk (the link's COM-number rule) with settings such
    // as "9600,n,8,1"; an open line is closed first. False when the port is
    // missing, busy or the settings are not valid.
    bool Apri(int porta, const QString& impostazioni);
    void Chiudi();
    bool Aperta() const;
    int Porta() const { return m_porta; }

    // Sends the text as it stands; false (nothing sent) when closed.
    bool Invia(const QByteArray& testo);

    // What arrived so far, taken out of the buffer.
    QByteArray Leggi();
    // Bytes waiting in the buffer.
    int Disponibili() const;
    // Drops whatever arrived.
    void Svuota();

private:
    void Raccogli();

    QSerialPort* m_seriale;
    QByteArray m_ricevuti;
    int m_porta = 0;
};

// The relay multiplexer's line: one for the whole workbench, opened by the
// bench that needs it and left open until the program ends.
LineaStrumento& Seriale_switch();
