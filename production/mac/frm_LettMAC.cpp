#include "production/mac/frm_LettMAC.h"

#include "shell/Finestre.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
template <class T> T* Nuovo(const char* nome, const QString& testo, QWidget* padre)
{
    auto* w = new T(testo, padre);
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}
} // namespace

frm_LettMAC::frm_LettMAC()
{
    setWindowTitle(QStringLiteral("Form1"));
    auto* leggi = Nuovo<QPushButton>("Command1", QStringLiteral("Carica MAC da 25AA02E48"), this);
    m_lista = new QListWidget(this);
    m_lista->setObjectName(QStringLiteral("lstMAC"));
    m_lista->setMinimumWidth(420);
    auto* carica = Nuovo<QPushButton>("cmd_loadFile", QStringLiteral("Load File"), this);
    auto* salva = Nuovo<QPushButton>("cmd_SaveFile", QStringLiteral("Save File"), this);

    auto* frame = Nuovo<QGroupBox>("Frame1", QStringLiteral("MAC -> PFC"), this);
    m_pfc = Nuovo<QLineEdit>("txt_pfc", QString(), frame);
    m_anno = Nuovo<QLineEdit>("txt_anno", QStringLiteral("09"), frame);
    m_cliente = Nuovo<QLineEdit>("txt_cliente", QString(), frame);
    auto* assegna = Nuovo<QPushButton>("Command2", QStringLiteral("Modifica MAC -->"), frame);
    const char* voci[] = {"PFC", "Cliente", "Anno"};
    for (int i = 0; i < 3; ++i) {
        m_report[i] = new QRadioButton(QString::fromLatin1(voci[i]), frame);
        m_report[i]->setObjectName(QStringLiteral("opt_report_%1").arg(i));
    }
    m_report[0]->setChecked(true);
    auto* report = Nuovo<QPushButton>("cmd_report", QStringLiteral("Crea Report"), frame);

    auto* campi = new QGridLayout;
    campi->addWidget(new QLabel(QStringLiteral("PFC"), frame), 0, 0);
    campi->addWidget(new QLabel(QStringLiteral("Anno"), frame), 0, 2);
    campi->addWidget(m_pfc, 1, 0);
    campi->addWidget(new QLabel(QStringLiteral("/"), frame), 1, 1);
    campi->addWidget(m_anno, 1, 2);
    campi->addWidget(new QLabel(QStringLiteral("Cliente"), frame), 2, 0, 1, 3);
    campi->addWidget(m_cliente, 3, 0, 1, 3);
    auto* riquadro = new QVBoxLayout(frame);
    riquadro->addLayout(campi);
    riquadro->addWidget(assegna);
    for (QRadioButton* o : m_report) riquadro->addWidget(o);
    riquadro->addWidget(report);
    riquadro->addStretch();

    auto* file = new QHBoxLayout;
    file->addWidget(carica);
    file->addWidget(salva);
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(leggi);
    sinistra->addWidget(m_lista);
    sinistra->addLayout(file);
    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(sinistra, 1);
    tutto->addWidget(frame);

    connect(leggi, &QPushButton::clicked, this, &frm_LettMAC::Command1_Click);
    connect(assegna, &QPushButton::clicked, this, &frm_LettMAC::Command2_Click);
    connect(carica, &QPushButton::clicked, this, &frm_LettMAC::cmd_loadFile_Click);
    connect(salva, &QPushButton::clicked, this, &frm_LettMAC::cmd_SaveFile_Click);
    connect(report, &QPushButton::clicked, this, &frm_LettMAC::cmd_report_Click);
}

void frm_LettMAC::ImpostaCampi(const CampiMAC& campi)
{
    m_pfc->setText(campi.pfc);
    m_anno->setText(campi.anno);
    m_cliente->setText(campi.cliente);
}

CampiMAC frm_LettMAC::Campi() const
{
    return CampiMAC{m_pfc->text(), m_anno->text(), m_cliente->text()};
}

void frm_LettMAC::Seleziona(int riga)
{
    m_lista->setCurrentRow(riga);
}

void frm_LettMAC::ScegliReport(SceltaReport scelta)
{
    m_report[int(scelta)]->setChecked(true);
}

QStringList frm_LettMAC::Righe() const
{
    QStringList out;
    for (int i = 0; i < m_lista->count(); ++i) out << m_lista->item(i)->text();
    return out;
}

void frm_LettMAC::FormattaVoce()
{
    m_lista->clear();
    m_lista->addItems(m_registro.RigheElenco());
}

void frm_LettMAC::Command1_Click()
{
    m_occupata = true;
    m_registro.LeggiMAC(Campi());
    m_occupata = false;
    FormattaVoce();
    Finestre::ChiusuraTenuta(this);
}

void frm_LettMAC::Command2_Click()
{
    if (m_registro.Assegna(m_lista->currentItem() ? m_lista->currentRow() : -1, Campi())) FormattaVoce();
}

void frm_LettMAC::cmd_loadFile_Click()
{
    if (m_registro.CaricaFile()) FormattaVoce();
}

void frm_LettMAC::cmd_SaveFile_Click()
{
    m_registro.SalvaFile();
}

void frm_LettMAC::cmd_report_Click()
{
    int scelta = 0;
    while (scelta < 2 && !m_report[scelta]->isChecked()) ++scelta;
    m_registro.CreaReport(SceltaReport(scelta), Campi());
}

void frm_LettMAC::closeEvent(QCloseEvent* e)
{
    // The registry deletes a closed window: not while its read waits.
    if (!Finestre::TieniChiusura(this, m_occupata) && m_registro.PuoChiudere())
        e->accept();
    else
        e->ignore();
}
