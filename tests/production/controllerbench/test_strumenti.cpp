// The instruments' commands on their lines: the relay multiplexer, the
// multimeter's reading (its parser, the serial and manual modes, the
// time-out) and the supply.
#include "production/controllerbench/Collaudo.h"
#include "production/controllerbench/LineaStrumento.h"
#include "support/Copione.h"
#include "support/FakeStrumento.h"
#include "support/Pty.h"

#include "support/AiutiProduzione.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {
QByteArray LeggiMaster(int fd, int attesi)
{
    QByteArray letti;
    QElapsedTimer t;
    t.start();
    while (letti.size() < attesi && t.elapsed() < 2000) {
        char b[256];
        const ssize_t n = ::read(fd, b, sizeof b);
        if (n > 0)
            letti.append(b, int(n));
        else
            QTest::qWait(5);
    }
    return letti;
}

struct Banco : StrumentiBanco {
    QString mult = QStringLiteral("COM5"), alim = QStringLiteral("COM6");
    LineaStrumento lineaMult{QStringLiteral("m")}, lineaAlim{QStringLiteral("a")};
    QString ModoMult() const override { return mult; }
    QString ModoAlim() const override { return alim; }
    LineaStrumento& SerialeMult() override { return lineaMult; }
    LineaStrumento& SerialeAlim() override { return lineaAlim; }
};
}  // namespace

class TestStrumenti : public QObject {
    Q_OBJECT
    QTemporaryDir m_porte;
    Test::CoppiaPty m_pty;
    Test::FakeStrumento m_mult, m_alim;
    Banco m_banco;
    Test::Copione m_copione;
private slots:
    void initTestCase()
    {
        QVERIFY(m_pty.Apri());
        QVERIFY(m_pty.CollegaCome(3, m_porte.path()));
        QVERIFY(m_mult.Avvia(5, m_porte.path()));
        QVERIFY(m_alim.Avvia(6, m_porte.path()));
    }
    void init()
    {
        m_copione = Test::Copione();
        m_copione.Installa();
        m_mult.Ricevuti.clear();
        m_alim.Ricevuti.clear();
    }
    void rele()
    {
        LineaStrumento& linea = Seriale_switch();
        Collaudo::ComandaRele(1, 5, true);  // closed line: nothing at all
        QVERIFY(!linea.Apri(4, QStringLiteral("9600,n,8,1")));
        QVERIFY(linea.Apri(3, QStringLiteral("9600,n,8,1")));
        Collaudo::ComandaRele(2, 7, false);
        Collaudo::ComandaRele(1, 12, true);
        QCOMPARE(LeggiMaster(m_pty.Master(), 38), QByteArray("rout:open (@207)\r\nrout:close (@112)\r\n"));
    }
    void ricezione()
    {
        LineaStrumento& linea = Seriale_switch();
        QVERIFY(linea.Aperta());
        QCOMPARE(::write(m_pty.Master(), "+4.1E-03\r\n", 10), 10);
        QTRY_COMPARE(linea.Disponibili(), 10);
        QCOMPARE(linea.Leggi(), QByteArray("+4.1E-03\r\n"));
        QCOMPARE(linea.Disponibili(), 0);
        linea.Chiudi();
        QVERIFY(!linea.Invia("x"));
    }

    void lettura_data()
    {
        QTest::addColumn<QByteArray>("risposta");
        QTest::addColumn<bool>("numero");
        QTest::addColumn<float>("valore");
        QTest::newRow("milliampere") << QByteArray("+4.12345600E-03\r\n") << true << 4.123f;
        QTest::newRow("verso meno infinito") << QByteArray("-0.00012340E+00\r\n") << true << -0.124f;
        QTest::newRow("esatto, non 0.248") << QByteArray("+2.49000000E-04") << true << 0.249f;
        QTest::newRow("negativo esatto") << QByteArray("-1.00000000E-03") << true << -1.0f;
        QTest::newRow("volt") << QByteArray("+2.40000000E+01\r\n") << true << 24000.0f;
        QTest::newRow("fuori scala") << QByteArray("+9.90000000E+37") << false << 0.0f;
        QTest::newRow("testo") << QByteArray("OVLD\r\n") << false << 0.0f;
        QTest::newRow("unita dopo") << QByteArray("+4.1E-03 A") << false << 0.0f;
        QTest::newRow("vuota") << QByteArray("\r\n") << false << 0.0f;
    }
    void lettura()
    {
        const auto v = Collaudo::LetturaMult(DATO(QByteArray, risposta));
        QCOMPARE(v.has_value(), DATO(bool, numero));
        if (v) QCOMPARE(*v, DATO(float, valore));
    }

    void multSeriale()
    {
        m_banco.lineaMult.Chiudi();
        QVERIFY(!Collaudo::LeggiMult(m_banco, 0));
        QVERIFY(m_banco.lineaMult.Apri(5, QStringLiteral("9600,n,8,1")));
        m_mult.Lettura = "+4.12345600E-03\r\n";
        QCOMPARE(Collaudo::LeggiMult(m_banco, 0), std::optional<float>(4.123f));
        m_mult.Lettura = "OVLD\r\n";
        QVERIFY(!Collaudo::LeggiMult(m_banco, 0));
        m_mult.Lettura.clear();
        QElapsedTimer t;
        t.start();
        QVERIFY(!Collaudo::LeggiMult(m_banco, 0));
        QVERIFY(t.elapsed() >= 3900 && t.elapsed() < 6000);
        QCOMPARE(m_mult.Ricevuti, QByteArray(":READ?\r\n:READ?\r\n:READ?\r\n"));
        QCOMPARE(m_copione.Messaggi(), (QStringList{"Mult: porta seriale chiusa", "Mult: risposta non valida",
                                                    "Mult: nessuna risposta"}));
    }

    void multManuale()
    {
        m_banco.mult = QStringLiteral("MANUALE");
        m_copione.RispondiTesto(QStringLiteral("4.5 mA"));
        m_copione.RispondiTesto(QStringLiteral("4.5"));
        QCOMPARE(Collaudo::LeggiMult(m_banco, 0), std::optional<float>(4500.0f));
        QCOMPARE(m_copione.richieste.size(), 2);
        QCOMPARE(m_copione.richieste[1].testo, QStringLiteral("Lettura Mult"));
        QVERIFY(m_copione.richieste[1].titolo.isEmpty() && m_copione.richieste[1].predefinito.isEmpty());
        m_copione.Annulla();
        QVERIFY(!Collaudo::LeggiMult(m_banco, 0));
        QLocale::setDefault(QLocale(QLocale::Italian));
        m_copione.RispondiTesto(QStringLiteral("0,152"));
        QCOMPARE(Collaudo::LeggiMult(m_banco, 0), std::optional<float>(152.0f));
        QLocale::setDefault(QLocale::c());
        m_banco.mult = QStringLiteral("Usb0");
        m_copione.richieste.clear();
        QCOMPARE(Collaudo::LeggiMult(m_banco, 0), std::optional<float>(0.0f));
        QVERIFY(m_copione.richieste.isEmpty() && m_mult.Ricevuti.isEmpty());
    }

    void alim()
    {
        m_banco.alim = QStringLiteral("COM6");
        Collaudo::ImpostaAlim(m_banco, true, QStringLiteral("24"));
        QVERIFY(m_banco.lineaAlim.Apri(6, QStringLiteral("9600,n,8,1")));
        QElapsedTimer t;
        t.start();
        Collaudo::ImpostaAlim(m_banco, false, QStringLiteral("24"));
        QVERIFY(t.elapsed() >= 1450);
        QTRY_COMPARE(m_alim.Ricevuti, QByteArray("SV 24\rKOD\r"));
        m_banco.alim = QStringLiteral("MANUALE");
        Collaudo::ImpostaAlim(m_banco, true, QStringLiteral("24"));
        Collaudo::ImpostaAlim(m_banco, false, QStringLiteral("0"));
        QCOMPARE(m_copione.Messaggi(),
                 (QStringList{"Alim: porta seriale chiusa", "Alim = ON, 24 Volt", "Alim = OFF"}));
        QCOMPARE(m_alim.Ricevuti, QByteArray("SV 24\rKOD\r"));
    }
};

QTEST_MAIN(TestStrumenti)
#include "test_strumenti.moc"
