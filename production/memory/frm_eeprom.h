#pragma once
// "Memory": reads four bytes at one EEPROM or flash address, shows them as
// bytes and as one value of 1, 2 or 4 bytes (the two linked), writes 1, 2 or
// 4 bytes back, and reads, writes or clears a range of the EEPROM through
// the memory-image transfers. Captions are fixed texts.
#include "production/memory/ValoriMemoria.h"

#include <QWidget>

class QLineEdit;
class QProgressBar;
class QRadioButton;

class frm_eeprom : public QWidget {
    Q_OBJECT
public:
    frm_eeprom();
    ~frm_eeprom() override;

public slots:
    void Option2_Click(int Index);
    void Command1_Click();   // "Leggi"
    void Command4_Click();   // "Scrivi"
    void Command3_Click();   // "Leggi EEprom"
    void Command5_Click();   // "Scrivi EEprom"
    void Command2_Click();   // "Clear EEprom"

private:
    FormatoValore Formato() const;
    Byte4 ByteCampi() const;
    // A byte field changed: the value follows while AggiornaAttivo.
    void AggiornaValore();
    // The value changed: the four byte fields follow.
    void txt_valore_Change();
    void MostraAvanzamento(int fatti, int totale);

    QRadioButton* m_memoria[2] = {};   // Option3: Eprom, Flash
    QRadioButton* m_formato[4] = {};   // Option2: Byte, Int, Float, Long
    QRadioButton* m_forma[2] = {};     // Option1: Byte, Ascii
    QLineEdit* m_byte[4] = {};         // txt_valoreA .. D
    QLineEdit* txt_start = nullptr;
    QLineEdit* txt_valore = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    bool AggiornaAttivo = false;
};
