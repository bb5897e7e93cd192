// New project (with its save question), closing the rung list window, new
// subroutine and the blank-project refresh.
#include "Aiuti.h"

#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "display/Pagine.h"
#include "display/SMS.h"
#include "program/Progetto.h"
#include "registers/Variabili.h"
#include "shell/Finestre.h"

#include <QMdiArea>
#include <QMdiSubWindow>

using namespace Aiuti;

namespace {
void ChiudiFinestra()
{
    Program* w = FinestraProgramma(false);
    QVERIFY(w);
    qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
}

const QString kChiudi = QStringLiteral("Close Project?");
} // namespace

class TestProgetto : public QObject {
    Q_OBJECT
    Test::Copione copione;
    int salvataggi = 0;

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        if (Testo(172).isEmpty()) TestiLingua.insert(172, QStringLiteral("Do you want to save your changes?"));
    }
    void init()
    {
        copione = Test::Copione();
        copione.Installa();
        SalvaProgettoAggancio = nullptr;
        salvataggi = 0;
        if (ProgCorrente != 0) FinestraProgramma(true)->MostraProcesso(0);
    }

    // New asks "Close Project?" for the open rung list first; Cancel there
    // keeps the project, its rows and its modified flag.
    void domandaSalvataggio_data()
    {
        QTest::addColumn<bool>("modificato");
        QTest::addColumn<QList<int>>("risposte");   // close question, then save question
        QTest::addColumn<int>("salvatore");          // -1 none, 0 fails, 1 saves
        QTest::addColumn<bool>("svuotato");
        const int ok = Prompt::Ok, no = Prompt::Annulla;
        QTest::newRow("not modified") << false << QList<int>{ok} << -1 << true;
        QTest::newRow("close cancelled") << false << QList<int>{no} << -1 << false;
        QTest::newRow("modified, close cancelled") << true << QList<int>{no} << 1 << false;
        QTest::newRow("cancel discards") << true << QList<int>{ok, no} << -1 << true;
        QTest::newRow("ok, no saver") << true << QList<int>{ok, ok} << -1 << false;
        QTest::newRow("ok, save fails") << true << QList<int>{ok, ok} << 0 << false;
        QTest::newRow("ok, saved") << true << QList<int>{ok, ok} << 1 << true;
    }
    void domandaSalvataggio()
    {
        QFETCH(bool, modificato);
        QFETCH(QList<int>, risposte);
        QFETCH(int, salvatore);
        QFETCH(bool, svuotato);
        Prepara(3);
        ProgettoModificato = modificato;
        if (salvatore >= 0)
            SalvaProgettoAggancio = [this, salvatore](bool come) {
                salvataggi += come ? 1 : 100;
                return salvatore == 1;
            };
        copione.richieste.clear();
        for (int r : risposte) copione.Rispondi(r);
        Tasto("proj_new");
        QStringList domande{kChiudi};
        if (risposte.size() > 1) domande << Testo(172);
        QCOMPARE(copione.Messaggi(), domande);
        if (risposte.size() > 1) QCOMPARE(copione.richieste[1].titolo, Principale::Istanza()->windowTitle());
        QCOMPARE(salvataggi, salvatore >= 0 && risposte.value(1) == Prompt::Ok ? 1 : 0);
        QCOMPARE(Attuale().NumRung, int16_t(svuotato ? 1 : 3));
        QCOMPARE(ProgettoModificato, modificato && !svuotato);
        if (!svuotato) {
            QCOMPARE(Firma(), QStringLiteral("L1 L2 L3"));
            QVERIFY(FinestraProgramma(false));
            QCOMPARE(RigheCoerenti(), QString());
        }
        // New clears the block of every rung it removes, not its argument texts.
        QCOMPARE(Attuale().Rung[2].Classe, int16_t(svuotato ? 0 : 2));
        QCOMPARE(Attuale().Rung[2].ArgTesto[0], QStringLiteral("R2"));
    }

    void chiusuraFinestra_data()
    {
        QTest::addColumn<QList<int>>("risposte");   // two answers: the project is modified
        QTest::addColumn<bool>("chiusa");
        QTest::newRow("cancel") << QList<int>{Prompt::Annulla} << false;
        QTest::newRow("ok") << QList<int>{Prompt::Ok} << true;
        QTest::newRow("ok, modified, discard") << QList<int>{Prompt::Ok, Prompt::Annulla} << true;
        QTest::newRow("ok, modified, save not done") << QList<int>{Prompt::Ok, Prompt::Ok} << false;
    }
    void chiusuraFinestra()
    {
        QFETCH(QList<int>, risposte);
        QFETCH(bool, chiusa);
        Prepara(3);
        ProgettoModificato = risposte.size() > 1;
        for (int r : risposte) copione.Rispondi(r);
        ChiudiFinestra();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(FinestraProgramma(false) == nullptr, chiusa);
        QCOMPARE((QList<int>{Attuale().NumRung, RungCorrente}), (QList<int>{chiusa ? 0 : 3, chiusa ? 0 : 3}));
        QCOMPARE(Abilitato("rung_add_after"), !chiusa);
        // Referring to the window again builds it from the records.
        if (chiusa) Tasto("rung_add_after");
        QCOMPARE(Attuale().NumRung, int16_t(chiusa ? 1 : 3));
        QCOMPARE(RigheCoerenti(), QString());
    }

    void nuovoSvuotaSoloIlProcessoCorrente()
    {
        Prepara(3);
        NuovaSub();
        const int sub = ProgCorrente;
        Tasto("rung_add_after");
        QCOMPARE(Programmi[sub].NumRung, int16_t(2));
        ProgettoModificato = false;
        Tasto("proj_new");
        QCOMPARE(int(ProgCorrente), sub);
        QCOMPARE(Programmi[sub].NumRung, int16_t(1));
        QCOMPARE(Programmi[0].NumRung, int16_t(3));
        // The rebuilt window keeps every tab and shows each process's own rows.
        Program* w = FinestraProgramma(false);
        QCOMPARE(w->Tab_Prog()->count(), NumSub + 1);
        QCOMPARE(w->Tab_Prog()->currentIndex(), sub);
        w->Tab_Prog()->setCurrentIndex(0);
        QCOMPARE(int(ProgCorrente), 0);
        QCOMPARE(Controllo<QLabel>(QStringLiteral("txt_Label_3"))->text(), QStringLiteral("L3"));
        QCOMPARE(RigheCoerenti(), QString());
    }

    void nuoveSubroutine()
    {
        Prepara(2);
        const int n0 = NumSub;
        if (n0 + 2 > 9) QSKIP("no room for two subroutines");
        NuovaSub();
        NuovaSub();
        Program* w = FinestraProgramma(false);
        QCOMPARE(w->Tab_Prog()->tabText(n0 + 1) + w->Tab_Prog()->tabText(n0 + 2),
                 QStringLiteral("Sub%1Sub%2").arg(n0 + 1).arg(n0 + 2));
        QCOMPARE(int(ProgCorrente), n0 + 2);
        QCOMPARE(w->Tab_Prog()->currentIndex(), n0 + 2);
        QCOMPARE((QList<int>{Programmi[n0 + 1].NumRung, Programmi[n0 + 2].NumRung, RungCorrente}), (QList<int>{1, 1, 1}));
        // Tab switching only changes what shows; the main program is intact.
        w->Tab_Prog()->setCurrentIndex(0);
        QCOMPARE(Firma(), QStringLiteral("L1 L2"));
        QCOMPARE(RigheCoerenti(), QString());
        // No tenth process.
        while (NumSub < 9) NuovaSub();
        copione.richieste.clear();
        NuovaSub();
        QCOMPARE(int(NumSub), 9);
        QCOMPARE(copione.Messaggi().size(), 1);
        QCOMPARE(FinestraProgramma(false)->Tab_Prog()->count(), 10);
        QCOMPARE(int(ProgCorrente), 9);
    }

    void aggiornaProgetto()
    {
        DefModello& m = Modelli[Controllore.Modello];
        const DefModello salvato = m;
        m.MaxVariabili = 32;
        m.NumStringhe = 0;
        Variabili[32].EtichettaVar = QStringLiteral("fuori");
        Variabili[5].RegistroVar = 7;
        Stringhe[0].TestoVoce = QStringLiteral("resta");
        NumPagine = 4;
        NumTestiSMS = 3;
        NumNumeriSMS = 2;
        NomeProgetto = QStringLiteral("x");
        Prepara(2);
        ProgettoModificato = true;
        copione.Rispondi(Prompt::Ok);       // Close Project?
        copione.Rispondi(Prompt::Annulla);  // save question: discard
        ProgettoModificato = true;
        Principale::Istanza()->AbilitaPulsanti(QStringLiteral("Puls_FunctionBlock"), false);
        NuovoProgetto();
        QVERIFY(!Abilitato("rung_add_after"));
        AggiornaProgetto();
        m = salvato;
        QCOMPARE(NomeProgetto, QStringLiteral("Project"));
        QCOMPARE(int(NumVariabili), 32);
        QCOMPARE(Variabili[5].RegistroVar, 100);
        QCOMPARE(Variabili[31].FormatoVar + Variabili[31].EtichettaVar + Variabili[31].NomeCampo,
                 QStringLiteral("%+5.0f------"));
        QCOMPARE(Variabili[32].EtichettaVar, QStringLiteral("fuori"));
        QCOMPARE(Stringhe[0].TestoVoce, QStringLiteral("resta"));
        QCOMPARE(int(NumPagine), 1);
        QCOMPARE(int(Pagine[0].NumOggetti), 0);
        QCOMPARE(int(NumTestiSMS) + int(NumNumeriSMS), 0);
        QCOMPARE((QList<int>{Attuale().NumRung, RungCorrente}), (QList<int>{1, 1}));
        QVERIFY(Abilitato("rung_add_after") && Abilitato("proj_comp") && !ProgettoModificato);
        // The rung list sits beside the Log.
        QWidget* log = Finestre::Cerca(QByteArrayLiteral("Log"))->parentWidget();
        QWidget* programma = FinestraProgramma(false)->parentWidget();
        QCOMPARE(programma->pos(), QPoint(log->x() + log->width(), 0));
        // The registers beside it, opened if they were not, and moved in as
        // far as needed to show them whole.
        QWidget* registri = Finestre::Cerca(QByteArrayLiteral("Registri"));
        QVERIFY(registri && registri->isVisible());
        const QRect area = Principale::Istanza()->Area()->viewport()->rect();
        const QRect g = registri->parentWidget()->geometry();
        QVERIFY2(area.contains(g), qPrintable(QStringLiteral("%1 %2").arg(g.right()).arg(area.right())));
        QCOMPARE(g.top(), 0);
        QCOMPARE(g.left(), qMin(programma->x() + programma->width(), area.width() - g.width()));
    }
};

QTEST_MAIN(TestProgetto)
#include "test_progetto.moc"
