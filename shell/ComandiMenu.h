#pragma once
// The menus' items: what choosing one does.
#include <QString>

// Runs the action of the menu item named `nome` (mnu_...). Unlike a toolbar
// click it leaves a running live loop alone.
void MenuClick(const QString& nome);
