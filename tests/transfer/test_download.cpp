// The download against the fake controller on loopback: the requests of the
// sequence in order for each choice of boxes and model, where each fault
// stops it, the blocks at both ends of the program area, the table layouts
// on the wire, and the verification.
#include "comm/AccessoController.h"
#include "comm/Connessione.h"
#include "display/SMS.h"
#include "display/Task.h"
#include "registers/Variabili.h"
#include "support/AiutiCompilatore.h"
#include "support/Copione.h"
#include "support/EventiRegistrati.h"
#include "support/FakeController.h"
#include "transfer/DownloadProgramma.h"
#include "transfer/MappaMemoria.h"
#include "transfer/SequenzaDownload.h"
#include "transfer/SezioniMemoria.h"

#include <QtTest>
#include <utility>

using namespace Aiuti;
using Test::FakeController;
using R = FakeController::Risposta;

namespace {
constexpr int kUsb = 0, kAltro = 1;

// Report and link events in one list; pauses are recorded, not waited.
struct Traccia : Test::EventiRegistrati, RapportoTrasferimento {
    QList<double> barra;
    QList<int> pause;   // requests sent when each 0.1 s pause began
    std::function<void()> durante;
    const FakeController* fake = nullptr;
    int clessidra = 0;
    void Inizia() override { log << QStringLiteral("--"); }
    void Scrivi(const QString& riga) override { log << riga; }
    void Barra(double v) override { barra << v; }
    void Clessidra(bool a) override { clessidra += a ? 1 : -1; }
    void Attendi(double s) override
    {
        if (s == 0.1) pause << int(fake->Richieste.size());
        if (durante) std::exchange(durante, nullptr)();
    }
    void AzzeraRegistri() override { log << QStringLiteral("[clear]"); }
};

int U16(const QByteArray& q, int i) { return (uint8_t(q[i]) << 8) | uint8_t(q[i + 1]); }

// Each request named by what it carries; runs written as name*n.
QString Sequenza(const QList<QByteArray>& richieste)
{
    QStringList nomi;
    for (const QByteArray& q : richieste) {
        const int a = U16(q, 4);
        QString n = q[1] == 6 ? QStringLiteral("cmd%1").arg(uint8_t(q[5])) : QStringLiteral("?");
        if (q[1] == 20 && q[2] == 1) n = QStringLiteral("read");
        else if (q[1] == 20)
            n = a < 0x1DFF ? "prog" : a < 0x8C00 ? "var" : a < 0x9E00 ? "str" : a < 0xAE00 ? "sched" : a < 0xC000 ? "sms" : "blk";
        nomi << n;
    }
    QStringList out;
    for (int i = 0; i < nomi.size();) {
        int j = i;
        while (j < nomi.size() && nomi[j] == nomi[i]) ++j;
        out << (j - i > 1 ? QStringLiteral("%1*%2").arg(nomi[i]).arg(j - i) : nomi[i]);
        i = j;
    }
    return out.join(u' ');
}

QByteArray Hex(const char* s) { return QByteArray::fromHex(s); }

void Modello(int k, const char* nome, int stringhe, int blocchi)
{
    Modelli[k] = DefModello{.Nome = QString::fromLatin1(nome), .NumStringhe = int16_t(stringhe), .NumBlocchi = int16_t(blocchi),
                            .IndirizzoVariabili = 0x1E00, .IndirizzoProgramma = 0x200, .DimensioneProgramma = 5634,
                            .IndirizzoStringhe = 0x8C00};
}
} // namespace

class TestDownload : public QObject {
    Q_OBJECT
    FakeController fake;
    Test::Copione copione;

    void Collega()
    {
        QVERIFY(Test::CollegaAlFake(fake, false, 7));
        fake.BaseProgramma = 0x200;
        fake.Memoria.clear();
    }
    // The script: default replies up to request k, then r.
    void GuastoA(int k, const R& r)
    {
        for (int i = 0; i < k; ++i) fake.Accoda(R::Predefinita());
        fake.Accoda(r);
    }

private slots:
    void initTestCase()
    {
        qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
        QVERIFY(fake.AvviaTcp());
        copione.Installa();
        NomiModello[4] = QStringLiteral("QVR4555-USB");
        NomiModello[7] = QStringLiteral("QVR4566-USB");
    }
    void init()
    {
        Prepara();
        Modello(kUsb, "QVR4555-USB", 127, 2);
        Modello(kAltro, "QVR4005", 0, 0);
        for (int p = 0; p < NumProcessi; ++p) Carica(p, {});
        Carica(0, {B(3), B(3)});   // a 92-byte image: 3 blocks
        NumVariabili = 2;
        // The compile rebuilds task strings: the sections' own tests cover them.
        NumTask = 0;
        NumNumeriSMS = 1;
        NumTestiSMS = 1;
        NumeriSMS[0].TestoSMS = QStringLiteral("+39");
        TestiSMS[0].TestoSMS = QStringLiteral("T&01x");
        Blocchi[0].TestoVoce = QStringLiteral("b");
    }

    void sequenza_data()
    {
        QTest::addColumn<int>("modello");
        QTest::addColumn<QString>("boxes");   // a v s V c r: application, variables, SMS, Verify, Clear, run
        QTest::addColumn<int>("guasto");      // request that fails, -1 none
        QTest::addColumn<char>("come");       // x exception, t time-out, u wrong unit
        QTest::addColumn<QString>("attese");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QString>("ultima");  // last report line
        QTest::addColumn<QString>("passo");   // what the closing report says
        const QString tutto = QStringLiteral("cmd100 cmd252 prog*3 var*3 str*128 blk*16 sms*2 read*132 cmd255");
        using E = EsitoDownload;
        QTest::newRow("defaults, other model") << kAltro << "av" << -1 << 'x' << "cmd100 cmd252 prog*3 var*3" << int(E::Completato) << "Download Successul" << "";
        QTest::newRow("nothing ticked, USB model") << kUsb << "" << -1 << 'x' << "cmd100 cmd252 str*128 blk*16" << int(E::Completato) << "Download Successul" << "";
        QTest::newRow("everything, USB model") << kUsb << "avsVcr" << -1 << 'x' << tutto << int(E::Completato) << "[clear]" << "";
        QTest::newRow("stop unanswered") << kUsb << "avsVcr" << 1 << 't' << "cmd100 cmd252" << int(E::StopFallito) << "Error" << "Download Failed: stop";
        QTest::newRow("pause unanswered goes on") << kAltro << "a" << 0 << 't' << "cmd100 cmd252 prog*3" << int(E::Completato) << "Download Successul" << "";
        QTest::newRow("program block 2") << kUsb << "avsVcr" << 3 << 'u' << "cmd100 cmd252 prog*2" << int(E::ProgrammaFallito) << "Download Failed" << "Download Failed: program";
        QTest::newRow("variable count byte") << kUsb << "avsVcr" << 5 << 'x' << "cmd100 cmd252 prog*3 var" << int(E::VariabiliFallite) << "Download Failed" << "Download Failed: tables";
        QTest::newRow("user string 5") << kUsb << "avsVcr" << 12 << 't' << "cmd100 cmd252 prog*3 var*3 str*5" << int(E::StringheFallite) << "Download Failed" << "Download Failed: tables";
        QTest::newRow("text block write 9") << kUsb << "avsVcr" << 144 << 'u' << "cmd100 cmd252 prog*3 var*3 str*128 blk*9" << int(E::BlocchiFalliti) << "Download Failed" << "Download Failed: tables";
        QTest::newRow("SMS text") << kUsb << "avsVcr" << 153 << 'x' << "cmd100 cmd252 prog*3 var*3 str*128 blk*16 sms*2" << int(E::SMSFallito) << "Download Failed" << "Download Failed: tables";
        QTest::newRow("read-back block 4: no run") << kUsb << "avsVcr" << 157 << 'u' << "cmd100 cmd252 prog*3 var*3 str*128 blk*16 sms*2 read*4"
                                                   << int(E::NonVerificato) << "Run not sent: the program is not verified" << "Download Failed: verification";
        QTest::newRow("read-back fails, no run asked") << kAltro << "aV" << 6 << 't' << "cmd100 cmd252 prog*3 read*2" << int(E::NonVerificato) << "Verification Failed" << "Download Failed: verification";
        QTest::newRow("run unanswered") << kAltro << "r" << 2 << 't' << "cmd100 cmd252 cmd255" << int(E::RunFallito) << "Error" << "Download Failed: run";
    }
    void sequenza()
    {
        QFETCH(int, modello);
        QFETCH(QString, boxes);
        QFETCH(int, guasto);
        QFETCH(char, come);
        Controllore.Modello = uint8_t(modello);
        Collega();
        if (guasto >= 0) GuastoA(guasto, come == 't' ? R::Nessuna() : come == 'u' ? R::UnitaErrata() : R::Eccezione(4));
        Traccia t;
        t.fake = &fake;
        const OpzioniDownload o{boxes.contains(u'a'), boxes.contains(u'v'), boxes.contains(u's'),
                                boxes.contains(u'V'), boxes.contains(u'c'), boxes.contains(u'r')};
        PassoDownload passo = PassoDownload::Compilazione;
        const EsitoDownload esito = SequenzaDownload::Esegui(o, t, &passo);
        QTEST(int(esito), "esito");
        QTEST(TestoEsitoDownload(esito, passo), "passo");
        QTEST(Sequenza(fake.Richieste), "attese");
        QTEST(t.log.last(), "ultima");
        QCOMPARE(t.clessidra, 0);
        QVERIFY(!SequenzaDownload::InCorso());
        // Pauses only before program blocks, then the second before run.
        if (boxes.contains(u'a') && guasto < 0) QCOMPARE(t.pause, (QList<int>{2, 3, 4}));
    }

    void compilazioneFallita()
    {
        Collega();
        Carica(0, {});
        Traccia t;
        t.fake = &fake;
        PassoDownload passo = PassoDownload::Fine;
        QCOMPARE(SequenzaDownload::Esegui(OpzioniDownload{.Run = true}, t, &passo), EsitoDownload::CompilazioneFallita);
        QCOMPARE(NomePasso(passo), QStringLiteral("compile"));
        QVERIFY(fake.Richieste.isEmpty());
        QCOMPARE(t.clessidra, 0);
    }

    // The user stops the download at request k (counted from 1): nothing is
    // written after the block under way, run and the register clear never
    // come, and the step is named.
    void fermata_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("attese");
        QTest::addColumn<QString>("passo");
        QTest::addColumn<QString>("riga");   // the stopped routine's last line
        QTest::newRow("pause command") << 1 << "cmd100" << "stop" << "";
        QTest::newRow("program block 2") << 4 << "cmd100 cmd252 prog*2" << "program" << "Download Stopped";
        QTest::newRow("user string 3") << 10 << "cmd100 cmd252 prog*3 var*3 str*2" << "tables" << "Download Stopped";
        QTest::newRow("read-back block 1") << 155 << "cmd100 cmd252 prog*3 var*3 str*128 blk*16 sms*2 read"
                                           << "verification" << "Upload Stopped";
    }
    void fermata()
    {
        QFETCH(int, k);
        Controllore.Modello = kUsb;
        Collega();
        Traccia t;
        t.fake = &fake;
        auto c = connect(&fake, &FakeController::RichiestaRicevuta, this, [&] {
            if (fake.Richieste.size() == k) t.Ferma();
        });
        PassoDownload passo = PassoDownload::Fine;
        const EsitoDownload esito = SequenzaDownload::Esegui(OpzioniDownload{true, true, true, true, true, true}, t, &passo);
        disconnect(c);
        QCOMPARE(esito, EsitoDownload::Interrotto);
        QTEST(Sequenza(fake.Richieste), "attese");
        QTEST(NomePasso(passo), "passo");
        QCOMPARE(TestoEsitoDownload(esito, passo), QStringLiteral("Download Stopped: ") + NomePasso(passo));
        QFETCH(QString, riga);
        if (!riga.isEmpty()) QVERIFY(t.log.contains(riga));
        QVERIFY(!t.log.contains(QStringLiteral("[clear]")));
        QCOMPARE(t.clessidra, 0);
        // The next download starts afresh.
        fake.Richieste.clear();
        QCOMPARE(SequenzaDownload::Esegui(OpzioniDownload{}, t), EsitoDownload::Completato);
    }

    // Stopped in the second before run: run is not sent.
    void fermataPrimaDelRun()
    {
        Controllore.Modello = kAltro;
        Collega();
        Traccia t;
        t.fake = &fake;
        int pause = 0;
        std::function<void()> conta;
        conta = [&] {
            if (++pause == 4) t.Ferma();   // 3 program blocks, then the second before run
            t.durante = conta;
        };
        t.durante = conta;
        PassoDownload passo = PassoDownload::Fine;
        QCOMPARE(SequenzaDownload::Esegui(OpzioniDownload{.Variabili = false, .Run = true}, t, &passo), EsitoDownload::Interrotto);
        QCOMPARE(Sequenza(fake.Richieste), QStringLiteral("cmd100 cmd252 prog*3"));
        QCOMPARE(NomePasso(passo), QStringLiteral("run"));
    }

    void secondoRifiutato()
    {
        Controllore.Modello = kAltro;
        Collega();
        Traccia t;
        t.fake = &fake;
        EsitoDownload secondo = EsitoDownload::Completato;
        int prima = -1;
        t.durante = [&] {
            prima = int(fake.Richieste.size());
            secondo = SequenzaDownload::Esegui(OpzioniDownload{}, t);
        };
        QCOMPARE(SequenzaDownload::Esegui(OpzioniDownload{}, t), EsitoDownload::Completato);
        QCOMPARE(secondo, EsitoDownload::Occupato);
        QCOMPARE(Sequenza(fake.Richieste), QStringLiteral("cmd100 cmd252 prog*3 var*3"));
        QCOMPARE(prima, 2);
    }

    void blocchi_data()
    {
        QTest::addColumn<int>("lunghezza");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("blocchi");
        QTest::addColumn<int>("ultimo");   // bytes of the last block
        QTest::newRow("64: one block more") << 64 << 0x200 << 3 << 32;
        QTest::newRow("5600") << 5600 << 0x200 << 176 << 32;
        QTest::newRow("5632: the extra block fits") << 5632 << 0x200 << 177 << 2;
        QTest::newRow("5634: whole area") << 5634 << 0x200 << 177 << 2;
        QTest::newRow("base below 512") << 64 << 0x1FF << 0 << 0;
    }
    void blocchi()
    {
        QFETCH(int, lunghezza);
        QFETCH(int, base);
        QFETCH(int, blocchi);
        QFETCH(int, ultimo);
        Modelli[0].IndirizzoProgramma = int16_t(base);
        Collega();
        for (int i = 0; i < 5634; ++i) ImmagineCodice[size_t(i)] = uint8_t(i * 7);
        Traccia t;
        t.fake = &fake;
        int32_t l = lunghezza;
        QCOMPARE(DownloadProgramma(l, t), blocchi > 0);
        QCOMPARE(int(fake.Richieste.size()), blocchi);
        QCOMPARE(t.log.last(), blocchi ? QStringLiteral("Download Successul") : QStringLiteral("Download Failed"));
        if (!blocchi) return;
        QCOMPARE(t.pause.size(), blocchi);
        QCOMPARE(t.barra.last(), 101.0);
        QCOMPARE(fake.Richieste[0], Hex("0a140400020020") + QByteArray(reinterpret_cast<const char*>(ImmagineCodice.data()), 32));
        const QByteArray& u = fake.Richieste.last();
        QCOMPARE(U16(u, 4), 0x200 + 32 * (blocchi - 1));
        QCOMPARE(int(uint8_t(u[6])), ultimo);
        QCOMPARE(u.size(), 7 + ultimo);
        QVERIFY(fake.Memoria.size() <= 5634);

        // The read-back: never fewer than 132 blocks, never past the area.
        fake.Richieste.clear();
        QVERIFY(UploadProgramma(lunghezza, t));
        QCOMPARE(int(fake.Richieste.size()), std::max(blocchi, 132));
        QCOMPARE(fake.Richieste[1], Hex("0a140100002020"));
        QCOMPARE(U16(fake.Richieste.last(), 4), 32 * (std::max(blocchi, 132) - 1));
    }

    void verifica()
    {
        Collega();
        Carica(0, {B(3), B(3)});
        const int32_t l = CompilaProgramma();
        const auto compilata = ImmagineCodice;
        int32_t ll = l;
        Traccia t;
        t.fake = &fake;
        QVERIFY(DownloadProgramma(ll, t));
        QCOMPARE(VerificaProgramma(l, t), EsitoVerifica::Verificato);
        fake.Memoria[0x200 + 40] ^= 1;
        QCOMPARE(VerificaProgramma(l, t), EsitoVerifica::Cambiato);
        QCOMPARE(t.log.last(), QStringLiteral("The Program has changed !"));
        QVERIFY(ImmagineCodice == compilata);
        GuastoA(1, R::Nessuna());
        QCOMPARE(VerificaProgramma(l, t), EsitoVerifica::LetturaFallita);
        QVERIFY(ImmagineCodice == compilata);
        // A short reply is no block either.
        GuastoA(0, R::Pdu(Hex("0a141000")));
        QCOMPARE(VerificaProgramma(l, t), EsitoVerifica::LetturaFallita);
    }

    void record_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("registro");
        QTest::addColumn<QByteArray>("record");
        // Format "%3d" (3 characters) and label "Pressure1" (9).
        QTest::newRow("uInt") << 0 << 100 << Hex("640000" "25336400000000" "507265737375");
        QTest::newRow("Int -1") << 1 << -1 << Hex("ffff01" "25336400000000" "507265737375");
        QTest::newRow("Time") << 17 << 2 << Hex("020011" "25336400000000" "507265737375");
        QTest::newRow("RAM string 3") << 13 << 3 << Hex("03000d" "05000700ff7f00" "507265737375");
        QTest::newRow("EEPROM string 3") << 14 << 3 << Hex("608c0e" "a08c0700ff7f00" "507265737375");
        QTest::newRow("Flash string: label only") << 15 << 3 << Hex("000000" "00000000000000" "507265737375");
        QTest::newRow("register 65536 refused") << 0 << 65536 << QByteArray(16, '\0');
    }
    void record()
    {
        QFETCH(int, tipo);
        QFETCH(int, registro);
        const Variabile v{.RegistroVar = registro, .TipoVar = uint8_t(tipo), .FormatoVar = QStringLiteral("%3d"),
                          .EtichettaVar = QStringLiteral("Pressure1"), .Registro2 = 5, .RegTrigger = 7, .Maschera = 0x7FFF};
        uint8_t r[16];
        std::fill(std::begin(r), std::end(r), 0xEE);
        QCOMPARE(RecordVariabile(v, 0x8C00, r), registro < 65536);
        QTEST(QByteArray(reinterpret_cast<const char*>(r), 16), "record");
    }

    void sezioni_data()
    {
        QTest::addColumn<int>("sezione");   // 0 variables, 1 scheduler strings, 2 blocks, 3 SMS
        QTest::addColumn<int>("n");         // variables, or text length
        QTest::addColumn<int>("quante");    // requests
        QTest::addColumn<QByteArray>("prima");
        QTest::addColumn<QByteArray>("ultima");
        QTest::addColumn<QString>("riga");  // the line before the closing one
        const QByteArray a31(31, 'a'), z(32, '\0');
        QTest::newRow("no variables") << 0 << 0 << 0 << QByteArray() << QByteArray() << "Downloading Variables...";
        QTest::newRow("129 variables: 128 records") << 0 << 129 << 129 << Hex("0a1404001dff017f")
                                                    << Hex("0a14040025f010") + QByteArray(16, '\0') << "Downloading Variables...";
        QTest::newRow("task string 10") << 1 << 10 << 2 << Hex("0a1404009e0020") + QByteArray(10, 'a') + QByteArray(22, '\0')
                                        << Hex("0a1404009e2020") + z << "Downloading Strings...";
        QTest::newRow("task string 511: 16 blocks") << 1 << 511 << 16 << Hex("0a1404009e0020") + a31 + 'a'
                                                    << Hex("0a1404009fe020") + a31 + '\0' << "Downloading Strings...";
        QTest::newRow("task string 512") << 1 << 512 << 0 << QByteArray() << QByteArray() << "Scheduler string of task 1 too long";
        QTest::newRow("blocks of 255") << 2 << 255 << 16 << Hex("0a140400c00020") + a31 + 'a'
                                       << Hex("0a140400c1e020") + a31 + '\0' << "Downloading Blocks...";
        QTest::newRow("block of 256") << 2 << 256 << 0 << QByteArray() << QByteArray() << "Text block 0 too long";
        QTest::newRow("SMS number 19, text T&01x") << 3 << 19 << 2 << Hex("0a140400ae0014") + QByteArray(19, 'a') + '\0'
                                                   << Hex("0a140400b0000c" "5426303120202020781a0000") << "Downloading SMS Table...";
        QTest::newRow("SMS number 20") << 3 << 20 << 0 << QByteArray() << QByteArray() << "SMS number 0 too long";
    }
    void sezioni()
    {
        QFETCH(int, sezione);
        QFETCH(int, n);
        QFETCH(int, quante);
        Collega();
        BufferTrasferimento.fill(0xEE);
        NumVariabili = uint8_t(n);
        NumTask = 1;
        Tasks[1].StringaTask = QString(n, u'a');
        Blocchi[0].TestoVoce = Blocchi[1].TestoVoce = QString(n, u'a');
        NumeriSMS[0].TestoSMS = QString(n, u'a');
        Traccia t;
        t.fake = &fake;
        const bool fatto = sezione == 0 ? DownloadVariabili(true, t)
                         : sezione == 1 ? DownloadStringheScheduler(true, t)
                         : sezione == 2 ? DownloadBlocchi(true, t) : DownloadSMS(t);
        QCOMPARE(fatto, quante > 0 || n == 0);
        QCOMPARE(t.log.last(), fatto ? QStringLiteral("Download Successul") : QStringLiteral("Download Failed"));
        QTEST(t.log[t.log.size() - 2], "riga");
        QCOMPARE(int(fake.Richieste.size()), quante);
        if (!quante) return;
        QTEST(fake.Richieste.first(), "prima");
        QTEST(fake.Richieste.last(), "ultima");
    }

    void esporta()
    {
        // Fill mode sends nothing and leaves the same bytes as a download.
        Controllore.Modello = kUsb;
        Collega();
        Variabili[1].EtichettaVar = QStringLiteral("x");
        Traccia t;
        t.fake = &fake;
        BufferTrasferimento.fill(0xEE);
        QVERIFY(DownloadVariabili(false, t) && DownloadStringhe(false, t) && DownloadStringheScheduler(false, t) && DownloadBlocchi(false, t));
        const auto esportato = BufferTrasferimento;
        QVERIFY(fake.Richieste.isEmpty() && t.barra.isEmpty());
        QCOMPARE(t.Righe().first(), QStringLiteral("Exporting Variables..."));
        QCOMPARE(t.Righe().last(), QStringLiteral("Export Successul"));
        QVERIFY(DownloadVariabili(true, t) && DownloadStringhe(true, t) && DownloadStringheScheduler(true, t) && DownloadBlocchi(true, t));
        QVERIFY(BufferTrasferimento == esportato);
        for (auto it = fake.Memoria.cbegin(); it != fake.Memoria.cend(); ++it) QCOMPARE(it.value(), esportato[it.key()]);
    }
};

QTEST_GUILESS_MAIN(TestDownload)
#include "test_download.moc"
