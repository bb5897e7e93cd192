#pragma once
// The R8T200 register reader without its window: four blocks of holding
// registers (function 3) read in order from the unit typed in the window,
// once ("Update") or over and over until Stop or the first failure.
#include "production/r8t200/ListeR8T200.h"

#include <QByteArrayView>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

struct BloccoR8T200 {
    int primo;      // first register
    int registri;   // registers read
    int larghezza;  // bytes per entry: 4 signed 32-bit, 2 signed 16-bit
    int Voci() const { return registri * 2 / larghezza; }
};

inline constexpr std::array<BloccoR8T200, 4> BlocchiR8T200{{
    {0xC552, 0x20, 4},
    {0xC95B, 0x30, 2},
    {0xC9D8, 0x24, 2},
    {0xCA36, 0x24, 2},
}};

// The unit address typed in the window: a whole number 0..255.
std::optional<uint8_t> UnitaR8T200(const QString& testo);

// The lines of a block from a reply (unit address on): "label TAB value",
// the label the first register + i in four capital hex digits (one per
// entry, also for the two-register entries). Nothing when the reply is
// shorter than the block.
std::optional<QStringList> RigheBlocco(const BloccoR8T200& b, QByteArrayView risposta);

class LetturaR8T200 {
public:
    explicit LetturaR8T200(ListeR8T200& liste) : m_liste(liste) {}

    // One reading of the four blocks; false at the first block that fails
    // (its list and the following ones keep their lines). A failure also
    // sets ComErr, which ends a running repetition.
    bool cmd_read_Click();
    // Repeats readings until ComErr is 1; does nothing while it runs.
    void cmd_start_Click();
    void cmd_stop_Click();
    bool InCorso() const { return m_ciclo; }

private:
    ListeR8T200& m_liste;
    bool m_ciclo = false;
};
