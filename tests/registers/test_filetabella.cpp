// Linearisation tables without a window: the table file, the placement words
// and the point list's scroll step.
#include "registers/EditorTabelle.h"
#include "registers/FileTabella.h"
#include "registers/Tabelle.h"
#include "support/ValoriEstremi.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(EsitoFileTabella)
Q_DECLARE_METATYPE(VistaPunti)

namespace {
Tabella Crea(const QString& nome, std::initializer_list<double> x, std::initializer_list<double> y)
{
    Tabella t;
    t.NomeTabella = nome;
    t.NPunti = uint8_t(x.size());
    std::copy(x.begin(), x.end(), t.X.begin());
    std::copy(y.begin(), y.end(), t.Y.begin());
    return t;
}
} // namespace

class TestFileTabella : public QObject {
    Q_OBJECT
private slots:
    void savingExample()
    {
        const Tabella t = Crea("T", {0, 0.5, 10}, {-1, 2, 3.25});
        QCOMPARE(TestoFileTabella(t), QByteArray("T\r\n 3 \r\n 0\r\n .5\r\n 10\r\n-1\r\n 2\r\n 3.25\r\n"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("primaRiga");
        QTest::newRow("plain") << "Tank level" << QByteArray("Tank level");
        QTest::newRow("comma") << "Flow, litres" << QByteArray("\"Flow, litres\"");
        QTest::newRow("quote") << "5\" pipe" << QByteArray("\"5\"\" pipe\"");
        QTest::newRow("leading quote") << "\"x" << QByteArray("\"\"\"x\"");
        QTest::newRow("blanks") << "  padded " << QByteArray("\"  padded \"");
        QTest::newRow("accented") << QStringLiteral("Temperatura \u00B0C") << QByteArray("Temperatura \xB0""C");
    }
    void roundTrip()
    {
        QFETCH(QString, nome);
        QTemporaryDir dir;
        const QString file = dir.filePath("t.csv");
        Tabella t = Crea(nome, {-1e16, -0.25, 1e-4, 9.99e-5, 123456.789012345}, {1e15, 0, -3, .5, 2});
        QCOMPARE(ScriviFileTabella(file, t), EsitoFileTabella::Ok);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTEST(f.readAll().split('\r').first(), "primaRiga");
        Tabella letta;
        letta.X.fill(7);
        QCOMPARE(LeggiFileTabella(file, letta), EsitoFileTabella::Ok);
        QCOMPARE(letta.NomeTabella, nome);
        QCOMPARE(int(letta.NPunti), 5);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(letta.X[size_t(k)], t.X[size_t(k)]);
            QCOMPARE(letta.Y[size_t(k)], t.Y[size_t(k)]);
        }
        QCOMPARE(letta.X[5], 7.0);   // points past the count are not touched
    }

    // Points at the edges of the double range come back as written, and the
    // file read back writes the same bytes.
    void extremeValues()
    {
        const auto valori = Test::ValoriEstremi();
        Tabella t;
        t.NomeTabella = QStringLiteral("edges");
        t.NPunti = uint8_t(valori.size());
        for (int k = 0; k < valori.size(); ++k) {
            t.X[size_t(k)] = valori[k].second;
            t.Y[size_t(k)] = -valori[k].second;
        }
        const QByteArray testo = TestoFileTabella(t);
        Tabella letta;
        QCOMPARE(LeggiTestoTabella(testo, letta), EsitoFileTabella::Ok);
        for (int k = 0; k < valori.size(); ++k) {
            QVERIFY2(Test::RilettoComeScritto(t.X[size_t(k)], letta.X[size_t(k)]), valori[k].first);
            QVERIFY2(Test::RilettoComeScritto(t.Y[size_t(k)], letta.Y[size_t(k)]), valori[k].first);
        }
        QCOMPARE(TestoFileTabella(letta), testo);
        QVERIFY(testo.contains("\r\n 1.79769313486231E+308\r\n-1.79769313486231E+308\r\n"));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<EsitoFileTabella>("esito");
        QTest::newRow("empty") << QByteArray() << EsitoFileTabella::Malformato;
        QTest::newRow("empty name") << QByteArray(", 2\r\n1\r\n2\r\n3\r\n4\r\n") << EsitoFileTabella::Malformato;
        QTest::newRow("no count") << QByteArray("T\r\n") << EsitoFileTabella::Malformato;
        QTest::newRow("count not a number") << QByteArray("T\r\nx\r\n") << EsitoFileTabella::Malformato;
        QTest::newRow("count 1") << QByteArray("T\r\n 1 \r\n 0\r\n 0\r\n") << EsitoFileTabella::ConteggioFuori;
        QTest::newRow("count 33") << QByteArray("T\r\n 33 \r\n") << EsitoFileTabella::ConteggioFuori;
        QTest::newRow("count 2.5") << QByteArray("T\r\n 2.5 \r\n") << EsitoFileTabella::ConteggioFuori;
        QTest::newRow("ends early") << QByteArray("T\r\n 2 \r\n 1\r\n 2\r\n 3\r\n") << EsitoFileTabella::Malformato;
        QTest::newRow("bad value") << QByteArray("T\r\n 2 \r\n 1\r\n 2x5\r\n 3\r\n 4\r\n") << EsitoFileTabella::Malformato;
        QTest::newRow("unclosed quote") << QByteArray("\"T\r\n 2 \r\n") << EsitoFileTabella::Malformato;
    }
    void refusedFiles()
    {
        QFETCH(QByteArray, testo);
        const Tabella prima = Crea("Old", {1, 2}, {3, 4});
        Tabella t = prima;
        QTEST(LeggiTestoTabella(testo, t), "esito");
        QCOMPARE(t.NomeTabella, prima.NomeTabella);
        QCOMPARE(t.NPunti, prima.NPunti);
        QCOMPARE(t.X, prima.X);
    }

    void fieldsByCommaOrLine()
    {
        // Any field may end at a comma; blanks around fields are dropped.
        Tabella t;
        QCOMPARE(LeggiTestoTabella("  Curve  , 2\n1.5, -2\n\n3,4", t), EsitoFileTabella::Ok);
        QCOMPARE(t.NomeTabella, QStringLiteral("Curve"));
        QCOMPARE(t.X[1], -2.0);
        QCOMPARE(t.Y[1], 4.0);
    }

    void placementWords()
    {
        QCOMPARE(InizioTabelle(5634), int16_t(165));
        const auto prima = Tabelle;
        const auto primaN = NumTabelle;
        Tabelle[0].NPunti = 9;
        Tabelle[1].NPunti = 8;
        Tabelle[2].NPunti = 32;
        Tabelle[3].RegistroTab = 77;
        NumTabelle = 3;
        CalcolaTabelle(165);
        QCOMPARE(Tabelle[0].RegistroTab, int16_t(165 - 22));
        QCOMPARE(Tabelle[1].RegistroTab, int16_t(165 - 23));
        QCOMPARE(Tabelle[2].RegistroTab, int16_t(165 - 23 - 1 + 1 - 4));
        QCOMPARE(Tabelle[3].RegistroTab, int16_t(77));   // not in use
        // Nine tables of 32 points: every word stays positive and the image
        // area starts inside the program.
        for (Tabella& t : Tabelle) t.NPunti = 32;
        NumTabelle = 9;
        CalcolaTabelle(InizioTabelle(5634));
        QVERIFY(Tabelle[8].RegistroTab > 0);
        QVERIFY((Tabelle[0].RegistroTab - 1) * 34 - 1 < 5634);
        Tabelle = prima;
        NumTabelle = primaN;
    }

    void scrollStep_data()
    {
        QTest::addColumn<int>("posizione");
        QTest::addColumn<int>("punti");
        QTest::addColumn<VistaPunti>("vista");
        QTest::newRow("2 points") << 0 << 2 << VistaPunti{0, 0, 2};
        QTest::newRow("8 points") << 0 << 8 << VistaPunti{0, 0, 8};
        QTest::newRow("20 points at 15") << 15 << 20 << VistaPunti{12, 12, 8};
        QTest::newRow("20 points at 5") << 5 << 20 << VistaPunti{5, 5, 8};
        QTest::newRow("32 points at the end") << 32 << 32 << VistaPunti{24, 24, 8};
    }
    void scrollStep()
    {
        QFETCH(int, posizione);
        QFETCH(int, punti);
        QTEST(PassoScorrimento(posizione, punti), "vista");
    }
};

QTEST_MAIN(TestFileTabella)
#include "test_filetabella.moc"
