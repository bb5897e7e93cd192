#include "production/bootloader/frm_Bootloader.h"

#include "base/Prompt.h"
#include "shell/Finestre.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frm_Bootloader::frm_Bootloader()
{
    setWindowTitle(QStringLiteral("Form2"));
    auto* apri = new QPushButton(QStringLiteral("Open"), this);
    apri->setObjectName(QStringLiteral("Command2"));
    auto* leggi = new QPushButton(QStringLiteral("Read ID"), this);
    leggi->setObjectName(QStringLiteral("Command1"));
    m_id = new QLineEdit(this);
    m_id->setObjectName(QStringLiteral("Text1"));
    m_rev = new QLineEdit(this);
    m_rev->setObjectName(QStringLiteral("Text2"));

    auto* campi = new QFormLayout;
    campi->addRow(QStringLiteral("Device"), m_id);
    campi->addRow(QStringLiteral("Rev"), m_rev);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(apri);
    pulsanti->addWidget(leggi);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(pulsanti);
    tutto->addLayout(campi);
    tutto->addStretch();

    connect(apri, &QPushButton::clicked, this, &frm_Bootloader::Command2_Click);
    connect(leggi, &QPushButton::clicked, this, &frm_Bootloader::Command1_Click);
}

QString frm_Bootloader::Dispositivo() const
{
    return m_id->text();
}

QString frm_Bootloader::Revisione() const
{
    return m_rev->text();
}

void frm_Bootloader::Command2_Click()
{
    if (!m_boot.Apri())
        Prompt::MsgBox(QStringLiteral("COM%1 non disponibile").arg(Bootloader::PortaBoot), Prompt::Critica);
}

void frm_Bootloader::Command1_Click()
{
    if (m_boot.InCorso()) return;
    const CaricamentoHex c = m_boot.CaricaHex();
    // The identification does not need the file.
    if (c.esito != EsitoHex::Ok) Prompt::MsgBox(MessaggioHex(c), Prompt::Avviso);
    IdentitaBoot identita;
    switch (m_boot.Identifica(identita)) {
    case EsitoIdentifica::Identificato:
        m_id->setText(identita.TestoID());
        m_rev->setText(identita.TestoRevisione());
        break;
    case EsitoIdentifica::NessunaRisposta:
        Prompt::MsgBox(QStringLiteral("Il bootloader non risponde"), Prompt::Critica);
        break;
    case EsitoIdentifica::PortaChiusa:
    case EsitoIdentifica::Interrotta:
        break;
    }
    Finestre::ChiusuraTenuta(this);
}

void frm_Bootloader::closeEvent(QCloseEvent* e)
{
    // The registry deletes a closed window: a running query ends first, and
    // the close follows when its handler returns.
    if (Finestre::TieniChiusura(this, m_boot.InCorso())) {
        m_boot.Interrompi();
        e->ignore();
        return;
    }
    m_boot.Chiudi();
    e->accept();
}
