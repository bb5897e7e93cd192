#pragma once
// The linearisation-table editor: the project's table list on the right, the
// table being edited (name, point count, the point rows eight at a time) on
// the left, ">>" between them to store it. A child window of the workspace;
// OK and Annulla unload it, and its EditorTabelle does the work.
#include "registers/EditorTabelle.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

class Input_Tab : public QWidget {
    Q_OBJECT
public:
    Input_Tab();

    // Loads the window (again) when it was unloaded and brings it to the
    // front; the one way to open it.
    static Input_Tab* Apri();

    Q_INVOKABLE void SetRes();
    void Form_Load();
    void Form_Unload();
    bool Caricato() const { return m_caricato; }

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    struct RigaPunto {
        QWidget* p = nullptr;
        QLabel* numero = nullptr;
        QLineEdit* a = nullptr;
        QLineEdit* b = nullptr;
    };
    // Shows the logic's fields; the user's edits go the other way.
    void Mostra();
    void cmd_ok_Click(int indice);

    EditorTabelle m_editor;
    bool m_caricato = false;

    QGroupBox* m_tabella;
    QGroupBox* m_punti;
    QGroupBox* m_elenco;
    QLabel* m_lblNome;
    QLabel* m_lblPunti;
    QListWidget* m_lista;
    QLineEdit* m_nome;
    QLineEdit* m_conteggio;
    std::array<RigaPunto, EditorTabelle::NumRighe> m_righe;
    QScrollBar* m_scroll;
    QPushButton* m_inserisci;
    QPushButton* m_carica;
    QPushButton* m_salva;
    std::array<QPushButton*, 2> m_ok{};
};

// The block editor's "Set" of a table row reaches this editor through its
// services.
void InstallaServiziTabelle();
