#pragma once
// Lists the root directory of an FTP server with libcurl. The transfer runs
// on libcurl's multi interface, stepped from the Qt event loop by a short
// timer, so the window stays live without a thread. Every socket libcurl
// opens (control and data) passes the loopback guard first.
#include <QByteArray>
#include <QObject>
#include <QTimer>

class ClientFTP : public QObject {
    Q_OBJECT
public:
    ClientFTP();
    ~ClientFTP() override;

    // Starts listing "/" on host:porta as utente. Empty when started; else
    // why not (one runs already, the host is refused), and nothing runs.
    QString Elenca(const QString& host, int porta, const QString& utente, const QString& password);
    bool InCorso() const { return m_easy != nullptr; }

    int TempoMassimoMs = 60000;

signals:
    // The raw listing; errore is empty when the transfer succeeded.
    void Completato(const QByteArray& dati, const QString& errore);

private:
    void Passo();
    void Chiudi();

    void* m_multi = nullptr;
    void* m_easy = nullptr;
    QTimer m_passo;
    QByteArray m_dati;
    QByteArray m_erroreCurl;
    bool m_rifiutato = false;
};
