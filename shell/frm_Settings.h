#pragma once
// The Settings dialog: the connection to the controller (page 0) and the
// workspace options (page 1). OK stores the fields, writes the settings
// file and rebuilds the register table; the language option acts at once.
#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class QPushButton;

class frm_Settings : public QDialog {
    Q_OBJECT
public:
    frm_Settings();

    // Opens the dialog on page 0 (controller) or 1 (workspace); when it is
    // already open only the page changes.
    static void Apri(int pagina);

    void cmd_ok_Click(int Index);
    // Writes the settings file from the shared state (not from the fields).
    bool SaveSettings();
    Q_INVOKABLE void SetRes();

    // Fills every field from the shared state.
    void Form_Load();
    void MostraPagina(int pagina);
    void opt_lang_Click(int Index);
    void optChannel_Click(int Index);
    void Slider1_Change();

    QGroupBox* frm_opt(int i) const { return m_pagine[size_t(i)]; }

private:
    std::array<QGroupBox*, 2> m_pagine{};
    QComboBox* Combo1;
    QLineEdit *txt_address, *txt_ip, *txt_port, *txt_timeoutTCP;
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4;
    QWidget *frmTCP, *frmCOM;
    std::array<QRadioButton*, 2> optChannel{}, optStop{}, opt_lang{};
    QComboBox *cmbCOM, *cmbBaud;
    QCheckBox *chk_Modem, *chk_Update;
    QLabel *Label1, *Label2, *Label5, *Label6, *Label7, *img_lang, *lbl_tempo;
    QSlider* Slider1;
    std::array<QPushButton*, 2> cmd_ok{};

    int m_indiceModello = -1;   // model list position shown at load
    bool m_modelloTrovato = false;
    int m_secondiIniziali = 0;
};
