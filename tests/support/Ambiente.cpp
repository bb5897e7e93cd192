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
    static Copione nessuno;
    nessuno.Installa();
    Main();
    Principale::Istanza()->show();
}

} // namespace Test
