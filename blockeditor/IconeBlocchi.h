#pragma once
// The block pictures of the rung list, one per picture number of the
// catalogue, drawn as vectors so they stay sharp at any screen density.
#include <QIcon>
#include <QString>

// Picture numbers 1..64 exist except 33.
bool EsisteIconaBlocco(int icona);
// The key a rung's row keeps for its picture ("blocco" + number).
QString ChiaveIconaBlocco(int icona);
// Null icon for a number or key without a picture.
QIcon IconaBlocco(int icona);
QIcon IconaBloccoDaChiave(const QString& chiave);
