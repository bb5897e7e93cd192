#pragma once
// Lists the root directory of an FTP server. Both connections are Qt sockets
// driven by the event loop, and every wait (for the server's greeting, each
// reply, the data, the end-of-transfer reply) is a timer, never a blocking
// call, so the window stays live however slow the server. Every socket passes
// the loopback guard first.
#include <QByteArray>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

class ClientFTP : public QObject {
    Q_OBJECT
public:
    ClientFTP();
    ~ClientFTP() override;

    // Starts listing "/" on host:porta as utente. Empty when started; else
    // why not (one runs already, the host is refused), and nothing runs.
    QString Elenca(const QString& host, int porta, const QString& utente, const QString& password);
    bool InCorso() const { return m_fase != Fase::Ferma; }

    int TempoMassimoMs = 60000;   // the whole listing
    int TempoRispostaMs = 10000;  // silence of the server while it owes a reply or data

signals:
    // The raw listing; errore is empty when the transfer succeeded.
    void Completato(const QByteArray& dati, const QString& errore);

private:
    enum class Fase { Ferma, Saluto, Utente, Password, Tipo, Epsv, Pasv, Elenco };

    void LeggiControllo();
    void Risposta(int codice, const QByteArray& riga);
    void Invia(const QByteArray& comando, Fase fase);
    void ApriDati(quint16 porta);
    void FineDati();
    void ControllaFine();
    void Termina(const QString& errore);

    Fase m_fase = Fase::Ferma;
    QTcpSocket m_controllo, m_dati;
    QTimer m_limite, m_silenzio;
    QByteArray m_ricevuto;       // control bytes not yet a whole line
    int m_multiriga = 0;         // code of a multi-line reply being read, 0 none
    QByteArray m_utente, m_password;
    QByteArray m_elenco;
    bool m_datiFiniti = false, m_elencoConfermato = false;
};
