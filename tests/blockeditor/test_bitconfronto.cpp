// Bit-operation, comparison and limit blocks and the old "Compare", as data:
// layouts on stored slot bytes, rung bytes, captions and refusals.
#include "base/Testi.h"
#include "blockeditor/Famiglie.h"
#include "program/Programmi.h"

#include <QtTest>

namespace {
constexpr int kTipoNessuno = -1, kTipoLascia = -2;

// The nine slots as one hex text, blank between slots.
QString Slot(const Rung& r)
{
    QStringList s;
    for (const auto& slot : r.ArgByte)
        s << QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(slot.data()), 4).toHex().toUpper());
    return s.join(' ');
}

// Rows 0..7 as "caption:type=text", "-" for a hidden row.
QString Righe(const DatiBlocco& d)
{
    QStringList s;
    for (const RigaBlocco& r : d.righe)
        s << (r.visibile ? r.didascalia + ':' + (r.tipoVisibile ? r.TestoTipo() : "~") + '=' + r.testo : "-");
    return s.join(", ");
}

// Block `indice` laid out on a rung whose slot 1 is zero, every slot then
// filled with EE so that what is not written shows; `testi` (rows 0 up) and
// `tipi` (codes, or none / leave) set over the defaults.
DatiBlocco Prepara(int indice, Rung& rung, const QStringList& testi, const QList<int>& tipi)
{
    ContestoBlocco c;
    c.modello.PrimoRegistroUtente = 34;
    DatiBlocco d = DatiIniziali(indice, rung, c);
    for (auto& s : rung.ArgByte) s.fill(0xEE);
    for (int i = 0; i < testi.size(); ++i)
        if (testi[i] != "*") d.righe[size_t(i)].testo = testi[i];
    for (int i = 0; i < tipi.size(); ++i)
        if (tipi[i] != kTipoLascia) d.righe[size_t(i)].ScegliTipo(tipi[i]);
    return d;
}
} // namespace

class TestBitConfronto : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QStringList tipi = {"uInt", "Int", "uLong", "Long", "Float", "K_Flt", "K_Long"};
        for (int i = 0; i < tipi.size(); ++i) TipiDato[size_t(i)] = tipi[i];
        for (auto [k, t] : {std::pair{66, "Number"}, {67, "Dest"}, {69, "Source"}, {74, "Mask"}, {152, "Latch"}})
            TestiLingua[k] = QString::fromLatin1(t);
    }

    void layouts_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("slot1");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<QString>("righe");
        QTest::addColumn<int>("op");
        QTest::newRow("AND(bit) types from slot 1, never encoded") << 33 << "6202" << false
            << "Source A:uLong=%R34, Mask A:K_Long=1, Source B:K_Long=34, Mask B:K_Long=1, Dest:uLong=%R34, "
               "Mask Dest:K_Long=1, -, -" << 8;
        QTest::newRow("NOT on slot 1 zero") << 24 << "0000" << true
            << "SourceA:uInt=%R34, -, -, -, Dest:uInt=%R34, Mask:K_Long=1, -, -" << 3;
        QTest::newRow("Shift R, dest nibble not offered") << 25 << "6606" << false
            << "Source:K_Long=34, -, Number:uInt=1, -, Dest:=34, -, -, -" << 4;
        QTest::newRow("POS, latch nibble not offered") << 56 << "2000" << false
            << "Source:uInt=%R34, Mask Source:K_Long=1, Latch:=%R34, -, Dest:uInt=%R34, -, -, -" << 11;
        QTest::newRow("new comparison") << 49 << "1502" << false
            << "Input A:Int=%R26, Input B:Int=%R26, -, Dest:=%R34, Mask:K_Long=1, -, -, -" << 2;
        QTest::newRow("comparison reopened") << 48 << "1502" << true
            << "Input A:Int=%R26, Input B:K_Flt=26, -, Dest:uLong=%R34, Mask:K_Long=1, -, -, -" << 1;
        QTest::newRow("limit never encoded") << 53 << "5342" << false
            << "Input:Float=%R26, MAX:Long=%R26, MIN:K_Flt=26, Dest:=%R34, Mask:K_Long=1, -, -, -" << 6;
        QTest::newRow("limit on slot 1 zero") << 54 << "0000" << true
            << "Input:uInt=%R26, MAX:uInt=%R26, MIN:uInt=%R26, Dest:uInt=%R34, Mask:K_Long=1, -, -, -" << 7;
        QTest::newRow("Compare writes no Op") << 10 << "FFFF" << true
            << "Reg A:~=0, Reg B:~=0, Mask:~=0, Dest:~=0, And if True:~=0, Or if True:~=0, And if False:~=0, "
               "Or if False:~=0" << 99;
    }
    void layouts()
    {
        QFETCH(int, indice);
        QFETCH(QString, slot1);
        Rung rung;
        rung.Op = 99;
        QFETCH(bool, valido);
        rung.Valido = valido;
        const QByteArray b = QByteArray::fromHex(slot1.toLatin1());
        rung.ArgByte[1] = {uint8_t(b[0]), uint8_t(b[1]), 0, 0};
        ContestoBlocco c;
        c.modello.PrimoRegistroUtente = 34;
        QTEST(Righe(DatiIniziali(indice, rung, c)), "righe");
        QTEST(int(rung.Op), "op");
    }

    void encodes_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<QList<int>>("tipi");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("didascalie");
        QTest::addColumn<QString>("sommario");
        const int u = TipoUInt, ul = TipoULong, kl = TipoKLong, no = kTipoNessuno, l = kTipoLascia;
        // Rows 0..5: * keeps the laid-out text.
        QTest::newRow("Bit Set") << 36 << QStringList{"*", "*", "*", "*", "%R30", "8"} << QList<int>{}
            << "09EEEEEE 66000000 08000000 FFFF0000 FFFF0000 FFFF0000 FFFF0000 1E000000 EEEEEEEE"
            << " ()|| ()||Dest (uInt)|Mask" << "[  ,  ,  ,  , %R30 , 8 ]";
        QTest::newRow("Bit Reset") << 37 << QStringList{"*", "*", "*", "*", "%R30", "8"} << QList<int>{}
            << "08EEEEEE 66000000 08000000 00000000 00000000 FFFF0000 FFFF0000 1E000000 EEEEEEEE" << "" << "";
        QTest::newRow("AND(word), 32-bit mask, last register") << 21
            << QStringList{"%R65535", "*", "%R200", "*", "%R1024", "70000"} << QList<int>{u, l, ul, l, ul}
            << "00EEEEEE 20020000 70110100 FFFF0000 C8000000 00000000 00000000 00040000 EEEEEEEE"
            << "Source A (uInt)||Source B (uLong)||Dest (uLong)|Mask" << "[ %R65535 ,  , %R200 ,  , %R1024 , 70000 ]";
        QTest::newRow("NOT leaves slot 4") << 24 << QStringList{"5"} << QList<int>{kl}
            << "03EEEEEE 06000000 01000000 05000000 EEEEEEEE 00000000 00000000 22000000 EEEEEEEE"
            << "SourceA (K_Long)|| ()||Dest (uInt)|Mask" << "";
        QTest::newRow("Rotate L never writes slot 4") << 28 << QStringList{"%R40", "*", "3"} << QList<int>{}
            << "07EEEEEE 00000000 03000000 28000000 EEEEEEEE 00000000 00000000 22000000 EEEEEEEE"
            << "Source (uInt)||Number (uInt)||Dest (uInt)|" << "[ %R40 ,  , 3 ,  , %R34 ,  ]";
        QTest::newRow("AND(bit) uLong and K_Long") << 33 << QStringList{"%R40", "1", "70000", "2", "*", "3"}
            << QList<int>{ul, l, kl} << "08EEEEEE 62000000 03000000 28000000 70110100 01000000 02000000 22000000 EEEEEEEE"
            << "Source A (uLong)|Mask A|Source B (K_Long)|Mask B|Dest (uInt)|Mask Dest"
            << "[ %R40 , 1 , 70000 , 2 , %R34 , 3 ]";
        QTest::newRow("POS latch masks word-swapped") << 56 << QStringList{"*", "1", "%R40"} << QList<int>{}
            << "0BEEEEEE 00000000 00010000 22000000 28000000 00010000 00010000 22000000 EEEEEEEE" << "" << "";
        QTest::newRow("A > B") << 49 << QStringList{"%R26", "2.5", "*", "%R30", "1"} << QList<int>{l, TipoKFlt, l, u}
            << "02EEEEEE 15100000 01000000 00002040 00000000 1A000000 EEEEEEEE 1E000000 EEEEEEEE"
            << "Input A (Int)|Input B (K_Flt)| ()|Dest (uInt)|Mask (K_Long)|old" << "[ %R26 , 2.5 ,  , %R30 , 1 ]";
        QTest::newRow("A = B, input B without a type") << 47 << QStringList{} << QList<int>{TipoLong, no}
            << "00EEEEEE 30300000 01000000 1A000000 00000000 1A000000 EEEEEEEE 22000000 EEEEEEEE" << "" << "";
        QTest::newRow("Limit (Int)") << 53 << QStringList{"%R26", "10", "2", "%R30"}
            << QList<int>{u, TipoKFlt, TipoKFlt, ul}
            << "06EEEEEE 55020000 01000000 00002041 00000040 1A000000 EEEEEEEE 1E000000 EEEEEEEE"
            << "Input (uInt)|MAX (K_Flt)|MIN (K_Flt)|Dest (uLong)|Mask (K_Long)|old" << "[ %R26 , 10 , 2 , %R30 , 1 ]";
        QTest::newRow("Compare") << 10 << QStringList{"300", "%R2", "300", "-2", "1", "0", "65535", "-65536"}
            << QList<int>{} << "2C010000 02000000 FEFF0000 00010000 00000000 FFFF0000 00000000 012C0000 EEEEEEEE"
            << "old|old|old|old|old|old" << "[ old ]";
    }
    void encodes()
    {
        QFETCH(int, indice);
        QFETCH(QStringList, testi);
        QFETCH(QList<int>, tipi);
        QFETCH(QString, didascalie);
        QFETCH(QString, sommario);
        Rung rung;
        DatiBlocco d = Prepara(indice, rung, testi, tipi);
        rung.Riga.NomiArg.fill("old");
        rung.Riga.Sommario = "[ old ]";
        rung.Delay = 7;
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        QTEST(Slot(rung), "slot");
        QCOMPARE(QList<int>({rung.Lunghezza, rung.Delay}), (QList<int>{34, 0}));
        if (!didascalie.isEmpty())
            QCOMPARE(QStringList(rung.Riga.NomiArg.begin(), rung.Riga.NomiArg.begin() + 6).join('|'), didascalie);
        if (!sommario.isEmpty()) QCOMPARE(rung.Riga.Sommario, sommario);
    }

    // A shown source B or MAX without a type: the rung would open again
    // with a type there and other bytes, so the editor refuses it; a stored
    // rung is still read back as it was written.
    void senzaTipo_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("testi");
        QTest::addColumn<QList<int>>("tipi");
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("slot");   // as a stored project reads it
        const int u = TipoUInt, ul = TipoULong, no = kTipoNessuno, l = kTipoLascia;
        QTest::newRow("TOGGLE down, latch without a type") << 59 << QStringList{"*", "305419896"} << QList<int>{l, l, no}
            << 2 << "10EEEEEE 00000000 56781234 22000000 EEEEEEEE 56781234 56781234 22000000 EEEEEEEE";
        QTest::newRow("AND(word), source B without a type") << 21 << QStringList{"%R40", "*", "%R41"}
            << QList<int>{u, l, no} << 2
            << "00EEEEEE 00000000 01000000 28000000 EEEEEEEE 00000000 00000000 22000000 EEEEEEEE";
        QTest::newRow("Limit (Ext), MAX without a type") << 54 << QStringList{} << QList<int>{u, no, ul, u} << 1
            << "07EEEEEE 1F000000 01000000 1A000000 1A000000 1A000000 EEEEEEEE 22000000 EEEEEEEE";
    }
    void senzaTipo()
    {
        QFETCH(int, indice);
        QFETCH(QStringList, testi);
        QFETCH(QList<int>, tipi);
        Rung rung;
        DatiBlocco d = Prepara(indice, rung, testi, tipi);
        const EsitoCodifica e = CodificaBlocco(d, rung);
        QCOMPARE(int(e.esito), int(Esito::RigaErrata));
        QTEST(e.riga, "riga");
        QVERIFY(!rung.Valido);
        d.lettura = LetturaRighe::Progetto;
        QVERIFY(CodificaBlocco(d, rung).Memorizzato());
        QTEST(Slot(rung), "slot");
    }

    void refusals_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("intatto");   // a slot the refused encoding never reached
        const int no = kTipoNessuno, l = kTipoLascia;
        QTest::newRow("negative mask") << 21 << 5 << "-1" << l << 2;
        QTest::newRow("mask past 32 bits") << 33 << 1 << "4294967296" << l << 5;
        QTest::newRow("negative K_Long source") << 34 << 0 << "-3" << int(TipoKLong) << 3;
        QTest::newRow("negative latch mask") << 57 << 1 << "-1" << l << 5;
        QTest::newRow("word source without a type") << 23 << 0 << "*" << no << 1;
        QTest::newRow("set without a dest type") << 36 << 4 << "*" << no << 1;
        QTest::newRow("comparison input without a type") << 50 << 0 << "*" << no << 1;
        QTest::newRow("comparison mask without a type") << 51 << 4 << "*" << no << 2;
        QTest::newRow("limit MIN without a type") << 53 << 2 << "*" << no << 1;
        QTest::newRow("limit MAX without a type, MIN first") << 53 << 1 << "*" << no << 1;
        QTest::newRow("limit input without a type") << 54 << 0 << "*" << no << 1;
        QTest::newRow("Compare mask past 16 bits") << 10 << 2 << "65536" << l << 7;
        QTest::newRow("Compare below -65536") << 10 << 0 << "-65537" << l << 0;
    }
    void refusals()
    {
        QFETCH(int, indice);
        QFETCH(int, riga);
        QFETCH(QString, testo);
        QFETCH(int, tipo);
        QFETCH(int, intatto);
        Rung rung;
        QStringList testi(riga + 1, "*");
        testi[riga] = testo;
        QList<int> tipi(riga + 1, kTipoLascia);
        tipi[riga] = tipo;
        DatiBlocco d = Prepara(indice, rung, testi, tipi);
        rung.Valido = true;
        const EsitoCodifica e = CodificaBlocco(d, rung);
        QCOMPARE(int(e.esito), int(Esito::RigaErrata));
        QCOMPARE(e.riga, riga);
        QVERIFY(rung.Valido);
        QCOMPARE(Slot(rung).split(' ')[intatto], QStringLiteral("EEEEEEEE"));
        if (indice != 10) QVERIFY(rung.ArgByte[0][0] != 0xEE);
    }
};

QTEST_GUILESS_MAIN(TestBitConfronto)
#include "test_bitconfronto.moc"
