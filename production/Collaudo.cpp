#include "production/Collaudo.h"

#include "production/LineaStrumento.h"

namespace Collaudo {

void ComandaRele(uint8_t scheda, uint8_t canale, bool chiudi)
{
    LineaStrumento& linea = Seriale_switch();
    if (!linea.Aperta())
        return;
    const QByteArray comando = (chiudi ? "rout:close (@" : "rout:open (@") + QByteArray::number(scheda) +
                               QByteArray::number(canale).rightJustified(2, '0') + ")\r\n";
    linea.Invia(comando);
}

}  // namespace Collaudo
