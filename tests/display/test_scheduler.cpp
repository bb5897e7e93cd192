// Tasks in the code image: entries after the rungs, field-name strings and
// the compile report of tasks that do not fit.
#include "display/CompilatoreTask.h"
#include "display/NuovoTask.h"
#include "display/SMS.h"
#include "registers/Variabili.h"
#include "support/AiutiCompilatore.h"

#include <QtTest>
#include <algorithm>

using namespace Aiuti;

namespace {
QByteArray Hex(int da, int n) { return QByteArray(reinterpret_cast<const char*>(ImmagineCodice.data() + da), n).toHex(' '); }

Task& Nuovo(TipoDiTask tipo, int campi = 0)
{
    NuovoTask(tipo);
    Task& k = Tasks[NumTask];
    if (tipo == TipoDiTask::Logger) {
        // A count past the record's slots fills only the slots there are.
        k.NumCampi = uint8_t(campi);
        for (int j = 0; j < std::min<int>(campi, int(k.Campi.size())); ++j) k.Campi[size_t(j)] = 2;
    }
    return k;
}
} // namespace

class TestScheduler : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Prepara();
        Carica(0, {B(3), B(3)});
        Tasks.fill(Task{});
        NumTask = 0;
        TestiSMS.fill({});
        Modelli[0].Nome = "QVR4555";
        NomiModello[4] = "QVR4555-USB";
        NomiModello[7] = "QVR4566-USB";
    }

    void taskDopoIRung()
    {
        Nuovo(TipoDiTask::Trend);
        Nuovo(TipoDiTask::Logger, 1);
        CompilaOggetti();
        RapportoFinto r;
        // Four entries, rung code at 44 and 78, then the tasks at 112 (34 + 44
        // bytes) and 190 (2 + 44); the walk rounds the last to 190 + 2 + 44.
        QCOMPARE(CompilaProgramma(r), 236);
        QCOMPARE(Hex(0, 4), QByteArray("02 00 02 00"));
        QCOMPARE(Hex(24, 20), QByteArray("03 03 00 70 00 00 00 4e 00 00 03 04 00 be 00 00 00 2e 00 00"));
        QCOMPARE(Hex(112, 4), QByteArray("8d 00 00 01"));
        QCOMPARE(Hex(112 + 2 + 49, 2), QByteArray("55 55"));
        QCOMPARE(Hex(190, 2) + " " + Hex(190 + 2 + 42, 3), QByteArray("8a 00 02 7f 00"));
    }

    void stringaTask()
    {
        const struct {
            const char* modello;
            TipoDiTask tipo;
            QList<double> campi;
            const char* attesa;
        } casi[] = {
            {"QVR4555-USB", TipoDiTask::Logger, {2, 5}, "Temp;Hum;"},
            {"QVR4566-USB", TipoDiTask::Logger, {2, 128, 129, 130}, "Temp;Event Type;dd/mm/yy;hh:mm:ss;"},
            {"QVR4566-USB", TipoDiTask::Logger, {}, ""},
            {"QVR4555-USB", TipoDiTask::Email, {}, ""},
            {"QVR4555", TipoDiTask::Logger, {2, 5}, "old;"},
        };
        Variabili[2].NomeCampo = "Temp";
        Variabili[5].NomeCampo = "Hum";
        for (const auto& c : casi) {
            Tasks.fill(Task{});
            NumTask = 0;
            Modelli[0].Nome = c.modello;
            Task& k = Nuovo(c.tipo);
            k.StringaTask = "old;";
            k.NumCampi = uint8_t(c.campi.size());
            std::copy(c.campi.begin(), c.campi.end(), k.Campi.begin());
            CompilaOggetti();
            QVERIFY2(CompilaProgramma() > 0, c.modello);
            QCOMPARE(k.StringaTask, QString(c.attesa));
        }
    }

    void taskCheNonStanno()
    {
        const struct {
            const char* nome;
            void (*prepara)();
            int task;
            const char* errore;   // empty: compiles
            int campiDopo = -1;
        } casi[] = {
            {"58 campi", [] { Nuovo(TipoDiTask::Logger, 58); }, 1, ""},
            {"59 campi", [] { Nuovo(TipoDiTask::Logger, 59); }, 1, "Logger: too many fields"},
            {"70 campi", [] { Nuovo(TipoDiTask::Logger, 70); }, 1, "Logger: too many fields", 64},
            {"campo 131", [] { Nuovo(TipoDiTask::Logger, 1).Campi[0] = 131; }, 1, "Field not defined"},
            {"cartella 13", [] { Nuovo(TipoDiTask::Logger).Cartella = "\\Directory01\\"; }, 1, "Directory: at most 12 characters"},
            {"bit 16", [] { Nuovo(TipoDiTask::Email).BitTrigger = 16; }, 1, "Trigger bit: 0 to 15"},
            {"bit -1", [] { Nuovo(TipoDiTask::Trend).BitTrigger = -1; }, 1, "Trigger bit: 0 to 15"},
            {"messaggio 253", [] { Nuovo(TipoDiTask::SMS); TestiSMS[0].TestoSMS = QString(246, 'x') + "&01"; }, 1, ""},
            {"messaggio 254", [] { Nuovo(TipoDiTask::SMS); TestiSMS[0].TestoSMS = QString(247, 'x') + "&01"; }, 1, "SMS message too long"},
            {"lunghezza 60", [] { Task& k = Nuovo(TipoDiTask::Email); k.TipoTask = 7; k.LunghezzaCodice = 60; }, 1, "Task cannot be encoded"},
            {"nono SMS", [] { for (int i = 0; i < 9; ++i) Nuovo(TipoDiTask::SMS); }, 9, "SMS: at most 8 tasks", MaxVociSMS},
        };
        for (const auto& c : casi) {
            Tasks.fill(Task{});
            NumTask = 0;
            Nuovo(TipoDiTask::Email);   // task 1 compiles, so the faulty one is numbered from 2
            c.prepara();
            CompilaOggetti();
            RapportoFinto r;
            const int32_t lunghezza = CompilaProgramma(r);
            const QString riga = QStringLiteral(" - Task %1 : %2").arg(c.task + 1).arg(c.errore);
            if (*c.errore)
                QVERIFY2(lunghezza == 0 && r.righe.last() == riga && NumErrori == 1, qPrintable(c.nome + r.righe.join('|')));
            else
                QVERIFY2(lunghezza > 0, c.nome);
            if (c.campiDopo >= 0) QCOMPARE(int(Tasks[c.task + 1].NumCampi), c.campiDopo);
        }
    }
};

QTEST_GUILESS_MAIN(TestScheduler)
#include "test_scheduler.moc"
