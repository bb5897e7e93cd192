#pragma once
// The monochrome image editor: loads a bitmap, shows it and packs it into
// the display images. A child window of the workspace; OK and Annulla only
// close it (nothing waits on it), and its EditorImmagini does the work.
#include "registers/EditorImmagini.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

class Input_Img : public QWidget {
    Q_OBJECT
public:
    Input_Img();

    // Loads the window (again) when it was closed and brings it to the front.
    static Input_Img* Apri();
    void Form_Load();

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Mostra();
    void Chiudi();

    EditorImmagini m_editor;
    bool m_caricato = false;
    QListWidget* m_lista;
    QLineEdit* m_nome;
    QLineEdit* m_x;
    QLineEdit* m_y;
    QLabel* m_anteprima;
};
