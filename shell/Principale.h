#pragma once
// The main window: workspace for the child windows, the toolbar whose keys
// drive the main road, the six-panel status bar and the menus.
#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QPair>

class QMdiArea;
class QToolBar;
class QLabel;
class QAction;
class QMenu;

class Principale : public QMainWindow {
    Q_OBJECT
public:
    // Created on first use; lives until the program ends.
    static Principale* Istanza();
    static bool Esiste();

    QMdiArea* Area() const { return m_area; }

    // Toolbar1
    void CreaToolBar();
    void AbilitaPulsanti(const QString& gruppo, bool abilita);
    QAction* Pulsante(const QString& chiave) const;
    QToolBar* Toolbar1() const { return m_toolbar; }

    // StatusBar1, panels 1..6
    void AggiornaStato();
    QString Pannello(int i) const;
    void ImpostaPannello(int i, const QString& testo);

    // Menu items by control name (mnu_...); a submenu answers with its
    // menu action. nullptr when there is none.
    QAction* Menu(const QString& nome) const;
    // The pop-up menus other windows show (mnu_FB, mnu_Cont); nullptr when
    // there is none.
    QMenu* Popup(const QString& nome) const;
    // Builds the menu bar and the two pop-up menus, their items wired to the
    // menu dispatch; once, with the window.
    void CreaMenu();

    // ImageList1: the keyed pictures, in the order they were added.
    QList<QPair<QString, QIcon>> ImageList1;
    QIcon Immagine(const QString& chiave) const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Principale();
    QMdiArea* m_area = nullptr;
    QToolBar* m_toolbar = nullptr;
    QLabel* m_pannelli[7] = {};
};
