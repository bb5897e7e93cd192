#pragma once
// The configuration window's reads: the full read of the model in the model
// combo (Update), the trip thresholds (Update on the Trip tab) and the live
// loop (Start, Stop). Works on the controls through ControlliConfig and on
// the device through the current link; the window only forwards its clicks.
#include "ioconfig/ControlliConfig.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

// The link's device-type code that keeps the QVR8566 input types in
// configuration memory, behind the module's access code.
inline const QString CodiceTipiInMemoria = QStringLiteral("6855");
constexpr int RegistroAccesso = 17;
constexpr int CodiceAccesso = -5938;
constexpr int RegistroTipiQVR8566 = 1216;
constexpr int RegistroPrimaSoglia = 1222;   // trip i: low at 1222 + 2i, high at 1223 + 2i
constexpr int NumSoglie = 4;
// The live loop's shortest pass, from the start of one full read to the next.
constexpr int PeriodoCicloConfigMs = 200;
inline const QString TitoloErroreLettura = QStringLiteral("MOD-RTU");

// The unit address typed in the address field: a number 0..255 once
// rounded; nothing for anything else.
std::optional<uint8_t> UnitaConfig(const QString& testo);

class LetturaConfig {
public:
    explicit LetturaConfig(ControlliConfig& controlli) : m_c(controlli) {}
    // The window's end ends a loop it leaves running.
    ~LetturaConfig();
    LetturaConfig(const LetturaConfig&) = delete;
    LetturaConfig& operator=(const LetturaConfig&) = delete;

    // True while the window's check boxes may send what the user changes;
    // False for the whole of a read.
    bool AbilitaInvio = true;

    // Index 0 reads everything, 7 the trip thresholds; others do nothing.
    void cmd_read_Click(int index);
    void cmd_start_Click();
    void cmd_stop_Click();
    bool CicloAttivo() const { return m_ciclo; }

private:
    // False with the cause (empty for a failed transaction) in `errore`.
    bool LetturaCompleta(uint8_t unita, QString& errore);
    void LetturaSoglie(uint8_t unita);
    void TipiQVR8566(uint8_t unita);

    ControlliConfig& m_c;
    bool m_ciclo = false;
    // Cleared when the window goes while a handler of it still waits.
    std::shared_ptr<bool> m_vivo = std::make_shared<bool>(true);
};
