#pragma once
// The project tree: the project's parts as a list; a double-click opens the
// matching editor. Its caption is the same in both languages.
#include <QWidget>

class QTreeWidget;

class frm_Progetto : public QWidget {
    Q_OBJECT
public:
    frm_Progetto();
    // Shows the window (created on first use) and brings it to the front.
    static void Apri();

    QTreeWidget* Lista() const { return m_lista; }
    void Lista_DblClick();
    // The tree is placed by hand, so the workspace has no layout to ask.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QTreeWidget* m_lista;
};
