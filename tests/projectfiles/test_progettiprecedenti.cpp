// Projects that earlier versions and other installations saved open with
// every rung the block encoder can build, and compile to the same code; a
// rung the editor stores opens again as it was stored.
#include "support/Ambiente.h"
#include "support/Byte.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/ContestoBlocco.h"
#include "comm/Dispositivo.h"
#include "compiler/Compilatore.h"
#include "compiler/ImmagineCodice.h"
#include "display/Pagine.h"
#include "program/Programmi.h"
#include "projectfiles/ApriProgetto.h"
#include "projectfiles/FileProgetto.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {
constexpr int kAdd = 4, kTimer = 16, kReadInput = 0, kUguale = 47, kLimiteEst = 54;

// One stored rung: identity, the eight texts, and slot 1 (the stored types);
// every other byte is 0.
struct RungSalvato {
    int classe, op, gruppo;
    std::array<QString, 8> testi;
    std::array<int, 4> slot1{};
};

QByteArray Numero(int n)
{
    return (n < 0 ? QByteArray::number(n) : ' ' + QByteArray::number(n)) + ' ';
}

// The .prj of `rung`: tagged as this version writes it, or in the older
// untagged layout, whose records carry one line more than they are read.
QByteArray Prj(const QList<RungSalvato>& rung, bool conTag)
{
    QList<QByteArray> righe{conTag ? "1.8" : "1.7", Modelli[Controllore.Modello].Codice.toLatin1()};
    if (!conTag) righe << Numero(49) << Numero(int(rung.size()));
    for (const RungSalvato& r : rung) {
        if (conTag) righe << "<FUNC>";
        righe << "" << "" << Numero(r.classe) << Numero(r.op) << Numero(r.gruppo);
        for (size_t k = 0; k < 8; ++k) {
            righe << r.testi[k].toLatin1();
            for (int j = 0; j < 4; ++j) righe << Numero(k == 1 ? r.slot1[size_t(j)] : 0);
        }
        righe << Numero(0) << Numero(0) << Numero(0);
        righe << (conTag ? QByteArray("</FUNC>") : QByteArray("dropped"));
    }
    return righe.join("\r\n") + "\r\n";
}

// The WatchDog, Timer and Add rows that earlier versions took as they read.
QList<RungSalvato> RungLetti()
{
    const auto watchdog = [](const QString& t) { return RungSalvato{3, 0, 140, {"", "", "", "", t}}; };
    const auto timer = [](const QString& ms, const QString& reg) { return RungSalvato{3, 0, 134, {"0", ms, reg}}; };
    return {watchdog("-1"),
            watchdog(""),
            timer("1000ms", "%R26"),
            timer("-5", "%R26"),
            timer("1000", "%R-1"),
            RungSalvato{3, 0, 1, {"%R-1", "%R27", "", "", "%R28"}, {0x11, 0x01, 0, 0}}};
}

// Their code image, worked out from the block and image layouts: six
// entries of ten bytes from offset 4, the code from 4 + 60 = 64, each block
// taking its length (6 for the WatchDog, 10 for the Timer, 34 for the Add).
QByteArray ImmagineAttesa()
{
    QByteArray b(160, '\0');
    b[0] = 6;
    const int lunghezze[] = {6, 6, 10, 10, 10, 34};
    int a = 64;
    for (int i = 0; i < 6; ++i) {
        const QByteArray voce = QByteArray::fromHex("03") + char(i + 1) + '\0' + char(a) + QByteArray(3, '\0')
                                + char(lunghezze[i]) + QByteArray(2, '\0');
        b.replace(4 + 10 * i, 10, voce);
        a += lunghezze[i];
    }
    const QByteArray codice = QByteArray::fromHex(
        "8c00ffff0000"                    // WatchDog -1: 65535
        "8c0000000000"                    // WatchDog empty: 0
        "860000000000e8031a00"            // Timer 1000ms, %R26
        "860000000000fbff1a00"            // Timer -5: 65531
        "860000000000e803ffff"            // Timer register -1: 65535
        "0100"                            // Add: group 1, then slots 0 to 7
        "00000000 11010000 00000000 ffff0000 1b000000 00010000 00000000 1c000000");
    b.replace(64, codice.size(), codice);
    return b;
}

void Scrivi(const QString& percorso, const QByteArray& byte)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(byte), byte.size());
}

// Rung `r` written into a .prj, read back and rebuilt, as a save and an open
// do; none when the file does not read back as one rung.
std::optional<Rung> Riaperto(const Rung& r)
{
    ProgettoSalvato p;
    p.presente[size_t(FileSet::Prj)] = true;
    p.rung << r;
    const DefModello& m = Modelli[Controllore.Modello];
    ContenutoSet contenuto;
    contenuto[size_t(FileSet::Prj)] = ScriviSet(p, m)[size_t(FileSet::Prj)];
    ProgettoSalvato letto;
    if (LeggiSet(contenuto, m, letto) || letto.rung.size() != 1) return std::nullopt;
    RicostruisciRung(letto);
    return letto.rung[0];
}
} // namespace

class TestProgettiPrecedenti : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        // A model without the display, whose pages would add code entries.
        for (int m = 0; m < NumModelli; ++m) {
            Controllore.Modello = uint8_t(m);
            if (!ModelloDisplay()) break;
        }
        QVERIFY(!ModelloDisplay());
    }

    // Every row text above opens into a valid rung, in both layouts, and the
    // compile gives the bytes the texts' leading numbers make. A value past
    // 16 bits opens invalid in every slot, a time, a register or a word the
    // block splits itself, and the compile names each rung.
    void apertiECompilati_data()
    {
        QTest::addColumn<bool>("conTag");
        QTest::newRow("1.8 layout") << true;
        QTest::newRow("older layout") << false;
    }
    void apertiECompilati()
    {
        QFETCH(bool, conTag);
        Test::AvviaWorkbench();
        const QString prj = cartella.filePath(conTag ? "tagged.prj" : "older.prj");
        QList<RungSalvato> rung = RungLetti();
        Scrivi(prj, Prj(rung, conTag));
        QCOMPARE(ApriProgetto(prj), EsitoApertura::Aperto);
        QCOMPARE(int(Programmi[0].NumRung), 6);
        for (int r = 1; r <= 6; ++r) QVERIFY2(Programmi[0].Rung[size_t(r)].Valido, qPrintable(QString::number(r)));
        QCOMPARE(Programmi[0].Rung[3].ArgTesto[1], QStringLiteral("1000ms"));
        QCOMPARE(CompilaProgramma(), 140);
        QCOMPARE(int(NumErrori), 0);
        const QByteArray immagine(reinterpret_cast<const char*>(ImmagineCodice.data()), 200);
        QCOMPARE(immagine.toHex(' '), (ImmagineAttesa() + QByteArray(40, '\0')).toHex(' '));

        rung << RungSalvato{3, 0, 134, {"0", "70000", "%R26"}} << RungSalvato{3, 0, 134, {"0", "1000", "%R70000"}}
             << RungSalvato{3, 0, 6, {"%R70000", "1", "", "", "%R30"}};
        Scrivi(prj, Prj(rung, conTag));
        QCOMPARE(ApriProgetto(prj), EsitoApertura::Aperto);
        QVERIFY(Programmi[0].Rung[6].Valido);
        QCOMPARE(CompilaProgramma(), 0);
        QCOMPARE(int(NumErrori), 3);
        for (int e = 0; e < 3; ++e) {
            QVERIFY(!Programmi[0].Rung[size_t(7 + e)].Valido);
            QCOMPARE(int(Errori[e].NumeroBlocco), 7 + e);
            QCOMPARE(Errori[e].TestoErrore, QStringLiteral("Block cannot be encoded"));
        }
    }

    // Rungs the editor stored that opened invalid: a "Dest" of a new
    // comparison holding a negative number with no type chosen, a negative
    // delay, and a "Limit (Ext)" rung. Stored, written, read back and
    // rebuilt, each is valid with the bytes, texts and delay it was stored with.
    void rungDellEditor_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("testi");   // rows 0..7, then the label
        QTest::addColumn<QString>("ritardo");
        QTest::newRow("comparison Dest -2, no type") << kUguale << QStringList{"%R26", "%R26", "", "-2"} << "";
        QTest::newRow("negative delay") << kReadInput << QStringList{} << "-2";
        QTest::newRow("Limit (Ext)") << kLimiteEst
                                     << QStringList{"%R100", "%R050", "%R104", " -4", "%R0e107", "", "", "", "L"} << "";
        QTest::newRow("Timer -5, register -1") << kTimer << QStringList{"0", "-5", "%R-1"} << "";
        QTest::newRow("Add, register -1") << kAdd << QStringList{"%R-1", "%R27", "", "", "%R28"} << "";
    }
    void rungDellEditor()
    {
        QFETCH(int, indice);
        QFETCH(QStringList, testi);
        QFETCH(QString, ritardo);
        Test::AvviaWorkbench();
        Rung r;
        DatiBlocco d = DatiIniziali(indice, r, ContestoCorrente(0));
        for (int i = 0; i < 8 && i < testi.size(); ++i) d.righe[size_t(i)].testo = testi[i];
        if (testi.size() > 8) d.etichetta = testi[8];
        d.testoTrigReg = QString();
        d.testoTrigMask = QStringLiteral("L\\h");
        if (!ritardo.isEmpty()) d.ritardo = ritardo;
        QVERIFY(CodificaBlocco(d, r).Memorizzato());

        const std::optional<Rung> letto = Riaperto(r);
        QVERIFY(letto);
        const Rung& aperto = *letto;
        QVERIFY(aperto.Valido);
        QCOMPARE(QList<int>({aperto.Classe, aperto.Gruppo, aperto.Op}), QList<int>({r.Classe, r.Gruppo, r.Op}));
        QCOMPARE(aperto.ArgTesto, r.ArgTesto);
        QCOMPARE(aperto.Etichetta, r.Etichetta);
        QCOMPARE(aperto.ArgByte, r.ArgByte);
        QCOMPARE(aperto.Delay, r.Delay);
        QCOMPARE(aperto.Lunghezza, r.Lunghezza);
    }

    // A "Limit (Ext)" that earlier versions stored with no type on MAX: its
    // type byte is 16 x MIN - 1 (MIN uLong here). It opens valid with that
    // byte, and saved and opened again it keeps every byte.
    void limiteSenzaTipoMax()
    {
        Test::AvviaWorkbench();
        const QString prj = cartella.filePath("limit.prj");
        Scrivi(prj, Prj({RungSalvato{3, 7, 141, {"%R100", "%R101", "%R102", "%R40", "1"}, {0x1F, 0x20}}}, true));
        QCOMPARE(ApriProgetto(prj), EsitoApertura::Aperto);
        const Rung aperto = Programmi[0].Rung[1];
        QVERIFY(aperto.Valido);
        QCOMPARE(Test::Byte(aperto.ArgByte[1]).toHex(), QByteArray("1f200000"));
        const std::optional<Rung> ancora = Riaperto(aperto);
        QVERIFY(ancora && ancora->Valido);
        QCOMPARE(ancora->ArgByte, aperto.ArgByte);
    }
};

QTEST_MAIN(TestProgettiPrecedenti)
#include "test_progettiprecedenti.moc"
