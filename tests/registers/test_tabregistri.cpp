// The register table built per model: reserved and user areas, the 32-bit
// area and the named system registers of each model family.
#include "base/Modelli.h"
#include "comm/Dispositivo.h"
#include "registers/TabRegistri.h"
#include "support/Ambiente.h"

#include <QtTest>

namespace {
void Costruisci(int modello, bool azzera, bool svuota = false)
{
    if (svuota) TabRegistri.fill(DefRegistro{});
    Controllore.Modello = uint8_t(modello);
    CaricaRegistriSistema(azzera);
}
} // namespace

class TestTabRegistri : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        // Main builds model 0 with the user area reset.
        QCOMPARE(TabRegistri[0].Nome, QStringLiteral("RUN"));
        QCOMPARE(TabRegistri[26].Indirizzo, QStringLiteral("%R26"));
        QCOMPARE(int(TabRegistri[26].Tipo), 1);
    }
    void cleanupTestCase() { Costruisci(0, true, true); }

    void voci_data()
    {
        QTest::addColumn<int>("modello");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("categoria");
        auto r = [](const char* riga, int m, int n, const char* nome, int tipo, int cat) {
            QTest::newRow(riga) << m << n << QString::fromLatin1(nome) << tipo << cat;
        };
        const char* ris = "--Reserved--";
        // QVR4555: controller, serial ports, no clock, no local I/O.
        r("4555 RUN", 0, 0, "RUN", 0, 1);
        r("4555 no I/O on 8", 0, 8, ris, 0, 1);
        r("4555 last reserved", 0, 25, ris, 0, 1);
        r("4555 first user", 0, 26, "", 1, 0);
        r("4555 32-bit first", 0, 960, "", 1, 3);
        r("4555 beyond", 0, 1024, "", 0, 0);
        // QVR4555-DL: the clock; QVR4555-DL-IO, the second record of that name.
        r("DL RTC", 2, 22, "RTC[Sec]", 7, 1);
        r("4588 I/O", 4, 9, "Digital Outputs", 9, 1);
        // QVR4555-USB: network, retain and log directory over the 32-bit area.
        r("USB IP", 5, 945, "IP[3/2]", 7, 1);
        r("USB retain 19", 5, 1045, "Retain[19]", 0, 1);
        r("USB user 1048", 5, 1048, "", 1, 0);
        r("USB log dir", 5, 1220, "Log Dir [0]", 8, 3);
        // The "4157" record is a QVR4555-USB too.
        r("4157 network", int(RecordModello4157), 950, "Gateway[1/0]", 7, 1);
        // QVR4566: reserved up to 33, analog names over them, 34 named.
        r("4566 analog in", 6, 26, "Analog Input[0]", 1, 1);
        r("4566 input type", 6, 34, "Input Type[1-0]", 7, 1);
        r("4566 user 35", 6, 35, "", 1, 0);
        r("4566-USB input type", 16, 34, "Input Type[1-0]", 7, 1);
        // QVR4005: display registers, no I/O.
        r("4005 keys", 9, 8, "Function Keys", 9, 1);
        // QVR8566: a module, its analog registers inside the user area.
        r("8566 no RUN", 10, 0, ris, 0, 1);
        r("8566 port 19 same name", 10, 19, "Port 0 Settings", 0, 1);
        r("8566 analog in", 10, 27, "Analog Input[1]", 1, 1);
        r("8566 input type in 32-bit area", 10, 1216, "Input Type[1-0]", 7, 3);
        r("8566 34 is user", 13, 34, "", 1, 0);
        // QVR0573.
        r("0573 analog in", 11, 26, "Analog Input", 1, 1);
        r("0573 two blanks", 11, 1231, "T 0  1/10s (prg)", 1, 3);
        // The gateway's fixed name matches no brand name: common names only.
        r("gateway watchdog", 12, 12, "WatchDog Time", 0, 2);
        r("gateway no RUN", 12, 0, ris, 0, 1);
    }
    void voci()
    {
        QFETCH(int, modello);
        QFETCH(int, n);
        Costruisci(modello, true, true);
        const DefRegistro& r = TabRegistri[n];
        QTEST(r.Nome, "nome");
        QTEST(int(r.Tipo), "tipo");
        QTEST(int(r.Categoria), "categoria");
        // Every register of the model is addressed, none past it.
        QCOMPARE(r.Indirizzo, n < Modelli[modello].NumRegistri ? QStringLiteral("%R%1").arg(n) : QString());
    }

    void areaLongSempreMarcata_data()
    {
        QTest::addColumn<int>("modello");
        for (int m : {0, 5, 6, 10, 11, 19}) QTest::newRow(qPrintable(Modelli[m].Codice)) << m;
    }
    void areaLongSempreMarcata()
    {
        QFETCH(int, modello);
        const DefModello& m = Modelli[modello];
        Costruisci(modello, true);
        // Even with the user area kept, the 32-bit area loses names and types.
        for (int n = m.PrimoRegistroLong; n < m.NumRegistri; ++n) {
            TabRegistri[n].Nome = QStringLiteral("vecchio");
            TabRegistri[n].Tipo = 4;
        }
        Costruisci(modello, false);
        int senzaNome = 0;
        for (int n = m.PrimoRegistroLong; n < m.NumRegistri; ++n) {
            const DefRegistro& r = TabRegistri[n];
            QVERIFY(r.Categoria != 0 && r.Nome != QStringLiteral("vecchio"));
            if (!r.Nome.isEmpty()) continue;
            ++senzaNome;
            QCOMPARE(int(r.Tipo) * 10 + r.Categoria, 13);   // Int, 32-bit area
        }
        QVERIFY(senzaNome > 0);
    }

    void areaUtenteTenutaOAzzerata_data()
    {
        QTest::addColumn<bool>("azzera");
        QTest::addColumn<int>("tipo");
        QTest::newRow("kept") << false << 4;
        QTest::newRow("reset") << true << 1;
    }
    void areaUtenteTenutaOAzzerata()
    {
        QFETCH(bool, azzera);
        Costruisci(0, true);
        DefRegistro& r = TabRegistri[100];
        r = DefRegistro{r.Indirizzo, QStringLiteral("Pressure"), 0, 4, -1234, true};   // a Float
        TabRegistri[20].Nome = QStringLiteral("x");
        Costruisci(0, azzera);
        QCOMPARE(r.Nome, QStringLiteral("Pressure"));   // user names always remain
        QTEST(int(r.Tipo), "tipo");
        QCOMPARE(int(r.Categoria), 0);
        QCOMPARE(r.Valore, -1234);
        QVERIFY(r.Cambiato);
        // The reserved area is rebuilt either way.
        QCOMPARE(TabRegistri[20].Nome, QStringLiteral("Timers Enable"));
    }

    void nomiDelModelloPrecedente()
    {
        // Names of the previous model stay on addresses the new model leaves
        // to the user.
        Costruisci(5, true, true);   // QVR4555-USB names 945..959
        Costruisci(0, false);        // QVR4555
        QCOMPARE(TabRegistri[945].Nome, QStringLiteral("IP[3/2]"));
        QCOMPARE(int(TabRegistri[945].Categoria), 1);
        Costruisci(0, true);
        QCOMPARE(TabRegistri[945].Nome, QStringLiteral("IP[3/2]"));
        QCOMPARE(int(TabRegistri[945].Categoria), 0);
        QCOMPARE(int(TabRegistri[945].Tipo), 1);
        // Registers past the smaller model are left alone.
        QCOMPARE(TabRegistri[1024].Nome, QStringLiteral("Status DDNS"));
    }

    void definisciRegistro()
    {
        TabRegistri.fill(DefRegistro{});
        DefinisciRegistro(12, QStringLiteral("nome"), 7, 4);
        QCOMPARE(TabRegistri[12].Indirizzo, QStringLiteral("12"));
        QCOMPARE(TabRegistri[12].Nome, QStringLiteral("nome"));
        DefinisciRegistro(12, QStringLiteral("altro"), 2, 0);
        QCOMPARE(TabRegistri[12].Nome, QStringLiteral("nome"));
        QCOMPARE(int(TabRegistri[12].Tipo), 2);
        QCOMPARE(TabRegistri[12].Indirizzo, QStringLiteral("%R12"));
        DefinisciRegistro(2048, QStringLiteral("ultimo"), 0, 1);
        QCOMPARE(TabRegistri[2048].Indirizzo, QStringLiteral("%R2048"));
        // Outside the data model, or an unknown category: nothing happens.
        DefinisciRegistro(2049, QStringLiteral("fuori"), 0, 1);
        DefinisciRegistro(-1, QStringLiteral("fuori"), 0, 1);
        DefinisciRegistro(13, QStringLiteral("fuori"), 0, 5);
        QVERIFY(TabRegistri[13].Indirizzo.isEmpty());
        // A model past the table builds nothing.
        Costruisci(41, true, true);
        QVERIFY(TabRegistri[0].Indirizzo.isEmpty() && TabRegistri[1].Nome.isEmpty());
        Controllore.Modello = 0;
    }
};

QTEST_MAIN(TestTabRegistri)
#include "test_tabregistri.moc"
