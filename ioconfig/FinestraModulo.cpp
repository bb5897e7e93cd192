#include "ioconfig/FinestraModulo.h"

#include "shell/Finestre.h"

#include <QCloseEvent>

QWidget* FinestraModulo::Cerca(const QString& nome) const
{
    return findChild<QWidget*>(nome);
}

void FinestraModulo::Fine()
{
    if (--m_gestori == 0) Finestre::ChiusuraTenuta(this);
}

void FinestraModulo::closeEvent(QCloseEvent* e)
{
    if (Finestre::TieniChiusura(this, m_gestori > 0)) {
        Ferma();
        e->ignore();
        return;
    }
    e->accept();
}
