// The page model's commands: every field kept by copies, deletes and moves,
// the limits refused, and the program slots that
// pages and subroutines must not share.
#include "display/OperazioniPagine.h"
#include "program/Progetto.h"
#include "program/StatoProgramma.h"
#include "support/AiutiCompilatore.h"
#include "support/Ambiente.h"

#include <QtTest>
#include <vector>

namespace {
// An object whose every field derives from `s`, so a misplaced field shows.
OggettoDisplay O(int s)
{
    return {uint8_t(s), uint8_t(s + 1), uint8_t(s + 2), uint8_t(s + 3), uint8_t(s + 4), uint8_t(s + 5), uint8_t(s + 6),
            QString::number(s), QString::number(-s), int16_t(s * 7), uint8_t(s % 5), int16_t(s % 16), s + 0.5, s - 0.5,
            uint8_t(s + 8), uint8_t(s + 9), s % 2 == 0, s % 3 == 0, s % 4 == 0, s % 5 == 0};
}
// Page slot i holds i + 1 objects O(10 i + 1), O(10 i + 2), ...
void Riempi(int pagine)
{
    for (int i = 0; i < MaxPagine; ++i) {
        Pagine[i] = Pagina{.NumOggetti = uint8_t(i + 1)};
        for (int k = 1; k <= i + 1; ++k) Pagine[i].Oggetti[k] = O(10 * i + k);
    }
    NumPagine = uint8_t(pagine);
}
} // namespace

class TestPagine : public QObject {
    Q_OBJECT
private slots:
    void init() { Aiuti::Prepara(); NumSub = 0; }

    void oggetti()
    {
        using F = EsitoPagine (*)(int, uint8_t&);
        const F canc = [](int p, uint8_t& c) { return DeleteObject(p, c, c); };
        const struct {
            int numero;
            F op;
            int sel;
            std::vector<int> semi;
            int selDopo;
        } casi[] = {
            {3, canc, 2, {21, 23}, 2}, {1, canc, 1, {}, 0}, {3, canc, 3, {21, 22}, 2},
            {3, OggettoIndietro, 1, {21, 22, 23}, 1}, {3, OggettoAvanti, 3, {21, 22, 23}, 3},
            {3, OggettoIndietro, 3, {21, 23, 22}, 2}, {3, OggettoAvanti, 1, {22, 21, 23}, 2},
        };
        for (const auto& c : casi) {
            Riempi(3);
            Pagine[2].NumOggetti = uint8_t(c.numero);
            uint8_t sel = uint8_t(c.sel);
            c.op(2, sel);
            QCOMPARE(int(Pagine[2].NumOggetti), int(c.semi.size()));
            for (size_t k = 0; k < c.semi.size(); ++k) QVERIFY(Pagine[2].Oggetti[k + 1] == O(c.semi[k]));
            QCOMPARE(int(sel), c.selDopo);
        }
        // A 33rd object is refused; the new object keeps its slot's Interno.
        Riempi(1);
        uint8_t sel = 0;
        Pagine[0].Oggetti[2].Interno = 77;
        QCOMPARE(AddObject(0, O(5), sel), EsitoPagine::Fatto);
        QCOMPARE((QList<int>{sel, Pagine[0].Oggetti[2].Interno}), (QList<int>{2, 77}));
        Pagine[0].NumOggetti = MaxOggetti;
        QCOMPARE(AddObject(0, O(5), sel), EsitoPagine::TroppiOggetti);
        QCOMPARE(int(Pagine[0].NumOggetti), MaxOggetti);
        QCOMPARE(TestoRifiuto(EsitoPagine::TroppiOggetti), QStringLiteral("A page holds at most 32 objects"));
    }

    void pagine()
    {
        const struct {
            int pagine, sub;
            EsitoPagine (*op)(uint8_t&);
            int c;
            std::vector<int> ordine;     // the original page each slot holds; -1 empty
            int numero, cDopo;
            EsitoPagine esito;
        } casi[] = {
            {3, 0, NuovaPagina, 0, {0, 1, 2, 3}, 4, 3, EsitoPagine::Fatto},
            {9, 0, NuovaPagina, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 9, 0, EsitoPagine::TroppePagine},
            {2, 3, NuovaPagina, 0, {0, 1, 2}, 2, 0, EsitoPagine::PaginaSuSub},
            {9, 0, CancellaPagina, 3, {0, 1, 2, 4, 5, 6, 7, 8, -1}, 8, 3, EsitoPagine::Fatto},
            {3, 0, CancellaPagina, 2, {0, 1, -1}, 2, 1, EsitoPagine::Fatto},
            {1, 0, CancellaPagina, 0, {0}, 1, 0, EsitoPagine::Nulla},
            {9, 0, PaginaPrima, 8, {0, 1, 2, 3, 4, 5, 6, 8, 7}, 9, 7, EsitoPagine::Fatto},
            {9, 0, PaginaDopo, 7, {0, 1, 2, 3, 4, 5, 6, 8, 7}, 9, 8, EsitoPagine::Fatto},
            {2, 0, PaginaPrima, 0, {0, 1}, 2, 0, EsitoPagine::Nulla},
            {2, 0, PaginaDopo, 1, {0, 1}, 2, 1, EsitoPagine::Nulla},
        };
        for (const auto& c : casi) {
            Riempi(c.pagine);
            NumSub = int16_t(c.sub);
            const auto prima = Pagine;
            uint8_t cor = uint8_t(c.c);
            QCOMPARE(c.op(cor), c.esito);
            QCOMPARE((QList<int>{NumPagine, cor}), (QList<int>{c.numero, c.cDopo}));
            for (size_t i = 0; i < c.ordine.size(); ++i) QVERIFY(Pagine[i] == (c.ordine[i] < 0 ? Pagina{} : prima[c.ordine[i]]));
        }
    }

    void pulsantiSenzaOggetto()
    {
        for (int nascosto : {2, 3, 7, 8}) QVERIFY(!OggettoNuovo(nascosto));
    }

    // On the display model page 0 holds program 1: no subroutine may take it.
    void subroutineRifiutata()
    {
        Test::Copione copione;
        copione.Installa();
        Modelli[0].Nome = NomiModello[8] = QStringLiteral("QVR4005");
        NumPagine = 1;
        NuovaSub();
        QCOMPARE(int(NumSub), 0);
        QCOMPARE(copione.Messaggi(), QStringList{QStringLiteral("The new subroutine would take the program of a display page")});
    }
};

QTEST_MAIN(TestPagine)
#include "test_pagine.moc"
