// The framings' reply checks on any bytes. The first byte picks the framing,
// the next two are the request's unit and function, the rest is the reply as
// it came off the wire. An accepted reply must really carry that unit and
// function, and on RTU a CRC that matches.
#include "comm/Checksum.h"
#include "comm/ControlloRisposta.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    const QByteArrayView richiesta(data + 1, 2);
    const QByteArrayView ricevuto(data + 3, qsizetype(size - 3));
    switch (data[0] % 3) {
    case 0:
        if (ControllaRispostaRTU(ricevuto, richiesta) == EsitoRisposta::Ok) {
            if (ricevuto.size() < 4) std::abort();
            const int n = int(ricevuto.size()) - 2;
            const auto* b = reinterpret_cast<const uint8_t*>(ricevuto.data());
            if (CalcolaCRC(b, n) != uint16_t(b[n] | (b[n + 1] << 8))) std::abort();
            if (ConfrontaRisposta(ricevuto.first(n), richiesta) != EsitoRisposta::Ok) std::abort();
        }
        break;
    case 1:
        if (ControllaRispostaTCP(ricevuto, richiesta) == EsitoRisposta::Ok) {
            const QByteArrayView m = MessaggioTCP(ricevuto);
            if (m.size() < 2 || m.size() > ricevuto.size()) std::abort();
            if (ConfrontaRisposta(m, richiesta) != EsitoRisposta::Ok) std::abort();
        }
        break;
    default:
        if (ControllaRispostaASCII(ricevuto, richiesta) == EsitoRisposta::Ok && ricevuto.size() < 9)
            std::abort();   // ':' + unit, function and LRC as hex pairs + CR LF
        break;
    }
    return 0;
}
