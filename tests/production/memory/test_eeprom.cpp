// The Memory inspector, offscreen against the fake controller: captions and
// start values, the single reads and writes per format, the linked byte and
// value fields, the refusals with nothing on the wire and the range buttons.
#include "base/Globali.h"
#include "comm/AccessoController.h"
#include "production/memory/frm_eeprom.h"
#include "production/memory/TrasferimentoMemoria.h"
#include "shell/Finestre.h"
#include "support/Copione.h"
#include "support/EventiRegistrati.h"
#include "support/FakeController.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>

using namespace Test;

namespace {
frm_eeprom* W() { return Finestre::Get<frm_eeprom>(); }
template <class T = QLineEdit> T* C(const QString& nome)
{
    T* c = W()->findChild<T*>(nome);
    if (!c) qFatal("no control %s", qPrintable(nome));
    return c;
}
void Clic(const char* nome) { C<QAbstractButton>(QString::fromLatin1(nome))->click(); }
void Testo(const char* nome, const QString& t) { C(QString::fromLatin1(nome))->setText(t); }
QString Campi()   // "A B C D = value"
{
    QStringList b;
    for (char c : {'A', 'B', 'C', 'D'}) b << C(QStringLiteral("txt_valore") + QLatin1Char(c))->text();
    return b.join(u' ') + QStringLiteral(" = ") + C(QStringLiteral("txt_valore"))->text();
}
} // namespace

class TestEeprom : public QObject {
    Q_OBJECT
    FakeController m_fake;
    EventiRegistrati m_eventi;
    Copione m_copione;

    void Prepara(int formato)
    {
        QVERIFY(CollegaAlFake(m_fake, false));
        m_copione = Copione();
        m_copione.Installa();
        Clic(QStringLiteral("Option2_%1").arg(formato).toLatin1());
    }

private slots:
    void initTestCase() { QVERIFY(m_fake.AvviaTcp()); }

    void avvio()
    {
        QCOMPARE(W()->windowTitle(), QStringLiteral("Memory"));
        const char* valori[][2] = {{"txt_start", "0"}, {"txt_valoreA", "000"}, {"txt_valoreD", "000"},
                                   {"txt_valore", "0"}, {"Text1", "0"}, {"Text2", "65000"}};
        for (const auto& v : valori) QCOMPARE(C(QString::fromLatin1(v[0]))->text(), QString::fromLatin1(v[1]));
        QVERIFY(C(QStringLiteral("txt_valoreA"))->isEnabled() && !C(QStringLiteral("txt_valoreB"))->isEnabled());
        for (const char* o : {"Option3_0", "Option2_0", "Option1_0"}) QVERIFY(C<QAbstractButton>(QString::fromLatin1(o))->isChecked());
        QStringList ordine;   // the formats top to bottom
        QLayout* l = C<QGroupBox>(QStringLiteral("Frame1"))->layout();
        for (int i = 0; i < l->count(); ++i) ordine << qobject_cast<QAbstractButton*>(l->itemAt(i)->widget())->text();
        QCOMPARE(ordine, (QStringList{"Byte", "Int", "Long", "Float"}));
        QCOMPARE(C<QAbstractButton>(QStringLiteral("Command2"))->text(), QStringLiteral("Clear EEprom"));
    }

    // Bytes 1, 2, 3, 4 read in each format; then a failed read.
    void lettura_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<bool>("flash");
        QTest::addColumn<QString>("attesi");
        QTest::newRow("byte") << 0 << false << "1 2 3 4 = 1";
        QTest::newRow("int") << 1 << false << "1 2 3 4 = 513";
        QTest::newRow("long") << 3 << false << "1 2 3 4 = 67305985";
        QTest::newRow("long flash") << 3 << true << "1 2 3 4 = 67305985";
    }
    void lettura()
    {
        QFETCH(int, formato);
        QFETCH(bool, flash);
        QFETCH(QString, attesi);
        Prepara(formato);
        const quint32 a = flash ? 0x12345 : 65532;
        for (quint32 i = 0; i < 4; ++i) m_fake.Memoria[a + i] = quint8(i + 1);
        Testo("txt_valore", QStringLiteral("0"));
        Clic(flash ? "Option3_1" : "Option3_0");
        Testo("txt_start", QString::number(a));
        Clic("Command1");
        QCOMPARE(m_fake.Richieste.at(0), QByteArray::fromHex(flash ? "0a1405012345" "04" : "0a140200fffc" "04"));
        QCOMPARE(Campi(), attesi);
        m_fake.Accoda(FakeController::Risposta::Nessuna());
        Clic("Command1");
        QCOMPARE(Campi(), QStringLiteral("    = "));
    }

    // Typing into the value field, key by key, and editing a byte field.
    void campiCollegati_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("tasti");
        QTest::addColumn<QStringList>("passi");   // after each key
        QTest::newRow("byte 300") << 0 << "300" << QStringList{"3 0 0 0 = 3", "30 0 0 0 = 30", "44 0 0 0 = 300"};
        QTest::newRow("int -1") << 1 << "-1" << QStringList{"0 0 0 0 = -", "255 255 0 0 = -1"};
        QTest::newRow("long max") << 3 << "4294967295" << QStringList{};
        QTest::newRow("float") << 2 << "5" << QStringList{"0 0 0 0 = 5"};
    }
    void campiCollegati()
    {
        QFETCH(int, formato);
        QFETCH(QString, tasti);
        QFETCH(QStringList, passi);
        Prepara(formato);
        QLineEdit* v = C(QStringLiteral("txt_valore"));
        v->setText(QStringLiteral("9"));
        v->clear();
        QCOMPARE(Campi(), QStringLiteral("0 0 0 0 = "));
        QStringList visti;
        for (QChar k : tasti) {
            QTest::keyClicks(v, QString(k));
            visti << Campi();
        }
        if (formato == 3) QCOMPARE(visti.last(), QStringLiteral("255 255 255 255 = 4294967295"));
        else QCOMPARE(visti, passi);
    }

    void campoByte()
    {
        Prepara(0);
        Testo("txt_valore", QString());
        Testo("txt_valore", QStringLiteral("5"));
        Testo("txt_valoreB", QStringLiteral("7"));   // the value stays 5: nothing rewritten
        QCOMPARE(Campi(), QStringLiteral("5 7 0 0 = 5"));
        Clic("Option2_1");
        Testo("txt_valoreA", QStringLiteral("6"));
        QCOMPARE(Campi(), QStringLiteral("6 7 0 0 = 1798"));
        Clic("Option2_2");   // Float keeps A and B enabled and shows no value
        Testo("txt_valoreA", QStringLiteral("8"));
        QCOMPARE(Campi(), QStringLiteral("8 7 0 0 = 1798"));
        QVERIFY(C(QStringLiteral("txt_valoreB"))->isEnabled() && !C(QStringLiteral("txt_valoreC"))->isEnabled());
    }

    // "Scrivi": the request per format; refused values send nothing.
    void scrittura_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QStringList>("campi");   // address, value, then A..D as typed last
        QTest::addColumn<QByteArray>("richiesta");   // empty: nothing on the wire
        QTest::newRow("byte") << 0 << QStringList{"300", "200"} << QByteArray::fromHex("0a140400012c01c8");
        QTest::newRow("int") << 1 << QStringList{"65535", "-2"} << QByteArray::fromHex("0a140400ffff02feff");
        QTest::newRow("long") << 3 << QStringList{"7", "16909060"} << QByteArray::fromHex("0a1404000007" "0404030201");
        QTest::newRow("float") << 2 << QStringList{"7", "1"} << QByteArray();
        QTest::newRow("flash") << 0 << QStringList{"flash", "7", "1"} << QByteArray();
        QTest::newRow("address 65536") << 0 << QStringList{"65536", "1"} << QByteArray();
        QTest::newRow("address text") << 0 << QStringList{"x1", "1"} << QByteArray();
        QTest::newRow("byte value 256") << 0 << QStringList{"1", "256"} << QByteArray();
        QTest::newRow("fraction") << 1 << QStringList{"1", "2.5"} << QByteArray();
        QTest::newRow("byte field 256") << 1 << QStringList{"1", "2", "256"} << QByteArray();
    }
    void scrittura()
    {
        QFETCH(int, formato);
        QFETCH(QStringList, campi);
        QFETCH(QByteArray, richiesta);
        Prepara(formato);
        const bool flash = campi.first() == QLatin1String("flash");
        if (flash) campi.removeFirst();
        Clic(flash ? "Option3_1" : "Option3_0");
        Testo("txt_start", campi[0]);
        Testo("txt_valore", campi[1]);
        if (campi.size() > 2) Testo("txt_valoreB", campi[2]);
        Clic("Command4");
        QCOMPARE(m_fake.Richieste.value(0), richiesta);
        QCOMPARE(m_copione.Messaggi().size(), richiesta.isEmpty() && formato != 2 ? 1 : 0);
    }

    void intervalli_data()
    {
        QTest::addColumn<QString>("da");
        QTest::addColumn<QString>("a");
        QTest::addColumn<int>("first");   // -1: refused
        QTest::newRow("100-100") << "100" << "100" << 3;
        QTest::newRow("0-127") << "0" << "127" << 0;
        QTest::newRow("a below da") << "200" << "100" << -1;
        QTest::newRow("65536") << "0" << "65536" << -1;
    }
    void intervalli()
    {
        QFETCH(QString, da);
        QFETCH(QString, a);
        QFETCH(int, first);
        Prepara(0);
        Testo("Text1", da);
        Testo("Text2", a);
        NomeFile.clear();
        Clic("Command3");   // the Save dialog is cancelled: nothing saved
        QCOMPARE(m_fake.Richieste.size(), first < 0 ? 0 : 4 - first);
        if (first >= 0) QCOMPARE(m_fake.Richieste.first().mid(4, 2), QByteArray::fromHex(first ? "0060" : "0000"));
        if (first == 0) QCOMPARE(C<QProgressBar>(QStringLiteral("ProgressBar1"))->value(), 75);
        QCOMPARE(m_copione.Messaggi().size(), first < 0 ? 1 : 0);
    }
};

QTEST_MAIN(TestEeprom)
#include "test_eeprom.moc"
