#include "support/Copione.h"

namespace Test {

void Copione::Installa()
{
    Prompt::ImpostaRisponditore([this](const Prompt::Richiesta& r) {
        richieste.append(r);
        if (!risposte.isEmpty()) return risposte.takeFirst();
        Prompt::Risposta_ out;
        out.annullato = r.tipo != Prompt::Tipo::Messaggio;
        return out;
    });
}

QStringList Copione::Messaggi() const
{
    QStringList out;
    for (const auto& r : richieste)
        if (r.tipo == Prompt::Tipo::Messaggio) out << r.testo;
    return out;
}

} // namespace Test
