#pragma once
// Every socket of the program asks here before it connects or sends, so a
// test run (WORKBENCH_LOOPBACK_ONLY=1) can never reach a real device.
#include <QIODevice>
#include <QString>

class QHostAddress;
class QAbstractSocket;

// With WORKBENCH_LOOPBACK_ONLY=1 only 127.0.0.0/8 (and "localhost") is
// allowed; otherwise everything is.
bool SoloLoopback();
bool IndirizzoConsentito(const QHostAddress& indirizzo);
bool IndirizzoConsentito(const QString& host);

// connectToHost through the guard: a refused address logs the refusal and
// leaves the socket unconnected. False when refused.
bool ConnettiSocket(QAbstractSocket& socket, const QString& host, quint16 porta,
                    QIODevice::OpenMode modo = QIODevice::ReadWrite);
