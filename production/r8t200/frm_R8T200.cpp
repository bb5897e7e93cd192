#include "production/r8t200/frm_R8T200.h"

#include "shell/Finestre.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frm_R8T200::frm_R8T200()
{
    setWindowTitle(QStringLiteral("Form1"));
    m_indirizzo = new QLineEdit(QStringLiteral("5"), this);
    m_indirizzo->setObjectName(QStringLiteral("Indirizzo"));
    m_indirizzo->setMaximumWidth(60);
    m_update = new QPushButton(QStringLiteral("Update"), this);
    m_update->setObjectName(QStringLiteral("cmd_read_0"));
    auto* start = new QPushButton(QStringLiteral("Start"), this);
    start->setObjectName(QStringLiteral("cmd_start"));
    auto* stop = new QPushButton(QStringLiteral("Stop"), this);
    stop->setObjectName(QStringLiteral("cmd_stop"));

    auto* riquadro = new QGroupBox(QStringLiteral("Input"), this);
    auto* liste = new QHBoxLayout(riquadro);
    for (int i = 0; i < 4; ++i) {
        m_liste[i] = new QListWidget(riquadro);
        m_liste[i]->setObjectName(QStringLiteral("List%1").arg(i + 1));
        m_liste[i]->setMinimumWidth(110);
        liste->addWidget(m_liste[i]);
    }

    auto* barra = new QHBoxLayout;
    barra->addWidget(new QLabel(QStringLiteral("Address"), this));
    barra->addWidget(m_indirizzo);
    barra->addWidget(m_update);
    barra->addWidget(start);
    barra->addWidget(stop);
    barra->addStretch();
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(barra);
    tutto->addWidget(riquadro, 1);

    connect(m_update, &QPushButton::clicked, this, [this] { m_lettura.cmd_read_Click(); });
    connect(start, &QPushButton::clicked, this, &frm_R8T200::cmd_start_Click);
    connect(stop, &QPushButton::clicked, this, [this] { m_lettura.cmd_stop_Click(); });
}

void frm_R8T200::ImpostaIndirizzo(const QString& testo)
{
    m_indirizzo->setText(testo);
}

QStringList frm_R8T200::Righe(int lista) const
{
    QStringList out;
    for (int i = 0; i < m_liste[lista]->count(); ++i) out << m_liste[lista]->item(i)->text();
    return out;
}

bool frm_R8T200::UpdateAbilitato() const
{
    return m_update->isEnabled();
}

QString frm_R8T200::Indirizzo() const
{
    return m_indirizzo->text();
}

void frm_R8T200::ImpostaRiga(int lista, int riga, const QString& testo)
{
    QListWidget* l = m_liste[lista];
    if (riga < l->count())
        l->item(riga)->setText(testo);
    else
        l->addItem(testo);
}

void frm_R8T200::AbilitaUpdate(bool si)
{
    m_update->setEnabled(si);
}

void frm_R8T200::cmd_start_Click()
{
    m_lettura.cmd_start_Click();
    Finestre::ChiusuraTenuta(this);
}

void frm_R8T200::closeEvent(QCloseEvent* e)
{
    // The registry deletes a closed window: a running repetition ends first
    // (after its current reading), and the close follows.
    if (Finestre::TieniChiusura(this, m_lettura.InCorso())) {
        m_lettura.cmd_stop_Click();
        e->ignore();
        return;
    }
    e->accept();
}
