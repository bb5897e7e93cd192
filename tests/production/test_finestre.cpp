// The tool windows opened from their menu items through the window
// registry, and the paths that only the windows take: the MAC list on
// screen, a close refused, "Read ID" with the port closed, R8T200 lists,
// the MOLU bench's frames and variant click, the FTP browser's export file.
#include "comm/Dispositivo.h"
#include "production/bootloader/frm_Bootloader.h"
#include "production/ftp/frm_FTP.h"
#include "production/mac/frm_LettMAC.h"
#include "production/molu/frm_coll_MOLU.h"
#include "production/r8t200/frm_R8T200.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"
#include "support/AiutiRicerca.h"
#include "support/Ambiente.h"
#include "support/FakeController.h"

#include <QAction>
#include <QGroupBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestFinestreProduzione : public QObject {
    Q_OBJECT
    Test::FakeController fake;
    Test::Copione copione;

    template <class T> T* Apri(const char* voce)
    {
        Principale::Istanza()->Menu(QString::fromLatin1(voce))->trigger();
        T* w = Finestre::SeCaricata<T>();
        return w && w->isVisible() ? w : nullptr;
    }
    QString Testo(QWidget* w, const char* nome) { return w->findChild<QPushButton*>(QString::fromLatin1(nome))->text(); }

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        QVERIFY(fake.AvviaTcp());
    }
    void init()
    {
        copione = Test::Copione();
        copione.Installa();
    }

    void mac()
    {
        QVERIFY(Test::CollegaAlFake(fake, false));
        fake.Input[14] = 0x0004, fake.Input[15] = 0xA312, fake.Input[16] = 0x3456;
        auto* w = Apri<frm_LettMAC>("mnu_mac");
        QVERIFY(w);
        QCOMPARE(Testo(w, "Command1"), QStringLiteral("Carica MAC da 25AA02E48"));
        w->ImpostaCampi(CampiMAC{"123", "09", ""});
        w->Command1_Click();
        QCOMPARE(w->Righe(), QStringList{"[1]\t00-04-A3-12-34-56\tPFC:123/09\tCl.:"});
        w->Command2_Click();
        QCOMPARE(copione.Messaggi(), QStringList{"Selezionare un MAC"});
        // Unsaved: Cancel keeps the window and the list.
        copione.Rispondi(Prompt::Annulla);
        QVERIFY(!w->parentWidget()->close());
        QCOMPARE(Finestre::SeCaricata<frm_LettMAC>(), w);
        QCOMPARE(w->Registro().ElencoMAC.size(), 1);
        w->Registro().ElencoModificato = false;
    }

    void bootloader()
    {
        QTemporaryDir dir;
        const QString prima = QDir::currentPath();
        QDir::setCurrent(dir.path());
        auto* w = Apri<frm_Bootloader>("mnu_boot");
        QVERIFY(w);
        QCOMPARE(Testo(w, "Command2") + Testo(w, "Command1"), QStringLiteral("OpenRead ID"));
        w->Command1_Click();
        QDir::setCurrent(prima);
        QCOMPARE(copione.Messaggi(), QStringList{"qvr8685TCP.hex: file non trovato"});
        QVERIFY(w->Dispositivo().isEmpty() && w->Revisione().isEmpty());
    }

    void r8t200()
    {
        QVERIFY(Test::CollegaAlFake(fake, false));
        fake.Holding[0xC95B] = 0xFFFF;
        auto* w = Apri<frm_R8T200>("mnu_collR8T200");
        QVERIFY(w);
        w->findChild<QPushButton*>(QStringLiteral("cmd_read_0"))->click();
        QCOMPARE(w->Righe(1).size(), 48);
        QCOMPARE(w->Righe(1).first(), QStringLiteral("C95B\t-1"));
        QCOMPARE(fake.Richieste.first().left(1), QByteArray(1, 5));
    }

    void molu()
    {
        qputenv("WORKBENCH_MOLU_DISPOSITIVO", fake.indirizzo().toString().toLatin1());
        Controllore.Porta = int16_t(fake.porta());
        auto* w = Apri<frm_coll_MOLU>("mnu_coll_MOLU");
        QVERIFY(w);
        QCOMPARE(Testo(w, "cmd_connetti_1"), QStringLiteral("Discconnetti banco"));
        auto* frame5 = w->findChild<QGroupBox*>(QStringLiteral("Frame5"));
        QVERIFY(!frame5->isEnabled() && !w->findChild<QGroupBox*>(QStringLiteral("Frame1"))->isEnabled());
        w->ScegliVariante(2);
        QVERIFY(frame5->isEnabled() && Controllore.Connesso);
        QCOMPARE(Controllore.Nodo, uint8_t(128));
    }

    void ftp()
    {
        auto* w = Apri<frm_FTP>("mnu_FTP");
        QVERIFY(w);
        Test::PagineAperte pagine;
        w->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCOMPARE(pagine.aperti, QStringList{QUrl::fromLocalFile(QDir::current().absoluteFilePath("export.txt")).toString()});
    }
};

QTEST_MAIN(TestFinestreProduzione)
#include "test_finestre.moc"
