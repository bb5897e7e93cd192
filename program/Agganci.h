#pragma once
// Where the program editor meets the block editor, the run monitor and the
// workbench around it. The program editor calls the block editor only through
// this interface (the block editor installs its implementation at start), the
// others tell the rung list window what changed through the notifications,
// and the project and rung operations reach the toolbar, the caption, the
// saver and the project's windows only through EventiProgetto.
#include <QString>
#include <cstdint>
#include <functional>

class EditorBlocco {
public:
    virtual ~EditorBlocco() = default;
    // Catalogue index of the block whose stored identity this is; 0 when none.
    virtual int FunzToOpt(int16_t classe, int16_t gruppo, uint8_t op) = 0;
    // Records the process and rung the editor will store into on confirm.
    virtual void ImpostaBersaglio(int processo, int rung) = 0;
    // Selects catalogue block i as if its palette button were chosen (runs
    // the block's preamble when it was not selected).
    virtual void SelezionaFunzione(int indice) = 0;
    virtual void ImpostaEtichetta(const QString& testo) = 0;
    virtual void ImpostaArgomento(int riga, const QString& testo) = 0;
    // Reacts to row `riga` as if the user had chosen its value.
    virtual void ArgomentoClick(int riga) = 0;
    virtual void ImpostaDelay(const QString& testo) = 0;
    // Shows the editor, not modal.
    virtual void Mostra() = 0;
    // The editor's OK: encodes into the target rung. True when stored; on
    // failure the editor has said "Error: Check Values" and stays open.
    virtual bool Conferma() = 0;
    // Closes the editor if it is open.
    virtual void Chiudi() = 0;
};

void ImpostaEditorBlocco(EditorBlocco* editor);
EditorBlocco* EditorBloccoAttivo();   // nullptr until the block editor is installed

// The rung list window sets these when it exists; until then they do nothing,
// so a caller never has to test them.
// Rung `rung` of process `processo` changed what its row shows (the writer has
// updated the rung record, its Riga included): redraw its row.
inline std::function<void(int processo, int rung)> NotificaRigaRung = [](int, int) {};
// The run monitor colours the rung-number cell of rung `rung` of the
// current process (colour 0xRRGGBB).
inline std::function<void(int rung, uint32_t colore)> ColoraNumeroRung = [](int, uint32_t) {};
// Process `processo` became current: its tab is shown.
inline std::function<void(int processo)> MostraProcessoCorrente = [](int) {};
// The current process was replaced as a whole: its rows are drawn once,
// scrolled to the top.
inline std::function<void()> RidisegnaProcessoCorrente = [] {};

// The picture of a block for its key (the block editor's palette drawing);
// when unset the shared picture set draws it.
class QPixmap;
class QSize;
inline std::function<QPixmap(const QString& chiave, const QSize& dimensione)> ImmagineBlocco;

// True while rung `rung` is one of the rungs in use of process `processo`:
// the block editor checks its target with it before storing.
bool BersaglioEsiste(int processo, int rung);

// What the project and rung operations need of the workbench: they never
// reach a window of the shell, they call this, and the shell installs the
// implementation. Until one is installed nothing shows, no save is possible
// and the block editor counts as open (a stand-in editor has no window).
class EventiProgetto {
public:
    virtual ~EventiProgetto() = default;
    // Enables or disables toolbar group `gruppo` ("Puls_Compila", ...).
    virtual void AbilitaGruppo(const QString& gruppo, bool abilita) {}
    // Enables or disables the toolbar key `chiave` ("rung_redo", ...).
    virtual void AbilitaTasto(const QString& chiave, bool abilita) {}
    // The main window's caption, for the save question's title.
    virtual QString Titolo() { return {}; }
    // Saves the project (save-as when the flag is true); true when it saved.
    virtual bool SalvaProgetto(bool salvaCome) { return false; }
    // A new project: the rung list and the windows that edit the old
    // project's lists close.
    virtual void ChiudiFinestreProgetto() {}
    // The blank project shown: the rung list beside the Log, the registers
    // beside the rung list, each opened if it was not.
    virtual void MostraFinestreProgetto() {}
    // True while the block editor's window is open.
    virtual bool EditorBloccoAperto() { return true; }
    // The block editor is not in this build: the user is told.
    virtual void EditorBloccoAssente() {}
};

// Installs the implementation (nullptr: back to the silent default). The
// caller keeps ownership.
void ImpostaEventiProgetto(EventiProgetto* eventi);
EventiProgetto& EventiProg();
