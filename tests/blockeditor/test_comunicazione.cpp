// The communication blocks and the device resource lists, on the rows' data.
#include "blockeditor/Catalogo.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/famiglie/ModuliDispositivo.h"
#include "program/Programmi.h"
#include "resources/TabellaStringhe.h"
#include "shell/Lingua.h"

#include <QtTest>

namespace {
constexpr int kReadInput = 0, kWrite = 1, kReadDevice = 2, kWriteDevice = 9, kReadWrite = 31, kReadHolding = 40,
              kReadCoils = 60, kWriteCoils = 61, kWriteCoil = 62;

// The language's texts and the brand's model names, as the language loader sets them.
void Lingua(int lingua, int marchio = 0)
{
    for (int k = 64; k <= 73; ++k) TestiLingua[k] = TestoRisorsa(BaseItaliano + 1000 * lingua + k);
    for (int k = 0; k < int(NomiModello.size()); ++k)
        NomiModello[size_t(k)] = TestoRisorsa(BaseMarchio + marchio + PosizioneNomeModello[size_t(k)]);
}

ContestoBlocco Contesto()
{
    ContestoBlocco c;
    c.modello.PrimoRegistroUtente = 26;
    return c;
}

// "r=text;..." into the rows; a Device text (row 0) is chosen as the user picks
// it, while "10=text" only types it; row 9 is the delay.
void Scrivi(DatiBlocco& d, const QString& righe)
{
    for (const QString& voce : righe.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int riga = voce.section(QLatin1Char('='), 0, 0).toInt();
        const QString testo = voce.section(QLatin1Char('='), 1);
        if (riga == 9) {
            d.ritardo = testo;
            continue;
        }
        d.righe[size_t(riga % 10)].testo = testo;
        if (riga == 0) GestoreBlocco(d.indice)->ValoreScelto(d, 0);
    }
}

QString Slot(const Rung& r)
{
    QStringList s;
    for (int i = 0; i < 8; ++i)
        s << QByteArray(reinterpret_cast<const char*>(r.ArgByte[size_t(i)].data()), 4).toHex();
    return s.join(QLatin1Char(' '));
}

QStringList Risorse(const RigaBlocco& r)
{
    QStringList out;
    for (const VoceLista& v : r.lista) out << v.testo + QLatin1Char('=') + QString::number(v.dato);
    return out;
}

const char* const kSporco = "aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa aaaaaaaa";
} // namespace

class TestComunicazione : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const char* tipi[] = {"uInt", "Int"};
        for (int i = 0; i < 2; ++i) TipiDato[size_t(i)] = QString::fromLatin1(tipi[i]);
    }
    void init() { Lingua(1); }

    void layouts_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QString>("righe");   // visible rows: caption=text
        auto r = [](const char* n, int i, int l, const char* righe) { QTest::newRow(n) << i << l << QString::fromUtf8(righe); };
        const char* lettura = "0 Address=1|1 Register=1|2 Number=1|4 Dest (Int)=%R26";
        const char* scrittura = "0 Address=1|1 Register=1|2 Number=1|4 Source (Int)=%R26";
        r("Read Input", kReadInput, 1, lettura);
        r("Read Holding", kReadHolding, 1, lettura);
        r("Read Coils", kReadCoils, 1, lettura);
        r("Write", kWrite, 1, scrittura);
        r("Write Coils", kWriteCoils, 1, scrittura);
        r("Write Coil", kWriteCoil, 1, scrittura);
        r("Read/Write has write captions", kReadWrite, 1, scrittura);
        r("Italian read", kReadInput, 0, "0 Indirizzo=1|1 Regisro=1|2 Numero=1|4 Dest (Int)=%R26");
        r("Italian write", kWrite, 0, "0 Indirizzo=1|1 Regisro=1|2 Numero=1|4 Sorgente (Int)=%R26");
        r("Read Device", kReadDevice, 1,
          "0 Device=QVR8569|1 Address=1|4 Resource=Analog In|5 From=0|6 To=0|7 Dest (Int)=%R26");
        r("Write Device", kWriteDevice, 1,
          "0 Device=QVR8577|1 Address=1|4 Resource=Analog Out|5 From=0|6 To=0|7 Source (Int)=%R26");
        r("Italian device", kWriteDevice, 0,
          "0 Dispositivo=QVR8577|1 Indirizzo=1|4 Risorsa=Analog Out|5 Da=0|6 A=0|7 Sorgente (Int)=%R26");
    }
    void layouts()
    {
        QFETCH(int, indice);
        QFETCH(int, lingua);
        Lingua(lingua);
        Rung rung;
        const DatiBlocco d = DatiIniziali(indice, rung, Contesto());
        QStringList righe;
        for (int i = 0; i < 8; ++i) {
            const RigaBlocco& r = d.righe[size_t(i)];
            if (!r.visibile) continue;
            // Only the local register offers a second type, and no row a pointer.
            const QString tipo = r.tipi.size() > 1 ? QStringLiteral(" (") + r.TestoTipo() + QLatin1Char(')') : QString();
            righe << QString::number(i) + QLatin1Char(' ') + r.didascalia + tipo + QLatin1Char('=') + r.testo;
        }
        QTEST(righe.join(QLatin1Char('|')), "righe");
        QVERIFY(d.ritardoVisibile);
        QCOMPARE(d.ritardo, QStringLiteral("10"));
    }

    // Each row text set, then encoded into a rung whose slots all hold AA.
    void codifica_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("righe");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("classe");
        const QString base = "01000000 01000000 01000000 1a000000 0a000000 00000000 00000000 00000000";
        auto r = [](const char* n, int i, const char* righe, bool ok, const QString& slot, int classe) {
            QTest::newRow(n) << i << QString::fromUtf8(righe) << ok << slot << classe;
        };
        r("Read Input", kReadInput, "", true, base, 2);
        r("Read Holding", kReadHolding, "", true, base, 4);
        r("Read Coils", kReadCoils, "", true, base, 6);
        r("Write", kWrite, "", true, base, 1);
        r("Write Coils", kWriteCoils, "", true, base, 7);
        r("Write Coil", kWriteCoil, "", true, base, 8);
        r("Read/Write as Read Input", kReadWrite, "", true, base, 2);
        r("typed values, delay 300", kReadInput, "0=247;1=%R40001;2=125;4=%R1000;9=300", true,
          "f7000000 419c0000 7d000000 e8030000 2c000000 01000000 00000000 00000000", 2);
        r("no node range check", kWrite, "0=65535;9=0", true,
          "ffff0000 01000000 01000000 1a000000 00000000 00000000 00000000 00000000", 1);
        // The delay reads the number its text begins with, 0 when empty; a
        // negative one is stored plus 65536, as Delay keeps it signed.
        r("delay with its unit", kReadInput, "9=10 x50ms", true, base, 2);
        r("empty delay", kReadInput, "9=", true, QString(base).replace(36, 8, "00000000"), 2);
        r("negative delay", kReadInput, "9=-2", true, QString(base).replace(36, 17, "fe000000 ff000000"), 2);
        r("delay not a number", kReadInput, "9=ms", false, kSporco, 0);
        r("delay past 16 bits", kReadInput, "9=70000", false, QString(base).replace(36, 8, "00000000"), 2);
        r("delay past Delay's range", kReadInput, "9=40000", false, QString(base).replace(36, 17, "40000000 9c000000"), 2);
        r("register past 16 bits", kWrite, "1=65536", false, kSporco, 0);
        r("analog in 0..7", kReadDevice, "0=QVR8569;5=0;6=7", true,
          "01000000 0e000000 08000000 1a000000 0a000000 00000000 00000000 00000000", 2);
        r("sync inputs 2..3", kReadDevice, "0=QVR8560;4=Sync Inputs;5=2;6=3;1=5", true,
          "05000000 18000000 02000000 1a000000 0a000000 00000000 00000000 00000000", 2);
        r("channels with their unit", kReadDevice, "0=QVR8560;4=Sync Inputs;5=2 ch;6=3ch;1=5", true,
          "05000000 18000000 02000000 1a000000 0a000000 00000000 00000000 00000000", 2);
        r("CJC value", kReadDevice, "0=QVR8561;4=CJC Value", true,
          "01000000 0d000000 01000000 1a000000 0a000000 00000000 00000000 00000000", 2);
        r("digital in", kReadDevice, "0=QVR8685", true,
          "01000000 08000000 01000000 1a000000 0a000000 00000000 00000000 00000000", 2);
        r("16 digital in", kReadDevice, "0=QVR8693;6=15", true,
          "01000000 0a000000 10000000 1a000000 0a000000 00000000 00000000 00000000", 2);
        r("limits stay until the choice runs", kReadDevice, "0=QVR8693;10=QVR8569;6=15", true,
          "01000000 0a000000 10000000 1a000000 0a000000 00000000 00000000 00000000", 2);
        r("unknown resource: base 0", kReadDevice, "4=Other;5=3;6=4", true,
          "01000000 03000000 02000000 1a000000 0a000000 00000000 00000000 00000000", 2);
        r("channel text not a number", kReadDevice, "5=2abc;6=x", false, kSporco, 0);
        r("To past the last", kReadDevice, "6=8", false, kSporco, 2);
        r("16 inputs: To 16", kReadDevice, "0=QVR8693;6=16", false, kSporco, 2);
        r("From below the first", kReadDevice, "5=-1;6=3", false, kSporco, 2);
        r("To below From", kReadDevice, "5=5;6=4", false, kSporco, 2);
        r("analog out 0..7", kWriteDevice, "6=7", true,
          "01000000 0e000000 08000000 1a000000 0a000000 00000000 00000000 00000000", 1);
        r("analog out To 8", kWriteDevice, "6=8", false, kSporco, 1);
        r("analog out, no resource: base 0", kWriteDevice, "4=;5=1;6=2", true,
          "01000000 01000000 02000000 1a000000 0a000000 00000000 00000000 00000000", 1);
        r("digital out: 9 and 1", kWriteDevice, "0=QVR8685;5=2;6=5", true,
          "01000000 09000000 01000000 1a000000 0a000000 00000000 00000000 00000000", 1);
        r("no module keeps slots 1, 2", kWriteDevice, "0=QVR8693", true,
          "01000000 aaaaaaaa aaaaaaaa 1a000000 0a000000 00000000 00000000 00000000", 1);
    }
    void codifica()
    {
        QFETCH(int, indice);
        QFETCH(QString, righe);
        QFETCH(bool, ok);
        for (bool valido : {false, true}) {
            Rung rung;
            DatiBlocco d = DatiIniziali(indice, rung, Contesto());
            Scrivi(d, righe);
            for (auto& s : rung.ArgByte) s = {0xAA, 0xAA, 0xAA, 0xAA};
            rung.Valido = valido;
            rung.Delay = -7;
            rung.Lunghezza = 34;
            // Read/Write has no picture of its own: its rows go straight to the family.
            EsitoCodifica e;
            if (indice == kReadWrite) {
                LeggiRighe(d);
                rung.Classe = 2;
                rung.Gruppo = 0;
                e = GestoreBlocco(indice)->Codifica(d, rung);
            } else {
                e = CodificaBlocco(d, rung);
            }
            QCOMPARE(e.Memorizzato(), ok);
            QTEST(Slot(rung), "slot");
            QTEST(int(rung.Classe), "classe");
            if (indice != kReadWrite) QCOMPARE(rung.Valido, ok || valido);
            if (ok) QCOMPARE(int(rung.Delay), int(LeggiNumero(d.ritardo)));
            // A refusal before any slot writes nothing else either.
            if (ok || Slot(rung) == QLatin1String(kSporco)) QCOMPARE(int(rung.Lunghezza), ok ? 0 : 34);
        }
    }

    void didascalieRung()
    {
        Rung rung;
        DatiBlocco d = DatiIniziali(kWrite, rung, Contesto());
        Scrivi(d, "0=3;1=100;2=2;4=%R30");
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        QCOMPARE(rung.Riga.Sommario, QStringLiteral("[ 3 , 100 , 2 , %R30 ]"));
        QCOMPARE(QStringList(rung.Riga.NomiArg.begin(), rung.Riga.NomiArg.begin() + 5),
                 QStringList({"Address", "Register", "Number", "", "Source (Int)"}));
        d = DatiIniziali(kReadDevice, rung, Contesto());
        Scrivi(d, "0=QVR8561;4=CJC Value");
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        QCOMPARE(rung.Riga.Sommario, QStringLiteral("[ QVR8561 , 1 , CJC Value , 0 , 0 , %R26 ]"));
        QCOMPARE(QStringList(rung.Riga.NomiArg.begin(), rung.Riga.NomiArg.end()),
                 QStringList({"Device", "Address", "Number", "", "Resource", "From", "To", "Dest (Int)"}));
    }

    // Every module: its resources, the channel rows and the limits.
    void moduli_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("modulo");
        QTest::addColumn<QString>("risorse");
        QTest::addColumn<bool>("canali");
        QTest::addColumn<int>("limiteA");
        const QString ai = "Analog In=14,Sync Inputs=22";
        auto r = [](const char* m, int i, const QString& ris, bool c, int a = 7) {
            QTest::newRow(QByteArray(i == kReadDevice ? "R " : "W ") + m) << i << QString::fromLatin1(m) << ris << c << a;
        };
        for (const char* m : {"QVR8569", "QVR8560", "QVR8562", "QVR8564"}) r(m, kReadDevice, ai, true);
        for (const char* m : {"QVR8561", "QVR8563"}) r(m, kReadDevice, ai + ",CJC Value=13", true);
        for (int i : {kReadDevice, kWriteDevice})
            for (const char* m : {"QVR8577", "QVR8579", "QVR8573"}) r(m, i, "Analog Out=14", true);
        for (const char* m : {"QVR8685", "QVR8695", "QVR8633"}) {
            r(m, kReadDevice, "Digital In=8", false);
            r(m, kWriteDevice, "Digital Out=14", true);
        }
        r("QVR8693", kReadDevice, "Digital In=10", false, 15);
        r("QVR8693", kWriteDevice, "", true);
        r("QVR8563-P", kReadDevice, ai, true);   // in neither list: module code 0
    }
    void moduli()
    {
        QFETCH(int, indice);
        QFETCH(QString, modulo);
        Rung rung;
        DatiBlocco d = DatiIniziali(indice, rung, Contesto());
        // Read Device: a digital-input module first, so the rows come back holding "0".
        Scrivi(d, "5=3;6=4;0=QVR8693");
        d.righe[0].testo = modulo;
        GestoreBlocco(indice)->ValoreScelto(d, 0);
        QTEST(Risorse(d.righe[4]).join(QLatin1Char(',')), "risorse");
        QCOMPARE(d.righe[4].testo, d.righe[4].lista.isEmpty() ? QString() : d.righe[4].lista[0].testo);
        QTEST(d.righe[5].visibile, "canali");
        QTEST(d.righe[6].visibile, "canali");
        QCOMPARE(d.righe[6].testo, indice == kReadDevice ? QStringLiteral("0") : QStringLiteral("4"));
        const auto verso = indice == kReadDevice ? VersoDispositivo::Lettura : VersoDispositivo::Scrittura;
        const LimitiCanali l = LimitiDiRisorse(verso, d.righe[4].lista);
        QFETCH(int, limiteA);
        QCOMPARE(l, (LimitiCanali{0, int16_t(limiteA), int16_t(limiteA + 1)}));
    }

    void moduliSeguonoIlMarchio()
    {
        Lingua(1, 50);
        Rung rung;
        const DatiBlocco d = DatiIniziali(kWriteDevice, rung, Contesto());
        QStringList testi;
        for (const VoceLista& v : d.righe[0].lista) testi << v.testo + QLatin1Char('=') + QString::number(v.dato);
        QCOMPARE(testi, QStringList({NomiModello[17] + "=10", NomiModello[18] + "=11", NomiModello[19] + "=12",
                                     NomiModello[20] + "=20", NomiModello[21] + "=21", NomiModello[23] + "=23"}));
        QVERIFY(NomiModello[17] != QStringLiteral("QVR8577"));
        QCOMPARE(d.righe[0].testo, NomiModello[17]);
        QCOMPARE(DatiIniziali(kReadDevice, rung, Contesto()).righe[0].lista.size(), 13);
    }

    void altreRigheEBlocchiNonCambianoNulla()
    {
        Rung rung;
        DatiBlocco d = DatiIniziali(kReadDevice, rung, Contesto());
        d.righe[0].testo = "QVR8693";
        const DatiBlocco prima = d;
        for (int riga : {1, 4, 5, 7}) GestoreBlocco(kReadDevice)->ValoreScelto(d, riga);
        d.indice = kReadInput;
        GestoreBlocco(kReadInput)->ValoreScelto(d, 0);
        d.indice = kReadDevice;
        QVERIFY(d.righe == prima.righe);
    }

    // A stored device rung: reopened (layout, row 0, its choice, the other
    // rows, the delay from Delay) and rebuilt as the loader does.
    void riapertura()
    {
        Rung rung;
        DatiBlocco d = DatiIniziali(kReadDevice, rung, Contesto());
        Scrivi(d, "0=QVR8563;4=CJC Value;1=12;7=%R40;9=700");
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        const Rung memorizzato = rung;
        QCOMPARE(int(rung.Delay), 700);

        DatiBlocco r = DatiDaRung(rung, Contesto());
        QCOMPARE(r.indice, kReadDevice);
        QCOMPARE(r.righe[0].scelta, 4);
        QCOMPARE(Risorse(r.righe[4]).size(), 3);
        r.ritardo = QString::number(rung.Delay);
        rung.ArgByte = {};
        QVERIFY(CodificaBlocco(r, rung).Memorizzato());
        QCOMPARE(rung.ArgByte, memorizzato.ArgByte);
        QCOMPARE(rung.Riga.Sommario, memorizzato.Riga.Sommario);

        // Read/Write is stored as (2, 0, 0) and comes back as Read Input.
        Rung rw;
        rw.Classe = 2;
        QCOMPARE(DatiDaRung(rw, Contesto()).indice, kReadInput);
    }
};

QTEST_GUILESS_MAIN(TestComunicazione)
#include "test_comunicazione.moc"
