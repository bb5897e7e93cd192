#include "support/FakeUdp.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

namespace Test {

FakeUdp::FakeUdp() : m_ascolto(new QUdpSocket(this))
{
    m_ascolto->bind(QHostAddress(QStringLiteral("127.0.0.1")), 0);
    connect(m_ascolto, &QUdpSocket::readyRead, this, [this] {
        while (m_ascolto->hasPendingDatagrams()) {
            const QNetworkDatagram d = m_ascolto->receiveDatagram();
            ricevuti.append(d.data());
            for (const Voce& v : m_voci)
                if (v.richiesta == d.data()) v.da->writeDatagram(v.risposta, d.senderAddress(), quint16(d.senderPort()));
        }
    });
}

FakeUdp::~FakeUdp() = default;

quint16 FakeUdp::Porta() const { return m_ascolto->localPort(); }

void FakeUdp::Punta() const
{
    qputenv("WORKBENCH_BROADCAST", "127.0.0.1");
    qputenv("WORKBENCH_UDP_PORT", QByteArray::number(Porta()));
}

void FakeUdp::Rispondi(const QByteArray& richiesta, const QByteArray& risposta, const QHostAddress& da)
{
    QUdpSocket* s = m_ascolto;
    if (da != m_ascolto->localAddress()) {
        s = new QUdpSocket(this);
        s->bind(da, 0);
    }
    m_voci.append({richiesta, risposta, s});
}

const QByteArray kMacFinto("\x00\x1A\x2B\x3C\x4D\x5E", 6);
const QByteArray kCercaGateway("\x00\x00\x00\xF6", 4);

QByteArray RispostaGatewayFinta() { return QByteArray(24, '\0') + QByteArray("\x00\x20\x4A\x01\x02\x03", 6); }

QByteArray RispostaControlloreFinta(const QByteArray& nome7, uint8_t indirizzo, uint8_t init, uint8_t sw)
{
    return nome7.leftJustified(7, ' ', true) + char(0) + kMacFinto + QByteArray("\xC0\xA8\x01\x64\xFF\xFF\xFF\x00", 8)
         + char(indirizzo) + char(init) + char(sw);
}

} // namespace Test
