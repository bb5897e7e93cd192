#pragma once
// Device discovery: the UDP datagrams on port 30718 (discovery requests,
// replies of own controllers and of device servers, set-IP), the identity
// registers asked by the Modbus address scans, and the module-level search
// that fills Dispositivi for the compact search window.
#include "comm/Dispositivo.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHostAddress>
#include <QString>
#include <array>
#include <cstdint>

class QUdpSocket;

inline const QString FamigliaControllori = QStringLiteral("4555");
inline const QString FamigliaGateway = QStringLiteral("8035");

// Model record given to every device server found by the discovery.
constexpr uint8_t ModelloGateway = 12;

// Where discovery and set-IP datagrams go. The broadcast address and the
// port can be moved (WORKBENCH_BROADCAST, WORKBENCH_UDP_PORT) so that tries
// and tests stay on the loopback network.
QHostAddress DestinazioneScoperta();
quint16 PortaScoperta();

// A port a variable of the environment may move: `predefinita` when the
// variable is unset or not a port number.
quint16 PortaAmbiente(const char* variabile, quint16 predefinita);

// The request of a family; empty for an unknown family.
QByteArray RichiestaScoperta(const QString& famiglia);

// Reply of an own controller. Fields the datagram is too short to hold are
// empty texts and zero values.
struct RispostaControllore {
    QString nome;
    std::array<uint8_t, 6> mac{};
    QString testoMAC;
    std::array<uint8_t, 4> ip{};
    QString testoIP;            // the address stored in the device
    std::array<uint8_t, 4> mask{};
    QString testoMask;
    uint8_t indirizzo = 0;      // Modbus unit address
    uint8_t init = 0;           // INIT switch, 1 = on
    uint8_t switchInterno = 0;
    bool completa = false;      // all 25 bytes were there
};
RispostaControllore DecodificaControllore(const QByteArray& dati);

// MAC text of a device-server reply; empty when the reply is too short.
QString DecodificaGateway(const QByteArray& dati);

// "00-1A-2B-3C-4D-5E"
QString TestoMAC(const uint8_t* byte, int n = 6);

// The table entries a reply becomes. The entry is reset first, so nothing
// of an earlier search or scan (connection type, baud rate...) survives.
void ScriviControllore(Dispositivo& d, const RispostaControllore& r, const QString& mittente);
void ScriviGateway(Dispositivo& d, const QString& testoMAC, const QString& mittente);

// The name under which a controller is listed: the edition may impose one.
QString NomeControllore(const RispostaControllore& r);

// Reads a dotted IPv4 address typed by the user: 1 to 4 decimal pieces of
// 0..255, the missing trailing pieces 0. False for anything else.
bool LeggiIndirizzoIP(const QString& testo, std::array<uint8_t, 4>& ottetti);

// "0002", MAC, address, CRC-8: the 15 bytes of the set-IP request.
QByteArray RichiestaSetIP(const uint8_t* mac, const std::array<uint8_t, 4>& ip);

// Sends one datagram to the discovery destination when the address is
// allowed; false when refused or not sent.
bool InviaScoperta(QUdpSocket& socket, const QByteArray& dati);

// Identification of a device by its input registers 0..6 (function 4).
void PreparaIdentificazione(uint8_t indirizzo);   // fills buff_tx, n_tx
struct Identificazione {
    QString versione;
    QString nome;
    uint8_t indirizzo = 0;
};
// Decodes a reply's message bytes (unit address on, without checksum:
// buff_rx up to LunghezzaRisposta()); false when they are too few to hold
// the registers.
bool DecodificaIdentificazione(QByteArrayView risposta, Identificazione& id);

// Sends the family's request on `socket` and keeps the family's wait flag
// (AttesaUDP or AttesaUDPGateway) up for `secondi`: the socket's handler
// takes the replies meanwhile. Nothing for an unknown family.
void AttendiRisposte(QUdpSocket& socket, const QString& famiglia, double secondi);

// Module-level discovery: sends the family's request and, for one second,
// files every reply at Dispositivi(NumDispositivi + 1). The caller resets
// NumDispositivi.
void CercaDispositiviUDP(const QString& famiglia);

// A sender's address as dotted text (an IPv4-mapped IPv6 address too).
QString TestoMittente(const QHostAddress& a);

// The datagram handler of the module-level search (public for the tests).
void UDP_DataArrival(const QByteArray& dati, const QHostAddress& mittente);

// The highest entry of Dispositivi.
constexpr int UltimoDispositivo = 255;
