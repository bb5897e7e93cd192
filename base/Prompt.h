#pragma once
// Every message box, input box and file dialog of the program goes through
// here, so that tests (and scripted use) can answer them.
#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;

namespace Prompt {

// Buttons and answers keep the classic message-box numbering that the
// callers compare with.
enum Pulsanti { SoloOk = 0, OkAnnulla = 1, InterrompiRiprovaIgnora = 2, SiNoAnnulla = 3, SiNo = 4 };
enum Risposta { Ok = 1, Annulla = 2, Interrompi = 3, Riprova = 4, Ignora = 5, Si = 6, No = 7 };
enum Icona { Nessuna = 0, Critica = 16, Domanda = 32, Avviso = 48, Info = 64 };

enum class Tipo { Messaggio, Input, FileApri, FileSalva, Stampa };

struct Richiesta {
    Tipo tipo;
    QString testo;       // message, or the input box prompt
    QString titolo;
    int pulsanti = SoloOk;
    QString predefinito; // input default or proposed file name
    QString filtro;      // file dialogs
    // Save dialog: the dialog asks before an existing file is replaced,
    // unless the caller asks itself (a name that stands for a set of files).
    bool confermaSostituzione = true;
    QPrinter* stampante = nullptr;  // the print dialog sets it up
};

// Answer: for messages the Risposta number in `scelta`; for input and file
// dialogs `testo`, with `annullato` for Cancel.
struct Risposta_ {
    int scelta = Ok;
    QString testo;
    bool annullato = false;
};

using Risponditore = std::function<Risposta_(const Richiesta&)>;

// Installs an answerer; with none, the default one answers. Returns the old one.
Risponditore ImpostaRisponditore(Risponditore r);
// The default answerer: the shell installs the real dialogs
// (shell/PromptFinestre.h). With none, a message is answered OK and an input
// or file dialog is cancelled.
void ImpostaPredefinito(Risponditore r);
// While on, every request is kept in Storico() (tests turn it on); off, the
// default, keeps nothing and clears what was kept.
void RegistraStorico(bool attivo);
QList<Richiesta>& Storico();

int MsgBox(const QString& testo, int pulsanti = SoloOk, const QString& titolo = QString());
// Returns the typed text; *annullato tells Cancel apart from an empty text.
QString InputBox(const QString& testo, const QString& titolo = QString(),
                 const QString& predefinito = QString(), bool* annullato = nullptr);
// The one message every refused value check gives.
void ErroreValori();
// Empty text when cancelled. `predefinito` is the proposed name or the
// folder the dialog starts in.
QString FileApri(const QString& titolo, const QString& filtro, const QString& predefinito = QString());
enum class Sostituzione { ChiedeDialogo, ChiedeChiamante };
QString FileSalva(const QString& titolo, const QString& filtro, const QString& predefinito = QString(),
                  Sostituzione chiede = Sostituzione::ChiedeDialogo);
// The print dialog over `stampante`; false when cancelled.
bool Stampa(QPrinter* stampante);

} // namespace Prompt
