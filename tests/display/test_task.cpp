// New tasks and the task compiler: records and SMS tables, no window.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "comm/Dispositivo.h"
#include "display/CompilatoreTask.h"
#include "display/NuovoTask.h"
#include "display/SMS.h"

#include <QtTest>

namespace {
QByteArray Hex(const uint8_t* p, int n) { return QByteArray(reinterpret_cast<const char*>(p), n).toHex(' '); }
QByteArray Sei(const std::array<uint8_t, 6>& a) { return Hex(a.data(), 6); }

void Pulisci()
{
    Tasks.fill(Task{});
    NumTask = 0;
    NumeriSMS.fill({});
    TestiSMS.fill({});
    Controllore.Modello = 0;
    Modelli[0].LoggerCsv = false;
    ProgettoModificato = false;
}

// What a deleted task leaves behind.
Task Vecchio()
{
    Task k{.TipoTask = 3, .Intervallo = {9, 9, 9, 9, 9, 9}, .Periodo2 = {2, 2, 2, 2, 2, 2},
           .Cartella = "\\Old\\", .FlagTask = 9, .Trigger = 0x7F, .RegTriggerTask = 99, .BitTrigger = 3,
           .NumCampi = 5, .RegTrend = 44, .MaxTrend = 5, .MinTrend = 1, .Abilita = true};
    k.Campi[0] = 7;
    return k;
}

void SMS(int voce, const QString& numero, const QString& testo)
{
    NumeriSMS[voce] = {numero, 0, uint8_t(numero.size())};
    TestiSMS[voce] = {testo, 0, uint8_t(testo.size())};
}

Task& Nuovo(TipoDiTask tipo)
{
    NuovoTask(tipo);
    return Tasks[NumTask];
}
} // namespace

class TestTask : public QObject {
    Q_OBJECT
private slots:
    void init() { Pulisci(); }

    void nuovo()
    {
        const struct {
            TipoDiTask tipo;
            bool usato;
            const char *intervallo, *periodo, *cartella;
            int trigger, regTrig, bitTrig, numCampi, campo0, regTrend, max, voce;
        } casi[] = {
            {TipoDiTask::Logger, false, "00 00 00 00 01 00", "00 00 00 01 00 00", "\\Dir0\\", 0x88, 26, 0, 0, 0, 0, 0, -1},
            {TipoDiTask::Logger, true, "00 00 00 00 01 00", "00 00 00 01 00 00", "\\Dir0\\", 0x88, 26, 0, 0, 7, 44, 5, -1},
            {TipoDiTask::Trend, false, "00 00 00 00 00 01", "00 00 00 00 00 00", "", 0x80, 0, 0, 100, 32, 26, 1000, -1},
            {TipoDiTask::Trend, true, "00 00 00 00 00 01", "02 02 02 02 02 02", "\\Old\\", 0x80, 99, 3, 100, 32, 26, 1000, -1},
            {TipoDiTask::SMS, false, "00 00 01 00 00 00", "00 00 00 01 00 00", "", 0x02, 8, 8, 0, 0, 0, 0, 0},
            {TipoDiTask::SMS, true, "00 00 01 00 00 00", "00 00 00 01 00 00", "", 0x02, 8, 8, 5, 7, 44, 5, 5},
            {TipoDiTask::Email, false, "00 00 01 00 00 00", "00 00 00 01 00 00", "", 0x02, 8, 8, 0, 0, 0, 0, -1},
            {TipoDiTask::Email, true, "00 00 01 00 00 00", "00 00 00 01 00 00", "", 0x02, 8, 8, 5, 7, 44, 5, -1},
        };
        for (const auto& c : casi) {
            Pulisci();
            if (c.usato) Tasks[1] = Vecchio();
            const QByteArray caso = QByteArray::number(int(c.tipo)) + (c.usato ? " usato" : " nuovo");
            QVERIFY2(NuovoTask(c.tipo) == EsitoNuovoTask::Creato && NumTask == 1 && ProgettoModificato, caso);
            const Task& k = Tasks[1];
            QVERIFY2(k.TipoTask == uint8_t(c.tipo) && k.FlagTask == 0 && k.Abilita == c.usato, caso);
            QCOMPARE(Sei(k.Inizio) + " / " + Sei(k.Fine), QByteArray("00 01 01 00 00 00 / 63 0c 1f 17 3b 3b"));
            QCOMPARE(Sei(k.Intervallo) + " / " + Sei(k.Periodo2), QByteArray(c.intervallo) + " / " + c.periodo);
            QCOMPARE(k.Cartella, QString(c.cartella));
            QCOMPARE(QList<double>({double(k.Trigger), double(k.RegTriggerTask), double(k.BitTrigger), double(k.NumCampi),
                                    k.Campi[0], double(k.RegTrend), k.MaxTrend, k.MinTrend}),
                     QList<double>({double(c.trigger), double(c.regTrig), double(c.bitTrig), double(c.numCampi),
                                    double(c.campo0), double(c.regTrend), double(c.max), c.usato && c.tipo != TipoDiTask::Trend ? 1.0 : 0.0}));
            for (int v = 0; v < MaxVociSMS; ++v)
                QVERIFY2(NumeriSMS[v].TestoSMS == (v == c.voce ? "+39xxxxxxxxxx" : "") &&
                             TestiSMS[v].LunghezzaSMS == (v == c.voce ? 7 : 0),
                         caso);
        }
    }

    void nuovoSenzaVoceNeTabellaPiena()
    {
        Tasks[1].NumCampi = 8;
        QVERIFY(NuovoTask(TipoDiTask::SMS) == EsitoNuovoTask::Creato);
        QVERIFY(std::all_of(TestiSMS.begin(), TestiSMS.end(), [](const VoceSMS& v) { return v.TestoSMS.isEmpty(); }));
        NumTask = MaxTask;
        ProgettoModificato = false;
        Tasks[MaxTask].Cartella = "x";
        QVERIFY(NuovoTask(TipoDiTask::Logger) == EsitoNuovoTask::TabellaPiena);
        QCOMPARE(int(NumTask), MaxTask);
        QVERIFY(!ProgettoModificato && Tasks[MaxTask].Cartella == "x");
    }

    void compilati()
    {
        const struct {
            const char* nome;
            TipoDiTask tipo;
            void (*prepara)(Task&);
            int codice, lunghezza;
            QList<std::pair<int, const char*>> attesi;
        } casi[] = {
            {"logger", TipoDiTask::Logger,
             [](Task& k) { k.NumCampi = 3; k.Campi[0] = 3; k.Campi[1] = 129; k.Campi[2] = 130; }, 138, 4,
             {{0, "00 01 01 00 00 00 63 0c 1f 17 3b 3b 00 00 00 00 01 00 00 00 00 01 00 00"},
              {24, "5c 44 69 72 30 5c 00 00 00 00 00 00 00 88 1a 00 00 01 03 81 82 7f ee"}}},
            {"logger vuoto", TipoDiTask::Logger, [](Task&) {}, 138, 1, {{42, "7f ee"}}},
            {"logger csv", TipoDiTask::Logger, [](Task& k) { Modelli[0].LoggerCsv = true; k.NumCampi = 2; }, 144, 9, {{42, "ee"}}},
            {"trend", TipoDiTask::Trend, [](Task& k) { k.Periodo2 = {1, 1, 1, 1, 1, 1}; k.BitTrigger = 15; }, 141, 34,
             {{18, "00 00 00 00 00 00"}, {40, "80 00 00 00 00 00 00 00 00 55 55 00 1a 00 00 00 00 00 7a 44"},
              {60, "00 00 00 00 00 00 00 42 00 00 00 00 64 00 00 00 ee"}}},
            {"sms", TipoDiTask::SMS, [](Task&) {}, 142, 42, {{18, "00 00 00 00 00 00 00 ae 00 00 00 b0 00 00 0d 09 00 00 00 02 08 00 01 00"}, {42, "ee"}}},
            {"e-mail", TipoDiTask::Email, [](Task&) {}, 143, 42, {{24, "ee ee ee ee ee ee ee ee ee ee 00 00 00 02 08 00 01 00 ee"}}},
        };
        for (const auto& c : casi) {
            Pulisci();
            Task& k = Nuovo(c.tipo);
            k.Compilato.fill(0xEE);
            c.prepara(k);
            CompilaOggetti();
            const Task primo = k;
            CompilaOggetti();
            QVERIFY2(k.Compilato == primo.Compilato && k.Errore == ErroreTask::Nessuno, c.nome);
            QVERIFY2(k.CodiceTipo == 3 && k.CodiceFunzione == c.codice && k.LunghezzaCodice == c.lunghezza, c.nome);
            for (const auto& [da, hex] : c.attesi) {
                const QByteArray atteso(hex);
                QCOMPARE(Hex(k.Compilato.data() + da, int(atteso.size() + 1) / 3), atteso);
            }
        }
    }

    void tipoSconosciutoIntatto()
    {
        NumTask = 1;
        Tasks[1] = Vecchio();
        Tasks[1].TipoTask = 4;
        CompilaOggetti();
        QCOMPARE(Tasks[1].CodiceTipo, int16_t(0));
        QCOMPARE(Tasks[1].Compilato, Vecchio().Compilato);
    }

    void numerazioneSMS()
    {
        Nuovo(TipoDiTask::SMS).NumCampi = 0;
        Nuovo(TipoDiTask::Email).NumCampi = 77;
        Nuovo(TipoDiTask::SMS).NumCampi = 1;
        Nuovo(TipoDiTask::SMS).NumCampi = 2;
        SMS(0, "111", "A");
        SMS(1, "222", "B&01x");
        SMS(2, "333", "C");
        CompilaOggetti();
        QCOMPARE(QList<int>({Tasks[1].NumCampi, Tasks[2].NumCampi, Tasks[3].NumCampi, Tasks[4].NumCampi}),
                 QList<int>({0, 77, 1, 2}));
        QCOMPARE(Hex(Tasks[4].Compilato.data() + 24, 10), QByteArray("28 ae 00 00 2c b1 00 00 03 03"));
        QCOMPARE(int(TestiSMS[1].LunghezzaSMS), 9);
        QCOMPARE(int(Tasks[3].Compilato[33]), 11);

        // Task 1 deleted: the others move up and keep their own texts.
        std::copy(Tasks.begin() + 2, Tasks.begin() + 5, Tasks.begin() + 1);
        NumTask = 3;
        CompilaOggetti();
        QCOMPARE(int(NumTestiSMS), 2);
        QCOMPARE(QStringList({NumeriSMS[0].TestoSMS, TestiSMS[0].TestoSMS, NumeriSMS[1].TestoSMS, TestiSMS[1].TestoSMS}),
                 QStringList({"222", "B&01x", "333", "C"}));
        QCOMPARE(Hex(Tasks[2].Compilato.data() + 24, 10), QByteArray("00 ae 00 00 00 b0 00 00 03 0b"));
        QCOMPARE(TestiSMS[1].IndirizzoSMS, BaseTestiSMS + 150);
    }

    void espansione()
    {
        const QList<std::pair<QString, QString>> casi = {
            {"T&01x", "T&01    x"}, {"x&&y", "x&&y    "}, {"ab&", "ab&    "}, {"&a", "&a    "}, {"&01&02", "&01    &02    "}};
        for (const auto& [testo, espanso] : casi) QCOMPARE(TestoEspanso(testo), espanso);
    }
};

QTEST_GUILESS_MAIN(TestTask)
#include "test_task.moc"
