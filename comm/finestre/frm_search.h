#pragma once
// The device search window: finds controllers and device servers by UDP
// broadcast or by a Modbus address scan on a serial line, lists them in a
// tree and acts on the one selected.
#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>
#include <QWidget>
#include <array>

#include "comm/finestre/ScopertaAlbero.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class QTcpSocket;
class QTreeWidget;
class QTreeWidgetItem;
class QUdpSocket;

class frm_search : public QWidget {
    Q_OBJECT
public:
    frm_search();

    // The operations the device pop-up menu calls.
    void cmd_Search_Click();
    void Elenco_DblClick();
    void SetAsController();
    void CopyMAC();
    void CopyIP();
    void SetIP();
    void SearchSubNodes();
    Q_INVOKABLE void SetRes();

    void cmd_stop_Click();
    void cmb_porta_Click();
    void Elenco_NodeClick(QTreeWidgetItem* nodo);
    void cmd_Manual_Click();
    void Command3_Click();
    void Command5_Click();
    // A datagram that arrived on the discovery socket.
    void UDP_DataArrival(const QByteArray& dati, const QHostAddress& mittente);

    int IndiceDispositivo() const { return m_indice; }
    bool RicercaAttiva() const { return m_ricercaAttiva; }
    QString RispostaTelnet() const { return QString::fromLatin1(m_rispostaTelnet); }
    // The tree node with this key; nullptr when there is none.
    QTreeWidgetItem* Nodo(const QString& chiave) const { return m_albero.Nodo(chiave); }

private:
    QTreeWidgetItem* AggiungiNodo(const QString& padre, const QString& chiave, const QString& testo,
                                  const QString& immagine = QString());
    void MostraNodo(const QString& chiave, bool seleziona);
    // One family's discovery, `cosa` telling the user what is searched.
    void CercaUDP(const QString& famiglia, const QString& cosa, double ms);
    // `ms`: the time-out field, already read.
    void ScansioneSeriale(int da, int a, double ms);
    void WriteDefaultProg();
    void Sniffer_DataArrival();
    QUdpSocket* SocketSniffer();
    // The entry the actions work on, or -1 when no valid device is selected.
    int Selezionato() const;
    // The next free entry of this search; -1 when the table is full.
    int NuovoIndice();
    // The time-out field as milliseconds; false (with the message) when it
    // is not a number that fits.
    bool LeggiTimeout(double& ms);

    int m_indice = 0;       // entry the actions act on
    int m_trovati = 0;      // entries written by the current search
    std::array<bool, 256> m_valido{};
    std::array<bool, 256> m_macValido{};
    bool m_ricercaAttiva = false;
    QByteArray m_rispostaTelnet;
    AlberoScoperta m_albero{nullptr};   // over Elenco

    QComboBox* cmb_porta;
    QLineEdit* txt_Timeout;
    QLabel* Label9;
    QLabel* Label12;
    QPushButton* cmd_Search;
    QPushButton* cmd_stop;
    QGroupBox* Frame2;
    QGroupBox* frm_opz[2];
    QStackedLayout* m_opzioni;
    QGroupBox* Frame1;
    QRadioButton* chk_baud[8];
    QGroupBox* Frame5;
    QLineEdit* txt_indir[2];
    QLabel* Label4;
    QLabel* Label6;
    QCheckBox* chk_disp_ethernet[2];
    QTreeWidget* Elenco;
    QLabel* lbl_search;
    QLabel* Label5_0;
    QGroupBox* tab_search[2];
    QRadioButton* Option1[2];
    QLineEdit* txt_mac[6];
    QLineEdit* txt_ip[4];
    QPushButton* cmd_Manual;
    QPushButton* Command3;
    QPushButton* Command5;
    QListWidget* List1;
    QUdpSocket* UDP;
    QUdpSocket* Sniffer = nullptr;
    QTcpSocket* telnet;
};

// One line of the debug sniffer: the date and time, then the bytes in hex
// with a blank after the first only ("... 04 0A1B").
QString RigaSniffer(const QDateTime& quando, const QByteArray& dati);

// Opens the device search window and brings it to the front.
void ApriRicercaDispositivi();
