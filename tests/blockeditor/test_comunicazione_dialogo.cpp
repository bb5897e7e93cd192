// A device block through the dialog: laid out, a module picked, stored, then
// reopened by the rung editor, which chooses the stored module again.
#include "blockeditor/EditorBloccoComandi.h"
#include "blockeditor/comandi.h"
#include "program/Agganci.h"
#include "program/OperazioniRung.h"
#include "program/Programmi.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "support/Ambiente.h"

#include <QtTest>

class TestComunicazioneDialogo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        InstallaEditorBlocco();
    }

    void dispositivoRiaperto()
    {
        ProgCorrente = 0;
        RungCorrente = 2;
        Programmi[0].NumRung = 3;
        Programmi[0].Rung[2] = Rung{};
        EditorBlocco* e = EditorBloccoAttivo();
        e->ImpostaBersaglio(0, 2);
        e->SelezionaFunzione(2);   // Read Device
        comandi* d = Finestre::Get<comandi>();
        DatiBlocco v = d->Raccogli();
        QCOMPARE(v.righe[0].lista.size(), 13);
        QCOMPARE(v.righe[4].testo, QStringLiteral("Analog In"));
        QVERIFY(v.ritardoVisibile);
        QCOMPARE(v.ritardo, QStringLiteral("10"));

        d->ImpostaTestoRiga(0, NomiModello[22]);   // 16 digital inputs: no channel rows
        d->txt_Var_Click(0);
        v = d->Raccogli();
        QVERIFY(!v.righe[5].visibile && !v.righe[6].visibile);
        QCOMPARE(v.righe[4].testo, QStringLiteral("Digital In"));
        d->ImpostaDelay("300");
        QVERIFY(e->Conferma());
        const Rung& r = Programmi[0].Rung[2];
        QCOMPARE(QList<int>({r.ArgByte[1][0], r.ArgByte[2][0], r.ArgByte[4][0], r.ArgByte[5][0], r.Delay}),
                 (QList<int>{10, 1, 0x2C, 1, 300}));

        ModificaRung(2);
        v = d->Raccogli();
        QCOMPARE(v.righe[0].scelta, 11);
        QVERIFY(!v.righe[5].visibile);
        QCOMPARE(v.ritardo, QStringLiteral("300"));
        Programmi[0].Rung[2].ArgByte = {};
        QVERIFY(e->Conferma());
        QCOMPARE(QList<int>({r.ArgByte[1][0], r.ArgByte[2][0], r.ArgByte[5][0]}), (QList<int>{10, 1, 1}));
    }
};

QTEST_MAIN(TestComunicazioneDialogo)
#include "test_comunicazione_dialogo.moc"
