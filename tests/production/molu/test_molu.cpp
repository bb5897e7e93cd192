// The MOLU bench without its window: bench and device simulated on two
// loopback addresses sharing one port, the upload against a loopback HTTP
// fixture, the ARP entry through a fake `ip`, the web page captured.
#include "base/Attesa.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "production/molu/BancoMOLU.h"
#include "production/molu/RichiestaUpload.h"
#include "support/AiutiProduzione.h"
#include "support/AiutiRicerca.h"
#include "support/Copione.h"
#include "support/EventiRegistrati.h"
#include "support/FakeController.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

using Test::FakeController;
using R = FakeController::Risposta;

namespace {
struct VistaFinta : VistaMOLU {
    int variante = -1;
    QString versione = QStringLiteral("0");
    bool tre = false, errore = false, hardware = false, firmware = false;
    bool lampade[2] = {};
    QList<uint32_t> esiti;
    QList<int> rele;
    int Variante() const override { return variante; }
    QString Versione() const override { return versione; }
    bool Misura3V() const override { return tre; }
    bool ErroreRS485() const override { return errore; }
    void AbilitaHardware(bool si) override { hardware = si; }
    void AbilitaFirmware(bool si) override { firmware = si; }
    void Lampada(int i, bool piena) override { lampade[i] = piena; }
    void EsitoTest(ColoreCollaudo c) override { esiti << c; }
    void RelePremuto(int i) override { rele << i; }
};

// Records what it receives; closes once the request is whole, or never.
struct ServerHttp : QTcpServer {
    QByteArray ricevuto;
    bool chiude = true;
    int connessioni = 0;
    ServerHttp()
    {
        listen(QHostAddress(QStringLiteral("127.0.0.3")));
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = nextPendingConnection();
            ++connessioni;
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                ricevuto += s->readAll();
                const auto m = QRegularExpression(QStringLiteral("Content-Length: (\\d+)\r\n\r\n")).match(QString::fromLatin1(ricevuto));
                if (chiude && m.hasMatch() && ricevuto.size() >= m.capturedEnd() + m.captured(1).toInt()) {
                    s->write("HTTP/1.0 200 OK\r\n\r\n");
                    s->disconnectFromHost();
                }
            });
        });
    }
};
}  // namespace

class TestMOLU : public QObject {
    Q_OBJECT
    FakeController banco, dispositivo;
    Test::EventiRegistrati eventi;
    Test::Copione copione;
    VistaFinta vista;
    QTemporaryDir dir;

    QList<QPair<int, int>> Uscite(const QList<QByteArray>& richieste)
    {
        QList<QPair<int, int>> out;
        for (const QByteArray& q : richieste)
            if (q.size() >= 6 && q[1] == 6) out << qMakePair(int(uint8_t(q[0])), int(uint8_t(q[4])) * 256 + uint8_t(q[5]));
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(banco.AvviaTcp(QHostAddress(QStringLiteral("127.0.0.2"))));
        QVERIFY(dispositivo.AvviaTcp(QHostAddress(QStringLiteral("127.0.0.3")), banco.porta()));
        for (int u : {1, 10}) banco.Unita(u);
        for (int u : {255, 128, 10}) dispositivo.Unita(u);
        dispositivo.Unita(10).Input[1] = 0x0900;
        qputenv("WORKBENCH_LOOPBACK_ONLY", "1");
        qputenv("WORKBENCH_MOLU_BANCO", "127.0.0.2");
        qputenv("WORKBENCH_MOLU_DISPOSITIVO", "127.0.0.3");
        qputenv("WORKBENCH_ENDPOINTS", dir.filePath(QStringLiteral("none.ini")).toLocal8Bit());
        Controllore.Porta = int16_t(banco.porta());
        Controllore.TimeoutTCP = 200;
    }
    void init()
    {
        copione = Test::Copione();
        copione.Installa();
        vista = VistaFinta();
        for (FakeController* f : {&banco, &dispositivo}) f->Richieste.clear(), f->SvuotaCopione();
        eventi.log.clear();
    }

    // One refresh: the lamps from unit 1's input register 8, the outputs
    // from the flags; a failed read empties both lamps.
    void aggiornamento_data()
    {
        QTest::addColumn<int>("ingressi");   // -1: the read gets no answer
        QTest::addColumn<QString>("stato");        // 3V, Pulsante, DC, AC
        QTest::addColumn<QList<int>>("attesi");   // lamp 0, lamp 1, unit 1 reg 9, unit 10 reg 9
        QTest::newRow("both lamps, 3V+P+DC") << 768 << "3PD" << QList<int>{1, 1, 1792, 0};
        QTest::newRow("lamp 0, AC") << 256 << "A" << QList<int>{1, 0, 0, 768};
        QTest::newRow("failed read") << -1 << "A" << QList<int>{0, 0, 0, 768};
    }
    void aggiornamento()
    {
        BancoMOLU b(vista);
        b.cmd_connetti_Click(0);
        QVERIFY(vista.hardware && b.Aggiorna());
        QCOMPARE(Controllore.IndirizzoIP + QString::number(Controllore.Nodo), QStringLiteral("127.0.0.210"));
        vista.lampade[0] = vista.lampade[1] = true;
        const int ingressi = DATO(int, ingressi);
        const QString stato = DATO(QString, stato);
        vista.tre = stato.contains(u'3');
        b.cmd_puls_Click(stato.contains(u'P'));
        b.ReleDC = stato.contains(u'D');
        b.ReleAC = stato.contains(u'A');
        banco.Unita(1).Input[8] = uint16_t(qMax(0, ingressi));
        if (ingressi < 0) banco.Accoda(R::Nessuna());
        b.Timer_Timer();
        const QList<int> attesi = DATO(QList<int>, attesi);
        QCOMPARE((QList<int>{vista.lampade[0], vista.lampade[1], banco.Unita(1).Holding[9], banco.Unita(10).Holding[9]}), attesi);
        b.cmd_connetti_Click(1);
        QVERIFY(!vista.hardware && !b.Aggiorna() && Controllore.Connesso);
    }

    // From AC to DC: the AC relay is written off at least one refresh
    // before the DC relay goes on.
    void rele()
    {
        BancoMOLU b(vista);
        b.cmd_connetti_Click(0);
        b.Command1_Click();
        b.cmd_rele_Click(0);
        Attesa(0.6);
        b.cmd_connetti_Click(1);
        const auto u = Uscite(banco.Richieste);
        QCOMPARE(u.first(), qMakePair(1, 0));
        QCOMPARE(u.at(1), qMakePair(10, 768));
        const qsizetype acSpento = u.indexOf(qMakePair(10, 0)), dcAcceso = u.indexOf(qMakePair(1, 256));
        // Each refresh writes one pair: unit 1, then unit 10.
        QVERIFY(acSpento > 0 && dcAcceso / 2 > acSpento / 2);
        QCOMPARE(vista.rele, (QList<int>{-1, 0}));
    }

    // The version byte with function 20 at address 1 of the variant's unit;
    // an empty text sends nothing.
    void versione()
    {
        BancoMOLU b(vista);
        vista.variante = 2;
        vista.versione = QString();
        b.cmd_set_Click(0);
        QCOMPARE(copione.Messaggi().size(), 1);
        QVERIFY(dispositivo.Richieste.isEmpty());
        vista.versione = QStringLiteral("7x");
        b.cmd_set_Click(0);
        QCOMPARE(dispositivo.Richieste, QList<QByteArray>{QByteArray::fromHex("801404000001" "0137")});
        QCOMPARE(Controllore.Nodo, uint8_t(128));
    }

    // The loop until "stop": every failed transaction is a bad answer, also
    // after a good one; the window goes back to the bench.
    void rs485_data()
    {
        QTest::addColumn<bool>("errore");
        QTest::addColumn<QList<int>>("risposte");   // 0 default (0900), 1 wrong value, 2 none
        QTest::addColumn<uint>("colore");
        QTest::addColumn<int>("errori");
        QTest::newRow("good") << false << QList<int>{0, 0, 0} << uint(CollaudoPassato) << 0;
        QTest::newRow("wrong value") << false << QList<int>{0, 1, 0} << uint(CollaudoFallito) << 0;
        QTest::newRow("fails after good") << false << QList<int>{0, 2, 2} << uint(CollaudoFallito) << 2;
        QTest::newRow("Error checked") << true << QList<int>{0, 0, 0} << uint(CollaudoFallito) << 3;
    }
    void rs485()
    {
        vista.errore = DATO(bool, errore);
        vista.variante = 0;
        dispositivo.Accoda(R::Predefinita());   // holding register 5 := 4
        for (int r : DATO(QList<int>, risposte))
            dispositivo.Accoda(r == 0 ? R::Predefinita() : r == 1 ? R::Pdu(QByteArray::fromHex("0a04020901")) : R::Nessuna());
        BancoMOLU b(vista);
        auto c = connect(&dispositivo, &FakeController::RichiestaRicevuta, this, [&] {
            if (dispositivo.Richieste.size() == 4) b.cmd_stop_test_Click();
        });
        b.cmd_test_Click(0);
        disconnect(c);
        QCOMPARE(dispositivo.Richieste.first(), QByteArray::fromHex("ff0600050004"));
        QCOMPARE(dispositivo.Richieste.at(1), QByteArray::fromHex(vista.errore ? "0b0400010001" : "0a0400010001"));
        QCOMPARE(vista.esiti.first(), uint32_t(CollaudoInCorso));
        QCOMPARE(vista.esiti.last(), DATO(uint, colore));
        QCOMPARE(eventi.Righe().count(QStringLiteral("Error")), DATO(int, errori));
        QCOMPARE(Controllore.IndirizzoIP, QStringLiteral("127.0.0.2"));
        QVERIFY(b.Aggiorna());
    }

    // The request as laid out, byte for byte.
    void richiesta()
    {
        const QByteArray r = RichiestaUpload::CreaPostMultipart(QByteArray("a\0\r\n", 4), QStringLiteral("h"), QStringLiteral("i"),
                                                                QStringLiteral("C:\\fw\\x.bin"), QStringLiteral("t/b"), "B");
        const QByteArray corpo = "--B\r\nContent-Disposition: form-data; name=\"i\"; filename=\"C:\\fw\\x.bin\"\r\n"
                                 "Content-Type: t/b\r\n\r\n" + QByteArray("a\0\r\n", 4) + "\r\n--B--";
        QCOMPARE(r, "POST /mpfsupload HTTP/1.0\r\nHost: h\r\nAuthorization: Basic xQ7vLm2PaR9tYc4W\r\n"
                    "Content-Type: multipart/form-data, boundary=B\r\nContent-Length: 103\r\n\r\n" + corpo);
        QCOMPARE(corpo.size(), 103);
        const QByteArray b = RichiestaUpload::StringaCasuale(32);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-Za-z]{32}$")).match(QString::fromLatin1(b)).hasMatch());
        QVERIFY(b != RichiestaUpload::StringaCasuale(32));
    }

    // The upload end to end, the refusals and the bounded waits.
    void upload_data()
    {
        QTest::addColumn<int>("variante");
        QTest::addColumn<int>("pulsante");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("server");   // 0 closes, 1 silent, 2 not listening
        QTest::addColumn<int>("esito");
        QTest::addColumn<int>("connessioni");
        using E = UploadFirmware::Esito;
        QTest::newRow("factory") << 1 << 0 << QByteArray("\x01\x00\xff\r\n", 5) << 0 << int(E::Inviato) << 1;
        QTest::newRow("no file for variant 2") << 2 << 1 << QByteArray("x") << 0 << int(E::FileIlleggibile) << 0;
        QTest::newRow("empty file") << 0 << 1 << QByteArray() << 0 << int(E::FileIlleggibile) << 0;
        QTest::newRow("device silent") << 0 << 1 << QByteArray("x") << 1 << int(E::Scaduto) << 1;
        QTest::newRow("refused") << 0 << 1 << QByteArray("x") << 2 << int(E::ErroreSocket) << 0;
    }
    void upload()
    {
        ServerHttp http;
        http.chiude = DATO(int, server) == 0;
        qputenv("WORKBENCH_MOLU_UPLOAD", QByteArray::number(http.serverPort()));
        if (DATO(int, server) == 2) http.close();
        const QString percorso = dir.filePath(QStringLiteral("fw.bin"));
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(DATO(QByteArray, file));
        f.close();
        qputenv("WORKBENCH_MOLU_FACTORY", percorso.toLocal8Bit());
        qputenv("WORKBENCH_MOLU_UPGRADE_A", percorso.toLocal8Bit());
        vista.variante = DATO(int, variante);
        BancoMOLU b(vista);
        b.Upload().AttesaChiusuraMs = 300;
        QCOMPARE(int(b.cmd_upload_Click(DATO(int, pulsante))), DATO(int, esito));
        QVERIFY(!b.SocketConnesso());
        QCOMPARE(http.connessioni, DATO(int, connessioni));
        QCOMPARE(copione.richieste.size(), DATO(int, esito) == int(UploadFirmware::Esito::Inviato) ? 0 : 1);
        if (!copione.richieste.isEmpty()) QCOMPARE(copione.richieste.first().titolo, QStringLiteral("ERROR"));
        if (DATO(int, esito) != int(UploadFirmware::Esito::Inviato)) return;
        const QByteArray confine = http.ricevuto.mid(http.ricevuto.indexOf("boundary=") + 9, 32);
        QCOMPARE(http.ricevuto, RichiestaUpload::CreaPostMultipart(DATO(QByteArray, file), "127.0.0.3", "i", percorso,
                                                                    "application/octet-stream", confine));
    }

    // "arp -d": ip neigh flush through the first `ip` in PATH; the web page.
    void arp_e_pagina()
    {
        const QString registro = dir.filePath(QStringLiteral("ip.log"));
        QFile f(dir.filePath(QStringLiteral("ip")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho \"$*\" >> '" + registro.toUtf8() + "'\n[ -e '" + registro.toUtf8() +
                ".no' ] && { echo 'RTNETLINK: Operation not permitted' >&2; exit 2; }\nexit 0\n");
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        f.close();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8() + ":" + path);
        BancoMOLU b(vista);
        b.Command2_Click();
        QFile(registro + ".no").open(QIODevice::WriteOnly);
        b.Command2_Click();
        qputenv("PATH", path);
        QFile r(registro);
        QVERIFY(r.open(QIODevice::ReadOnly));
        QCOMPARE(r.readAll(), QByteArray("neigh flush to 127.0.0.3\nneigh flush to 127.0.0.3\n"));
        QCOMPARE(eventi.Righe(), QStringList{"ARP entry removed [127.0.0.3]"});
        QCOMPARE(copione.Messaggi(), QStringList{"RTNETLINK: Operation not permitted"});
        Test::PagineAperte pagine;
        b.cmd_view_Click();
        QCOMPARE(pagine.aperti, QStringList{"http://127.0.0.3/"});
    }
};

QTEST_MAIN(TestMOLU)
#include "test_molu.moc"
