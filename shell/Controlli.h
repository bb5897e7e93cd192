#pragma once
// Controls are found by name (tests, the language switch), so every one is
// made together with its objectName.
#include <QString>
#include <QWidget>

template <class T> T* Crea(QWidget* padre, const QString& nome)
{
    T* w = new T(padre);
    w->setObjectName(nome);
    return w;
}

// For controls that show a text of their own (labels, buttons, boxes, fields).
template <class T> T* Crea(QWidget* padre, const QString& nome, const QString& testo)
{
    T* w = new T(testo, padre);
    w->setObjectName(nome);
    return w;
}

// Hands a wheel turn over a scrolled list to the list's own scroll bar, so the
// wheel scrolls it as the bar does.
void RotellaAllaBarra(QWidget* barra, QEvent* rotella);
