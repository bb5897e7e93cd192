#pragma once
// The compact search-and-connect window: lists the controllers that answer
// the discovery and connects to the controller typed into its fields.
#include <QWidget>

#include "comm/finestre/ScopertaAlbero.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class frm_search2 : public QWidget {
    Q_OBJECT
public:
    frm_search2();

    void SetAsController();
    void cmd_Search_Click();
    void cmd_Connect_Click() { SetAsController(); }

    QTreeWidgetItem* Nodo(const QString& chiave) const { return m_albero.Nodo(chiave); }

private:
    void CaricaElenchi();
    void Radice(const QString& testo);

    AlberoScoperta m_albero{nullptr};   // over Elenco
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QPushButton* cmd_Search;
    QTreeWidget* Elenco;
    QComboBox* cmb_channel;
    QComboBox* cmb_baud;
    QComboBox* cmb_port;
    QLineEdit* txt_id;
    QComboBox* cmb_type;
    QCheckBox* TrasmettiTestata;
    QPushButton* cmd_Connect;
};

// Opens the compact search window and brings it to the front.
void ApriRicercaCompatta();
