#pragma once
// Toolbar, palette and program pictures, drawn by the program itself as
// vector glyphs, so they stay crisp at any size and screen density.
#include <QIcon>
#include <QString>
#include <QStringList>

// The picture of a toolbar/palette key ("run", "file_open", ...); a null
// icon for a key that has no picture.
QIcon DisegnaImmagine(const QString& chiave);
// Every key that has a picture.
QStringList ChiaviImmagini();
// The program icons: 300 the main window's, 301 the About box's, 142 and 143
// the add and remove keys (watch window, display editor), the display
// editor's keys (resources/FigureDisplay.h); a null icon for any other id.
QIcon IconaRisorsa(int id);
