#include "display/EditorScheduler.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "base/TestoSalvabile.h"
#include "display/CompilatoreTask.h"
#include "display/NuovoTask.h"
#include "registers/Variabili.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int TestoTipoEvento = 205;
// Codes 0..127 name variables; code 128 is the event type, so variable 128
// is never offered.
constexpr int VariabiliCampo = 128;

int VariabiliOfferte()
{
    return std::min<int>(NumVariabili, VariabiliCampo);
}

QString TestoVariabile(int i)
{
    const Variabile& v = Variabili[size_t(i)];
    // Date, Time and Firmware show as their type.
    if (v.TipoVar >= 16 && v.TipoVar <= 18) return TipiDato[v.TipoVar];
    return v.EtichettaVar + QStringLiteral("[%R") + QString::number(v.RegistroVar) + u']';
}

QString NomeTipo(uint8_t tipo)
{
    switch (TipoDiTask(tipo)) {
    case TipoDiTask::Logger: return QStringLiteral("Logger");
    case TipoDiTask::Trend: return QStringLiteral("Trend");
    case TipoDiTask::SMS: return QStringLiteral("SMS");
    case TipoDiTask::Email: return QStringLiteral("E-Mail");
    }
    return QString();
}

} // namespace

QList<VoceCampo> CampiSelezionabili(bool eventoDataOra)
{
    QList<VoceCampo> l;
    for (int i = 0; i < VariabiliOfferte(); ++i) l.append({TestoVariabile(i), i});
    if (eventoDataOra) {
        for (int c : {CampoTipoEvento, CampoData, CampoOra}) l.append({*TestoCampoRecord(c), c});
    }
    return l;
}

std::optional<QString> TestoCampoRecord(int codice)
{
    switch (codice) {
    case CampoTipoEvento: return Testo(TestoTipoEvento);
    case CampoData: return QStringLiteral("dd/mm/yy");
    case CampoOra: return QStringLiteral("hh:mm:ss");
    default: break;
    }
    if (codice < 0 || codice > CampoOra) return std::nullopt;
    // A variable no longer in the table keeps its place as an empty line.
    return codice < VariabiliOfferte() ? TestoVariabile(codice) : QString();
}

void EditorScheduler::Carica()
{
    Campi = CampiTask();
    SetRes();
    TaskCorrente = 0;
    ProprietaVisibili = false;
    DrawScheduler();
}

void EditorScheduler::SetRes()
{
    Visibili.abilitazione = ProfiloCorrente().abilitazione;
    for (DataCampi& d : Campi.validita) {
        d.giorno = QStringLiteral("01");
        d.mese = 0;
        d.anno = QStringLiteral("2000");
    }
    Campi.unita = Secondi;
    Campi.cartella = QStringLiteral("\\\\");
    Campi.nuovoFile = OgniGiorno;
    Campi.fileOgniOra = QStringLiteral("1");
    DrawRecord();
    Campi.numCampiRecord = 0;
    Record.clear();
    SelezioneRecord = -1;
}

void EditorScheduler::ViewPar(int n)
{
    if (n <= 0 || n > MaxTask) {
        ProprietaVisibili = false;
        return;
    }
    const ProfiloScheduler p = ProfiloCorrente();
    MostraTask(Tasks[size_t(n)], n, p, Campi);
    Visibili = Riquadri(Tasks[size_t(n)].TipoTask, p);
    if (Tasks[size_t(n)].TipoTask == uint8_t(TipoDiTask::Logger)) ViewRecord();
    ProprietaVisibili = true;
}

bool EditorScheduler::Memorizza()
{
    if (TaskCorrente <= 0 || TaskCorrente > MaxTask) return true;
    // The texts this kind of task keeps, which go to the controller too.
    const TipoDiTask tipo = TipoDiTask(Tasks[size_t(TaskCorrente)].TipoTask);
    const QString task = QStringLiteral(" of task %1").arg(TaskCorrente);
    const bool cartella = tipo == TipoDiTask::Logger || tipo == TipoDiTask::SMS || tipo == TipoDiTask::Email;
    if (cartella && !TestoAccettato(QStringLiteral("Folder") + task, Campi.cartella)) return false;
    if (tipo == TipoDiTask::SMS && (!TestoAccettato(QStringLiteral("SMS number") + task, Campi.numeroSMS) ||
                                    !TestoAccettato(QStringLiteral("SMS text") + task, Campi.testoSMS)))
        return false;
    if (MemorizzaTask(Campi, TaskCorrente, Tasks[size_t(TaskCorrente)], ProfiloCorrente()) != EsitoCampi::Memorizzati) {
        Prompt::ErroreValori();
        return false;
    }
    ProgettoModificato = true;
    return true;
}

void EditorScheduler::Esegui(Comando c)
{
    // A task whose fields are refused stays shown, for the user to mend.
    if (!Memorizza()) return;
    switch (c) {
    case Nuovo:
        if (TipoNuovo < 0 || TipoNuovo > 3) return;
        if (NuovoTask(TipoDiTask(TipoNuovo)) == EsitoNuovoTask::TabellaPiena) {
            Prompt::MsgBox(Testo(TestoTaskPieni));
            break;
        }
        TaskCorrente = NumTask;
        ViewPar(TaskCorrente);
        DrawScheduler();
        break;
    case Cancella:
        DeleteObject(TaskCorrente);
        ViewPar(TaskCorrente);
        break;
    case Su:
        if (TaskCorrente >= 2) Sposta(TaskCorrente, TaskCorrente - 1);
        break;
    case Giu:
        if (TaskCorrente > 0 && TaskCorrente < ListaTask.size()) Sposta(TaskCorrente, TaskCorrente + 1);
        break;
    }
    // A move that cannot happen marks the project too.
    ProgettoModificato = true;
}

void EditorScheduler::Sposta(int da, int a)
{
    // The lower of the two goes through the swap slot.
    const int x = std::min(da, a), y = x + 1;
    CopiaOggetto(x, 0);
    CopiaOggetto(y, x);
    CopiaOggetto(0, y);
    // FlagTask carries the task's number: each follows its new place.
    Tasks[size_t(x)].FlagTask = RinumeraFlagTask(Tasks[size_t(x)].FlagTask, y, x);
    Tasks[size_t(y)].FlagTask = RinumeraFlagTask(Tasks[size_t(y)].FlagTask, x, y);
    TaskCorrente = a;
    ViewPar(TaskCorrente);
    DrawScheduler();
    // Selecting the line clicks it, as the user would.
    ListaClick(TaskCorrente - 1);
}

void EditorScheduler::ListaClick(int posizione)
{
    if (!Memorizza()) {
        SelezioneTask = TaskCorrente - 1;
        return;
    }
    SelezioneTask = posizione;
    TaskCorrente = posizione >= 0 ? posizione + 1 : 0;
    ViewPar(TaskCorrente);
}

void EditorScheduler::EseguiCampo(ComandoCampo c)
{
    int& n = Campi.numCampiRecord;
    auto& campi = Campi.campiRecord;
    const int p = SelezioneRecord;
    switch (c) {
    case Aggiungi:
        if (SelezioneCampo < 0 || SelezioneCampo >= Selezionabili.size()) return;
        if (n >= MaxCampiRecord) {
            Prompt::MsgBox(Testo(TestoRecordPieno));
            return;
        }
        campi[size_t(n++)] = uint8_t(Selezionabili[SelezioneCampo].codice);
        Record.append(Selezionabili[SelezioneCampo].testo);
        break;
    case Togli:
        if (n <= 0 || p < 0 || p >= n) return;
        std::copy(campi.begin() + p + 1, campi.begin() + n, campi.begin() + p);
        --n;
        ViewRecord();
        break;
    case CampoSu:
        if (p <= 0 || p >= n) return;
        std::swap(campi[size_t(p - 1)], campi[size_t(p)]);
        ViewRecord();
        SelezioneRecord = p - 1;
        break;
    case CampoGiu:
        if (p < 0 || p >= n - 1) return;
        std::swap(campi[size_t(p)], campi[size_t(p + 1)]);
        ViewRecord();
        SelezioneRecord = p + 1;
        break;
    }
}

void EditorScheduler::DrawRecord()
{
    Selezionabili = CampiSelezionabili(ProfiloCorrente().eventoDataOra);
    SelezioneCampo = -1;
}

void EditorScheduler::ViewRecord()
{
    Record.clear();
    SelezioneRecord = -1;
    for (int j = 0; j < Campi.numCampiRecord; ++j)
        if (const auto t = TestoCampoRecord(Campi.campiRecord[size_t(j)])) Record.append(*t);
}

void EditorScheduler::DrawScheduler()
{
    ListaTask.clear();
    for (int t = 1; t <= NumTask; ++t)
        ListaTask.append(u'[' + QString::number(t) + QStringLiteral("] ") + NomeTipo(Tasks[size_t(t)].TipoTask));
    SelezioneTask = -1;
}

void EditorScheduler::DeleteObject(int n)
{
    if (n < 1 || n > NumTask) return;
    for (int i = n; i < NumTask; ++i) {
        CopiaOggetto(i + 1, i);
        Tasks[size_t(i)].FlagTask = RinumeraFlagTask(Tasks[size_t(i)].FlagTask, i + 1, i);
    }
    // The last element keeps its old contents.
    --NumTask;
    if (TaskCorrente > NumTask) TaskCorrente = NumTask;
    DrawScheduler();
}

void EditorScheduler::CopiaOggetto(int a, int b)
{
    if (a < 0 || a > MaxTask || b < 0 || b > MaxTask) return;
    Tasks[size_t(b)] = Tasks[size_t(a)];
}

bool EditorScheduler::Ok()
{
    if (!Memorizza()) return false;
    CompilaOggetti();
    return true;
}
