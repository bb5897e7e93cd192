#include "production/molu/frm_coll_MOLU.h"

#include "ioconfig/Lampada.h"
#include "shell/Controlli.h"
#include "shell/Finestre.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr uint32_t kVerde = 0x00FF00;   // blue-green-red
constexpr uint32_t kRosso = 0x0000FF;
constexpr uint32_t kBianco = 0xFFFFFF;

QString Nome(const char* base, int i) { return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(i); }
}  // namespace

frm_coll_MOLU::frm_coll_MOLU()
{
    setWindowTitle(QStringLiteral("Form1"));
    auto* connetti = Crea<QPushButton>(this, Nome("cmd_connetti", 0), QStringLiteral("Connetti banco"));
    auto* disconnetti = Crea<QPushButton>(this, Nome("cmd_connetti", 1), QStringLiteral("Discconnetti banco"));
    auto* start = Crea<QPushButton>(this, QStringLiteral("Command1"), QStringLiteral("START"));

    // Firmware: the device side.
    auto* Frame2 = Crea<QGroupBox>(this, QStringLiteral("Frame2"), QStringLiteral("Firmware"));
    auto* arp = Crea<QPushButton>(Frame2, QStringLiteral("Command2"), QStringLiteral("arp -d"));
    lst_device = Crea<QListWidget>(Frame2, QStringLiteral("lst_device"));
    lst_device->addItems({QStringLiteral("MOLU A"), QStringLiteral("MOLU B"), QStringLiteral("MOLU C")});
    lst_device->setMaximumHeight(70);
    Frame5 = Crea<QGroupBox>(Frame2, QStringLiteral("Frame5"));
    Frame5->setEnabled(false);
    QPushButton* upload[3];
    const char* testiUpload[] = {"Upload Factory", "Upgrade Firmware", "Upgrade Web"};
    for (int i = 0; i < 3; ++i) upload[i] = Crea<QPushButton>(Frame5, Nome("cmd_upload", i), QString::fromLatin1(testiUpload[i]));
    auto* view = Crea<QPushButton>(Frame5, QStringLiteral("cmd_view"), QStringLiteral("View Web Site"));
    txt_vers = Crea<QLineEdit>(Frame5, QStringLiteral("txt_vers"), QStringLiteral("0"));
    txt_vers->setMaximumWidth(40);
    auto* set = Crea<QPushButton>(Frame5, Nome("cmd_set", 0), QStringLiteral("Set"));
    auto* f5 = new QGridLayout(Frame5);
    for (int i = 0; i < 3; ++i) f5->addWidget(upload[i], i, 0, 1, 3);
    f5->addWidget(view, 3, 0, 1, 3);
    f5->addWidget(new QLabel(QStringLiteral("Version"), Frame5), 4, 0);
    f5->addWidget(txt_vers, 4, 1);
    f5->addWidget(set, 4, 2);
    auto* f2 = new QVBoxLayout(Frame2);
    f2->addWidget(arp);
    f2->addWidget(new QLabel(QStringLiteral("Modello"), Frame2));
    f2->addWidget(lst_device);
    f2->addWidget(Frame5);

    // Hardware: the bench side.
    Frame1 = Crea<QGroupBox>(this, QStringLiteral("Frame1"), QStringLiteral("Hardware"));
    Frame1->setEnabled(false);
    chk_error = Crea<QCheckBox>(Frame1, QStringLiteral("chk_error"), QStringLiteral("Error"));
    auto* test = Crea<QPushButton>(Frame1, Nome("cmd_test", 0), QStringLiteral("Test RS485"));
    auto* stop = Crea<QPushButton>(Frame1, QStringLiteral("cmd_stop_test"), QStringLiteral("stop"));
    led_10 = new ::Lampada(true, kBianco, Frame1);
    led_10->setObjectName(Nome("led", 10));
    led_10->ImpostaPiena(false);
    auto* misura = Crea<QGroupBox>(Frame1, QStringLiteral("Frame3"), QStringLiteral("Misura"));
    auto* m = new QHBoxLayout(misura);
    for (int i = 0; i < 2; ++i) {
        opt_misura[i] = Crea<QRadioButton>(misura, Nome("opt_misura", i), QLatin1String(i ? "3V" : "5V"));
        m->addWidget(opt_misura[i]);
    }
    opt_misura[0]->setChecked(true);
    auto* puls = Crea<QCheckBox>(Frame1, QStringLiteral("cmd_puls"));
    for (int i = 0; i < 2; ++i) {
        led[i] = new ::Lampada(true, i ? kRosso : kVerde, Frame1);
        led[i]->setObjectName(Nome("led", i));
        led[i]->ImpostaPiena(false);
    }
    const char* testiRele[] = {"DC", "AC", "OFF"};
    for (int i = 0; i < 3; ++i) cmd_rele[i] = Crea<QPushButton>(Frame1, Nome("cmd_rele", i), QString::fromLatin1(testiRele[i]));
    auto* f1 = new QGridLayout(Frame1);
    f1->addWidget(chk_error, 0, 0);
    f1->addWidget(test, 0, 1);
    f1->addWidget(stop, 0, 2);
    f1->addWidget(led_10, 0, 3);
    f1->addWidget(misura, 1, 0, 1, 2);
    f1->addWidget(new QLabel(QStringLiteral("P"), Frame1), 1, 2, Qt::AlignRight);
    f1->addWidget(puls, 1, 3);
    f1->addWidget(new QLabel(QStringLiteral("V"), Frame1), 2, 0, Qt::AlignRight);
    f1->addWidget(led[0], 2, 1);
    f1->addWidget(new QLabel(QStringLiteral("R"), Frame1), 2, 2, Qt::AlignRight);
    f1->addWidget(led[1], 2, 3);
    for (int i = 0; i < 3; ++i) f1->addWidget(cmd_rele[i], 3, i);

    auto* barra = new QHBoxLayout;
    barra->addWidget(connetti);
    barra->addWidget(disconnetti);
    barra->addWidget(start);
    barra->addStretch();
    auto* corpo = new QHBoxLayout;
    corpo->addWidget(Frame2);
    corpo->addWidget(Frame1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(barra);
    tutto->addLayout(corpo, 1);

    BancoMOLU* b = &m_banco;
    for (int i = 0; i < 2; ++i)
        connect(i ? disconnetti : connetti, &QPushButton::clicked, b, [b, i] { b->cmd_connetti_Click(i); });
    connect(start, &QPushButton::clicked, b, &BancoMOLU::Command1_Click);
    for (int i = 0; i < 3; ++i) {
        connect(cmd_rele[i], &QPushButton::clicked, b, [b, i] { b->cmd_rele_Click(i); });
        connect(upload[i], &QPushButton::clicked, b, [b, i] { b->cmd_upload_Click(i); });
    }
    connect(puls, &QCheckBox::clicked, b, &BancoMOLU::cmd_puls_Click);
    connect(lst_device, &QListWidget::itemClicked, b, &BancoMOLU::lst_device_Click);
    connect(set, &QPushButton::clicked, b, [b] { b->cmd_set_Click(0); });
    connect(test, &QPushButton::clicked, b, [b] { b->cmd_test_Click(0); });
    connect(stop, &QPushButton::clicked, b, &BancoMOLU::cmd_stop_test_Click);
    connect(view, &QPushButton::clicked, b, &BancoMOLU::cmd_view_Click);
    connect(arp, &QPushButton::clicked, b, &BancoMOLU::Command2_Click);
    // A close asked for while a handler waits happens once it has returned.
    connect(b, &BancoMOLU::Libero, this, [this] {
        QTimer::singleShot(0, this, [this] { Finestre::ChiusuraTenuta(this); });
    });
}

void frm_coll_MOLU::ScegliVariante(int indice)
{
    lst_device->setCurrentRow(indice);
    m_banco.lst_device_Click();
}

void frm_coll_MOLU::ImpostaVersione(const QString& testo)
{
    txt_vers->setText(testo);
}

int frm_coll_MOLU::Variante() const
{
    return lst_device->currentRow();
}

QString frm_coll_MOLU::Versione() const
{
    return txt_vers->text();
}

bool frm_coll_MOLU::Misura3V() const
{
    return opt_misura[1]->isChecked();
}

bool frm_coll_MOLU::ErroreRS485() const
{
    return chk_error->isChecked();
}

void frm_coll_MOLU::AbilitaHardware(bool si)
{
    Frame1->setEnabled(si);
}

void frm_coll_MOLU::AbilitaFirmware(bool si)
{
    Frame5->setEnabled(si);
}

void frm_coll_MOLU::Lampada(int i, bool piena)
{
    led[i]->ImpostaPiena(piena);
}

void frm_coll_MOLU::EsitoTest(ColoreCollaudo colore)
{
    led_10->ImpostaColore(colore);
    led_10->ImpostaPiena(true);
}

void frm_coll_MOLU::RelePremuto(int indice)
{
    for (int i = 0; i < 3; ++i)
        cmd_rele[i]->setStyleSheet(QStringLiteral("background-color: %1").arg(QLatin1String(i == indice ? "red" : "white")));
}

void frm_coll_MOLU::closeEvent(QCloseEvent* e)
{
    m_banco.Ferma();
    if (Finestre::TieniChiusura(this, m_banco.Attivo())) {
        e->ignore();
        return;
    }
    e->accept();
}
