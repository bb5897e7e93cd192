#include "comm/finestre/frm_search.h"

#include "base/Attesa.h"
#include "base/Globali.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Comunica.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/EventiCollegamento.h"
#include "comm/finestre/ScopertaCollegamento.h"
#include "comm/Rete.h"
#include "comm/Scoperta.h"
#include "comm/ServerSeriale.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTcpSocket>
#include <QToolBar>
#include <QTreeWidget>
#include <QUdpSocket>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int kBaud[8] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

// Width of a field that shows about `cifre` digits.
int Larghezza(const QWidget* w, int cifre)
{
    return w->fontMetrics().horizontalAdvance(QLatin1Char('0')) * cifre + 16;
}

// A whole number 0..255 typed in a field.
bool LeggiByte(const QString& testo, int& v)
{
    bool ok = false;
    v = testo.trimmed().toInt(&ok);
    return ok && v >= 0 && v <= 255;
}

// Models whose web page the double-click opens.
bool HaPaginaWeb(int modello)
{
    return (modello >= 0 && modello <= 8) || modello == 14 || modello == 15;
}
} // namespace

frm_search::frm_search()
{
    setObjectName(QStringLiteral("frm_search"));

    cmb_porta = new QComboBox(this);
    cmb_porta->setObjectName(QStringLiteral("cmb_porta"));
    Label5_0 = Crea<QLabel>(this, QStringLiteral("Label5_0"), QStringLiteral("Port"));
    Label9 = Crea<QLabel>(this, QStringLiteral("Label9"));
    txt_Timeout = Crea<QLineEdit>(this, QStringLiteral("txt_Timeout"), QStringLiteral("1000"));
    Label12 = Crea<QLabel>(this, QStringLiteral("Label12"), QStringLiteral("mSec"));
    cmd_Search = Crea<QPushButton>(this, QStringLiteral("cmd_Search"), QStringLiteral("Search"));
    cmd_stop = Crea<QPushButton>(this, QStringLiteral("cmd_stop"), QStringLiteral("Stop"));

    Frame2 = Crea<QGroupBox>(this, QStringLiteral("Frame2"), QStringLiteral("Channels"));
    for (int i = 0; i < 2; ++i) frm_opz[i] = Crea<QGroupBox>(Frame2, QStringLiteral("frm_opz_%1").arg(i));
    Frame1 = Crea<QGroupBox>(frm_opz[0], QStringLiteral("Frame1"));
    auto* baud = new QGridLayout(Frame1);
    for (int k = 0; k < 8; ++k) {
        chk_baud[k] = Crea<QRadioButton>(Frame1, QStringLiteral("chk_baud_%1").arg(k), QString::number(kBaud[k]));
        baud->addWidget(chk_baud[k], k / 2, k % 2);
    }
    chk_baud[5]->setChecked(true);
    Frame5 = Crea<QGroupBox>(frm_opz[0], QStringLiteral("Frame5"));
    Label4 = Crea<QLabel>(Frame5, QStringLiteral("Label4"), QStringLiteral("From:"));
    Label6 = Crea<QLabel>(Frame5, QStringLiteral("Label6"), QStringLiteral("To:"));
    txt_indir[0] = Crea<QLineEdit>(Frame5, QStringLiteral("txt_indir_0"), QStringLiteral("1"));
    txt_indir[1] = Crea<QLineEdit>(Frame5, QStringLiteral("txt_indir_1"), QStringLiteral("32"));
    auto* range = new QHBoxLayout(Frame5);
    range->addWidget(Label4);
    range->addWidget(txt_indir[0]);
    range->addWidget(Label6);
    range->addWidget(txt_indir[1]);
    range->addStretch(1);
    auto* seriale = new QVBoxLayout(frm_opz[0]);
    seriale->addWidget(Frame1);
    seriale->addWidget(Frame5);
    auto* eth = new QVBoxLayout(frm_opz[1]);
    for (int i = 0; i < 2; ++i) {
        chk_disp_ethernet[i] = Crea<QCheckBox>(frm_opz[1], QStringLiteral("chk_disp_ethernet_%1").arg(i));
        eth->addWidget(chk_disp_ethernet[i]);
    }
    eth->addStretch(1);
    // Both option frames share one place, sized for the larger, so that
    // switching the port list never squeezes the serial options.
    m_opzioni = new QStackedLayout(Frame2);
    for (QGroupBox* f : frm_opz) {
        f->setFlat(true);
        m_opzioni->addWidget(f);
    }

    Elenco = new QTreeWidget(this);
    Elenco->setObjectName(QStringLiteral("Elenco"));
    Elenco->setHeaderHidden(true);
    Elenco->setContextMenuPolicy(Qt::CustomContextMenu);
    Elenco->setMinimumWidth(Larghezza(Elenco, 34));
    m_albero = AlberoScoperta(Elenco);
    lbl_search = Crea<QLabel>(this, QStringLiteral("lbl_search"));

    tab_search[0] = Crea<QGroupBox>(this, QStringLiteral("tab_search_0"), QStringLiteral("Search by MAC"));
    tab_search[1] = Crea<QGroupBox>(this, QStringLiteral("tab_search_1"), QStringLiteral("Search"));
    auto* manuale = new QGridLayout(tab_search[0]);
    manuale->addWidget(new QLabel(QStringLiteral("MAC Address"), tab_search[0]), 0, 0);
    for (int i = 0; i < 6; ++i) {
        txt_mac[i] = Crea<QLineEdit>(tab_search[0], QStringLiteral("txt_mac_%1").arg(i));
        txt_mac[i]->setMaxLength(2);
        txt_mac[i]->setMaximumWidth(Larghezza(txt_mac[i], 4));
        manuale->addWidget(txt_mac[i], 0, 1 + i);
    }
    manuale->addWidget(new QLabel(QStringLiteral("Temporary IP Address"), tab_search[0]), 1, 0);
    for (int i = 0; i < 4; ++i) {
        txt_ip[i] = Crea<QLineEdit>(tab_search[0], QStringLiteral("txt_ip_%1").arg(i));
        txt_ip[i]->setMaxLength(3);
        txt_ip[i]->setMaximumWidth(Larghezza(txt_ip[i], 5));
        manuale->addWidget(txt_ip[i], 1, 1 + i);
    }
    manuale->addWidget(new QLabel(QStringLiteral("Device Type"), tab_search[0]), 2, 0);
    for (int i = 0; i < 2; ++i) {
        Option1[i] = Crea<QRadioButton>(tab_search[0], QStringLiteral("Option1_%1").arg(i));
        manuale->addWidget(Option1[i], 2, 1 + 3 * i, 1, 3);
    }
    cmd_Manual = Crea<QPushButton>(tab_search[0], QStringLiteral("cmd_Manual"), QStringLiteral("Connect"));
    manuale->addWidget(cmd_Manual, 3, 0);

    Command3 = Crea<QPushButton>(this, QStringLiteral("Command3"), QStringLiteral("1001/0004"));
    Command5 = Crea<QPushButton>(this, QStringLiteral("Command5"), QStringLiteral("1001/0003"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));

    auto* cerca = new QGridLayout(tab_search[1]);
    cerca->addWidget(Label5_0, 0, 0);
    cerca->addWidget(cmb_porta, 0, 1);
    cerca->addWidget(Label9, 1, 0);
    auto* tempo = new QHBoxLayout;
    tempo->addWidget(txt_Timeout);
    tempo->addWidget(Label12);
    tempo->addStretch(1);
    cerca->addLayout(tempo, 1, 1);
    cerca->addWidget(Frame2, 2, 0, 1, 2);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmd_Search);
    pulsanti->addWidget(cmd_stop);
    pulsanti->addStretch(1);
    cerca->addLayout(pulsanti, 3, 0, 1, 2);
    txt_Timeout->setMaximumWidth(Larghezza(txt_Timeout, 8));
    for (QLineEdit* t : txt_indir) t->setMaximumWidth(Larghezza(t, 5));
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(tab_search[1]);
    sinistra->addWidget(tab_search[0]);
    auto* sniffer = new QHBoxLayout;
    sniffer->addWidget(Command3);
    sniffer->addWidget(Command5);
    sinistra->addLayout(sniffer);
    sinistra->addWidget(List1);
    auto* destra = new QVBoxLayout;
    destra->addWidget(Elenco, 1);
    destra->addWidget(lbl_search);
    sinistra->addStretch(1);
    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(sinistra);
    tutto->addLayout(destra, 1);

    UDP = new QUdpSocket(this);
    UDP->setObjectName(QStringLiteral("UDP"));
    telnet = new QTcpSocket(this);
    telnet->setObjectName(QStringLiteral("telnet"));

    connect(UDP, &QUdpSocket::readyRead, this, [this] {
        while (UDP->hasPendingDatagrams()) {
            const QNetworkDatagram d = UDP->receiveDatagram();
            UDP_DataArrival(d.data(), d.senderAddress());
        }
    });
    connect(cmb_porta, &QComboBox::activated, this, [this] { cmb_porta_Click(); });
    connect(cmd_Search, &QPushButton::clicked, this, [this] { cmd_Search_Click(); });
    connect(cmd_stop, &QPushButton::clicked, this, [this] { cmd_stop_Click(); });
    connect(cmd_Manual, &QPushButton::clicked, this, [this] { cmd_Manual_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Elenco, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* n) { Elenco_NodeClick(n); });
    connect(Elenco, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* n) {
        Elenco_NodeClick(n);
        Elenco_DblClick();
    });
    connect(Elenco, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        // The device pop-up menu belongs to the main window; its items call
        // the operations of this window.
        if (auto* menu = Principale::Istanza()->findChild<QMenu*>(QStringLiteral("mnu_Cont")))
            menu->popup(Elenco->viewport()->mapToGlobal(p));
    });

    // Form_Load
    SetRes();
    cmb_porta->clear();
    cmb_porta->addItem(QStringLiteral("TCP/IP"));
    for (int k = 1; k <= 32; ++k) cmb_porta->addItem(QStringLiteral("COM%1").arg(k));
    cmb_porta->setCurrentIndex(0);
    cmb_porta_Click();
    cmd_Search->setEnabled(true);
}

void frm_search::SetRes()
{
    setWindowTitle(Testo(101));
    Frame2->setTitle(QString());
    Label5_0->setText(Testo(102));
    Label9->setText(Testo(103));
    Frame5->setTitle(Testo(104));
    Label4->setText(Testo(105));
    Label6->setText(Testo(106));
    Frame1->setTitle(Testo(107));
    cmd_Search->setText(Testo(108));
    cmd_stop->setText(Testo(109));
    if (Marchio700) {
        chk_disp_ethernet[0]->setText(NomiModello[3]);
        chk_disp_ethernet[0]->setChecked(true);
        chk_disp_ethernet[1]->setVisible(false);
        chk_disp_ethernet[1]->setChecked(false);
        Option1[0]->setVisible(false);
        Option1[1]->setText(NomiModello[3]);
    } else {
        chk_disp_ethernet[0]->setText(NomiModello[0]);
        chk_disp_ethernet[0]->setChecked(true);
        chk_disp_ethernet[1]->setText(NomiModello[24]);
        chk_disp_ethernet[1]->setVisible(true);
        chk_disp_ethernet[1]->setChecked(false);
        Option1[0]->setText(NomiModello[24]);
        Option1[1]->setText(NomiModello[0]);
    }
    Command3->setVisible(ModoProduzione);
    Command5->setVisible(ModoProduzione);
    List1->setVisible(ModoProduzione);
}

void frm_search::cmb_porta_Click()
{
    frm_opz[0]->setVisible(false);
    frm_opz[1]->setVisible(false);
    QGroupBox* f = frm_opz[cmb_porta->currentText() != QStringLiteral("TCP/IP") ? 0 : 1];
    m_opzioni->setCurrentWidget(f);
    f->setVisible(true);
}

// ---- tree ----------------------------------------------------------------

QTreeWidgetItem* frm_search::AggiungiNodo(const QString& padre, const QString& chiave, const QString& testo,
                                          const QString& immagine)
{
    return m_albero.Aggiungi(padre, chiave, testo,
                             immagine.isEmpty() ? QIcon() : Principale::Istanza()->Immagine(immagine));
}

void frm_search::MostraNodo(const QString& chiave, bool seleziona)
{
    QTreeWidgetItem* n = m_albero.Nodo(chiave);
    if (!n) return;
    for (QTreeWidgetItem* p = n->parent(); p; p = p->parent()) p->setExpanded(true);
    Elenco->scrollToItem(n);
    if (seleziona) Elenco->setCurrentItem(n);
}

void frm_search::Elenco_NodeClick(QTreeWidgetItem* nodo)
{
    const QString chiave = AlberoScoperta::Chiave(nodo);
    // Nodes of the sub-nodes behind a gateway have no entries of their own.
    if (chiave.startsWith(QStringLiteral("nodoB")) || chiave.startsWith(QStringLiteral("addrB"))
        || chiave.startsWith(QStringLiteral("versB"))) {
        m_indice = 0;
        return;
    }
    int inizio = chiave.size();
    while (inizio > 0 && chiave[inizio - 1].isDigit()) --inizio;
    const int n = chiave.mid(inizio).toInt();
    m_indice = n >= 0 && n <= UltimoDispositivo ? n : 0;
}

int frm_search::Selezionato() const
{
    return m_indice >= 1 && m_indice <= UltimoDispositivo && m_valido[size_t(m_indice)] ? m_indice : -1;
}

int frm_search::NuovoIndice()
{
    if (m_trovati >= UltimoDispositivo) return -1;
    m_indice = ++m_trovati;
    return m_trovati;
}

// ---- search ----------------------------------------------------------------

bool frm_search::LeggiTimeout(double& ms)
{
    bool ok = false;
    ms = txt_Timeout->text().trimmed().toDouble(&ok);
    if (ok && std::isfinite(ms) && ms >= 0 && ms <= 32767) return true;
    Prompt::ErroreValori();
    return false;
}

void frm_search::cmd_Search_Click()
{
    double ms = 0;
    if (!LeggiTimeout(ms)) return;
    const bool seriale = cmb_porta->currentText() != QStringLiteral("TCP/IP");
    int da = 0, a = 0;
    if (seriale && (!LeggiByte(txt_indir[0]->text(), da) || !LeggiByte(txt_indir[1]->text(), a) || da > a)) {
        Prompt::ErroreValori();
        return;
    }

    ComTimeout = SecondiComTimeout(ms);
    m_ricercaAttiva = true;
    for (Dispositivo& d : Dispositivi) d.IndirizzoIP.clear();
    cmd_Search->setEnabled(false);
    m_albero.Svuota();
    m_indice = 0;
    m_trovati = 0;
    m_valido.fill(false);
    m_macValido.fill(false);

    if (!seriale) {
        AggiungiNodo(QString(), QStringLiteral("rete"), QStringLiteral("Ethernet"), QStringLiteral("connect"));
        if (chk_disp_ethernet[0]->isChecked() && m_ricercaAttiva)
            CercaUDP(FamigliaControllori, QStringLiteral("Ethernet; ") + NomiModello[0], ms);
        if (chk_disp_ethernet[1]->isChecked() && m_ricercaAttiva)
            CercaUDP(FamigliaGateway, QStringLiteral("Ethernet;  ") + NomiModello[24], ms);
    } else {
        ScansioneSeriale(da, a, ms);
    }
    lbl_search->setText(QStringLiteral("Search Complete"));
    cmd_Search->setEnabled(true);
}

void frm_search::CercaUDP(const QString& famiglia, const QString& cosa, double ms)
{
    lbl_search->setText(QStringLiteral("Searching: ") + cosa);
    AttendiRisposte(*UDP, famiglia, ms / 1000.0);
}

void frm_search::UDP_DataArrival(const QByteArray& dati, const QHostAddress& mittente)
{
    const QString ip = TestoMittente(mittente);
    if (AttesaUDP) {
        const RispostaControllore r = DecodificaControllore(dati);
        const int n = NuovoIndice();
        if (n > 0) {
            const QString s = QString::number(n);
            AggiungiNodo(QStringLiteral("rete"), QStringLiteral("nodo") + s,
                         NomeControllore(r) + QStringLiteral(" [") + ip + QStringLiteral("]"), QStringLiteral("host"));
            AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("ip") + s, QStringLiteral("IP: ") + ip);
            AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("mac") + s, QStringLiteral("MAC: ") + r.testoMAC);
            AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("ipEE") + s, QStringLiteral("IP_EE: ") + r.testoIP);
            AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("Mask") + s, QStringLiteral("Mask: ") + r.testoMask);
            AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("addr") + s,
                         QStringLiteral("Addr: ") + QString::number(r.indirizzo));
            AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("init") + s,
                         QStringLiteral("Init: ") + QString::number(r.init));
            if (ModoProduzione)
                AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("SwInt") + s,
                             QStringLiteral("intSw: ") + QLatin1Char(' ') + QString::number(r.switchInterno));
            ScriviControllore(Dispositivi[size_t(n)], r, ip);
            m_valido[size_t(n)] = true;
            m_macValido[size_t(n)] = !r.testoMAC.isEmpty();
            MostraNodo(QStringLiteral("nodo") + s, true);
        }
    }
    if (AttesaUDPGateway) {
        const QString mac = DecodificaGateway(dati);
        const int n = NuovoIndice();
        if (n > 0) {
            const QString s = QString::number(n);
            AggiungiNodo(QStringLiteral("rete"), QStringLiteral("nodo") + s, NomiModello[24]);
            AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("ip") + s, QStringLiteral("IP: ") + ip);
            AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("mac") + s, QStringLiteral("MAC: ") + mac);
            ScriviGateway(Dispositivi[size_t(n)], mac, ip);
            m_valido[size_t(n)] = true;
            MostraNodo(QStringLiteral("nodo") + s, false);
        }
    }
}

void frm_search::cmd_stop_Click()
{
    m_ricercaAttiva = false;
    cmd_Search->setEnabled(true);
}

// ---- Modbus address scans ---------------------------------------------------

void frm_search::ScansioneSeriale(int da, int a, double ms)
{
    Disconnetti();
    Attesa(0.5);
    Controllore.Porta = int16_t(cmb_porta->currentIndex());
    for (int k = 0; k < 8; ++k)
        if (chk_baud[k]->isChecked()) Controllore.BaudRate = QString::number(kBaud[k]);
    Controllore.TipoConnessione = CollegamentoSeriale;
    Controllore.TimeoutTCP = int16_t(std::nearbyint(ms));
    Connetti();
    Attesa(0.5);
    if (!m_ricercaAttiva) return;

    const QString porta = cmb_porta->currentText();
    AggiungiNodo(QString(), QStringLiteral("rete"), porta, QStringLiteral("connect"));
    for (int indirizzo = da; indirizzo <= a; ++indirizzo) {
        if (!m_ricercaAttiva) break;
        lbl_search->setText(QStringLiteral("Searching: ") + porta + QStringLiteral("; ") + QStringLiteral("Addr: ")
                            + QString::number(indirizzo));
        PreparaIdentificazione(uint8_t(indirizzo));
        Canale = CanaleRTU;
        if (Comunica(false) != 0) continue;
        Identificazione id;
        if (!DecodificaIdentificazione(RispostaRicevuta(), id)) continue;
        const int n = NuovoIndice();
        if (n < 0) break;
        const QString s = QString::number(n);
        const QString addr = QString::number(id.indirizzo);
        AggiungiNodo(QStringLiteral("rete"), QStringLiteral("nodo") + s,
                     id.nome + QStringLiteral(" [") + addr + QStringLiteral("]"));
        AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("addr") + s, QStringLiteral("Addr: ") + addr);
        AggiungiNodo(QStringLiteral("nodo") + s, QStringLiteral("vers") + s, QStringLiteral("Vers: ") + id.versione);
        MostraNodo(QStringLiteral("nodo") + s, false);
        Dispositivo& d = Dispositivi[size_t(n)];
        d = Dispositivo{};
        d.TipoConnessione = Controllore.TipoConnessione;
        d.Porta = Controllore.Porta;
        // Kept so that the device can become the controller at the rate it
        // was found at.
        d.BaudRate = Controllore.BaudRate;
        d.DueStop = Controllore.DueStop;
        d.Nodo = id.indirizzo;
        m_valido[size_t(n)] = true;
    }
}

void frm_search::SearchSubNodes()
{
    cmd_Search->setEnabled(false);
    const int g = Selezionato();
    double ms = 0;
    if (g > 0 && !Dispositivi[size_t(g)].IndirizzoIP.isEmpty() && LeggiTimeout(ms)) {
        const QString sg = QString::number(g);
        m_albero.Rimuovi(QStringLiteral("subNet") + sg);
        AggiungiNodo(QStringLiteral("nodo") + sg, QStringLiteral("subNet") + sg, QStringLiteral("SubNet"));
        Disconnetti();
        Attesa(0.1);
        Controllore.IndirizzoIP = Dispositivi[size_t(g)].IndirizzoIP;
        Controllore.Nodo = Dispositivi[size_t(g)].Nodo;
        Controllore.TimeoutTCP = int16_t(std::nearbyint(ms));
        Connetti();
        Attesa(0.5);
        ComandoPLC(100);   // pause the gateway while its line is scanned
        Attesa(0.2);
        m_ricercaAttiva = true;
        int m = 0;
        for (int indirizzo = 1; indirizzo <= 254; ++indirizzo) {
            if (!m_ricercaAttiva) break;
            Attesa(0.2);
            if (!m_ricercaAttiva) break;
            lbl_search->setText(QStringLiteral("Searching: ") + cmb_porta->currentText() + QStringLiteral("; ")
                                + QStringLiteral("Addr: ") + QString::number(indirizzo));
            PreparaIdentificazione(uint8_t(indirizzo));
            Canale = CanaleTCP;
            if (Comunica(false) != 0) continue;
            Identificazione id;
            if (!DecodificaIdentificazione(RispostaRicevuta(), id)) continue;
            // Sub-nodes of another gateway listed earlier may hold the
            // first numbers: take the next free one so none is lost.
            do ++m;
            while (m_albero.Nodo(QStringLiteral("nodoB") + QString::number(m)));
            const QString sm = QString::number(m);
            const QString addr = QString::number(id.indirizzo);
            AggiungiNodo(QStringLiteral("subNet") + sg, QStringLiteral("nodoB") + sm,
                         id.nome + QStringLiteral(" [") + addr + QStringLiteral("]"));
            AggiungiNodo(QStringLiteral("nodoB") + sm, QStringLiteral("addrB") + sm, QStringLiteral("Addr: ") + addr);
            AggiungiNodo(QStringLiteral("nodoB") + sm, QStringLiteral("versB") + sm,
                         QStringLiteral("Vers: ") + id.versione);
            MostraNodo(QStringLiteral("nodoB") + sm, false);
        }
        if (QToolBar* t = Principale::Istanza()->Toolbar1()) t->setEnabled(true);
    }
    cmd_Search->setEnabled(true);
}

// ---- device actions ---------------------------------------------------------

void frm_search::SetAsController()
{
    const int i = Selezionato();
    if (i < 0) return;
    Controllore = Dispositivi[size_t(i)];
    Controllore.TimeoutTCP = 1000;
    if (Dispositivi[size_t(i)].InitAttivo) Controllore.Nodo = 10;
    CollegaDispositivo(true);
}

void frm_search::Elenco_DblClick()
{
    const int i = Selezionato();
    if (i < 0) return;
    const Dispositivo& d = Dispositivi[size_t(i)];
    if (d.Modello == ModelloGateway) {
        if (Prompt::MsgBox(QStringLiteral("Write default prog?"), Prompt::OkAnnulla) == Prompt::Ok) WriteDefaultProg();
    } else if (HaPaginaWeb(d.Modello) && !d.IndirizzoIP.isEmpty()) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + d.IndirizzoIP));
    }
}

void frm_search::SetIP()
{
    const int i = Selezionato();
    if (i < 0) return;
    if (!m_macValido[size_t(i)]) {
        // Only a controller's own discovery reply gives the MAC the device
        // recognises itself by.
        Prompt::MsgBox(QStringLiteral("No MAC address for this device: search it by TCP/IP first"));
        return;
    }
    const QString risposta = Prompt::InputBox(QStringLiteral("Insert IP address"), QStringLiteral("Mirok"), QString());
    if (risposta.isEmpty()) return;
    std::array<uint8_t, 4> ip{};
    if (!LeggiIndirizzoIP(risposta, ip)) {
        Prompt::ErroreValori();
        return;
    }
    const QByteArray dati = RichiestaSetIP(Dispositivi[size_t(i)].MACByte.data(), ip);
    AttesaUDP = false;
    AttesaUDPGateway = false;
    InviaScoperta(*UDP, dati);
}

void frm_search::CopyIP()
{
    const int i = Selezionato();
    if (i < 0) return;
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(Dispositivi[size_t(i)].IndirizzoIP);
}

void frm_search::CopyMAC()
{
    const int i = Selezionato();
    if (i < 0) return;
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(Dispositivi[size_t(i)].MAC);
}

// ---- device-server set-up ------------------------------------------------------

void frm_search::WriteDefaultProg()
{
    const int i = Selezionato();
    const QString ip = i > 0 ? Dispositivi[size_t(i)].IndirizzoIP : QString();
    if (ip.isEmpty()) {
        Prompt::MsgBox(QStringLiteral("Selezionare dispositivo"));
        return;
    }
    const bool ok = EseguiConfigurazioneDefault(*telnet, ip, PortaSetupServer(), &m_rispostaTelnet);
    Prompt::MsgBox(ok ? QStringLiteral("Parameters saved, Restarting ...") : QStringLiteral("errore"));
}

void frm_search::cmd_Manual_Click()
{
    QStringList mac, ip;
    for (QLineEdit* t : txt_mac) mac << t->text();
    for (QLineEdit* t : txt_ip) ip << t->text();
    const QString testoMAC = ComponiMAC(mac, QLatin1Char(':'));
    const QString testoIP = ComponiIP(ip);
    if (testoMAC.isEmpty() || testoIP.isEmpty()) {
        Prompt::ErroreValori();
        return;
    }
    if (!IndirizzoConsentito(testoIP)) {
        Eventi().Evento(QStringLiteral("Address refused ") + testoIP, false);
        return;
    }
    const TipoManuale tipo = Option1[0]->isChecked() && !Option1[0]->isHidden() ? TipoManuale::ServerSeriale
                             : Option1[1]->isChecked()                           ? TipoManuale::Controllore
                                                                                 : TipoManuale::Nessuno;
    for (const ComandoEsterno& c : ComandiManuale(testoIP, testoMAC, tipo)) {
        Attesa(c.attesaPrima);
        if (!AvviaComando(c)) Eventi().Evento(c.programma + QStringLiteral(": cannot be started"), false);
    }
    if (tipo == TipoManuale::Controllore) {
        Attesa(1);
        QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + testoIP));
    }
}

// ---- debug sniffer (production edition) --------------------------------------------

QString RigaSniffer(const QDateTime& quando, const QByteArray& dati)
{
    QString riga = QLocale::system().toString(quando, QLocale::ShortFormat) + QLatin1Char(' ');
    for (int i = 0; i < dati.size(); ++i) {
        riga += QStringLiteral("%1").arg(uint8_t(dati[i]), 2, 16, QLatin1Char('0')).toUpper();
        if (i == 0) riga += QLatin1Char(' ');
    }
    return riga;
}

void frm_search::Sniffer_DataArrival()
{
    while (Sniffer->hasPendingDatagrams()) {
        const QNetworkDatagram d = Sniffer->receiveDatagram();
        List1->addItem(RigaSniffer(QDateTime::currentDateTime(), d.data()));
        List1->setCurrentRow(List1->count() - 1);
    }
}

namespace {
void InviaSniffer(QUdpSocket* s, const QByteArray& dati)
{
    const QHostAddress dest(QStringLiteral("192.168.1.110"));
    if (!IndirizzoConsentito(dest)) {
        Eventi().Evento(QStringLiteral("UDP: address refused ") + dest.toString(), false);
        return;
    }
    if (s->state() != QAbstractSocket::BoundState) s->bind(QHostAddress::AnyIPv4, 0);
    s->writeDatagram(dati, dest, 1001);
}
} // namespace

QUdpSocket* frm_search::SocketSniffer()
{
    if (!Sniffer) {
        Sniffer = new QUdpSocket(this);
        Sniffer->setObjectName(QStringLiteral("Sniffer"));
        connect(Sniffer, &QUdpSocket::readyRead, this, [this] { Sniffer_DataArrival(); });
    }
    return Sniffer;
}

void frm_search::Command3_Click()
{
    InviaSniffer(SocketSniffer(), QByteArrayLiteral("0004"));
}

void frm_search::Command5_Click()
{
    SocketSniffer();
    List1->clear();
    InviaSniffer(Sniffer, QByteArrayLiteral("0003"));
}

void ApriRicercaDispositivi()
{
    Finestre::Mostra(Finestre::Get<frm_search>());
}
