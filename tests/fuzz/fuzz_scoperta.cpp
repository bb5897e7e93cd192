// Discovery replies as the module-level search files them, and typed IPv4
// addresses. Byte 0: a controller (even) or a device server (odd) is awaited;
// byte 1: entries already in the table; the rest is the datagram.
#include "comm/AreaComunicazione.h"
#include "comm/Scoperta.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    const QByteArray dati(reinterpret_cast<const char*>(data) + 2, int(size - 2));
    AttesaUDP = data[0] % 2 == 0;
    AttesaUDPGateway = !AttesaUDP;
    NumDispositivi = data[1];
    UDP_DataArrival(dati, QHostAddress(QHostAddress::LocalHost));
    if (NumDispositivi != std::min(data[1] + 1, int(UltimoDispositivo))) std::abort();

    std::array<uint8_t, 4> ip{}, ancora{};
    if (LeggiIndirizzoIP(QString::fromLatin1(dati), ip)) {
        const QString testo = QStringLiteral("%1.%2.%3.%4").arg(ip[0]).arg(ip[1]).arg(ip[2]).arg(ip[3]);
        if (!LeggiIndirizzoIP(testo, ancora) || ancora != ip) std::abort();
    }
    return 0;
}
