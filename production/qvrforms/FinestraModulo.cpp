#include "production/qvrforms/FinestraModulo.h"

#include "shell/Finestre.h"

#include <QCloseEvent>

QWidget* FinestraModulo::Cerca(const QString& nome) const
{
    return findChild<QWidget*>(nome);
}

void FinestraModulo::Fine()
{
    if (--m_gestori == 0 && m_chiudi) Finestre::Chiudi(this);
}

void FinestraModulo::closeEvent(QCloseEvent* e)
{
    m_chiudi = m_gestori > 0;
    if (m_chiudi) {
        Ferma();
        e->ignore();
        return;
    }
    e->accept();
}
