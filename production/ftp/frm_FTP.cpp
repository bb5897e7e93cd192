#include "production/ftp/frm_FTP.h"

#include "shell/Controlli.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frm_FTP::frm_FTP()
{
    setWindowTitle(QStringLiteral("Form1"));
    auto* elenca = Crea<QPushButton>(this, QStringLiteral("Command1"), QStringLiteral("Command1"));
    auto* esporta = Crea<QPushButton>(this, QStringLiteral("Command2"), QStringLiteral("Command2"));
    ListView1 = Crea<QListWidget>(this, QStringLiteral("ListView1"));
    auto* barra = new QHBoxLayout;
    barra->addWidget(elenca);
    barra->addWidget(esporta);
    barra->addStretch();
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(barra);
    tutto->addWidget(ListView1, 1);
    connect(elenca, &QPushButton::clicked, &m_elenco, &ElencoFTP::Command1_Click);
    connect(esporta, &QPushButton::clicked, &m_elenco, &ElencoFTP::Command2_Click);
}

QStringList frm_FTP::Voci() const
{
    QStringList out;
    for (int i = 0; i < ListView1->count(); ++i) out << ListView1->item(i)->text();
    return out;
}

void frm_FTP::SvuotaElenco()
{
    ListView1->clear();
}

void frm_FTP::AggiungiVoce(const QString& testo, int icona)
{
    // The entries carry their image index; no picture is drawn for it.
    auto* v = new QListWidgetItem(testo, ListView1);
    v->setData(Qt::UserRole, icona);
}
