#include "comm/ControlloRisposta.h"

#include "comm/Ascii.h"
#include "comm/Checksum.h"

#include <array>

namespace {
constexpr int kIntestazioneTCP = 6;

const uint8_t* Byte(QByteArrayView v) { return reinterpret_cast<const uint8_t*>(v.data()); }

int LunghezzaDichiarata(QByteArrayView s) { return (uint8_t(s[4]) << 8) | uint8_t(s[5]); }
} // namespace

EsitoRisposta ConfrontaRisposta(QByteArrayView messaggio, QByteArrayView richiesta)
{
    if (messaggio.size() < 2) return EsitoRisposta::SenzaFunzione;
    if (richiesta.size() < 2 || messaggio[0] != richiesta[0]) return EsitoRisposta::Indirizzo;
    if (messaggio[1] != richiesta[1]) return EsitoRisposta::Funzione;
    return EsitoRisposta::Ok;
}

EsitoRisposta ControllaRispostaRTU(QByteArrayView ricevuto, QByteArrayView richiesta)
{
    if (ricevuto.size() > CapienzaRisposta) return EsitoRisposta::TroppoLunga;
    if (ricevuto.isEmpty()) return EsitoRisposta::Vuota;
    const int n = int(ricevuto.size());
    switch (VerificaCRC(Byte(ricevuto), n, Byte(ricevuto), n - 2)) {
    case EsitoCRC::Corta: return EsitoRisposta::CrcCorta;
    case EsitoCRC::Errore1: return EsitoRisposta::ErroreCRC1;
    case EsitoCRC::Errore2: return EsitoRisposta::ErroreCRC2;
    case EsitoCRC::Ok: break;
    }
    return ConfrontaRisposta(ricevuto.first(n - 2), richiesta);
}

EsitoRisposta ControllaRispostaTCP(QByteArrayView ricevuto, QByteArrayView richiesta)
{
    if (ricevuto.isEmpty()) return EsitoRisposta::Vuota;
    if (ricevuto.size() < kIntestazioneTCP) return EsitoRisposta::IntestazioneCorta;
    const int attesi = LunghezzaDichiarata(ricevuto);
    if (attesi > CapienzaRisposta) return EsitoRisposta::TroppoLunga;
    if (ricevuto.size() < kIntestazioneTCP + attesi) return EsitoRisposta::Incompleta;
    return ConfrontaRisposta(ricevuto.sliced(kIntestazioneTCP, attesi), richiesta);
}

QByteArrayView MessaggioTCP(QByteArrayView ricevuto)
{
    return ricevuto.sliced(kIntestazioneTCP, LunghezzaDichiarata(ricevuto));
}

EsitoRisposta ControllaRispostaASCII(QByteArrayView ricevuto, QByteArrayView richiesta)
{
    std::array<uint8_t, CapienzaRisposta> messaggio{};
    const RispostaASCII r = DecodificaASCII(ricevuto.toByteArray(), messaggio.data(), int(messaggio.size()));
    if (r.vuota) return EsitoRisposta::Vuota;
    if (!r.Ok()) return EsitoRisposta::ErroreASCII;
    // The last decoded byte is the LRC.
    return ConfrontaRisposta(QByteArrayView(messaggio.data(), r.n - 1), richiesta);
}
