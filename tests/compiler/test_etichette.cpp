// Jump and call targets, "Call Page", and the compile report in both languages.
#include "display/Pagine.h"
#include "support/AiutiCompilatore.h"

#include <QtTest>
#include <vector>

using namespace Aiuti;

namespace {
Rung Et(const QString& etichetta, int classe = 3) { return B(classe, 0, 0, 34, etichetta); }
Rung Salto(int gruppo, const QString& t4, const QString& t5 = {}) { return B(3, gruppo, 0, 34, {}, t4, t5); }
const Rung CallPage = B(3, 3, 253, 2);
using Slot = std::array<int, 3>;   // slot, byte 0, byte 1
} // namespace

class TestEtichette : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Prepara();
        for (int p = 0; p < NumProcessi; ++p) Carica(p, {});
        NumPagine = 1;
    }
    void cleanup() { ImpostaParteImmagine(PostoParte::Pagine, nullptr); }

    // Rung 1 of the main program after a compile.
    void risoluzione()
    {
        const QString E = QStringLiteral("Label Error");
        const struct {
            const char* nome;
            QList<Rung> principale;
            QList<QList<Rung>> altri;   // programs 1, 2, ...
            int pagine;                 // pages compiled (programs 1..pagine); NumPagine
            std::vector<Slot> slot;
            int lunghezza;              // -1: not checked
            QString errore;
        } casi[] = {
            {"l'ultimo vince", {Salto(130, "B"), Et("B"), Et("B")}, {}, 0, {{0, 2, 0}}, -1, {}},
            {"maiuscole", {Salto(130, "b"), Et("B")}, {}, 0, {{0, 1, 2}}, -1, E},
            {"vuota", {Salto(130, ""), Et("")}, {}, 0, {{0, 1, 2}}, -1, E},
            {"DISPLAY", {Salto(130, "DISPLAY"), Et("A"), Et("B")}, {}, 0, {{0, 3, 0}}, -1, {}},
            {"DISPLAY etichettato", {Salto(130, "DISPLAY"), Et("DISPLAY"), Et("B")}, {}, 0, {{0, 1, 0}}, -1, {}},
            {"vuoto prima", {Salto(130, "T"), B(0), Et("T")}, {}, 0, {{0, 1, 0}}, -1, {}},
            {"vuoto dopo", {Salto(130, "T"), Et("T"), B(5)}, {}, 0, {{0, 1, 0}}, -1, {}},
            {"DISPLAY e vuoto", {Salto(130, "DISPLAY"), B(0), Et("A")}, {}, 0, {{0, 2, 0}}, -1, {}},
            {"solo su vuoto", {Salto(130, "T"), Et("T", 0)}, {}, 0, {{0, 1, 2}}, -1, E},
            {"solo in sub", {Salto(131, "S")}, {{Et("S")}}, 0, {{0, 1, 2}}, -1, E},
            {"if goto", {Salto(129, "A", "C"), Et("A"), Et("C")}, {}, 0, {{1, 1, 0}, {3, 2, 0}}, -1, {}},
            {"if goto primo", {Salto(129, "X", "C"), Et("C")}, {}, 0, {{1, 11, 12}, {3, 31, 32}}, -1, E},
            {"if goto secondo", {Salto(129, "A", "X"), Et("A")}, {}, 0, {{1, 1, 0}, {3, 31, 32}}, -1, E},
            {"if call", {Salto(139, "A"), Et("A")}, {}, 0, {{1, 1, 0}}, -1, {}},
            {"call page",
             {CallPage, B(3), B(3), B(3), B(3)},
             {{Et("PAG1"), B(3), B(3), B(3)}, {Et("PAG2"), B(3), B(3)}}, 2,
             {{0, 253, 2}, {1, 5, 0}, {2, 9, 0}}, 14, {}},
            {"pagina non compilata", {CallPage}, {{Et("PAG1")}}, 0, {{0, 253, 2}, {1, 11, 12}}, 2, E},
            {"oltre NumPagine", {Salto(130, "PAG3")}, {{Et("PAG1")}, {Et("PAG2")}, {Et("PAG3")}}, 2, {{0, 1, 2}}, -1, E},
            {"9 pagine", {CallPage}, QList<QList<Rung>>(9, {B(3)}), 9, {{0, 1, 2}}, 2, "Call Page: 1 to 8 pages"},
        };
        for (const auto& c : casi) {
            init();
            Carica(0, c.principale);
            PagineFinte pagine;
            for (int p = 1; p <= c.altri.size(); ++p) Carica(p, c.altri[p - 1]);
            for (int p = 1; p <= c.pagine; ++p) pagine.programmi << p;
            NumPagine = uint8_t(std::max(c.pagine, 1));
            ImpostaParteImmagine(PostoParte::Pagine, &pagine);
            const int lunghezza = CompilaProgramma();
            const Rung& g = Programmi[0].Rung[1];
            for (const Slot& s : c.slot)
                QVERIFY2(g.ArgByte[s[0]][0] == s[1] && g.ArgByte[s[0]][1] == s[2], qPrintable(QStringLiteral("%1 slot %2").arg(c.nome).arg(s[0])));
            if (c.lunghezza >= 0) QVERIFY2(g.Lunghezza == c.lunghezza, c.nome);
            QVERIFY2((NumErrori > 0 && Errori[0].NumeroBlocco == 1 ? Errori[0].TestoErrore : QString()) == c.errore, c.nome);
            QVERIFY2((lunghezza == 0) == !c.errore.isEmpty(), c.nome);
        }
        QCOMPARE(Programmi[0].Rung[1].ArgByte[0][3], uint8_t(4));   // kept from before: byte 3 untouched
    }

    // Eight pages: the eighth target reaches the code in slot 8.
    void callPageOttoPagine()
    {
        PagineFinte pagine;
        for (int p = 1; p <= 8; ++p) {
            Carica(p, {Et(QStringLiteral("PAG%1").arg(p))});
            pagine.programmi << p;
        }
        NumPagine = 8;
        ImpostaParteImmagine(PostoParte::Pagine, &pagine);
        Carica(0, {CallPage});
        QCOMPARE(CompilaProgramma(), 94 + 38 + 8 * 34);
        QCOMPARE(Programmi[0].Rung[1].Lunghezza, int16_t(38));
        const int a = 94;   // 9 entries
        QCOMPARE(ImmagineCodice[a + 34], uint8_t(8));
        QCOMPARE(ImmagineCodice[a + 35], uint8_t(0));
        QCOMPARE(ImmagineCodice[a + 38], uint8_t(0));   // next code: group 0
        QCOMPARE(ImmagineCodice[a + 5], uint8_t(7));    // slot 0 byte 3
    }

    // A fault during the page programs ends the compile with the main
    // program current, so a save after it writes the main program.
    void guastoNellePagine()
    {
        struct PagineGuaste : PagineFinte {
            bool Compila() override { return !PagineFinte::Compila(); }
        } pagine;
        Carica(0, {B(3)});
        Carica(1, {Salto(130, "X")});
        pagine.programmi = {1};
        ImpostaParteImmagine(PostoParte::Pagine, &pagine);
        RapportoFinto r;
        QCOMPARE(CompilaProgramma(r), 0);
        QCOMPARE(ProgCorrente, int16_t(0));
        QCOMPARE(r.righe, (QStringList{"Error check : Error", "Impossible to compile", " - Function Block 1 : Label Error"}));
    }

    void rapporto()
    {
        const struct {
            int lingua;
            QList<Rung> rung;
            QStringList righe;
        } casi[] = {
            {1, {B(3)}, {"--", "Compiling", "Error check : OK", "Resource usage :", "  48 / 5634 Bytes (0%)", "Compiled"}},
            {0, {B(3)}, {"--", "Compilazione in corso", "Controllo errori : OK", "Utilizzo Risorse :", "  48 / 5634 Bytes (0%)", "Compilato"}},
            {1, {B(3), B(3), Salto(130, "X"), B(3), B(3), B(3), Salto(131, "")},
             {"--", "Compiling", "Error check : Error", "Impossible to compile", " - Function Block 3 : Label Error", " - Function Block 7 : Label Error"}},
            {0, {B(3), B(3), Salto(130, "X"), B(0), Tabella_Assente()},
             {"--", "Compilazione in corso", "Controllo errori : Errore", "Impossibile compilare", " - Function Block 3 : Errore Etichetta",
              " - Function Block 5 : Tabella non definita"}},
            {1, {}, {"Error check : The application must contain at least 1 function block", "Impossible to compile"}},
            {0, {}, {"Controllo errori : Il programma deve contenere almeno 1 blocco funzione", "Impossibile compilare"}},
            {0, QList<Rung>(200, B(3)), {"--", "Compilazione in corso", "Controllo errori : OK", "Utilizzo Risorse :",
                                         "  8804 / 5634 Bytes (156%)", "Controllo errori : Errore", "Impossibile compilare"}},
        };
        for (const auto& c : casi) {
            Prepara(c.lingua);
            Carica(0, c.rung);
            RapportoFinto r;
            CompilaProgramma(r);
            QCOMPARE(r.righe, c.righe);
        }
    }

private:
    static Rung Tabella_Assente() { return B(3, 1, 8); }
};

QTEST_GUILESS_MAIN(TestEtichette)
#include "test_etichette.moc"
