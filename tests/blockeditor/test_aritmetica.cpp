// The arithmetic, move, scale, block-move and display-call blocks as data:
// rows laid out for a model, encoded into a rung, and reopened.
#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/Famiglie.h"
#include "program/Programmi.h"
#include "support/Byte.h"
#include "support/TipiDato.h"

#include <QtTest>

using Test::Byte;

namespace {
constexpr int kAdd = 4, kMove = 7, kAverage = 29, kLin = 30, kScale = 3, kBlockMove = 46, kCallPage = 43,
              kRefresh = 44;
enum Flag { Puntatori = 1, Aggiuntivo = 2 };

ContestoBlocco Contesto(int flag = 0)
{
    ContestoBlocco c;
    c.modello.PrimoRegistroUtente = 26;
    c.modello.AmmettePuntatori = flag & Puntatori;
    c.modello.ArgAggiuntivo = flag & Aggiuntivo;
    c.tabelle = {"Tank", "Probe", "Tank"};
    c.puntiTabelle = {2, 6, 5};
    return c;
}

// Every slot byte starts as AA, so bytes a block leaves alone show.
Rung RungPieno()
{
    Rung r;
    for (auto& s : r.ArgByte) s.fill(0xAA);
    r.Riga.Sommario = QStringLiteral("old");
    r.Riga.NomiArg[0] = QStringLiteral("old");
    return r;
}

// Rows given as "text:type" (type -1 = no choice; no type = as laid out).
DatiBlocco Righe(int indice, Rung& rung, int flag, const QStringList& righe)
{
    DatiBlocco d = DatiIniziali(indice, rung, Contesto(flag));
    for (int i = 0; i < righe.size(); ++i) {
        if (righe[i].isNull()) continue;
        const QStringList p = righe[i].split(QLatin1Char(':'));
        d.righe[size_t(i)].testo = p[0];
        if (p.size() > 1) {
            const int tipo = p[1].toInt();
            if (tipo < 0 || !d.righe[size_t(i)].ScegliTipo(tipo)) d.righe[size_t(i)].sceltaTipo = -1;
        }
    }
    return d;
}

QByteArray Slot(const Rung& r)
{
    QByteArray b;
    for (int k = 0; k < 8; ++k) b += Byte(r.ArgByte[size_t(k)]);
    return b.toHex(' ');
}
} // namespace

class TestAritmetica : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Test::ImpostaTipiDato();
        TestiLingua[66] = "Number";
        TestiLingua[67] = "Dest";
        TestiLingua[69] = "Source";
        TestiLingua[75] = "Function";
        TestiLingua[76] = "Block";
    }

    void encodings_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QStringList>("righe");
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<int>("lunghezza");
        QTest::addColumn<QString>("sommario");
        const QString n;   // a row left as laid out
        QTest::newRow("Add") << kAdd << 0 << QStringList{"%R100:1", "2.5:5", n, n, "%R200:1"}
            << QByteArray("00 aa aa aa 51 01 00 00 aa aa aa aa 64 00 00 00 00 00 20 40 00 01 aa aa aa aa aa aa c8 00 00 00")
            << 34 << "[ %R100 , 2.5 , %R200 ]";
        QTest::newRow("Div, Block 3") << 19 << int(Aggiuntivo) << QStringList{"7:5", "%R30:0", n, "3", "%R31:0"}
            << QByteArray("03 aa aa aa 05 00 00 00 aa aa aa aa 00 00 e0 40 1e 00 00 00 03 01 aa aa aa aa aa aa 1f 00 00 00")
            << 34 << "[ 7 , %R30 , %R31 ]";
        QTest::newRow("Move") << kMove << 0 << QStringList{"%R30:1", n, n, n, "%R31:4"}
            << QByteArray("04 aa aa aa 01 04 00 00 aa aa aa aa 1e 00 00 00 aa aa aa aa 01 01 aa aa aa aa aa aa 1f 00 00 00")
            << 34 << "[ %R30 ,  , %R31 ]";
        QTest::newRow("Average 2.5") << kAverage << 0 << QStringList{"%R30:1", "2.5"}
            << QByteArray("05 aa aa aa 51 01 00 00 aa aa aa aa 1e 00 00 00 00 00 20 40 02 01 aa aa aa aa aa aa 1a 00 00 00")
            << 34 << "[ %R30 , 2.5 , %R26 ]";
        QTest::newRow("Linearization, third table") << kLin << 0 << QStringList{"%R30:1"}
            << QByteArray("08 aa aa aa 51 01 00 00 02 00 00 00 1e 00 00 00 aa aa aa aa 05 01 aa aa aa aa aa aa 1a 00 00 00")
            << 34 << "[ %R30 , Tank , %R26 ]";
        QTest::newRow("pointer to Long") << 8 << int(Puntatori) << QStringList{"%R40:11", n, n, n, "%R41:8"}
            << QByteArray("07 aa aa aa 0b 08 00 00 aa aa aa aa 28 00 00 00 aa aa aa aa 01 01 aa aa aa aa aa aa 29 00 00 00")
            << 34 << "[ %R40 ,  , %R41 ]";
        QTest::newRow("Scale") << kScale << 0 << QStringList{"%R30:1", "10", "0", n, "%R31:1", "100", "0"}
            << QByteArray("00 aa aa aa 11 55 55 00 1e 00 00 00 00 00 20 41 00 00 00 00 00 00 c8 42 00 00 00 00 1f 00 00 00")
            << 34 << "[ %R30 , 10 , 0 , %R31 , 100 , 0 ]";
        QTest::newRow("Scale, Span In a uLong register") << kScale << 0 << QStringList{"%R30:1", "%R40:2"}
            << QByteArray("00 aa aa aa 11 52 55 00 1e 00 00 00 28 00 00 00 00 00 00 00 00 00 80 3f 00 00 00 00 1a 00 00 00")
            << 34 << "[ %R30 , %R40 , 0 , %R26 , 1 , 0 ]";
        QTest::newRow("Block Move, Swap") << kBlockMove << 0 << QStringList{"%R300", "16", n, n, "%R500:12"}
            << QByteArray("2c 01 f4 01 10 00 01 aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa")
            << 10 << "[ %R300 , 16 , %R500 ]";
        QTest::newRow("Call Page") << kCallPage << 0 << QStringList{}
            << QByteArray("fd aa aa aa 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00")
            << 34 << "old";
        QTest::newRow("Display Refresh") << kRefresh << 0 << QStringList{}
            << QByteArray("fe aa aa aa 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00")
            << 6 << "old";
    }
    void encodings()
    {
        QFETCH(int, indice);
        QFETCH(int, flag);
        QFETCH(QStringList, righe);
        Rung rung = RungPieno();
        DatiBlocco d = Righe(indice, rung, flag, righe);
        if (indice == kLin) d.righe[1].scelta = 2;
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        QTEST(Slot(rung), "slot");
        QTEST(int(rung.Lunghezza), "lunghezza");
        QTEST(rung.Riga.Sommario, "sommario");
        // The display calls leave the row's captions as they were.
        QCOMPARE(rung.Riga.NomiArg[0] == QStringLiteral("old"), indice == kCallPage || indice == kRefresh);
        QCOMPARE(rung.Delay, int16_t(0));
        if (indice == kLin) QCOMPARE(rung.Riga.NomiArg[1], QStringLiteral("Function (Table)"));
    }

    void layoutsFollowTheModel()
    {
        Rung rung;
        QVERIFY(!DatiIniziali(kAdd, rung, Contesto()).righe[3].visibile);
        const DatiBlocco d = DatiIniziali(kAdd, rung, Contesto(Puntatori | Aggiuntivo));
        QVERIFY(d.righe[3].visibile);
        QCOMPARE(d.righe[0].tipi.last().testo, QStringLiteral("Punt->Float"));
        QCOMPARE(d.righe[4].tipi.size(), 10);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("righe");
        QTest::addColumn<int>("riga");
        const QString n;
        QTest::newRow("Average 300") << kAverage << QStringList{n, "300"} << 1;
        QTest::newRow("Block 256") << kAdd << QStringList{n, n, n, "256"} << 3;
        QTest::newRow("Block Move count 256") << kBlockMove << QStringList{n, "256"} << 1;
        QTest::newRow("Block Move count -1") << kBlockMove << QStringList{n, "-1"} << 1;
        // A register number past 16 bits, whatever the row's type.
        QTest::newRow("Block Move uLong source 70000") << kBlockMove << QStringList{"70000:2"} << 0;
        QTest::newRow("Block Move Direct dest 65536") << kBlockMove << QStringList{n, n, n, n, "65536:11"} << 4;
        QTest::newRow("no table") << kLin << QStringList{n, ""} << 1;
        QTest::newRow("Dest without a type") << kAdd << QStringList{n, n, n, n, "%R30:-1"} << 4;
        QTest::newRow("Source B without a type") << kAdd << QStringList{n, "%R30:-1"} << 1;
        QTest::newRow("Scale row without a type") << kScale << QStringList{n, n, n, n, n, "%R30:-1"} << 5;
    }
    void refusals()
    {
        QFETCH(int, indice);
        QFETCH(QStringList, righe);
        QFETCH(int, riga);
        Rung rung = RungPieno();
        DatiBlocco d = Righe(indice, rung, Aggiuntivo, righe);
        if (indice == kLin) d.righe[1].scelta = -1;
        const EsitoCodifica e = CodificaBlocco(d, rung);
        QCOMPARE(e.esito, Esito::RigaErrata);
        QCOMPARE(e.riga, riga);
        QVERIFY(!rung.Valido);
        QCOMPARE(int(rung.ArgByte[7][0]), 0xAA);   // the destination comes last
    }

    // A table row's text is what the files keep: it decides the table,
    // whatever entry the list still has chosen, and text that names no table
    // is refused before the table is written.
    void linearizationTypedText_data()
    {
        QTest::addColumn<int>("scelta");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("tabella");   // -1: refused
        QTest::newRow("no table's name") << 0 << "nope" << -1;
        QTest::newRow("empty") << 0 << "" << -1;
        QTest::newRow("another table typed over") << 0 << "Probe" << 1;
        QTest::newRow("typed, nothing chosen") << -1 << "Probe" << 1;
        QTest::newRow("same name, the chosen one") << 2 << "Tank" << 2;
        QTest::newRow("same name, the first one") << 1 << "Tank" << 0;
    }
    void linearizationTypedText()
    {
        QFETCH(int, scelta);
        QFETCH(QString, testo);
        QFETCH(int, tabella);
        Rung rung = RungPieno();
        DatiBlocco d = DatiIniziali(kLin, rung, Contesto());
        d.righe[1].scelta = scelta;
        d.righe[1].testo = testo;
        const EsitoCodifica e = CodificaBlocco(d, rung);
        QCOMPARE(e.Memorizzato(), tabella >= 0);
        QCOMPARE(rung.Valido, tabella >= 0);
        const QByteArray slot2 = tabella >= 0 ? QByteArray(1, char(tabella)) + QByteArray(3, 0) : QByteArray(4, char(0xAA));
        QCOMPARE(Byte(rung.ArgByte[2]).toHex(' '), slot2.toHex(' '));
        if (tabella >= 0) QCOMPARE(int(rung.ArgByte[5][0]), Contesto().puntiTabelle[tabella]);
    }

    // A stored rung gives its rows their types back, and re-encodes the same.
    void reopenRestoresTypes_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("righe");
        QTest::addColumn<QList<int>>("tipi");
        const QString n;
        QTest::newRow("Add") << kAdd << QStringList{"%R40:2", "1.5:5", n, n, "%R41:4"} << QList<int>{2, 5, -1, -1, 4};
        QTest::newRow("pointer") << kMove << QStringList{"%R40:10", n, n, n, "%R41:12"} << QList<int>{10, -1, -1, -1, 12};
        QTest::newRow("Scale") << kScale << QStringList{"%R1:3", "%R2:4", "5:5", n, "%R3:2", "%R4:0", "%R5:1"}
                               << QList<int>{3, 4, 5, -1, 2, 0, 1};
        QTest::newRow("Block Move uLong, Swap") << kBlockMove << QStringList{"%R40:2", "3", n, n, "%R50:12"}
                                                << QList<int>{2, 0, -1, -1, 12};
    }
    void reopenRestoresTypes()
    {
        QFETCH(int, indice);
        QFETCH(QStringList, righe);
        QFETCH(QList<int>, tipi);
        Rung rung;
        DatiBlocco d = Righe(indice, rung, Puntatori, righe);
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        const auto prima = rung.ArgByte;
        DatiBlocco di = DatiIniziali(indice, rung, Contesto(Puntatori));
        for (int i = 0; i < tipi.size(); ++i) QCOMPARE(di.righe[size_t(i)].Tipo(), tipi[i]);
        for (int i = 0; i < 8; ++i) di.righe[size_t(i)].testo = rung.ArgTesto[size_t(i)];
        QVERIFY(CodificaBlocco(di, rung).Memorizzato());
        QCOMPARE(rung.ArgByte, prima);
    }

    // A reopened or reloaded Linearization rung keeps the table its row
    // names: the stored one among same-named tables, and none when no table
    // has that name any more.
    void linearizationKeepsItsTable_data()
    {
        QTest::addColumn<QStringList>("tabelle");
        QTest::addColumn<int>("scelta");
        QTest::addColumn<int>("riaperta");
        QTest::newRow("second of two Tank") << QStringList{"Tank", "Probe", "Tank"} << 2 << 2;
        QTest::newRow("Probe") << QStringList{"Tank", "Probe", "Tank"} << 1 << 1;
        QTest::newRow("table moved") << QStringList{"Probe", "Tank"} << -1 << 1;
        QTest::newRow("table gone") << QStringList{"Probe"} << -1 << -1;
        QTest::newRow("comma in the name") << QStringList{"a", "1,5"} << -1 << 1;
    }
    void linearizationKeepsItsTable()
    {
        QFETCH(QStringList, tabelle);
        QFETCH(int, scelta);
        QFETCH(int, riaperta);
        Rung rung;
        DatiBlocco d = DatiIniziali(kLin, rung, Contesto());
        d.righe[1].scelta = scelta < 0 ? 2 : scelta;
        d.righe[1].testo = d.righe[1].lista[d.righe[1].scelta].testo;
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        if (scelta < 0) rung.ArgTesto[1] = tabelle.value(riaperta, QStringLiteral("Tank"));   // as the project file holds it
        ContestoBlocco c = Contesto();
        c.tabelle = tabelle;
        c.puntiTabelle = QList<int>(tabelle.size(), 4);
        DatiBlocco di = DatiIniziali(kLin, rung, c);
        QCOMPARE(di.righe[1].scelta, riaperta);
        di.righe[1].testo = rung.ArgTesto[1];
        const EsitoCodifica e = CodificaBlocco(di, rung);
        QCOMPARE(e.Memorizzato(), riaperta >= 0);
        if (riaperta >= 0) QCOMPARE(int(rung.ArgByte[2][0]), riaperta);
    }
};

QTEST_GUILESS_MAIN(TestAritmetica)
#include "test_aritmetica.moc"
