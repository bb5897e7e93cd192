#include "shell/frm_Settings.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/Dispositivo.h"
#include "registers/Registri.h"
#include "registers/TabRegistri.h"
#include "resources/Immagini.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"
#include "shell/Impostazioni.h"
#include "shell/Lingua.h"
#include "shell/Principale.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
const char* const kBaud[] = {"1200", "2400", "9600", "19200", "38400", "57600", "115200"};
constexpr int kMaxSecondi = 30;   // the refresh interval is kept in a 16-bit millisecond count

} // namespace

frm_Settings::frm_Settings()
{
    auto* colonna = new QVBoxLayout(this);

    // Page 0: the controller and its channel.
    QGroupBox* p0 = Crea<QGroupBox>(this, "frm_opt_0");
    auto* g0 = new QGridLayout(p0);
    Label5 = Crea<QLabel>(p0, "Label5");
    Combo1 = Crea<QComboBox>(p0, "Combo1");
    Label2 = Crea<QLabel>(p0, "Label2");
    txt_address = Crea<QLineEdit>(p0, "txt_address");
    g0->addWidget(Label5, 0, 0);
    g0->addWidget(Combo1, 0, 1);
    g0->addWidget(Label2, 1, 0);
    g0->addWidget(txt_address, 1, 1);

    Frame2 = Crea<QGroupBox>(p0, "Frame2");
    auto* gf2 = new QGridLayout(Frame2);
    auto* gruppoCanale = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        optChannel[size_t(i)] = Crea<QRadioButton>(Frame2, QStringLiteral("optChannel_%1").arg(i));
        gruppoCanale->addButton(optChannel[size_t(i)], i);
        gf2->addWidget(optChannel[size_t(i)], 0, i);
        connect(optChannel[size_t(i)], &QRadioButton::clicked, this, [this, i] { optChannel_Click(i); });
    }
    frmTCP = Crea<QWidget>(Frame2, "frmTCP");
    auto* gt = new QGridLayout(frmTCP);
    Label1 = Crea<QLabel>(frmTCP, "Label1");
    txt_ip = Crea<QLineEdit>(frmTCP, "txt_ip", QStringLiteral("192.168.1.172"));
    Label7 = Crea<QLabel>(frmTCP, "Label7");
    txt_port = Crea<QLineEdit>(frmTCP, "txt_port", QStringLiteral("502"));
    txt_timeoutTCP = Crea<QLineEdit>(frmTCP, "txt_timeoutTCP", QStringLiteral("1000"));
    gt->addWidget(Label1, 0, 0);
    gt->addWidget(txt_ip, 0, 1);
    gt->addWidget(Label7, 1, 0);
    gt->addWidget(txt_port, 1, 1);
    gt->addWidget(new QLabel(QStringLiteral("Timeout (mSec)"), frmTCP), 2, 0);
    gt->addWidget(txt_timeoutTCP, 2, 1);
    gf2->addWidget(frmTCP, 1, 0, 1, 2, Qt::AlignTop);

    frmCOM = Crea<QWidget>(Frame2, "frmCOM");
    auto* gc = new QGridLayout(frmCOM);
    Label6 = Crea<QLabel>(frmCOM, "Label6");
    cmbCOM = Crea<QComboBox>(frmCOM, "cmbCOM");
    for (int i = 1; i <= 32; ++i) cmbCOM->addItem(QStringLiteral("COM%1").arg(i));
    cmbBaud = Crea<QComboBox>(frmCOM, "cmbBaud");
    gc->addWidget(Label6, 0, 0);
    gc->addWidget(cmbCOM, 0, 1);
    gc->addWidget(new QLabel(QStringLiteral("Baud Rate"), frmCOM), 1, 0);
    gc->addWidget(cmbBaud, 1, 1);
    gc->addWidget(new QLabel(QStringLiteral("Stop bit"), frmCOM), 2, 0);
    auto* stop = new QWidget(frmCOM);
    auto* hs = new QHBoxLayout(stop);
    hs->setContentsMargins(0, 0, 0, 0);
    auto* gruppoStop = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        optStop[size_t(i)] = Crea<QRadioButton>(stop, QStringLiteral("optStop_%1").arg(i), QString::number(i + 1));
        gruppoStop->addButton(optStop[size_t(i)], i);
        hs->addWidget(optStop[size_t(i)]);
    }
    gc->addWidget(stop, 2, 1);
    chk_Modem = Crea<QCheckBox>(frmCOM, "chk_Modem", QStringLiteral("Modem Dial up"));
    gc->addWidget(chk_Modem, 3, 0, 1, 2);
    // Only one channel's fields show at a time, in the same place.
    gf2->addWidget(frmCOM, 1, 0, 1, 2, Qt::AlignTop);
    g0->addWidget(Frame2, 2, 0, 1, 2);

    // Page 1: the workspace.
    QGroupBox* p1 = Crea<QGroupBox>(this, "frm_opt_1");
    auto* v1 = new QVBoxLayout(p1);
    Frame4 = Crea<QGroupBox>(p1, "Frame4");
    auto* h4 = new QHBoxLayout(Frame4);
    img_lang = Crea<QLabel>(Frame4, "img_lang");
    h4->addWidget(img_lang);
    auto* gruppoLingua = new QButtonGroup(this);
    static const char* const kLingue[2] = {"Italiano", "English"};
    for (int i = 0; i < 2; ++i) {
        opt_lang[size_t(i)] =
            Crea<QRadioButton>(Frame4, QStringLiteral("opt_lang_%1").arg(i), QString::fromLatin1(kLingue[i]));
        gruppoLingua->addButton(opt_lang[size_t(i)], i);
        h4->addWidget(opt_lang[size_t(i)]);
        connect(opt_lang[size_t(i)], &QRadioButton::clicked, this, [this, i] { opt_lang_Click(i); });
    }
    Frame3 = Crea<QGroupBox>(p1, "Frame3");
    auto* h3 = new QHBoxLayout(Frame3);
    chk_Update = Crea<QCheckBox>(Frame3, "chk_Update");
    h3->addWidget(chk_Update);
    Frame1 = Crea<QGroupBox>(p1, "Frame1");
    auto* h1 = new QHBoxLayout(Frame1);
    Slider1 = Crea<QSlider>(Frame1, "Slider1");
    Slider1->setOrientation(Qt::Horizontal);
    Slider1->setRange(0, kMaxSecondi);
    Slider1->setTickPosition(QSlider::TicksBelow);
    lbl_tempo = Crea<QLabel>(Frame1, "lbl_tempo");
    h1->addWidget(Slider1);
    h1->addWidget(lbl_tempo);
    h1->addWidget(new QLabel(QStringLiteral("sec."), Frame1));
    connect(Slider1, &QSlider::valueChanged, this, [this] { Slider1_Change(); });
    v1->addWidget(Frame4);
    v1->addWidget(Frame3);
    v1->addWidget(Frame1);

    m_pagine = {p0, p1};
    // Both pages, and both channels' fields, share one place and keep their
    // room while hidden: the dialog has one size whatever it shows.
    auto* pagine = new QGridLayout;
    for (QWidget* w : {static_cast<QWidget*>(p0), static_cast<QWidget*>(p1), frmTCP, frmCOM}) {
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }
    pagine->addWidget(p0, 0, 0);
    pagine->addWidget(p1, 0, 0);
    colonna->addLayout(pagine);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (int i : {1, 0}) {
        cmd_ok[size_t(i)] = Crea<QPushButton>(this, QStringLiteral("cmd_ok_%1").arg(i),
                                              i ? QStringLiteral("OK") : QStringLiteral("Cancel"));
        cmd_ok[size_t(i)]->setAutoDefault(false);
        // Enter in a field presses OK.
        cmd_ok[size_t(i)]->setDefault(i == 1);
        connect(cmd_ok[size_t(i)], &QPushButton::clicked, this, [this, i] { cmd_ok_Click(i); });
        pulsanti->addWidget(cmd_ok[size_t(i)]);
    }
    colonna->addLayout(pulsanti);
    SetRes();
}

void frm_Settings::Apri(int pagina)
{
    frm_Settings* f = Finestre::Get<frm_Settings>();
    f->MostraPagina(pagina);
    if (!f->isVisible()) {
        f->Form_Load();
        f->show();
    }
}

void frm_Settings::MostraPagina(int pagina)
{
    m_pagine[0]->setVisible(pagina == 0);
    m_pagine[1]->setVisible(pagina != 0);
}

void frm_Settings::SetRes()
{
    setWindowTitle(Testo(88));
    m_pagine[0]->setTitle(Testo(89));
    Label5->setText(Testo(90));
    Label2->setText(Testo(91));
    Frame2->setTitle(Testo(92));
    optChannel[0]->setText(Testo(93));
    optChannel[1]->setText(Testo(94));
    Label1->setText(Testo(95));
    Label7->setText(Testo(96));
    Label6->setText(Testo(94));
    m_pagine[1]->setTitle(Testo(97));
    Frame4->setTitle(EtichettaLingua);
    Frame3->setTitle(Testo(98));
    chk_Update->setText(Testo(99));
    Frame1->setTitle(Testo(100));
    const QIcon bandiera = DisegnaImmagine(Lingua == 0 ? QStringLiteral("flag_ita") : QStringLiteral("flag_eng"));
    img_lang->setPixmap(bandiera.pixmap(32, 20));
}

void frm_Settings::Form_Load()
{
    SetRes();
    opt_lang[Lingua ? 1 : 0]->setChecked(true);

    // Separators are there to look at: they cannot be chosen.
    Combo1->clear();
    const QList<VoceModello> voci = ElencoModelliImpostazioni();
    for (const VoceModello& v : voci) Combo1->addItem(v.testo, v.record);
    if (auto* modello = qobject_cast<QStandardItemModel*>(Combo1->model())) {
        for (int i = 0; i < voci.size(); ++i)
            if (voci[i].Separatore())
                modello->item(i)->setFlags(modello->item(i)->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    }
    m_indiceModello = 0;
    m_modelloTrovato = false;
    for (int i = 0; i < voci.size(); ++i) {
        if (!voci[i].Separatore() && voci[i].record == Controllore.Modello) {
            m_indiceModello = i;
            m_modelloTrovato = true;
            break;
        }
    }
    Combo1->setCurrentIndex(m_indiceModello);

    // Every field shows the state it edits, so OK without changes changes nothing.
    const bool seriale = Controllore.TipoConnessione != 0;
    txt_ip->setText(Controllore.IndirizzoIP);
    if (!seriale) txt_port->setText(QString::number(uint16_t(Controllore.Porta)));
    txt_timeoutTCP->setText(QString::number(Controllore.TimeoutTCP));
    cmbCOM->setCurrentIndex(seriale && Controllore.Porta >= 1 && Controllore.Porta <= 32 ? Controllore.Porta - 1 : 0);
    // A rate chosen elsewhere (the device search offers 4800) is shown as
    // one more item, so a plain OK keeps it instead of refusing an empty rate.
    cmbBaud->clear();
    for (const char* b : kBaud) cmbBaud->addItem(QString::fromLatin1(b));
    if (!Controllore.BaudRate.isEmpty() && cmbBaud->findText(Controllore.BaudRate) < 0)
        cmbBaud->addItem(Controllore.BaudRate);
    cmbBaud->setCurrentIndex(cmbBaud->findText(Controllore.BaudRate));
    optStop[Controllore.DueStop ? 1 : 0]->setChecked(true);
    chk_Modem->setChecked(Controllore.Modem);
    optChannel[seriale ? 1 : 0]->setChecked(true);
    optChannel_Click(seriale ? 1 : 0);

    txt_address->setText(QString::number(Controllore.Nodo));
    m_secondiIniziali = std::clamp(int(std::nearbyint(TempoAggiornamento / 1000.0)), 0, kMaxSecondi);
    Slider1->setValue(m_secondiIniziali);
    Slider1_Change();
    chk_Update->setChecked(AggiornamentoAuto);
}

void frm_Settings::optChannel_Click(int Index)
{
    frmCOM->setVisible(Index != 0);
    frmTCP->setVisible(Index == 0);
    adjustSize();
}

void frm_Settings::opt_lang_Click(int Index)
{
    CambiaLingua(Index);
}

void frm_Settings::Slider1_Change()
{
    lbl_tempo->setText(QString::number(Slider1->value()));
}

void frm_Settings::cmd_ok_Click(int Index)
{
    if (Index == 1) {
        CampiImpostazioni c;
        const bool stessoModello = Combo1->currentIndex() == m_indiceModello;
        c.modello = (stessoModello && !m_modelloTrovato) ? Controllore.Modello : Combo1->currentData().toInt();
        c.ethernet = optChannel[0]->isChecked();
        c.ip = txt_ip->text();
        c.porta = txt_port->text();
        c.timeoutTCP = txt_timeoutTCP->text();
        c.com = cmbCOM->currentIndex() + 1;
        c.baud = cmbBaud->currentText();
        c.dueStop = optStop[1]->isChecked();
        c.modem = chk_Modem->isChecked();
        c.nodo = txt_address->text();
        c.secondi = Slider1->value();
        c.secondiCambiati = c.secondi != m_secondiIniziali;
        c.aggiornamentoAuto = chk_Update->isChecked();
        // A field that cannot be used refuses the whole OK: half-applied
        // settings would leave a link nobody chose.
        if (!CampiValidi(c)) {
            Prompt::ErroreValori();
            return;
        }
        // With a controller connected its own code decides the model;
        // otherwise the one chosen is taken, and the transaction tells the
        // user there is no controller.
        LeggiModello(uint8_t(c.modello));
        ApplicaImpostazioni(c);
        // The node applies from the next request on: the status bar names it now.
        if (Principale::Esiste()) Principale::Istanza()->AggiornaStato();
        SaveSettings();
        CaricaRegistriSistema(false);
        Finestre::Get<Registri>()->Redraw();
    }
    hide();
}

bool frm_Settings::SaveSettings()
{
    const auto guasto = ScriviFileImpostazioni();
    if (!guasto) return true;
    Prompt::MsgBox(QStringLiteral("The settings file was not saved: %1: %2\nThe settings apply until the program closes.")
                       .arg(QDir::toNativeSeparators(guasto->file), guasto->motivo));
    return false;
}
