#include "comm/Scoperta.h"

#include "base/Attesa.h"
#include "base/Globali.h"
#include "base/Testi.h"
#include "comm/AreaComunicazione.h"
#include "comm/Checksum.h"
#include "comm/EventiCollegamento.h"
#include "comm/Rete.h"
#include "comm/Richiesta.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

QHostAddress DestinazioneScoperta()
{
    const QByteArray env = qgetenv("WORKBENCH_BROADCAST");
    const QHostAddress a(HostDecimale(QString::fromLatin1(env)));
    if (!env.isEmpty() && !a.isNull()) return a;
    return QHostAddress(QStringLiteral("255.255.255.255"));
}

quint16 PortaAmbiente(const char* variabile, quint16 predefinita)
{
    bool ok = false;
    const int p = qEnvironmentVariableIntValue(variabile, &ok);
    return ok && p > 0 && p < 65536 ? quint16(p) : predefinita;
}

quint16 PortaScoperta()
{
    return PortaAmbiente("WORKBENCH_UDP_PORT", 30718);
}

QByteArray RichiestaScoperta(const QString& famiglia)
{
    if (famiglia == FamigliaControllori) return QByteArrayLiteral("0001");
    if (famiglia == FamigliaGateway) return QByteArray("\x00\x00\x00\xF6", 4);
    return {};
}

QString TestoMAC(const uint8_t* byte, int n)
{
    QStringList parti;
    for (int i = 0; i < n; ++i) parti << QStringLiteral("%1").arg(byte[i], 2, 16, QLatin1Char('0')).toUpper();
    return parti.join(QLatin1Char('-'));
}

namespace {
QString Puntato(const std::array<uint8_t, 4>& b)
{
    return QStringLiteral("%1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
}
// Copies bytes [da, da + n) when the datagram holds them all.
template <size_t N> bool Copia(const QByteArray& dati, int da, std::array<uint8_t, N>& out)
{
    if (dati.size() < da + int(N)) return false;
    for (size_t i = 0; i < N; ++i) out[i] = uint8_t(dati[da + int(i)]);
    return true;
}
} // namespace

RispostaControllore DecodificaControllore(const QByteArray& dati)
{
    RispostaControllore r;
    r.nome = QString::fromLatin1(dati.left(7));
    if (Copia(dati, 8, r.mac)) r.testoMAC = TestoMAC(r.mac.data());
    if (Copia(dati, 14, r.ip)) r.testoIP = Puntato(r.ip);
    if (Copia(dati, 18, r.mask)) r.testoMask = Puntato(r.mask);
    if (dati.size() > 22) r.indirizzo = uint8_t(dati[22]);
    if (dati.size() > 23) r.init = uint8_t(dati[23]);
    if (dati.size() > 24) r.switchInterno = uint8_t(dati[24]);
    r.completa = dati.size() >= 25;
    return r;
}

QString DecodificaGateway(const QByteArray& dati)
{
    std::array<uint8_t, 6> mac{};
    return Copia(dati, 24, mac) ? TestoMAC(mac.data()) : QString();
}

QString NomeControllore(const RispostaControllore& r)
{
    return Marchio700 ? QStringLiteral("PRW3") : r.nome;
}

void ScriviControllore(Dispositivo& d, const RispostaControllore& r, const QString& mittente)
{
    d = Dispositivo{};
    d.IndirizzoIP = mittente;
    d.Porta = 502;
    std::copy(r.ip.begin(), r.ip.end(), d.IPByte.begin());
    d.Subnet = r.testoMask;
    std::copy(r.mask.begin(), r.mask.end(), d.SubnetByte.begin());
    d.MAC = r.testoMAC;
    std::copy(r.mac.begin(), r.mac.end(), d.MACByte.begin());
    d.NomeDispositivo = NomeControllore(r);
    d.Nodo = r.indirizzo;
    d.Modello = 0;
    d.InitAttivo = r.init == 1;
}

void ScriviGateway(Dispositivo& d, const QString& testoMAC, const QString& mittente)
{
    d = Dispositivo{};
    d.IndirizzoIP = mittente;
    d.MAC = testoMAC;
    d.NomeDispositivo = NomiModello[24];
    d.Nodo = 0;
    d.Modello = ModelloGateway;
}

bool LeggiIndirizzoIP(const QString& testo, std::array<uint8_t, 4>& ottetti)
{
    const QStringList pezzi = testo.trimmed().split(QLatin1Char('.'));
    if (testo.trimmed().isEmpty() || pezzi.size() > 4) return false;
    std::array<uint8_t, 4> out{};
    for (int i = 0; i < pezzi.size(); ++i) {
        const QString& p = pezzi[i];
        if (p.isEmpty() || p.size() > 3) return false;
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        const int v = p.toInt();
        if (v > 255) return false;
        out[i] = uint8_t(v);
    }
    ottetti = out;
    return true;
}

QByteArray RichiestaSetIP(const uint8_t* mac, const std::array<uint8_t, 4>& ip)
{
    QByteArray d = QByteArrayLiteral("0002");
    d.append(reinterpret_cast<const char*>(mac), 6);
    for (uint8_t o : ip) d.append(char(o));
    d.append(char(CalcolaCRC8(d)));
    return d;
}

bool InviaScoperta(QUdpSocket& socket, const QByteArray& dati)
{
    const QHostAddress dest = DestinazioneScoperta();
    if (!IndirizzoConsentito(dest)) {
        Eventi().Evento(QStringLiteral("UDP: address refused ") + dest.toString(), false);
        return false;
    }
    // Replies come back to the port the request left from, so the socket
    // needs a port of its own before it sends.
    if (socket.state() != QAbstractSocket::BoundState && !socket.bind(QHostAddress::AnyIPv4, 0)) return false;
    return socket.writeDatagram(dati, dest, PortaScoperta()) == dati.size();
}

void PreparaIdentificazione(uint8_t indirizzo)
{
    ComponiRichiesta({indirizzo, 4, 0, 0, 0, 7});
}

bool DecodificaIdentificazione(QByteArrayView risposta, Identificazione& id)
{
    // Unit, function, count, then seven registers high byte first.
    if (risposta.size() < 17) return false;
    const auto b = [&risposta](int i) { return uint8_t(risposta[i]); };
    const auto car = [](std::initializer_list<uint8_t> l) {
        QString t;
        for (uint8_t c : l) t += QChar(c);
        return t;
    };
    if (b(8) >= 65) {
        id.versione = car({b(5), b(6), b(7), b(8)});
    } else {
        id.versione = QString::number(b(5)) + QString::number(b(6)) + QString::number(b(7)) + QString::number(b(8));
    }
    // Each register's low byte comes first in the name.
    id.nome = car({b(10), b(9), b(12), b(11)});
    id.indirizzo = b(16);
    return true;
}

QString TestoMittente(const QHostAddress& a)
{
    bool v4 = false;
    const quint32 n = a.toIPv4Address(&v4);
    return v4 ? QHostAddress(n).toString() : a.toString();
}

namespace {
QUdpSocket* SocketModulo()
{
    static QUdpSocket* s = nullptr;
    if (!s) {
        s = new QUdpSocket();
        QObject::connect(s, &QUdpSocket::readyRead, [] {
            while (s->hasPendingDatagrams()) {
                const QNetworkDatagram d = s->receiveDatagram();
                UDP_DataArrival(d.data(), d.senderAddress());
            }
        });
    }
    return s;
}
} // namespace

void UDP_DataArrival(const QByteArray& dati, const QHostAddress& mittente)
{
    if (!AttesaUDP && !AttesaUDPGateway) return;
    // Past the last entry the table is full: further replies are dropped
    // and the count stays the number of entries written.
    if (NumDispositivi >= UltimoDispositivo) return;
    const QString ip = TestoMittente(mittente);
    if (AttesaUDP) {
        ++NumDispositivi;
        ScriviControllore(Dispositivi[size_t(NumDispositivi)], DecodificaControllore(dati), ip);
    } else {
        ++NumDispositivi;
        ScriviGateway(Dispositivi[size_t(NumDispositivi)], DecodificaGateway(dati), ip);
    }
}

void AttendiRisposte(QUdpSocket& socket, const QString& famiglia, double secondi)
{
    const QByteArray richiesta = RichiestaScoperta(famiglia);
    if (richiesta.isEmpty()) return;
    bool& attesa = famiglia == FamigliaControllori ? AttesaUDP : AttesaUDPGateway;
    attesa = true;
    InviaScoperta(socket, richiesta);
    // The wait always runs to its end: replies are taken meanwhile.
    Attesa(secondi);
    attesa = false;
}

void CercaDispositiviUDP(const QString& famiglia)
{
    for (Dispositivo& d : Dispositivi) d.IndirizzoIP.clear();
    AttendiRisposte(*SocketModulo(), famiglia, 1.0);
}
