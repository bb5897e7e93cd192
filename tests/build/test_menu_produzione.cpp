// The production menu items reach the export and the listing: with both
// dialogs cancelled the Log shows the export's opening line and nothing is written.
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "shell/Prompt.h"
#include "support/Ambiente.h"

#include <QListWidget>
#include <QtTest>

class TestMenuProduzione : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }

    void annullati()
    {
        Prompt::RegistraStorico(true);
        Prompt::ImpostaRisponditore([](const Prompt::Richiesta&) { return Prompt::Risposta_{.annullato = true}; });
        LogClear();
        MenuClick(QStringLiteral("mnu_Export"));
        MenuClick(QStringLiteral("mnu_print"));
        QListWidget* l = Finestre::Get<Log>()->Testo();
        QCOMPARE(l->count(), 2);
        QCOMPARE(l->item(1)->text(), QStringLiteral("  Exporting ..."));
        QCOMPARE(Prompt::Storico().size(), 2);
        QCOMPARE(Prompt::Storico()[0].tipo, Prompt::Tipo::FileSalva);
        QCOMPARE(Prompt::Storico()[1].tipo, Prompt::Tipo::Stampa);
        QVERIFY(Prompt::Storico()[1].stampante);
    }
};

QTEST_MAIN(TestMenuProduzione)
#include "test_menu_produzione.moc"
