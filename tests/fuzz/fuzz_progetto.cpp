// The project file set as the open reads it (the input layout is in
// SetFuzz.h). A set that loads is written and read back: it loads again and
// the second writing gives the bytes of the first. A set the open refuses
// leaves the project in memory, its name and its modified flag as they
// were, and the box names the file and line the reader stopped at.
#include "Cartella.h"
#include "SetFuzz.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "comm/Dispositivo.h"
#include "program/StatoProgramma.h"
#include "projectfiles/ApriProgetto.h"
#include "registers/TabRegistri.h"

#include <QFile>

namespace {
using Fuzz::Fallisce;

// The project in memory as the save writes it under each model, taken
// before the first run.
std::array<ByteSet, NumModelli> g_inMemoria;

// Opens the set from disk, as the user would, and checks nothing moved.
void RifiutoSuDisco(const Fuzz::SetInput& in, const GuastoLettura& atteso)
{
    const QString base = Fuzz::Cartella() + QStringLiteral("/set");
    for (int f = 0; f < NumFileSet; ++f) {
        QFile file(base + Estensione(FileSet(f)));
        if (!in.contenuto[size_t(f)]) {
            file.remove();
        } else if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                   || file.write(*in.contenuto[size_t(f)]) != in.contenuto[size_t(f)]->size()) {
            Fallisce("cannot write the set to", file.fileName());
        }
    }
    const ByteSet& prima = g_inMemoria[size_t(in.modello)];
    const int16_t rung = Programmi[0].NumRung;
    Prompt::RegistraStorico(false);
    Prompt::RegistraStorico(true);
    const EsitoApertura esito = ApriProgetto(base + Estensione(FileSet::Prj));
    if (esito != EsitoApertura::Rifiutato) Fallisce("a refused set was not refused on disk");
    const QString testo = GuastoLettura{atteso.tipo, base + atteso.file, atteso.riga}.Testo();
    if (Prompt::Storico().isEmpty() || !Prompt::Storico().last().testo.endsWith(testo))
        Fallisce("the box does not name", testo);
    // What an open that went on would change first; the whole project, as
    // written, now and then (writing it all each time would slow every run
    // tenfold).
    if (NomeProgetto != QLatin1String("kept") || NomeFile != QLatin1String("kept.prj") || !ProgettoModificato
        || Programmi[0].NumRung != rung || ProgCorrente != 0)
        Fallisce("a refused set changed the project's name, flag or program");
    static int rifiuti = 0;
    if (rifiuti++ % 16 == 0 && ScriviSet(ProgettoInMemoria(), Modelli[size_t(in.modello)]) != prima)
        Fallisce("a refused set changed the project");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CaricaModelli();
    Controllore.Modello = uint8_t(Fuzz::ModelloCompleto());
    CaricaRegistriSistema(true);
    // Unsaved work in memory: what a refused open must not lose.
    ApplicaProgetto(Fuzz::ProgettoEsempio());
    for (int m = 0; m < NumModelli; ++m) {
        Controllore.Modello = uint8_t(m);
        g_inMemoria[size_t(m)] = ScriviSet(ProgettoInMemoria(), Modelli[size_t(m)]);
    }
    ProgettoModificato = true;
    NomeProgetto = QStringLiteral("kept");
    NomeFile = QStringLiteral("kept.prj");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    const Fuzz::SetInput in = Fuzz::LeggiInput(data, size);
    Controllore.Modello = uint8_t(in.modello);
    const DefModello& m = Modelli[size_t(in.modello)];

    ProgettoSalvato p;
    std::optional<GuastoLettura> guasto;
    // Without its .prj there is no set to open.
    if (!in.contenuto[size_t(FileSet::Prj)])
        guasto = GuastoLettura{Guasto::NonApribile, Estensione(FileSet::Prj), 0};
    else
        guasto = LeggiSet(in.contenuto, m, p);
    if (guasto) {
        RifiutoSuDisco(in, *guasto);
        return 0;
    }

    // Such a set is refused by the save, which says so; the rest save and
    // load back.
    if (BloccoNonSalvabile(p, m) >= 0) return 0;
    RicostruisciRung(p);
    const ByteSet primo = ScriviSet(p, m);
    ProgettoSalvato ancora;
    if (auto g = LeggiSet(Fuzz::Contenuto(primo, p.presente), m, ancora)) {
        g->file = QStringLiteral("set") + g->file;
        Fallisce("a saved set does not load:", g->Testo());
    }
    RicostruisciRung(ancora);
    const ByteSet secondo = ScriviSet(ancora, m);
    for (int f = 0; f < NumFileSet; ++f)
        if (secondo[size_t(f)] != primo[size_t(f)]) Fallisce("saved again differently:", Estensione(FileSet(f)));
    return 0;
}
