// The controller-access primitives: request bytes on both transports, what
// they do with replies, and the requests they refuse to send.
#include "Aiuti.h"
#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/AccessoController.h"
#include "comm/Dispositivo.h"
#include "registers/TabRegistri.h"

#include <QtTest>
#include <cmath>
#include <functional>
#include <limits>

using namespace Test;
using R = FakeController::Risposta;

namespace {
// A primitive and the requests it must send; none: it must refuse, send
// nothing and end the Log on "Error".
struct Caso {
    const char* nome;
    std::function<bool()> azione;
    QList<QByteArray> richieste;
};

bool Registro(int unita, int n, double v) { return ScriviRegistro(uint8_t(unita), n, v); }

const QList<Caso>& Casi()
{
    static const QList<Caso> c = {
        {"command run", [] { return ComandoPLC(255); }, {Hex("0a06000000ff")}},
        {"command stop", [] { return ComandoPLC(ComandoStop); }, {Hex("0a06000000fc")}},
        {"debug", [] { return ImpostaDebug(-1); }, {Hex("0a1404000013" "0156")}},
        {"release", [] { return ImpostaDebug(0); }, {Hex("0a1404000013" "0155")}},
        {"release by 1", [] { return ImpostaDebug(1); }, {Hex("0a1404000013" "0155")}},
        {"debug read", [] { return LeggiStatoPLC() || true; }, {Hex("0a14020000130" "1")}},
        {"memory write", [] { BufferTrasferimento[100] = 1; BufferTrasferimento[101] = 2;
                              return ScriviMemoria(3, 0xFFFE, 100, 2); }, {Hex("031404" "00fffe" "02" "0102")}},
        {"memory write nothing", [] { return ScriviMemoria(10, 0x1E00, 0, 0); }, {Hex("0a1404001e0000")}},
        {"memory read", [] { return LeggiMemoria(1, 7680, 7680, 4); }, {Hex("01140200" "1e0004")}},
        {"memory read extended", [] { return LeggiMemoriaEstesa(1, 0x12345, 0, 8); }, {Hex("0114050123" "4508")}},
        {"input register", [] { return LeggiRegistroInput(1, 13) >= 0; }, {Hex("0104000d0001")}},
        {"register 2.5", [] { double v = 2.5; return ScriviRegistro(10, 26, v) && v == 2; }, {Hex("0a06001a0002")}},
        {"register -1", [] { return Registro(10, 26, -1); }, {Hex("0a06001affff")}},
        {"register 65535", [] { return Registro(10, 0x1234, 65535); }, {Hex("0a061234ffff")}},
        {"long -2", [] { return ScriviRegistroLong(-2, 100); }, {Hex("0a060064fffe"), Hex("0a060065ffff")}},
        {"long 12345678h", [] { return ScriviRegistroLong(0x12345678, 100); },
         {Hex("0a0600645678"), Hex("0a0600651234")}},
        {"long 2^32-1", [] { return ScriviRegistroLong(4294967295.0, 7); }, {Hex("0a060007ffff"), Hex("0a060008ffff")}},
        {"float 1.0", [] { return ScriviRegistroFloat(1.0, 200); }, {Hex("0a0600c80000"), Hex("0a0600c93f80")}},
        {"float -2.5", [] { return ScriviRegistroFloat(-2.5, 200); }, {Hex("0a0600c80000"), Hex("0a0600c9c020")}},
        {"text ABC", [] { return ScriviRegistroStringa(QStringLiteral("ABC"), 300); }, {Hex("0a10012c000204" "41424300")}},
        {"text AB", [] { return ScriviRegistroStringa(QStringLiteral("AB"), 300); }, {Hex("0a10012c000204" "41420000")}},
        {"text empty", [] { return ScriviRegistroStringa(QString(), 300); }, {Hex("0a10012c000102" "0000")}},
        {"text 99", [] { return ScriviRegistroStringa(QString(99, QLatin1Char('x')), 0); },
         {Hex("0a100000003264") + QByteArray(99, 'x') + '\0'}},
        {"model", [] { return LeggiModello(0); }, {Hex("0a0400010002")}},

        {"refused register 65536", [] { return Registro(10, 1, 65536); }, {}},
        {"refused register -32769", [] { return Registro(10, 1, -32769); }, {}},
        {"refused register NaN", [] { return Registro(10, 1, std::nan("")); }, {}},
        {"refused register number 65536", [] { return Registro(10, 65536, 1); }, {}},
        {"refused register number -1", [] { return Registro(10, -1, 1); }, {}},
        {"refused long 2^32", [] { return ScriviRegistroLong(4294967296.0, 1); }, {}},
        {"refused long -2^31-1", [] { return ScriviRegistroLong(-2147483649.0, 1); }, {}},
        {"refused long at 65535", [] { return ScriviRegistroLong(1, 65535); }, {}},
        {"refused float NaN", [] { return ScriviRegistroFloat(std::nan(""), 1); }, {}},
        {"refused float inf", [] { return ScriviRegistroFloat(std::numeric_limits<double>::infinity(), 1); }, {}},
        {"refused float 1e39", [] { return ScriviRegistroFloat(1e39, 1); }, {}},
        {"refused text 100", [] { return ScriviRegistroStringa(QString(100, QLatin1Char('x')), 1); }, {}},
        {"refused text past 65535", [] { return ScriviRegistroStringa(QStringLiteral("ABCD"), 65534); }, {}},
        {"refused read address 65536", [] { return LeggiMemoria(1, 65536, 0, 1); }, {}},
        {"refused write address 65536", [] { return ScriviMemoria(1, 65536, 0, 1); }, {}},
        {"refused write address -1", [] { return ScriviMemoria(1, -1, 0, 1); }, {}},
        {"refused extended 2^24", [] { return LeggiMemoriaEstesa(1, 1 << 24, 0, 1); }, {}},
        {"refused offset past buffer", [] { return LeggiMemoria(1, 0, 65530, 7); }, {}},
        {"refused write offset past buffer", [] { return ScriviMemoria(1, 0, 65536, 1); }, {}},
        {"refused negative offset", [] { return LeggiMemoria(1, 0, -1, 1); }, {}},
        {"refused count 256", [] { return LeggiMemoria(1, 0, 0, 256); }, {}},
        {"refused input register 70000", [] { return LeggiRegistroInput(1, 70000) != 0; }, {}},
    };
    return c;
}
} // namespace

class TestAccesso : public QObject, ProvaFake {
    Q_OBJECT

    void Prepara(bool rtu) { ProvaFake::Prepara(rtu, 3); }
    bool FiniscePerErrore(int log0) const
    {
        const QStringList l = LogDa(log0);
        return l.size() >= 2 && l.last() == QLatin1String("Error") && l[l.size() - 2] == QLatin1String("--");
    }

private slots:
    void initTestCase()
    {
        Avvia(3);
        CaricaModelli();
    }

    void richieste_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<int>("caso");
        for (bool rtu : {false, true})
            for (int i = 0; i < Casi().size(); ++i) RigaTrasporto(rtu, Casi()[i].nome) << rtu << i;
    }
    void richieste()
    {
        QFETCH(bool, rtu);
        QFETCH(int, caso);
        const Caso& c = Casi()[caso];
        const bool rifiuto = c.richieste.isEmpty();
        Prepara(rtu);
        const std::array<uint8_t, 65536> buffer = BufferTrasferimento;
        const int log0 = RigheLog();
        QCOMPARE(c.azione(), !rifiuto);
        QCOMPARE(fake.Richieste, c.richieste);
        QList<QByteArray> trame;
        for (const QByteArray& r : c.richieste) trame << (rtu ? FakeController::ConCrc(r) : Hex("00000000") + char(0) + char(r.size()) + r);
        QCOMPARE(fake.Trame, trame);
        QCOMPARE(Testi(LogDa(log0)).contains(QStringLiteral("Error")), rifiuto);
        if (rifiuto) {
            QVERIFY(FiniscePerErrore(log0));
            QVERIFY(BufferTrasferimento == buffer);
        }
    }

    void comando()
    {
        Prepara(true);
        Controllore.UltimoComando = 0;
        const int stati = Registro().stati;
        QVERIFY(ComandoPLC(ComandoRun));
        QCOMPARE(int(Controllore.UltimoComando), 255);
        fake.Accoda(R::Nessuna());
        const int log0 = RigheLog();
        QVERIFY(!ComandoPLC(ComandoStop));
        QCOMPARE(int(Controllore.UltimoComando), 255);
        QCOMPARE(Testi(LogDa(log0)), (QStringList{"Com Timeout", "Error"}));
        QCOMPARE(Registro().stati, stati + 2);   // the shell redraws the state after each
    }

    void statoDebug_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<QByteArray>("risposta");
        QTest::addColumn<bool>("esito");
        QTest::addColumn<int>("modo");
        QTest::addColumn<bool>("errore");
        for (bool rtu : {false, true}) {
            RigaTrasporto(rtu, "V") << rtu << Hex("0a140156") << true << -1 << false;
            RigaTrasporto(rtu, "U") << rtu << Hex("0a140155") << false << 0 << false;
            RigaTrasporto(rtu, "other") << rtu << Hex("0a140100") << false << 7 << false;
            RigaTrasporto(rtu, "count byte ignored") << rtu << Hex("0a140956") << true << -1 << false;
            RigaTrasporto(rtu, "no data byte") << rtu << Hex("0a1401") << false << 7 << true;
        }
    }
    void statoDebug()
    {
        QFETCH(bool, rtu);
        QFETCH(QByteArray, risposta);
        Prepara(rtu);
        Controllore.ModoDebug = 7;
        buff_rx[3] = 0x56;   // a stale byte past a short reply must not be read
        fake.Accoda(R::Pdu(risposta));
        const int log0 = RigheLog();
        const int stati = Registro().stati;
        QTEST(LeggiStatoPLC(), "esito");
        QTEST(int(Controllore.ModoDebug), "modo");
        QCOMPARE(Registro().stati, stati + 1);
        QTEST(FiniscePerErrore(log0), "errore");
        Controllore.ModoDebug = 0;
    }

    void letturaMemoria_data() { ColonnaTrasporto(); }
    void letturaMemoria()
    {
        QFETCH(bool, rtu);
        Prepara(rtu);
        for (int i = 0; i < 4; ++i) fake.Memoria[7680 + i] = quint8(0xA0 + i);
        BufferTrasferimento.fill(0);
        QVERIFY(LeggiMemoria(1, 7680, 7680, 4));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&BufferTrasferimento[7679]), 6), Hex("00a0a1a2a300"));

        // Failed, short and refused replies leave the buffer alone.
        const std::array<uint8_t, 65536> prima = BufferTrasferimento;
        for (const R& r : {R::Nessuna(), R::Pdu(Hex("0114040102")), R::Eccezione(2)}) {
            fake.Accoda(r);
            const int log0 = RigheLog();
            QVERIFY(!LeggiMemoria(1, 7680, 7680, 4));
            QVERIFY(FiniscePerErrore(log0));
            QVERIFY(BufferTrasferimento == prima);
        }
        fake.Memoria[0x123456] = 0x42;
        QVERIFY(LeggiMemoriaEstesa(1, 0x123456, 65535, 1));
        QCOMPARE(int(BufferTrasferimento[65535]), 0x42);
        QVERIFY(!EcoTerminale);
    }

    void registri()
    {
        Prepara(false);
        fake.Input[13] = 0xFFFE;
        QCOMPARE(LeggiRegistroInput(1, 13), 65534.0);
        fake.Accoda(R::Pdu(Hex("0104020a")));
        QCOMPARE(LeggiRegistroInput(1, 13), 0.0);

        TabRegistri[26].Valore = 5;
        QVERIFY(Registro(11, 26, 1234.5));   // another unit: the table stays
        QCOMPARE(TabRegistri[26].Valore, 5);
        QVERIFY(Registro(10, 26, 1235.5));
        QCOMPARE(TabRegistri[26].Valore, 1236);
        fake.Accoda(R::Nessuna());
        QVERIFY(!Registro(10, 26, 9));
        QCOMPARE(TabRegistri[26].Valore, 1236);

        QVERIFY(ScriviRegistroLong(-2, 100));
        QVERIFY(TabRegistri[100].Valore == -2 && TabRegistri[101].Valore == -1);
        // The halves are independent: the second goes out after a failed first.
        fake.Accoda(R::Nessuna());
        const int log0 = RigheLog();
        QVERIFY(!ScriviRegistroLong(0x00030004, 100));
        QCOMPARE(fake.Richieste.size(), 9);
        QVERIFY(TabRegistri[100].Valore == -2 && TabRegistri[101].Valore == 3);
        QVERIFY(Testi(LogDa(log0)).contains(QStringLiteral("Error")));

        TabRegistri[300].Tipo = TabRegistri[301].Tipo = TabRegistri[302].Tipo = 1;
        QVERIFY(ScriviRegistroStringa(QStringLiteral("ABC"), 300));
        QCOMPARE((QList<int>{TabRegistri[300].Tipo, TabRegistri[301].Tipo, TabRegistri[302].Tipo}), (QList<int>{13, 13, 1}));
    }

    void modello_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("fallback");
        QTest::addColumn<bool>("connesso");
        QTest::addColumn<int>("dopo");
        QTest::newRow("known code") << Hex("04050905") << 0 << 0 << true << 5;
        QTest::newRow("hex digits") << Hex("04080b07") << 0 << 0 << true << 6;
        QTest::newRow("unknown code") << Hex("00000000") << 2 << 0 << true << 2;
        QTest::newRow("short reply") << Hex("0405") << 2 << 3 << true << 3;
        QTest::newRow("not connected") << QByteArray() << 2 << 3 << false << 3;
        QTest::newRow("beyond controllers") << Hex("00000000") << 30 << 0 << true << 0;
    }
    void modello()
    {
        QFETCH(QByteArray, dati);
        QFETCH(int, prima);
        QFETCH(int, fallback);
        QFETCH(bool, connesso);
        Prepara(false);
        const auto salvati = Modelli;
        for (int i = 0; i < NumModelli; ++i) Modelli[i].Codice = QStringLiteral("Z%1").arg(i);
        Modelli[3].Codice = QStringLiteral("4555");
        Modelli[5].Codice = QStringLiteral("4595");
        Modelli[6].Codice = QStringLiteral("48B7");
        Modelli[30].Codice = QStringLiteral("0000");
        fake.Accoda(R::Pdu(Hex("0a04") + char(dati.size()) + dati));
        Controllore.Connesso = connesso;
        Controllore.Modello = uint8_t(prima);
        QVERIFY(LeggiModello(uint8_t(fallback)));
        QTEST(int(Controllore.Modello), "dopo");
        Modelli = salvati;
        Controllore.Modello = 0;
        Controllore.Connesso = true;
    }

    void verificaController_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("dopo");
        QTest::newRow("keep the controller") << int(Prompt::Si) << 5;
        QTest::newRow("keep the project") << int(Prompt::No) << 2;
    }
    void verificaController()
    {
        QFETCH(int, risposta);
        Prepara(false);
        const auto salvati = Modelli;
        Modelli[2].Codice = QStringLiteral("1111");
        Modelli[5].Codice = QStringLiteral("4595");
        Controllore.Modello = 2;
        fake.Input[1] = 0x0405;
        fake.Input[2] = 0x0905;
        copione.Rispondi(risposta);
        const int modelli = Registro().modelli;
        VerificaController();
        QTEST(int(Controllore.Modello), "dopo");
        QCOMPARE(Registro().modelli, modelli + 1);   // the register table follows
        QCOMPARE(copione.richieste.size(), 1);
        QCOMPARE(copione.richieste[0].testo, QStringLiteral("Controller: ") + Modelli[5].Nome + QChar(13) +
                                                 QStringLiteral("Expected:") + Modelli[2].Nome + QChar(13) +
                                                 QStringLiteral("Change controller?"));
        QCOMPARE(copione.richieste[0].titolo, QStringLiteral("Mirok"));
        QCOMPARE(copione.richieste[0].pulsanti, int(Prompt::SiNo));

        // Same model: no question.
        Controllore.Modello = 5;
        VerificaController();
        QCOMPARE(copione.richieste.size(), 1);

        // A model index past the table is no crash.
        Controllore.Modello = 200;
        copione.Rispondi(Prompt::Si);
        VerificaController();
        QCOMPARE(int(Controllore.Modello), 5);
        QCOMPARE(copione.richieste.size(), 2);
        Modelli = salvati;
        Controllore.Modello = 0;
        fake.Input[1] = fake.Input[2] = 0;
    }

    // After a connect the debug state is read only for the listed models.
    void dopoConnessione_data()
    {
        QTest::addColumn<int>("nome");
        QTest::addColumn<bool>("letto");
        QTest::newRow("entry 0") << 0 << true;
        QTest::newRow("entry 8") << 8 << true;
        QTest::newRow("entry 7") << 7 << true;
        QTest::newRow("entry 5") << 5 << false;
        QTest::newRow("entry 9") << 9 << false;
    }
    void dopoConnessione()
    {
        QFETCH(int, nome);
        QFETCH(bool, letto);
        Prepara(false);
        const auto modelli = Modelli;
        const auto nomi = NomiModello;
        for (int k = 0; k < int(NomiModello.size()); ++k) NomiModello[k] = QStringLiteral("M%1").arg(k);
        Modelli[0].Nome = NomiModello[nome];
        Controllore.Modello = 0;
        Controllore.ModoDebug = 0;
        fake.Memoria[0x13] = 0x56;
        VerificaDopoConnessione();
        QCOMPARE(fake.Richieste.size(), letto ? 2 : 1);
        QCOMPARE(int(Controllore.ModoDebug), letto ? -1 : 0);
        Modelli = modelli;
        NomiModello = nomi;
        Controllore.ModoDebug = 0;
    }

    // The program counter and the two readings before it are reported.
    void monitor()
    {
        Prepara(true);
        auto& rung = Registro().rung;
        UltimoPC = PenultimoPC = TerzultimoPC = 0;
        fake.Input[13] = 5;
        MonitorPLC();
        MonitorPLC();
        fake.Input[13] = 6;
        rung.clear();
        MonitorPLC();
        QCOMPARE(rung, (QList<std::array<int, 3>>{{6, 5, 5}}));
        QCOMPARE(TabRegistri[13].Valore, 6);

        // A failed read reports nothing and keeps the history.
        fake.Accoda(R::Nessuna());
        const int log0 = RigheLog();
        MonitorPLC();
        QCOMPARE(rung.size(), 1);
        QCOMPARE(int(UltimoPC), 6);
        QCOMPARE(TabRegistri[13].Valore, 6);
        QVERIFY(FiniscePerErrore(log0));

        // Past 32767 the value is no program counter.
        fake.Input[13] = 40000;
        MonitorPLC();
        QCOMPARE(rung.size(), 1);
        QCOMPARE(TabRegistri[13].Valore, 40000);
    }
};

QTEST_MAIN(TestAccesso)
#include "test_accesso.moc"
