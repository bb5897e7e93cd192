// The block encoder and the layouts as data, without the dialog: how a family
// is registered and tested.
#include "blockeditor/Catalogo.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/IconeBlocchi.h"
#include "program/Programmi.h"
#include "shell/Lingua.h"
#include "support/Byte.h"

#include <QtTest>

using Test::Byte;

namespace {
constexpr int kAdd = 4, kReturn = 15;

// A stand-in for the arithmetic family: a register row, a constant row that
// also offers Table, a destination; the delay shown.
void RegistraProva()
{
    GestoreFamiglia g;
    g.Impagina = [](int, Rung& rung, const ContestoBlocco& c) {
        rung.Op = 9;   // written as soon as the block is chosen
        LayoutBlocco l;
        auto riga = [&l](int i, const char* nome, uint8_t tipo, double valore, bool registro,
                         std::initializer_list<uint8_t> tipi) {
            DefArgomento& a = l.righe[size_t(i)].arg;
            a = DefArgomento{QString::fromLatin1(nome), tipo, valore, registro, {}, {}};
            for (uint8_t t : tipi) a.TipiAmmessi[t] = 1;
            l.ordine << i;
        };
        riga(0, "Source", TipoInt, c.modello.PrimoRegistroUtente, true, {TipoUInt, TipoInt});
        riga(1, "Const", TipoKFlt, 1.5, false, {TipoKFlt});
        riga(2, "Table", TipoUInt, 0, false, {TipoUInt, TipoTable});
        riga(4, "Dest", TipoUInt, 100, true, {TipoUInt});
        l.righe[4].tipoVisibile = false;
        l.ritardo = QStringLiteral("10");
        return l;
    };
    g.Codifica = [](const DatiBlocco& d, Rung& r) {
        const auto& a = d.righe;
        r.ArgByte[1][0] = uint8_t(a[0].Tipo() | (a[1].Tipo() << 4));
        if (!Trasf(r, a[0].valore, 0, 0)) return EsitoCodifica::Riga(0);
        if (!Trasf(r, a[1].valore, 5, 2)) return EsitoCodifica::Riga(1);
        if (!Trasf(r, a[4].valore, 0, 4)) return EsitoCodifica::Riga(4);
        r.Lunghezza = 10;
        DidascalieRung(d, r, {0, 1, 4}, {0, 1});
        return EsitoCodifica::Ok();
    };
    RegistraFamiglia(Famiglia::Aritmetica, g);
}

ContestoBlocco Contesto()
{
    ContestoBlocco c;
    c.modello.PrimoRegistroUtente = 26;
    c.tabelle = {"Tank", "Probe"};
    return c;
}
} // namespace

class TestCodificaBlocco : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QStringList tipi = {"uInt", "Int", "uLong", "Long", "Float", "K_Flt", "K_Long", "Hex", "ASCII",
                                  "Bin", "Table", "Direct", "Swap"};
        for (int i = 0; i < tipi.size(); ++i) TipiDato[size_t(i)] = tipi[i];
        NomiFunzione[kAdd] = "Add";
        RegistraProva();
        // "Return" stands for a block that no family encodes.
        RegistraFamiglia(Famiglia::Flusso, {});
    }

    void layoutAsData()
    {
        Rung rung;
        const DatiBlocco d = DatiIniziali(kAdd, rung, Contesto());
        QCOMPARE(int(rung.Op), 9);
        const auto& a = d.righe;
        QCOMPARE(a[0].testo, QStringLiteral("%R26"));
        QCOMPARE(a[0].TestoTipo(), QStringLiteral("Int"));
        QCOMPARE(a[1].testo, QStringLiteral("1.5"));
        // Table wins over the laid-out type; its value list holds the tables.
        QCOMPARE(a[2].Tipo(), int(TipoTable));
        QCOMPARE(a[2].testo, QStringLiteral("Tank"));
        QCOMPARE(a[2].lista.size(), 2);
        QVERIFY(a[2].pulsanteSet && !a[0].pulsanteSet);
        QVERIFY(a[4].visibile && !a[4].tipoVisibile && !a[3].visibile);
        QVERIFY(d.ritardoVisibile);
        QCOMPARE(d.ritardo, QStringLiteral("10"));
    }

    void encodes()
    {
        Rung rung;
        DatiBlocco d = DatiIniziali(kAdd, rung, Contesto());
        d.etichetta = "L1";
        d.righe[0].testo = "%X7";
        d.righe[1].testo = "12,5";
        d.righe[3].testo = "hidden";
        rung.Riga.NomiArg[3] = "kept";
        const EsitoCodifica e = CodificaBlocco(d, rung);
        QVERIFY(e.Memorizzato());
        QCOMPARE(d.righe[1].testo, QStringLiteral("12.5"));
        QVERIFY(rung.Valido);
        QCOMPARE(QList<int>({rung.Classe, rung.Gruppo, rung.Op, rung.Lunghezza}), (QList<int>{3, 1, 0, 10}));
        QCOMPARE(Byte(rung.ArgByte[0]), QByteArray::fromHex("07000000"));
        QCOMPARE(Byte(rung.ArgByte[2]), QByteArray::fromHex("00004841"));   // 12.5 as a single
        QCOMPARE(int(rung.ArgByte[1][0]), 0x51);
        QCOMPARE(rung.ArgTesto[1], QStringLiteral("12.5"));
        QCOMPARE(rung.Etichetta, QStringLiteral("L1"));
        QCOMPARE(rung.Riga.Funzione, QStringLiteral("Add"));
        QCOMPARE(rung.Riga.Immagine, ChiaveIconaBlocco(17));
        // Values and visibility from the frame, captions from the family.
        QCOMPARE(rung.Riga.ValoriArg[3], QStringLiteral("hidden"));
        QVERIFY(rung.Riga.ArgVisibile[4] && !rung.Riga.ArgVisibile[3]);
        QCOMPARE(rung.Riga.NomiArg[3], QStringLiteral("kept"));
        QCOMPARE(rung.Riga.NomiArg[0], QStringLiteral("Source (Int)"));
        QCOMPARE(rung.Riga.NomiArg[4], QStringLiteral("Dest"));
        QCOMPARE(rung.Riga.Sommario, QStringLiteral("[ %X7 , 12.5 , %R100 ]"));
        // Rebuilt from what the rung keeps, as the project loader does.
        Rung ricostruito = rung;
        ricostruito.ArgByte = {};
        DatiBlocco di = DatiDaRung(ricostruito, Contesto());
        QCOMPARE(di.indice, kAdd);
        QCOMPARE(di.etichetta, QStringLiteral("L1"));
        QVERIFY(CodificaBlocco(di, ricostruito).Memorizzato());
        QCOMPARE(ricostruito.ArgByte, rung.ArgByte);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("esito");
        QTest::addColumn<int>("rigaErrata");
        const int errata = int(Esito::RigaErrata);
        QTest::newRow("lone %") << 0 << "%" << errata << 0;
        QTest::newRow("register past 16 bits") << 4 << "%R70000" << errata << 4;
        QTest::newRow("single overflow") << 1 << "1e39" << errata << 1;
        QTest::newRow("trigger register") << 8 << "40000" << int(Esito::TriggerErrato) << -1;
        QTest::newRow("trigger mask") << 9 << "-32769" << int(Esito::TriggerErrato) << -1;
    }
    void refusals()
    {
        QFETCH(int, riga);
        QFETCH(QString, testo);
        Rung rung;
        DatiBlocco d = DatiIniziali(kAdd, rung, Contesto());
        rung.ArgByte[4] = {9, 9, 9, 9};
        d.trigger = true;
        d.testoTrigReg = d.testoTrigMask = "3";
        (riga == 8 ? d.testoTrigReg : riga == 9 ? d.testoTrigMask : d.righe[size_t(riga)].testo) = testo;
        const EsitoCodifica e = CodificaBlocco(d, rung);
        QTEST(int(e.esito), "esito");
        QTEST(e.riga, "rigaErrata");
        QVERIFY(!rung.Valido);
        if (riga != 4) QCOMPARE(Byte(rung.ArgByte[4]), QByteArray(4, 9));
    }

    void blockWithoutFamily()
    {
        Rung rung;
        rung.ArgByte[0] = {1, 2, 3, 4};
        rung.Riga.NomiArg[0] = "Old";
        rung.Riga.Sommario = "[ old ]";
        DatiBlocco d = DatiIniziali(kReturn, rung, Contesto());
        for (const RigaBlocco& r : d.righe) QVERIFY(!r.visibile);
        QVERIFY(!d.ritardoVisibile);
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        QVERIFY(rung.Valido);
        QCOMPARE(rung.Gruppo, int16_t(132));
        QCOMPARE(Byte(rung.ArgByte[0]), QByteArray::fromHex("01020304"));
        QCOMPARE(rung.Riga.NomiArg[0], QStringLiteral("Old"));
        QCOMPARE(rung.Riga.Sommario, QStringLiteral("[ old ]"));
        d.indice = NumBlocchi;
        QCOMPARE(CodificaBlocco(d, rung).esito, Esito::FuoriCatalogo);
    }

    void hexBeyondRangeReadsAsNothing()
    {
        const QString cifre(280, QLatin1Char('F'));
        QCOMPARE(LeggiNumero("&H" + cifre), 0.0);
        QCOMPARE(LeggiNumero(QStringLiteral("&O") + QString(400, QLatin1Char('7'))), 0.0);
        QCOMPARE(LeggiNumero("&H" + QString(200, QLatin1Char('F'))) > 1e240, true);
    }
};

QTEST_GUILESS_MAIN(TestCodificaBlocco)
#include "test_codificablocco.moc"
