#include "comm/finestre/frm_search2.h"

#include "comm/Dispositivo.h"
#include "comm/finestre/ScopertaCollegamento.h"
#include "comm/Scoperta.h"
#include "shell/Finestre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QStringList kVelocita = {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                               QStringLiteral("57600"), QStringLiteral("115200")};
}

frm_search2::frm_search2()
{
    setObjectName(QStringLiteral("frm_search2"));
    setWindowTitle(QStringLiteral("Devices"));

    Frame2 = new QGroupBox(QStringLiteral("Device List"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    cmd_Search = new QPushButton(QStringLiteral("Refresh"), Frame2);
    cmd_Search->setObjectName(QStringLiteral("cmd_Search"));
    Elenco = new QTreeWidget(Frame2);
    Elenco->setObjectName(QStringLiteral("Elenco"));
    Elenco->setHeaderHidden(true);
    m_albero = AlberoScoperta(Elenco);
    auto* lista = new QVBoxLayout(Frame2);
    lista->addWidget(cmd_Search);
    lista->addWidget(Elenco, 1);

    Frame1 = new QGroupBox(QStringLiteral("Controller"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    cmb_channel = new QComboBox(Frame1);
    cmb_channel->setObjectName(QStringLiteral("cmb_channel"));
    cmb_baud = new QComboBox(Frame1);
    cmb_baud->setObjectName(QStringLiteral("cmb_baud"));
    cmb_baud->setEditable(true);
    cmb_baud->addItems(kVelocita);
    cmb_baud->setEditText(QStringLiteral("192.168.1.100"));
    cmb_port = new QComboBox(Frame1);
    cmb_port->setObjectName(QStringLiteral("cmb_port"));
    cmb_port->setEditable(true);
    cmb_port->setEditText(QStringLiteral("502"));
    txt_id = new QLineEdit(QStringLiteral("128"), Frame1);
    txt_id->setObjectName(QStringLiteral("txt_id"));
    cmb_type = new QComboBox(Frame1);
    cmb_type->setObjectName(QStringLiteral("cmb_type"));
    cmb_type->addItems(kVelocita);
    TrasmettiTestata = new QCheckBox(QStringLiteral("Header"), Frame1);
    TrasmettiTestata->setObjectName(QStringLiteral("TrasmettiTestata"));
    cmd_Connect = new QPushButton(QStringLiteral("Connect"), Frame1);
    cmd_Connect->setObjectName(QStringLiteral("cmd_Connect"));
    auto* campi = new QFormLayout(Frame1);
    campi->addRow(QStringLiteral("Ch."), cmb_channel);
    campi->addRow(QStringLiteral("IP Address"), cmb_baud);
    campi->addRow(QStringLiteral("Port"), cmb_port);
    campi->addRow(QStringLiteral("Modbus ID"), txt_id);
    campi->addRow(QStringLiteral("Device type"), cmb_type);
    campi->addRow(TrasmettiTestata);
    campi->addRow(cmd_Connect);

    auto* tutto = new QHBoxLayout(this);
    tutto->addWidget(Frame2, 1);
    tutto->addWidget(Frame1);

    connect(cmd_Search, &QPushButton::clicked, this, [this] { cmd_Search_Click(); });
    connect(cmd_Connect, &QPushButton::clicked, this, [this] { cmd_Connect_Click(); });
    CaricaElenchi();
}

void frm_search2::CaricaElenchi()
{
    cmb_channel->clear();
    cmb_channel->addItem(QStringLiteral("TCP"), 0);
    cmb_channel->addItem(QStringLiteral("COM"), 1);
    cmb_channel->setCurrentIndex(0);
}

void frm_search2::Radice(const QString& testo)
{
    m_albero.Svuota();
    m_albero.Aggiungi(QString(), QStringLiteral("rete"), testo);
}

void frm_search2::cmd_Search_Click()
{
    cmd_Search->setEnabled(false);
    Radice(QStringLiteral("Searching..."));
    NumDispositivi = 0;
    CercaDispositiviUDP(FamigliaControllori);
    Radice(QStringLiteral("TCP/IP"));
    for (int i = 1; i <= NumDispositivi && i <= UltimoDispositivo; ++i) {
        const Dispositivo& d = Dispositivi[size_t(i)];
        const QString s = QString::number(i);
        const QString nodo = QStringLiteral("nodo") + s;
        m_albero.Aggiungi(QStringLiteral("rete"), nodo, d.NomeDispositivo + QStringLiteral(" [") + d.IndirizzoIP + QStringLiteral("]"));
        m_albero.Aggiungi(nodo, QStringLiteral("ip") + s, QStringLiteral("IP: ") + d.IndirizzoIP);
        m_albero.Aggiungi(nodo, QStringLiteral("mac") + s, QStringLiteral("MAC: ") + d.MAC);
        m_albero.Aggiungi(nodo, QStringLiteral("Mask") + s, QStringLiteral("Mask: ") + d.Subnet);
        m_albero.Aggiungi(nodo, QStringLiteral("addr") + s, QStringLiteral("Addr: ") + QString::number(d.Nodo));
        m_albero.Aggiungi(nodo, QStringLiteral("init") + s,
                          QStringLiteral("Init: ") + (d.InitAttivo ? QStringLiteral("True") : QStringLiteral("False")));
        if (QTreeWidgetItem* n = m_albero.Nodo(nodo)) {
            n->setExpanded(true);
            Elenco->scrollToItem(n);
        }
    }
    cmd_Search->setEnabled(true);
}

void frm_search2::SetAsController()
{
    // A field that cannot be converted keeps the previous value.
    Controllore.TipoConnessione = TipoCollegamento(cmb_channel->currentData().toInt());
    Controllore.IndirizzoIP = cmb_baud->currentText();
    bool ok = false;
    const int porta = cmb_port->currentText().trimmed().toInt(&ok);
    if (ok && porta >= 0 && porta <= 32767) Controllore.Porta = int16_t(porta);
    const int nodo = txt_id->text().trimmed().toInt(&ok);
    if (ok && nodo >= 0 && nodo <= 255) Controllore.Nodo = uint8_t(nodo);
    CollegaDispositivo(false);
}

void ApriRicercaCompatta()
{
    Finestre::Mostra(Finestre::Get<frm_search2>());
}
