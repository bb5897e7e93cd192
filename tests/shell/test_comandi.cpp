// The build commands end to end: the toolbar's compile key writes the report
// into the Log; the production menu items reach the export and the listing
// (both dialogs cancelled: the export's opening line, nothing written).
#include "base/Prompt.h"
#include "compiler/Compilatore.h"
#include "program/Programmi.h"
#include "shell/ComandiBarra.h"
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "support/Ambiente.h"

#include <QListWidget>
#include <QtTest>

namespace {
QStringList RigheLog()
{
    QListWidget* l = Finestre::Get<Log>()->Testo();
    QStringList righe;
    for (int i = 0; i < l->count(); ++i) righe << l->item(i)->text();
    return righe;
}
} // namespace

class TestComandi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }

    void proj_comp()
    {
        Programmi[0].NumRung = 1;
        Programmi[0].Rung[1].Classe = 3;
        Programmi[0].Rung[1].Valido = true;
        Programmi[0].Rung[1].Lunghezza = 34;
        LogClear();
        Toolbar1_ButtonClick(QStringLiteral("proj_comp"));
        const QStringList righe = RigheLog();
        QVERIFY(righe.first().startsWith(u"-- "));
        QCOMPARE(righe.mid(1), (QStringList{"  Compiling", "  Error check : OK", "  Resource usage :",
                                            "    48 / 5634 Bytes (0%)", "  Compiled"}));
        QCOMPARE(ImmagineCodice[0], uint8_t(1));
    }

    void produzioneAnnullata()
    {
        Prompt::RegistraStorico(true);
        Prompt::ImpostaRisponditore([](const Prompt::Richiesta&) { return Prompt::Risposta_{.annullato = true}; });
        LogClear();
        MenuClick(QStringLiteral("mnu_Export"));
        MenuClick(QStringLiteral("mnu_print"));
        QCOMPARE(RigheLog().size(), 2);
        QCOMPARE(RigheLog()[1], QStringLiteral("  Exporting ..."));
        QCOMPARE(Prompt::Storico().size(), 2);
        QCOMPARE(Prompt::Storico()[0].tipo, Prompt::Tipo::FileSalva);
        QCOMPARE(Prompt::Storico()[1].tipo, Prompt::Tipo::Stampa);
        QVERIFY(Prompt::Storico()[1].stampante);
    }
};

QTEST_MAIN(TestComandi)
#include "test_comandi.moc"
