#pragma once
// Set-up of the serial-to-Ethernet device servers: the manual set-up by MAC
// address (address-resolution entry, then telnet or ping and web page) and
// the scripted default configuration over the server's set-up port.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QTcpSocket;

// Six fields of exactly two hexadecimal digits: the MAC text joined by
// `separatore`; empty when a field is not valid.
QString ComponiMAC(const QStringList& campi, QChar separatore);
// Four fields of a decimal 0..255: the dotted address; empty when not valid.
QString ComponiIP(const QStringList& campi);

enum class TipoManuale { Nessuno, ServerSeriale, Controllore };

// One program to start, with its arguments (never through a shell).
struct ComandoEsterno {
    QString programma;
    QStringList argomenti;
    double attesaPrima = 0;   // seconds to wait before starting it
};
// The command lines of the manual set-up, in order; the waits between them
// are the caller's. The interactive telnet session needs a terminal: it is
// asked of the desktop's terminal program.
QList<ComandoEsterno> ComandiManuale(const QString& ip, const QString& macDuePunti, TipoManuale tipo);

// Starts a program detached; false when it cannot be started (not found).
bool AvviaComando(const ComandoEsterno& c);

// Port of the device server's set-up menu (WORKBENCH_TELNET_PORT may move
// it for tests).
quint16 PortaSetupServer();

// One step of the default configuration: the text keyed in and the least
// amount of text the device must answer with.
struct PassoTelnet {
    QByteArray testo;
    int minimo;
};
const QList<PassoTelnet>& PassiConfigurazioneDefault();

// Sends `testo` (when not empty) and waits up to `secondi` until the text
// received since the send reaches `minimo` characters. `ricevuto` gets that
// text.
bool TelnetSendWait(QTcpSocket& s, const QByteArray& testo, int minimo, int secondi, QByteArray* ricevuto = nullptr);

// Connects to host:porta and runs every step; stops at the first failure.
// Returns true when all steps passed (false at once for an address the
// loopback guard refuses). The socket is closed at the end.
bool EseguiConfigurazioneDefault(QTcpSocket& s, const QString& host, quint16 porta, QByteArray* ultimaRisposta = nullptr);
