#include "production/controllerbench/frm_collaudo.h"

#include "base/Testi.h"
#include "comm/PuntiRete.h"
#include "ioconfig/Lampada.h"
#include "production/memory/TrasferimentoMemoria.h"
#include "shell/Colori.h"
#include "shell/Finestre.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr uint32_t kColoreSpento = 0xC0C0C0;
constexpr int kPeriodoTimer1Ms = 250;

const char* const kProve[11] = {
    "Consumo @ 10V",           "RS232 @ 10V",       "Consumo @ 24V", "RS232 @ 24V",
    "SYS Prog. [eprom 0\u00F7511]", "Ethernet connection", "SYS Prog. [eprom 512\u00F765535]",
    "RS-485 Master / Slave",   "Inputs",            "Outputs",       "RTCC",
};
const char* const kLed[8] = {"IN_0", "IN_1", "IN_2", "IN_3", "1_no", "1_nc", "0_no", "0_nc"};

QString Nome(const char* base, int i)
{
    return QString::fromLatin1(base) + u'_' + QString::number(i);
}

template <class T> T* Con(T* w, const QString& nome)
{
    w->setObjectName(nome);
    return w;
}

QComboBox* Porte(QWidget* parent, const char* nome)
{
    auto* c = Con(new QComboBox(parent), QString::fromLatin1(nome));
    c->addItem(QStringLiteral("MANUALE"));
    for (int k = 1; k <= 8; ++k) c->addItem(QStringLiteral("COM%1").arg(k));
    return c;
}

}  // namespace

frm_collaudo::frm_collaudo()
{
    setWindowTitle(QStringLiteral("COLLAUDO"));

    auto* controlli = new QGroupBox(QStringLiteral("Controlli"), this);
    auto* base = new QGroupBox(QStringLiteral("Base"), this);
    auto* colControlli = new QVBoxLayout(controlli);
    auto* grigliaBase = new QGridLayout(base);
    for (int i = 0; i < 2; ++i) {
        QWidget* riquadro = i == 0 ? controlli : base;
        m_stadi[i] = Con(new QCheckBox(i == 0 ? QStringLiteral("Init") : QStringLiteral("Base"), riquadro),
                         Nome("chk_controlli", i));
    }
    colControlli->addWidget(m_stadi[0]);
    grigliaBase->addWidget(m_stadi[1], 0, 0);
    for (int i = 0; i < 11; ++i) {
        m_prove[i] = Con(new QCheckBox(QString::fromUtf8(kProve[i]), i < 7 ? controlli : base), Nome("chk_collaudo", i));
        m_prove[i]->setAutoFillBackground(true);
        if (i < 7) colControlli->addWidget(m_prove[i]);
        else grigliaBase->addWidget(m_prove[i], i - 6, 0);
    }
    colControlli->addStretch();
    m_conteggio = Con(new QLabel(QStringLiteral("0"), base), QStringLiteral("Label2"));
    grigliaBase->addWidget(m_conteggio, 1, 1);

    auto* lampade = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        m_led[i] = Con(new Lampada(true, kColoreSpento, base), Nome("led", i));
        lampade->addWidget(m_led[i], i / 4 * 2, i % 4, Qt::AlignHCenter);
        lampade->addWidget(Con(new QLabel(QString::fromLatin1(kLed[i]), base), Nome("Label6", i)), i / 4 * 2 + 1, i % 4,
                           Qt::AlignHCenter);
    }
    grigliaBase->addLayout(lampade, 2, 1, 2, 1);

    auto* rtc = Con(new QGroupBox(QStringLiteral("RTCC"), base), QStringLiteral("frm_RTC"));
    auto* rigaRtc = new QHBoxLayout(rtc);
    m_giorno = Con(new QComboBox(rtc), QStringLiteral("txt_giorno"));
    m_mese = Con(new QComboBox(rtc), QStringLiteral("txt_mese"));
    m_anno = Con(new QComboBox(rtc), QStringLiteral("txt_anno"));
    m_ore = Con(new QLineEdit(rtc), QStringLiteral("txt_ore"));
    m_minuti = Con(new QLineEdit(rtc), QStringLiteral("txt_min"));
    m_secondi = Con(new QLineEdit(rtc), QStringLiteral("txt_sec"));
    for (QWidget* w : std::initializer_list<QWidget*>{m_giorno, m_mese, m_anno, m_ore, m_minuti, m_secondi})
        rigaRtc->addWidget(w);
    for (QLineEdit* e : {m_ore, m_minuti, m_secondi}) e->setMaximumWidth(36);
    grigliaBase->addWidget(rtc, 5, 0, 1, 2);

    auto* porte = new QGroupBox(QStringLiteral("Porte"), this);
    auto* formPorte = new QFormLayout(porte);
    m_portaMult = Porte(porte, "txt_mult_port");
    m_portaAlim = Porte(porte, "txt_alim_port");
    formPorte->addRow(QStringLiteral("Mult"), m_portaMult);
    formPorte->addRow(QStringLiteral("Alim"), m_portaAlim);

    auto* eut = new QGroupBox(QStringLiteral("E.U.T."), this);
    auto* formEut = new QFormLayout(eut);
    m_modello = Con(new QComboBox(eut), QStringLiteral("txt_eut_mod"));
    m_portaEut = Con(new QComboBox(eut), QStringLiteral("txt_eut_port"));
    m_ip = Con(new QLineEdit(QStringLiteral("192.168.1.100"), eut), QStringLiteral("txt_eut_ip"));
    m_nodo = Con(new QLineEdit(QStringLiteral("10"), eut), QStringLiteral("txt_eut_add"));
    formEut->addRow(QStringLiteral("Modello:"), m_modello);
    formEut->addRow(QStringLiteral("PORT:"), m_portaEut);
    formEut->addRow(QStringLiteral("IP:"), m_ip);
    formEut->addRow(QStringLiteral("ADD:"), m_nodo);

    m_barra = Con(new QProgressBar(this), QStringLiteral("ProgressBar1"));
    m_barra->setRange(0, 100);
    m_barra->setValue(0);
    m_timer1 = Con(new QTimer(this), QStringLiteral("Timer1"));
    m_timer1->setInterval(kPeriodoTimer1Ms);
    auto* start = Con(new QPushButton(QStringLiteral("START"), this), QStringLiteral("cmd_start"));
    auto* stop = Con(new QPushButton(QStringLiteral("STOP"), this), QStringLiteral("Command1"));

    auto* destra = new QVBoxLayout;
    destra->addWidget(eut);
    destra->addWidget(porte);
    destra->addStretch();
    destra->addWidget(start);
    destra->addWidget(stop);
    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(controlli);
    riquadri->addWidget(base, 1);
    riquadri->addLayout(destra);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(riquadri, 1);
    tutto->addWidget(m_barra);

    connect(start, &QPushButton::clicked, this, &frm_collaudo::cmd_start_Click);
    connect(stop, &QPushButton::clicked, this, [this] { m_banco.Command1_Click(); });
    connect(m_timer1, &QTimer::timeout, this, &frm_collaudo::Timer1_Timer);
    for (QComboBox* c : {m_portaMult, m_portaAlim})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { m_banco.PorteCambiate(); });

    Form_Load();
}

void frm_collaudo::Form_Load()
{
    auto riempi = [](QComboBox* c, const QStringList& voci) {
        c->clear();
        c->addItems(voci);
        c->setCurrentIndex(0);
    };
    QStringList modelli, porte, giorni, mesi, anni;
    for (int k = 0; k < 4; ++k) modelli << NomiModello[size_t(k)];
    for (int k = 1; k <= 8; ++k) porte << QStringLiteral("COM%1").arg(k);
    for (int g = 1; g <= 31; ++g) giorni << QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0'));
    for (int m = 1; m <= 12; ++m) mesi << NomiMese[size_t(m)];
    for (int a = 2000; a <= 2099; ++a) anni << QString::number(a);
    riempi(m_modello, modelli);
    riempi(m_portaEut, porte);
    riempi(m_giorno, giorni);
    riempi(m_mese, mesi);
    riempi(m_anno, anni);
    MostraIndirizzo(PuntiRete::Valore(QStringLiteral("collaudo/host")));
}

void frm_collaudo::cmd_start_Click()
{
    m_banco.cmd_start_Click();
    if (!m_banco.InCorso()) Finestre::ChiusuraTenuta(this);
}

void frm_collaudo::Timer1_Timer()
{
    m_barra->setValue(int(float(PercentualeDownload)));
}

void frm_collaudo::closeEvent(QCloseEvent* e)
{
    // The registry deletes a closed window: a run stops first (at its next
    // stop point), and the close follows.
    if (Finestre::TieniChiusura(this, m_banco.InCorso())) {
        m_banco.Command1_Click();
        e->ignore();
        return;
    }
    e->accept();
}

uint32_t frm_collaudo::ColoreProva(int i) const
{
    const QColor c = m_prove[i]->palette().color(QPalette::Window);
    return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16;
}

bool frm_collaudo::Stadio(int i) const
{
    return m_stadi[i]->isChecked();
}

bool frm_collaudo::ProvaScelta(int i) const
{
    return m_prove[i]->isChecked();
}

void frm_collaudo::ColoraProva(int i, uint32_t colore)
{
    QPalette p = m_prove[i]->palette();
    p.setColor(QPalette::Window, ColoreBgr(colore));
    m_prove[i]->setPalette(p);
}

uint32_t frm_collaudo::ColoreLed(int i) const
{
    return m_led[i]->colore();
}

void frm_collaudo::ColoraLed(int i, uint32_t colore)
{
    m_led[i]->ImpostaColore(colore);
}

void frm_collaudo::MostraConteggio(const QString& testo)
{
    m_conteggio->setText(testo);
}

void frm_collaudo::AbilitaTimer1(bool si)
{
    if (si) m_timer1->start();
    else m_timer1->stop();
}

void frm_collaudo::MostraIndirizzo(const QString& testo)
{
    m_ip->setText(testo);
}

int frm_collaudo::PortaEut() const
{
    return m_portaEut->currentIndex();
}

QString frm_collaudo::SceltaMult() const
{
    return m_portaMult->currentText();
}

QString frm_collaudo::SceltaAlim() const
{
    return m_portaAlim->currentText();
}

void frm_collaudo::ImpostaOrologio(const CampiOrologio& c)
{
    m_giorno->setCurrentIndex(c.giorno);
    m_mese->setCurrentIndex(c.mese);
    m_anno->setCurrentIndex(c.anno);
    m_ore->setText(c.ore);
    m_minuti->setText(c.minuti);
    m_secondi->setText(c.secondi);
}

CampiOrologio frm_collaudo::Orologio() const
{
    return {m_giorno->currentIndex(), m_mese->currentIndex(), m_anno->currentIndex(),
            m_ore->text(),            m_minuti->text(),       m_secondi->text()};
}
