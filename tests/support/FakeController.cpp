#include "support/FakeController.h"

#include <QHostAddress>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <unistd.h>

#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"

namespace Test {

namespace {
// Kept apart from the product's CRC on purpose: the fake must not share a
// fault with the code it checks.
uint16_t Crc16(const QByteArray& b)
{
    uint16_t crc = 0xFFFF;
    for (char c : b) {
        crc ^= uint8_t(c);
        for (int i = 0; i < 8; ++i) crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    return crc;
}

int U8(const QByteArray& b, int i) { return i < b.size() ? uint8_t(b[i]) : 0; }
int U16(const QByteArray& b, int i) { return (U8(b, i) << 8) | U8(b, i + 1); }
void Metti16(QByteArray& b, int v)
{
    b.append(char((v >> 8) & 0xFF));
    b.append(char(v & 0xFF));
}
} // namespace

using R = FakeController::Risposta;
R R::Pdu(const QByteArray& pdu) { return {.tipo = Tipo::Pdu, .dati = pdu}; }
R R::Funzione(std::function<QByteArray(const QByteArray&)> f) { return {.tipo = Tipo::Funzione, .funzione = std::move(f)}; }
R R::Nessuna() { return {.tipo = Tipo::Nessuna}; }
R R::Eccezione(int codice) { return {.tipo = Tipo::Eccezione, .codice = codice}; }
R R::UnitaErrata() { return {.tipo = Tipo::UnitaErrata}; }
R R::FunzioneErrata() { return {.tipo = Tipo::FunzioneErrata}; }
R R::Corta() { return {.tipo = Tipo::Corta}; }
R R::CrcErrato(bool alto) { return {.tipo = Tipo::CrcErrato, .crcAlto = alto}; }
R R::Grezza(const QByteArray& byte) { return {.tipo = Tipo::Grezza, .dati = byte}; }

FakeController::FakeController(QObject* parent) : QObject(parent) {}

FakeController::~FakeController() { ChiudiConnessioni(); }

QByteArray FakeController::ConCrc(const QByteArray& pdu)
{
    const uint16_t c = Crc16(pdu);
    return pdu + char(c & 0xFF) + char(c >> 8);
}

bool FakeController::AvviaTcp(const QHostAddress& indirizzo, quint16 porta)
{
    if (!m_server) {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server->nextPendingConnection()) {
                ++ConnessioniAccettate;
                s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
                m_client.append(s);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { DaTcp(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
                connect(s, &QObject::destroyed, this, [this, s] { m_tcpIn.remove(s); });
            }
        });
    }
    return m_server->isListening() || m_server->listen(indirizzo, porta);
}

quint16 FakeController::porta() const { return m_server ? m_server->serverPort() : 0; }

QHostAddress FakeController::indirizzo() const
{
    return m_server && m_server->isListening() ? m_server->serverAddress() : QHostAddress(QHostAddress::LocalHost);
}

void FakeController::ChiudiConnessioni()
{
    for (const QPointer<QTcpSocket>& s : m_client)
        if (s) s->abort();
    m_client.clear();
}

void FakeController::InviaTcp(const QByteArray& byte)
{
    for (const QPointer<QTcpSocket>& s : m_client)
        if (s) {
            s->write(byte);
            s->flush();
        }
}

bool FakeController::AvviaRtu(int com, const QString& cartella)
{
    if (!m_pty.CollegaCome(com, cartella)) return false;
    m_notifica = new QSocketNotifier(m_pty.Master(), QSocketNotifier::Read, this);
    connect(m_notifica, &QSocketNotifier::activated, this, [this] { DaPty(); });
    m_silenzio = new QTimer(this);
    m_silenzio->setSingleShot(true);
    connect(m_silenzio, &QTimer::timeout, this, [this] { FineTramaRtu(); });
    return true;
}

void FakeController::DaTcp(QTcpSocket* s)
{
    QByteArray& in = m_tcpIn[s];
    in += s->readAll();
    while (in.size() >= 6 && in.size() >= 6 + U16(in, 4)) {
        const QByteArray trama = in.left(6 + U16(in, 4));
        in.remove(0, trama.size());
        Servi(trama, trama.mid(6), s);
    }
}

void FakeController::DaPty()
{
    char buf[512];
    for (ssize_t n; (n = ::read(m_pty.Master(), buf, sizeof buf)) > 0;) m_rtuIn.append(buf, int(n));
    // A frame ends with the line's silence, as on a real RTU slave.
    m_silenzio->start(5);
}

void FakeController::FineTramaRtu()
{
    const QByteArray t = m_rtuIn;
    m_rtuIn.clear();
    if (t.isEmpty()) return;
    // A request whose CRC is wrong gets no answer, but is recorded; a frame
    // may carry a second CRC behind the first.
    QByteArray pdu;
    for (int crc : {2, 4})
        if (pdu.isEmpty() && t.size() >= 2 + crc && ConCrc(t.left(t.size() - crc)) == t.left(t.size() - crc + 2))
            pdu = t.left(t.size() - crc);
    Servi(t, pdu, nullptr);
}

void FakeController::Servi(const QByteArray& trama, const QByteArray& pdu, QTcpSocket* tcp)
{
    Trame.append(trama);
    Richieste.append(pdu);
    if (!tcp && pdu.isEmpty()) {
        emit RichiestaRicevuta();
        return;
    }
    const QPointer<QTcpSocket> socket(tcp);
    const int fd = m_pty.Master();
    auto invia = [socket, fd, rtu = !tcp](const QByteArray& b) {
        if (socket) {
            socket->write(b);
            socket->flush();
        }
        if (rtu)
            for (qsizetype fatto = 0, n = 0; fatto < b.size(); fatto += n)
                if ((n = ::write(fd, b.constData() + fatto, size_t(b.size() - fatto))) <= 0) break;
    };
    auto incornicia = [&](const QByteArray& p) {
        if (!tcp) return ConCrc(p);
        QByteArray b = trama.left(4);
        Metti16(b, int(p.size()));
        return b + p;
    };
    for (const Regola& regola : Regole) regola(*this, pdu);
    const Risposta r = m_copione.isEmpty() ? Risposta() : m_copione.takeFirst();
    QByteArray uscita;
    using T = Risposta::Tipo;
    // A unit not on the line does not answer.
    const bool assente = !m_unita.isEmpty() && !m_unita.contains(U8(pdu, 0));
    switch (assente && r.tipo != T::Grezza && r.tipo != T::Pdu && r.tipo != T::Funzione ? T::Nessuna : r.tipo) {
    case T::Nessuna: break;
    case T::FunzioneErrata: {
        QByteArray p = RispostaPredefinita(pdu);
        p[1] = char(U8(p, 1) ^ 0x40);
        uscita = incornicia(p);
        break;
    }
    case T::Corta: uscita = incornicia(RispostaPredefinita(pdu).chopped(1)); break;
    case T::Grezza: uscita = r.dati; break;
    case T::Pdu: uscita = incornicia(r.dati); break;
    case T::Funzione: uscita = incornicia(r.funzione(pdu)); break;
    case T::Eccezione: uscita = incornicia(QByteArray() + pdu.at(0) + char(U8(pdu, 1) | 0x80) + char(r.codice)); break;
    case T::UnitaErrata: {
        QByteArray p = RispostaPredefinita(pdu);
        p[0] = char(U8(p, 0) + 1);
        uscita = incornicia(p);
        break;
    }
    case T::CrcErrato:
        uscita = incornicia(RispostaPredefinita(pdu));
        if (!tcp) uscita[uscita.size() - (r.crcAlto ? 1 : 2)] ^= 0x5A;
        break;
    case T::Predefinita: uscita = incornicia(RispostaPredefinita(pdu)); break;
    }
    emit RichiestaRicevuta();
    if (uscita.isEmpty()) return;

    auto manda = [this, invia, uscita, r] {
        const int meta = int(r.segmenti < 2 || uscita.size() < 2 ? uscita.size() : uscita.size() / 2);
        invia(uscita.left(meta));
        if (meta < uscita.size())
            QTimer::singleShot(r.pausaSegmentiMs, this, [invia, resto = uscita.mid(meta)] { invia(resto); });
    };
    if (r.ritardoMs > 0) QTimer::singleShot(r.ritardoMs, this, manda);
    else manda();
}

QByteArray FakeController::RispostaPredefinita(const QByteArray& q)
{
    const int fn = U8(q, 1);
    QByteArray r = q.left(2);
    // The unit's own image when it has one; the names below then hide the
    // shared image's members on purpose.
    const auto u = m_unita.find(U8(q, 0));
    const bool propria = u != m_unita.end();
    std::vector<uint16_t>& Holding = propria ? u->Holding : this->Holding;
    std::vector<uint16_t>& Input = propria ? u->Input : this->Input;
    std::vector<uint8_t>& Coil = propria ? u->Coil : this->Coil;
    QHash<quint32, quint8>& Memoria = propria ? u->Memoria : this->Memoria;
    QHash<quint32, quint8>& Programma = propria ? u->Programma : this->Programma;
    switch (fn) {
    case 3:
    case 4: {
        const int a = U16(q, 2), n = U16(q, 4);
        const std::vector<uint16_t>& img = fn == 3 ? Holding : Input;
        r.append(char(2 * n));
        for (int i = 0; i < n; ++i) Metti16(r, img[(a + i) & 0xFFFF]);
        return r;
    }
    case 5: Coil[U16(q, 2)] = U16(q, 4) == 0xFF00; return q.left(6);
    case 6:
        Holding[U16(q, 2)] = uint16_t(U16(q, 4));
        return q.left(6);
    case 15: {
        const int a = U16(q, 2), n = U16(q, 4);
        for (int i = 0; i < n; ++i) Coil[(a + i) & 0xFFFF] = (U8(q, 7 + i / 8) >> (i % 8)) & 1;
        return q.left(6);
    }
    case 16: {
        const int a = U16(q, 2), n = U16(q, 4);
        for (int i = 0; i < n; ++i) Holding[(a + i) & 0xFFFF] = uint16_t(U16(q, 7 + 2 * i));
        return q.left(6);
    }
    case 20: {
        const int sub = U8(q, 2), n = U8(q, 6);
        const quint32 a = quint32((sub == 5 ? U8(q, 3) << 16 : 0) | U16(q, 4));
        if (sub == 4) {
            for (int i = 0; i < n; ++i) Memoria[a + i] = quint8(U8(q, 7 + i));
            return q.left(7);
        }
        const bool area = sub == 1 && BaseProgramma >= 0;
        QHash<quint32, quint8>& m = sub == 1 && !area ? Programma : Memoria;
        const quint32 da = a + (area ? quint32(BaseProgramma) : 0);
        r.append(char(n));
        for (int i = 0; i < n; ++i) r.append(char(m.value(da + i, 0)));
        return r;
    }
    default: return r.left(1) + char(fn | 0x80) + char(1);
    }
}

bool CollegaAlFake(FakeController& f, bool rtu, int com)
{
    ComErr = 1;
    Disconnetti();
    Controllore.Nodo = 10;
    Controllore.Modem = false;
    Controllore.DueStop = false;
    Controllore.TimeoutTCP = 200;
    ComTimeout = 1;
    AttendiRisposta = true;
    if (rtu) {
        Controllore.TipoConnessione = CollegamentoSeriale;
        Controllore.BaudRate = QStringLiteral("38400");
        Controllore.Porta = int16_t(com);
    } else {
        Controllore.TipoConnessione = CollegamentoEthernet;
        Controllore.IndirizzoIP = f.indirizzo().toString();
        Controllore.Porta = int16_t(f.porta());
    }
    Connetti();
    f.SvuotaCopione();
    f.Trame.clear();
    f.Richieste.clear();
    return Controllore.Connesso;
}
} // namespace Test
