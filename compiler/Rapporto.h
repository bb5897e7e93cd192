#pragma once
// Where a compile or a transfer writes its report: a separator, then lines.
// The shell hands in the one that writes to the Log; the default writes
// nowhere, so code that only wants the result passes nothing.
#include <QString>

class Rapporto {
public:
    virtual ~Rapporto() = default;
    // Opens a report (the dated separator line).
    virtual void Inizia() {}
    virtual void Scrivi(const QString& riga) { (void)riga; }
};
