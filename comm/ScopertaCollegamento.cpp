#include "comm/ScopertaCollegamento.h"

#include "comm/Dispositivo.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "shell/NonDisponibile.h"

#include <QMetaObject>

void DisconnettiScoperta()
{
    NonDisponibile(QStringLiteral("Disconnetti"));
}

void ConnettiScoperta()
{
    NonDisponibile(QStringLiteral("Connetti"));
}

bool ComandoScoperta(uint8_t comando)
{
    NonDisponibile(QStringLiteral("ComandoPLC"));
    return false;
}

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
    DisconnettiScoperta();
    ConnettiScoperta();
    const uint8_t m0 = Controllore.Modello;
    NonDisponibile(QStringLiteral("LeggiModello"));
    if (verifica) NonDisponibile(QStringLiteral("VerificaController"));
    NonDisponibile(QStringLiteral("LeggiStatoPLC"));
    CaricaRegistriSistema(verifica && Controllore.Modello != m0);
    RidisegnaRegistri();
}
