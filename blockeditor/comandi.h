#pragma once
// The block editor: the palette of catalogue blocks on the left, the chosen
// block's argument rows on the right. It edits the block of one rung and
// encodes it into that rung when accepted.
#include "blockeditor/DatiBlocco.h"

#include <QDialog>

#include <QStringList>
#include <array>
#include <cstdint>

class PulsanteFunzione;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SchedeFunzioni;
struct Rung;

class comandi : public QDialog {
    Q_OBJECT
public:
    comandi();

    bool Aperto = false;       // loaded and not yet unloaded
    int ArgCorrente = 0;       // row that last had the focus; 8 = trigger frame

    Q_INVOKABLE void SetRes();
    void ImpostaFunzione(int indice);
    // 65535 when the block was encoded into the rung, 0 when it was not (the
    // rung then is as it was). Choosing a block writes nothing into the rung.
    uint16_t CompilaComando();
    // OK: encode, then unload and mark the project modified; true when stored.
    bool cmd_AddFunc_Click();
    void txt_Var_Click(int indice);
    void ShowArg(int riga);
    void txt_Opt_Click(int riga);
    void cmd_set_Click(int riga);
    void RiempiEtichette(int riga);
    void opt_Funzione_Click(int indice);
    void Tab_Funzioni_Click();
    void PosizionaFunzione(int indice, int riga, int colonna);

    int FunzioneScelta() const { return m_funzioneScelta; }
    // Selects palette block `indice` as a click would, and lays it out.
    void SelezionaFunzione(int indice);
    // The register window hands register `registro` to the current row.
    void ImpostaRegistroRiga(int registro);

    // The rung that OK stores into. Without a target, the current rung.
    void ImpostaBersaglio(int processo, int rung);
    Rung* RungBersaglio() const;   // nullptr when that rung no longer exists
    int ProcessoBersaglio() const;
    int NumeroRungBersaglio() const;

    // The rows, label, trigger and delay as data, and the rows, delay and
    // trigger shown back from data (only what differs is touched).
    DatiBlocco Raccogli() const;
    void MostraRighe(const DatiBlocco& dati);

    // Load and unload: the window is reset to its loaded state rather than
    // destroyed, so every rung edit starts from a fresh dialog.
    void Form_Load();
    void Form_Unload();
    bool Caricato() const { return m_caricato; }

    // What the user types and chooses, for the rung editor and the tests.
    // Row 8 is the trigger frame's register field.
    void ImpostaEtichetta(const QString& testo);
    void ImpostaTestoRiga(int riga, const QString& testo);
    void ImpostaDelay(const QString& testo);
    void ImpostaTrigger(bool attivo, const QString& registro, const QString& maschera);
    // Entry `voce` of row `riga`'s type list chosen, as a click on it.
    void ScegliTipo(int riga, int voce);
    // Entry `voce` of row `riga`'s value list selected (no reaction runs).
    void ScegliValore(int riga, int voce);

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Controls, named as the form names them (their objectName too).
    QGroupBox* f_Funzioni;
    SchedeFunzioni* Tab_Funzioni;
    std::array<PulsanteFunzione*, 63> opt_Funzione{};
    QGroupBox* f_argomenti;
    QLabel* lbl_nomeFunz;
    QLabel* Label1;
    QLineEdit* txt_Label;
    QLabel* lbl_Delay;
    QLineEdit* txt_delay;
    std::array<QLabel*, 10> lbl_Var{};
    std::array<QComboBox*, 9> txt_Var{};
    std::array<QPushButton*, 9> cmd_set{};
    std::array<QComboBox*, 9> txt_Opt{};
    QGroupBox* frm_trig;
    QCheckBox* chk_trig;
    QPushButton* cmd_AddFunc;


    void CostruisciControlli();
    void AssicuraCaricato();
    void SelezionaTipo(int riga, int tipo);
    RigaBlocco RaccogliRiga(int i) const;
    void MostraRiga(int i, const RigaBlocco& r);
    void AdattaDidascalie();

    QButtonGroup* m_gruppo = nullptr;
    int m_funzioneScelta = 0;
    bool m_caricato = false;
    bool m_conBersaglio = false;
    int m_processo = 0;
    int m_rung = 0;
};
