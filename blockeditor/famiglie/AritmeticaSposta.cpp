#include "blockeditor/famiglie/Elenco.h"

// The arithmetic, move, scale, block-move and display-call blocks.
void RegistraAritmeticaSposta()
{
}
