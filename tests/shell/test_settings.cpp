// The Settings dialog against the shared state, and the settings file it writes.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "shell/Cartelle.h"
#include "shell/Finestre.h"
#include "shell/frm_Settings.h"
#include "shell/Impostazioni.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/DiscoPieno.h"
#include "support/FakeController.h"
#include "support/ShellFake.h"
#include "support/ShellStato.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

using Test::Impostazioni;

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    Test::StatoShell m_iniziale;
    Test::Copione m_copione;

    QString Cartella() const { return m_home.path() + QStringLiteral("/data"); }
    QString File() const { return Cartella() + QStringLiteral("/devSettings.dat"); }
    frm_Settings* Dialogo(int pagina = 0)
    {
        frm_Settings::Apri(pagina);
        return Finestre::Get<frm_Settings>();
    }
    template <class T> T* Campo(const char* nome)
    {
        T* w = Finestre::Get<frm_Settings>()->findChild<T*>(QString::fromLatin1(nome));
        if (!w) qFatal("missing control %s", nome);
        return w;
    }
    QByteArray LeggiFile()
    {
        QFile f(File());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_DATA_HOME", Cartella().toUtf8());
        Test::AvviaWorkbench();
        m_iniziale = Test::StatoShell{};
    }
    void init()
    {
        m_iniziale.Ripristina();
        QFile::remove(File());
        m_copione = Test::Copione();
        m_copione.Installa();
    }
    void cleanup()
    {
        if (auto* f = Finestre::SeCaricata<frm_Settings>()) f->hide();
    }

    // The fields loaded from the state; one size on every page and every
    // opening (the other opener switches the page of the open dialog); Enter
    // in a field is OK.
    void caricaDalloStato()
    {
        frm_Settings* f = Dialogo(0);
        QVERIFY(f->isVisible() && !f->frm_opt(0)->isHidden() && f->frm_opt(1)->isHidden());
        QVERIFY(Campo<QRadioButton>("optChannel_0")->isChecked());
        QCOMPARE(Campo<QLineEdit>("txt_ip")->text(), QStringLiteral("192.168.1.100"));
        QCOMPARE(Campo<QLineEdit>("txt_port")->text(), QStringLiteral("502"));
        QCOMPARE(Campo<QLineEdit>("txt_address")->text(), QStringLiteral("10"));
        QCOMPARE(Campo<QLineEdit>("txt_timeoutTCP")->text(), QStringLiteral("1000"));
        QCOMPARE(Campo<QSlider>("Slider1")->value(), 0);   // 500 ms, half to even
        QVERIFY(!Campo<QCheckBox>("chk_Update")->isChecked());
        QVERIFY(Campo<QWidget>("frmCOM")->isHidden());
        const QSize misura = f->size();
        Campo<QRadioButton>("optChannel_1")->click();
        frm_Settings::Apri(1);
        QVERIFY(f->frm_opt(0)->isHidden() && !f->frm_opt(1)->isHidden());
        QCOMPARE(f->size(), misura);
        f->hide();
        frm_Settings::Apri(0);
        QCOMPARE(f->size(), misura);
        QTest::keyClick(Campo<QLineEdit>("txt_address"), Qt::Key_Return);
        QVERIFY(!f->isVisible());
    }

    void okSenzaModificheNonCambiaNulla_data()
    {
        QTest::addColumn<bool>("seriale");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<int>("modello");
        QTest::newRow("ethernet") << false << "" << 7;
        QTest::newRow("serial, model not in this edition's list") << true << "19200" << 8;
        QTest::newRow("serial, rate from the device search") << true << "4800" << 7;
    }
    void okSenzaModificheNonCambiaNulla()
    {
        QFETCH(bool, seriale);
        QFETCH(QString, baud);
        QFETCH(int, modello);
        Controllore.TimeoutTCP = 2500;
        ComTimeout = 5;
        TempoAggiornamento = 1500;
        AggiornamentoAuto = true;
        Controllore.Modello = uint8_t(modello);
        Controllore.Nodo = 33;
        if (seriale) {
            Controllore.TipoConnessione = CollegamentoSeriale;
            Controllore.Porta = 4;
            Controllore.BaudRate = baud;
            Controllore.DueStop = Controllore.Modem = true;
        }
        const auto prima = Impostazioni();
        Dialogo();
        Campo<QPushButton>("cmd_ok_1")->click();
        QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("Controller not connected")});
        QVERIFY(prima == Impostazioni());
        QVERIFY(!LeggiFile().isEmpty());
    }

    // Fields edited ("control=value"; "#n" picks the list item with data n,
    // a word the item with that text), then OK: the state and file
    // afterwards, or the refusal that changes nothing.
    void modifiche_data()
    {
        QTest::addColumn<QStringList>("modifiche");
        QTest::addColumn<QStringList>("attesi");   // empty: refused
        QTest::addColumn<QByteArray>("file");
        auto r = [](const char* n, QStringList m, QStringList a = {}, QByteArray f = {}) {
            QTest::newRow(n) << m << a << f;
        };
        r("ethernet", {}, {"TipoConnessione=0"},
          " 1 \r\n4595\r\n 0 \r\n 10 \r\n127.0.0.9\r\n 502 \r\n 1000 \r\n\r\n 0 \r\n 0 \r\n");
        r("serial", {"optChannel_1=1", "frmCOM=1", "frmTCP=0", "cmbCOM=2", "cmbBaud=x38400", "optStop_1=1", "chk_Modem=1", "txt_address=247"},
          {"TipoConnessione=1", "Porta=3", "ComTimeout=2"},
          // The address field is not taken on a serial link.
          " 1 \r\n4595\r\n 1 \r\n 247 \r\n192.168.1.100\r\n 3 \r\n 1000 \r\n38400\r\n 1 \r\n 1 \r\n");        r("timeout 400 never 0 s", {"txt_timeoutTCP=400"}, {"TimeoutTCP=400", "ComTimeout=1"});
        r("timeout 2500 half to even", {"txt_timeoutTCP=2500"}, {"TimeoutTCP=2500", "ComTimeout=2"});
        r("timeout 3500 half to even", {"txt_timeoutTCP=3500"}, {"TimeoutTCP=3500", "ComTimeout=4"});
        r("timeout 1499", {"txt_timeoutTCP=1499"}, {"TimeoutTCP=1499", "ComTimeout=1"});
        r("port above 15 bits", {"txt_port=50000"}, {"Porta=50000"},
          " 1 \r\n4595\r\n 0 \r\n 10 \r\n127.0.0.9\r\n 50000 \r\n 1000 \r\n\r\n 0 \r\n 0 \r\n");
        r("model chosen", {"Combo1=#17"}, {"Modello=17"});
        r("refresh", {"Slider1=3", "chk_Update=1"}, {"lbl_tempo=3", "TempoAggiornamento=3000", "AggiornamentoAuto=1"});
        r("port text", {"txt_port=abc"});
        r("port 0", {"txt_port=0"});
        r("port above 16 bits", {"txt_port=65536"});
        r("port empty", {"txt_port="});
        r("node 256", {"txt_address=256"});
        r("node negative", {"txt_address=-1"});
        r("node text", {"txt_address=1O"});
        r("timeout 0", {"txt_timeoutTCP=0"});
        r("timeout text", {"txt_timeoutTCP=1s"});
        r("timeout decimal", {"txt_timeoutTCP=1.5"});
        r("serial without a rate", {"optChannel_1=1", "cmbBaud=-1"});   // as the dialog starts
        // Digits and dots are an address and are never looked up as a name.
        r("address past 255", {"txt_ip=300.1.2.3"});
        r("address of three numbers", {"txt_ip=10.0.1"});
        r("address of five numbers", {"txt_ip=10.0.0.1.5"});
        r("address with an empty number", {"txt_ip=10..0.1"});
        r("address with a long number", {"txt_ip=10.0.0.0001"}, {"IndirizzoIP=10.0.0.0001"});
        r("address 0 and 255", {"txt_ip=0.255.0.255"}, {"IndirizzoIP=0.255.0.255"});
        r("host name", {"txt_ip=plc-1.local"}, {"IndirizzoIP=plc-1.local"});
        r("host name of digits", {"txt_ip=4555.1.plc"}, {"IndirizzoIP=4555.1.plc"});
        r("serial keeps an unusable address unread", {"optChannel_1=1", "cmbBaud=x9600", "txt_ip=300.1.2.3"},
          {"TipoConnessione=1", "IndirizzoIP=192.168.1.100"});
    }
    void modifiche()
    {
        QFETCH(QStringList, modifiche);
        QFETCH(QStringList, attesi);
        QFETCH(QByteArray, file);
        const auto prima = Impostazioni();
        frm_Settings* f = Dialogo();
        // A refusal must not keep the fields read before it.
        Campo<QLineEdit>("txt_ip")->setText(QStringLiteral("127.0.0.9"));
        for (const QString& m : modifiche) {
            const QString v = m.section(QLatin1Char('='), 1);
            QWidget* w = Campo<QWidget>(qPrintable(m.section(QLatin1Char('='), 0, 0)));
            if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(v);
            else if (auto* c = qobject_cast<QComboBox*>(w))
                c->setCurrentIndex(v.startsWith(QLatin1Char('#')) ? c->findData(v.mid(1).toInt())
                                   : v.startsWith(QLatin1Char('x')) ? c->findText(v.mid(1)) : v.toInt());
            else if (auto* s = qobject_cast<QSlider*>(w)) s->setValue(v.toInt());
            else if (auto* o = qobject_cast<QRadioButton*>(w)) o->click();
            else if (auto* k = qobject_cast<QCheckBox*>(w)) k->setChecked(v == u"1");
            else QCOMPARE(w->isVisibleTo(f), v == u"1");   // a frame the choice shows or hides
        }
        const QString tempo = Campo<QLabel>("lbl_tempo")->text();
        Campo<QPushButton>("cmd_ok_1")->click();
        if (attesi.isEmpty()) {
            QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("Error: Check Values")});
            QVERIFY(f->isVisible());
            QVERIFY(prima == Impostazioni());
            QVERIFY(!QFile::exists(File()));
            return;
        }
        QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("Controller not connected")});
        QVERIFY(!f->isVisible());
        if (!file.isEmpty()) QCOMPARE(LeggiFile(), file);
        QCOMPARE(QDir::current().absolutePath(), QDir(Cartella()).absolutePath());
        const QMap<QString, QString> visti = {{"TipoConnessione", QString::number(Controllore.TipoConnessione)},
            {"TimeoutTCP", QString::number(Controllore.TimeoutTCP)}, {"ComTimeout", QString::number(ComTimeout)},
            {"Porta", QString::number(uint16_t(Controllore.Porta))}, {"Modello", QString::number(Controllore.Modello)},
            {"TempoAggiornamento", QString::number(TempoAggiornamento)},
            {"AggiornamentoAuto", QString::number(AggiornamentoAuto)}, {"lbl_tempo", tempo},
            {"IndirizzoIP", Controllore.IndirizzoIP}};
        for (const QString& a : attesi) QCOMPARE(a.section(QLatin1Char('='), 0, 0) + QLatin1Char('=') +
                                                      visti.value(a.section(QLatin1Char('='), 0, 0)), a);
        Dialogo();   // opened again, it shows the port kept
        if (Controllore.TipoConnessione == 0) QCOMPARE(Campo<QLineEdit>("txt_port")->text(), QString::number(uint16_t(Controllore.Porta)));
    }

    // A settings file that cannot be written is reported with its name and
    // reason; the one saved before stays and the new settings still apply.
    void fileNonSalvato_data()
    {
        QTest::addColumn<bool>("pieno");
        QTest::newRow("full disk") << true;
        QTest::newRow("read-only data folder") << false;
    }
    void fileNonSalvato()
    {
        QFETCH(bool, pieno);
        Test::DiscoPieno disco;
        if (!disco.Pronto()) QSKIP(qPrintable(disco.Motivo()));
        const QString file = disco.Percorso(QStringLiteral("devSettings.dat"));
        const QByteArray vecchio = " 1 \r\n4595\r\n 0 \r\n 10 \r\n192.168.1.100\r\n 502 \r\n 1000 \r\n\r\n 0 \r\n 0 \r\n";
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(vecchio) == vecchio.size());
        }
        if (pieno) disco.Riempi();
        else QVERIFY(disco.SolaLettura());
        qputenv("XDG_DATA_HOME", QFile::encodeName(QFileInfo(file).path()));
        Dialogo();
        Campo<QLineEdit>("txt_timeoutTCP")->setText(QStringLiteral("400"));
        Campo<QPushButton>("cmd_ok_1")->click();
        qputenv("XDG_DATA_HOME", Cartella().toUtf8());
        QDir::setCurrent(m_home.path());
        const QStringList messaggi = m_copione.Messaggi();
        QCOMPARE(messaggi.size(), 2);
        QCOMPARE(messaggi[0], QStringLiteral("Controller not connected"));
        const QString attesa = QStringLiteral("The settings file was not saved: %1: ").arg(file);
        QVERIFY2(messaggi[1].startsWith(attesa), qPrintable(messaggi[1]));
        QVERIFY2(messaggi[1].endsWith(QStringLiteral("\nThe settings apply until the program closes.")), qPrintable(messaggi[1]));
        // A reason, not an empty one.
        QVERIFY(messaggi[1].size() > attesa.size() + 48);
        QVERIFY(!Finestre::Get<frm_Settings>()->isVisible());
        QCOMPARE(Controllore.TimeoutTCP, int16_t(400));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), vecchio);
    }

    // No data folder to be had: the folder's own message, then the file's.
    void cartellaDatiMancante()
    {
        QFile intralcio(m_home.filePath(QStringLiteral("a-file")));
        QVERIFY(intralcio.open(QIODevice::WriteOnly));
        intralcio.close();
        qputenv("XDG_DATA_HOME", QFile::encodeName(intralcio.fileName() + QStringLiteral("/data")));
        Dialogo();
        Campo<QPushButton>("cmd_ok_1")->click();
        qputenv("XDG_DATA_HOME", Cartella().toUtf8());
        QCOMPARE(m_copione.Messaggi(),
                 (QStringList{QStringLiteral("Controller not connected"), QStringLiteral("The folder does not exist"),
                              QStringLiteral("The settings file was not saved: devSettings.dat: the application-data "
                                             "folder is missing\nThe settings apply until the program closes.")}));
        QVERIFY(!Finestre::Get<frm_Settings>()->isVisible());
    }

    void separatoriNonSelezionabili()
    {
        const QList<VoceModello> voci = ElencoModelliImpostazioni();
        QCOMPARE(voci.size(), 13);   // this edition: the module block between two separators
        QCOMPARE(voci.last().record, 12);
        Dialogo();
        QComboBox* c = Campo<QComboBox>("Combo1");
        QCOMPARE(c->currentIndex(), 0);   // model 0 is the first item, not a separator
        auto* m = qobject_cast<QStandardItemModel*>(c->model());
        int separatori = 0;
        for (int i = 0; i < voci.size(); ++i) {
            QCOMPARE(c->itemData(i).toInt(), voci[i].record);
            const bool scegli = m->item(i)->flags() & Qt::ItemIsEnabled;
            QCOMPARE(scegli, !voci[i].Separatore());
            separatori += voci[i].Separatore();
        }
        QCOMPARE(separatori, 2);
    }

    void annullaTieneSoloLaLingua()
    {
        const auto prima = Impostazioni();
        Dialogo(1);
        Campo<QRadioButton>("opt_lang_0")->click();
        QCOMPARE(Lingua, uint8_t(0));
        QCOMPARE(Finestre::Get<frm_Settings>()->windowTitle(), QStringLiteral("Impostazioni"));
        Campo<QSlider>("Slider1")->setValue(4);
        Campo<QCheckBox>("chk_Update")->setChecked(true);
        Campo<QPushButton>("cmd_ok_0")->click();
        QVERIFY(!Finestre::Get<frm_Settings>()->isVisible());
        QCOMPARE(Lingua, uint8_t(0));
        QVERIFY(prima == Impostazioni());
        QVERIFY(!QFile::exists(File()));
        Dialogo(1);
        Campo<QRadioButton>("opt_lang_1")->click();
        QCOMPARE(Finestre::Get<frm_Settings>()->windowTitle(), QStringLiteral("Settings"));
    }

    // With no controller the model is still asked for: the user is told
    // there is none, the status bar and the Log say so, and the model
    // chosen in the list is taken.
    void okScollegato()
    {
        QVERIFY(!Controllore.Connesso);
        QListWidget* log = Finestre::Get<Log>()->Testo();
        const int righe = log->count();
        Principale::Istanza()->ImpostaPannello(4, QString());
        Dialogo();
        QComboBox* c = Campo<QComboBox>("Combo1");
        c->setCurrentIndex(c->findData(17));
        Campo<QPushButton>("cmd_ok_1")->click();
        QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("Controller not connected")});
        QCOMPARE(Principale::Istanza()->Pannello(4), QStringLiteral("Com Error"));
        QVERIFY(log->count() > righe);
        QCOMPARE(log->item(log->count() - 1)->text().trimmed(), QStringLiteral("Com Error"));
        QCOMPARE(int(Controllore.Modello), 17);
        QVERIFY(!Finestre::Get<frm_Settings>()->isVisible());
        QVERIFY(QFile::exists(File()));
    }

    // With a controller connected, the model it reports wins over the list.
    void modelloDalController()
    {
        Test::FakeController fake;
        QVERIFY(fake.AvviaTcp());
        QVERIFY(Test::CollegaAlFake(fake, false));
        const auto collegato = Impostazioni();
        Test::CodiceNelFake(fake, "4599");
        Dialogo();
        QCOMPARE(Campo<QComboBox>("Combo1")->currentData().toInt(), 0);
        Campo<QPushButton>("cmd_ok_1")->click();
        QCOMPARE(fake.Richieste.value(0), QByteArray::fromHex("0a0400010002"));
        QCOMPARE(Modelli[Controllore.Modello].Codice, QStringLiteral("4599"));
        Controllore.Modello = std::get<0>(collegato);   // nothing else changed
        QVERIFY(collegato == Impostazioni());
        Disconnetti();
    }

    // A zero-padded address is the device it names in decimal: connect and
    // the transaction reach 127.0.0.10, nothing reaches 127.0.0.8 (octal 010).
    void indirizzoConZeri()
    {
        Test::FakeController giusto, ottale;
        QVERIFY(giusto.AvviaTcp(QHostAddress(QStringLiteral("127.0.0.10"))));
        QVERIFY(ottale.AvviaTcp(QHostAddress(QStringLiteral("127.0.0.8")), giusto.porta()));
        giusto.Input[1] = 4321;
        Dialogo();
        Campo<QLineEdit>("txt_ip")->setText(QStringLiteral("127.000.000.010"));
        Campo<QLineEdit>("txt_port")->setText(QString::number(giusto.porta()));
        Campo<QPushButton>("cmd_ok_1")->click();
        QCOMPARE(Controllore.IndirizzoIP, QStringLiteral("127.000.000.010"));
        Connetti();
        QVERIFY(Controllore.Connesso);
        QCOMPARE(LeggiInput(Controllore.Nodo, 1), std::optional<int>(4321));
        QCOMPARE(giusto.Richieste.size(), 1);
        QCOMPARE(ottale.ConnessioniAccettate, 0);
        ComErr = 1;
        Disconnetti();
    }

    // A node changed while connected is the one the next request goes to,
    // and the status bar names it at once; a new address applies only at the
    // next connect, so the bar keeps the one the link reaches.
    void nodoInUso()
    {
        Test::FakeController fake;
        QVERIFY(fake.AvviaTcp());
        QVERIFY(Test::CollegaAlFake(fake, false));
        const QString collegato = Controllore.IndirizzoIP;
        Dialogo();
        Campo<QLineEdit>("txt_address")->setText(QStringLiteral("7"));
        Campo<QLineEdit>("txt_ip")->setText(QStringLiteral("127.0.0.99"));
        Campo<QPushButton>("cmd_ok_1")->click();
        QCOMPARE(Controllore.IndirizzoIP, QStringLiteral("127.0.0.99"));
        QCOMPARE(Principale::Istanza()->Pannello(5), collegato + QStringLiteral(" [7]"));
        LeggiStatoPLC();
        QCOMPARE(fake.Richieste.last().left(1), QByteArray(1, 7));
        Disconnetti();
    }

    void cartellaSpeciale()
    {
        QCOMPARE(GetSpecialFolder(0x7777), QString());
        QCOMPARE(m_copione.Messaggi(), QStringList{QStringLiteral("An invalid folder ID was specified")});
        QDir(Cartella()).removeRecursively();
        QCOMPARE(GetSpecialFolder(CSIDL_LOCAL_APPDATA), QString());
        QCOMPARE(m_copione.Messaggi().last(), QStringLiteral("The folder does not exist"));
        const QString creata = GetSpecialFolder(CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE);
        QCOMPARE(QDir(creata).absolutePath(), QDir(Cartella()).absolutePath());
        QVERIFY(QDir(creata).exists());
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
