#include "shell/LogTrasferimento.h"

#include "shell/Log.h"

#include <QApplication>

void LogTrasferimento::Inizia()
{
    LogStart();
}

void LogTrasferimento::Scrivi(const QString& riga)
{
    LogWrite(riga);
}

void LogTrasferimento::Clessidra(bool attiva)
{
    if (attiva) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

LogTrasferimento& LogTrasferimento::Istanza()
{
    static LogTrasferimento r;
    return r;
}
