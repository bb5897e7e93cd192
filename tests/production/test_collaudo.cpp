// The controller test bench opened from its menu item, against the
// simulator (unit 10 on a pseudo-terminal and, with the bench unit 99, on a
// loopback TCP port, wired as the fixture is) and fake instruments: the
// Init stage's supply commands and prompts, the image read and its faults,
// STOP, the RS-485 test, the lamps, the three checks, the clock write, and
// one whole run.
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "production/FileHex.h"
#include "production/TrasferimentoMemoria.h"
#include "production/frm_collaudo.h"
#include "registers/TabRegistri.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/Controllo.h"
#include "support/FakeController.h"
#include "support/FakeStrumento.h"

#include "Aiuti.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using Test::FakeController;

int U16(const QByteArray& q, int i) { return uint8_t(q[i]) << 8 | uint8_t(q[i + 1]); }

QByteArray Immagine()
{
    QByteArray b(65001, 0);
    for (int i = 0; i < b.size(); ++i) b[i] = char((i * 7 + i / 251) & 0xFF);
    return b;
}
}  // namespace

class TestCollaudo : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    FakeController m_fake;
    Test::FakeStrumento m_mult, m_alim;
    Test::Copione m_copione;
    frm_collaudo* m_w = nullptr;
    QByteArray m_immagine = Immagine();
    std::function<qint64()> m_cronometro;
    // The simulator's RS-485 counter: its step per read and its ceiling;
    // whether the bench unit shows its register 26 as written.
    int m_passo = 7, m_tetto = 65535;
    bool m_specchio = true;

    void Spunta(bool init, bool base, QList<int> prove)
    {
        C<QCheckBox>(m_w, QStringLiteral("chk_controlli_0"))->setChecked(init);
        C<QCheckBox>(m_w, QStringLiteral("chk_controlli_1"))->setChecked(base);
        for (int i = 0; i < 11; ++i) C<QCheckBox>(m_w, QStringLiteral("chk_collaudo_%1").arg(i))->setChecked(prove.contains(i));
    }
    void Porte(const char* mult, const char* alim)
    {
        C<QComboBox>(m_w, QStringLiteral("txt_mult_port"))->setCurrentText(QString::fromLatin1(mult));
        C<QComboBox>(m_w, QStringLiteral("txt_alim_port"))->setCurrentText(QString::fromLatin1(alim));
    }
    QList<uint32_t> Colori(int da, int a, bool lampade = false)
    {
        QList<uint32_t> out;
        for (int i = da; i <= a; ++i) out << (lampade ? m_w->ColoreLed(i) : m_w->ColoreProva(i));
        return out;
    }
    void ScriviImmagine()
    {
        QFile f(FileImmagineCollaudo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ScriviFileHex(reinterpret_cast<const uint8_t*>(m_immagine.constData()), int(m_immagine.size()),
                              FormaFileHex::Byte));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(QDir().mkpath(QStringLiteral("progetti/collaudo")) && QDir().mkpath(QStringLiteral("porte")));
        const QString porte = m_dir.filePath(QStringLiteral("porte"));
        QVERIFY(m_fake.AvviaTcp() && m_fake.AvviaRtu(1, porte));
        QVERIFY(m_mult.Avvia(5, porte) && m_alim.Avvia(6, porte));
        qputenv("WORKBENCH_COLLAUDO_HOST", "127.0.0.1");
        qputenv("WORKBENCH_COLLAUDO_PORTA", QByteArray::number(m_fake.porta()));
        Test::AvviaWorkbench();
        m_fake.Unita(10), m_fake.Unita(99);
        // Holding register 9 drives two relays, each with a normally open and
        // a normally closed contact on the other unit's inputs 8..11.
        m_fake.Regole << [this](FakeController& f, const QByteArray& q) {
            const int u = uint8_t(q[0]), fn = uint8_t(q[1]), r = U16(q, 2);
            if (fn == 6 && r == 9 && (u == 10 || u == 99)) {
                const int v = U16(q, 4), a = v >> 8 & 1, b = v >> 9 & 1;
                f.Unita(u == 10 ? 99 : 10).Input[8] = uint16_t(a << 8 | !a << 9 | b << 10 | !b << 11);
            }
            if (fn == 6 && u == 99 && r == 26 && m_specchio) f.Unita(99).Input[26] = uint16_t(U16(q, 4));
            if (fn == 6 && u == 10 && r == 27) f.Unita(10).Input[27] = 0;
            if (fn == 4 && u == 10 && r == 27 && f.Unita(99).Holding[26] == 1)
                f.Unita(10).Input[27] = uint16_t(std::min(m_tetto, f.Unita(10).Input[27] + m_passo));
        };
        Principale::Istanza()->Menu(QStringLiteral("mnu_coll"))->trigger();
        m_w = Finestre::SeCaricata<frm_collaudo>();
        QVERIFY(m_w && m_w->isVisible());
        m_cronometro = m_w->Banco().Cronometro;
        QCOMPARE(C<QLineEdit>(m_w, QStringLiteral("txt_eut_ip"))->text(), QStringLiteral("127.0.0.1"));
    }
    void init()
    {
        m_copione = Test::Copione();
        m_copione.Installa();
        ComErr = 1;
        Controllore.TimeoutTCP = 300;
        ComTimeout = 1;
        m_fake.Richieste.clear();
        m_mult.Ricevuti.clear();
        m_alim.Ricevuti.clear();
        m_passo = 7, m_tetto = 65535, m_specchio = true;
        m_w->Banco().Cronometro = m_cronometro;
        m_w->MostraConteggio(QStringLiteral("0"));
        Porte("MANUALE", "MANUALE");
    }

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
        QTest::newRow("oltre 500") << 7 << 65535 << true << 0 << uint(CollaudoRiuscito) << "504/500";
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
        if (DATO(uint, colore) == CollaudoRiuscito) QCOMPARE(TabRegistri[27].Valore, 504);
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
                 (QList<uint32_t>{CollaudoRiuscito, CollaudoFallito, CollaudoRiuscito, CollaudoRiuscito}));
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

    void corsaCompleta()
    {
        ScriviImmagine();
        std::fill(BufferEeprom.begin() + 65001, BufferEeprom.begin() + 65024, uint8_t(0xAA));
        m_fake.Unita(10).Memoria.clear();
        Spunta(true, true, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        Porte("COM5", "COM6");
        m_w->Banco().OraPC = [] { return QDateTime(QDate(2024, 3, 5), QTime(13, 7, 9)); };
        for (int i = 0; i < 8; ++i) m_w->ColoraLed(i, CollaudoFallito);
        const QList<uint32_t> fermi = Colori(8, 10);
        // The supply's commands and the prompts, in the order they came.
        QByteArray diario;
        m_alim.Diario = &diario;
        Prompt::ImpostaRisponditore([&](const Prompt::Richiesta& r) {
            m_alim.Raccogli();
            diario += "[" + r.testo.toLatin1() + "]";
            return Prompt::Risposta_{};
        });
        m_w->Banco().cmd_start_Click();
        m_alim.Raccogli();
        m_alim.Diario = nullptr;
        QCOMPARE(diario, QByteArray("SV 0\rKOD\r[Chiudere switch INIT]SV 0\rKOD\r[Aprire switch INIT]SV 24\rKOE\r"));
        QCOMPARE(Colori(0, 7), (QList<uint32_t>{CollaudoInCorso, CollaudoRiuscito, CollaudoInCorso, CollaudoRiuscito,
                                                CollaudoRiuscito, CollaudoRiuscito, CollaudoRiuscito, CollaudoRiuscito}));
        QCOMPARE(Colori(8, 10), fermi);
        QCOMPARE(Colori(0, 7, true), QList<uint32_t>(8, CollaudoRiuscito));
        const auto& memoria = m_fake.Unita(10).Memoria;
        QCOMPARE(memoria.size(), 65024);
        for (int a = 0; a < 65024; ++a)
            if (a != 19) QCOMPARE(memoria.value(a), quint8(a < 65001 ? m_immagine[a] : 0));
        QCOMPARE(memoria.value(19), quint8('U'));  // release mode, from the RS-485 test
        // The clock in BCD, to the controller's own unit.
        QCOMPARE(m_fake.Richieste.last(), QByteArray::fromHex("0a100016000408 00090713 00050324"));
        QVERIFY(C<QProgressBar>(m_w, QStringLiteral("ProgressBar1"))->value() > 0);
        QVERIFY(m_mult.Ricevuti.isEmpty());
        m_w->Banco().OraPC = [] { return QDateTime::currentDateTime(); };
    }
};

QTEST_MAIN(TestCollaudo)
#include "test_collaudo.moc"
