#include "support/Ambiente.h"

#include "shell/Avvio.h"
#include "shell/Principale.h"

namespace Test {

void AvviaWorkbench()
{
    static bool avviato = false;
    if (avviato) return;
    avviato = true;
    // Tests never wait on a real dialog.
    Prompt::ImpostaRisponditore([](const Prompt::Richiesta& r) {
        Prompt::Risposta_ out;
        out.annullato = r.tipo != Prompt::Tipo::Messaggio;
        return out;
    });
    Main();
    Principale::Istanza()->show();
}

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
