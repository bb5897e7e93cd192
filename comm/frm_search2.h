#pragma once
// The compact search-and-connect window: lists the controllers that answer
// the discovery and connects to the controller typed into its fields.
#include <QHash>
#include <QWidget>

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

    QTreeWidgetItem* Nodo(const QString& chiave) const { return m_nodi.value(chiave); }

private:
    void CaricaElenchi();
    QTreeWidgetItem* AggiungiNodo(const QString& padre, const QString& chiave, const QString& testo);
    void Radice(const QString& testo);

    QHash<QString, QTreeWidgetItem*> m_nodi;
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
