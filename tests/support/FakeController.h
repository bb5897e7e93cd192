#pragma once
// A controller on loopback TCP (ephemeral port) and/or on a pseudo-terminal
// (Modbus RTU), scriptable per request and recording every frame it gets.
//
//   FakeController f;
//   f.AvviaTcp(); Controllore.IndirizzoIP = "127.0.0.1"; Controllore.Porta = f.porta();
//   f.AvviaRtu(1); Controllore.TipoConnessione = CollegamentoSeriale; Controllore.Porta = 1;
//   f.Accoda(FakeController::Risposta::Nessuna());   // the next request gets no reply
//
// Without a script it answers functions 3, 4, 5, 6, 15, 16 and 20 from its
// own register, coil and memory image, any other function with exception 1.
// Several units on one endpoint: once Unita(id) has been called, each listed
// unit answers from its own image and every other unit stays silent.
// Regole run on every request before the answer (counters, a value written
// on one unit appearing in an input register of another).
#include "support/Pty.h"

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QTcpServer;
class QTcpSocket;
class QSocketNotifier;
class QTimer;

namespace Test {

class FakeController : public QObject {
    Q_OBJECT
public:
    // What to do with one request. Build with the static helpers, then
    // chain the modifiers.
    struct Risposta {
        enum class Tipo { Predefinita, Pdu, Funzione, Nessuna, Eccezione, UnitaErrata, FunzioneErrata, Corta, CrcErrato, Grezza };
        Tipo tipo = Tipo::Predefinita;
        QByteArray dati;   // Pdu: unit address on, framed by the fake; Grezza: the wire bytes as they are
        std::function<QByteArray(const QByteArray& richiesta)> funzione;
        int codice = 1;            // Eccezione
        bool crcAlto = false;      // CrcErrato: spoil the high byte, not the low one
        int ritardoMs = 0;
        int segmenti = 1;          // 2: the reply goes out in two pieces
        int pausaSegmentiMs = 20;

        static Risposta Predefinita() { return {}; }
        static Risposta Pdu(const QByteArray& pdu);
        static Risposta Funzione(std::function<QByteArray(const QByteArray&)> f);
        static Risposta Nessuna();
        static Risposta Eccezione(int codice);
        static Risposta UnitaErrata();
        static Risposta FunzioneErrata();
        static Risposta Corta();   // the image's reply less its last data byte
        static Risposta CrcErrato(bool alto = false);
        static Risposta Grezza(const QByteArray& byte);
        Risposta Ritardo(int ms) const { Risposta r = *this; r.ritardoMs = ms; return r; }
        Risposta InDuePezzi(int pausaMs = 20) const { Risposta r = *this; r.segmenti = 2; r.pausaSegmentiMs = pausaMs; return r; }
    };

    explicit FakeController(QObject* parent = nullptr);
    ~FakeController() override;

    // Listens on any loopback address (127.x), on `porta` or an ephemeral one.
    bool AvviaTcp(const QHostAddress& indirizzo = QHostAddress::LocalHost, quint16 porta = 0);
    quint16 porta() const;
    QHostAddress indirizzo() const;
    // Closes the connections (the server keeps listening).
    void ChiudiConnessioni();
    // Unasked bytes to every connected client, on the wire before this returns.
    void InviaTcp(const QByteArray& byte);
    // Serves RTU on a pseudo-terminal linked as COM<com> (of `cartella`,
    // see CoppiaPty::CollegaCome).
    bool AvviaRtu(int com = 1, const QString& cartella = {});
    CoppiaPty& Pty() { return m_pty; }

    void Accoda(const Risposta& r) { m_copione.append(r); }
    void Accoda(const QList<Risposta>& r) { m_copione.append(r); }
    void SvuotaCopione() { m_copione.clear(); }

    // The reply the image gives to a request (unit address on, no framing).
    QByteArray RispostaPredefinita(const QByteArray& richiesta);

    // One unit's image.
    struct Immagine {
        std::vector<uint16_t> Holding = std::vector<uint16_t>(65536, 0);
        std::vector<uint16_t> Input = std::vector<uint16_t>(65536, 0);
        std::vector<uint8_t> Coil = std::vector<uint8_t>(65536, 0);
        QHash<quint32, quint8> Memoria;     // function 20, sub-codes 2, 4, 5
        QHash<quint32, quint8> Programma;   // function 20, sub-code 1
    };
    Immagine& Unita(int id) { return m_unita[id]; }
    using Regola = std::function<void(FakeController& f, const QByteArray& richiesta)>;
    QList<Regola> Regole;

    QList<QByteArray> Trame;      // every frame as received, framing included
    QList<QByteArray> Richieste;  // the same without framing (unit address on)
    std::vector<uint16_t> Holding = std::vector<uint16_t>(65536, 0);
    std::vector<uint16_t> Input = std::vector<uint16_t>(65536, 0);
    std::vector<uint8_t> Coil = std::vector<uint8_t>(65536, 0);
    QHash<quint32, quint8> Memoria;     // function 20, sub-codes 2, 4, 5
    QHash<quint32, quint8> Programma;   // function 20, sub-code 1
    // When set, sub-code 1 reads Memoria from this address on instead: the
    // program area as sub-code 4 wrote it.
    int BaseProgramma = -1;
    int ConnessioniAccettate = 0;

    static QByteArray ConCrc(const QByteArray& pdu);   // pdu + CRC-16 low, high

signals:
    void RichiestaRicevuta();

private:
    void DaTcp(QTcpSocket* s);
    void DaPty();
    void FineTramaRtu();
    // tcp: the client asking; none: the pseudo-terminal.
    void Servi(const QByteArray& trama, const QByteArray& pdu, QTcpSocket* tcp);

    QTcpServer* m_server = nullptr;
    QList<QPointer<QTcpSocket>> m_client;
    QHash<QTcpSocket*, QByteArray> m_tcpIn;
    CoppiaPty m_pty;
    QSocketNotifier* m_notifica = nullptr;
    QByteArray m_rtuIn;
    QTimer* m_silenzio = nullptr;
    QList<Risposta> m_copione;
    QMap<int, Immagine> m_unita;
};

// Points Controllore at the fake (loopback TCP, or COM<com> over its
// pseudo-terminal at 38400 baud), unit 10, short time-outs, and connects
// afresh, with an empty script and no recorded frames. True when connected.
bool CollegaAlFake(FakeController& f, bool rtu, int com = 1);
} // namespace Test
