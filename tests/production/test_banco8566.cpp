// The QVR8566 bench without its window: the byte orders and the K rule as
// tables, the relay routing of every analog row, the bench connect, the
// digital cycles, the refusals, and input rows end to end against the
// simulator (each row waits about 13 s by its pauses).
#include "Aiuti.h"
#include "BancoFinto.h"
#include "comm/AreaComunicazione.h"

#include <QtTest>

using namespace Test;
using FR = FakeController::Risposta;

namespace {
struct QuadroFinto : QuadroBanco8566 {
    QMap<std::pair<int, int>, StatoProva> stato;   // (Risultato, row)
    QMap<std::pair<int, int>, QString> testo;
    void ImpostaStato(Risultato r, int riga, StatoProva s) override { stato[{int(r), riga}] = s; }
    void ImpostaTesto(Risultato r, int riga, const QString& t) override { testo[{int(r), riga}] = t; }
    // The three points as V (passed), X (failed) or - (untouched).
    QString Punti(int riga) const
    {
        QString out;
        for (Risultato r : {Risultato::Zero, Risultato::Mezzo, Risultato::Span}) {
            const StatoProva s = stato.value({int(r), riga}, StatoProva::InCorso);
            out += s == StatoProva::Superato ? u'V' : s == StatoProva::Fallito ? u'X' : u'-';
        }
        return out;
    }
};
constexpr auto V = StatoProva::Superato;
constexpr auto X = StatoProva::Fallito;
}  // namespace

class TestBanco8566 : public QObject {
    Q_OBJECT
    BancoFinto b;
    QuadroFinto q;
    Banco8566 banco{q};

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(b.Avvia());
        banco.cmd_banco_Click();
        QVERIFY(b.messaggi.isEmpty());
        QVERIFY(Controllore.Connesso);
        QCOMPARE(Controllore.IndirizzoIP, QStringLiteral("127.0.0.2"));
        QCOMPARE(Controllore.Nodo, uint8_t(1));
        QCOMPARE(Seriale_switch().Porta(), 3);
        QCOMPARE(banco.SerialeMult().Porta(), 5);
    }
    void init() { b.Azzera(); }

    void byte()
    {
        QCOMPARE(ByteCalibrazione(1.0), (std::array<uint8_t, 3>{0, 128, 63}));
        QCOMPARE(ByteCalibrazione(-2.5), (std::array<uint8_t, 3>{0, 32, 192}));    // C0200000
        QCOMPARE(ByteCalibrazione(100 / 99.8), (std::array<uint8_t, 3>{0x41, 0x80, 0x3F}));   // 3F8041AB
        QCOMPARE(ByteCostanti(0, 20000), (std::array<uint8_t, 4>{0, 0, 32, 78}));
        QCOMPARE(ByteCostanti(-2, 258), (std::array<uint8_t, 4>{0xFE, 0xFF, 2, 1}));
    }

    void esitoK_data()
    {
        QTest::addColumn<int>("grezzo");   // -1: the read failed
        QTest::addColumn<int>("scala");
        QTest::addColumn<double>("fondo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("stato");
        QTest::addColumn<bool>("scrivi");
        QTest::newRow("good") << 9980 << 100 << 100.0 << "99.80(1.0020)" << int(V) << true;
        QTest::newRow("band edge") << 9091 << 1 << 10000.0 << "9091.00(1.1000)" << int(V) << true;
        QTest::newRow("bad, still written") << 8900 << 100 << 100.0 << "89.00(1.1236)" << int(X) << true;
        QTest::newRow("zero") << 0 << 1 << 10000.0 << "0.00(0.0000)" << int(X) << false;
        QTest::newRow("failed read") << -1 << 10 << 300.0 << "0.00(0.0000)" << int(X) << false;
    }
    void esitoK()
    {
        QFETCH(int, grezzo);
        const EsitoK e = CalcolaEsitoK(grezzo < 0 ? std::nullopt : std::optional<int>(grezzo), int16_t(DATO(int, scala)),
                                       DATO(double, fondo), QLocale::c());
        QCOMPARE(e.testo, DATO(QString, testo));
        QCOMPARE(int(e.stato), DATO(int, stato));
        QCOMPARE(e.scrivi, DATO(bool, scrivi));
        QCOMPARE(e.scrivi ? e.K : 0.0, e.K);
        // The workstation's separator, never a group separator.
        QCOMPARE(CalcolaEsitoK(12345, 1, 10000, QLocale(QLocale::Italian)).testo, QStringLiteral("12345,00(0,8100)"));
        QCOMPARE(TestoSetCal(0.05, QLocale(QLocale::Italian)), QStringLiteral("Set Cal : 0,05"));
        QCOMPARE(TestoSetCal(20000, QLocale(QLocale::Italian)), QStringLiteral("Set Cal : 20000"));
    }

    // The closures of each analog row, row 7 and 8 after row 5.
    void rele()
    {
        const QList<QList<std::pair<uint8_t, uint8_t>>> attese{
            {{1, 5}, {1, 9}, {1, 13}},         {{1, 4}, {1, 5}, {1, 12}, {1, 13}}, {{1, 4}, {1, 9}, {1, 15}},
            {{1, 2}, {1, 6}, {1, 15}},         {{1, 4}, {1, 9}, {1, 16}},          {{1, 2}, {1, 6}, {1, 16}},
            {},                                {{2, 3}, {2, 4}, {2, 5}},           {{2, 3}, {2, 4}, {2, 5}}};
        VoceBanco8566 v;
        for (int r = 0; r < attese.size(); ++r) {
            if (r == 6) continue;
            ApplicaRiga(v, RigheBanco8566[size_t(r)]);
            QCOMPARE(ChiusureRele(v), attese[r]);
        }
        // Rows 7 and 8 keep the last input row's unit, channel, relay and type.
        QCOMPARE((std::array<int, 5>{v.NodoCal, v.CanaleIngresso, v.SelRele, v.TipoIngresso, v.Uscita}),
                 (std::array<int, 5>{246, 1, 1, 4, 1}));
    }

    // Both cycles passing, then Dig OUT with a stuck bit; bits outside the
    // mask never count. A row or a connect clicked meanwhile is refused.
    void digitali()
    {
        bool bloccato = false;
        b.fake.Regole = {[&](FakeController& f, const QByteArray& p) {
            if (p.size() < 6 || p[1] != 6 || p[3] != 9) return;
            const int v = (uint8_t(p[4]) << 8) | uint8_t(p[5]);
            if (p[0] == 10) f.Unita(1).Input[8] = uint16_t((v ? v << 1 : 256) | 0x1005);
            if (p[0] == 1) f.Unita(10).Input[8] = uint16_t(v | (bloccato ? 256 : 0) | 0x2000);
        }};
        auto c = connect(&b.fake, &FakeController::RichiestaRicevuta, this, [&] {
            if (b.fake.Richieste.size() != 2) return;
            banco.cmd_coll_Click(0);
            banco.cmd_banco_Click();
        });
        banco.cmd_coll_Click(9);
        QCOMPARE(b.fake.Richieste, (QList<QByteArray>{W(10, 9, 0), R(1, 8), W(10, 9, 256), R(1, 8), W(10, 9, 512), R(1, 8)}));
        QCOMPARE(b.messaggi, QStringList(2, QStringLiteral("Test already running")));
        QCOMPARE(q.Punti(9), QStringLiteral("VVV"));
        banco.cmd_coll_Click(10);
        QCOMPARE(q.Punti(10), QStringLiteral("VVV"));
        bloccato = true;
        b.fake.Richieste.clear();
        banco.cmd_coll_Click(10);
        disconnect(c);
        b.fake.Regole.clear();
        QCOMPARE(b.fake.Richieste, (QList<QByteArray>{W(1, 9, 256), R(10, 8), W(1, 9, 512), R(10, 8), W(1, 9, 1024), R(10, 8)}));
        QCOMPARE(q.Punti(10), QStringLiteral("VXX"));
        QVERIFY(!banco.InCorso());
        QVERIFY(Controllore.Connesso);
    }

    void multimetro()
    {
        banco.Conf_Mult(0, QStringLiteral("LOC"), QStringLiteral("CURR"));
        QCOMPARE(BancoFinto::Ricevuti(b.mult), QByteArray(":SYST:LOC\r\n"));
        banco.SerialeMult().Chiudi();
        banco.Conf_Mult(0, QStringLiteral("REM"), QStringLiteral("CURR"));
        QCOMPARE(b.messaggi, QStringList{QStringLiteral("Multimeter port not open")});
        QVERIFY(BancoFinto::Ricevuti(b.mult).isEmpty());
        banco.cmd_banco_Click();   // opens it again, the relay line untouched
        QVERIFY(banco.SerialeMult().Aperta());
    }

    // Input rows of the other source kinds: a reading off the band (K still
    // written), a failed K read (red, slot left at 1.0), a failed point read
    // at reference 0 (the point fails).
    void righe_data()
    {
        QTest::addColumn<int>("riga");
        QTest::addColumn<int>("fallisce");   // request without a reply, 0 none
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("punti");
        QTest::newRow("ResL, off the band") << 1 << 0 << "267.00(1.1236)" << "XXX";
        QTest::newRow("#1 10 V, K read fails") << 4 << 3 << "0.00(0.0000)" << "VVV";
        QTest::newRow("#0 20 mA, zero read fails") << 3 << 5 << "20000.00(1.0000)" << "XVV";
    }
    void righe()
    {
        QFETCH(int, riga);
        QFETCH(int, fallisce);
        const RigaBanco8566& r = RigheBanco8566[size_t(riga)];
        const double guadagno = riga == 1 ? 267.0 / 300 : 1;
        b.registro = 26 + r.CanaleIngresso;
        b.modulo = [&](double v) { return int(std::lround(v * guadagno * r.Scala)); };
        for (int i = 1; i < fallisce; ++i) b.fake.Accoda(FR::Predefinita());
        if (fallisce) b.fake.Accoda(FR::Nessuna());
        b.fake.Unita(r.NodoCal).Memoria.clear();
        banco.cmd_coll_Click(riga);
        b.modulo = nullptr;

        const int slot = 43 + 3 * r.TipoIngresso, in = b.registro;
        const double k = riga == 1 ? 300.0 / 267 : 1;
        QList<QByteArray> attese{W(1, 1216, 256 * r.CanaleIngresso * r.TipoSorgente), M(r.NodoCal, slot, K(1)), R(1, in)};
        if (fallisce != 3) attese << M(r.NodoCal, slot, K(k));
        attese << R(1, in) << R(1, in) << R(1, in);
        QCOMPARE(b.fake.Richieste, attese);
        QByteArray slotK;
        for (int a = slot; a < slot + 3; ++a) slotK += char(b.fake.Unita(r.NodoCal).Memoria.value(a));
        QCOMPARE(slotK, fallisce == 3 ? K(1) : K(k));
        QCOMPARE(q.testo.value({int(Risultato::K), riga}), DATO(QString, k));
        QCOMPARE(q.stato.value({int(Risultato::K), riga}), riga == 3 ? V : X);
        QCOMPARE(q.Punti(riga), DATO(QString, punti));
        QCOMPARE(q.testo.value({int(Risultato::Mezzo), riga}), QString::number(r.SetMezzo * guadagno, 'f', 2));

        QList<std::pair<int, int>> chiusure;
        for (auto [s, c] : ChiusureRele(banco.Voce())) chiusure.append({s, c});
        QCOMPARE(BancoFinto::Ricevuti(b.rele), LineeRele(chiusure));
        QVERIFY(BancoFinto::Ricevuti(b.mult).isEmpty());
        QStringList setCal;
        for (double v : {r.FondoScala, r.FondoScala, r.SetZero, r.SetMezzo, r.SetSpan})
            setCal << TestoSetCal(v);
        QCOMPARE(b.messaggi.filter(QStringLiteral("Set Cal")), setCal);
    }
};

QTEST_MAIN(TestBanco8566)
#include "test_banco8566.moc"
