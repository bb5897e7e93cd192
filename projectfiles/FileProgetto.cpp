#include "projectfiles/FileProgetto.h"

#include "base/TestoSalvabile.h"
#include "projectfiles/FilePagine.h"
#include "projectfiles/FileTask.h"
#include "projectfiles/LettoreRighe.h"
#include "projectfiles/ScrittoreRighe.h"
#include "registers/WatchList.h"

#include <algorithm>
#include <limits>

namespace {
constexpr qint64 kMinInt = std::numeric_limits<int16_t>::min();
constexpr qint64 kMaxInt = std::numeric_limits<int16_t>::max();
constexpr qint64 kMinLong = std::numeric_limits<int32_t>::min();
constexpr qint64 kMaxLong = std::numeric_limits<int32_t>::max();
constexpr int kSlotSalvati = 8;
// Fields of an untagged record; the older layout's version number counts
// the lines of a record, and the lines past these are dropped.
constexpr int kPrimaSaltataRung = 49;
constexpr int kTipoSenzaFormato = 18;

bool TipoStringa(int tipo) { return tipo >= 13 && tipo <= 15; }

// --- writers -------------------------------------------------------------

QByteArray ScriviPrj(const ProgettoSalvato& p, const DefModello& m)
{
    ScrittoreRighe s;
    s.Testo(VersioneFile);
    s.Testo(m.Codice);
    for (const Rung& r : p.rung) {
        s.Record("FUNC", [&] {
            s.Testo(r.Descrizione);
            s.Testo(r.Etichetta);
            s.Intero(r.Classe);
            s.Intero(r.Op);
            s.Intero(r.Gruppo);
            for (int k = 0; k < kSlotSalvati; ++k) {
                s.Testo(r.ArgTesto[size_t(k)]);
                for (uint8_t b : r.ArgByte[size_t(k)]) s.Intero(b);
            }
            s.Flag(r.Trig);
            s.Intero(r.TrigReg);
            s.Intero(r.TrigMask);
        });
    }
    return s.Byte();
}

QByteArray ScriviLst(const ProgettoSalvato& p, const DefModello& m)
{
    ScrittoreRighe s;
    for (int a = 0; a <= m.NumRegistri && a < p.registri.size(); ++a) {
        s.Testo(p.registri[a].Nome);
        s.Intero(p.registri[a].Tipo);
    }
    return s.Byte();
}

QByteArray ScriviWtc(const ProgettoSalvato& p)
{
    ScrittoreRighe s;
    s.Intero(p.watch.size());
    for (int16_t r : p.watch) s.Intero(r);
    return s.Byte();
}

QByteArray ScriviPtb(const ProgettoSalvato& p)
{
    ScrittoreRighe s;
    s.Intero(p.numTabelle);
    for (int t = 0; t < p.numTabelle; ++t) {
        const Tabella& tab = p.tabelle[size_t(t)];
        s.Testo(tab.NomeTabella);
        s.Intero(tab.NPunti);
        for (int k = 0; k < tab.NPunti; ++k) s.NumeroTabella(tab.X[size_t(k)]);
        for (int k = 0; k < tab.NPunti; ++k) s.NumeroTabella(tab.Y[size_t(k)]);
    }
    return s.Byte();
}

QByteArray ScriviFmt(const ProgettoSalvato& p)
{
    ScrittoreRighe s;
    s.Intero(p.numVariabili);
    for (int i = 0; i < p.numVariabili; ++i) {
        const Variabile& v = p.variabili[size_t(i)];
        s.Intero(v.RegistroVar);
        s.Intero(v.TipoVar);
        if (TipoStringa(v.TipoVar))
            s.Puntato({v.Registro2, v.RegTrigger, v.Maschera, v.Swap});
        else if (v.TipoVar < kTipoSenzaFormato)
            s.Testo(v.FormatoVar);
        s.Testo(v.EtichettaVar + QLatin1Char('\t') + v.NomeCampo);
    }
    return s.Byte();
}

QByteArray ScriviStr(const ProgettoSalvato& p, const DefModello& m)
{
    ScrittoreRighe s;
    for (int i = 0; i < m.NumStringhe && i < p.stringhe.size(); ++i) s.Testo(p.stringhe[i]);
    return s.Byte();
}

QByteArray ScriviBlk(const ProgettoSalvato& p, const DefModello& m)
{
    ScrittoreRighe s;
    for (int i = 0; i < m.NumBlocchi && i < MaxBlocchiTesto; ++i)
        s.Record("TEXT", [&] { s.TestoMultiriga(p.blocchi[size_t(i)]); });
    return s.Byte();
}

// --- readers -------------------------------------------------------------

// The 48 fields of a rung record, tags left out.
Rung LeggiRung(LettoreRighe& l)
{
    Rung r;
    r.Descrizione = l.Testo();
    r.Etichetta = l.Testo();
    r.Classe = int16_t(l.Intero(kMinInt, kMaxInt));
    r.Op = uint8_t(l.Intero(0, 255));
    r.Gruppo = int16_t(l.Intero(kMinInt, kMaxInt));
    for (int k = 0; k < kSlotSalvati; ++k) {
        r.ArgTesto[size_t(k)] = l.Testo();
        for (uint8_t& b : r.ArgByte[size_t(k)]) b = uint8_t(l.Intero(0, 255));
    }
    r.Trig = l.Intero(kMinInt, kMaxInt) == 1;
    r.TrigReg = int16_t(l.Intero(kMinInt, kMaxInt));
    r.TrigMask = int16_t(l.Intero(kMinInt, kMaxInt));
    return r;
}

void NuovoRung(LettoreRighe& l, const ProgettoSalvato& p)
{
    if (p.rung.size() >= MaxRung) throw GuastoLettura{Guasto::FuoriLimite, QString(), l.Riga()};
}

// Returns the older layout's version number (0 for the tagged layout).
int LeggiPrj(LettoreRighe& l, bool conTag, ProgettoSalvato& p)
{
    p.versione = l.Testo();
    l.Testo();   // the model that saved it; the selected model stays
    if (conTag) {
        while (!l.Fine()) {
            if (l.Testo() != QLatin1String("<FUNC>")) continue;
            NuovoRung(l, p);
            p.rung << LeggiRung(l);
            l.SaltaFino(QStringLiteral("</FUNC>"));
        }
        return 0;
    }
    const int versione = int(l.Intero(kMinInt, kMaxInt));
    const int n = l.Conteggio(MaxRung);
    for (int i = 0; i < n; ++i) {
        p.rung << LeggiRung(l);
        l.Salta(std::max(0, versione - kPrimaSaltataRung + 1));
    }
    return versione;
}

void LeggiLst(LettoreRighe& l, const DefModello& m, ProgettoSalvato& p)
{
    // A list saved for another model is read as far as both go.
    while (!l.Fine() && p.registri.size() <= m.NumRegistri) {
        VoceRegistroFile v;
        v.Nome = l.Testo();
        v.Tipo = uint8_t(l.Intero(0, 255));
        p.registri << v;
    }
}

void LeggiWtc(LettoreRighe& l, ProgettoSalvato& p)
{
    const int n = l.Conteggio(MaxWatch);
    for (int i = 0; i < n; ++i) p.watch << int16_t(l.Intero(kMinInt, kMaxInt));
}

void LeggiPtb(LettoreRighe& l, ProgettoSalvato& p)
{
    p.numTabelle = uint8_t(l.Conteggio(MaxTabelle));
    for (int t = 0; t < p.numTabelle; ++t) {
        Tabella& tab = p.tabelle[size_t(t)];
        tab.NomeTabella = l.Testo();
        tab.NPunti = uint8_t(l.Intero(MinPunti, MaxPunti));
        for (int k = 0; k < tab.NPunti; ++k) tab.X[size_t(k)] = l.Reale();
        for (int k = 0; k < tab.NPunti; ++k) tab.Y[size_t(k)] = l.Reale();
    }
}

void LeggiFmt(LettoreRighe& l, ProgettoSalvato& p)
{
    p.numVariabili = uint8_t(l.Conteggio(MaxVariabiliUsate));
    for (int i = 0; i < p.numVariabili; ++i) {
        Variabile& v = p.variabili[size_t(i)];
        v.RegistroVar = int32_t(l.Intero(kMinLong, kMaxLong));
        v.TipoVar = uint8_t(l.Intero(0, 255));
        if (v.TipoVar < kTipoSenzaFormato) {
            v.FormatoVar = l.Testo();
            if (TipoStringa(v.TipoVar)) {
                const QList<qint64> d = l.Puntato(v.FormatoVar, {kMinLong, kMinLong, kMinInt, kMinInt},
                                                  {kMaxLong, kMaxLong, kMaxInt, kMaxInt});
                v.Registro2 = int32_t(d[0]);
                v.RegTrigger = int32_t(d[1]);
                v.Maschera = int16_t(d[2]);
                v.Swap = int16_t(d[3]);
            }
        }
        const QString ultima = l.Testo();
        const qsizetype tab = ultima.indexOf(QLatin1Char('\t'));
        v.EtichettaVar = tab < 0 ? ultima : ultima.left(tab);
        v.NomeCampo = tab < 0 ? QString() : ultima.mid(tab + 1);
    }
}

void LeggiStr(LettoreRighe& l, const DefModello& m, ProgettoSalvato& p)
{
    // Strings saved for another model are read as far as both go.
    while (!l.Fine() && p.stringhe.size() < m.NumStringhe) p.stringhe << l.Testo();
}

void LeggiBlk(LettoreRighe& l, bool conTag, ProgettoSalvato& p)
{
    const QString fineRiga = QStringLiteral("\r\n");
    if (!conTag) {
        while (!l.Fine()) p.blocchi[0] += l.Testo() + fineRiga;
        return;
    }
    int b = -1;
    bool aperto = false;
    while (!l.Fine()) {
        const QString riga = l.TestoTag(QStringLiteral("</TEXT>"));
        if (riga == QLatin1String("<TEXT>")) {
            if (++b >= MaxBlocchiTesto) throw GuastoLettura{Guasto::FuoriLimite, QString(), l.Riga()};
            p.blocchi[size_t(b)].clear();
            aperto = true;
        } else if (riga == QLatin1String("</TEXT>") && aperto) {
            p.blocchi[size_t(b)].chop(fineRiga.size());
            aperto = false;
        } else if (aperto) {
            p.blocchi[size_t(b)] += riga + fineRiga;
        }
    }
    if (aperto) throw GuastoLettura{Guasto::FineInRecord, QString(), l.Riga() + 1};
}
} // namespace

int BloccoNonSalvabile(const ProgettoSalvato& p, const DefModello& m)
{
    for (int b = 0; b < m.NumBlocchi && b < MaxBlocchiTesto; ++b)
        if (!TestoBloccoSalvabile(p.blocchi[size_t(b)])) return b;
    return -1;
}

std::optional<TestoSenzaByte> TestoNonSalvabile(const ProgettoSalvato& p, const DefModello& m)
{
    // The texts each writer puts in its file, walked as the writers do.
    std::optional<TestoSenzaByte> trovato;
    auto prova = [&](FileSet f, const QString& testo, const QString& campo) {
        if (trovato) return;
        if (const auto c = CarattereSenzaByte(testo)) trovato = TestoSenzaByte{f, MessaggioCarattere(campo, *c)};
    };
    for (qsizetype r = 0; r < p.rung.size(); ++r) {
        const QString rung = QStringLiteral(" of rung %1").arg(r + 1);
        prova(FileSet::Prj, p.rung[r].Descrizione, QStringLiteral("Description") + rung);
        prova(FileSet::Prj, p.rung[r].Etichetta, QStringLiteral("Label") + rung);
        for (int k = 0; k < kSlotSalvati; ++k)
            prova(FileSet::Prj, p.rung[r].ArgTesto[size_t(k)], QStringLiteral("Row %1").arg(k + 1) + rung);
    }
    for (int a = 0; a <= m.NumRegistri && a < p.registri.size(); ++a)
        prova(FileSet::Lst, p.registri[a].Nome, QStringLiteral("Name of register %1").arg(a));
    for (int t = 0; t < p.numTabelle; ++t)
        prova(FileSet::Ptb, p.tabelle[size_t(t)].NomeTabella, QStringLiteral("Name of table %1").arg(t + 1));
    for (int pg = 0; pg < p.numPagine; ++pg)
        for (int n = 1; n <= p.pagine[size_t(pg)].NumOggetti && n <= MaxOggetti; ++n) {
            const OggettoDisplay& o = p.pagine[size_t(pg)].Oggetti[size_t(n)];
            const QString oggetto = QStringLiteral(" of object %1 on page %2").arg(n).arg(pg + 1);
            prova(FileSet::Dsp, o.FormatoOgg, QStringLiteral("Text") + oggetto);
            prova(FileSet::Dsp, o.Testo2, QStringLiteral("Alternative text") + oggetto);
        }
    for (qsizetype t = 0; t < p.task.size(); ++t)
        prova(FileSet::Skd, p.task[t].Cartella, QStringLiteral("Folder of task %1").arg(t + 1));
    for (int i = 0; i < p.numVariabili; ++i) {
        const Variabile& v = p.variabili[size_t(i)];
        const QString variabile = QStringLiteral(" of variable %1").arg(i);
        if (!TipoStringa(v.TipoVar) && v.TipoVar < kTipoSenzaFormato)
            prova(FileSet::Fmt, v.FormatoVar, QStringLiteral("Format") + variabile);
        prova(FileSet::Fmt, v.EtichettaVar, QStringLiteral("Label") + variabile);
        prova(FileSet::Fmt, v.NomeCampo, QStringLiteral("CSV header") + variabile);
    }
    for (int i = 0; i < m.NumStringhe && i < p.stringhe.size(); ++i)
        prova(FileSet::Str, p.stringhe[i], QStringLiteral("String %1").arg(i));
    for (int i = 0; i < m.NumBlocchi && i < MaxBlocchiTesto; ++i)
        prova(FileSet::Blk, p.blocchi[size_t(i)], QStringLiteral("Text block *00%1").arg(i));
    // An SMS entry is named by the SMS task whose field count points to it.
    auto sms = [&p](const QString& campo, qsizetype k) {
        for (qsizetype t = 0; t < p.task.size(); ++t)
            if (p.task[t].TipoTask == uint8_t(TipoDiTask::SMS) && p.task[t].NumCampi == k)
                return campo + QStringLiteral(" of task %1").arg(t + 1);
        return campo + QStringLiteral(" %1").arg(k);
    };
    for (qsizetype k = 0; k < p.numeriSMS.size(); ++k)
        prova(FileSet::Msg, p.numeriSMS[k], sms(QStringLiteral("SMS number"), k));
    for (qsizetype k = 0; k < p.testiSMS.size(); ++k)
        prova(FileSet::Msg, p.testiSMS[k], sms(QStringLiteral("SMS text"), k));
    return trovato;
}

ByteSet ScriviSet(const ProgettoSalvato& p, const DefModello& m)
{
    ByteSet b;
    b[size_t(FileSet::Prj)] = ScriviPrj(p, m);
    b[size_t(FileSet::Lst)] = ScriviLst(p, m);
    b[size_t(FileSet::Wtc)] = ScriviWtc(p);
    b[size_t(FileSet::Ptb)] = ScriviPtb(p);
    b[size_t(FileSet::Dsp)] = ScriviDsp(p);
    b[size_t(FileSet::Skd)] = ScriviSkd(p);
    b[size_t(FileSet::Fmt)] = ScriviFmt(p);
    b[size_t(FileSet::Str)] = ScriviStr(p, m);
    b[size_t(FileSet::Blk)] = ScriviBlk(p, m);
    b[size_t(FileSet::Msg)] = ScriviMsg(p);
    return b;
}

QString VersioneSet(const QByteArray& prj)
{
    // The first line only: the rest of the file need not be split for it. A
    // file cut inside that line still names its version; the reading of the
    // set refuses it.
    const qsizetype fine = prj.indexOf('\n');
    QString versione = QString::fromLatin1(fine < 0 ? prj : prj.left(fine));
    if (versione.endsWith(QLatin1Char('\r'))) versione.chop(1);
    return versione;
}

bool VersionePiuNuova(const QString& versione)
{
    // Compared as text, character by character, as the program always did.
    return QString::compare(versione, VersioneFile, Qt::CaseSensitive) > 0;
}

std::optional<GuastoLettura> LeggiSet(const ContenutoSet& contenuto, const DefModello& m, ProgettoSalvato& p)
{
    const auto& prj = contenuto[size_t(FileSet::Prj)];
    const bool conTag = prj && VersioneSet(*prj) == VersioneFile;
    FileSet corrente = FileSet::Prj;
    int versioneVecchia = 0;
    try {
        for (int f = 0; f < NumFileSet; ++f) {
            corrente = FileSet(f);
            p.presente[size_t(f)] = contenuto[size_t(f)].has_value();
            if (!contenuto[size_t(f)]) continue;
            LettoreRighe l(*contenuto[size_t(f)], conTag);
            switch (corrente) {
            case FileSet::Prj: versioneVecchia = LeggiPrj(l, conTag, p); break;
            case FileSet::Lst: LeggiLst(l, m, p); break;
            case FileSet::Wtc: LeggiWtc(l, p); break;
            case FileSet::Ptb: LeggiPtb(l, p); break;
            case FileSet::Dsp: LeggiDsp(l, conTag, versioneVecchia, p); break;
            case FileSet::Skd: LeggiSkd(l, conTag, versioneVecchia, p); break;
            case FileSet::Fmt: LeggiFmt(l, p); break;
            case FileSet::Str: LeggiStr(l, m, p); break;
            case FileSet::Blk: LeggiBlk(l, conTag, p); break;
            case FileSet::Msg: LeggiMsg(l, p); break;
            }
        }
    } catch (GuastoLettura g) {
        g.file = Estensione(corrente);
        return g;
    }
    return std::nullopt;
}
