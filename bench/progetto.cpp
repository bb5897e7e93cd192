// Opening a project: a 256-rung project of mixed blocks with tables, pages
// and tasks, opened whole (read, parse, rebuild every rung, compile pages and
// tasks, draw the rung list once) against reading and parsing the same files
// alone, in the same run. Goal: within 3x.
//
//   bench_progetto [runs]          (default 5; the median is reported)
#include "support/Ambiente.h"

#include "base/Globali.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/ContestoBlocco.h"
#include "blockeditor/Famiglie.h"
#include "comm/Dispositivo.h"
#include "display/Pagine.h"
#include "display/Task.h"
#include "program/Progetto.h"
#include "projectfiles/ApriProgetto.h"
#include "projectfiles/FileProgetto.h"
#include "projectfiles/SalvaProgetto.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {
void Progetto()
{
    QList<Rung> blocchi;
    for (int i = 0; i < NumBlocchi; ++i) {
        const GestoreFamiglia* g = GestoreBlocco(i);
        if (!g || !g->Codifica) continue;
        Rung r;
        DatiBlocco d = DatiIniziali(i, r, ContestoCorrente(0));
        if (CodificaBlocco(d, r).Memorizzato() && FunzToOpt(r.Classe, r.Gruppo, r.Op) == i) blocchi << r;
    }
    Programmi[0].NumRung = MaxRung;
    for (int k = 1; k <= MaxRung; ++k) {
        Programmi[0].Rung[size_t(k)] = blocchi[k % blocchi.size()];
        Programmi[0].Rung[size_t(k)].Descrizione = QStringLiteral("rung %1").arg(k);
    }
    NumTabelle = 2;
    Tabelle[0] = Tabella{.NomeTabella = "A", .NPunti = 32};
    Tabelle[1] = Tabella{.NomeTabella = "B", .NPunti = 9};
    NumPagine = 3;
    for (int p = 0; p < 3; ++p) {
        Pagine[size_t(p)].NumOggetti = 10;
        for (int o = 1; o <= 10; ++o)
            Pagine[size_t(p)].Oggetti[size_t(o)] = OggettoDisplay{.TipoOgg = NumeroGrande, .PosY = uint8_t(o), .RegOgg = 100};
    }
    NumTask = 4;
    for (int t = 1; t <= 4; ++t) Tasks[size_t(t)] = Task{.NumCampi = 3, .Campi = {1, 2, 3}};
}

double Mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int giri = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    Test::AvviaWorkbench();
    Test::Copione copione;
    copione.Installa();
    Progetto();
    QTemporaryDir cartella;
    const QString base = cartella.filePath(QStringLiteral("bench"));
    const DefModello& m = Modelli[Controllore.Modello];
    if (ScriviFileSet(base, ScriviSet(ProgettoInMemoria(), m))) return 1;

    QList<double> lettura, ricostruzione, apertura;
    for (int g = 0; g < giri; ++g) {
        QElapsedTimer t;
        t.start();
        ContenutoSet c;
        for (int f = 0; f < NumFileSet; ++f) {
            QFile file(base + Estensione(FileSet(f)));
            if (file.open(QIODevice::ReadOnly)) c[size_t(f)] = file.readAll();
        }
        ProgettoSalvato p;
        if (LeggiSet(c, m, p)) return 1;
        lettura << t.nsecsElapsed() / 1e6;
        t.restart();
        RicostruisciRung(p);
        ricostruzione << t.nsecsElapsed() / 1e6;

        ProgettoModificato = false;
        t.restart();
        if (ApriProgetto(base + QStringLiteral(".prj")) != EsitoApertura::Aperto) return 1;
        app.processEvents();
        apertura << t.nsecsElapsed() / 1e6;
    }
    const double l = Mediana(lettura), a = Mediana(apertura);
    std::printf("open %d rungs: %.1f ms; read and parse alone: %.1f ms; ratio %.1f (goal 3); of which the rungs' "
                "re-encoding %.1f ms\n",
                int(Programmi[0].NumRung), a, l, a / l, Mediana(ricostruzione));
    return 0;
}
