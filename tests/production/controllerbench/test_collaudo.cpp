// The controller test bench stage by stage: the Init stage's prompts in
// manual mode and a missing image, its opening disconnect without a link, STOP during the image read, the RS-485
// test, the lamps, the device and supply-current checks, a PC year the
// clock test cannot write.
#include "comm/Connessione.h"
#include "production/memory/TrasferimentoMemoria.h"
#include "registers/TabRegistri.h"
#include "shell/Log.h"

#include "support/AiutiProduzione.h"
#include "support/BancoProva.h"

#include <QLabel>
#include <QListWidget>

class TestCollaudo : public BancoProva {
    Q_OBJECT
private slots:
    void initTestCase() { Avvia(); }
    void init() { Prepara(); }

    void initManualeSenzaImmagine()
    {
        QFile::remove(FileImmagineCollaudo);
        Spunta(true, false, {4, 6});
        m_w->Banco().cmd_start_Click();
        QCOMPARE(m_copione.Messaggi(),
                 (QStringList{FileImmagineCollaudo + ": file non trovato", "Alim = OFF", "Chiudere switch INIT",
                              "Alim = OFF", "Aprire switch INIT", "Alim = ON, 24 Volt"}));
        QCOMPARE(Colori(4, 6), (QList<uint32_t>{CollaudoFallito, m_w->ColoreProva(5), CollaudoFallito}));
        QVERIFY(m_fake.Richieste.isEmpty());
        QCOMPARE(Controllore.TipoConnessione, CollegamentoSeriale);
        QCOMPARE(Controllore.BaudRate + QString::number(Controllore.Porta) + QString::number(Controllore.Nodo),
                 QStringLiteral("9600110"));
    }

    // The Init stage starts by closing the link; with none open the Log
    // gets no "Disconnect" line for a link that never existed.
    void initSenzaCollegamento()
    {
        ComErr = 1;
        Disconnetti();
        QVERIFY(!Controllore.Connesso);
        LogClear();
        QFile::remove(FileImmagineCollaudo);
        Spunta(true, false, {});
        m_w->Banco().cmd_start_Click();
        QListWidget* log = Finestre::Get<Log>()->Testo();
        for (int i = 0; i < log->count(); ++i) QVERIFY2(!log->item(i)->text().contains(u"Disconnect"), qPrintable(log->item(i)->text()));
        QCOMPARE(Controllore.TipoConnessione, CollegamentoSeriale);
    }

    void stopDuranteLettura()
    {
        ScriviImmagine();
        Spunta(true, true, {1, 7});
        Porte("COM5", "COM6");
        Controllore.Nodo = 33;
        // START again inside the run is refused: accepted, it would clear the
        // stop and run on.
        QTimer::singleShot(0, m_w, [this] {
            m_w->Banco().Command1_Click();
            m_w->Banco().cmd_start_Click();
        });
        m_w->Banco().cmd_start_Click();
        QTest::qWait(50);
        QVERIFY(m_w->Banco().StopRichiesto() && !m_w->Banco().InCorso());
        QVERIFY(m_copione.richieste.isEmpty() && m_alim.Ricevuti.isEmpty() && m_fake.Richieste.isEmpty());
        QCOMPARE(Controllore.Nodo, uint8_t(33));
    }

    void rs485_data()
    {
        QTest::addColumn<int>("passo");
        QTest::addColumn<int>("tetto");
        QTest::addColumn<bool>("specchio");
        QTest::addColumn<int>("salto");   // ms the monotonic clock moves per reading
        QTest::addColumn<uint>("colore");
        QTest::addColumn<QString>("conteggio");
        QTest::newRow("oltre 500") << 7 << 65535 << true << 0 << uint(CollaudoPassato) << "504/500";
        QTest::newRow("500 fino al limite") << 100 << 500 << true << 1001 << uint(CollaudoFallito) << "500/500";
        QTest::newRow("banco fermo") << 7 << 65535 << false << 0 << uint(CollaudoFallito) << "0";
        QTest::newRow("limite, poi 600") << 600 << 65535 << true << 31000 << uint(CollaudoFallito) << "0";
    }
    void rs485()
    {
        m_passo = DATO(int, passo), m_tetto = DATO(int, tetto), m_specchio = DATO(bool, specchio);
        qint64 ora = 0;
        m_w->Banco().Cronometro = [&ora, salto = DATO(int, salto)] { return ora += salto; };
        m_fake.Unita(99).Input[26] = 0;
        Spunta(false, true, {7});
        m_w->Banco().cmd_start_Click();
        QCOMPARE(m_w->ColoreProva(7), DATO(uint, colore));
        QCOMPARE(C<QLabel>(m_w, QStringLiteral("Label2"))->text(), DATO(QString, conteggio));
        const QList<QByteArray> attese = {
            QByteArray::fromHex("6306001000 00"), QByteArray::fromHex("6306001a0000"), QByteArray::fromHex("6306001b0000"),
            QByteArray::fromHex("0a06001000 00"), QByteArray::fromHex("0a06001b0000"), QByteArray::fromHex("0a1404000013 0155"),
            QByteArray::fromHex("6306001a0001")};
        QCOMPARE(m_fake.Richieste.mid(0, 7), attese);
        QCOMPARE(m_fake.Richieste.last(), QByteArray::fromHex("6306001a0000"));
        if (DATO(uint, colore) == CollaudoPassato) QCOMPARE(TabRegistri[27].Valore, 504);
    }

    void lampade()
    {
        QVERIFY(Test::CollegaAlFake(m_fake, false));
        for (int i = 0; i < 8; ++i) m_w->ColoraLed(i, CollaudoInCorso);
        BancoCollaudo& b = m_w->Banco();
        // The second pattern expects bit 9 the other way round: that lamp
        // turns red and stays red through the two matching patterns after it.
        b.VerificaIO(99, 10, 256, 2304, 0);
        b.VerificaIO(99, 10, 512, 1536 ^ 0x200, 0);
        b.VerificaIO(99, 10, 768, 1280, 0);
        b.VerificaIO(99, 10, 0, 2560, 0);
        QCOMPARE(Colori(0, 3, true),
                 (QList<uint32_t>{CollaudoPassato, CollaudoFallito, CollaudoPassato, CollaudoPassato}));
        // A read that fails is not judged as 0 (which would match bits 8, 10).
        m_fake.Accoda({FakeController::Risposta::Predefinita(), FakeController::Risposta::Predefinita(),
                       FakeController::Risposta::Nessuna()});
        b.VerificaIO(10, 99, 0, 2560, 4);
        QCOMPARE(Colori(4, 7, true), QList<uint32_t>(4, CollaudoFallito));
    }

    void dispositivo_data()
    {
        QTest::addColumn<bool>("seriale");
        QTest::addColumn<int>("porta");
        QTest::addColumn<int>("nodo");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QStringList>("messaggi");
        const QString ignoto = QStringLiteral("DISPOSITIVO NON RICONOSCIUTO, continuare?");
        QTest::newRow("accettato") << false << 0 << 10 << 0x4555 << 0 << 0 << QStringList();
        QTest::newRow("2304, OK") << false << 0 << 10 << 2304 << int(Prompt::Ok) << 0 << QStringList{ignoto};
        QTest::newRow("2304, Annulla") << false << 0 << 10 << 2304 << int(Prompt::Annulla) << 1 << QStringList{ignoto};
        QTest::newRow("porta aperta, nessun controller") << true << 1 << 11 << 0 << 0 << 1 << QStringList{"ERRORE COM"};
        QTest::newRow("porta assente") << true << 7 << 10 << 0 << 0 << 1
                                       << QStringList{"Controller not connected", "ERRORE COM"};
    }
    void dispositivo()
    {
        QVERIFY(Test::CollegaAlFake(m_fake, false));
        if (DATO(bool, seriale)) {
            Controllore.TipoConnessione = CollegamentoSeriale;
            Controllore.Porta = int16_t(DATO(int, porta));
            Controllore.BaudRate = QStringLiteral("9600");
        }
        Controllore.Nodo = uint8_t(DATO(int, nodo));
        m_fake.Unita(10).Input[1] = uint16_t(DATO(int, tipo));
        if (DATO(int, risposta)) m_copione.Rispondi(DATO(int, risposta));
        QCOMPARE(int(m_w->Banco().VerificaDispositivo()), DATO(int, esito));
        QCOMPARE(m_copione.Messaggi(), DATO(QStringList, messaggi));
    }

    void consumo_data()
    {
        // The operator's answers in order: a reading, R(iprova), I(gnora),
        // A (Interrompi), "-" cancels the reading.
        QTest::addColumn<QStringList>("risposte");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QString>("errore");
        QTest::newRow("riprova, al massimo") << QStringList{"0.152", "R", "0.14"} << 0 << "ERRORE: CONSUMO =152mA [100÷140]";
        QTest::newRow("interrompi") << QStringList{"0.1525", "A"} << 1 << "ERRORE: CONSUMO =152.5mA [100÷140]";
        QTest::newRow("ignora") << QStringList{"0.099", "I"} << 0 << "ERRORE: CONSUMO =99mA [100÷140]";
        QTest::newRow("lettura annullata") << QStringList{"-"} << 1 << QString();
    }
    void consumo()
    {
        m_copione.Rispondi(Prompt::Ok);
        for (const QString& r : DATO(QStringList, risposte)) {
            if (r == u"-") m_copione.Annulla();
            else if (r == u"R") m_copione.Rispondi(Prompt::Riprova);
            else if (r == u"I") m_copione.Rispondi(Prompt::Ignora);
            else if (r == u"A") m_copione.Rispondi(Prompt::Interrompi);
            else m_copione.RispondiTesto(r);
        }
        QCOMPARE(int(m_w->Banco().VerificaConsumo(24, 100, 140)), DATO(int, esito));
        QStringList attesi{QStringLiteral("Alim = ON, 24 Volt")};
        if (!DATO(QString, errore).isEmpty()) attesi << DATO(QString, errore);
        QCOMPARE(m_copione.Messaggi(), attesi);
        QVERIFY(m_copione.risposte.isEmpty());
        for (const auto& r : m_copione.richieste)
            if (r.testo.startsWith(u"ERRORE")) QCOMPARE(r.pulsanti, int(Prompt::InterrompiRiprovaIgnora));
    }

    void annoFuoriLista()
    {
        Spunta(false, true, {10});
        m_w->Banco().OraPC = [] { return QDateTime(QDate(1999, 12, 31), QTime(23, 59, 0)); };
        m_w->Banco().cmd_start_Click();
        QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("RTCC: anno del PC fuori da 2000÷2099")});
        QVERIFY(m_fake.Richieste.isEmpty());
    }
};

QTEST_MAIN(TestCollaudo)
#include "test_collaudo.moc"
