// The page compiler's display records byte by byte, the programs it writes,
// and the display model's project compile: page programs after the main
// program, "Call Page" targets, images after all code.
#include "display/OperazioniPagine.h"
#include "display/ParteDisplay.h"
#include "program/StatoProgramma.h"
#include "registers/Immagini.h"
#include "support/AiutiCompilatore.h"

#include <QtTest>
#include <vector>

using namespace Aiuti;
using namespace CompilatorePagine;

namespace {
using Pezzo = std::pair<int, std::vector<int>>;
OggettoDisplay Ogg(int tipo, const QString& f = {}, int reg = 0, int bit = 0, const QString& t2 = {})
{
    return {.TipoOgg = uint8_t(tipo), .FormatoOgg = f, .Testo2 = t2, .RegOgg = int16_t(reg), .BitOgg = int16_t(bit)};
}
OggettoDisplay Con(OggettoDisplay o, auto modifica) { modifica(o); return o; }
std::vector<int> Lettere(const char* t, int zeri = 1)
{
    std::vector<int> v(t, t + strlen(t));
    v.insert(v.end(), zeri, 0);
    return v;
}
} // namespace

class TestCompilatorePagine : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Prepara();
        for (int p = 0; p < NumProcessi; ++p) Carica(p, {});
        Pagine = {};
        NumPagine = 1;
        NumSub = 0;
        NumImmagini = 2;
        Immagini[0] = {.Larghezza = 20, .Altezza = 10, .Pixel = {1, 2, 3, 4, 5}, .NumByte = 5};
        Immagini[1] = {.Pixel = {6, 7, 8}, .NumByte = 3, .IndirizzoImmagine = -1};
    }

    // Argument bytes 0..35 of the rung of one object; byte 0 is the kind, bytes not listed are 0.
    void record()
    {
        const std::vector<int> e = {0, 0, 0};
        const struct {
            const char* nome;
            OggettoDisplay o;
            std::vector<Pezzo> attesi;
            bool bitValido;
        } casi[] = {
            {"rettangolo", Con(Ogg(17), [](auto& o) { o.PosX = 10; o.PosY = 4; o.DimX = o.DimY = 16; o.Spessore = 1; }), {{0, {17, 10, 4, 0, 16, 16, 1}}}, true},
            {"numero", Con(Ogg(4, "%+5.0f", 300), [](auto& o) { o.TipoReg = 1; }), {{0, {4}}, {4, Lettere("%+5.0f")}, {12, {1}}, {16, {44, 1, 0, 0}}}, true},
            {"numero tagliato", Ogg(3, "%+10.2fAB", 0), {{0, {3}}, {4, Lettere("%+10.2f")}, {12, {0}}}, true},
            {"flag 9", Con(Ogg(17), [](auto& o) { o.Negato = o.Direzione = true; }), {{0, {17, 0, 0, 9}}}, true},
            {"etichetta alternata", Ogg(1, "ABC", -1, 7, "XYZ"), {{4, {255, 255, 0, 128, 'A', 'B', 'C'}}, {20, Lettere("XYZ")}}, true},
            {"etichetta lunga", Ogg(0, "ABCDEFGHIJKL", 300, 99, "XYZ"), {{4, {21}}, {8, Lettere("ABCDEFGHIJKL")}}, true},
            {"etichetta a 22", Ogg(2, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"), {{4, {21}}, {8, Lettere("ABCDEFGHIJKLMNOPQRSTUV", 2)}}, true},
            {"seconda a 11", Ogg(1, "A", 0, 15, "0123456789abcdef"), {{6, {128, 0, 'A', 0}}, {20, Lettere("0123456789a")}}, true},
            {"bit 16", Ogg(1, "A", 0, 16), {{6, {0, 0, 'A'}}}, false},
            {"bit -1", Ogg(14, {}, 0, -1), {{4, {20, 10}}, {20, {0, 0}}}, false},
            {"latin-1", Ogg(7, QStringLiteral("é°")), {{4, {0xE9, 0xB0, 0}}}, true},
            {"data a 27", Ogg(10, "dd/mm/yy hh:mm:ss dd/mm/yy hh"), {{4, Lettere("dd/mm/yy hh:mm:ss dd/mm/yy ")}}, true},
            {"barra", Con(Ogg(16, {}, 258), [](auto& o) { o.DimX = 32; o.DimY = 8; o.TipoReg = 4; o.MaxOgg = 100; o.MinOgg = -2; }),
             {{4, {32, 8}}, {12, {4}}, {16, {2, 1}}, {24, {0, 0, 200, 66, 0, 0, 0, 0xC0}}}, true},
            {"led", Con(Ogg(13, {}, 258, 9), [](auto& o) { o.IdPicture = 3; o.IdPicture2 = 4; o.TipoReg = 2; o.DimX = 32; }),
             {{4, {20, 10, 0, 0, 3, 4, 0, 0, 2}}, {16, {2, 1, 0, 0, 2, 0, 0, 0}}}, true},
            {"immagine", Con(Ogg(6, "img", 700), [](auto& o) { o.DimX = 5; }), {{0, {6, 0, 0, 0, 20, 10}}}, true},
            {"grafico", Con(Ogg(18, {}, 5, 8), [](auto& o) { o.DimX = 100; o.DimY = 30; o.TipoReg = 3; }),
             {{4, {100, 30, 0, 0, 2, 0, 0, 0, 3}}, {16, {5, 0, 0, 0, 1, 0}}}, true},
            {"oltre 18", Con(Ogg(25, "x", 5, 3), [](auto& o) { o.DimX = 9; }), {{0, {25}}}, true},
        };
        for (const auto& c : casi) {
            std::vector<int> atteso(36, 0);
            atteso[0] = c.o.TipoOgg;
            for (const auto& [da, byte] : c.attesi) std::copy(byte.begin(), byte.end(), atteso.begin() + da);
            bool bitValido = !c.bitValido;
            const Rung g = RungOggetto(c.o, &bitValido);
            std::vector<int> letto;
            for (const auto& s : g.ArgByte) letto.insert(letto.end(), s.begin(), s.end());
            QVERIFY2(letto == atteso, c.nome);
            QVERIFY2(bitValido == c.bitValido, c.nome);
            QVERIFY2(g.Classe == 3 && g.Gruppo == 3 && g.Op == 0 && g.Lunghezza == 34, c.nome);
        }
    }

    // Programs 1..NumPagine rebuilt from cleared rungs; others and subroutines untouched.
    void programmi()
    {
        Rung vecchio = B(3, 3, 253, 34, QStringLiteral("OLD"), QStringLiteral("t"));
        vecchio.Break = true;
        for (int p = 1; p <= 4; ++p) Carica(p, {vecchio, vecchio, vecchio, vecchio});
        NumPagine = 3;
        Pagine[0].NumOggetti = 2;
        Pagine[0].Oggetti[1] = Ogg(17);
        Pagine[0].Oggetti[2] = Ogg(14, {}, 0, 20);
        Pagine[2].NumOggetti = 1;
        ProgCorrente = 5;
        QCOMPARE(CompilaOggetti(), (QList<GuastoPagina>{{1, 2, Guasto::BitFuoriIntervallo}}));
        QCOMPARE(int(ProgCorrente), 0);
        QCOMPARE((QList<int>{Programmi[1].NumRung, Programmi[2].NumRung, Programmi[3].NumRung, Programmi[4].NumRung}), (QList<int>{3, 1, 2, 4}));
        for (int p = 1; p <= 3; ++p) {
            const Programma& P = Programmi[p];
            const Rung& ritorno = P.Rung[P.NumRung];
            QCOMPARE(P.Rung[1].Etichetta, QStringLiteral("PAG%1").arg(p));
            QVERIFY(ritorno.Classe == 3 && ritorno.Gruppo == 132 && ritorno.Lunghezza == 2 && ritorno.ArgByte == Rung{}.ArgByte);
            for (int r = 1; r <= P.NumRung; ++r)
                QVERIFY(P.Rung[r].Op == 0 && !P.Rung[r].Break && P.Rung[r].ArgTesto == Rung{}.ArgTesto && (r == 1 || P.Rung[r].Etichetta.isEmpty()));
        }
        QCOMPARE(Programmi[4].Rung[1].Etichetta, QStringLiteral("OLD"));
        // A subroutine's program is never written.
        NumSub = 2;
        QCOMPARE(CompilaOggetti(), (QList<GuastoPagina>{{1, 0, Guasto::ProgrammaSubroutine}, {2, 0, Guasto::ProgrammaSubroutine}}));
        Carica(1, {vecchio});
        CompilaOggetti();
        QCOMPARE(Programmi[1].Rung[1].Etichetta, QStringLiteral("OLD"));
    }

    // Main program: "Call Page" and a communication block; page 0 of one
    // object (compiled earlier with three), page 1 empty; two images.
    void progetto()
    {
        const struct {
            const char* nome;
            bool display;
            int dimensione, sub, bit;
            int32_t lunghezza;
            QString ultima;
        } casi[] = {
            {"display", true, 5634, 0, 0, 114, "Compiled"},
            {"esatta", true, 114, 0, 0, 114, "Compiled"},
            {"troppo grande", true, 113, 0, 0, 0, "Impossible to compile"},
            {"altro modello", false, 5634, 0, 0, 14, "Compiled"},
            {"bit 16", true, 5634, 0, 16, 0, " - Function Block 1 : Bit outside 0..15"},
            {"subroutine", true, 5634, 1, 0, 0, " - Function Block 1 : The page's program is a subroutine"},
        };
        InstallaParteDisplay();
        for (const auto& c : casi) {
            init();
            Modelli[0].DimensioneProgramma = int16_t(c.dimensione);
            Modelli[0].Nome = NomiModello[8] = QStringLiteral("QVR4005");
            if (!c.display) Modelli[0].Nome = QStringLiteral("QVR4566");
            Carica(0, c.display ? QList<Rung>{B(3, 3, 253, 2), B(2)} : QList<Rung>{B(2)});
            NumPagine = 2;
            for (int k = 1; k <= 3; ++k) AddObject(0, Ogg(17), OggettoCorrente);
            CompilaOggetti();
            DeleteObject(0, 1, OggettoCorrente);
            DeleteObject(0, 1, OggettoCorrente);
            Pagine[0].Oggetti[1] = Ogg(14, {}, 0, c.bit);
            NumSub = int16_t(c.sub);
            ImmagineCodice.fill(0xEE);
            RapportoFinto r;
            QVERIFY2(CompilaProgramma(r) == c.lunghezza, c.nome);
            QVERIFY2(r.righe.last() == c.ultima, qPrintable(r.righe.last()));
            if (c.dimensione == 113) QVERIFY(r.righe.contains(QStringLiteral("  114 / 113 Bytes (100%)")));
            // Other models leave the images alone.
            if (!c.display) QCOMPARE(Immagini[1].IndirizzoImmagine, int16_t(-1));
            if (c.lunghezza != 114) continue;
            // Entries: Call Page, the communication block, the page object, two returns.
            QCOMPARE(ImmagineCodice[0], uint8_t(5));
            const std::vector<std::pair<int, int>> codici = {{1, 54}, {3, 68}, {4, 102}, {5, 104}};
            for (auto [n, offset] : codici) QCOMPARE(int(TabellaComandi(n).Offset()), offset);
            // Targets: PAG1 is entry 3, PAG2 entry 5 (stored as index).
            const auto& s = Programmi[0].Rung[1].ArgByte;
            QCOMPARE((QList<int>{s[0][0], s[0][3], s[1][0], s[1][1], s[2][0], s[2][1], Programmi[0].Rung[1].Lunghezza}), (QList<int>{253, 1, 2, 0, 4, 0, 14}));
            QCOMPARE((QList<int>{ImmagineCodice[68], ImmagineCodice[70], ImmagineCodice[102], ImmagineCodice[104]}), (QList<int>{3, 14, 132, 132}));
            // The images after all code, each at its own address.
            const std::vector<int> pixel = {1, 2, 3, 4, 5, 6, 7, 8};
            QVERIFY(std::equal(pixel.begin(), pixel.end(), ImmagineCodice.begin() + 106));
            QCOMPARE((QList<int>{Immagini[0].IndirizzoImmagine, Immagini[1].IndirizzoImmagine}), (QList<int>{0x200 + 106, 0x200 + 111}));
        }
        ImpostaParteImmagine(PostoParte::Pagine, nullptr);
    }
};

QTEST_MAIN(TestCompilatorePagine)
#include "test_compilatore_pagine.moc"
