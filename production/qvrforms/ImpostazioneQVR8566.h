#pragma once
// The QVR8566 / QVR0573 set-up form without its window: default programs,
// K from the measured values, the configuration image written to the module
// and read back, the program copy into a QVR4566 controller, the analog-out
// words, the mode register and the register-9 toggle test. It works on the
// controls through ControlliConfig, by objectName ("txt_reg_3", "chk_Mux5_2"
// for port 5 of row 2; a check box's text is "1" when checked).
#include "ioconfig/ControlliConfig.h"
#include "production/qvrforms/ImmagineQVR8566.h"

class ImpostazioneQVR8566 {
public:
    explicit ImpostazioneQVR8566(ControlliConfig& c) : m_c(c) {}

    // Fills the eight type lists; nothing is selected.
    void Form_Load();
    void SetDefault_Click(int Index);
    // The box of port `porta` in row Index changed: red when checked.
    void chk_Mux_Click(int porta, int Index);
    void txt_Input_Mis_Change(int Index);
    void Command1_Click();   // "Calc k"

    // 0 "Write" to the module, 1 "Write Def" to the controller; any other
    // index only builds the image. A grid that gives no image ends with the
    // error box before anything is sent.
    void cmd_WriteProg_Click(int Index);
    // The K factors of rows primo..ultimo, each to the module at AddSlave;
    // a K or address that is not usable stops it before anything is sent.
    void ScriviK(uint8_t primo, uint8_t ultimo);
    void WriteK_Click(int Index) { ScriviK(uint8_t(Index), uint8_t(Index)); }

    // "Analog out": the two words of output 0 (at 24) and output 1 (at 20).
    void Command3_Click();   // "Out 0"
    void Command4_Click();   // "Out 1"
    void Command9_Click();   // "Reset" output 0
    void Command10_Click();  // "Reset" output 1
    void Command5_Click();   // register 32 := 0
    void Command6_Click();   // register 32 := 20000
    void Command7_Click();   // register 33 := 0
    void Command8_Click();   // register 33 := 20000
    void En_4566_Click(int Index);

    // Register 9 of unit 1 toggled between 0 and 65535 every 2 s, 100 rounds,
    // until FermaCommand11; a click while it runs is ignored.
    void Command11_Click();
    void FermaCommand11() { m_fermaCommand11 = true; }
    bool Command11InCorso() const { return m_command11; }

    void Command2_Click();   // "Read"

    GrigliaQVR8566 Griglia() const;

private:
    // The fields whose bytes lie wholly in image[da, a).
    void RiempiCampi(const uint8_t* immagine, int da, int a);
    void ScriviBlocchi(const ImmagineQVR8566& im, uint8_t nodo, const BloccoQVR* blocchi, int n, int base);
    void UscitaAnalogica(int indirizzo, const QString& primo, const QString& secondo);
    void Registro(int registro, double valore);

    ControlliConfig& m_c;
    bool m_command11 = false;
    bool m_fermaCommand11 = false;
};
