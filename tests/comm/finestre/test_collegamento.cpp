// The running rung as the workbench shows it in the rung list.
#include "Aiuti.h"
#include "base/Globali.h"
#include "comm/AccessoController.h"
#include "comm/Dispositivo.h"
#include "program/Agganci.h"
#include "program/Program.h"
#include "program/Programmi.h"
#include "program/RigaProgramma.h"
#include "program/StatoProgramma.h"
#include "registers/TabRegistri.h"
#include "shell/ComandiBarra.h"

#include <QLabel>
#include <QScrollBar>
#include <QtTest>

using namespace Test;
using R = FakeController::Risposta;

class TestCollegamento : public QObject, ProvaFake {
    Q_OBJECT

private slots:
    void initTestCase() { Avvia(2); }

    void monitor()
    {
        Prepara(true, 2);
        QList<QPair<int, uint32_t>> colori;
        const auto gancio = ColoraNumeroRung;
        ColoraNumeroRung = [&](int rung, uint32_t c) { colori.append({rung, c}); };
        ProgCorrente = 0;
        Programmi[0].NumRung = 10;
        UltimoPC = PenultimoPC = TerzultimoPC = 0;
        const uint32_t giallo = 0xFFFF00, bianco = 0xFFFFFF;

        fake.Input[13] = 5;
        MonitorPLC();
        MonitorPLC();
        QCOMPARE(colori.last(), qMakePair(6, giallo));
        fake.Input[13] = 6;
        colori.clear();
        MonitorPLC();
        QCOMPARE(colori, (QList<QPair<int, uint32_t>>{{7, bianco}, {6, bianco}, {6, bianco}, {7, giallo}}));

        // A failed read marks nothing.
        colori.clear();
        fake.Accoda(R::Nessuna());
        MonitorPLC();
        QVERIFY(colori.isEmpty());

        // Beyond the last rung nothing is coloured.
        fake.Input[13] = 40;
        MonitorPLC();
        QVERIFY(colori.isEmpty());
        ColoraNumeroRung = gancio;
        Programmi[0].NumRung = 0;
    }

    // The executing rung is brought to the first row when out of view, and
    // left where it is when in view.
    void monitorScorre()
    {
        Prepara(false, 2);
        ProgettoModificato = false;
        Toolbar1_ButtonClick(QStringLiteral("proj_new"));
        for (int i = 1; i < 12; ++i) Toolbar1_ButtonClick(QStringLiteral("rung_add_after"));
        Program* w = FinestraProgramma(false);
        QVERIFY(w);
        QCOMPARE(int(Programmi[ProgCorrente].NumRung), 12);
        UltimoPC = PenultimoPC = TerzultimoPC = 0;
        QScrollBar* s = w->VScroll();
        s->setValue(0);
        w->parentWidget()->resize(Twips(6315), Twips(6480) + 30);   // the window at its design size
        QVERIFY(w->prog(ProgCorrente, false)->height() > Twips(140 + 1800 + 1515));   // rows 1 and 2 fit
        for (const auto& [pc, scroll] : {std::pair{1, 0}, {9, 9}, {10, 9}, {0, 0}}) {
            fake.Input[13] = uint16_t(pc);
            MonitorPLC();
            QVERIFY2(s->value() == scroll, qPrintable(QStringLiteral("pc %1: %2").arg(pc).arg(s->value())));
            QVERIFY(w->Riga(pc + 1));
        }
        const QColor giallo(0xFF, 0xFF, 0);
        QCOMPARE(w->Riga(1)->lbl_Rung->palette().color(QPalette::Window), giallo);
    }
};

QTEST_MAIN(TestCollegamento)
#include "test_collegamento.moc"
