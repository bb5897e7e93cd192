// The code image, byte by byte, for small programs; the length and its limits.
#include "registers/Tabelle.h"
#include "support/AiutiCompilatore.h"

#include <QtTest>
#include <vector>

using namespace Aiuti;

namespace {
struct Pezzo {
    int offset;
    std::vector<int> byte;
};
Rung ConBreak(Rung g) { g.Break = true; return g; }
Rung Tabella_(int indice) { Rung g = B(3, 1, 8); g.ArgByte[2][0] = uint8_t(indice); return g; }
Rung NonValido(Rung g) { g.Valido = false; return g; }
} // namespace

class TestCompilatore : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Prepara();
        for (int p = 0; p < NumProcessi; ++p) Carica(p, {});
        NumTabelle = 1;
        Tabelle[0].NPunti = 4;
        Tabelle[0].X = {1, 2, 3, 4};
        Tabelle[0].Y = {10, 20, 30, 40};
    }

    void immagini()
    {
        // Entry bytes of B(): slot 0 low, slot 1 high and low, slot 2 low,
        // slot 3 high and low, slots 4 and 5 low: 1 12 11 21 32 31 41 51.
        const struct {
            const char* nome;
            QList<Rung> rung;
            std::vector<Pezzo> attesi;
            int lunghezza;
        } casi[] = {
            {"comunicazione", {B(2)}, {{0, {1, 0, 0, 0, 2, 1, 12, 11, 21, 32, 31, 41, 51, 0}}}, 14},
            {"codice 34", {B(3, 7)}, {{4, {3, 1, 0, 14, 0, 0, 0, 34, 0, 0}}, {14, {7, 0, 1, 2, 3, 4, 11}}, {44, {71, 72, 73, 74, 0}}}, 48},
            {"due codici", {B(3), B(3)}, {{4, {3, 1, 0, 24, 0, 0, 0, 34, 0, 0, 3, 2, 0, 58, 0, 0, 0, 34}}}, 92},
            {"6 poi 34", {B(3, 9, 0, 6), B(3, 5)}, {{24, {9, 0, 1, 2, 3, 4, 5, 0, 1, 2}}, {14, {3, 2, 0, 30}}}, 64},
            {"break", {ConBreak(B(1)), ConBreak(B(3))}, {{4, {1, 1, 12, 11, 21, 32, 31, 41, 51, 1, 3, 1, 0, 24, 0, 0, 0, 34, 0, 1}}}, 58},
            {"vuoti", {B(4), B(0), B(3, 3), B(5)}, {{0, {2, 0, 0, 0, 4}}, {14, {3, 1, 0, 44, 0, 0, 0, 34}}, {24, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0}}}, 78},
            {"refresh", {B(3, 3, 254)}, {{14, {3, 0, 254, 2, 3, 4, 254, 12, 13, 14, 254, 22}}, {44, {254, 72, 73, 74, 0}}}, 48},
            {"lunghezza 5", {B(3, 1, 0, 5)}, {{11, {5}}}, 20},
            // Table 0 of 4 points: X at 0x200 + 24 + 34, Y 16 further.
            {"linearizzazione", {Tabella_(0), B(3, 2)},
             {{4, {3, 1, 0, 24, 0, 0, 0, 66, 0, 0, 3, 2, 0, 90, 0, 0, 0, 34}},
              {42, {58, 2, 43, 44, 4, 1, 53, 54, 74, 2, 63, 64}},
              {58, {0, 0, 0x80, 0x3F, 0, 0, 0, 0x40}}, {74, {0, 0, 0x20, 0x41}}, {90, {2, 0, 1}}}, 124},
        };
        for (const auto& c : casi) {
            Carica(0, c.rung);
            ImmagineCodice.fill(0xEE);
            RapportoFinto r;
            QVERIFY2(CompilaProgramma(r) == c.lunghezza, c.nome);
            QCOMPARE(r.righe.last(), QStringLiteral("Compiled"));
            for (const Pezzo& p : c.attesi)
                for (int i = 0; i < int(p.byte.size()); ++i)
                    QVERIFY2(ImmagineCodice[p.offset + i] == p.byte[i], qPrintable(QStringLiteral("%1 @%2").arg(c.nome).arg(p.offset + i)));
        }
        // The table addresses stay in the project.
        QCOMPARE(Programmi[0].Rung[1].ArgByte[4][0], uint8_t(58));
        QCOMPARE(Programmi[0].Rung[1].ArgByte[5][0], uint8_t(4));
        QCOMPARE(ImmagineCodice[5634], uint8_t(0xEE));
    }

    // Each way a compile fails: result 0, the image refused, and the blocks named.
    void fallimenti()
    {
        const struct {
            const char* nome;
            QList<Rung> rung;
            int dimensione;
            int righe;          // report lines
            QString ultima;     // last line
        } casi[] = {
            {"esatto", {B(3)}, 48, 6, "Compiled"},
            {"un byte oltre", {B(3)}, 47, 7, "Impossible to compile"},
            {"vuoto", {}, 5634, 2, "Impossible to compile"},
            {"256 rung", QList<Rung>(256, B(3)), 5634, 2, "Impossible to compile"},
            {"tabella assente", {Tabella_(1)}, 5634, 5, " - Function Block 1 : Table not defined"},
            {"lunghezza fuori byte", {B(2), B(3, 1, 0, 39)}, 5634, 5, " - Function Block 2 : Block cannot be encoded"},
            // Blocks the editor did not accept: a blank rung is no block.
            {"codice non valido", {B(3), NonValido(B(3, 1, 8, 0))}, 5634, 5, " - Function Block 2 : Block cannot be encoded"},
            {"voce non valida", {NonValido(B(2)), B(3)}, 5634, 5, " - Function Block 1 : Block cannot be encoded"},
        };
        for (const auto& c : casi) {
            Carica(0, c.rung);
            Prepara(1, c.dimensione);
            ProgCorrente = 3;
            RapportoFinto r;
            const int atteso = c.ultima == u"Compiled" ? 48 : 0;
            QVERIFY2(CompilaProgramma(r) == atteso, c.nome);
            QVERIFY2(r.righe.size() == c.righe && r.righe.last() == c.ultima, qPrintable(r.righe.join('|')));
            QCOMPARE(ProgCorrente, int16_t(0));
        }
        // A blank rung is never encoded, and is no error.
        Prepara();
        Carica(0, {NonValido(B(0)), B(3)});
        QVERIFY(CompilaProgramma() > 0);
        // 28 points overflow the entry's length byte; 27 fit.
        for (int punti : {27, 28}) {
            Tabelle[0].NPunti = uint8_t(punti);
            Carica(0, {Tabella_(0)});
            QCOMPARE(CompilaProgramma() == 0, punti == 28);
        }
        QCOMPARE(Errori[0].TestoErrore, QStringLiteral("Table has too many points"));
        // 255 blocks of 250 bytes run past the image's end: the rungs that
        // no longer fit are errors, nothing is written beyond the image.
        Tabelle[0].NPunti = 27;
        Carica(0, QList<Rung>(255, Tabella_(0)));
        QCOMPARE(CompilaProgramma(), 0);
        QCOMPARE(Errori[0].NumeroBlocco, int16_t(252));
        QCOMPARE(Errori[0].TestoErrore, QStringLiteral("Block cannot be encoded"));
    }
};

QTEST_GUILESS_MAIN(TestCompilatore)
#include "test_compilatore.moc"
