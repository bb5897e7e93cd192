#pragma once
// The scheduler window's logic: the task list, the task shown and its
// property controls (CampiTask), the record-field lists, and what the list
// buttons, a list click, the store button, the record-field buttons and OK
// do with them. Every task value lives in Tasks; this keeps only the
// number of the task shown and the fields being edited. The window shows
// this state and hands the user's edits to it.
#include "display/CampiTask.h"
#include "display/ProfiloScheduler.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Logger fields a record may hold: what the task compiler fits in an image.
constexpr int MaxCampiRecord = 58;
// Message when the record already holds them.
constexpr int TestoRecordPieno = 248;

// Field codes past the variables' 0..127.
enum CodiceCampo { CampoTipoEvento = 128, CampoData = 129, CampoOra = 130 };

struct VoceCampo {
    QString testo;
    int codice = 0;
    bool operator==(const VoceCampo&) const = default;
};

// The selectable record fields: the variables, then (when the model offers
// them) event type, date and time.
QList<VoceCampo> CampiSelezionabili(bool eventoDataOra);
// A field code's line in the record; nothing for a code past 130.
std::optional<QString> TestoCampoRecord(int codice);

class EditorScheduler {
public:
    enum Comando { Nuovo = 0, Cancella, Su, Giu };
    enum ComandoCampo { Aggiungi = 0, Togli, CampoSu, CampoGiu };

    int TaskCorrente = 0;           // 1..NumTask; 0 none
    CampiTask Campi;
    bool ProprietaVisibili = false;
    RiquadriTask Visibili;
    QStringList ListaTask;          // one line a task
    int SelezioneTask = -1;
    int TipoNuovo = -1;             // type button selected; -1 none

    QList<VoceCampo> Selezionabili;
    int SelezioneCampo = -1;
    QStringList Record;             // the record's lines
    int SelezioneRecord = -1;

    // The window's load: controls reset, nothing shown, the task list.
    void Carica();
    // What the language reload resets: dates, interval, new-file controls,
    // the selectable fields and an empty record. Tasks are not touched.
    void SetRes();
    void ViewPar(int n);
    // The store button: the controls into the task shown. False, with the
    // values' error shown and nothing stored, when a number field is refused;
    // the operations that store first then do nothing more.
    bool Memorizza();
    void Esegui(Comando c);
    void ListaClick(int posizione);
    void EseguiCampo(ComandoCampo c);
    void DrawRecord();
    void ViewRecord();
    void DrawScheduler();
    void DeleteObject(int n);
    static void CopiaOggetto(int a, int b);
    // OK: the task shown stored, every task compiled; false when the store
    // is refused (the window stays).
    bool Ok();

private:
    void Sposta(int da, int a);
};
