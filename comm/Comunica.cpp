// The transaction: one request out, one reply checked, the outcome reported
// through the link's events and (when asked) message boxes.
#include "comm/Comunica.h"

#include "base/Conversioni.h"
#include "base/Prompt.h"
#include "comm/Dispositivo.h"
#include "comm/EventiCollegamento.h"

#include <QCoreApplication>
#include <QTimer>

namespace {
int g_lunghezza = 0;
bool g_inCorso = false;
std::array<uint8_t, 1001> g_richiesta{};
int16_t g_nRichiesta = 0;
bool g_fissata = false;

void Pannello4(const QString& testo)
{
    Eventi().EsitoTransazione(testo);
}

void Evento(const QString& testo)
{
    Eventi().Evento(testo);
}

// Panel 4 is empty while a wait runs. It is emptied only once the wait has
// lasted a moment: repainting the status bar twice for every quick reply
// would cost more than the transaction itself.
QTimer& SvuotaPannello()
{
    static QTimer* t = [] {
        auto* timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(100);
        QObject::connect(timer, &QTimer::timeout, [] { Pannello4(QString()); });
        return timer;
    }();
    return *t;
}

EsitoComunica Trasporto(bool MostraErrori, QString* guasto)
{
    if (g_inCorso) {
        // The buffers are shared: a second transaction started by a handler
        // while this one waits would mix both replies. It is refused.
        *guasto = QStringLiteral("Transaction already in progress");
        return ComRifiutata;
    }
    using Trama = EsitoComunica (*)(bool, QString*);
    static constexpr Trama kTrame[] = {TransazioneASCII, TransazioneRTU, TransazioneTCP};
    if (Canale < 0 || Canale >= int16_t(std::size(kTrame))) return ComErrore;   // no such framing: nothing sent
    g_inCorso = true;
    g_fissata = false;
    EcoRisposta(QString());
    const EsitoComunica r = kTrame[Canale](MostraErrori, guasto);
    if (g_fissata) {
        buff_tx = g_richiesta;
        n_tx = g_nRichiesta;
    }
    g_inCorso = false;
    return r;
}
} // namespace

bool TransazioneInCorso()
{
    return g_inCorso;
}

int LunghezzaRisposta()
{
    return g_lunghezza;
}

QByteArrayView RispostaRicevuta()
{
    return QByteArrayView(buff_rx.data(), g_lunghezza);
}

QByteArrayView RichiestaFissata()
{
    return QByteArrayView(g_richiesta.data(), g_nRichiesta);
}

EsitoComunica AccettaRisposta(EsitoRisposta esito, int lunghezza, bool avvisa, QString* guasto)
{
    switch (esito) {
    case EsitoRisposta::Ok: g_lunghezza = lunghezza; return ComOk;
    case EsitoRisposta::Indirizzo:
    case EsitoRisposta::Funzione:
        if (avvisa)
            Prompt::MsgBox(esito == EsitoRisposta::Indirizzo ? QStringLiteral("Risposta Errata (indirizzo)")
                                                              : QStringLiteral("Risposta Errata (funzione)"));
        return ComErrore;
    case EsitoRisposta::SenzaFunzione:
        *guasto = QStringLiteral("Reply without unit address and function");
        return ComGuasto;
    default: return ComTimeOut;
    }
}

void PrendiRisposta(QByteArrayView dati)
{
    n_rx = int16_t(dati.size());
    std::copy(dati.begin(), dati.end(), buff_rx.begin());
    // The hexadecimal text is made only for a terminal that shows it.
    if (EcoTerminale && EcoRispostaTerminale) {
        QString eco;
        eco.reserve(3 * n_rx);
        for (int i = 0; i < n_rx; ++i) eco += ByteToHex(buff_rx[i]) + QLatin1Char(' ');
        EcoRispostaTerminale(eco);
    }
}

void FissaRichiesta()
{
    g_richiesta = buff_tx;
    g_nRichiesta = n_tx;
    g_fissata = true;
}

void EcoRisposta(const QString& testo)
{
    if (EcoTerminale && EcoRispostaTerminale) EcoRispostaTerminale(testo);
}

EsitoComunica Comunica(bool MostraErrori)
{
    // A call from a handler during another transaction's wait is refused and
    // leaves that transaction's reply length and status panel alone.
    const bool annidata = g_inCorso;
    if (!annidata) g_lunghezza = 0;
    EsitoComunica risultato = ComNonConnesso;
    if (Controllore.Connesso) {
        if (!annidata) SvuotaPannello().start();
        QString guasto;
        risultato = Trasporto(MostraErrori, &guasto);
        if (risultato == ComGuasto || risultato == ComRifiutata) {
            if (MostraErrori) Prompt::MsgBox(guasto, Prompt::Critica, QStringLiteral("MOD-RTU"));
            risultato = ComTimeOut;
        }
    }
    // "Not connected" stops a live loop too: it cannot get better by itself.
    if (risultato != ComOk) ComErr = 1;

    if (!annidata) SvuotaPannello().stop();
    switch (risultato) {
    case ComOk: Pannello4(QStringLiteral("Com OK")); break;
    case ComTimeOut:
        Pannello4(QStringLiteral("Com TimeOut"));
        Evento(QStringLiteral("Com Timeout"));
        break;
    case ComNonConnesso:
        if (MostraErrori)
            Prompt::MsgBox(QStringLiteral("Controller not connected"), Prompt::Avviso);
        [[fallthrough]];
    default:
        Pannello4(QStringLiteral("Com Error"));
        Evento(QStringLiteral("Com Error"));
        break;
    }
    return risultato;
}
