#include "blockeditor/famiglie/ModuliDispositivo.h"
#include "shell/Lingua.h"

#include <QtTest>

using V = VersoDispositivo;
Q_DECLARE_METATYPE(VersoDispositivo)

namespace {
// Every model name a distinct sentinel, so a wrong element shows.
void NomiDiProva()
{
    for (int k = 0; k < int(NomiModello.size()); ++k) NomiModello[size_t(k)] = QStringLiteral("M%1").arg(k);
}
} // namespace

class TestModuliDispositivo : public QObject {
    Q_OBJECT
private slots:
    void init() { NomiDiProva(); }

    void testiSeguonoIlMarchio()
    {
        QCOMPARE(TestiModuli(V::Lettura), QStringList({"M10", "M11", "M12", "M13", "M14", "M16", "M17", "M18",
                                                       "M19", "M20", "M21", "M22", "M23"}));
        QCOMPARE(TestiModuli(V::Scrittura), QStringList({"M17", "M18", "M19", "M20", "M21", "M23"}));
        NomiModello[17] = QStringLiteral("altro marchio");
        QCOMPARE(TestiModuli(V::Scrittura).first(), QStringLiteral("altro marchio"));
    }

    // Each module chosen by its text: resources with their first registers,
    // channel rows and limits.
    void moduli_data()
    {
        QTest::addColumn<VersoDispositivo>("verso");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("posizione");
        QTest::addColumn<QString>("risorse");
        QTest::addColumn<bool>("canali");
        QTest::addColumn<int>("limiteA");
        QTest::addColumn<int>("limiteCanali");
        const QString ai = QStringLiteral("Analog In=14,Sync Inputs=22");
        const QString cjc = ai + QStringLiteral(",CJC Value=13");
        auto r = [](const char* n, V v, const char* t, int pos, const QString& ris, bool c, int a = 7, int k = 8) {
            QTest::newRow(n) << v << QString::fromLatin1(t) << pos << ris << c << a << k;
        };
        r("R 8569", V::Lettura, "M10", 0, ai, true);
        r("R 8560", V::Lettura, "M11", 1, ai, true);
        r("R 8561 CJC", V::Lettura, "M12", 2, cjc, true);
        r("R 8562", V::Lettura, "M13", 3, ai, true);
        r("R 8563 CJC", V::Lettura, "M14", 4, cjc, true);
        r("R 8564", V::Lettura, "M16", 5, ai, true);
        r("R 8577", V::Lettura, "M17", 6, "Analog Out=14", true);
        r("R 8579", V::Lettura, "M18", 7, "Analog Out=14", true);
        r("R 8573", V::Lettura, "M19", 8, "Analog Out=14", true);
        r("R 8685", V::Lettura, "M20", 9, "Digital In=8", false);
        r("R 8695", V::Lettura, "M21", 10, "Digital In=8", false);
        r("R 8693 16 inputs", V::Lettura, "M22", 11, "Digital In=10", false, 15, 16);
        r("R 8633", V::Lettura, "M23", 12, "Digital In=8", false);
        r("R 8563-P in no list", V::Lettura, "M15", -1, ai, true);
        r("R no entry = code 0", V::Lettura, "", -1, ai, true);
        r("W 8577", V::Scrittura, "M17", 0, "Analog Out=14", true);
        r("W 8579", V::Scrittura, "M18", 1, "Analog Out=14", true);
        r("W 8573", V::Scrittura, "M19", 2, "Analog Out=14", true);
        r("W 8685", V::Scrittura, "M20", 3, "Digital Out=14", true);
        r("W 8695", V::Scrittura, "M21", 4, "Digital Out=14", true);
        r("W 8633", V::Scrittura, "M23", 5, "Digital Out=14", true);
        r("W 8693 not writable", V::Scrittura, "M22", -1, "", true);
        r("W no entry offers nothing", V::Scrittura, "xyz", -1, "", true);
    }
    void moduli()
    {
        QFETCH(VersoDispositivo, verso);
        QFETCH(QString, testo);
        const SceltaModulo s = ScegliModulo(verso, testo);
        QTEST(s.posizione, "posizione");
        QStringList risorse;
        for (const RisorsaModulo& m : s.offerta.risorse) risorse << m.nome + QLatin1Char('=') + QString::number(m.registro);
        QTEST(risorse.join(QLatin1Char(',')), "risorse");
        QTEST(s.offerta.canaliVisibili, "canali");
        QCOMPARE(s.offerta.limiti.Da, int16_t(0));
        QTEST(int(s.offerta.limiti.A), "limiteA");
        QTEST(int(s.offerta.limiti.Canali), "limiteCanali");
    }

    void canali_data()
    {
        QTest::addColumn<double>("da");
        QTest::addColumn<double>("a");
        QTest::addColumn<int>("limiteA");
        QTest::addColumn<bool>("ammessi");
        QTest::newRow("0..7") << 0.0 << 7.0 << 7 << true;
        QTest::newRow("To 8 over the last") << 0.0 << 8.0 << 7 << false;
        QTest::newRow("one channel") << 3.0 << 3.0 << 7 << true;
        QTest::newRow("0..15 of 16 inputs") << 0.0 << 15.0 << 15 << true;
        QTest::newRow("From below the first") << -1.0 << 3.0 << 7 << false;
        QTest::newRow("To below From") << 5.0 << 4.0 << 7 << false;
    }
    void canali()
    {
        QFETCH(double, da);
        QFETCH(double, a);
        QFETCH(int, limiteA);
        const LimitiCanali l{0, int16_t(limiteA), int16_t(limiteA + 1)};
        QTEST(CanaliAmmessi(da, a, l), "ammessi");
    }

    void registriScrittura()
    {
        using RC = RegistroConteggio;
        QCOMPARE(RegistroScrittura(0, 0, 0, 7), std::optional<RC>(RC{14, 8}));
        QCOMPARE(RegistroScrittura(2, -1, 2, 3), std::optional<RC>(RC{2, 2}));   // no resource: base 0
        QCOMPARE(RegistroScrittura(3, 0, 0, 5), std::optional<RC>(RC{9, 1}));
        QCOMPARE(RegistroScrittura(5, -1, 4, 4), std::optional<RC>(RC{9, 1}));
        QCOMPARE(RegistroScrittura(-1, 0, 0, 7), std::optional<RC>());
        QCOMPARE(RegistroLettura(13, 0, 0), (RC{13, 1}));
    }
};

QTEST_GUILESS_MAIN(TestModuliDispositivo)
#include "test_moduli_dispositivo.moc"
