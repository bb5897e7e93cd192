// The old "Compare" is met only in stored rungs: reopened through the rung
// editor it lays out its eight fixed rows and stores them again, leaving the
// rung list row's captions as they were.
#include "program/Agganci.h"
#include "program/OperazioniRung.h"
#include "program/Programmi.h"
#include "support/Ambiente.h"
#include "support/Byte.h"

#include <QtTest>

class TestCompareRung : public QObject {
    Q_OBJECT
    Test::Copione copione;
private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        copione.Installa();
    }

    void reopenedFromTheProgram()
    {
        ProgCorrente = 0;
        Programmi[0].NumRung = 3;
        Rung& r = Programmi[0].Rung[2];
        r = Rung{};
        r.Classe = 3;
        r.Gruppo = 128;
        r.Valido = true;
        r.ArgTesto = {"300", "%R1", "300", "-2", "0", "0", "0", "65535"};
        r.ArgByte[8] = {1, 2, 3, 4};
        r.Riga.NomiArg.fill("kept");
        r.Riga.Sommario = "[ kept ]";
        ModificaRung(2);
        QVERIFY(EditorBloccoAttivo()->Conferma());
        QCOMPARE(Test::Byte(r.ArgByte[0]), QByteArray::fromHex("2C010000"));
        QCOMPARE(Test::Byte(r.ArgByte[2]), QByteArray::fromHex("FEFF0000"));
        QCOMPARE(Test::Byte(r.ArgByte[7]), QByteArray::fromHex("012C0000"));
        QCOMPARE(Test::Byte(r.ArgByte[8]), QByteArray::fromHex("01020304"));
        QCOMPARE(r.Lunghezza, int16_t(34));
        QCOMPARE(r.Riga.NomiArg[0], QStringLiteral("kept"));
        QCOMPARE(r.Riga.Sommario, QStringLiteral("[ kept ]"));
    }

    void beyondSixteenBitsIsRefused()
    {
        Rung& r = Programmi[0].Rung[2];
        r.ArgTesto[2] = "65536";
        r.ArgByte[7] = {9, 9, 9, 9};
        ModificaRung(2);
        QVERIFY(!EditorBloccoAttivo()->Conferma());
        QCOMPARE(copione.Messaggi().last(), QStringLiteral("Error: Check Values"));
        QCOMPARE(Test::Byte(r.ArgByte[7]), QByteArray::fromHex("09090909"));
        EditorBloccoAttivo()->Chiudi();
    }
};

QTEST_MAIN(TestCompareRung)
#include "test_comparerung.moc"
