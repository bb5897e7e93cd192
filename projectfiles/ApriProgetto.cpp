#include "projectfiles/ApriProgetto.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/ContestoBlocco.h"
#include "comm/Dispositivo.h"
#include "display/CompilatorePagine.h"
#include "display/CompilatoreTask.h"
#include "program/Agganci.h"
#include "program/Progetto.h"
#include "program/StatoProgramma.h"
#include "projectfiles/CartellaDialoghi.h"
#include "projectfiles/FileProgetto.h"
#include "projectfiles/SalvaProgetto.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

bool FileEsiste(const QString& percorso)
{
    const QFileInfo i(percorso);
    return i.exists() && !i.isDir();
}

void RicostruisciRung(ProgettoSalvato& p)
{
    ContestoBlocco c = ContestoCorrente(-1);
    if (p.Presente(FileSet::Ptb)) {
        c.tabelle.clear();
        c.puntiTabelle.clear();
        for (int t = 0; t < p.numTabelle; ++t) {
            c.tabelle << p.tabelle[size_t(t)].NomeTabella;
            c.puntiTabelle << p.tabelle[size_t(t)].NPunti;
        }
    }
    // Each rung sees the labels of the rungs read before it and its own.
    for (int i = 0; i < p.rung.size(); ++i) {
        Rung& r = p.rung[i];
        if (!r.Etichetta.isEmpty()) c.etichette.append({r.Etichetta, i + 1});
        // A rung without a block (class 0) has nothing to rebuild: its
        // identity names no block and would come back as the first one of
        // the catalogue. It stays empty, as Insert and Add leave it.
        if (r.Classe == 0) continue;
        r.Valido = true;
        Rung codificato = r;
        DatiBlocco d = DatiDaRung(codificato, c);
        // A rung the encoder refuses keeps the bytes it was saved with and its
        // row still shows the block, but it holds no code of its own (its
        // length is not stored): it stays invalid, and the compile says so.
        if (CodificaBlocco(d, codificato).Memorizzato()) {
            r = codificato;
        } else {
            r.Riga = codificato.Riga;
            r.Valido = false;
        }
    }
}

namespace {
const DefModello& Modello()
{
    return Modelli[size_t(std::clamp<int>(Controllore.Modello, 0, NumModelli - 1))];
}

void Rifiuta(const QString& dove)
{
    Prompt::MsgBox(QStringLiteral("The project was not opened: %1").arg(dove));
}
} // namespace

EsitoApertura ApriProgetto()
{
    const QString scelto = Prompt::FileApri(QStringLiteral("Open Project"), FiltroProgetto, CartellaDialoghi());
    if (scelto.isEmpty()) return EsitoApertura::Annullato;
    RicordaCartella(scelto);
    return ApriProgetto(scelto);
}

EsitoApertura ApriProgetto(const QString& percorso)
{
    const QString base = BaseProgetto(percorso);
    ContenutoSet contenuto;
    for (int f = 0; f < NumFileSet; ++f) {
        const QString nome = f == int(FileSet::Prj) ? percorso : base + Estensione(FileSet(f));
        if (!FileEsiste(nome)) continue;
        QFile file(nome);
        if (!file.open(QIODevice::ReadOnly)) {
            Rifiuta(GuastoLettura{Guasto::NonApribile, nome, 0}.Testo());
            return EsitoApertura::Rifiutato;
        }
        contenuto[size_t(f)] = file.readAll();
    }
    if (!contenuto[size_t(FileSet::Prj)]) {
        Rifiuta(GuastoLettura{Guasto::NonApribile, percorso, 0}.Testo());
        return EsitoApertura::Rifiutato;
    }
    // Asked before anything is cleared: Cancel keeps the project as it is.
    if (VersionePiuNuova(VersioneSet(*contenuto[size_t(FileSet::Prj)]))
        && Prompt::MsgBox(QStringLiteral("Wrong Version, continue?"), Prompt::OkAnnulla) != Prompt::Ok)
        return EsitoApertura::Annullato;

    ProgettoSalvato p;
    if (auto guasto = LeggiSet(contenuto, Modello(), p)) {
        guasto->file = guasto->file == Estensione(FileSet::Prj) ? percorso : base + guasto->file;
        Rifiuta(guasto->Testo());
        return EsitoApertura::Rifiutato;
    }
    RicostruisciRung(p);

    // The files hold the main program only.
    ProgCorrente = 0;
    MostraProcessoCorrente(0);
    if (!NuovoProgetto()) return EsitoApertura::NonSalvato;
    AggiornaProgetto();
    ApplicaProgetto(p);
    // Page programs and compiled task images are not stored: they are made again.
    CompilatorePagine::CompilaOggetti();
    CompilaOggetti();
    ProgCorrente = 0;
    MostraProcessoCorrente(0);
    RigheCaricate = Programmi[0].NumRung;
    RungCorrente = Programmi[0].NumRung;
    NomeProgetto = base;
    NomeFile = base + QStringLiteral(".prj");
    RidisegnaProcessoCorrente();
    ProgettoModificato = false;
    return EsitoApertura::Aperto;
}

