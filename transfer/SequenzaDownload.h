#pragma once
// The download sequence behind the download dialog: compile, pause and stop
// the controller, write the program and the tables, verify, clear the
// registers, run. A step that fails skips every later one but the closing
// steps (pointer back, half a second), which always run. One download at a
// time: a second one asked for while one runs is refused.
#include "transfer/RapportoTrasferimento.h"

// The dialog's boxes.
struct OpzioniDownload {
    bool Applicazione = true;   // write the code image
    bool Variabili = true;
    bool SMS = false;
    bool Verifica = false;
    bool AzzeraRegistri = false;
    bool Run = false;
};

// Where the sequence ended.
enum class EsitoDownload {
    Completato,
    Occupato,             // another download was running: nothing done
    CompilazioneFallita,  // nothing sent at all
    StopFallito,
    ProgrammaFallito,
    VariabiliFallite,
    StringheFallite,
    StringheSchedulerFallite,
    BlocchiFalliti,
    SMSFallito,
    NonVerificato,        // Verify ticked and not verified: run not sent
};

class SequenzaDownload {
public:
    static EsitoDownload Esegui(const OpzioniDownload& opzioni, RapportoTrasferimento& rapporto);
    // True from the sequence's start to its end.
    static bool InCorso();
};
