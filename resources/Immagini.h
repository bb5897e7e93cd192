#pragma once
// Toolbar, palette and status pictures, drawn by the program itself so they
// stay crisp at any screen density.
#include <QIcon>
#include <QString>

QIcon DisegnaImmagine(const QString& chiave);
