// The scheduler editor: showing and storing a task, the task list and the
// record-field operations on the logic, and once through the window.
#include "base/Globali.h"
#include "base/Modelli.h"
#include "comm/Dispositivo.h"
#include "display/CampiTask.h"
#include "display/EditorScheduler.h"
#include "display/NuovoTask.h"
#include "display/ServiziScheduler.h"
#include "display/SMS.h"
#include "registers/Variabili.h"
#include "shell/ComandiMenu.h"
#include "shell/Finestre.h"
#include "shell/Lingua.h"
#include "shell/Principale.h"
#include "support/Ambiente.h"
#include "support/Controllo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QtTest>

namespace {
QByteArray Sei(const std::array<uint8_t, 6>& a) { return QByteArray(reinterpret_cast<const char*>(a.data()), 6).toHex(' '); }

// The selected model: repeat field or not, enable frame, event items.
void Modello(bool usb, bool abilitazione = false, bool csv = false)
{
    DefModello& m = Modelli[Controllore.Modello];
    m.Nome = usb ? NomiModello[4] : QStringLiteral("QVR4005");
    m.AmmetteAbilitazione = abilitazione;
    m.LoggerCsv = csv;
}

void NuovaVariabile(int i, const char* etichetta, int registro, int tipo = 0)
{
    Variabili[size_t(i)] = {registro, uint8_t(tipo), {}, QString::fromLatin1(etichetta), {}};
}

// What a store makes of `c` in a copy of `k` (task n).
Task Dopo(CampiTask c, const Task& k, int n = 1, ProfiloScheduler p = {})
{
    Task t = k;
    MemorizzaTask(c, n, t, p);
    return t;
}

} // namespace

class TestEditorScheduler : public QObject {
    Q_OBJECT
    Test::Copione m_copione;

private slots:
    void initTestCase() { Test::AvviaWorkbench(); }
    void init()
    {
        m_copione = Test::Copione();
        m_copione.Installa();
        Tasks.fill(Task{});
        NumTask = 0;
        NumeriSMS.fill({});
        TestiSMS.fill({});
        NumVariabili = 2;
        NuovaVariabile(0, "Temp", 1030);
        NuovaVariabile(1, "Giorno", 7, 16);
        Modello(false);
        ProgettoModificato = false;
        QLocale::setDefault(QLocale::c());
    }

    void dateEIntervallo()
    {
        CampiTask c;
        c.validita[0] = {QStringLiteral("31"), 1, QStringLiteral("2010"), "23", "5", "0"};
        c.validita[1] = {QStringLiteral("1"), 11, QStringLiteral("2099"), "0", "59", "59.4"};
        c.intervallo = "90";
        c.unita = Minuti;
        Task k;
        k.Fine = {7, 7, 7, 7, 7, 7};
        k.Intervallo = {1, 1, 1, 1, 1, 1};
        const Task t = Dopo(c, k);
        // Not checked against the calendar; a fraction goes to the nearest.
        QCOMPARE(Sei(t.Inizio), QByteArray("0a 02 1f 17 05 00"));
        QCOMPARE(Sei(t.Fine), QByteArray("63 0c 01 00 3b 3b"));
        QCOMPARE(Sei(t.Intervallo), QByteArray("00 00 00 00 5a 00"));

        CampiTask v;
        MostraTask(t, 1, {}, v);
        QCOMPARE(v.validita[0].anno, QStringLiteral("2010"));
        QCOMPARE(v.validita[0].mese, 1);
        QCOMPARE(v.validita[0].ore, QStringLiteral("23"));
        QCOMPARE(v.validita[1].giorno, QStringLiteral("01"));
        QCOMPARE(v.intervallo, QStringLiteral("90"));
        QCOMPARE(v.unita, int(Minuti));

        // Hours and minutes both set: the finest wins, and storing keeps only it.
        k.Intervallo = {0, 0, 0, 1, 30, 0};
        k.Inizio[0] = 150;
        MostraTask(k, 1, {}, v);
        QCOMPARE(v.validita[0].anno, QStringLiteral("2010"));   // no year 2150 in the list
        QCOMPARE(v.intervallo, QStringLiteral("30"));
        QCOMPARE(v.unita, int(Minuti));
        QCOMPARE(Sei(Dopo(v, k).Intervallo), QByteArray("00 00 00 00 1e 00"));
    }

    void nuovoFileETrigger()
    {
        const struct {
            std::array<uint8_t, 6> periodo;
            int mostrato;
            const char* memorizzato;
        } casi[] = {
            {{0, 0, 1, 1, 0, 0}, OgniGiorno, "00 00 01 00 00 00"},   // the coarsest wins
            {{1, 1, 0, 1, 0, 0}, OgniAnno, "01 00 00 00 00 00"},
            {{0, 0, 0, 1, 0, 0}, OgniOra, "00 00 00 01 00 00"},
        };
        for (const auto& caso : casi) {
            Task k;
            k.Periodo2 = caso.periodo;
            k.Trigger = 0x88;
            CampiTask c;
            c.fileOgniOra = "7";
            MostraTask(k, 1, {}, c);
            QCOMPARE(c.nuovoFile, caso.mostrato);
            QCOMPARE(c.fileOgniOra, caso.periodo[3] ? QStringLiteral("1") : QStringLiteral("7"));
            QVERIFY(c.aTempo && c.flag && !c.salita && !c.reset);
            c.aTempo = c.flag = false;
            c.salita = c.reset = true;
            const Task t = Dopo(c, k);
            QCOMPARE(Sei(t.Periodo2), QByteArray(caso.memorizzato));
            QCOMPARE(int(t.Trigger), 0x12);
        }
    }

    void ripetizioniEBit()
    {
        const struct {
            int n;
            const char* ripeti;
            int flag;
        } casi[] = {{3, "2", 34}, {17, "0", 16}, {5, "3", 52}, {17, "14", 16 + 14 * 16}, {1, "15", 240}};
        for (const auto& caso : casi) QCOMPARE(int(Dopo({.ripeti = caso.ripeti}, Task{}, caso.n).FlagTask), caso.flag);

        // Each task shows its own count, on the models that have the field.
        CampiTask c;
        MostraTask(Task{.FlagTask = 34}, 3, {.ripetizione = true}, c);
        QCOMPARE(c.ripeti, QStringLiteral("2"));
        MostraTask(Task{.FlagTask = 34}, 3, {}, c);
        QCOMPARE(c.ripeti, QStringLiteral("0"));
        QCOMPARE(int(RinumeraFlagTask(52, 5, 4)), 51);
        QCOMPARE(int(RinumeraFlagTask(255, 16, 17)), 16 + 14 * 16);

        const Task abilitato = Dopo({.abilita = true, .regAbil = " 12 ", .bitAbil = "15", .bitTrigger = "7"}, Task{});
        QVERIFY(abilitato.Abilita && abilitato.RegAbil == 12 && abilitato.BitAbil == 15 && abilitato.BitTrigger == 7);
        const Task spento = Dopo({.abilita = false, .regAbil = "5"}, Task{.Abilita = true, .RegAbil = 9, .BitAbil = 2});
        QVERIFY(!spento.Abilita && spento.RegAbil == 0 && spento.BitAbil == 0);
    }

    // A number field that does not read, or lies outside its field, refuses
    // the whole store: the task keeps every value and the user is told.
    void campiRifiutati_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("testo");
        for (const auto& [campo, testo] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"ore", "99"}, {"ore", "24"}, {"ore", "x"}, {"minuti", "60"}, {"secondi", ""}, {"giorno", "0"},
                 {"giorno", "32"}, {"anno", "1999"}, {"anno", "2100"}, {"intervallo", "256"}, {"intervallo", "5 min"},
                 {"ripeti", "16"}, {"ripeti", "-1"}, {"ripeti", "x"}, {"regTrigger", "abc"}, {"regTrigger", "40000"},
                 {"bitTrigger", "16"}, {"bitTrigger", "-1"}, {"regAbil", "20abc"}, {"bitAbil", "16"},
                 {"regTrend", "abc"}, {"maxTrend", "1e"}, {"dimX", "300"}, {"dimY", "x"}})
            QTest::addRow("%s %s", campo, testo) << QString::fromLatin1(campo) << QString::fromLatin1(testo);
    }
    void campiRifiutati()
    {
        QFETCH(QString, campo);
        QFETCH(QString, testo);
        CampiTask c;
        c.abilita = true;
        const QHash<QString, QString*> campi = {
            {"ore", &c.validita[0].ore}, {"minuti", &c.validita[1].minuti}, {"secondi", &c.validita[0].secondi},
            {"giorno", &c.validita[0].giorno}, {"anno", &c.validita[1].anno}, {"intervallo", &c.intervallo},
            {"ripeti", &c.ripeti}, {"regTrigger", &c.regTrigger}, {"bitTrigger", &c.bitTrigger},
            {"regAbil", &c.regAbil}, {"bitAbil", &c.bitAbil}, {"regTrend", &c.regTrend}, {"maxTrend", &c.maxTrend},
            {"dimX", &c.dimX}, {"dimY", &c.dimY}};
        c.regTrend = c.maxTrend = c.minTrend = c.dimX = c.dimY = "1";
        *campi.value(campo) = testo;
        Task k{.TipoTask = 1, .FlagTask = 7, .Trigger = 0x80, .RegTriggerTask = 30, .BitTrigger = 2, .RegTrend = 40};
        k.Inizio = {1, 2, 3, 4, 5, 6};
        const Task prima = k;
        QCOMPARE(MemorizzaTask(c, 16, k, {}), EsitoCampi::ValoriErrati);
        QVERIFY(k == prima);

        // Through the editor: the box, nothing stored, and the task stays shown
        // when another is clicked.
        NumTask = 2;
        Tasks[1] = prima;
        Tasks[2] = prima;
        EditorScheduler e;
        e.TaskCorrente = 1;
        e.Campi = c;
        e.ListaClick(1);
        QCOMPARE(m_copione.Messaggi(), QStringList{"Error: Check Values"});
        QCOMPARE(e.TaskCorrente, 1);
        QCOMPARE(e.SelezioneTask, 0);
        QVERIFY(Tasks[1] == prima && !ProgettoModificato);
        QVERIFY(!e.Ok());
    }

    // The folder and the SMS texts go to the controller one byte a
    // character: one without its byte refuses the store, named.
    void testiSenzaByte()
    {
        NumTask = 1;
        Tasks[1] = Task{.TipoTask = 2, .NumCampi = 2};
        TestiSMS[2].TestoSMS = QStringLiteral("Alarm");
        EditorScheduler e;
        e.TaskCorrente = 1;
        e.Campi.cartella = QStringLiteral("\\Lög\\");
        e.Campi.testoSMS = QStringLiteral("Fire “now”");
        QVERIFY(!e.Memorizza());
        e.Campi.cartella = QStringLiteral("\\Λ\\");
        QVERIFY(!e.Memorizza());
        const QString fine = ", a character the project files and the controller cannot hold";
        QCOMPARE(m_copione.Messaggi(), (QStringList{"SMS text of task 1 holds “ (U+201C)" + fine,
                                                    "Folder of task 1 holds Λ (U+039B)" + fine}));
        QCOMPARE(TestiSMS[2].TestoSMS + Tasks[1].Cartella, QStringLiteral("Alarm"));
    }

    void trendESMS()
    {
        QLocale::setDefault(QLocale(QLocale::Italian));
        Task trend{.TipoTask = 1, .NumCampi = 100, .RegTrend = 26, .MaxTrend = 1000.5, .MinTrend = -2};
        trend.Campi[0] = 32.25;
        CampiTask c;
        MostraTask(trend, 1, {}, c);
        QCOMPARE(c.maxTrend, QStringLiteral("1000,5"));
        QCOMPARE(c.dimY, QStringLiteral("32,25"));
        c.minTrend = "-3,5";
        c.dimX = "120";
        c.cartella = "\\New\\";
        const Task t = Dopo(c, trend);
        QCOMPARE(t.MinTrend, -3.5);
        QCOMPARE(t.MaxTrend, 1000.5);
        QCOMPARE(int(t.NumCampi), 120);
        QCOMPARE(t.Cartella, QString());   // a trend has no directory

        NumeriSMS[2] = {"+39123", 77, 6};
        TestiSMS[2] = {"Alarm", 88, 5};
        const Task sms{.TipoTask = 2, .NumCampi = 2};
        MostraTask(sms, 1, {}, c);
        QCOMPARE(c.numeroSMS, QStringLiteral("+39123"));
        c.testoSMS = "Fire";
        const Task s = Dopo(c, sms);
        QCOMPARE(TestiSMS[2].TestoSMS, QStringLiteral("Fire"));
        QVERIFY(TestiSMS[2].LunghezzaSMS == 4 && TestiSMS[2].IndirizzoSMS == 0 && NumeriSMS[2].IndirizzoSMS == 0);
        // Period and directory come from the hidden file controls.
        QCOMPARE(s.Cartella, QStringLiteral("\\New\\"));
        QCOMPARE(Sei(s.Periodo2), QByteArray("00 00 01 00 00 00"));
    }

    void elencoEOperazioni()
    {
        Modello(true);
        EditorScheduler e;
        e.Carica();
        e.Esegui(EditorScheduler::Nuovo);   // no type: nothing
        QVERIFY(NumTask == 0 && !ProgettoModificato);
        for (int t : {0, 3, 0}) {
            e.TipoNuovo = t;
            e.Esegui(EditorScheduler::Nuovo);
        }
        QCOMPARE(e.ListaTask, QStringList({"[1] Logger", "[2] E-Mail", "[3] Logger"}));
        // Each task shows its own count, not the one typed for the last.
        e.Campi.ripeti = "2";
        e.ListaClick(1);
        QCOMPARE(int(Tasks[3].FlagTask), 2 + 2 * 16);
        QCOMPARE(e.Campi.ripeti, QStringLiteral("0"));
        e.Campi.ripeti = "5";
        e.ListaClick(0);
        e.ListaClick(2);
        QCOMPARE(e.Campi.ripeti, QStringLiteral("2"));

        // Deleting task 2 moves task 3 into its place, renumbered.
        e.ListaClick(1);
        e.Esegui(EditorScheduler::Cancella);
        QCOMPARE(e.ListaTask, QStringList({"[1] Logger", "[2] Logger"}));
        QCOMPARE(e.TaskCorrente, 2);
        QCOMPARE(int(Tasks[2].FlagTask), 1 + 2 * 16);
        QCOMPARE(e.Campi.ripeti, QStringLiteral("2"));

        // Up: the task follows, shown, selected and renumbered.
        Tasks[2].TipoTask = 1;
        e.DrawScheduler();
        e.ViewPar(2);
        e.Esegui(EditorScheduler::Su);
        QCOMPARE(e.ListaTask, QStringList({"[1] Trend", "[2] Logger"}));
        QVERIFY(e.TaskCorrente == 1 && e.SelezioneTask == 0 && e.Campi.tipo == "Trend");
        QCOMPARE(int(Tasks[1].FlagTask), 2 * 16);
        QCOMPARE(int(Tasks[2].FlagTask), 1);
        ProgettoModificato = false;
        e.Esegui(EditorScheduler::Su);   // the first cannot go up, but marks the project
        QVERIFY(ProgettoModificato && Tasks[1].TipoTask == 1);
        e.Esegui(EditorScheduler::Giu);
        QCOMPARE(e.ListaTask, QStringList({"[1] Logger", "[2] Trend"}));

        // The 33rd task is refused with a message.
        e.TipoNuovo = 0;
        while (NumTask < MaxTask) e.Esegui(EditorScheduler::Nuovo);
        e.Esegui(EditorScheduler::Nuovo);
        QVERIFY(NumTask == 32 && e.TaskCorrente == 32);
        QCOMPARE(m_copione.Messaggi(), QStringList{Testo(TestoTaskPieni)});
    }

    void campiRecord()
    {
        NumVariabili = 129;
        for (int i = 2; i < 129; ++i) NuovaVariabile(i, "V", 2000 + i);
        EditorScheduler e;
        e.Carica();
        QCOMPARE(e.Selezionabili.size(), 128 + 3);
        QCOMPARE(e.Selezionabili[0], (VoceCampo{"Temp[%R1030]", 0}));
        QCOMPARE(e.Selezionabili[1].testo, TipiDato[16]);
        QCOMPARE(e.Selezionabili[128], (VoceCampo{Testo(205), 128}));

        e.EseguiCampo(EditorScheduler::Aggiungi);   // nothing selected
        for (int s : {129, 130, 0}) {
            e.SelezioneCampo = s;
            e.EseguiCampo(EditorScheduler::Aggiungi);
        }
        for (int k = 0; k < 3; ++k) {   // the second up is the top: nothing
            e.SelezioneRecord = k == 0 ? 2 : e.SelezioneRecord;
            e.EseguiCampo(EditorScheduler::CampoSu);
        }
        QCOMPARE(std::vector<int>(e.Campi.campiRecord.begin(), e.Campi.campiRecord.begin() + 3), (std::vector<int>{0, 129, 130}));
        QCOMPARE(e.SelezioneRecord, 0);
        e.EseguiCampo(EditorScheduler::CampoGiu);
        e.EseguiCampo(EditorScheduler::Togli);
        QCOMPARE(e.Record, QStringList({"dd/mm/yy", "hh:mm:ss"}));
        QCOMPARE(e.SelezioneRecord, -1);

        // Full at 58 fields.
        while (e.Campi.numCampiRecord < MaxCampiRecord) e.EseguiCampo(EditorScheduler::Aggiungi);
        e.EseguiCampo(EditorScheduler::Aggiungi);
        QCOMPARE(e.Campi.numCampiRecord, 58);
        QCOMPARE(m_copione.Messaggi(), QStringList{Testo(TestoRecordPieno)});

        // The USB model offers no event items, yet stored codes read right.
        Modello(true);
        e.DrawRecord();
        QCOMPARE(e.Selezionabili.size(), 128);
        e.Campi.campiRecord = {128, 129, 130, 5, 200};
        e.Campi.numCampiRecord = 5;
        e.ViewRecord();
        QCOMPARE(e.Record, QStringList({Testo(205), "dd/mm/yy", "hh:mm:ss", "V[%R2005]"}));
    }

    void finestra()
    {
        Modello(false);
        MenuClick(QStringLiteral("mnu_log"));
        MenuClick(QStringLiteral("mnu_scheduler"));
        QWidget* w = Finestre::Cerca("frm_scheduler");
        QVERIFY(w && w->isVisible());
        QCOMPARE(Principale::Istanza()->Area()->activeSubWindow()->objectName(), QStringLiteral("Log_sub"));
        QVERIFY(!C<QAbstractButton>(w, "cmd_Ogg_2")->isEnabled() && !C<QAbstractButton>(w, "opt_Type_1")->isEnabled());
        QVERIFY(!C<QAbstractButton>(w, "opt_Type_2")->isVisibleTo(w));
        QVERIFY(!C<QWidget>(w, "Frame2")->isVisibleTo(w));
        C<QAbstractButton>(w, "opt_Type_0")->click();
        C<QAbstractButton>(w, "cmd_Ogg_0")->click();
        QCOMPARE(C<QListWidget>(w, "lst_Ogg")->item(0)->text(), QStringLiteral("[1] Logger"));
        QVERIFY(C<QWidget>(w, "frm_var")->isVisibleTo(w) && !C<QWidget>(w, "frm_trend")->isVisibleTo(w));

        // The picker: the wait ends when the variables window closes by its
        // OK, and the list then offers what the variables hold.
        NuovaVariabile(2, "Nuova", 40);
        NumVariabili = 3;
        QCOMPARE(C<QListWidget>(w, "lst_OggRecord")->count(), 2 + 3);
        QTimer::singleShot(50, [] { C<QAbstractButton>(Finestre::Cerca("frm_variabili"), "cmd_ok")->click(); });
        C<QAbstractButton>(w, "Command2")->click();
        QVERIFY(!SceltaAperta);
        QCOMPARE(C<QListWidget>(w, "lst_OggRecord")->count(), 3 + 3);
        QCOMPARE(C<QListWidget>(w, "lst_OggRecord")->item(2)->text(), QStringLiteral("Nuova[%R40]"));
        C<QListWidget>(w, "lst_OggRecord")->setCurrentRow(0);
        C<QAbstractButton>(w, "cmd_OggRecord_0")->click();
        C<QLineEdit>(w, "txt_interv_0")->setText("90");
        C<QComboBox>(w, "cmb_interv_0")->setCurrentIndex(1);
        CambiaLingua(0);
        QCOMPARE(w->windowTitle(), QStringLiteral("Schedulatore"));
        QCOMPARE(C<QListWidget>(w, "lst_Record")->count(), 0);
        QCOMPARE(C<QComboBox>(w, "cmb_interv_0")->currentText(), QStringLiteral("Secondi"));
        CambiaLingua(1);
        C<QComboBox>(w, "cmb_interv_0")->setCurrentIndex(1);
        C<QAbstractButton>(w, "Command4")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Finestre::Cerca("frm_scheduler"));
        QCOMPARE(Sei(Tasks[1].Intervallo), QByteArray("00 00 00 00 5a 00"));
        QCOMPARE(int(Tasks[1].CodiceFunzione), 138);
        QCOMPARE(int(Tasks[1].NumCampi), 0);

        // A new project unloads it.
        MenuClick(QStringLiteral("mnu_scheduler"));
        ProgettoModificato = false;
        MenuClick(QStringLiteral("mnu_new"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Finestre::Cerca("frm_scheduler"));
    }
};

QTEST_MAIN(TestEditorScheduler)
#include "test_editorscheduler.moc"
