#pragma once
// The lists of the configuration window, with the codes the device stores:
// the input types of each model's channels and the fixed port lists.
#include <QList>
#include <QString>

struct VoceConfig {
    const char* testo;
    int codice;
};

enum class ListaTipi { Nessuna, R, V, T, N, M, C0, C1 };

// The entries in the order the list shows them.
const QList<VoceConfig>& VociTipi(ListaTipi lista);
// The list of channel ch (0..7) of model k.
ListaTipi ListaCanale(int k, int ch);

// Baud rates: the code of each is its position.
const QList<VoceConfig>& VociBaud();
const QList<VoceConfig>& VociParita();
const QList<VoceConfig>& VociStop();
// The baud text of a code 0..7.
QString TestoBaud(int codice);
