// The shared tables: brand offset, model records, the string table and the
// language switch.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "resources/TabellaStringhe.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"

#include <QAction>
#include <QSet>
#include <QtTest>

// Runs the loader under another brand and puts the edition's brand back.
struct MarchioTemporaneo {
    int16_t prima = OffsetMarchio;
    explicit MarchioTemporaneo(int16_t offset)
    {
        OffsetMarchio = offset;
        CaricaLingua(Lingua);
    }
    ~MarchioTemporaneo()
    {
        OffsetMarchio = prima;
        CaricaLingua(Lingua);
    }
};

// Removes string-table entries for the length of a test.
struct VociMancanti {
    QHash<int, QString> tolte;
    explicit VociMancanti(std::initializer_list<int> ids)
    {
        for (int id : ids) tolte.insert(id, TabellaStringhe().take(id));
    }
    ~VociMancanti()
    {
        for (auto it = tolte.cbegin(); it != tolte.cend(); ++it) TabellaStringhe().insert(it.key(), it.value());
    }
};

class TestTabelle : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }
    void cleanup() { CambiaLingua(1); }

    void offsetMarchio_data()
    {
        QTest::addColumn<int>("flag");   // bits 600, 650, 700, 750
        QTest::addColumn<int>("offset");
        // The last set flag in the order 600, 650, 700, 750 wins.
        for (int f = 0; f < 16; ++f)
            QTest::newRow(qPrintable(QString::number(f, 2))) << f << (f & 8 ? 150 : f & 4 ? 100 : f & 2 ? 50 : 0);
    }
    void offsetMarchio()
    {
        QFETCH(int, flag);
        QTEST(int(CalcolaOffsetMarchio(flag & 1, flag & 2, flag & 4, flag & 8)), "offset");
    }

    void codiciDistinti()
    {
        QSet<QString> codici;
        for (int r = 0; r <= RecordModello4157; ++r) {
            QCOMPARE(Modelli[r].Codice.size(), 4);
            codici.insert(Modelli[r].Codice);
        }
        QCOMPARE(codici.size(), RecordModello4157 + 1);
        QVERIFY(!codici.contains(QStringLiteral("47A7")));
    }

    void nomiVuotiAlPrimoCaricamento()
    {
        const auto salvati = NomiModello;
        NomiModello.fill(QString());
        CaricaModelli();
        QVERIFY(Modelli[0].Nome.isEmpty());
        QVERIFY(Modelli[RecordModello4157].Nome.isEmpty());
        QCOMPARE(Modelli[12].Nome, QStringLiteral("QVR8035-MBTCP"));
        NomiModello = salvati;
        CaricaModelli();
        QCOMPARE(Modelli[0].Nome, QStringLiteral("ZM-RS485-ETH"));
    }

    void nomiPerMarchio_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("prodotto");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("record");   // a model record named after k, -1 none
        QTest::newRow("600 k0") << 0 << "Mirok" << 0 << "QVR4555" << 0;
        QTest::newRow("600 k4 at position 26") << 0 << "Mirok" << 4 << "QVR4555-USB" << 5;
        QTest::newRow("600 k7 at position 27") << 0 << "Mirok" << 7 << "QVR4566-USB" << 8;
        QTest::newRow("650 k3, record 4 shares it") << 50 << "Brixa" << 3 << "---" << 4;
        QTest::newRow("650 k4") << 50 << "Brixa" << 4 << "ZM-RS485-ETH DL/IO" << 22;
        QTest::newRow("650 k15") << 50 << "Brixa" << 15 << "QVR8563-P" << -1;
        QTest::newRow("700 k4") << 100 << "PRWCON3" << 4 << "PRW3 (USB)" << 15;
        QTest::newRow("750 k16") << 150 << "Mirok" << 16 << "QVR8564" << -1;
    }
    void nomiPerMarchio()
    {
        QFETCH(int, offset);
        QFETCH(int, k);
        QFETCH(QString, nome);
        QFETCH(int, record);
        MarchioTemporaneo marchio{int16_t(offset)};
        QTEST(TestoRisorsa(601 + offset), "prodotto");
        QCOMPARE(NomiModello[k], nome);
        if (record >= 0) QCOMPARE(Modelli[record].Nome, nome);
        // The gateway record keeps its fixed name in every brand.
        QCOMPARE(Modelli[12].Nome, QStringLiteral("QVR8035-MBTCP"));
    }

    void testoRisorsa()
    {
        // Misspellings are the table's own; "" for ids it does not carry:
        // brand position 0, past the brand table, Italian block names, text 47.
        const QList<std::pair<int, QString>> casi = {
            {501, "1.8"}, {900, "Lingua"}, {902, "Italiano"}, {1212, " "}, {1217, "Bit Set"}, {1236, "Bit Set"},
            {1262, "Write Coil"}, {2065, "Regisro"}, {2098, "Modalità Debug"}, {3100, "'Animate' time"},
            {2169, "Bit [0÷15]"}, {3208, "Lenght"}, {3211, "The application must contain at least 1 function block"},
            {677, "ZM-E4566-USB"}, {726, "PRW3 (USB)"}, {650, ""}, {678, ""}, {1000, ""}, {3047, ""}};
        for (const auto& [id, testo] : casi)
            QCOMPARE(QString::number(id) + u' ' + TestoRisorsa(id), QString::number(id) + u' ' + testo);
    }

    void cambioLingua_data()
    {
        QTest::addColumn<int>("lingua");
        // Months 1 and 12, texts 172, 208 and 53, the language label, the
        // Export and Program menu captions.
        QTest::addColumn<QStringList>("testi");
        QTest::newRow("italian") << 0 << QStringList{"Gennaio", "Dicembre", "Salvare i cambiamenti?", "Lunghezza",
                                                     "Programma", "Lingua", "Esporta", "Programma"};
        QTest::newRow("english") << 1 << QStringList{"January", "December", "Do you want to save your changes?",
                                                     "Lenght", "Program", "Language", "Export", "Program"};
    }
    void cambioLingua()
    {
        QFETCH(int, lingua);
        // Start from the other language so every table really changes.
        CaricaLingua(1 - lingua);
        const auto tipi = TipiDato;
        const auto funzioni = NomiFunzione;
        const auto modelli = NomiModello;
        CambiaLingua(lingua);
        QCOMPARE(int(Lingua), lingua);
        Principale* p = Principale::Istanza();
        const QStringList visti = {NomiMese[1], NomiMese[12], Testo(172), Testo(208), Testo(53), EtichettaLingua,
                                   p->Menu(QStringLiteral("mnu_Export"))->text(),
                                   p->Menu(QStringLiteral("mnu_program"))->text()};
        QTEST(visti, "testi");
        QVERIFY(NomiMese[0].isEmpty());
        // Language-independent tables stay as they were.
        QCOMPARE(TipiDato, tipi);
        QCOMPARE(NomiFunzione, funzioni);
        QCOMPARE(NomiModello, modelli);
    }

    // An unknown language, and entries missing from the table, leave what
    // was loaded before.
    void voceMancanteLasciaIlValore()
    {
        CaricaLingua(0);
        CaricaLingua(2);
        QCOMPARE(int(Lingua), 0);
        QCOMPARE(EtichettaLingua, QStringLiteral("Lingua"));
        NomiModello[0] = QStringLiteral("sentinel");
        {
            // English month 1, text 172, the Export caption, the language
            // label and the brand's first model name are missing.
            VociMancanti mancanti({3007, 3172, 3171, 901, 652});
            CaricaLingua(1);
            QCOMPARE(NomiMese[1], QStringLiteral("Gennaio"));
            QCOMPARE(NomiMese[2], QStringLiteral("February"));
            QCOMPARE(Testo(172), QStringLiteral("Salvare i cambiamenti?"));
            QCOMPARE(Testo(45), QStringLiteral("Error"));
            QCOMPARE(Principale::Istanza()->Menu(QStringLiteral("mnu_Export"))->text(), QStringLiteral("Esporta"));
            QCOMPARE(Principale::Istanza()->Menu(QStringLiteral("mnu_program"))->text(), QStringLiteral("Program"));
            QCOMPARE(EtichettaLingua, QStringLiteral("Lingua"));
            QCOMPARE(NomiModello[0], QStringLiteral("sentinel"));
            QCOMPARE(Modelli[0].Nome, QStringLiteral("sentinel"));
            QCOMPARE(NomiModello[1], QStringLiteral("ZM-RS485-ETH IO"));
            QCOMPARE(TestoRisorsa(3172), QString());
        }
        CaricaLingua(1);
        QCOMPARE(NomiMese[1], QStringLiteral("January"));
        QCOMPARE(Testo(172), QStringLiteral("Do you want to save your changes?"));
        QCOMPARE(NomiModello[0], QStringLiteral("ZM-RS485-ETH"));
    }
};

QTEST_MAIN(TestTabelle)
#include "test_tabelle.moc"
