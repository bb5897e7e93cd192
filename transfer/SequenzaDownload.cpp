#include "transfer/SequenzaDownload.h"

#include "comm/AccessoController.h"
#include "compiler/Compilatore.h"
#include "compiler/ImmagineCodice.h"
#include "display/CompilaScheduler.h"
#include "transfer/DownloadProgramma.h"
#include "transfer/SezioniMemoria.h"

namespace {
bool& Attiva()
{
    static bool attiva = false;
    return attiva;
}

// The steps up to the run; the closing steps are the caller's. `passo`
// follows the sequence, so a failure or a stop names where it happened.
EsitoDownload Passi(const OpzioniDownload& o, RapportoTrasferimento& r, PassoDownload& passo)
{
    using P = PassoDownload;
    // Compiled before anything is sent: a project that does not compile
    // leaves a running controller alone.
    passo = P::Compilazione;
    LunghezzaImmagine = CompilaProgramma(r);
    if (NumErrori > 0 || LunghezzaImmagine == 0) return EsitoDownload::CompilazioneFallita;
    // Each step first checks that the user has not asked to stop.
    auto entra = [&](P p) {
        passo = p;
        return !r.Fermato();
    };
    if (!entra(P::Stop)) return EsitoDownload::Interrotto;
    ComandoPLC(ComandoPausa);
    if (r.Fermato()) return EsitoDownload::Interrotto;
    if (!ComandoPLC(ComandoStop)) return r.Fermato() ? EsitoDownload::Interrotto : EsitoDownload::StopFallito;
    // A section that ended because of a stop reports the stop, not a failure.
    auto fallito = [&](EsitoDownload e) { return r.Fermato() ? EsitoDownload::Interrotto : e; };
    if (!entra(P::Programma)) return EsitoDownload::Interrotto;
    if (o.Applicazione && !DownloadProgramma(LunghezzaImmagine, r)) return fallito(EsitoDownload::ProgrammaFallito);
    if (!entra(P::Tabelle)) return EsitoDownload::Interrotto;
    if (o.Variabili && !DownloadVariabili(true, r)) return fallito(EsitoDownload::VariabiliFallite);
    // The two models that keep strings, task strings and blocks in memory.
    if (ModelloConStringheScheduler()) {
        if (!DownloadStringhe(true, r)) return fallito(EsitoDownload::StringheFallite);
        if (!DownloadStringheScheduler(true, r)) return fallito(EsitoDownload::StringheSchedulerFallite);
        if (!DownloadBlocchi(true, r)) return fallito(EsitoDownload::BlocchiFalliti);
    }
    if (o.SMS && !DownloadSMS(r)) return fallito(EsitoDownload::SMSFallito);
    if (!entra(P::Verifica)) return EsitoDownload::Interrotto;
    const bool verificato = !o.Verifica || VerificaProgramma(LunghezzaImmagine, r) == EsitoVerifica::Verificato;
    if (r.Fermato()) return EsitoDownload::Interrotto;
    // Clearing writes registers: not after a stop.
    if (o.AzzeraRegistri) r.AzzeraRegistri();
    if (!verificato) {
        if (o.Run) r.Scrivi(QStringLiteral("Run not sent: the program is not verified"));
        return EsitoDownload::NonVerificato;
    }
    if (!o.Run) {
        passo = P::Fine;
        return EsitoDownload::Completato;
    }
    passo = P::Run;
    r.Attendi(1);
    if (r.Fermato()) return EsitoDownload::Interrotto;
    if (!ComandoPLC(ComandoRun)) return EsitoDownload::RunFallito;
    passo = P::Fine;
    return EsitoDownload::Completato;
}
} // namespace

QString NomePasso(PassoDownload passo)
{
    switch (passo) {
    case PassoDownload::Compilazione: return QStringLiteral("compile");
    case PassoDownload::Stop: return QStringLiteral("stop");
    case PassoDownload::Programma: return QStringLiteral("program");
    case PassoDownload::Tabelle: return QStringLiteral("tables");
    case PassoDownload::Verifica: return QStringLiteral("verification");
    case PassoDownload::Run: return QStringLiteral("run");
    case PassoDownload::Fine: break;
    }
    return QString();
}

QString TestoEsitoDownload(EsitoDownload esito, PassoDownload passo)
{
    if (esito == EsitoDownload::Completato || esito == EsitoDownload::Occupato) return QString();
    return (esito == EsitoDownload::Interrotto ? QStringLiteral("Download Stopped: ")
                                               : QStringLiteral("Download Failed: ")) + NomePasso(passo);
}

bool SequenzaDownload::InCorso()
{
    return Attiva();
}

EsitoDownload SequenzaDownload::Esegui(const OpzioniDownload& opzioni, RapportoTrasferimento& rapporto,
                                       PassoDownload* passo)
{
    PassoDownload fine = PassoDownload::Fine;
    if (passo) *passo = fine;
    if (Attiva()) return EsitoDownload::Occupato;
    Attiva() = true;
    rapporto.Riprendi();
    EsitoDownload esito;
    {
        ClessidraAttiva clessidra(rapporto);
        esito = Passi(opzioni, rapporto, fine);
    }
    if (passo) *passo = fine;
    rapporto.Attendi(0.5);
    Attiva() = false;
    return esito;
}
