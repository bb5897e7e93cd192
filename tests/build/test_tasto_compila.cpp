// The toolbar's compile key writes the compile report into the Log.
#include "build/Compilatore.h"
#include "program/Programmi.h"
#include "shell/ComandiBarra.h"
#include "shell/Finestre.h"
#include "shell/Log.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"

#include <QListWidget>
#include <QtTest>

class TestTastoCompila : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Test::AvviaWorkbench(); }

    void proj_comp()
    {
        Programmi[0].NumRung = 1;
        Programmi[0].Rung[1].Classe = 3;
        Programmi[0].Rung[1].Lunghezza = 34;
        LogClear();
        Toolbar1_ButtonClick(QStringLiteral("proj_comp"));
        QListWidget* l = Finestre::Get<Log>()->Testo();
        QStringList righe;
        for (int i = 1; i < l->count(); ++i) righe << l->item(i)->text();
        QVERIFY(l->item(0)->text().startsWith(u"-- "));
        QCOMPARE(righe, (QStringList{"  Compiling", "  Error check : OK", "  Resource usage :",
                                     "    48 / 5634 Bytes (0%)", "  Compiled"}));
        QCOMPARE(ImmagineCodice[0], uint8_t(1));
    }
};

QTEST_MAIN(TestTastoCompila)
#include "test_tasto_compila.moc"
