#include "projectfiles/ProgettoSalvato.h"

#include "base/Modelli.h"
#include "comm/Dispositivo.h"
#include "registers/TabRegistri.h"
#include "registers/WatchList.h"

#include <algorithm>

QString Estensione(FileSet f)
{
    static const char* const kEstensioni[NumFileSet] = {".prj", ".lst", ".wtc", ".ptb", ".dsp",
                                                        ".skd", ".fmt", ".str", ".blk", ".msg"};
    return QLatin1String(kEstensioni[int(f)]);
}

namespace {
const DefModello& Modello()
{
    return Modelli[size_t(std::clamp<int>(Controllore.Modello, 0, NumModelli - 1))];
}
} // namespace

ProgettoSalvato ProgettoInMemoria()
{
    ProgettoSalvato p;
    p.presente.fill(true);
    const DefModello& m = Modello();
    const Programma& main = Programmi[0];
    for (int r = 1; r <= main.NumRung && r <= MaxRung; ++r) p.rung << main.Rung[size_t(r)];
    for (int a = 0; a <= m.NumRegistri && a <= UltimoRegistro; ++a)
        p.registri << VoceRegistroFile{TabRegistri[size_t(a)].Nome, TabRegistri[size_t(a)].Tipo};
    for (int i = 1; i <= WatchList[0] && i <= MaxWatch; ++i) p.watch << WatchList[size_t(i)];
    p.numTabelle = uint8_t(std::min<int>(NumTabelle, MaxTabelle));
    p.tabelle = Tabelle;
    p.numVariabili = uint8_t(std::min<int>(NumVariabili, MaxVariabiliUsate));
    p.variabili = Variabili;
    for (int i = 0; i < m.NumStringhe && i < int(Stringhe.size()); ++i) p.stringhe << Stringhe[size_t(i)].TestoVoce;
    for (int i = 0; i < MaxBlocchiTesto; ++i) p.blocchi[size_t(i)] = Blocchi[size_t(i)].TestoVoce;
    p.numPagine = uint8_t(std::min<int>(NumPagine, MaxPagine));
    p.pagine = Pagine;
    for (int t = 1; t <= NumTask && t <= MaxTask; ++t) p.task << Tasks[size_t(t)];
    for (int i = 0; i < NumNumeriSMS && i < MaxVociSMS; ++i) p.numeriSMS << NumeriSMS[size_t(i)].TestoSMS;
    for (int i = 0; i < NumTestiSMS && i < MaxVociSMS; ++i) p.testiSMS << TestiSMS[size_t(i)].TestoSMS;
    return p;
}

void ApplicaProgetto(const ProgettoSalvato& p)
{
    const DefModello& m = Modello();
    if (p.Presente(FileSet::Ptb)) {
        NumTabelle = p.numTabelle;
        for (int t = 0; t < p.numTabelle; ++t) Tabelle[size_t(t)] = p.tabelle[size_t(t)];
        CalcolaTabelle();
    }
    if (p.Presente(FileSet::Prj)) {
        Programma& main = Programmi[0];
        main.NumRung = int16_t(p.rung.size());
        for (int r = 0; r < p.rung.size(); ++r) main.Rung[size_t(r + 1)] = p.rung[r];
    }
    if (p.Presente(FileSet::Lst)) {
        // System registers keep the names the program gives them.
        for (int a = m.PrimoRegistroUtente; a < p.registri.size() && a <= m.NumRegistri && a <= UltimoRegistro; ++a) {
            TabRegistri[size_t(a)].Nome = p.registri[a].Nome;
            TabRegistri[size_t(a)].Tipo = p.registri[a].Tipo;
        }
    }
    if (p.Presente(FileSet::Fmt)) {
        NumVariabili = p.numVariabili;
        for (int i = 0; i < p.numVariabili; ++i) Variabili[size_t(i)] = p.variabili[size_t(i)];
    }
    if (p.Presente(FileSet::Str))
        for (int i = 0; i < p.stringhe.size() && i < int(Stringhe.size()); ++i) Stringhe[size_t(i)].TestoVoce = p.stringhe[i];
    if (p.Presente(FileSet::Blk))
        for (int i = 0; i < MaxBlocchiTesto; ++i) Blocchi[size_t(i)].TestoVoce = p.blocchi[size_t(i)];
    if (p.Presente(FileSet::Dsp)) {
        NumPagine = p.numPagine;
        for (int pg = 0; pg < p.numPagine; ++pg) Pagine[size_t(pg)] = p.pagine[size_t(pg)];
    }
    if (p.Presente(FileSet::Skd)) {
        NumTask = uint8_t(p.task.size());
        for (int t = 0; t < p.task.size(); ++t) Tasks[size_t(t + 1)] = p.task[t];
    }
    if (p.Presente(FileSet::Msg)) {
        NumNumeriSMS = uint8_t(p.numeriSMS.size());
        NumTestiSMS = uint8_t(p.testiSMS.size());
        for (int i = 0; i < p.numeriSMS.size(); ++i) NumeriSMS[size_t(i)].TestoSMS = p.numeriSMS[i];
        for (int i = 0; i < p.testiSMS.size(); ++i) TestiSMS[size_t(i)].TestoSMS = p.testiSMS[i];
    }
    if (p.Presente(FileSet::Wtc)) {
        WatchList[0] = int16_t(p.watch.size());
        for (int i = 0; i < p.watch.size(); ++i) WatchList[size_t(i + 1)] = p.watch[i];
    }
}

void TabelleIniziali()
{
    // The model names its own registers; the user's start without a name.
    CaricaRegistriSistema(true);
    for (DefRegistro& r : TabRegistri)
        if (r.Categoria == 0) r.Nome.clear();
    // The register file reaches address NumRegistri itself, one past the user
    // area the model resets: its type must not stay the old project's either.
    const DefModello& m = Modello();
    if (m.NumRegistri >= 0 && m.NumRegistri <= UltimoRegistro && TabRegistri[size_t(m.NumRegistri)].Categoria == 0)
        TabRegistri[size_t(m.NumRegistri)].Tipo = TipoReg::Int;
    WatchList.fill(0);
    Tabelle.fill(Tabella{});
    NumTabelle = 0;
    Blocchi.fill(VoceTesto{});
    Pagine.fill(Pagina{});
    NumPagine = 1;
    PaginaCorrente = 0;
    OggettoCorrente = 0;
    Tasks.fill(Task{});
    NumTask = 0;
    NumeriSMS.fill(VoceSMS{});
    TestiSMS.fill(VoceSMS{});
    NumNumeriSMS = 0;
    NumTestiSMS = 0;
}
