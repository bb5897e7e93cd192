#include "comm/ScopertaCollegamento.h"

#include "comm/AccessoController.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "shell/NonDisponibile.h"

#include <QMetaObject>

namespace {
void RidisegnaRegistri()
{
    if (QWidget* w = Finestre::Cerca("Registri")) {
        QMetaObject::invokeMethod(w, "Redraw");
        return;
    }
    NonDisponibile(QStringLiteral("Registri.Redraw"));
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
