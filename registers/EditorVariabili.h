#pragma once
// The variables editor's logic: the three pages (variables, user strings,
// text blocks), the fields they show and what each button does to the
// project's tables. The window only shows this state and hands the user's
// edits to it.
#include <QString>
#include <QStringList>
#include <array>

// The type combo: one entry per type index 0..17; the types the editor does
// not offer read "---" and behave as uInt.
constexpr int VociTipoVariabile = 18;
QString TestoVoceTipo(int posizione);
int DatoVoceTipo(int posizione);

// The output format: "%", sign, width digit, ".", decimals digit, kind.
struct FormatoUscita {
    bool segno = true;
    int cifre = 5;       // 1..9
    int decimali = 5;    // 0..9
    int genere = -1;     // 0 Decimal (f), 1 Exp (e), 2 Hex (x); -1 none chosen
};
QString ComponiFormato(const FormatoUscita& f);
// Reads a stored format back by character position; a position that does not
// hold a valid character leaves its part as it was.
void LeggiFormato(const QString& testo, FormatoUscita& f);

// The list line of variable `id`, fields joined by Tab.
QString RigaVariabile(int id);
// The same variable as the list's six columns (ID, Reg, Type, Format, Label,
// CSV Header), empty where its type shows nothing.
QStringList CelleVariabile(int id);

// Writes the controller's predefined variables into their fixed entries.
void CaricaVariabiliSistema();

// Which of the variable fields the chosen type shows.
struct VistaCampi {
    std::array<bool, 6> campo{};        // txt_WebReg; 0 and 2 always shown
    std::array<bool, 6> didascalia{};   // their captions
    bool swap = false, alternativa = false, gruppoAlternativo = false, formato = false;
};

class EditorVariabili {
public:
    enum Pagina { PaginaVariabili = 0, PaginaStringhe = 1, PaginaTesti = 2 };

    // Variables page.
    QStringList Righe;
    QList<QStringList> Celle;       // Righe by column
    int Selezione = -1;
    std::array<QString, 6> Campo;   // txt_WebReg 0..5
    std::array<QString, 6> Didascalia;
    int PosizioneTipo = 0;          // cmb_type; -1 for a type it has no entry for
    FormatoUscita Formato;
    bool Swap = false;
    bool Alternativa = false;       // chk_altern
    QString NomeCampo;
    VistaCampi Vista;

    // Strings and text pages.
    QStringList RigheStringhe;
    int SelezioneStringa = -1;
    QString TestoStringa;
    QStringList RigheBlocchi;
    int SelezioneBlocco = -1;
    QString TestoBlocco;

    int Scheda = PaginaVariabili;
    std::array<bool, 3> PaginaVisibile{true, false, false};

    // Opening: captions, type entry 0, the three lists.
    void Apri();
    // The language's captions of the fields; the chosen page shown again.
    void Didascalie();
    void SceltaScheda(int scheda);
    // cmb_type chosen: the field layout of that type.
    void SceltaTipo(int posizione);
    void SceltaAlternativa(bool attiva);
    // List1: selecting an entry shows it; -1 only clears the selection.
    void Seleziona(int indice);
    // The store button; false when the fields were refused (nothing stored).
    bool Memorizza();
    void Aggiungi();
    void Rimuovi();
    void Su();
    void Giu();
    bool PulsantiLista() const;   // remove, up and down
    void SelezionaStringa(int indice);
    void MemorizzaStringa();
    void SelezionaBlocco(int indice);
    void MemorizzaBlocco();
    // "Set System Var", after its question.
    void VariabiliSistema();
    // The OK button's effect on the shared flags.
    void Ok();

private:
    void CaricaVariabili();
    void CaricaStringhe();
    void CaricaBlocchi();
    void Disposizione();
    void MostraVariabile(int i);
};
