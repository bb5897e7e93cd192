#pragma once
// How the project target and the seed generator put a project file set in
// one input: byte 0 picks the model, bytes 1 and 2 (low byte first) say
// which of the ten files the set holds (bit f for file f), then the files
// held follow in set order, each ended by a NUL byte; the last may simply
// run to the end of the input.
#include "blockeditor/Catalogo.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/ContestoBlocco.h"
#include "blockeditor/Famiglie.h"
#include "projectfiles/FileProgetto.h"

#include <cstddef>
#include <cstdint>

namespace Fuzz {

struct SetInput {
    int modello = 0;
    ContenutoSet contenuto;
};

inline SetInput LeggiInput(const uint8_t* data, size_t size)
{
    SetInput in;
    if (size < 3) return in;
    in.modello = data[0] % NumModelli;
    const unsigned presenti = data[1] | (unsigned(data[2]) << 8);
    const QByteArray resto(reinterpret_cast<const char*>(data) + 3, qsizetype(size - 3));
    qsizetype da = 0;
    for (int f = 0; f < NumFileSet; ++f) {
        if (!(presenti & (1u << f))) continue;
        qsizetype fine = resto.indexOf('\0', da);
        if (fine < 0) fine = resto.size();
        in.contenuto[size_t(f)] = resto.mid(da, fine - da);
        da = std::min(fine + 1, resto.size());
    }
    return in;
}

inline QByteArray ScriviInput(int modello, const ContenutoSet& contenuto)
{
    QByteArray out(3, '\0');
    unsigned presenti = 0;
    for (int f = 0; f < NumFileSet; ++f) {
        if (!contenuto[size_t(f)]) continue;
        presenti |= 1u << f;
        out += *contenuto[size_t(f)];
        out += '\0';
    }
    out[0] = char(modello);
    out[1] = char(presenti & 0xff);
    out[2] = char(presenti >> 8);
    return out;
}

// The files of a set that `presenti` holds, from a writer's ten.
inline ContenutoSet Contenuto(const ByteSet& byte, const std::array<bool, NumFileSet>& presenti)
{
    ContenutoSet c;
    for (int f = 0; f < NumFileSet; ++f)
        if (presenti[size_t(f)]) c[size_t(f)] = byte[size_t(f)];
    return c;
}

// The index of the first model that has strings and text blocks, so that
// every file of a set written for it has content.
inline int ModelloCompleto()
{
    for (int m = 0; m < NumModelli; ++m)
        if (Modelli[size_t(m)].NumStringhe > 0 && Modelli[size_t(m)].NumBlocchi > 0) return m;
    return 0;
}

// A project touching every file of the set: a rung of each block as the
// editor first lays it out, tables, variables of each layout, strings, text
// blocks, pages, tasks, SMS texts and a watch list. Texts carry what a
// careless reader would split (commas, quotes, leading blanks).
inline ProgettoSalvato ProgettoEsempio()
{
    ProgettoSalvato p;
    p.presente.fill(true);
    p.numTabelle = 2;
    p.tabelle[0] = Tabella{.NomeTabella = "T 1", .NPunti = 3, .X = {0, .5, 10}, .Y = {-1, 2, 3.25}};
    p.tabelle[1] = Tabella{.NomeTabella = "\"T2\", x", .NPunti = 2, .X = {1e16, 2.5e-5}, .Y = {-1e-300, 1e300}};
    ContestoBlocco c = ContestoCorrente(-1);
    c.tabelle = {p.tabelle[0].NomeTabella, p.tabelle[1].NomeTabella};
    c.puntiTabelle = {p.tabelle[0].NPunti, p.tabelle[1].NPunti};
    for (int i = 0; i < NumBlocchi && p.rung.size() < MaxRung; ++i) {
        const GestoreFamiglia* g = GestoreBlocco(i);
        if (!g || !g->Codifica) continue;
        Rung r;
        r.Descrizione = QStringLiteral(" block %1, \"x\"").arg(i);
        DatiBlocco d = DatiIniziali(i, r, c);
        d.etichetta = QStringLiteral("L%1").arg(i);
        if (CodificaBlocco(d, r).Memorizzato()) {
            c.etichette.append({d.etichetta, int(p.rung.size()) + 1});
            p.rung << r;
        }
    }
    for (int a = 0; a < 4; ++a) p.registri << VoceRegistroFile{QStringLiteral("R,%1").arg(a), uint8_t(a)};
    p.watch = {100, -1, 30};
    p.numVariabili = 3;
    p.variabili[0] = Variabile{.RegistroVar = 7, .TipoVar = 13, .FormatoVar = "7.9.2.1", .EtichettaVar = "a,b",
                               .Registro2 = 9, .RegTrigger = 2, .Maschera = -1, .Swap = 1, .NomeCampo = " c"};
    p.variabili[1] = Variabile{.RegistroVar = -70000, .TipoVar = 17, .FormatoVar = "%+5.0f", .EtichettaVar = "x"};
    p.variabili[2] = Variabile{.RegistroVar = 3, .TipoVar = 18, .EtichettaVar = "Fw"};
    p.stringhe = {QStringLiteral("one, two"), QString(), QStringLiteral("\"q\"")};
    p.blocchi[0] = QStringLiteral("first\r\n  second, \"quoted\"");
    p.numPagine = 2;
    p.pagine[0].NumOggetti = 2;
    p.pagine[0].Oggetti[1] = OggettoDisplay{.TipoOgg = EtichettaGrande, .DimX = 40, .DimY = 8, .FormatoOgg = "Level, m"};
    p.pagine[0].Oggetti[2] = OggettoDisplay{.TipoOgg = 3, .PosX = 131, .FormatoOgg = "%5.1f", .RegOgg = -2,
                                            .MaxOgg = 2.5, .MinOgg = -0.5, .Negato = true, .Direzione = true};
    p.task << Task{.TipoTask = 0, .Cartella = "LOG, 1", .NumCampi = 2, .Campi = {1, 2}};
    p.task << Task{.TipoTask = 2, .Inizio = {26, 1, 1}, .Trigger = TriggerIntervallo, .Abilita = true};
    p.numeriSMS = {QStringLiteral("+39 012")};
    p.testiSMS = {QStringLiteral("level, &R100")};
    return p;
}

} // namespace Fuzz
