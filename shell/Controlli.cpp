#include "shell/Controlli.h"

#include <QCoreApplication>
#include <QEvent>
#include <memory>

void RotellaAllaBarra(QWidget* barra, QEvent* rotella)
{
    const std::unique_ptr<QEvent> copia(rotella->clone());
    QCoreApplication::sendEvent(barra, copia.get());
    rotella->setAccepted(copia->isAccepted());
}
