#pragma once
// The download sequence behind the download dialog: compile, pause and stop
// the controller, write the program and the tables, verify, clear the
// registers, run. A step that fails skips every later one but the closing
// steps (pointer back, half a second), which always run. One download at a
// time: a second one asked for while one runs is refused. Stopped by the
// user, it writes nothing more and never sends run.
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
    RunFallito,           // the run command was not acknowledged
    Interrotto,           // the user stopped it: nothing sent after
};

// The step a download was in when it ended.
enum class PassoDownload { Compilazione, Stop, Programma, Tabelle, Verifica, Run, Fine };

// The step's name in the closing report ("program").
QString NomePasso(PassoDownload passo);
// What the Log and the box say of a download that did not complete
// ("Download Failed: program", "Download Stopped: tables"); empty when it
// completed or never started.
QString TestoEsitoDownload(EsitoDownload esito, PassoDownload passo);

class SequenzaDownload {
public:
    // `passo`, when given, receives the step the sequence ended in. A stop
    // asked through the report (RapportoTrasferimento::Ferma) ends it
    // before its next block or step with Interrotto.
    static EsitoDownload Esegui(const OpzioniDownload& opzioni, RapportoTrasferimento& rapporto,
                                PassoDownload* passo = nullptr);
    // True from the sequence's start to its end.
    static bool InCorso();
};
