#pragma once
// The QVR2565 calibration form without its window: offsets, CJC offsets and
// K factors read from and written to the module's calibration memory one
// field at a time, the four live inputs read once or over and over, and the
// K calculator. It works on the controls through ControlliConfig, by
// objectName ("txt_Input_K_7"); every request goes to the unit in AddSlave.
#include "ioconfig/ControlliConfig.h"

constexpr int RigheQVR2565 = 16;
constexpr int CanaliCJC = 6;
constexpr int IngressiLive = 4;

class CalibrazioneQVR2565 {
public:
    explicit CalibrazioneQVR2565(ControlliConfig& c) : m_c(c) {}

    // All fields; the first failed read ends it with "Errore", the boxes
    // already filled keeping their new values.
    void Command2_Click();
    void WriteOffset_Click(int Index);
    void WriteCJC_Click(int Index);
    void WriteK_Click(int Index);
    // One live reading; false (ComErr set, boxes unchanged) when it fails.
    bool Command3_Click();
    // Live readings until ComErr is 1; a click while it runs is ignored.
    void Command4_Click();
    void Command5_Click();   // "Stop"
    void Command1_Click();   // "CALC k"
    bool InCorso() const { return m_ciclo; }

private:
    void ScriviOffset(const QString& campo, int indirizzo);

    ControlliConfig& m_c;
    bool m_ciclo = false;
};
