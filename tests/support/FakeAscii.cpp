#include "support/FakeAscii.h"

#include "comm/Ascii.h"

#include <QSocketNotifier>
#include <unistd.h>

namespace Test {

bool FakeAscii::Avvia(int com)
{
    if (!m_pty.CollegaCome(com)) return false;
    Risposta = &FakeAscii::RispostaStandard;
    m_notifica = new QSocketNotifier(m_pty.Master(), QSocketNotifier::Read, this);
    connect(m_notifica, &QSocketNotifier::activated, this, [this] { Leggi(); });
    return true;
}

FakeAscii::~FakeAscii()
{
    delete m_notifica;
}

QByteArray FakeAscii::Messaggio(const QByteArray& trama)
{
    if (!trama.startsWith(':') || !trama.endsWith("\r\n") || trama.size() < 5) return {};
    const QByteArray m = QByteArray::fromHex(trama.mid(1, trama.size() - 3));
    return m.left(m.size() - 1);
}

QByteArray FakeAscii::RispostaStandard(const QByteArray& messaggio)
{
    if (messaggio.size() < 6) return {};
    QByteArray r = messaggio.left(6);
    const uint8_t funzione = uint8_t(messaggio[1]);
    if (funzione == 3 || funzione == 4) r = messaggio.left(2) + char(2 * messaggio[5]) + QByteArray(2 * messaggio[5], 0);
    return TramaASCII(reinterpret_cast<const uint8_t*>(r.constData()), int(r.size()));
}

void FakeAscii::Leggi()
{
    char buf[512];
    ssize_t n;
    while ((n = ::read(m_pty.Master(), buf, sizeof buf)) > 0) m_ricevuti.append(buf, n);
    qsizetype fine;
    while ((fine = m_ricevuti.indexOf('\n')) >= 0) {
        const QByteArray trama = m_ricevuti.left(fine + 1);
        m_ricevuti.remove(0, fine + 1);
        Trame.append(trama);
        const QByteArray risposta = Risposta ? Risposta(Messaggio(trama)) : QByteArray();
        if (!risposta.isEmpty()) {
            const ssize_t scritti = ::write(m_pty.Master(), risposta.constData(), size_t(risposta.size()));
            Q_UNUSED(scritti);
        }
    }
}

} // namespace Test
