// The listing as a user prints it right after the program started: a saved
// project is opened (the loader rebuilds its rungs without the block editor)
// and printed. Each rung's picture is the one its row in the rung list shows.
#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/comandi.h"
#include "blockeditor/ContestoBlocco.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/IconeBlocchi.h"
#include "outputs/StampaProgetto.h"
#include "program/Progetto.h"
#include "program/Programmi.h"
#include "projectfiles/ApriProgetto.h"
#include "shell/ComandiComuni.h"
#include "shell/Finestre.h"
#include "support/Ambiente.h"
#include "support/StampanteRegistrata.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStampaAvvio : public QObject {
    Q_OBJECT
    Test::Copione copione;
    QTemporaryDir cartella;

private slots:
    void initTestCase()
    {
        Test::AvviaWorkbench();
        copione.Installa();
    }

    void immaginiDopoApertura()
    {
        // A project of every block the editor stores as first laid out.
        QVERIFY(NuovoProgetto());
        AggiornaProgetto();
        Programmi[0].NumRung = 0;
        for (int i = 0; i < NumBlocchi; ++i) {
            const GestoreFamiglia* g = GestoreBlocco(i);
            if (!g || !g->Codifica) continue;
            Rung r;
            DatiBlocco d = DatiIniziali(i, r, ContestoCorrente(0));
            if (CodificaBlocco(d, r).Memorizzato() && FunzToOpt(r.Classe, r.Gruppo, r.Op) == i)
                Programmi[0].Rung[size_t(++Programmi[0].NumRung)] = r;
        }
        QVERIFY2(Programmi[0].NumRung >= 40, qPrintable(QString::number(Programmi[0].NumRung)));
        const QString base = cartella.filePath(QStringLiteral("lista"));
        copione.RispondiTesto(base);
        QVERIFY(SalvaProgettoCorrente(true));
        QVERIFY(NuovoProgetto());
        QCOMPARE(ApriProgetto(base + QStringLiteral(".prj")), EsitoApertura::Aperto);
        QVERIFY(!Finestre::SeCaricata<comandi>());

        // One page, so each block's name and picture follow its title.
        Test::Registratore stampante;
        stampante.altezza = 1 << 30;
        StampaProgetto(stampante);
        const QStringList t = stampante.Testi().split(u'|');
        const Programma& main = Programmi[0];
        for (int k = 1; k <= main.NumRung; ++k) {
            const Rung& r = main.Rung[size_t(k)];
            const qsizetype titolo = t.indexOf(QStringLiteral("%1[          ] ").arg(k));
            QVERIFY2(titolo > 0 && titolo + 2 < t.size(), qPrintable(QString::number(k)));
            QCOMPARE(t[titolo + 1], NomiFunzione[FunzToOpt(r.Classe, r.Gruppo, r.Op)]);
            const QString immagine = t[titolo + 2];
            QVERIFY2(immagine.startsWith(u'@'), qPrintable(immagine));
            const int numero = immagine.mid(1).toInt();
            QVERIFY2(EsisteIconaBlocco(numero), qPrintable(t[titolo + 1] + u' ' + immagine));
            QCOMPARE(ChiaveIconaBlocco(numero), r.Riga.Immagine);
        }
        QVERIFY(!Finestre::SeCaricata<comandi>());
    }
};

QTEST_MAIN(TestStampaAvvio)
#include "test_stampaavvio.moc"
