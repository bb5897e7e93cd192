#include "comm/Ascii.h"
#include "comm/Comunica.h"

uint8_t TransazioneASCII(bool MostraErrori, QString* guasto)
{
    return ComunicaASCII(MostraErrori, guasto);
}
