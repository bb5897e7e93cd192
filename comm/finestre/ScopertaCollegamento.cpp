#include "comm/finestre/ScopertaCollegamento.h"

#include "comm/AccessoController.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "registers/Registri.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"

#include <QMetaObject>

namespace {
void RidisegnaRegistri()
{
    Finestre::Get<Registri>()->Redraw();
}
} // namespace

void CollegaDispositivo(bool verifica)
{
    Disconnetti();
    Connetti();
    const uint8_t m0 = Controllore.Modello;
    LeggiModello(Controllore.Modello);
    if (verifica) VerificaController();
    Controllore.ModoDebug = LeggiStatoPLC() ? -1 : 0;
    CaricaRegistriSistema(verifica && Controllore.Modello != m0);
    RidisegnaRegistri();
}
