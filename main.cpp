#include "shell/Avvio.h"
#include "shell/Principale.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Workbench"));
    Main();
    Principale::Istanza()->show();
    return app.exec();
}
