// Flow-control, log, timer, trip and PID blocks as data: layouts, rung bytes,
// captions and refusals.
#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/famiglie/FlussoTempo.h"
#include "program/Programmi.h"
#include "support/Byte.h"

#include <QtTest>

namespace {
constexpr int kGoto = 11, kIfGoto = 13, kCall = 14, kReturn = 15, kTimer = 16, kTrip = 20, kLogWrite = 41,
              kIfCall = 42, kWatchDog = 45, kPid = 55;
using Testi = QMap<int, QString>;
using Tipi = QMap<int, int>;

ContestoBlocco Contesto()
{
    ContestoBlocco c;
    c.modello.PrimoRegistroUtente = 26;
    return c;
}

// A rung whose every byte is 0xAA, so bytes left alone show.
Rung Usato()
{
    Rung r;
    for (auto& s : r.ArgByte) s.fill(0xAA);
    r.Delay = 7;
    return r;
}

// Block `indice` laid out on `r`, the given row texts typed and types chosen, then encoded.
EsitoCodifica Codifica(int indice, Rung& r, const Testi& testi, const Tipi& tipi = {})
{
    DatiBlocco d = DatiIniziali(indice, r, Contesto());
    for (auto it = testi.begin(); it != testi.end(); ++it) d.righe[size_t(it.key())].testo = it.value();
    for (auto it = tipi.begin(); it != tipi.end(); ++it) d.righe[size_t(it.key())].ScegliTipo(it.value());
    return CodificaBlocco(d, r);
}

QByteArray Slot(const Rung& r)
{
    QByteArray b;
    for (const auto& s : r.ArgByte) b += Test::Byte(s);
    return b;
}
} // namespace

class TestFlussoTempo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QStringList tipi = {"uInt", "Int", "uLong", "Long", "Float", "K_Flt", "K_Long"};
        for (int i = 0; i < tipi.size(); ++i) TipiDato[size_t(i)] = tipi[i];
        TestiLingua = {{67, "Dest"}, {68, "Delay"}, {69, "Source"}, {74, "Mask"}, {76, "Block"}, {77, "Goto if True"},
                       {78, "Goto if False"}};
    }

    void codifica_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<Testi>("testi");
        QTest::addColumn<Tipi>("tipi");
        QTest::addColumn<QByteArray>("slot");   // slots 0..8; aa = left as the rung held it
        QTest::addColumn<int>("lunghezza");
        const QByteArray zero7 = "00000000 00000000 00000000 00000000 00000000 00000000 00000000";
        QTest::newRow("Return") << kReturn << Testi{} << Tipi{} << "00000000" + zero7 + "aaaaaaaa" << 2;
        QTest::newRow("Goto") << kGoto << Testi{{4, "Loop"}} << Tipi{} << "00000000" + zero7 + "aaaaaaaa" << 6;
        QTest::newRow("Call keeps slot 0") << kCall << Testi{{4, "Sub"}} << Tipi{} << "aaaaaaaa" + zero7 + "aaaaaaaa" << 6;
        QTest::newRow("WatchDog 1 s") << kWatchDog << Testi{{4, "20"}} << Tipi{} << "14000000" + zero7 + "aaaaaaaa" << 6;
        QTest::newRow("WatchDog 65535") << kWatchDog << Testi{{4, "65535"}} << Tipi{} << "ffff0000" + zero7 + "aaaaaaaa" << 6;
        // A negative value is taken plus 65536, an empty row is 0, and a row
        // reads the number its text begins with.
        QTest::newRow("WatchDog -1 wraps") << kWatchDog << Testi{{4, "-1"}} << Tipi{} << "ffff0000" + zero7 + "aaaaaaaa" << 6;
        QTest::newRow("WatchDog empty") << kWatchDog << Testi{{4, ""}} << Tipi{} << "00000000" + zero7 + "aaaaaaaa" << 6;
        const QByteArray zero6 = "00000000 00000000 00000000 00000000 00000000 00000000";
        QTest::newRow("If Goto bit 3") << kIfGoto << Testi{{0, "%R26"}, {1, "3"}, {4, "A"}, {5, "B"}} << Tipi{}
                                       << "1a000000" + zero6 + "00080000 aaaaaaaa" << 34;
        QTest::newRow("If Call bit 15") << kIfCall << Testi{{0, "%R300"}, {1, "15"}, {4, "A"}} << Tipi{}
                                        << "2c010000" + zero6 + "80000000 aaaaaaaa" << 34;
        QTest::newRow("Timer, integer part") << kTimer << Testi{{0, "3"}, {1, "1500.9"}, {2, "%R40"}} << Tipi{}
                                             << "03000000 dc052800" + zero6 + "aaaaaaaa" << 10;
        QTest::newRow("Timer 1000ms") << kTimer << Testi{{0, "3"}, {1, "1000ms"}, {2, "%R40"}} << Tipi{}
                                      << "03000000 e8032800" + zero6 + "aaaaaaaa" << 10;
        QTest::newRow("Timer -5, register -1") << kTimer << Testi{{0, "3"}, {1, "-5"}, {2, "%R-1"}} << Tipi{}
                                               << "03000000 fbffffff" + zero6 + "aaaaaaaa" << 10;
        QTest::newRow("Timer 12abc, empty timer") << kTimer << Testi{{0, ""}, {1, "12abc"}, {2, "%R40"}} << Tipi{}
                                                  << "00000000 0c002800" + zero6 + "aaaaaaaa" << 10;
        QTest::newRow("Trip") << kTrip
                              << Testi{{0, "%R100"}, {1, "80.5"}, {2, "%R101"}, {3, "%R200"}, {4, "1"}, {5, "2"},
                                       {6, "1000"}, {7, "500"}}
                              << Tipi{{0, TipoInt}, {1, TipoKFlt}, {2, TipoUInt}, {3, TipoUInt}}
                              << QByteArray("00aaaaaa 05100200 01000000 0000a142 65000000 64000000 e803f401 c8000000 aaaaaaaa") << 34;
        QTest::newRow("Trip Dest uLong, mask 2^32-1")
            << kTrip << Testi{{3, "%R200"}, {4, "4294967295"}} << Tipi{{3, TipoULong}}
            << QByteArray("00aaaaaa 11120000 ffffffff 01000000 01000000 01000000 e803e803 c8000000 aaaaaaaa") << 34;
        QTest::newRow("PID") << kPid << Testi{{0, "%R30"}, {1, "2.5"}, {2, "0"}, {4, "%R31"}, {5, "%R40"}}
                             << Tipi{{0, TipoInt}, {1, TipoKFlt}, {2, TipoKFlt}, {4, TipoInt}, {5, TipoFloat}}
                             << QByteArray("00aaaaaa 11550400 1e000000 00002040 00000000 28000000 aaaaaaaa 1f000000 aaaaaaaa") << 34;
        QTest::newRow("PID as laid out") << kPid << Testi{} << Tipi{}
                                         << QByteArray("00aaaaaa 11550500 1a000000 0000803f 00000000 0000803f aaaaaaaa 1a000000 aaaaaaaa") << 34;
        QTest::newRow("PID Kp uLong register") << kPid << Testi{{1, "%R50"}} << Tipi{{1, TipoULong}}
                                               << QByteArray("00aaaaaa 11520500 1a000000 32000000 00000000 0000803f aaaaaaaa 1a000000 aaaaaaaa") << 34;
    }

    void codifica()
    {
        QFETCH(int, indice);
        QFETCH(Testi, testi);
        QFETCH(Tipi, tipi);
        QFETCH(QByteArray, slot);
        Rung r = Usato();
        QVERIFY(Codifica(indice, r, testi, tipi).Memorizzato());
        QCOMPARE(Slot(r).toHex(), QByteArray::fromHex(slot).toHex());
        QTEST(int(r.Lunghezza), "lunghezza");
        QCOMPARE(r.Delay, int16_t(0));
        QVERIFY(r.Valido);
        for (auto it = testi.begin(); it != testi.end(); ++it) QCOMPARE(r.ArgTesto[size_t(it.key())], it.value());
    }

    // The loader rebuilds a stored rung from its texts and its slot 1 types: same bytes again.
    void ricaricato_data() { codifica_data(); }

    void ricaricato()
    {
        QFETCH(int, indice);
        QFETCH(Testi, testi);
        QFETCH(Tipi, tipi);
        Rung r = Usato();
        QVERIFY(Codifica(indice, r, testi, tipi).Memorizzato());
        Rung copia = r;
        DatiBlocco d = DatiDaRung(copia, Contesto());
        QVERIFY(CodificaBlocco(d, copia).Memorizzato());
        QCOMPARE(Slot(copia).toHex(), Slot(r).toHex());
        QCOMPARE(copia.ArgTesto, r.ArgTesto);
    }

    void ricaricatoBitFuoriCampo()
    {
        Rung r = Usato();
        r.Classe = 3;
        r.Gruppo = 129;
        r.Valido = true;
        r.ArgTesto[0] = "%R26";
        r.ArgTesto[1] = "16";
        DatiBlocco d = DatiDaRung(r, Contesto());
        QCOMPARE(CodificaBlocco(d, r).riga, 1);
        QCOMPARE(Slot(r), Slot(Usato()));
    }

    void didascalie_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("nomi");   // NomiArg 0..7
        QTest::addColumn<QString>("sommario");
        QTest::newRow("WatchDog") << kWatchDog << QStringList{"x", "", "", "", "Delay(*50mS)", "", "", ""} << "[ 0 ]";
        QTest::newRow("If Goto") << kIfGoto
                                 << QStringList{"Source (uInt)", "Bit [0÷15]", "", "", "Goto if True", "Goto if False", "", ""}
                                 << "[ %R26 , 1 , 0 , 0 ]";
        QTest::newRow("Timer") << kTimer << QStringList{"Timer", "mSec", "Reg", "", "", "", "", ""} << "[ 0 , 1000 , %R26 ]";
        QTest::newRow("Trip") << kTrip
                              << QStringList{"Input (Int)", "MAX (Int)", "MIN (Int)", "Dest (uInt)", "Mask", "Timer",
                                             "Timer ON", "Timer OFF"}
                              << "[ %R1 , %R1 , %R1 , %R26 , 1 , 0 , 1000 , 1000 ]";
        QTest::newRow("PID") << kPid
                             << QStringList{"Source (Int)", "Kp (K_Flt)", "Kd (K_Flt)", "", "Dest (Int)", "Ki (K_Flt)", "", ""}
                             << "[ %R26 , 1 , 0 , %R26 , 1 ]";
        QTest::newRow("Return leaves the row") << kReturn << QStringList{"x", "", "", "", "", "", "", ""} << "old";
    }

    void didascalie()
    {
        QFETCH(int, indice);
        Rung r;
        r.Riga.NomiArg[0] = "x";
        r.Riga.Sommario = "old";
        QVERIFY(Codifica(indice, r, {}).Memorizzato());
        QTEST(QStringList(r.Riga.NomiArg.begin(), r.Riga.NomiArg.end()), "nomi");
        QTEST(r.Riga.Sommario, "sommario");
    }

    // Each refusal leaves the rung not valid, with the bytes written so far.
    void rifiuti_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<Testi>("testi");
        QTest::addColumn<Tipi>("tipi");
        QTest::addColumn<int>("riga");
        QTest::addColumn<QByteArray>("slot");
        const QByteArray intatto = "aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa";
        QTest::newRow("bit 16") << kIfGoto << Testi{{1, "16"}} << Tipi{} << 1 << intatto;
        QTest::newRow("bit 1.5") << kIfGoto << Testi{{1, "1.5"}} << Tipi{} << 1 << intatto;
        QTest::newRow("source 70000") << kIfGoto << Testi{{0, "%R70000"}} << Tipi{} << 0 << intatto;
        QTest::newRow("watchdog 70000") << kWatchDog << Testi{{4, "70000"}} << Tipi{} << 4 << intatto;
        // A number row's text that begins with no number, or leaves its 16
        // bits, is refused before anything is written.
        QTest::newRow("timer mSec 70000") << kTimer << Testi{{1, "70000"}} << Tipi{} << 1 << intatto;
        QTest::newRow("timer register 70000") << kTimer << Testi{{2, "%R70000"}} << Tipi{} << 2 << intatto;
        QTest::newRow("timer mSec abc") << kTimer << Testi{{1, "abc"}} << Tipi{} << 1 << intatto;
        QTest::newRow("timer register %Rx") << kTimer << Testi{{2, "%Rx"}} << Tipi{} << 2 << intatto;
        QTest::newRow("timer register %R") << kTimer << Testi{{2, "%R"}} << Tipi{} << 2 << intatto;
        QTest::newRow("timer mSec -65537") << kTimer << Testi{{1, "-65537"}} << Tipi{} << 1 << intatto;
        QTest::newRow("watchdog x5") << kWatchDog << Testi{{4, "x5"}} << Tipi{} << 4 << intatto;
        QTest::newRow("timer number 1e9") << kTimer << Testi{{0, "1e9"}} << Tipi{} << 0 << intatto;
        const QByteArray tripTesta = "00aaaaaa 1110aaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa";
        QTest::newRow("trip timer 256") << kTrip << Testi{{5, "256"}} << Tipi{} << 5 << tripTesta;
        const QByteArray tripFinoA7 = "00aaaaaa 11100000 aaaaaaaa 01000000 01000000 01000000 aaaaaaaa 1a000000 aaaaaaaa";
        QTest::newRow("trip mask 2^32") << kTrip << Testi{{4, "4294967296"}} << Tipi{} << 4 << tripFinoA7;
        QTest::newRow("trip timer OFF 70000") << kTrip << Testi{{7, "70000"}} << Tipi{} << 7 << intatto;
        QTest::newRow("trip MIN without a type") << kTrip << Testi{} << Tipi{{2, -1}} << 2
                                                 << QByteArray("00aaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa");
        QTest::newRow("PID Ki without a type") << kPid << Testi{} << Tipi{{5, -1}} << 5
                                               << QByteArray("00aaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa");
    }

    void rifiuti()
    {
        QFETCH(int, indice);
        QFETCH(Testi, testi);
        QFETCH(Tipi, tipi);
        QFETCH(QByteArray, slot);
        Rung r = Usato();
        const EsitoCodifica e = Codifica(indice, r, testi, tipi);
        QCOMPARE(e.esito, Esito::RigaErrata);
        QTEST(e.riga, "riga");
        QVERIFY(!r.Valido);
        QCOMPARE(Slot(r).toHex(), QByteArray::fromHex(slot).toHex());
    }

    // The rung keeps its texts and its row in the rung list when a number
    // row is refused: the list never shows what the bytes do not hold.
    void timerNonNumero()
    {
        Rung r = Usato();
        r.ArgTesto[1] = "1000";
        r.Riga.Sommario = "[ 0 , 1000 , %R26 ]";
        const Rung prima = r;
        QCOMPARE(Codifica(kTimer, r, {{1, "abc"}}).riga, 1);
        QCOMPARE(r.ArgTesto, prima.ArgTesto);
        QCOMPARE(r.Riga.Sommario, prima.Riga.Sommario);
        QCOMPARE(int(r.Classe), 0);
    }

    void etichetteDelProcesso()
    {
        Programmi[0].NumRung = 1;
        Programmi[0].Rung[1].Etichetta = "Main1";
        Programmi[1].NumRung = 3;
        Programmi[1].Rung[2].Etichetta = "Loop";
        Programmi[1].Rung[3].Etichetta = "End";
        Programmi[1].Rung[4].Etichetta = "Beyond";   // past NumRung
        Rung r;
        DatiBlocco d = DatiIniziali(kIfGoto, r, ContestoCorrente(1));
        for (int riga : {4, 5}) {
            QCOMPARE(d.righe[size_t(riga)].lista, (QList<VoceLista>{{"Loop", 2}, {"End", 3}}));
            QCOMPARE(d.righe[size_t(riga)].testo, QString("Loop"));
            QVERIFY(!d.righe[size_t(riga)].tipoVisibile);
        }
        d.righe[5].testo = "Main1";   // another process's label, typed
        QVERIFY(CodificaBlocco(d, r).Memorizzato());
        QCOMPARE(r.ArgTesto[4], QString("Loop"));
        QCOMPARE(r.ArgTesto[5], QString("Main1"));
        // No labelled rung: the target starts as "0".
        const DatiBlocco vuoto = DatiIniziali(kCall, r, ContestoCorrente(2));
        QVERIFY(vuoto.righe[4].lista.isEmpty());
        QCOMPARE(vuoto.righe[4].testo, QString("0"));
        Programmi = {};
    }

    void logWrite()
    {
        Rung r = Usato();
        DatiBlocco d = DatiIniziali(kLogWrite, r, Contesto());
        QCOMPARE(Slot(r).left(8).toHex(), QByteArray("0001027faaaaaaaa"));
        QVERIFY(CodificaBlocco(d, r).Memorizzato());
        QCOMPARE(Slot(r).left(12).toHex(), QByteArray("00010203047f00aaaaaaaaaa"));
        QCOMPARE(r.Lunghezza, int16_t(10));
        QCOMPARE(r.Delay, int16_t(7));
    }

    void tipiRipristinati_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<QByteArray>("slot1");
        QTest::addColumn<Tipi>("attesi");   // row -> chosen type, -1 none
        QTest::newRow("Trip") << kTrip << true << QByteArray("05100000") << Tipi{{0, 1}, {1, 5}, {2, 0}, {3, 0}};
        QTest::newRow("Trip not valid") << kTrip << false << QByteArray("05100000") << Tipi{{0, 1}, {1, 1}, {2, 1}, {3, 0}};
        QTest::newRow("Trip Dest nibble 1") << kTrip << true << QByteArray("11210000") << Tipi{{0, 2}, {3, -1}};
        QTest::newRow("PID") << kPid << true << QByteArray("11550400") << Tipi{{0, 1}, {4, 1}, {1, 5}, {2, 5}, {5, 4}};
        QTest::newRow("PID Source nibble 5") << kPid << true << QByteArray("15550400") << Tipi{{0, -1}, {4, 1}};
    }

    void tipiRipristinati()
    {
        QFETCH(int, indice);
        QFETCH(bool, valido);
        QFETCH(QByteArray, slot1);
        QFETCH(Tipi, attesi);
        Rung r;
        r.Valido = valido;
        r.Op = 9;
        const QByteArray b = QByteArray::fromHex(slot1);
        std::copy(b.begin(), b.end(), r.ArgByte[1].begin());
        const DatiBlocco d = DatiIniziali(indice, r, Contesto());
        for (auto it = attesi.begin(); it != attesi.end(); ++it) QCOMPARE(d.righe[size_t(it.key())].Tipo(), it.value());
        if (indice == kTrip) {
            QCOMPARE(int(r.Op), 0);   // written as soon as the block is chosen
            QVERIFY(d.righe[4].pulsanteSet);   // the mask's bit editor
        } else {
            QCOMPARE(int(r.Op), 9);
        }
    }
};

QTEST_GUILESS_MAIN(TestFlussoTempo)
#include "test_flussotempo.moc"
