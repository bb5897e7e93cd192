// The block encoder and the layouts as data, without the dialog: how a family
// is registered and tested.
#include "FamigliaProva.h"

#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/IconeBlocchi.h"
#include "program/Programmi.h"
#include "support/Byte.h"
#include "support/TipiDato.h"

#include <QtTest>

using Test::Byte;

namespace {
constexpr int kAdd = 4, kReturn = 15;

ContestoBlocco Contesto()
{
    ContestoBlocco c;
    c.tabelle = {"Tank", "Probe"};
    return c;
}
} // namespace

class TestCodificaBlocco : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Test::ImpostaTipiDato();
        NomiFunzione[kAdd] = "Add";
        Prova::RegistraFamiglia();
        // "Return" stands for a block that no family encodes.
        RegistraFamiglia(Famiglia::Flusso, {});
    }

    void layoutAsData()
    {
        Rung rung;
        const DatiBlocco d = DatiIniziali(kAdd, rung, Contesto());
        QCOMPARE(int(rung.Op), 9);
        QCOMPARE(d.righe[0].testo + d.righe[0].TestoTipo(), QStringLiteral("%R26Int"));
        QCOMPARE(d.righe[2].testo, QStringLiteral("Tank"));   // Table wins
        QVERIFY(d.righe[4].visibile && !d.righe[4].tipoVisibile && !d.righe[3].visibile);
        QVERIFY(d.ritardoVisibile && d.ritardo == "10");
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
        QVERIFY(!rung.Trig);
        QCOMPARE(rung.Riga.Immagine, ChiaveIconaBlocco(17));
        QCOMPARE(rung.Riga.Colore, 0xFFFF00u);
        // Values and visibility from the frame, captions from the family.
        QCOMPARE(rung.Riga.ValoriArg[3], QStringLiteral("hidden"));
        QVERIFY(rung.Riga.ArgVisibile[4] && !rung.Riga.ArgVisibile[3]);
        QCOMPARE(rung.Riga.NomiArg[3], QStringLiteral("kept"));
        QCOMPARE(rung.Riga.NomiArg[0], QStringLiteral("Source A (Int)"));
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
        QTest::addColumn<bool>("primaDiScrivere");   // refused before the frame writes anything
        const int errata = int(Esito::RigaErrata);
        QTest::newRow("lone %") << 0 << "%" << errata << 0 << true;
        QTest::newRow("negative past 16 bits") << 0 << "-65537" << errata << 0 << false;
        QTest::newRow("register past 16 bits") << 4 << "%R70000" << errata << 4 << true;
        QTest::newRow("negative register past 16 bits") << 4 << "%R-65537" << errata << 4 << true;
        QTest::newRow("register without a number") << 4 << "%R" << errata << 4 << true;
        QTest::newRow("register not a number") << 4 << "%Rabc" << errata << 4 << true;
        QTest::newRow("constant not a number") << 1 << "abc" << errata << 1 << true;
        QTest::newRow("constant, text first") << 1 << "V 1.5" << errata << 1 << true;
        QTest::newRow("single overflow") << 1 << "1e39" << errata << 1 << false;
        QTest::newRow("trigger register") << 8 << "40000" << int(Esito::TriggerErrato) << -1 << true;
        QTest::newRow("trigger register not a number") << 8 << "abc" << int(Esito::TriggerErrato) << -1 << true;
        QTest::newRow("trigger mask") << 9 << "-32769" << int(Esito::TriggerErrato) << -1 << true;
    }
    void refusals()
    {
        QFETCH(int, riga);
        QFETCH(QString, testo);
        QFETCH(bool, primaDiScrivere);
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
        // A text that is no number, or leaves its field, leaves the rung as it
        // was; one the family refuses comes after the texts and identity.
        if (riga < 8) QCOMPARE(rung.ArgTesto[size_t(riga)], primaDiScrivere ? QString() : testo);
        QCOMPARE(rung.Classe, int16_t(primaDiScrivere ? 0 : 3));
        QCOMPARE(rung.Trig, !primaDiScrivere);
    }

    // A field read as the editor's OK reads it and as a stored project is
    // read back: the editor takes the number a text begins with, 0 for an
    // empty number, a negative value plus 65536, and refuses an empty
    // register row and what would show one number while the rung holds
    // another; the project reading takes every text (an empty one as 0), and
    // whatever both take gives the same bytes.
    void readings_data()
    {
        QTest::addColumn<int>("riga");   // 0..7 a row, 8/9 the trigger register/mask, 10 the delay
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QByteArray>("slot");   // the row's slot (the delay: Delay as 16 bits), "" when refused
        QTest::newRow("register -1") << 4 << "%R-1" << true << QByteArray("ffff0000");
        QTest::newRow("number -1 in a uInt row") << 4 << "-1" << true << QByteArray("ffff0000");
        QTest::newRow("register -65536") << 4 << "%R-65536" << true << QByteArray("00000000");
        // A register row left empty would name register 0; a constant's is 0.
        QTest::newRow("empty register row") << 4 << "" << false << QByteArray("00000000");
        QTest::newRow("blank register row") << 0 << "  " << false << QByteArray("00000000");
        QTest::newRow("empty constant row") << 1 << "" << true << QByteArray("00000000");
        QTest::newRow("number with its unit") << 4 << "1000ms" << true << QByteArray("e8030000");
        QTest::newRow("register with text") << 0 << "%R12 tank" << true << QByteArray("0c000000");
        QTest::newRow("constant with its unit") << 1 << "1,5 V" << true << QByteArray("0000c03f");
        QTest::newRow("hexadecimal") << 4 << "&H10" << true << QByteArray("10000000");
        QTest::newRow("not a number") << 4 << "abc" << false << QByteArray("00000000");
        QTest::newRow("register without a number") << 4 << "%R" << false << QByteArray("00000000");
        QTest::newRow("register past 16 bits") << 4 << "%R70000" << false << QByteArray();
        QTest::newRow("trigger with text") << 8 << "12 in" << true << QByteArray("0c00");
        QTest::newRow("empty trigger mask") << 9 << "" << true << QByteArray("0000");
        QTest::newRow("empty trigger register") << 8 << " " << false << QByteArray("0000");
        QTest::newRow("trigger not a number") << 8 << "in" << false << QByteArray("0000");
        QTest::newRow("delay with its unit") << 10 << "20 x50ms" << true << QByteArray("1400");
        QTest::newRow("negative delay") << 10 << "-2" << true << QByteArray("feff");
        QTest::newRow("empty delay") << 10 << "" << true << QByteArray("0000");
        QTest::newRow("delay not a number") << 10 << "ms" << false << QByteArray("0000");
    }
    void readings()
    {
        QFETCH(int, riga);
        QFETCH(QString, testo);
        QFETCH(bool, editor);
        QFETCH(QByteArray, slot);
        for (const LetturaRighe lettura : {LetturaRighe::Editor, LetturaRighe::Progetto}) {
            Rung rung;
            DatiBlocco d = DatiIniziali(kAdd, rung, Contesto());
            d.lettura = lettura;
            d.trigger = riga == 8 || riga == 9;
            d.testoTrigReg = d.testoTrigMask = "3";
            (riga == 8 ? d.testoTrigReg : riga == 9 ? d.testoTrigMask : riga == 10 ? d.ritardo : d.righe[size_t(riga)].testo) = testo;
            const bool atteso = lettura == LetturaRighe::Editor ? editor : !slot.isEmpty();
            QCOMPARE(CodificaBlocco(d, rung).Memorizzato(), atteso);
            if (!atteso) continue;
            const int slotRiga[] = {0, 2, -1, -1, 4};
            const auto parola = [](int16_t v) { return QByteArray(1, char(uint16_t(v) & 0xFF)) + char(uint16_t(v) >> 8); };
            const QByteArray letto = riga == 8    ? parola(rung.TrigReg)
                                     : riga == 9  ? parola(rung.TrigMask)
                                     : riga == 10 ? parola(rung.Delay)
                                                  : Byte(rung.ArgByte[size_t(slotRiga[riga])]);
            QCOMPARE(letto.toHex(), slot);
        }
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

    void showArg_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<bool>("registro");
        QTest::addColumn<QList<int>>("tipi");
        QTest::addColumn<QList<int>>("puntatori");
        QTest::addColumn<QString>("voci");
        QTest::addColumn<int>("scelta");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("set");
        // Table forces the type, and the last entry of that code is chosen.
        QTest::newRow("table wins") << 1 << false << QList<int>{0, 1, 10} << QList<int>{0, 2}
                                    << "uInt Int Table Punt->uInt Punt->uLong" << 4 << "Tank" << true;
        QTest::newRow("register row") << 1 << true << QList<int>{1, 6} << QList<int>{} << "Int K_Long" << 0 << "%R26"
                                      << false;
        QTest::newRow("plain row") << 1 << false << QList<int>{1, 6} << QList<int>{} << "Int K_Long" << 0 << "26"
                                   << false;
        QTest::newRow("constant, no prefix") << 6 << true << QList<int>{1, 6} << QList<int>{} << "Int K_Long" << 1
                                             << "26" << true;
        QTest::newRow("type not offered") << 3 << true << QList<int>{0, 1} << QList<int>{} << "uInt Int" << -1
                                          << "%R26" << false;
    }
    void showArg()
    {
        QFETCH(int, tipo);
        QFETCH(QList<int>, tipi);
        QFETCH(QList<int>, puntatori);
        DefArgomento a{QStringLiteral("X"), uint8_t(tipo), 26, false, {}, {}};
        QFETCH(bool, registro);
        a.DaRegistro = registro;
        for (int t : tipi) a.TipiAmmessi[size_t(t)] = 1;
        for (int t : puntatori) a.PuntatoriAmmessi[size_t(t)] = 1;
        RigaBlocco r;
        MostraArgomento(r, a, {"Tank", "Probe"});
        QStringList voci;
        for (const VoceLista& v : r.tipi) voci << v.testo;
        QTEST(voci.join(' '), "voci");
        QTEST(r.sceltaTipo, "scelta");
        QTEST(r.testo, "testo");
        QTEST(r.pulsanteSet, "set");
        QVERIFY(r.visibile && r.tipoVisibile);
        QCOMPARE(r.didascalia, QStringLiteral("X"));
        if (tipi.contains(10)) {
            QCOMPARE(int(a.Tipo), 10);
            QCOMPARE(r.Tipo(), 10);   // the pointer to uLong shares the code
            QCOMPARE(r.lista.size(), 2);
        }
    }
};

QTEST_GUILESS_MAIN(TestCodificaBlocco)
#include "test_codificablocco.moc"
