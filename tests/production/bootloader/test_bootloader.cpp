// The bootloader tool without its window: the firmware loader, the
// identification reply, and the query against a scripted bootloader on a
// pseudo-terminal (answering after some TABs, never, or briefly).
#include "production/bootloader/Bootloader.h"
#include "support/AiutiProduzione.h"
#include "support/Pty.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <QtTest>
#include <unistd.h>

using Parole = QList<QPair<int, int>>;   // word index, value

namespace {
// A bootloader on the master side: counts the TABs it gets and answers
// `risposta` once, after the `dopo`-th.
struct PeerBoot : QObject {
    Test::CoppiaPty pty;
    QSocketNotifier* notifica = nullptr;
    QByteArray ricevuti;
    QByteArray risposta;
    int dopo = 0;

    bool Avvia()
    {
        if (!pty.CollegaCome(Bootloader::PortaBoot)) return false;
        notifica = new QSocketNotifier(pty.Master(), QSocketNotifier::Read, this);
        connect(notifica, &QSocketNotifier::activated, this, [this] {
            char buf[256];
            ssize_t n;
            while ((n = ::read(pty.Master(), buf, sizeof buf)) > 0) {
                ricevuti.append(buf, n);
                if (ricevuti.count('\t') == dopo && !risposta.isEmpty())
                    Q_UNUSED(::write(pty.Master(), risposta.constData(), size_t(risposta.size())));
            }
        });
        return true;
    }
};
} // namespace

class TestBootloader : public QObject {
    Q_OBJECT

private slots:
    void caricaHex_data()
    {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("esito");
        QTest::addColumn<int>("riga");
        QTest::addColumn<Parole>("parole");   // every non-zero word
        const QByteArray dati10 = ":0400100012345678E0\r\n";
        QTest::newRow("data") << dati10 << int(EsitoHex::Ok) << 0 << Parole{{8, 0x1234}, {9, 0x5678}};
        QTest::newRow("upper 0") << ":020000040000FA\r\n" + dati10 << int(EsitoHex::Ok) << 0 << Parole{{8, 0x1234}, {9, 0x5678}};
        QTest::newRow("odd address down to even") << QByteArray(":02001100ABCD00\n") << int(EsitoHex::Ok) << 0 << Parole{{8, 0xABCD}};
        QTest::newRow("odd address up to even") << QByteArray(":02001300ABCD00\n") << int(EsitoHex::Ok) << 0 << Parole{{10, 0xABCD}};
        QTest::newRow("after end record") << ":00000001FF\r\n" + dati10 << int(EsitoHex::Ok) << 0 << Parole{{8, 0x1234}, {9, 0x5678}};
        QTest::newRow("last word") << QByteArray(":021FF800BEEF00\n") << int(EsitoHex::Ok) << 0 << Parole{{4092, 0xBEEF}};
        QTest::newRow("beyond last word") << dati10 + ":041FF80011112222\n" << int(EsitoHex::OltreImmagine) << 2
                                          << Parole{{8, 0x1234}, {9, 0x5678}};
        QTest::newRow("upper address beyond") << ":020000040001F9\n" + dati10 << int(EsitoHex::OltreImmagine) << 2 << Parole{};
        QTest::newRow("odd count") << dati10 + ":03000000AABBCC00\n" << int(EsitoHex::ConteggioDispari) << 2
                                   << Parole{{8, 0x1234}, {9, 0x5678}};
        QTest::newRow("not hex") << QByteArray(":0X00000000\n") << int(EsitoHex::RigaIlleggibile) << 1 << Parole{};
    }
    void caricaHex()
    {
        QFETCH(QByteArray, testo);
        QFETCH(int, esito);
        QFETCH(int, riga);
        QFETCH(Parole, parole);
        ImmagineFirmware img;
        img.fill(0x7777);   // a load starts from a cleared image
        const CaricamentoHex c = CaricaHex(testo, img);
        QCOMPARE(int(c.esito), esito);
        QCOMPARE(c.riga, riga);
        Parole trovate;
        for (int i = 0; i < ParoleFirmware; ++i)
            if (img[size_t(i)]) trovate.append({i, img[size_t(i)]});
        QCOMPARE(trovate, parole);
        QCOMPARE(MessaggioHex(c).isEmpty(), esito == int(EsitoHex::Ok));
    }

    void identita_data()
    {
        QTest::addColumn<QByteArray>("risposta");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("rev");
        QTest::newRow("six bytes") << QByteArray("\x34\x12\0\0\0\xA5", 6) << "0x1234" << "A";
        QTest::newRow("two bytes") << QByteArray("\x01\x00", 2) << "0x1" << "0";
        QTest::newRow("high byte 80") << QByteArray("\x00\x80\0\0\0\xF0", 6) << "0x8000" << "F";
    }
    void identita()
    {
        QFETCH(QByteArray, risposta);
        const IdentitaBoot i = IdentitaBoot::Da(risposta);
        QCOMPARE(i.TestoID(), DATO(QString, id));
        QCOMPARE(i.TestoRevisione(), DATO(QString, rev));
    }

    // The query: TABs only, until the first input; a bound when nothing
    // comes; nothing sent with the port closed.
    void query_data()
    {
        QTest::addColumn<int>("dopo");
        QTest::addColumn<QByteArray>("risposta");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QString>("id");
        QTest::newRow("after three") << 3 << QByteArray("\x34\x12\0\0\0\xA5", 6) << int(EsitoIdentifica::Identificato) << "0x1234";
        QTest::newRow("short reply") << 1 << QByteArray("\x01", 1) << int(EsitoIdentifica::Identificato) << "0x1";
        QTest::newRow("never") << 0 << QByteArray() << int(EsitoIdentifica::NessunaRisposta) << "";
    }
    void query()
    {
        QFETCH(int, dopo);
        QFETCH(int, esito);
        PeerBoot peer;
        QVERIFY(peer.Avvia());
        peer.dopo = dopo;
        peer.risposta = DATO(QByteArray, risposta);
        Bootloader b;
        b.TempoMassimo = 1.2;
        QVERIFY(b.Apri());
        QVERIFY(b.Apri());
        QElapsedTimer t;
        t.start();
        IdentitaBoot i;
        QCOMPARE(int(b.Identifica(i)), esito);
        QVERIFY(!peer.ricevuti.isEmpty());
        QCOMPARE(peer.ricevuti, QByteArray(peer.ricevuti.size(), '\t'));
        if (esito == int(EsitoIdentifica::Identificato)) {
            QCOMPARE(peer.ricevuti.size(), dopo);
            QCOMPARE(i.TestoID(), DATO(QString, id));
        } else {
            QVERIFY(t.elapsed() >= 1200 && t.elapsed() < 3000);
        }
        b.Chiudi();
    }

    void query_interrotta()
    {
        PeerBoot peer;
        QVERIFY(peer.Avvia());
        Bootloader b;
        QVERIFY(b.Apri());
        QTimer::singleShot(600, [&b] { QVERIFY(b.InCorso()); b.Interrompi(); });
        IdentitaBoot i;
        QCOMPARE(b.Identifica(i), EsitoIdentifica::Interrotta);
        QVERIFY(!b.InCorso());
    }
};

QTEST_GUILESS_MAIN(TestBootloader)
#include "test_bootloader.moc"
