// The project file set's bytes: line forms, each file's layout, the older
// untagged layout, and damage refused with its file and line.
#include "blockeditor/Codifica.h"
#include "projectfiles/FilePagine.h"
#include "projectfiles/FileProgetto.h"
#include "projectfiles/FileTask.h"
#include "projectfiles/LettoreRighe.h"
#include "projectfiles/ScrittoreRighe.h"
#include "support/ValoriEstremi.h"

#include <QTest>
#include <limits>
#include <map>

namespace {
DefModello Modello()
{
    DefModello m;
    m.Codice = QStringLiteral("47A7");
    m.NumRegistri = 4;
    m.PrimoRegistroUtente = 2;
    m.NumStringhe = 3;
    m.NumBlocchi = 2;
    return m;
}

Rung UnRung(const QString& descrizione)
{
    Rung r;
    r.Descrizione = descrizione;
    r.Etichetta = QStringLiteral("L1");
    r.Classe = 3;
    r.Gruppo = 6;
    r.Op = 255;
    for (int k = 0; k < 8; ++k) {
        r.ArgTesto[size_t(k)] = QStringLiteral("%R%1").arg(k);
        r.ArgByte[size_t(k)] = {uint8_t(k), 1, 2, 255};
    }
    r.Trig = true;
    r.TrigReg = -5;
    r.TrigMask = 7;
    return r;
}

// A project touching every line form, texts that a comma-list reader would break included.
ProgettoSalvato Progetto()
{
    ProgettoSalvato p;
    p.rung << UnRung(QStringLiteral("a, \"quoted\" text")) << UnRung(QStringLiteral("  leading blanks"));
    for (int a = 0; a <= 4; ++a) p.registri << VoceRegistroFile{QStringLiteral("R,%1").arg(a), uint8_t(a)};
    p.watch = {100, -1, 100};
    p.numTabelle = 1;
    p.tabelle[0].NomeTabella = QStringLiteral("T, one");
    p.tabelle[0].NPunti = 3;
    p.tabelle[0].X = {0, 0.5, 10};
    p.tabelle[0].Y = {-1, 2, 3.25};
    p.numVariabili = 3;
    p.variabili[0] = Variabile{.RegistroVar = 7, .TipoVar = 14, .FormatoVar = "7.0.255.0", .EtichettaVar = "Tank",
                               .Registro2 = 7, .RegTrigger = 0, .Maschera = 255, .Swap = 0, .NomeCampo = "T1"};
    p.variabili[1] = Variabile{.RegistroVar = -70000, .TipoVar = 17, .FormatoVar = "%+5.0f", .EtichettaVar = "x,y"};
    p.variabili[2] = Variabile{.RegistroVar = 3, .TipoVar = 18, .EtichettaVar = "Fw"};
    p.stringhe = {QStringLiteral("one, two"), QString(), QStringLiteral("\"q\"")};
    p.blocchi = {QStringLiteral("line 1\r\nline 2"), QString()};
    // Three pages, the middle one empty.
    p.numPagine = 3;
    OggettoDisplay o{.TipoOgg = 3, .PosX = 131, .FormatoOgg = "%5.1f, \"u\"", .RegOgg = -2, .MaxOgg = 2.5,
                     .MinOgg = -0.5, .Negato = true, .Direzione = true};
    p.pagine[0].NumOggetti = 1;
    p.pagine[0].Oggetti[1] = o;
    p.pagine[2].NumOggetti = 2;
    p.pagine[2].Oggetti[1] = o;
    p.pagine[2].Oggetti[2] = OggettoDisplay{.Testo2 = "  on"};
    Task t;
    t.Inizio = {26, 12, 7, 1, 2, 3};
    t.TipoTask = 2;
    t.Cartella = QStringLiteral("C:, \"dir\"");
    t.RegTriggerTask = -1;
    t.Campi[0] = 0.25;
    t.Campi[63] = -1e16;
    t.Abilita = true;
    p.task = {t, Task{}};
    p.numeriSMS = {QStringLiteral("+39 0, 1")};
    p.testiSMS = {QStringLiteral("alarm &R1"), QString()};
    return p;
}

QStringList Righe(const QByteArray& b)
{
    QStringList r = QString::fromLatin1(b).split(QStringLiteral("\r\n"));
    if (r.last().isEmpty()) r.removeLast();
    return r;
}

ContenutoSet Contenuto(const ByteSet& b)
{
    ContenutoSet c;
    for (int f = 0; f < NumFileSet; ++f) c[size_t(f)] = b[size_t(f)];
    return c;
}

// A set of the older, untagged layout, written by hand from its description
// (no program writes it): a version code of 18 drops no line after any
// record. Each file's last value is one a cut can leave unreadable.
std::array<QStringList, NumFileSet> RigheVecchie()
{
    std::array<QStringList, NumFileSet> f;
    QStringList& prj = f[size_t(FileSet::Prj)];
    prj << "1.7" << "47A7" << " 18 " << " 1 " << "old rung" << "L1" << " 3 " << " 255 " << " 6 ";
    for (int k = 0; k < 8; ++k) prj << QStringLiteral("%R%1").arg(k) << QStringLiteral(" %1 ").arg(k) << " 1 " << " 2 " << " 255 ";
    prj << " 1 " << "-5 " << "-7 ";
    for (int a = 0; a <= 4; ++a) f[size_t(FileSet::Lst)] << QStringLiteral("R%1").arg(a) << QStringLiteral(" %1 ").arg(a * 50);
    f[size_t(FileSet::Wtc)] = QStringList{" 2 ", " 100 ", " -12 "};
    f[size_t(FileSet::Ptb)] = QStringList{" 1 ", "T", " 2 ", " 0", " 10", "-1", "-2.5E+3"};
    f[size_t(FileSet::Dsp)] = QStringList{" 1 ", " 1 ", " 3 ", " 131 ", " 0 ", " 0 ", " 0 ", " 0 ", "%5.1f", "", "-2 ",
                                          " 0 ", " 0 ", " 2.5 ", "-.5 ", " 0 ", " 0 ", " 1 ", " 0 ", " 0 ", " 1 "};
    QStringList& skd = f[size_t(FileSet::Skd)];
    skd << " 1 " << "";
    for (int k = 0; k < 25; ++k) skd << QStringLiteral(" %1 ").arg(k);
    skd << "C:\\log" << " 0 " << " 0 " << "-1 " << " 0 " << " 2 ";
    for (int k = 0; k < 64; ++k) skd << QStringLiteral(" %1 ").arg(k * 0.5);
    skd << " 1 " << " 7 " << "-3 ";
    f[size_t(FileSet::Fmt)] = QStringList{" 1 ", " 7 ", " 2 ", "%5.1f", "Tank\tT1"};
    f[size_t(FileSet::Str)] = QStringList{"one", "", "three"};
    f[size_t(FileSet::Blk)] = QStringList{"a", "bc"};
    f[size_t(FileSet::Msg)] = QStringList{" 1 ", " 1 ", "+39 0", "alarm"};
    return f;
}

// The project of every line form whose files all end with a line that
// holds something (a last empty line, once its line end is gone, is no line).
ProgettoSalvato ProgettoSenzaRigaVuota()
{
    ProgettoSalvato p = Progetto();
    p.testiSMS << QStringLiteral("last");
    return p;
}

QByteArray Unite(const QStringList& righe)
{
    return (righe.join("\r\n") + "\r\n").toLatin1();
}
} // namespace

class TestFileProgetto : public QObject {
    Q_OBJECT
private slots:
    // Every numeric field of every file at the edges of its range: what is
    // written opens again, with the values written, and saves the same bytes.
    void valoriEstremi()
    {
        constexpr int16_t i16min = std::numeric_limits<int16_t>::min(), i16max = std::numeric_limits<int16_t>::max();
        constexpr int32_t i32min = std::numeric_limits<int32_t>::min(), i32max = std::numeric_limits<int32_t>::max();
        const auto valori = Test::ValoriEstremi();
        const int n = int(valori.size());
        ProgettoSalvato p;
        Rung r = UnRung(QStringLiteral("limits"));
        r.Classe = i16min;
        r.Gruppo = i16max;
        r.TrigReg = i16min;
        r.TrigMask = i16max;
        r.ArgByte[0] = {0, 255, 0, 255};
        p.rung << r;
        for (int a = 0; a <= Modello().NumRegistri; ++a) p.registri << VoceRegistroFile{QStringLiteral("R"), uint8_t(255 * (a % 2))};
        p.watch = {i16min, i16max};
        p.numTabelle = 1;
        Tabella& t = p.tabelle[0];
        t.NomeTabella = QStringLiteral("edges");
        t.NPunti = uint8_t(n);
        for (int k = 0; k < n; ++k) {
            t.X[size_t(k)] = valori[k].second;
            t.Y[size_t(k)] = valori[n - 1 - k].second;
        }
        p.numVariabili = 2;
        p.variabili[0] = Variabile{.RegistroVar = i32min, .TipoVar = 13, .Registro2 = i32max, .RegTrigger = i32min,
                                   .Maschera = i16min, .Swap = i16max};
        p.variabili[1] = Variabile{.RegistroVar = i32max, .TipoVar = 255};
        p.numPagine = 1;
        p.pagine[0].NumOggetti = uint8_t((n + 1) / 2);
        for (int k = 0; k < n; k += 2)
            p.pagine[0].Oggetti[size_t(k / 2 + 1)] =
                OggettoDisplay{.TipoOgg = 255, .RegOgg = k % 4 ? i16min : i16max, .TipoReg = 255,
                               .BitOgg = k % 4 ? i16max : i16min, .MaxOgg = valori[k].second,
                               .MinOgg = valori[std::min(k + 1, n - 1)].second, .IdPicture = 255};
        Task task;
        task.RegTriggerTask = i16min;
        task.BitTrigger = i16max;
        task.RegAbil = i16max;
        task.BitAbil = i16min;
        task.NumCampi = 255;
        for (int k = 0; k < n; ++k) task.Campi[size_t(k)] = valori[k].second;
        p.task = {task};

        const ByteSet scritto = ScriviSet(p, Modello());
        ProgettoSalvato letto;
        const auto guasto = LeggiSet(Contenuto(scritto), Modello(), letto);
        QVERIFY2(!guasto, guasto ? qPrintable(guasto->Testo()) : "");
        QCOMPARE(ScriviSet(letto, Modello()), scritto);

        for (int k = 0; k < n; ++k) {
            const char* nome = valori[k].first;
            QVERIFY2(Test::RilettoComeScritto(t.X[size_t(k)], letto.tabelle[0].X[size_t(k)]), nome);
            QVERIFY2(Test::RilettoComeScritto(t.Y[size_t(k)], letto.tabelle[0].Y[size_t(k)]), nome);
            QVERIFY2(Test::RilettoComeScritto(task.Campi[size_t(k)], letto.task[0].Campi[size_t(k)]), nome);
        }
        for (int o = 1; o <= p.pagine[0].NumOggetti; ++o) {
            const OggettoDisplay& a = p.pagine[0].Oggetti[size_t(o)];
            const OggettoDisplay& b = letto.pagine[0].Oggetti[size_t(o)];
            QVERIFY(Test::RilettoComeScritto(a.MaxOgg, b.MaxOgg));
            QVERIFY(Test::RilettoComeScritto(a.MinOgg, b.MinOgg));
            QCOMPARE(b.RegOgg, a.RegOgg);
            QCOMPARE(b.BitOgg, a.BitOgg);
        }
        const Rung& rl = letto.rung.first();
        QCOMPARE(QList<int>({rl.Classe, rl.Gruppo, rl.TrigReg, rl.TrigMask}),
                 QList<int>({i16min, i16max, i16min, i16max}));
        QCOMPARE(letto.watch, p.watch);
        const Variabile& v = letto.variabili[0];
        QCOMPARE(QList<qint64>({v.RegistroVar, v.Registro2, v.RegTrigger, v.Maschera, v.Swap}),
                 QList<qint64>({i32min, i32max, i32min, i16min, i16max}));
        QCOMPARE(letto.variabili[1].RegistroVar, i32max);
        QCOMPARE(QList<int>({letto.task[0].RegTriggerTask, letto.task[0].BitTrigger, letto.task[0].RegAbil,
                             letto.task[0].BitAbil, letto.task[0].NumCampi}),
                 QList<int>({i16min, i16max, i16max, i16min, 255}));
    }

    void formeRiga_data()
    {
        QTest::addColumn<int>("forma");
        QTest::addColumn<double>("numero");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("whole") << 0 << 5.0 << "" << QByteArray(" 5 \r\n");
        QTest::newRow("whole negative") << 0 << -32768.0 << "" << QByteArray("-32768 \r\n");
        QTest::newRow("real") << 1 << 2.5 << "" << QByteArray(" 2.5 \r\n");
        QTest::newRow("table point") << 2 << 2.5 << "" << QByteArray(" 2.5\r\n");
        QTest::newRow("table point negative") << 2 << -1.0 << "" << QByteArray("-1\r\n");
        QTest::newRow("table point quarter") << 2 << 0.25 << "" << QByteArray(" .25\r\n");
        QTest::newRow("text Latin-1") << 3 << 0.0 << QString::fromUtf8("é€") << QByteArray("\xe9?\r\n");
        QTest::newRow("text line break") << 3 << 0.0 << "a\r\nb\nc" << QByteArray("a b c\r\n");
        QTest::newRow("block keeps breaks") << 4 << 0.0 << "a\nb" << QByteArray("a\r\nb\r\n");
    }
    void formeRiga()
    {
        QFETCH(int, forma);
        QFETCH(double, numero);
        QFETCH(QString, testo);
        ScrittoreRighe s;
        switch (forma) {
        case 0: s.Intero(qint64(numero)); break;
        case 1: s.Reale(numero); break;
        case 2: s.NumeroTabella(numero); break;
        case 3: s.Testo(testo); break;
        default: s.TestoMultiriga(testo); break;
        }
        QTEST(s.Byte(), "byte");
    }

    void impaginazione()
    {
        const ByteSet b = ScriviSet(Progetto(), Modello());
        const QStringList prj = Righe(b[size_t(FileSet::Prj)]);
        QCOMPARE(prj.size(), 2 + 50 * 2);
        QCOMPARE(prj.mid(0, 8), (QStringList{"1.8", "47A7", "<FUNC>", "a, \"quoted\" text", "L1", " 3 ", " 255 ", " 6 "}));
        QCOMPARE(prj.mid(8, 5), (QStringList{"%R0", " 0 ", " 1 ", " 2 ", " 255 "}));
        QCOMPARE(prj.mid(48, 6), (QStringList{" 1 ", "-5 ", " 7 ", "</FUNC>", "<FUNC>", "  leading blanks"}));
        QCOMPARE(Righe(b[size_t(FileSet::Lst)]).size(), 2 * 5);
        QCOMPARE(Righe(b[size_t(FileSet::Wtc)]), (QStringList{" 3 ", " 100 ", "-1 ", " 100 "}));
        QCOMPARE(Righe(b[size_t(FileSet::Ptb)]),
                 (QStringList{" 1 ", "T, one", " 3 ", " 0", " .5", " 10", "-1", " 2", " 3.25"}));
        QCOMPARE(Righe(b[size_t(FileSet::Fmt)]), (QStringList{" 3 ", " 7 ", " 14 ", "7.0.255.0", "Tank\tT1", "-70000 ",
                                                              " 17 ", "%+5.0f", "x,y\t", " 3 ", " 18 ", "Fw\t"}));
        QCOMPARE(Righe(b[size_t(FileSet::Str)]), (QStringList{"one, two", "", "\"q\""}));
        const QStringList dsp = Righe(b[size_t(FileSet::Dsp)]);
        QCOMPARE(dsp.size(), 3 * 2 + 3 * 21);
        QCOMPARE(dsp.mid(0, 8), (QStringList{"<PAG>", "<OBJ>", " 3 ", " 131 ", " 0 ", " 0 ", " 0 ", " 0 "}));
        QCOMPARE(dsp.mid(8, 15), (QStringList{"%5.1f, \"u\"", "", "-2 ", " 0 ", " 0 ", " 2.5 ", "-.5 ", " 0 ", " 0 ",
                                              " 1 ", " 0 ", " 0 ", " 1 ", "</OBJ>", "</PAG>"}));
        QCOMPARE(dsp.mid(23, 3), (QStringList{"<PAG>", "</PAG>", "<PAG>"}));
        const QStringList skd = Righe(b[size_t(FileSet::Skd)]);
        QCOMPARE(skd.size(), 2 * 100);
        QCOMPARE(skd.mid(0, 3), (QStringList{"<TASK>", " 26 ", " 12 "}));
        QCOMPARE(skd.mid(26, 7), (QStringList{"C:, \"dir\"", " 0 ", " 0 ", "-1 ", " 0 ", " 0 ", " .25 "}));
        QCOMPARE(skd.mid(95, 6), (QStringList{"-1E+16 ", " 1 ", " 0 ", " 0 ", "</TASK>", "<TASK>"}));
        QCOMPARE(Righe(b[size_t(FileSet::Msg)]), (QStringList{" 1 ", " 2 ", "+39 0, 1", "alarm &R1", ""}));
        QCOMPARE(Righe(b[size_t(FileSet::Blk)]),
                 (QStringList{"<TEXT>", "line 1", "line 2", "</TEXT>", "<TEXT>", "", "</TEXT>"}));
        ProgettoSalvato vuoto;
        QCOMPARE(Righe(ScriviSet(vuoto, Modello())[size_t(FileSet::Prj)]).size(), 2);
    }

    void versione_data()
    {
        QTest::addColumn<QString>("versione");
        QTest::addColumn<bool>("piuNuova");
        QTest::newRow("same") << "1.8" << false;
        QTest::newRow("older") << "1.7" << false;
        QTest::newRow("newer") << "1.9" << true;
        QTest::newRow("1.10 is older as text") << "1.10" << false;
        QTest::newRow("longer") << "1.8.1" << true;
    }
    void versione()
    {
        QFETCH(QString, versione);
        QTEST(VersionePiuNuova(versione), "piuNuova");
    }

    // The older layout, written by hand from its description: a version
    // number whose extra lines after each record are dropped.
    void vecchioFormato_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<int>("saltate");
        QTest::newRow("below the record") << 30 << 0;
        QTest::newRow("first skipped line") << 49 << 1;
        QTest::newRow("three extra") << 51 << 3;
        QTest::newRow("past a task's record") << 98 << 50;   // two extra lines a task
    }
    void vecchioFormato()
    {
        QFETCH(int, codice);
        QFETCH(int, saltate);
        QStringList prj{"1.7", "47A7", QString::number(codice), " 2 "};
        for (int r = 0; r < 2; ++r) {
            const QStringList record = Righe(ScriviSet(ProgettoSalvato{.rung = {UnRung(QStringLiteral("r%1").arg(r))}},
                                                       Modello())[size_t(FileSet::Prj)]).mid(3, 48);
            prj << record;
            for (int k = 0; k < saltate; ++k) prj << QStringLiteral("extra");
        }
        ContenutoSet c;
        c[size_t(FileSet::Prj)] = (prj.join("\r\n") + "\r\n").toLatin1();
        c[size_t(FileSet::Blk)] = QByteArray("a\r\n\r\nb\r\n");
        // Tasks: blank lines before the first field; lines 97 .. version dropped.
        const QStringList task = Righe(ScriviSkd(Progetto())).mid(1, 98);
        QStringList skd{" 2 "};
        for (int t = 0; t < 2; ++t) {
            skd << "" << "  " << task;
            for (int k = 0; k < std::max(0, codice - 96); ++k) skd << QStringLiteral("extra");
        }
        c[size_t(FileSet::Skd)] = (skd.join("\r\n") + "\r\n").toLatin1();
        // Pages: the page count, then each page's object count and objects;
        // lines 19 .. version of each object dropped.
        const QStringList oggetto = Righe(ScriviDsp(Progetto())).mid(2, 19);
        QStringList dsp{" 2 ", " 0 ", " 1 "};
        dsp << oggetto;
        for (int k = 0; k < std::max(0, codice - 18); ++k) dsp << QStringLiteral("extra");
        c[size_t(FileSet::Dsp)] = (dsp.join("\r\n") + "\r\n").toLatin1();
        ProgettoSalvato p;
        const auto g = LeggiSet(c, Modello(), p);
        QVERIFY2(!g, qPrintable(g ? g->Testo() : QString()));
        QCOMPARE(p.task.size(), 2);
        QCOMPARE(int(p.numPagine), 2);
        QCOMPARE(int(p.pagine[1].NumOggetti), 1);
        QCOMPARE(p.pagine[1].Oggetti[1], Progetto().pagine[0].Oggetti[1]);
        QCOMPARE(p.task[1].Inizio[0], uint8_t(26));
        QCOMPARE(p.task[1].Campi[63], -1e16);
        QCOMPARE(p.rung.size(), 2);
        QCOMPARE(p.rung[1].Descrizione, QStringLiteral("r1"));
        QCOMPARE(p.rung[1].TrigMask, int16_t(7));
        QCOMPARE(p.blocchi[0], QStringLiteral("a\r\n\r\nb\r\n"));
        QVERIFY(!p.Presente(FileSet::Ptb));
    }

    // Lines between records, extra lines inside one and trailing blank lines are not rungs.
    void righeEstranee()
    {
        QStringList prj = Righe(ScriviSet(ProgettoSalvato{.rung = {UnRung("x")}}, Modello())[size_t(FileSet::Prj)]);
        prj.insert(2, "stray");
        prj.insert(prj.size() - 1, "extra before the end tag");
        prj << "" << "";
        ContenutoSet c;
        c[size_t(FileSet::Prj)] = prj.join("\r\n").toLatin1();
        c[size_t(FileSet::Lst)] = QByteArray("a\r\n 1 \r\n");   // shorter than the model's
        ProgettoSalvato p;
        QVERIFY(!LeggiSet(c, Modello(), p));
        QCOMPARE(p.rung.size(), 1);
        QCOMPARE(p.rung[0].Descrizione, QStringLiteral("x"));
        QCOMPARE(p.registri.size(), 1);
    }

    // Each file cut at every byte: a file that ends where a record ends reads
    // as a shorter set (files with a count only whole), as does one whose
    // last line, without its line end, is a whole closing tag. A cut at a
    // line end is refused as a record cut short at the next line, a cut
    // inside a line as a last line without line end; an object's closing tag
    // as the last line leaves its page open.
    void tagli_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("fine");   // the line that closes a record; empty: the count decides
        QTest::addColumn<int>("righe");         // lines a record, for files without a closing line
        QTest::newRow("prj") << int(FileSet::Prj) << QByteArray("</FUNC>") << 0;
        QTest::newRow("lst") << int(FileSet::Lst) << QByteArray() << 2;
        QTest::newRow("wtc") << int(FileSet::Wtc) << QByteArray() << 0;
        QTest::newRow("ptb") << int(FileSet::Ptb) << QByteArray() << 0;
        QTest::newRow("dsp") << int(FileSet::Dsp) << QByteArray("</PAG>") << 0;
        QTest::newRow("skd") << int(FileSet::Skd) << QByteArray("</TASK>") << 0;
        QTest::newRow("fmt") << int(FileSet::Fmt) << QByteArray() << 0;
        QTest::newRow("str") << int(FileSet::Str) << QByteArray() << 1;
        QTest::newRow("blk") << int(FileSet::Blk) << QByteArray("</TEXT>") << 0;
        QTest::newRow("msg") << int(FileSet::Msg) << QByteArray() << 0;
    }
    void tagli()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, fine);
        QFETCH(int, righe);
        const ContenutoSet intero = Contenuto(ScriviSet(Progetto(), Modello()));
        const QByteArray testo = *intero[size_t(file)];
        // Where a record ends: after its closing line, or after every
        // `righe` lines; the .prj's two opening lines end one too.
        QList<qsizetype> confini{testo.size()};
        if ((righe > 0 || !fine.isEmpty()) && file != int(FileSet::Prj)) confini << 0;
        qsizetype inizio = 0;
        for (int n = 1; inizio < testo.size(); ++n) {
            const qsizetype a = testo.indexOf("\r\n", inizio) + 2;
            const QByteArray riga = testo.mid(inizio, a - 2 - inizio);
            if ((righe > 0 && n % righe == 0) || (!fine.isEmpty() && riga == fine)
                || (file == int(FileSet::Prj) && n == 2))
                confini << a;
            inizio = a;
        }
        for (qsizetype taglio = 0; taglio <= testo.size(); ++taglio) {
            ContenutoSet c = intero;
            const QByteArray tagliato = testo.left(taglio);
            c[size_t(file)] = tagliato;
            ProgettoSalvato p;
            const std::optional<GuastoLettura> g = LeggiSet(c, Modello(), p);
            const QByteArray dove = QByteArray::number(taglio);
            const bool aCapo = tagliato.isEmpty() || tagliato.endsWith('\n');
            QByteArray ultima = tagliato.mid(tagliato.lastIndexOf('\n') + 1);
            if (ultima.endsWith('\r')) ultima.chop(1);
            if (confini.contains(taglio) || (!aCapo && !fine.isEmpty() && ultima == fine)) {
                QVERIFY2(!g, dove + ": " + (g ? g->Testo().toLatin1() : QByteArray()));
                continue;
            }
            QVERIFY2(g, dove);
            QCOMPARE(g->file, Estensione(FileSet(file)));
            int riga = tagliato.count('\n') + 1;
            Guasto::Tipo tipo = aCapo ? Guasto::FineInRecord : Guasto::SenzaFineRiga;
            // A version line cut short is no longer "1.8": the older layout
            // reads it whole and finds no model line.
            if ((!aCapo && ultima == "</OBJ>") || (file == int(FileSet::Prj) && riga == 1 && ultima != "1.8")) {
                riga += aCapo ? 0 : 1;
                tipo = Guasto::FineInRecord;
            }
            QVERIFY2(g->tipo == tipo, dove + ": " + g->Testo().toLatin1());
            QVERIFY2(g->riga == riga, dove + ": " + g->Testo().toLatin1());
        }
    }

    // Each file without the line end of its last line, and cut inside its
    // last value, in both layouts. Without the line end: the tagged files
    // whose last line is a closing tag and every older file read as if it
    // were there; the other tagged files are refused at that line, which may
    // hold a number cut short. Cut inside: an older file is read as it
    // stands unless a number is left unreadable (" -", "-2.5E+").
    void ultimaRiga_data()
    {
        QTest::addColumn<bool>("vecchio");
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<QByteArray>("atteso");   // the whole file read the same, when taken
        QTest::addColumn<int>("tipo");            // -1: taken
        QTest::addColumn<int>("riga");
        const ByteSet nuovo = ScriviSet(ProgettoSenzaRigaVuota(), Modello());
        const auto vecchio = RigheVecchie();
        // What an older file cut inside its last line reads as, when taken.
        const std::map<FileSet, QString> testiTagliati{
            {FileSet::Fmt, "Tank\tT"}, {FileSet::Str, "thr"}, {FileSet::Blk, "b"}, {FileSet::Msg, "ala"}};
        const std::map<FileSet, QString> numeriTagliati{{FileSet::Prj, "-"}, {FileSet::Lst, " "}, {FileSet::Wtc, " -"},
                                                       {FileSet::Ptb, "-2.5E+"}, {FileSet::Dsp, " "}, {FileSet::Skd, "-"}};
        for (int f = 0; f < NumFileSet; ++f) {
            const FileSet fs = FileSet(f);
            const QByteArray nome = Estensione(fs).mid(1).toLatin1();
            const QByteArray intero = nuovo[size_t(f)];
            const bool chiusura = fs == FileSet::Prj || fs == FileSet::Dsp || fs == FileSet::Skd || fs == FileSet::Blk;
            const int righe = int(intero.count('\n'));
            QTest::newRow(nome + " 1.8 no line end") << false << f << intero.chopped(2) << intero
                                                     << (chiusura ? -1 : int(Guasto::SenzaFineRiga)) << righe;
            const QByteArray tagliato = intero.chopped(3);
            QTest::newRow(nome + " 1.8 cut") << false << f << tagliato << QByteArray() << int(Guasto::SenzaFineRiga)
                                             << int(tagliato.count('\n')) + 1;

            QStringList righeVecchie = vecchio[size_t(f)];
            const QByteArray vecchioIntero = Unite(righeVecchie);
            QTest::newRow(nome + " older no line end") << true << f << vecchioIntero.chopped(2) << vecchioIntero << -1 << 0;
            const bool numero = numeriTagliati.count(fs) > 0;
            righeVecchie.last() = numero ? numeriTagliati.at(fs) : testiTagliati.at(fs);
            const QByteArray vecchioTagliato = Unite(righeVecchie);
            QTest::newRow(nome + " older cut") << true << f << vecchioTagliato.chopped(2) << vecchioTagliato
                                               << (numero ? int(Guasto::FineInRecord) : -1) << int(righeVecchie.size());
        }
        // Only what a cut leaves of a number is taken for a cut.
        QTest::newRow("fmt older cut in a dotted line") << true << int(FileSet::Fmt)
                                                        << QByteArray(" 1 \r\n 7 \r\n 13 \r\n7.0.25") << QByteArray()
                                                        << int(Guasto::FineInRecord) << 4;
        QTest::newRow("wtc older last line no number") << true << int(FileSet::Wtc) << QByteArray(" 1 \r\n x1")
                                                       << QByteArray() << int(Guasto::NonNumero) << 2;
    }
    void ultimaRiga()
    {
        QFETCH(bool, vecchio);
        QFETCH(int, file);
        QFETCH(QByteArray, testo);
        QFETCH(QByteArray, atteso);
        QFETCH(int, tipo);
        ContenutoSet c = Contenuto(ScriviSet(ProgettoSenzaRigaVuota(), Modello()));
        if (vecchio) {
            const auto righe = RigheVecchie();
            for (int f = 0; f < NumFileSet; ++f) c[size_t(f)] = Unite(righe[size_t(f)]);
        }
        ContenutoSet intero = c;
        intero[size_t(file)] = atteso;
        c[size_t(file)] = testo;
        ProgettoSalvato p;
        const std::optional<GuastoLettura> g = LeggiSet(c, Modello(), p);
        if (tipo >= 0) {
            QVERIFY(g);
            QCOMPARE(g->file, Estensione(FileSet(file)));
            QCOMPARE(int(g->tipo), tipo);
            QTEST(g->riga, "riga");
            return;
        }
        QVERIFY2(!g, qPrintable(g ? g->Testo() : QString()));
        ProgettoSalvato q;
        QVERIFY(!LeggiSet(intero, Modello(), q));
        QCOMPARE(p.versione, q.versione);
        QCOMPARE(ScriviSet(p, Modello()), ScriviSet(q, Modello()));
        QCOMPARE(p.rung.size(), vecchio ? 1 : 2);
    }

    // A carriage return inside a line (left by another editor) is read as
    // the blank the save writes for it: the project opened is the one its
    // save writes, and a row's text means the same number before and after.
    void ritornoInRiga()
    {
        ByteSet b = ScriviSet(Progetto(), Modello());
        b[size_t(FileSet::Prj)].replace("%R0\r\n", "\r1\r\n");
        b[size_t(FileSet::Lst)].replace("R,0\r\n", "R\r0\r\n");
        b[size_t(FileSet::Str)].replace("one, two", "one,\rtwo");
        b[size_t(FileSet::Blk)].replace("line 1", "line\r1");
        ProgettoSalvato p;
        QVERIFY(!LeggiSet(Contenuto(b), Modello(), p));
        ProgettoSalvato q;
        QVERIFY(!LeggiSet(Contenuto(ScriviSet(p, Modello())), Modello(), q));
        QCOMPARE(p.rung[0].ArgTesto[0], q.rung[0].ArgTesto[0]);
        QCOMPARE(LeggiNumero(p.rung[0].ArgTesto[0]), 1.0);
        QCOMPARE(p.registri[0].Nome, q.registri[0].Nome);
        QCOMPARE(p.stringhe[0], q.stringhe[0]);
        QCOMPARE(p.blocchi[0], q.blocchi[0]);
    }

    // The damage report names the file and the line that has no line end.
    void testoSenzaFineRiga()
    {
        const GuastoLettura g{Guasto::SenzaFineRiga, QStringLiteral("/home/u/plant.lst"), 10};
        QCOMPARE(g.Testo(), QStringLiteral("plant.lst, line 10: the last line has no line end, so the file may be cut"));
    }

    void danni_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("riga");
        const QByteArray rung = ScriviSet(ProgettoSalvato{.rung = {UnRung("x")}}, Modello())[size_t(FileSet::Prj)];
        QByteArray molti = "1.7\r\n47A7\r\n 48 \r\n 257 \r\n";
        QTest::newRow("class not a number") << int(FileSet::Prj) << QByteArray(rung).replace(" 3 \r\n", "three\r\n")
                                            << int(Guasto::NonNumero) << 6;
        QTest::newRow("byte beyond 255") << int(FileSet::Prj) << QByteArray(rung).replace(" 255 \r\n", " 256 \r\n")
                                         << int(Guasto::FuoriLimite) << 7;
        QTest::newRow("ends inside a rung") << int(FileSet::Prj) << rung.left(rung.indexOf("%R3")) << int(Guasto::FineInRecord) << 24;
        QTest::newRow("no end tag") << int(FileSet::Prj) << rung.left(rung.indexOf("</FUNC>")) << int(Guasto::FineInRecord) << 52;
        QTest::newRow("257 rungs") << int(FileSet::Prj) << molti << int(Guasto::FuoriLimite) << 4;
        QTest::newRow("ten tables") << int(FileSet::Ptb) << QByteArray(" 10 \r\n") << int(Guasto::FuoriLimite) << 1;
        QTest::newRow("one point") << int(FileSet::Ptb) << QByteArray(" 1 \r\nT\r\n 1 \r\n") << int(Guasto::FuoriLimite) << 3;
        QTest::newRow("33 points") << int(FileSet::Ptb) << QByteArray(" 1 \r\nT\r\n 33 \r\n") << int(Guasto::FuoriLimite) << 3;
        QTest::newRow("point not a number") << int(FileSet::Ptb) << QByteArray(" 1 \r\nT\r\n 2 \r\n 1\r\n1,5\r\n")
                                            << int(Guasto::NonNumero) << 5;
        QTest::newRow("table cut short") << int(FileSet::Ptb) << QByteArray(" 1 \r\nT\r\n 2 \r\n 1\r\n") << int(Guasto::FineInRecord) << 5;
        QTest::newRow("watch over 2048") << int(FileSet::Wtc) << QByteArray(" 2049 \r\n") << int(Guasto::FuoriLimite) << 1;
        QTest::newRow("129 variables") << int(FileSet::Fmt) << QByteArray(" 129 \r\n") << int(Guasto::FuoriLimite) << 1;
        QTest::newRow("dotted line") << int(FileSet::Fmt) << QByteArray(" 1 \r\n 0 \r\n 13 \r\n7.x.1.0\r\n") << int(Guasto::NonNumero) << 4;
        QTest::newRow("mask beyond 16 bits") << int(FileSet::Fmt) << QByteArray(" 1 \r\n 0 \r\n 13 \r\n7.0.65535.0\r\n")
                                             << int(Guasto::FuoriLimite) << 4;
        QTest::newRow("register half a pair") << int(FileSet::Lst) << QByteArray("a\r\n 1 \r\nb\r\n") << int(Guasto::FineInRecord) << 4;
        QTest::newRow("three text blocks") << int(FileSet::Blk) << QByteArray("<TEXT>\r\n</TEXT>\r\n<TEXT>\r\n</TEXT>\r\n<TEXT>\r\n")
                                           << int(Guasto::FuoriLimite) << 5;
        QByteArray task = ScriviSkd(ProgettoSalvato{.task = {Task{}}});
        QTest::newRow("33 tasks") << int(FileSet::Skd) << task.repeated(33) << int(Guasto::FuoriLimite) << 3201;
        QTest::newRow("task field") << int(FileSet::Skd) << task.replace(" 0 \r\n</TASK>", "x\r\n</TASK>")
                                    << int(Guasto::NonNumero) << 99;
        const QByteArray pagina = "<PAG>\r\n</PAG>\r\n";
        QTest::newRow("ten pages") << int(FileSet::Dsp) << pagina.repeated(10) << int(Guasto::FuoriLimite) << 19;
        QTest::newRow("33 objects") << int(FileSet::Dsp) << "<PAG>\r\n" + ScriviDsp(Progetto()).mid(7).left(
                                           ScriviDsp(Progetto()).indexOf("</PAG>") - 7).repeated(33)
                                    << int(Guasto::FuoriLimite) << 2 + 21 * 32;
        QTest::newRow("page left open") << int(FileSet::Dsp) << QByteArray("<PAG>\r\n") << int(Guasto::FineInRecord) << 2;
        QTest::newRow("nine SMS numbers") << int(FileSet::Msg) << QByteArray(" 9 \r\n 0 \r\n") << int(Guasto::FuoriLimite) << 1;
        QTest::newRow("SMS texts cut") << int(FileSet::Msg) << QByteArray(" 0 \r\n 2 \r\nx\r\n") << int(Guasto::FineInRecord) << 4;
        QTest::newRow("open text block") << int(FileSet::Blk) << QByteArray("<TEXT>\r\nx\r\n") << int(Guasto::FineInRecord) << 3;
    }
    void danni()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, testo);
        ContenutoSet c = Contenuto(ScriviSet(Progetto(), Modello()));
        c[size_t(file)] = testo;
        ProgettoSalvato p;
        const std::optional<GuastoLettura> g = LeggiSet(c, Modello(), p);
        QVERIFY(g);
        QCOMPARE(g->file, Estensione(FileSet(file)));
        QTEST(int(g->tipo), "tipo");
        QTEST(g->riga, "riga");
    }
};

QTEST_GUILESS_MAIN(TestFileProgetto)
#include "test_fileprogetto.moc"
