#pragma once
// The MOLU bench's window over BancoMOLU: the bench frame ("Hardware") with
// relays, range, push-button, lamps and the RS-485 loop test; the firmware
// frame with the device variants, uploads, web page, version and ARP entry.
#include "production/molu/BancoMOLU.h"

#include <QWidget>

class Lampada;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class frm_coll_MOLU : public QWidget, public VistaMOLU {
    Q_OBJECT
public:
    frm_coll_MOLU();

    BancoMOLU& Banco() { return m_banco; }
    void ScegliVariante(int indice);
    void ImpostaVersione(const QString& testo);

    int Variante() const override;
    QString Versione() const override;
    bool Misura3V() const override;
    bool ErroreRS485() const override;
    void AbilitaHardware(bool si) override;
    void AbilitaFirmware(bool si) override;
    void Lampada(int i, bool piena) override;
    void EsitoTest(ColoreCollaudo colore) override;
    void RelePremuto(int indice) override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    BancoMOLU m_banco{*this};
    QGroupBox* Frame1;
    QGroupBox* Frame5;
    QListWidget* lst_device;
    QLineEdit* txt_vers;
    QCheckBox* chk_error;
    QRadioButton* opt_misura[2];
    ::Lampada* led[2];
    ::Lampada* led_10;
    QPushButton* cmd_rele[3];
};
