#pragma once
// The variables, strings and text blocks editor: a child window of the
// workspace, with its EditorVariabili doing the work. OK closes it as a
// choice; closing it any other way (close box, a new project) also ends the
// wait of a scheduler that opened it as a picker, without choosing.
#include "registers/EditorVariabili.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTabBar;

class frm_variabili : public QWidget {
    Q_OBJECT
public:
    frm_variabili();
    ~frm_variabili() override;

    // The scheduler's picker: shows the window and returns once it has
    // closed; true when it was closed by OK. The chosen entry is Scelta().
    static bool Scegli();
    static int Scelta() { return s_scelta; }

    Q_INVOKABLE void SetRes();
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Shows the logic's state; the user's edits go the other way.
    void Mostra();
    void cmd_ok_Click();

    static int s_scelta;
    EditorVariabili m_editor;

    QTabBar* m_schede;
    std::array<QWidget*, 3> m_pagine{};
    QListWidget* m_lista;
    std::array<QLabel*, 6> m_intestazioni{};
    std::array<QLineEdit*, 6> m_campi{};
    std::array<QLabel*, 6> m_didascalie{};
    QLabel* m_lblTipo;
    QComboBox* m_tipo;
    QCheckBox* m_swap;
    QLineEdit* m_nomeCampo;
    QGroupBox* m_formato;
    QCheckBox* m_segno;
    QComboBox* m_genere;
    std::array<QScrollBar*, 2> m_scroll{};
    std::array<QLineEdit*, 2> m_txtScroll{};
    QGroupBox* m_alternativo;
    QCheckBox* m_altern;
    std::array<QPushButton*, 4> m_pulsantiLista{};   // + - ^ v
    QListWidget* m_stringhe;
    QLineEdit* m_stringa;
    QListWidget* m_blocchi;
    QPlainTextEdit* m_blocco;
};

// The scheduler's record editor opens this window as its picker through
// its services.
void InstallaServiziVariabili();
