// The main menu tree.
#include "shell/Principale.h"

#include <QMenuBar>

void Principale::CreaMenu()
{
    menuBar()->clear();
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnu_file"));
    for (const char* nome : {"mnu_Export", "mnu_print"}) {
        QAction* a = file->addAction(QString::fromLatin1(nome));
        a->setObjectName(QString::fromLatin1(nome));
    }
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnu_view"));
    view->addAction(QStringLiteral("Program"))->setObjectName(QStringLiteral("mnu_program"));
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnu_tools"));
    tools->addAction(QStringLiteral("Display"))->setObjectName(QStringLiteral("mnu_display"));
    tools->addAction(QStringLiteral("Collaudo"))->setObjectName(QStringLiteral("mnu_collaudo"));
}

void Principale::CaptionMenu()
{
}
