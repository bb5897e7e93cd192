#pragma once
// A window's control by its objectName; a missing one ends the test at once.
#include <QString>
#include <QWidget>

template <class T> T* C(QWidget* w, const QString& nome)
{
    T* c = w->findChild<T*>(nome);
    if (!c) qFatal("no control %s", qPrintable(nome));
    return c;
}
