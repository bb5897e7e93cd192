#pragma once
// The program's string table. One table serves both languages:
//   2000 + k  Italian interface text k      3000 + k  English interface text k
//   600 + b + p  brand table of brand offset b (0, 50, 100, 150): position 1
//                the product name, positions 2..27 the model names
//   900, 901  label of the language choice (Italian, English)
//   902, 903  the language names
//   1200 + i  name of catalogue block i (the same in both languages)
//   501       program version text
#include <QHash>
#include <QList>
#include <QString>

constexpr int BaseItaliano = 2000;
constexpr int BaseInglese = 3000;
constexpr int BaseMarchio = 600;
constexpr int BaseNomiFunzione = 1200;
constexpr int IdEtichettaLingua = 900;
constexpr int IdNomiLingua = 902;
constexpr int IdVersione = 501;

// Every entry by id. Filled once; an id without an entry is simply absent.
// Kept writable so a missing entry can be simulated.
QHash<int, QString>& TabellaStringhe();

// The interface text numbers k the table carries, ascending.
const QList<int>& NumeriTestiInterfaccia();
