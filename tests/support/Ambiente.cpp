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

} // namespace Test
