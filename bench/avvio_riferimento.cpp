// The start-up bench's reference: a bare Qt Widgets main window with an MDI
// area, in a program that holds nothing of the workbench. With "text" the
// window gets one menu (the first text on screen pays for the font set-up,
// which a window without any text never does).
#include "Pronto.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QElapsedTimer t;
    t.start();
    QApplication app(argc, argv);
    auto* w = new QMainWindow;
    w->setCentralWidget(new QMdiArea(w));
    w->resize(1066, 866);
    if (argc >= 2 && qstrcmp(argv[1], "text") == 0) w->menuBar()->addMenu(QStringLiteral("File"));
    return MostraEPronto(w, t);
}
