#include "support/FakeStrumento.h"

#include <QSocketNotifier>
#include <algorithm>
#include <unistd.h>

namespace Test {

bool FakeStrumento::Avvia(int com, const QString& cartella)
{
    if (!m_pty.CollegaCome(com, cartella)) return false;
    m_notifica = new QSocketNotifier(m_pty.Master(), QSocketNotifier::Read, this);
    connect(m_notifica, &QSocketNotifier::activated, this, [this] { Raccogli(); });
    return true;
}

void FakeStrumento::Raccogli()
{
    // The test may have emptied Ricevuti since: look again from its start.
    m_cercaDa = std::min(m_cercaDa, Ricevuti.size());
    char b[512];
    ssize_t n;
    while ((n = ::read(m_pty.Master(), b, sizeof b)) > 0) {
        Ricevuti.append(b, n);
        if (Diario) Diario->append(b, n);
    }
    static const QByteArray comando(":READ?\r\n");
    for (qsizetype i; (i = Ricevuti.indexOf(comando, m_cercaDa)) >= 0;) {
        m_cercaDa = i + comando.size();
        if (!Lettura.isEmpty() && ::write(m_pty.Master(), Lettura.constData(), size_t(Lettura.size())) < 0) break;
    }
}

} // namespace Test
