#pragma once
// A device answering the discovery on the loopback network: it listens on
// 127.0.0.1 (ephemeral port) and answers each request it knows with its
// replies, each sent from the address the reply is given (127.x), so that
// several devices can be told apart by their sender address.
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QStringList>

class QUdpSocket;

namespace Test {

class FakeUdp : public QObject {
public:
    FakeUdp();
    ~FakeUdp() override;
    quint16 Porta() const;
    // Points the workbench's discovery (destination and port) at this fake.
    void Punta() const;
    void Rispondi(const QByteArray& richiesta, const QByteArray& risposta,
                  const QHostAddress& da = QHostAddress(QStringLiteral("127.0.0.1")));
    // Every datagram received, in order.
    QList<QByteArray> ricevuti;

private:
    struct Voce {
        QByteArray richiesta, risposta;
        QUdpSocket* da;
    };
    QUdpSocket* m_ascolto;
    QList<Voce> m_voci;
};

// The fake controllers' MAC 00-1A-2B-3C-4D-5E.
extern const QByteArray kMacFinto;
// The device servers' discovery request and a device server's reply (MAC
// 00-20-4A-01-02-03).
extern const QByteArray kCercaGateway;
QByteArray RispostaGatewayFinta();

// An own controller's discovery reply (25 bytes): MAC kMacFinto, stored
// address 192.168.1.100, mask 255.255.255.0.
QByteArray RispostaControlloreFinta(const QByteArray& nome7, uint8_t indirizzo = 17, uint8_t init = 1, uint8_t sw = 1);

} // namespace Test
