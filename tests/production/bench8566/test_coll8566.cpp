// The QVR8566 bench window from its menu item, against the simulator at
// 127.0.0.2 (units 1, 10, 246, 247), the relay line as COM3 and the
// multimeter as COM5: the byte orders and the K rule as tables, rows end to
// end (an input row waits about 13 s by its pauses, an output row about
// 25 s), the digital cycles, the refusals and a close while a row runs.
#include "comm/Dispositivo.h"
#include "production/bench8566/coll8566.h"
#include "production/qvrforms/ValoriQVR.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "support/AiutiProduzione.h"
#include "support/Ambiente.h"
#include "support/Controllo.h"
#include "support/FakeController.h"
#include "support/FakeStrumento.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace Test;

namespace {
QByteArray A(const char* f, auto... v) { return QString::asprintf(f, v...).toLatin1(); }
// Requests on the wire: register write, input read, function-20 write.
QByteArray W(int u, int reg, int v) { return QByteArray::fromHex(A("%02x06%04x%04x", u, reg, v)); }
QByteArray R(int u, int reg) { return QByteArray::fromHex(A("%02x04%04x0001", u, reg)); }
QByteArray M(int u, int adr, const QByteArray& b)
{
    return QByteArray::fromHex(A("%02x140400%04x%02x", u, adr, int(b.size()))) + b;
}
QByteArray K(double v)
{
    const auto b = ByteK8566(v);
    return QByteArray(reinterpret_cast<const char*>(b.data()), 3);
}
// The relay lines of a row: every channel opened, then the closures ("105 109").
QByteArray Rele(const QString& chiusure)
{
    QByteArray out;
    for (int c = 1; c <= 17; ++c) out += A("rout:open (@1%02d)\r\nrout:open (@2%02d)\r\n", c, c);
    for (const QString& c : chiusure.split(' ')) out += "rout:close (@" + c.toLatin1() + ")\r\n";
    return out;
}
}  // namespace

class TestColl8566 : public QObject {
    Q_OBJECT
    FakeController fake;
    CoppiaPty rele;
    FakeStrumento mult;
    QTemporaryDir com;
    QStringList messaggi;
    std::function<int(double)> modulo;   // the module's raw reading for a calibrator value
    int ingresso = 26;
    coll8566* w = nullptr;

    void Clicca(int riga) { C<QPushButton>(w, QStringLiteral("cmd_coll_%1").arg(riga))->click(); }
    QString Et(const char* nome, int riga)
    {
        auto* l = C<QLabel>(w, QStringLiteral("%1_%2").arg(QLatin1String(nome)).arg(riga));
        return l->text() + QLatin1Char(' ') + l->property("colore").toString();
    }
    QStringList Punti(int riga)
    {
        return {Et("lbl_coll_zero", riga), Et("lbl_coll_half", riga), Et("lbl_coll_span", riga)};
    }
    static QByteArray Ricevuti(CoppiaPty& p)
    {
        QTest::qWait(50);
        QByteArray out;
        char b[4096];
        for (ssize_t n; (n = ::read(p.Master(), b, sizeof b)) > 0;) out.append(b, int(n));
        return out;
    }

private slots:
    void initTestCase()
    {
        AvviaWorkbench();
        QLocale::setDefault(QLocale::c());
        QVERIFY(fake.AvviaTcp(QHostAddress(QStringLiteral("127.0.0.2"))) && rele.Apri() && mult.Avvia(5, com.path()));
        for (int u : {1, 10, 246, 247}) fake.Unita(u);
        QVERIFY(QFile::link(rele.NomeSlave(), com.filePath("COM3")));
        qputenv("WORKBENCH_COM_DIR", com.path().toLocal8Bit());
        qputenv("WORKBENCH_BANCO8566_HOST", "127.0.0.2");
        qputenv("WORKBENCH_BANCO8566_MULT", "5");
        Controllore.Porta = int16_t(fake.porta());
        Controllore.TimeoutTCP = 300;
        Prompt::ImpostaRisponditore([this](const Prompt::Richiesta& r) {
            messaggi << r.testo;
            if (modulo && r.testo.startsWith(QLatin1String("Set Cal : ")))
                fake.Unita(1).Input[size_t(ingresso)] = uint16_t(modulo(r.testo.mid(10).toDouble()));
            return Prompt::Risposta_{};
        });
        Principale::Istanza()->Menu(QStringLiteral("mnu_coll_8566"))->trigger();
        w = Finestre::SeCaricata<coll8566>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(C<QListWidget>(w, "lst_device")->item(0)->text(), QStringLiteral("QVR8566"));
        C<QPushButton>(w, "cmd_banco")->click();
        QVERIFY(messaggi.isEmpty() && Controllore.Connesso && Controllore.IndirizzoIP == u"127.0.0.2");
        QVERIFY(Seriale_switch().Porta() == 3 && w->Banco().SerialeMult().Porta() == 5);
    }
    void init()
    {
        fake.Richieste.clear();
        Ricevuti(rele);
        mult.Raccogli();
        mult.Ricevuti.clear();
        messaggi.clear();
    }

    void byte()
    {
        QCOMPARE(ByteCostanti(-2, 20000), (std::array<uint8_t, 4>{0xFE, 0xFF, 32, 78}));
        QCOMPARE(TestoSetCal(0.05, QLocale(QLocale::Italian)), QStringLiteral("Set Cal : 0,05"));
    }

    void esitoK_data()
    {
        QTest::addColumn<int>("grezzo");   // -1: the read failed
        QTest::addColumn<QString>("esito");
        QTest::newRow("good") << 9980 << "99,80(1,0020) 65280 1";
        QTest::newRow("band edge") << 9091 << "90,91(1,1000) 65280 1";
        QTest::newRow("off the band") << 8900 << "89,00(1,1236) 255 1";
        QTest::newRow("zero") << 0 << "0,00(0,0000) 255 0";
        QTest::newRow("failed read") << -1 << "0,00(0,0000) 255 0";
    }
    void esitoK()
    {
        QFETCH(int, grezzo);
        const auto e = CalcolaEsitoK(grezzo < 0 ? std::nullopt : std::optional(grezzo), 100, 100,
                                     QLocale(QLocale::Italian));
        QCOMPARE(A("%s %u %d", qPrintable(e.testo), uint(e.stato), e.scrivi), DATO(QString, esito).toLatin1());
    }

    // An input row of each source kind: K in the band, off it (still
    // written), its read failing (not written: the slot keeps 1.0), and a
    // failed read at reference 0 (the point fails).
    void ingressi_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<double>("guadagno");
        QTest::addColumn<int>("fallisce");   // request left without a reply
        QTest::addColumn<QString>("rele");
        QTest::addColumn<QStringList>("etichette");   // K, then the points
        QTest::newRow("mV") << 0 << 0.998 << 0 << "105 109 113"
            << QStringList{"99.80(1.0020) 65280", "0.00 65280", "49.90 255", "99.80 255"};
        QTest::newRow("ResL") << 1 << 0.89 << 0 << "104 105 112 113"
            << QStringList{"267.00(1.1236) 255", "89.00 255", "178.00 255", "267.00 255"};
        QTest::newRow("#1 10 V") << 4 << 1.0 << 3 << "104 109 116"
            << QStringList{"0.00(0.0000) 255", "0.00 65280", "5000.00 65280", "10000.00 65280"};
        QTest::newRow("#0 20 mA") << 3 << 1.0 << 5 << "102 106 115"
            << QStringList{"20000.00(1.0000) 65280", "0.00 255", "10000.00 65280", "20000.00 65280"};
    }
    void ingressi()
    {
        QFETCH(int, riga);
        QFETCH(int, fallisce);
        const RigaBanco8566& r = RigheBanco8566[size_t(riga)];
        const double g = DATO(double, guadagno), k = riga < 2 ? 1 / g : 1;
        ingresso = 26 + r.CanaleIngresso;
        modulo = [&](double v) { return int(std::lround(v * g * r.Scala)); };
        for (int i = 1; i < fallisce; ++i) fake.Accoda(FakeController::Risposta::Predefinita());
        if (fallisce) fake.Accoda(FakeController::Risposta::Nessuna());
        Clicca(riga);
        modulo = nullptr;
        const int slot = 43 + 3 * r.TipoIngresso;
        QList<QByteArray> attese{W(1, 1216, 256 * r.CanaleIngresso * r.TipoSorgente), M(r.NodoCal, slot, QByteArray::fromHex("00803f")),
                                 R(1, ingresso)};
        if (fallisce != 3) attese << M(r.NodoCal, slot, K(k));
        QCOMPARE(fake.Richieste, attese << R(1, ingresso) << R(1, ingresso) << R(1, ingresso));
        QCOMPARE(QStringList{Et("lbl_coll_K", riga)} + Punti(riga), DATO(QStringList, etichette));
        QCOMPARE(Ricevuti(rele), Rele(DATO(QString, rele)));
        QStringList setCal;
        for (double v : {r.FondoScala, r.FondoScala, r.SetZero, r.SetMezzo, r.SetSpan}) setCal << TestoSetCal(v);
        QCOMPARE(messaggi.filter("Set Cal"), setCal);
    }

    // The output rows: the multimeter set up for DC current, the output's
    // constants reset (output 1 at address 24), the output driven, then read
    // on the multimeter at each point. A good output passes all three; one
    // stuck at 0 passes only its zero; a silent multimeter fails every
    // point, the operator told each time.
    void uscite_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("uscita");   // what the multimeter sees
        QTest::addColumn<QStringList>("punti");
        QTest::addColumn<QStringList>("avvisi");
        QTest::newRow("Out 1 good") << 8 << "follows"
            << QStringList{"0.00 65280", "10000.00 65280", "20000.00 65280"} << QStringList{};
        QTest::newRow("Out 0 stuck at 0") << 7 << "stuck"
            << QStringList{"0.00 65280", "0.00 255", "0.00 255"} << QStringList{};
        QTest::newRow("Out 0, multimeter silent") << 7 << "silent"
            << QStringList{"0.00 255", "0.00 255", "0.00 255"} << QStringList(3, "Mult: nessuna risposta");
    }
    void uscite()
    {
        QFETCH(int, riga);
        QFETCH(QString, uscita);
        const int registro = 32 + RigheBanco8566[size_t(riga)].Uscita;
        // The output as the multimeter sees it: the value written, in amperes.
        auto lettura = [&](int uA) { return A("%+.8E\r\n", (uscita == u"follows" ? uA : 0) * 1e-6); };
        mult.Lettura = uscita == u"silent" ? QByteArray() : lettura(0);
        fake.Regole = {[&](FakeController&, const QByteArray& p) {
            if (p.size() < 6 || p[0] != 1 || p[1] != 6 || ((uint8_t(p[2]) << 8) | uint8_t(p[3])) != registro) return;
            if (!mult.Lettura.isEmpty()) mult.Lettura = lettura((uint8_t(p[4]) << 8) | uint8_t(p[5]));
        }};
        Clicca(riga);
        fake.Regole.clear();
        mult.Raccogli();
        QCOMPARE(fake.Richieste, (QList<QByteArray>{M(1, 20 + 4 * (registro - 32), QByteArray::fromHex("0000204e")),
                                                    W(1, registro, 0), W(1, registro, 20000), W(1, registro, 0),
                                                    W(1, registro, 10000), W(1, registro, 20000)}));
        QCOMPARE(mult.Ricevuti, QByteArray(":SYST:REM\r\n:CONF:CURR:DC\r\n") + QByteArray(":READ?\r\n").repeated(3));
        QCOMPARE(Ricevuti(rele), Rele("203 204 205"));
        QCOMPARE((QStringList{Et("lbl_coll_K_zero", riga), Et("lbl_coll_K_span", riga)}), QStringList(2, " 65535"));
        QCOMPARE(Punti(riga), DATO(QStringList, punti));
        QCOMPARE(messaggi, DATO(QStringList, avvisi));
    }

    // With its port closed the multimeter gets nothing and the operator a message.
    void multimetroChiuso()
    {
        w->Banco().SerialeMult().Chiudi();
        w->Conf_Mult(0, QStringLiteral("REM"), QStringLiteral("CURR"));
        QCOMPARE(messaggi, QStringList{"Multimeter port not open"});
        mult.Raccogli();
        QVERIFY(mult.Ricevuti.isEmpty());
    }

    // Both cycles pass, then "Dig OUT" with a stuck bit; bits outside the
    // mask never count. A row or "Connetti Banco" clicked meanwhile is
    // refused; so is the window's close until the row ends.
    void digitali()
    {
        bool bloccato = false;
        fake.Regole = {[&](FakeController& f, const QByteArray& p) {
            if (p.size() < 6 || p[1] != 6 || p[3] != 9) return;
            const int v = (uint8_t(p[4]) << 8) | uint8_t(p[5]);
            if (p[0] == 10) f.Unita(1).Input[8] = uint16_t((v ? v << 1 : 256) | 0x1005);
            if (p[0] == 1) f.Unita(10).Input[8] = uint16_t(v | (bloccato ? 256 : 0) | 0x2000);
        }};
        auto c = connect(&fake, &FakeController::RichiestaRicevuta, this, [&] {
            if (fake.Richieste.size() != 2) return;
            Clicca(0);
            C<QPushButton>(w, "cmd_banco")->click();
        });
        Clicca(9);
        disconnect(c);
        QCOMPARE(fake.Richieste,
                 (QList<QByteArray>{W(10, 9, 0), R(1, 8), W(10, 9, 256), R(1, 8), W(10, 9, 512), R(1, 8)}));
        QCOMPARE(messaggi, QStringList(2, "Test already running"));
        Clicca(10);
        QCOMPARE(Punti(9) + Punti(10), QStringList(6, " 65280"));
        bloccato = true;
        QTimer::singleShot(200, w, [this] { QVERIFY(!w->parentWidget()->close()); });
        Clicca(10);
        fake.Regole.clear();
        QCOMPARE(Punti(10), (QStringList{" 65280", " 255", " 255"}));
        QTRY_VERIFY(!Finestre::SeCaricata<coll8566>());
    }
};

QTEST_MAIN(TestColl8566)
#include "test_coll8566.moc"
