// The transaction on both transports against the fake controller.
#include "Aiuti.h"
#include "base/Attesa.h"
#include "comm/Comunica.h"
#include "comm/Dispositivo.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <unistd.h>

using namespace Test;
using R = FakeController::Risposta;

class TestComunica : public QObject, ProvaFake {
    Q_OBJECT

    void Prepara(bool rtu)
    {
        ProvaFake::Prepara(rtu, 1);
        ComErr = 0;
    }
    enum Caso { Ok, Silenzio, Eccezione, Unita, CrcBasso, CrcAlto, UnByte, SoloUnita, NonConnesso, Lungo, CanaleIgnoto, Chiuso };

private slots:
    // The link alone: no window can exist in this program.
    void initTestCase()
    {
        QVERIFY(!QCoreApplication::instance()->inherits("QGuiApplication"));
        Avvia(1);
    }

    // Wire layout of requests: MBAP header with a 16-bit length, or CRC low
    // byte first; the reply's framing is removed (RTU keeps its CRC).
    void trame_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<QByteArray>("pdu");
        QTest::addColumn<QByteArray>("filo");
        QTest::newRow("tcp read") << false << Hex("0a0300000001") << Hex("000000000006" "0a0300000001");
        QTest::newRow("rtu read") << true << Hex("010300000001") << Hex("010300000001" "840a");
        QTest::newRow("rtu write") << true << Hex("0a060000ff00") << FakeController::ConCrc(Hex("0a060000ff00"));
        const QByteArray lungo = Hex("0a10000000960012") + QByteArray(300 - 8, '\x11');
        QTest::newRow("tcp 300 bytes") << false << lungo << (Hex("00000000012c") + lungo);
    }
    void trame()
    {
        QFETCH(bool, rtu);
        QFETCH(QByteArray, pdu);
        QFETCH(QByteArray, filo);
        Prepara(rtu);
        const QByteArray atteso = pdu.left(2) + Hex("020001");
        fake.Accoda(R::Pdu(atteso));
        Richiesta(pdu);
        QCOMPARE(int(Comunica(true)), 0);
        QCOMPARE(fake.Trame, QList<QByteArray>{filo});
        QCOMPARE(int(n_tx), pdu.size() + (rtu ? 2 : 0));
        QCOMPARE(Risposta(), rtu ? FakeController::ConCrc(atteso) : atteso);
        QCOMPARE(LunghezzaRisposta(), atteso.size());
        QCOMPARE(Pannello4(), QStringLiteral("Com OK"));
        QCOMPARE(int(ComErr), 0);
    }

    void rtuSecondaChiamataSenzaReset()
    {
        Prepara(true);
        Richiesta(Hex("010300000001"));
        QCOMPARE(int(Comunica(false)), 0);
        QCOMPARE(int(n_tx), 8);
        Comunica(false);
        QCOMPARE(int(n_tx), 10);
        QCOMPARE(fake.Trame[1], FakeController::ConCrc(Hex("010300000001840a")));
    }

    // Every result code, its panel text, its two Log lines and its boxes.
    void esiti_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<int>("caso");
        QTest::addColumn<bool>("mostra");
        QTest::addColumn<int>("esito");
        QTest::addColumn<QStringList>("box");
        const QStringList nessuno;
        for (bool rtu : {false, true}) {
            RigaTrasporto(rtu, "ok") << rtu << int(Ok) << true << 0 << nessuno;
            RigaTrasporto(rtu, "no reply") << rtu << int(Silenzio) << true << 1 << nessuno;
            RigaTrasporto(rtu, "exception") << rtu << int(Eccezione) << true << 2
                                            << (rtu ? QStringList{"Risposta Errata (funzione)"} : nessuno);
            RigaTrasporto(rtu, "wrong unit") << rtu << int(Unita) << true << 2
                                             << (rtu ? QStringList{"Risposta Errata (indirizzo)"} : nessuno);
            RigaTrasporto(rtu, "wrong unit quiet") << rtu << int(Unita) << false << 2 << nessuno;
            RigaTrasporto(rtu, "not connected") << rtu << int(NonConnesso) << true << 3
                                                << QStringList{"Controller not connected"};
            RigaTrasporto(rtu, "not connected quiet") << rtu << int(NonConnesso) << false << 3 << nessuno;
            RigaTrasporto(rtu, "reply longer than buffer") << rtu << int(Lungo) << true << 1
                                                           << QStringList{"Reply longer than the receive buffer"};
        }
        QTest::newRow("rtu crc low") << true << int(CrcBasso) << true << 1
                                     << QStringList{"Errore Checksum 1", "CheckSum Rx Errato"};
        QTest::newRow("rtu crc high quiet") << true << int(CrcAlto) << false << 1 << QStringList{"Errore Checksum 2"};
        QTest::newRow("rtu one byte") << true << int(UnByte) << true << 1 << QStringList{"CheckSum Rx Errato"};
        // A sound CRC behind the unit address alone: no function to compare.
        QTest::newRow("rtu unit only") << true << int(SoloUnita) << true << 1
                                       << QStringList{"Reply without unit address and function"};
        QTest::newRow("tcp unit only") << false << int(SoloUnita) << true << 1
                                       << QStringList{"Reply without unit address and function"};
        QTest::newRow("tcp shorter than header") << false << int(UnByte) << true << 1
                                                 << QStringList{"Reply shorter than its header"};
        QTest::newRow("unknown channel") << false << int(CanaleIgnoto) << false << 2 << nessuno;
        // The link noticed the close: not connected, nothing sent, no wait.
        QTest::newRow("tcp socket closed by the device") << false << int(Chiuso) << false << 3 << nessuno;
    }
    void esiti()
    {
        QFETCH(bool, rtu);
        QFETCH(int, caso);
        QFETCH(bool, mostra);
        QFETCH(int, esito);
        Prepara(rtu);
        switch (caso) {
        case Silenzio: fake.Accoda(R::Nessuna()); break;
        case Eccezione: fake.Accoda(R::Eccezione(2)); break;
        case Unita: fake.Accoda(R::UnitaErrata()); break;
        case CrcBasso: fake.Accoda(R::CrcErrato(false)); break;
        case CrcAlto: fake.Accoda(R::CrcErrato(true)); break;
        case UnByte: fake.Accoda(R::Grezza(Hex("0a"))); break;
        case SoloUnita: fake.Accoda(R::Pdu(Hex("0a"))); break;
        case NonConnesso: Controllore.Connesso = false; break;
        case Lungo:
            fake.Accoda(R::Grezza(rtu ? QByteArray(1200, '\x0a') : Hex("0000000004000a03") + QByteArray(100, 0)));
            break;
        case CanaleIgnoto: Canale = TipoCanale(7); break;
        case Chiuso:
            fake.ChiudiConnessioni();
            Attesa(0.05);
            break;
        }
        std::fill(buff_rx.begin(), buff_rx.end(), 0xEE);
        const int log0 = RigheLog();
        Richiesta(Hex("0a0300000001"));
        QCOMPARE(int(Comunica(mostra)), esito);
        Controllore.Connesso = true;
        QTEST(copione.Messaggi(), "box");
        static const char* const kPannello[] = {"Com OK", "Com TimeOut", "Com Error", "Com Error"};
        QCOMPARE(Pannello4(), QString::fromLatin1(kPannello[esito]));
        const QStringList log = LogDa(log0);
        QCOMPARE(int(ComErr), esito == 0 ? 0 : 1);
        if (esito != 0) {
            QCOMPARE(log.size(), 2);
            QCOMPARE(log[0], QStringLiteral("--"));
            QCOMPARE(log[1], esito == 1 ? QStringLiteral("Com Timeout") : QStringLiteral("Com Error"));
            QCOMPARE(LunghezzaRisposta(), 0);
        }
        QVERIFY(esito != 0 || log.isEmpty());
        if (caso == NonConnesso || caso == CanaleIgnoto || caso == Chiuso) QCOMPARE(fake.Trame.size(), 0);
        if (caso == Lungo || (caso == UnByte && !rtu)) QCOMPARE(int(buff_rx[200]), 0xEE);   // nothing overran
    }

    // The waits end at their time-outs, not much later, and not before.
    void timeOut_data() { ColonnaTrasporto(); }
    void timeOut()
    {
        QFETCH(bool, rtu);
        Prepara(rtu);
        Controllore.TimeoutTCP = 500;
        fake.Accoda(R::Nessuna());
        Richiesta(Hex("0a0300000001"));
        QElapsedTimer t;
        t.start();
        QString durante = QStringLiteral("unset");
        QTimer::singleShot(50, this, [&] { durante = Pannello4(); });
        QCOMPARE(int(Comunica(false)), 1);
        QCOMPARE(durante, QString());   // empty while the wait runs
        const int atteso = rtu ? 1000 : 500;
        QVERIFY2(t.elapsed() >= atteso - 20 && t.elapsed() < atteso + 1000, qPrintable(QString::number(t.elapsed())));
    }

    // A slow but timely reply is still taken; on RTU it is complete only
    // after the line's silence, so both pieces of a split reply arrive.
    void risposteInPezzi_data()
    {
        QTest::addColumn<bool>("rtu");
        QTest::addColumn<int>("pausa");
        QTest::addColumn<int>("esito");
        QTest::newRow("tcp split") << false << 30 << 0;
        QTest::newRow("tcp split late") << false << 400 << 1;
        QTest::newRow("rtu split within silence") << true << 10 << 0;
        QTest::newRow("rtu split after silence") << true << 150 << 1;
    }
    void risposteInPezzi()
    {
        QFETCH(bool, rtu);
        QFETCH(int, pausa);
        QFETCH(int, esito);
        Prepara(rtu);
        fake.Input[0] = 0x1234;
        fake.Input[1] = 0x5678;
        fake.Accoda(R::Predefinita().Ritardo(30).InDuePezzi(pausa));
        Richiesta(Hex("0a0400000002"));
        QCOMPARE(int(Comunica(false)), esito);
        if (esito == 0) {
            const QByteArray atteso = Hex("0a040412345678");
            QCOMPARE(Risposta(), rtu ? FakeController::ConCrc(atteso) : atteso);
        }
        // Whatever came late is not taken for the next reply.
        Attesa(pausa / 1000.0 + 0.05);
        Richiesta(Hex("0a0400010001"));
        QCOMPARE(int(Comunica(false)), 0);
        QCOMPARE(Risposta().left(5), Hex("0a04025678"));
    }

    // Bytes that came in before the request (a late piece of an earlier
    // reply) are dropped, and the receive flag they raised does not end the
    // next wait before its reply is there.
    void ingressoVecchioScartato_data() { ColonnaTrasporto(); }
    void ingressoVecchioScartato()
    {
        QFETCH(bool, rtu);
        Prepara(rtu);
        const QByteArray vecchio = Hex("0a0302ffff");
        fake.Accoda(R::Predefinita().Ritardo(100));
        if (rtu) {
            QCOMPARE(::write(fake.Pty().Master(), vecchio.constData(), size_t(vecchio.size())), ssize_t(vecchio.size()));
            Attesa(0.05);
        } else {
            fake.InviaTcp(vecchio);   // still unread by the socket when the request goes
        }
        Richiesta(Hex("0a0300000001"));
        QCOMPARE(int(Comunica(true)), 0);
        const QByteArray atteso = Hex("0a03020000");
        QCOMPARE(Risposta(), rtu ? FakeController::ConCrc(atteso) : atteso);
    }

    void senzaAttesaRisposta_data() { ColonnaTrasporto(); }
    void senzaAttesaRisposta()
    {
        QFETCH(bool, rtu);
        Prepara(rtu);
        AttendiRisposta = false;
        std::fill(buff_rx.begin(), buff_rx.end(), 0x77);
        Richiesta(Hex("0a0600050007"));
        QCOMPARE(int(Comunica(true)), 0);
        AttendiRisposta = true;
        QCOMPARE(Pannello4(), QStringLiteral("Com OK"));
        QCOMPARE(int(buff_rx[0]), 0x77);
        QVERIFY(AttendiFinche([&] { return fake.Trame.size() == 1; }, 2000));
    }

    // A transaction started by a handler during another's wait is refused
    // and leaves the running one and its request intact.
    void rientro_data() { ColonnaTrasporto(); }
    void rientro()
    {
        QFETCH(bool, rtu);
        Prepara(rtu);
        fake.Input[7] = 77;
        fake.Accoda(R::Predefinita().Ritardo(150));
        int interno = -1;
        QTimer::singleShot(20, this, [&] {
            Richiesta(Hex("0b0600000001"));
            interno = Comunica(true);
        });
        Richiesta(Hex("0a0400070001"));
        QCOMPARE(int(Comunica(false)), 0);
        QCOMPARE(interno, 1);
        QCOMPARE(copione.Messaggi(), QStringList{"Transaction already in progress"});
        QCOMPARE(Risposta().left(5), Hex("0a0402004d"));
        QCOMPARE(fake.Trame.size(), 1);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(buff_tx.data()), 6), Hex("0a0400070001"));
        QCOMPARE(int(n_tx), rtu ? 8 : 6);
        QCOMPARE(Pannello4(), QStringLiteral("Com OK"));
    }
};

QTEST_MAIN(TestComunica)
#include "test_comunica.moc"
