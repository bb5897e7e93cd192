#pragma once
// The watch window: a chosen list of registers read once or continuously.
// A child window of the workspace; closing it ends a running loop and only
// hides it, so the loop's handler never outlives its window.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTreeWidget;

class frm_watch : public QWidget {
    Q_OBJECT
public:
    frm_watch();

    // Opening: shows the window, then SetRes and a refresh.
    static frm_watch* Apri();

    Q_INVOKABLE void SetRes();
    // Reads the watched blocks (when connected) and redraws every row.
    void AggiornaWatch();
    void cmd_Read_Click();

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QComboBox* m_reg;
    QPushButton* m_aggiungi;
    QPushButton* m_rimuovi;
    QTreeWidget* m_vista;
    QPushButton* m_leggi;
    QCheckBox* m_continuo;
};
