#pragma once
// A device answering the discovery on the loopback network: it listens on
// 127.0.0.1 (ephemeral port) and answers each request it knows with its
// replies, each sent from the address the reply is given (127.x), so that
// several devices can be told apart by their sender address.
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>

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

// An own controller's discovery reply (25 bytes).
QByteArray RispostaControlloreFinta(const QByteArray& nome7, const QByteArray& mac6, const QByteArray& ip4,
                                    const QByteArray& mask4, uint8_t indirizzo, uint8_t init, uint8_t sw);

} // namespace Test
