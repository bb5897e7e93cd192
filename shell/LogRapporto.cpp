#include "shell/LogRapporto.h"

#include "shell/Log.h"

void LogRapporto::Inizia()
{
    LogStart();
}

void LogRapporto::Scrivi(const QString& riga)
{
    LogWrite(riga);
}

LogRapporto& LogRapporto::Istanza()
{
    static LogRapporto r;
    return r;
}
