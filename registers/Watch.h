#pragma once
// The watch list's logic: what the watch window adds, removes, reads and
// shows, on WatchList and the register table. The window only shows it.
#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

enum class EsitoWatch { Aggiunto, NumeroFuori, ListaPiena, SenzaNumero, SenzaVoce, TestoNonNumero };

// One row: register address, name, value and type texts. Not connected, a
// register the model does not have, or one no read or write has reached
// since the table was built: the value "---"; not connected, no type text
// either.
struct RigaWatch {
    QString registro, nome, valore, tipo;
    bool coloreNomeValido = false;   // categories without a colour keep theirs
    QColor coloreNome;
    QColor coloreValore;
};
RigaWatch DescriviWatch(int registro, bool connesso);

// The combo's entries: text and register.
QList<QPair<QString, int>> VociWatch();

// Adds the register the combo text names ("%R" and a number, "[" for the
// combo entry `voce`, or a leading number). A text that names no register
// is refused: it says why and adds nothing.
EsitoWatch AggiungiWatch(const QString& testo, int voce);
// Removes row `riga` (1-based); false when there is no such row.
bool RimuoviWatch(int riga);

// First registers of the 32-register blocks holding a watched register of
// the model (and the high word of a 32-bit one), ascending, each once.
QList<int> BlocchiWatch();
// Reads those blocks into the register table (nothing when not connected).
void LeggiWatch();
QList<RigaWatch> RigheWatch();

// The continuous refresh: `passo`, a 0.2 s wait with the interface alive,
// again while `continua` holds; LoopAttivo is 1 while it runs.
void CicloWatch(const std::function<bool()>& continua, const std::function<void()>& passo);
