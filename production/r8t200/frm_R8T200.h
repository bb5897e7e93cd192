#pragma once
// The R8T200 register reader's window: the unit address, Update, Start,
// Stop and the four lists, over LetturaR8T200. Closing it ends a running
// repetition.
#include "production/r8t200/LetturaR8T200.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

class frm_R8T200 : public QWidget, public ListeR8T200 {
    Q_OBJECT
public:
    frm_R8T200();

    LetturaR8T200& Lettura() { return m_lettura; }
    void ImpostaIndirizzo(const QString& testo);
    QStringList Righe(int lista) const;
    bool UpdateAbilitato() const;

    QString Indirizzo() const override;
    void ImpostaRiga(int lista, int riga, const QString& testo) override;
    void AbilitaUpdate(bool si) override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void cmd_start_Click();

    LetturaR8T200 m_lettura{*this};
    QLineEdit* m_indirizzo;
    QPushButton* m_update;
    QListWidget* m_liste[4];
};
