#include "shell/NonDisponibile.h"
#include "shell/Log.h"

void NonDisponibile(const QString& funzione)
{
    LogWrite(funzione + QStringLiteral(": function not available yet"));
}
