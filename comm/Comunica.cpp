// The transaction: one request out, one reply checked, the outcome reported
// in the status bar, the Log and (when asked) message boxes.
#include "comm/Comunica.h"

#include "comm/Dispositivo.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "shell/Prompt.h"
#include "shell/convert/Conversioni.h"

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
    Principale::Istanza()->ImpostaPannello(4, testo);
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

uint8_t Trasporto(bool MostraErrori, QString* guasto)
{
    if (g_inCorso) {
        // The buffers are shared: a second transaction started by a handler
        // while this one waits would mix both replies. It is refused.
        *guasto = QStringLiteral("Transaction already in progress");
        return EsitoGuasto;
    }
    using Trama = uint8_t (*)(bool, QString*);
    static constexpr Trama kTrame[] = {TransazioneASCII, TransazioneRTU, TransazioneTCP};
    if (Canale < 0 || Canale >= int16_t(std::size(kTrame))) return 2;   // no such framing: nothing sent, an error
    g_inCorso = true;
    g_fissata = false;
    EcoRisposta(QString());
    const uint8_t r = kTrame[Canale](MostraErrori, guasto);
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

uint8_t AccettaRisposta(int lunghezza, bool avvisa)
{
    const char* errore = buff_rx[0] != g_richiesta[0]   ? "Risposta Errata (indirizzo)"
                         : buff_rx[1] != g_richiesta[1] ? "Risposta Errata (funzione)"
                                                        : nullptr;
    if (errore) {
        if (avvisa) Prompt::MsgBox(QString::fromLatin1(errore));
        return 2;
    }
    g_lunghezza = lunghezza;
    return 0;
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

uint8_t Comunica(bool MostraErrori)
{
    // A call from a handler during another transaction's wait is refused and
    // leaves that transaction's reply length and status panel alone.
    const bool annidata = g_inCorso;
    if (!annidata) g_lunghezza = 0;
    uint8_t risultato = 3;
    if (Controllore.Connesso) {
        if (!annidata) SvuotaPannello().start();
        QString guasto;
        risultato = Trasporto(MostraErrori, &guasto);
        if (risultato == EsitoGuasto) {
            if (MostraErrori) Prompt::MsgBox(guasto, Prompt::Critica, QStringLiteral("MOD-RTU"));
            risultato = 1;
        }
    }
    // "Not connected" stops a live loop too: it cannot get better by itself.
    if (risultato != 0) ComErr = 1;

    if (!annidata) SvuotaPannello().stop();
    switch (risultato) {
    case 0: Pannello4(QStringLiteral("Com OK")); break;
    case 1:
        Pannello4(QStringLiteral("Com TimeOut"));
        LogStart();
        LogWrite(QStringLiteral("Com Timeout"));
        break;
    case 3:
        if (MostraErrori)
            Prompt::MsgBox(QStringLiteral("Controller not connected"), Prompt::Avviso);
        [[fallthrough]];
    default:
        Pannello4(QStringLiteral("Com Error"));
        LogStart();
        LogWrite(QStringLiteral("Com Error"));
        break;
    }
    return risultato;
}
