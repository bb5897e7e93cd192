// The QVR8566 and QVR2565 forms opened from their menu items, against the
// simulated modules 247 and 246, the controller (unit 10) and unit 1: every
// default program written and read back, the program copy, the outputs and
// registers, the refusals, the read's stop, the live loop and Command11.
#include "comm/AreaComunicazione.h"
#include "production/qvrforms/ConfQVR2565.h"
#include "production/qvrforms/ConfQVR8566.h"
#include "production/qvrforms/ValoriQVR.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/Controllo.h"
#include "support/FakeController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using R = Test::FakeController::Risposta;

namespace {
template <class T> T* Apri(const char* voce)
{
    Principale::Istanza()->Menu(QString::fromLatin1(voce))->trigger();
    return Finestre::SeCaricata<T>();
}
void Chiudi(QWidget* w)
{
    w->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
void Clic(QWidget* w, const QString& nome) { C<QPushButton>(w, nome)->click(); }
QString T(QWidget* w, const QString& nome) { return C<QLineEdit>(w, nome)->text(); }
void Metti(QWidget* w, const QString& nome, const QString& testo) { C<QLineEdit>(w, nome)->setText(testo); }
QString Porta(int k, int i) { return QStringLiteral("chk_Mux%1_%2").arg(k).arg(i); }

// What the QVR8566 form shows, field by field (the ports with their colour).
QStringList Campi(QWidget* w)
{
    QStringList out{T(w, "txt_Input_OffsetCJC"), T(w, "txt_nCelle"), T(w, "txt_nMisure")};
    for (int i = 0; i < 8; ++i) {
        for (const char* n : {"txt_Input_Offset", "txt_Input_Type", "txt_guadagno", "txt_reg", "txt_Input_K"})
            out << T(w, Ctl(n, i));
        out << C<QComboBox>(w, Ctl("cmb_InputType", i))->currentText();
        for (int k = 0; k < 8; ++k) {
            auto* b = C<QCheckBox>(w, Porta(k, i));
            out << QStringLiteral("%1/%2").arg(b->isChecked()).arg(b->property("colore").toUInt());
        }
    }
    return out;
}
QByteArray Scrittura(int unita, int indirizzo, QByteArray dati)
{
    return QByteArray() + char(unita) + char(20) + char(4) + char(0) + char(indirizzo >> 8) + char(indirizzo)
           + char(dati.size()) + dati;
}
} // namespace

class TestConfQVR : public QObject {
    Q_OBJECT
    Test::FakeController fake;
    Test::Copione copione;

    QByteArray Memoria(int unita, int da, int n)
    {
        QByteArray out;
        for (int a = da; a < da + n; ++a) out += char(fake.Unita(unita).Memoria.value(quint32(a)));
        return out;
    }
    void Poni(int unita, int da, const QByteArray& b)
    {
        for (int i = 0; i < b.size(); ++i) fake.Unita(unita).Memoria[quint32(da + i)] = quint8(b[i]);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        Test::AvviaWorkbench();
        QVERIFY(fake.AvviaTcp());
        for (int u : {247, 246, 10, 1}) fake.Unita(u);
    }
    void init()
    {
        copione = Test::Copione();
        copione.Installa();
        QVERIFY(Test::CollegaAlFake(fake, false));
    }

    void predefiniti_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("scelte");   // each row's chosen type
        const QString n = QStringLiteral("---");
        QTest::newRow("0") << 0 << QStringList{"100 mV", "ResL", "Pot", "10 V", "20 mA", n, n, n};
        QTest::newRow("1") << 1 << QStringList{"10 V", "20 mA", n, n, n, n, n, n};
        QTest::newRow("2") << 2 << QStringList{"Pt100", "Pt100", "20 mA", "20 mA", n, n, n, n};
        QTest::newRow("3") << 3 << QStringList{"100 mV", "100 mV", n, n, n, n, n, n};
        QTest::newRow("4") << 4 << QStringList{"Pt100", "Pt100", "20 mA", "20 mA", n, n, n, n};
        QTest::newRow("5") << 5 << QStringList{"100 mV", "100 mV", n, n, n, n, n, n};
        QTest::newRow("6") << 6 << QStringList{"100 mV", n, n, n, n, n, n, n};
    }
    // Written, K factors too, then read back into a fresh window.
    void predefiniti()
    {
        QFETCH(int, indice);
        QFETCH(QStringList, scelte);
        auto* w = Apri<ConfQVR8566>("mnu_config_8566");
        QVERIFY(w && w->isVisible() && w->windowTitle() == u"Collaudo QVR8572");
        Clic(w, Ctl("SetDefault", indice));
        const char* const k[8] = {"0.5", "-2", "1.25", "3", "0.75", "100", "-0.125", "1"};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(C<QComboBox>(w, Ctl("cmb_InputType", i))->currentText(), scelte[i]);
            Metti(w, Ctl("txt_Input_K", i), QString::fromLatin1(k[i]));
        }
        const int unita = T(w, "AddSlave").toInt();
        QCOMPARE(unita, indice % 2 == 0 && indice < 6 ? 247 : 246);
        fake.Richieste.clear();
        Clic(w, Ctl("cmd_WriteProg", 0));
        w->ScriviK(0, 7);
        QCOMPARE(fake.Richieste.size(), 11);
        for (int b = 0; b < 3; ++b) QCOMPARE(fake.Richieste[b].left(7), Scrittura(unita, 16 * b, QByteArray(b < 2 ? 16 : 11, 0)).left(7));
        const QStringList scritti = Campi(w);
        Chiudi(w);

        w = Apri<ConfQVR8566>("mnu_config_8566");
        QCOMPARE(T(w, "txt_guadagno_0"), QStringLiteral("0"));   // a fresh window
        Metti(w, "AddSlave", QString::number(unita));
        Clic(w, "Command2");
        QCOMPARE(Campi(w), scritti);
        QCOMPARE(C<QLabel>(w, "Label7")->text(), QStringLiteral("Fw ver: NaN"));
        QVERIFY(copione.Messaggi().isEmpty());
        Chiudi(w);
    }

    void griglia()
    {
        auto* w = Apri<ConfQVR8566>("mnu_config_8566");
        Clic(w, Ctl("SetDefault", 6));
        QCOMPARE(C<QCheckBox>(w, Porta(1, 0))->property("colore").toUInt(), 255u);
        QCOMPARE(C<QCheckBox>(w, Porta(0, 0))->property("colore").toUInt(), 0xFFFFFFu);
        C<QCheckBox>(w, Porta(3, 5))->click();
        QCOMPARE(C<QCheckBox>(w, Porta(3, 5))->property("colore").toUInt(), 255u);
        C<QCheckBox>(w, Porta(3, 5))->click();
        QCOMPARE(C<QCheckBox>(w, Porta(3, 5))->property("colore").toUInt(), 0xFFFFFFu);
        // Choosing an item leaves the code box.
        C<QComboBox>(w, "cmb_InputType_2")->setCurrentIndex(5);
        QCOMPARE(T(w, "txt_Input_Type_2"), QStringLiteral("0"));

        Metti(w, "AddSlave", "247");
        Metti(w, "txt_Input_Mis_0", "9990");
        Metti(w, "txt_Input_Mis_1", "2990");
        QCOMPARE(T(w, "txt_Input_K_0") + u'|' + T(w, "txt_Input_K_1"), QStringLiteral("0.999|0.996666666666667"));
        Metti(w, "AddSlave", "10");
        for (const char* n : {"txt_Input_Mis_1", "txt_Input_Mis_5"}) Metti(w, n, "500");
        Metti(w, "txt_Input_Mis_0", "abc");
        QCOMPARE(T(w, "txt_Input_K_0") + u'|' + T(w, "txt_Input_K_1") + u'|' + T(w, "txt_Input_K_5"),
                 QStringLiteral("0.999|0.996666666666667|1"));
        QLocale::setDefault(QLocale(QLocale::German));
        Metti(w, "txt_Input_Mis_0", "9995");
        Metti(w, "Text1", "12500");
        Clic(w, "Command1");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(T(w, "txt_Input_K_0") + u'|' + T(w, "Text3"), QStringLiteral("0,9995|1,2500"));
        Chiudi(w);
    }

    void copiaEUscite()
    {
        auto* w = Apri<ConfQVR8566>("mnu_config_8566");
        Clic(w, Ctl("SetDefault", 2));
        Clic(w, Ctl("cmd_WriteProg", 1));
        const int p = 0x1802;
        QCOMPARE(fake.Richieste.size(), 3);
        QCOMPARE(Memoria(10, p + 32, 2), QByteArray("\x04\x08", 2));
        QCOMPARE(Memoria(10, p + 34, 8), QByteArray("\x12\x12\x08\x08\0\0\0\0", 8));
        QCOMPARE(Memoria(10, p + 42, 8), QByteArray("\x03\x0C\x10\x20\0\0\0\0", 8));
        QCOMPARE(Memoria(10, p + 50, 16), QByteArray("PQRSTU_W\x18\x19\x1A\x1B\x19\x19\x19\x19", 16));

        fake.Richieste.clear();
        Metti(w, "Text5", "-1");
        Clic(w, "Command3");
        Clic(w, "Command10");
        Clic(w, "Command6");
        Clic(w, Ctl("En_4566", 0));
        QCOMPARE(T(w, "AddSlave"), QStringLiteral("246"));
        Clic(w, Ctl("En_4566", 1));
        QCOMPARE(fake.Richieste, (QList<QByteArray>{Scrittura(10, 24, QByteArray("\xFF\xFF\x38\x4A", 4)),
                                                    Scrittura(10, 20, QByteArray("\x00\x00\x20\x4E", 4)),
                                                    QByteArray("\x0A\x06\x00\x20\x4E\x20", 6),
                                                    QByteArray("\x0A\x06\x00\x0A\x80\x00", 6),
                                                    QByteArray("\x0A\x06\x00\x0A\x00\x00", 6)}));
        Chiudi(w);
    }

    void rifiuti_data()
    {
        QTest::addColumn<bool>("qvr8566");
        QTest::addColumn<QStringList>("campi");   // name=text pairs typed first
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("messaggio");
        auto riga = [](const char* nome, bool f, QStringList c, const char* p, QString m) {
            QTest::newRow(nome) << f << c << QString::fromLatin1(p) << m;
        };
        const QString errore = QStringLiteral("Errore!");
        riga("fresh window", true, {}, "cmd_WriteProg_0", errore);
        riga("lower-case gain", true, {"@2", "txt_guadagno_3=5f"}, "cmd_WriteProg_0", errore);
        riga("offset -200", true, {"@0", "txt_Input_Offset_4=-200"}, "cmd_WriteProg_1", errore);
        riga("module 300", true, {"@0", "AddSlave=300"}, "cmd_WriteProg_0", errore);
        riga("K not a number", true, {"txt_Input_K_2=abc"}, "WriteK_2", MessaggiQVR::K);
        riga("K address", true, {"AddSlave=x"}, "WriteK_0", MessaggiQVR::Indirizzo);
        riga("analog out", true, {"Text5=70000"}, "Command3", QStringLiteral("Analog out: a whole number from -65536 to 65535"));
        riga("calc k", true, {"Text2=0"}, "Command1", MessaggiQVR::CalcK);
        riga("read, bad address", true, {"AddSlave=x"}, "Command2", QString());
        riga("2565 offset", false, {"txt_Input_Offset_3=-200"}, "WriteOffset_3", MessaggiQVR::Offset);
        riga("2565 CJC address", false, {"AddSlave=256"}, "WriteCJC_0", MessaggiQVR::Indirizzo);
        riga("2565 K", false, {"txt_Input_K_0=1,5"}, "WriteK_0", MessaggiQVR::K);
        riga("2565 type", false, {"txt_Input_Type_1=300"}, "Command3", QStringLiteral("Tipo Input: a whole number from 0 to 255"));
        riga("2565 calc", false, {"Text1=x"}, "Command1", MessaggiQVR::CalcK);
        riga("2565 read, bad address", false, {"AddSlave=x"}, "Command2", QStringLiteral("Errore"));
    }
    void rifiuti()
    {
        QFETCH(bool, qvr8566);
        QFETCH(QStringList, campi);
        QFETCH(QString, pulsante);
        QFETCH(QString, messaggio);
        QWidget* w = qvr8566 ? static_cast<QWidget*>(Apri<ConfQVR8566>("mnu_config_8566"))
                             : Apri<ConfQVR2565>("mnu_coll_2565");
        for (const QString& c : campi) {
            if (c.startsWith(u'@')) Clic(w, Ctl("SetDefault", c.mid(1).toInt()));
            else Metti(w, c.section(u'=', 0, 0), c.section(u'=', 1));
        }
        const QStringList prima = qvr8566 ? Campi(w) : QStringList();
        Clic(w, pulsante);
        QCOMPARE(fake.Richieste.size(), 0);
        QCOMPARE(copione.Messaggi(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
        if (qvr8566) QCOMPARE(Campi(w), prima);
        Chiudi(w);
    }

    // Each block fills its fields; a module gone silent after three blocks
    // leaves the K factors and the firmware caption as they were.
    void lettura8566()
    {
        Poni(247, 0, QByteArray("\x00\x01\x7F\x80\xFF\xC8\x38\x09\xFE", 9));
        Poni(247, 14, QByteArray("\x11\x05", 2));
        Poni(247, 21, QByteArray("\x83", 1));
        Poni(247, 43, QByteArray("\x00\xA0\x3F", 3));
        Poni(247, 256, QByteArray("\x0C\x02", 2));
        auto* w = Apri<ConfQVR8566>("mnu_config_8566");
        Clic(w, "Command2");
        QStringList offset;
        for (int i = 0; i < 8; ++i) offset << T(w, Ctl("txt_Input_Offset", i));
        QCOMPARE(offset.join(u' ') + u' ' + T(w, "txt_Input_OffsetCJC"), QStringLiteral("0 1 127 -128 -1 -56 56 9 -2"));
        QCOMPARE(C<QComboBox>(w, "cmb_InputType_3")->currentText() + T(w, "txt_Input_Type_3"), QStringLiteral("ResL17"));
        QCOMPARE(C<QComboBox>(w, "cmb_InputType_4")->currentText() + T(w, "txt_Input_Type_4"), QStringLiteral("---5"));
        for (int k = 0; k < 8; ++k)
            QCOMPARE(C<QCheckBox>(w, Porta(k, 2))->property("colore").toUInt(), k < 2 || k == 7 ? 255u : 0xFFFFFFu);
        QCOMPARE(T(w, "txt_Input_K_0"), QStringLiteral("1.25"));
        QCOMPARE(C<QLabel>(w, "Label7")->text(), QStringLiteral("Fw ver: 12 [QVR0573]"));

        Poni(247, 0, QByteArray("\x05", 1));
        Poni(247, 43, QByteArray("\x00\x80\x3F", 3));
        Poni(247, 257, QByteArray("\x01", 1));
        fake.Accoda({R::Predefinita(), R::Predefinita(), R::Predefinita(), R::Nessuna()});
        Clic(w, "Command2");
        QCOMPARE(T(w, "txt_Input_Offset_0") + u'|' + T(w, "txt_Input_K_0") + u'|' + C<QLabel>(w, "Label7")->text(),
                 QStringLiteral("5|1.25|Fw ver: 12 [QVR0573]"));
        QCOMPARE(fake.Richieste.size(), 6 + 4);   // none after the silent block
        Poni(247, 0, QByteArray(9, 0));
        Chiudi(w);
    }

    // Closing the window ends the toggle test at once; a second click while
    // it runs starts nothing.
    void command11()
    {
        auto* w = Apri<ConfQVR8566>("mnu_config_8566");
        QTimer::singleShot(300, w, [w] {
            Clic(w, "Command11");
            w->parentWidget()->close();
        });
        QElapsedTimer t;
        t.start();
        Clic(w, "Command11");
        QVERIFY(t.elapsed() < 1500);
        QCOMPARE(fake.Richieste, QList<QByteArray>{QByteArray("\x01\x06\x00\x09\x00\x00", 6)});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Finestre::SeCaricata<ConfQVR8566>());
    }

    void calibrazione2565()
    {
        auto* w = Apri<ConfQVR2565>("mnu_coll_2565");
        QVERIFY(w && w->isVisible() && w->windowTitle() == u"Collaudo QVR2565");
        QCOMPARE(C<QLabel>(w, "Label6_2")->text() + C<QLabel>(w, "Label6_6")->text(), QStringLiteral("# 0 - Volt# 1 - V"));
        Metti(w, "txt_Input_Offset_3", "-56");
        Metti(w, "txt_OffsetCJC_5", "-1");
        Metti(w, "txt_Input_K_0", "1");
        Metti(w, "txt_Input_K_1", "1.2345");
        for (const char* b : {"WriteOffset_3", "WriteCJC_5", "WriteK_0", "WriteK_1"}) Clic(w, b);
        QCOMPARE(Memoria(247, 3, 1) + Memoria(247, 21, 1), QByteArray("\xC8\xFF", 2));
        QCOMPARE(Memoria(247, 22, 8), QByteArray("\x00\x00\x80\x3F\x00\x04\x9E\x3F", 8));
        Metti(w, "txt_Input_Offset_3", "0");
        Clic(w, "Command2");
        QCOMPARE(T(w, "txt_Input_Offset_3") + u'|' + T(w, "txt_OffsetCJC_5") + u'|' + T(w, "txt_Input_K_1"),
                 QStringLiteral("-56|-1|1.2344970703125"));
        QVERIFY(copione.Messaggi().isEmpty());

        // The read failing at K row 7 leaves rows 8..15.
        for (int r = 0; r < 16; ++r) Metti(w, Ctl("txt_Input_K", r), "7");
        for (int i = 0; i < 2 + 7; ++i) fake.Accoda(R::Predefinita());
        fake.Accoda(R::Nessuna());
        Clic(w, "Command2");
        QVERIFY(T(w, "txt_Input_K_6") != u"7");
        QCOMPARE(T(w, "txt_Input_K_7") + T(w, "txt_Input_K_15"), QStringLiteral("77"));
        QCOMPARE(copione.Messaggi(), QStringList{"Errore"});
        Chiudi(w);
    }

    void live2565()
    {
        auto* w = Apri<ConfQVR2565>("mnu_coll_2565");
        Metti(w, "txt_Input_Type_3", "4");
        std::array<uint16_t, 4> v{0xFFFF, 5, 0x8000, 7};
        std::copy(v.begin(), v.end(), fake.Unita(247).Input.begin());
        Clic(w, "Command3");
        QCOMPARE(fake.Richieste, QList<QByteArray>{QByteArray("\xF7\x04\x00\x00\x00\x04", 6)});
        QStringList valori;
        for (int i = 0; i < 4; ++i) valori << T(w, Ctl("txt_Input", i));
        QCOMPARE(valori.join(u' '), QStringLiteral("-1 5 -32768 7"));

        // Repeated until Stop.
        QTimer::singleShot(200, w, [w] { Clic(w, "Command5"); });
        Clic(w, "Command4");
        QVERIFY(fake.Richieste.size() > 3);
        QCOMPARE(LoopAttivo, int16_t(0));
        // Until the first failure, which leaves the boxes as they were.
        fake.Unita(247).Input[0] = 9;
        fake.Richieste.clear();
        fake.Accoda(R::Nessuna());
        Clic(w, "Command4");
        QCOMPARE(fake.Richieste.size(), 1);
        QCOMPARE(T(w, "txt_Input_0"), QStringLiteral("-1"));
        QVERIFY(copione.Messaggi().isEmpty());
        Chiudi(w);
    }
};

QTEST_MAIN(TestConfQVR)
#include "test_confqvr.moc"
