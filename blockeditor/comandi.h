#pragma once
// The block editor: the palette of catalogue blocks on the left, the chosen
// block's argument rows on the right. It edits the block of one rung and
// encodes it into that rung when accepted.
#include <QAbstractButton>
#include <QDialog>
#include "blockeditor/DatiBlocco.h"

#include <QStringList>
#include <array>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Rung;

// The palette's tab strip. Nine families do not fit one row of tabs in the
// palette's width, so the tabs stand in rows of three, all in sight at once.
class SchedeFunzioni : public QWidget {
    Q_OBJECT
public:
    explicit SchedeFunzioni(QWidget* parent);
    int addTab(const QString& testo);
    void removeTab(int indice);
    int count() const { return int(m_testi.size()); }
    QString tabText(int indice) const;
    int currentIndex() const { return m_corrente; }
    void setCurrentIndex(int indice);
    QRect tabRect(int indice) const;
    QSize sizeHint() const override;

signals:
    void currentChanged(int indice);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    static constexpr int kColonne = 3;
    QStringList m_testi;
    int m_corrente = -1;
};

// A palette button: caption on the block's colour, wrapped to fit.
class PulsanteFunzione : public QAbstractButton {
    Q_OBJECT
public:
    explicit PulsanteFunzione(QWidget* parent);
    QColor Colore;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
};

class comandi : public QDialog {
    Q_OBJECT
public:
    comandi();

    bool Aperto = false;       // loaded and not yet unloaded
    int ArgCorrente = 0;       // row that last had the focus; 8 = trigger frame

    Q_INVOKABLE void SetRes();
    void ImpostaFunzione(int indice);
    // 65535 when the block was encoded into the rung, 0 when it was not.
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

    // The rows, label, trigger and delay as data, and the rows and delay
    // shown back from data (only what differs is touched).
    DatiBlocco Raccogli() const;
    void MostraRighe(const DatiBlocco& dati);

    // Load and unload: the window is reset to its loaded state rather than
    // destroyed, so every rung edit starts from a fresh dialog.
    void Form_Load();
    void Form_Unload();
    bool Caricato() const { return m_caricato; }

    // Controls, named as the form names them.
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

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CostruisciControlli();
    void AssicuraCaricato();
    void SelezionaTipo(int riga, int tipo);
    RigaBlocco RaccogliRiga(int i) const;
    void MostraRiga(int i, const RigaBlocco& r);
    // Argument row i (0..7) out of sight: name, value, type and Set.
    void NascondiRiga(int i);

    QButtonGroup* m_gruppo = nullptr;
    int m_funzioneScelta = 0;
    bool m_caricato = false;
    bool m_conBersaglio = false;
    int m_processo = 0;
    int m_rung = 0;
};
