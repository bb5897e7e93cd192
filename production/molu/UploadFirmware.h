#pragma once
// Posts a firmware file to a device's web server on a socket of its own,
// apart from the Modbus link: connect, send the request as one block, wait
// until the device closes. Both waits keep the interface alive and are
// bounded; what the device answers is read and dropped.
#include <QObject>
#include <QTcpSocket>

class UploadFirmware : public QObject {
    Q_OBJECT
public:
    enum class Esito { Inviato, Occupato, FileIlleggibile, Rifiutato, ErroreSocket, Scaduto };

    UploadFirmware();

    // Reads path and posts it to host:porta. Occupato, with nothing done,
    // while an upload runs (a click inside one of its waits). Every failure but Occupato and Rifiutato
    // (the loopback guard's refusal, logged) has shown its box titled
    // "ERROR"; the socket is closed whatever the outcome.
    Esito UploadFile(const QString& host, quint16 porta, const QString& path);
    bool SocketConnesso() const { return m_connesso; }
    bool InCorso() const { return m_inCorso; }

    int AttesaConnessioneMs = 5000;
    int AttesaChiusuraMs = 60000;

private:
    Esito Invia(const QString& host, quint16 porta, const QString& path);
    void EUT_Socket_Error(QAbstractSocket::SocketError errore);

    QTcpSocket EUT_Socket;
    bool m_connesso = false;
    bool m_errore = false;
    bool m_inCorso = false;
};
