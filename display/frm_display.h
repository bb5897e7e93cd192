#pragma once
// The display page editor: pages and objects, the preview inside a picture
// of the device's front, and the property panel. The panel's mapping and Set
// live in PannelloOggetto, the preview in AnteprimaDisplay; the window only
// moves values between them and its controls.
#include "display/PannelloOggetto.h"

#include <QWidget>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TelaDisplay;

class frm_display : public QWidget {
    Q_OBJECT
public:
    frm_display();

    // Opens the window (loading it on first use) and brings it to the front.
    static frm_display* Apri();

    Q_INVOKABLE void SetRes();
    void DrawDisplay(int pagina);
    void DrawObject(int pagina, int i);
    // Shows object n of the page in the panel; 0 hides the panel.
    void ViewPar(int pagina, int n);

private:
    void DrawPages();
    void ScegliPagina(int riga);
    void ComandoPagina(int k);
    void ComandoOggetto(int k);
    void SelezionaOggetto(int n);
    void cmd_set_Click();
    void SelectPicture(int indice, int passo);
    void Tastiera(int k);
    void CompilaEChiudi();
    // Refused commands say why; every command marks the project changed.
    void Esito(int esito);

    void MostraPannello();
    void LeggiPannello();
    void ApplicaAlternativo();

    PannelloOggetto m_pannello;

    TelaDisplay* m_tela;
    QListWidget* m_pagine;
    QListWidget* m_oggetti;
    QButtonGroup* m_tipi;
    std::array<QAbstractButton*, 9> m_tipo{};
    std::array<QPushButton*, 4> m_cmdPagina{};
    std::array<QPushButton*, 5> m_cmdOggetto{};
    QLineEdit* m_puntatore;
    QGroupBox* m_quadroPagine;
    QGroupBox* m_quadroOggetti;

    QGroupBox* m_pannelloBox;       // Frame2
    QGroupBox* m_gruppoFormato;     // frm_formato
    QGroupBox* m_gruppoTesti;       // frm_format
    QGroupBox* m_gruppoRegistro;    // frm_Reg
    QGroupBox* m_gruppoDimensioni;  // frm_dim
    QGroupBox* m_gruppoFigure;      // frm_Picture
    QLineEdit *m_posX, *m_posY, *m_dimX, *m_dimY, *m_spess, *m_reg, *m_bit, *m_max, *m_min, *m_nomeTipo;
    std::array<QLineEdit*, 2> m_formato{};
    std::array<QLabel*, 2> m_lblFormato{};
    QCheckBox* m_altern;
    QCheckBox* m_negato;
    std::array<QRadioButton*, 2> m_direzione{};
    QComboBox* m_taglia;
    QComboBox* m_tipoReg;
    QLabel *m_lblPos, *m_lblRev, *m_lblFormatoTipo, *m_lblReg, *m_lblTipoReg, *m_lblBit;
    QLabel *m_lblDimX, *m_lblDimY, *m_lblSpess, *m_lblMax, *m_lblMin;
    std::array<QLabel*, 2> m_lblFigura{};
    std::array<QLabel*, 2> m_idFigura{};
    std::array<QLabel*, 2> m_imgFigura{};
};
