#include "transfer/SequenzaDownload.h"

#include "compiler/Compilatore.h"
#include "transfer/DownloadProgramma.h"
#include "compiler/ImmagineCodice.h"
#include "transfer/SezioniMemoria.h"
#include "comm/AccessoController.h"
#include "display/CompilaScheduler.h"

namespace {
bool& Attiva()
{
    static bool attiva = false;
    return attiva;
}

// The steps up to the run; the closing steps are the caller's.
EsitoDownload Passi(const OpzioniDownload& o, RapportoTrasferimento& r)
{
    // Compiled before anything is sent: a project that does not compile
    // leaves a running controller alone.
    LunghezzaImmagine = CompilaProgramma(r);
    if (NumErrori > 0 || LunghezzaImmagine == 0) return EsitoDownload::CompilazioneFallita;
    ComandoPLC(ComandoPausa);
    if (!ComandoPLC(ComandoStop)) return EsitoDownload::StopFallito;
    if (o.Applicazione && !DownloadProgramma(LunghezzaImmagine, r)) return EsitoDownload::ProgrammaFallito;
    if (o.Variabili && !DownloadVariabili(true, r)) return EsitoDownload::VariabiliFallite;
    // The two models that keep strings, task strings and blocks in memory.
    if (ModelloConStringheScheduler()) {
        if (!DownloadStringhe(true, r)) return EsitoDownload::StringheFallite;
        if (!DownloadStringheScheduler(true, r)) return EsitoDownload::StringheSchedulerFallite;
        if (!DownloadBlocchi(true, r)) return EsitoDownload::BlocchiFalliti;
    }
    if (o.SMS && !DownloadSMS(r)) return EsitoDownload::SMSFallito;
    const bool verificato = !o.Verifica || VerificaProgramma(LunghezzaImmagine, r) == EsitoVerifica::Verificato;
    if (o.AzzeraRegistri) r.AzzeraRegistri();
    if (!o.Run) return verificato ? EsitoDownload::Completato : EsitoDownload::NonVerificato;
    if (!verificato) {
        r.Scrivi(QStringLiteral("Run not sent: the program is not verified"));
        return EsitoDownload::NonVerificato;
    }
    r.Attendi(1);
    ComandoPLC(ComandoRun);
    return EsitoDownload::Completato;
}
} // namespace

bool SequenzaDownload::InCorso()
{
    return Attiva();
}

EsitoDownload SequenzaDownload::Esegui(const OpzioniDownload& opzioni, RapportoTrasferimento& rapporto)
{
    if (Attiva()) return EsitoDownload::Occupato;
    Attiva() = true;
    EsitoDownload esito;
    {
        ClessidraAttiva clessidra(rapporto);
        esito = Passi(opzioni, rapporto);
    }
    rapporto.Attendi(0.5);
    Attiva() = false;
    return esito;
}
