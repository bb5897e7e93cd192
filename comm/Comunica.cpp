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
    g_inCorso = true;
    g_fissata = false;
    uint8_t r;
    switch (Canale) {
    case 0: r = TransazioneASCII(MostraErrori, guasto); break;
    case 1: r = TransazioneRTU(MostraErrori, guasto); break;
    case 2: r = TransazioneTCP(MostraErrori, guasto); break;
    default: r = 2; break;   // no framing of that number: nothing sent, an error
    }
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

void AccettaRisposta(int lunghezza)
{
    g_lunghezza = lunghezza;
}

void PrendiRisposta(const QByteArray& dati)
{
    n_rx = int16_t(dati.size());
    std::copy(dati.begin(), dati.end(), buff_rx.begin());
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

QString EcoEsadecimale()
{
    QString s;
    for (int i = 0; i < n_rx && i < int(buff_rx.size()); ++i) s += ByteToHex(buff_rx[i]) + QLatin1Char(' ');
    return s;
}

uint8_t Comunica(bool MostraErrori)
{
    uint8_t risultato;
    if (!g_inCorso) g_lunghezza = 0;
    if (!Controllore.Connesso) {
        risultato = 3;
    } else {
        if (!g_inCorso) SvuotaPannello().start();
        QString guasto;
        risultato = Trasporto(MostraErrori, &guasto);
        if (risultato == EsitoGuasto) {
            if (MostraErrori) Prompt::MsgBox(guasto, Prompt::Critica, QStringLiteral("MOD-RTU"));
            risultato = 1;
        }
    }
    if (risultato != 0) {
        // "Not connected" stops a live loop too: it cannot get better by itself.
        ComErr = 1;
        if (!g_inCorso) g_lunghezza = 0;
    }

    if (!g_inCorso) SvuotaPannello().stop();
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
