#pragma once
// Every socket of the program asks here before it connects or sends, so a
// test run (WORKBENCH_LOOPBACK_ONLY=1) can never reach a real device.
#include <QHostAddress>
#include <QIODevice>
#include <QString>
#include <optional>

class QAbstractSocket;

// Four dot-separated decimal numbers of 0 to 255, leading zeros and blanks
// around allowed, as that address; nothing for any other text, which goes
// on as it is (a host name). The socket layer, URLs and system tools read "010" as octal 8:
// every address a user types or a file holds is taken through here first.
std::optional<QHostAddress> IndirizzoDecimale(const QString& testo);
// The host to hand on (socket, URL, command line): such an address in plain
// decimal, any other text trimmed.
QString HostDecimale(const QString& testo);

// With WORKBENCH_LOOPBACK_ONLY=1 only 127.0.0.0/8 (and "localhost") is
// allowed; otherwise everything is. A text is judged as IndirizzoDecimale
// reads it, the way ConnettiSocket connects.
bool SoloLoopback();
bool IndirizzoConsentito(const QHostAddress& indirizzo);
bool IndirizzoConsentito(const QString& host);

// connectToHost through the guard: a refused address logs the refusal and
// leaves the socket unconnected. False when refused.
bool ConnettiSocket(QAbstractSocket& socket, const QString& host, quint16 porta,
                    QIODevice::OpenMode modo = QIODevice::ReadWrite);
