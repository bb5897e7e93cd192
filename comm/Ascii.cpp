#include "comm/Ascii.h"

#include "base/Attesa.h"
#include "base/Conversioni.h"
#include "base/Prompt.h"
#include "comm/AreaComunicazione.h"
#include "comm/Checksum.h"
#include "comm/Collegamento.h"
#include "comm/Comunica.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/EventiCollegamento.h"

#include <QCoreApplication>
#include <QSerialPort>

namespace {

int ValoreCifra(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The hidden window of this mode: only its serial port matters, so it is a
// plain object made on first use and never shown.
class frm_comunica : public QObject {
public:
    static frm_comunica& Istanza()
    {
        static frm_comunica* f = new frm_comunica(QCoreApplication::instance());
        return *f;
    }
    QSerialPort MSComm1;

private:
    explicit frm_comunica(QObject* padre) : QObject(padre)
    {
        // Data received: the same flag as the main window's port.
        QObject::connect(&MSComm1, &QSerialPort::readyRead, this, [] { DatiArrivati = 1; });
    }
};

} // namespace

uint8_t LrcModbus(const uint8_t* dati, int n)
{
    return CalcolaLRC(dati, n);
}

QByteArray TramaASCII(const uint8_t* dati, int n)
{
    QByteArray t;
    t.reserve(2 * n + 5);
    t.append(':');
    for (int i = 0; i < n; ++i) t.append(ByteToHex(dati[i]).toLatin1());
    t.append(ByteToHex(LrcModbus(dati, n)).toLatin1());
    t.append("\r\n");
    return t;
}

RispostaASCII DecodificaASCII(const QByteArray& testo, uint8_t* dest, int capienza)
{
    RispostaASCII r;
    const int len = int(testo.size());
    r.eco = len > 0 ? QString(QLatin1Char(testo[0])) + QLatin1Char(' ') : QStringLiteral(" ");
    if (len == 0) {
        r.vuota = true;
        return r;
    }
    // (len - 3) / 2 pairs from the second character, halves rounded to even:
    // a frame that lost a character still shows all its pairs. 2n + 1 never
    // exceeds len, so every pair lies inside the text.
    const int corpo = qMax(0, len - 3);
    const int coppie = corpo / 2 + ((corpo % 2) && ((corpo / 2) % 2) ? 1 : 0);
    bool pulito = coppie <= capienza;
    for (int k = 0; k < coppie; ++k) {
        const char a = testo[1 + 2 * k], b = testo[2 + 2 * k];
        r.eco += QLatin1Char(a);
        r.eco += QLatin1Char(b);
        r.eco += QLatin1Char(' ');
        const int h = ValoreCifra(a), l = ValoreCifra(b);
        if (h < 0 || l < 0) pulito = false;
        if (k < capienza) dest[k] = uint8_t((qMax(h, 0) << 4) | qMax(l, 0));
    }
    r.n = qMin(coppie, capienza);
    r.erroreCR = len < 2 || testo[len - 2] != '\r';
    r.erroreLF = testo[len - 1] != '\n';
    // A stray character between the pairs and CR LF leaves an odd body.
    if (!r.erroreCR && !r.erroreLF && corpo % 2) pulito = false;
    // The last pair is the sender's LRC over the pairs before it.
    r.erroreLRC = !pulito || r.n < 1 || LrcModbus(dest, r.n - 1) != dest[r.n - 1];
    return r;
}

bool ApriASCII(int porta, const QString& impostazioni)
{
    QSerialPort& p = frm_comunica::Istanza().MSComm1;
    if (p.isOpen()) p.close();
    const QString nome = NomePortaSeriale(porta);
    if (nome.isEmpty()) return false;
    p.setPortName(nome);
    if (!p.open(QIODevice::ReadWrite)) return false;
    if (!ImpostaSeriale(p, impostazioni)) {
        p.close();
        return false;
    }
    Canale = CanaleASCII;
    Controllore.Connesso = true;
    RicordaCollegamento();
    Eventi().Evento(QStringLiteral("Port Open"));
    return true;
}

void ChiudiASCII()
{
    QSerialPort& p = frm_comunica::Istanza().MSComm1;
    if (p.isOpen()) p.close();
    if (Canale == CanaleASCII) Controllore.Connesso = false;
}

bool PortaASCIIAperta() { return frm_comunica::Istanza().MSComm1.isOpen(); }

bool InviaASCII(uint8_t* buffer, int capienza, int16_t& n)
{
    QSerialPort& p = frm_comunica::Istanza().MSComm1;
    if (!p.isOpen() || n < 0 || n + 3 > capienza) return false;
    const QByteArray trama = TramaASCII(buffer, n);
    buffer[n] = LrcModbus(buffer, n);
    buffer[n + 1] = 13;
    buffer[n + 2] = 10;
    n = int16_t(n + 3);
    return p.write(trama) == trama.size();
}

bool RiceviASCII()
{
    QSerialPort& p = frm_comunica::Istanza().MSComm1;
    QCoreApplication::processEvents();
    str_rx.clear();
    // A frame longer than the reply buffer is still read to its end; the
    // decoder writes only what fits and reports it as bad.
    AttendiFinche(
        [&p] {
            if (p.isOpen()) str_rx.append(p.readAll());
            return str_rx.endsWith("\r\n");
        },
        qMax(0, int(ComTimeout)) * 1000);
    DatiArrivati = 0;

    const RispostaASCII r = DecodificaASCII(str_rx, buff_rx.data(), int(buff_rx.size()));
    if (r.vuota) {
        Prompt::MsgBox(QStringLiteral("TimeOut"));
    } else {
        n_rx = int16_t(r.n);
        if (r.erroreCR) Prompt::MsgBox(QStringLiteral("Risposta Errata (CR)"));
        if (r.erroreLF) Prompt::MsgBox(QStringLiteral("Risposta Errata (LF)"));
        if (r.erroreLRC) Prompt::MsgBox(QStringLiteral("Risposta Errata (lrc)"));
    }
    EcoRisposta(r.eco);
    str_rx.clear();
    QCoreApplication::processEvents();
    return r.Ok();
}

EsitoComunica TransazioneASCII(bool MostraErrori, QString* guasto)
{
    // Byte 6 (the byte count of the multi-register writes) goes out doubled,
    // as characters rather than bytes, for every request longer than 6 bytes
    // except function 15: the devices read it so.
    if (buff_tx[1] != 15 && n_tx > 6) {
        if (buff_tx[6] > 127) {
            *guasto = QStringLiteral("Overflow");
            return ComGuasto;
        }
        buff_tx[6] = uint8_t(buff_tx[6] * 2);
    }
    if (!PortaASCIIAperta()) {
        *guasto = QStringLiteral("Port is not open");
        return ComGuasto;
    }
    if (!InviaASCII(buff_tx.data(), int(buff_tx.size()), n_tx)) {
        *guasto = QStringLiteral("Request too long for the transmit buffer");
        return ComGuasto;
    }
    FissaRichiesta();
    if (!AttendiRisposta) return ComOk;
    if (!RiceviASCII()) return ComTimeOut;
    // The last decoded byte is the LRC.
    const int lunghezza = n_rx - 1;
    const QByteArrayView messaggio(buff_rx.data(), lunghezza);
    return AccettaRisposta(ConfrontaRisposta(messaggio, RichiestaFissata()), lunghezza, MostraErrori, guasto);
}
