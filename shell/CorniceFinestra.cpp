#include "shell/CorniceFinestra.h"

#include <QCloseEvent>

CorniceFinestra::CorniceFinestra()
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void CorniceFinestra::closeEvent(QCloseEvent* e)
{
    // The window inside may refuse (a question answered Cancel, a handler
    // still running): then it stays loaded.
    QMdiSubWindow::closeEvent(e);
    if (e->isAccepted()) emit Chiusa();
}
