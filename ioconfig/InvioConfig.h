#pragma once
// The configuration window's writes: each group's send button, the
// calibration and output commands, the channel-enable, output and event
// bits, the latch clear and the bus synchronisation. Each handler builds its
// plan from the controls (PianiInvio) and sends it over the current link;
// the window only forwards its clicks.
#include "ioconfig/ControlliConfig.h"

#include <memory>

struct PianoInvio;

class InvioConfig {
public:
    // `abilitaInvio`: the window's flag that lets the enable and output
    // check boxes send (false while a read fills them).
    InvioConfig(ControlliConfig& controlli, const bool& abilitaInvio) : m_c(controlli), m_abilita(abilitaInvio) {}
    ~InvioConfig() { *m_vivo = false; }
    InvioConfig(const InvioConfig&) = delete;
    InvioConfig& operator=(const InvioConfig&) = delete;

    void cmd_invia_Click(int index);
    void cmd_In_Zero_Click(int index);
    void cmd_In_Span_Click(int index);
    void cmd_Out_Cal_Click(int index);
    void cmd_Output_Click(int index);
    void cmd_set_Click(int index);
    void cmd_sync_Click();
    void cmd_Write_Trip_Click(int index);
    void chk_En_Click(int index);
    void chk_OutputBit_Click(int index);
    void chk_PupBit_Click(int index);
    void chk_SafeBit_Click(int index);
    void cmd_clear_latch_Click();
    void cmd_Toggle_Click(int index);

private:
    int Modello() const;
    void ColoraBit(const char* nome, int index);
    // A refused plan shows why; otherwise its requests go to the unit in
    // Indirizzo (a broadcast to its own), nothing when that is no byte.
    void Esegui(const PianoInvio& piano);

    ControlliConfig& m_c;
    const bool& m_abilita;
    std::shared_ptr<bool> m_vivo = std::make_shared<bool>(true);
};
