#pragma once
// The controller test bench's window "COLLAUDO": stage and test boxes, the
// loop-back lamps, the clock fields, the instruments' and the controller's
// ports, START and STOP, over BancoCollaudo. Closing it during a run stops
// the run first.
#include "production/controllerbench/BancoCollaudo.h"
#include "production/controllerbench/PannelloCollaudo.h"

#include <QWidget>

class Lampada;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTimer;

class frm_collaudo : public QWidget, public PannelloCollaudo {
    Q_OBJECT
public:
    frm_collaudo();

    BancoCollaudo& Banco() { return m_banco; }
    // The back colour of test box i as a blue-green-red number.
    uint32_t ColoreProva(int i) const;

    bool Stadio(int i) const override;
    bool ProvaScelta(int i) const override;
    void ColoraProva(int i, uint32_t colore) override;
    uint32_t ColoreLed(int i) const override;
    void ColoraLed(int i, uint32_t colore) override;
    void MostraConteggio(const QString& testo) override;
    void AbilitaTimer1(bool si) override;
    void MostraIndirizzo(const QString& testo) override;
    int PortaEut() const override;
    QString SceltaMult() const override;
    QString SceltaAlim() const override;
    void ImpostaOrologio(const CampiOrologio& c) override;
    CampiOrologio Orologio() const override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void cmd_start_Click();
    void Timer1_Timer();

    BancoCollaudo m_banco{*this};
    QCheckBox* m_stadi[2];
    QCheckBox* m_prove[11];
    Lampada* m_led[8];
    QLabel* m_conteggio;
    QProgressBar* m_barra;
    QTimer* m_timer1;
    QComboBox* m_modello;
    QComboBox* m_portaEut;
    QLineEdit* m_ip;
    QLineEdit* m_nodo;
    QComboBox* m_portaMult;
    QComboBox* m_portaAlim;
    QComboBox* m_giorno;
    QComboBox* m_mese;
    QComboBox* m_anno;
    QLineEdit* m_ore;
    QLineEdit* m_minuti;
    QLineEdit* m_secondi;
};
