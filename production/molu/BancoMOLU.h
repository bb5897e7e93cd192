#pragma once
// The MOLU test bench without its window. The bench controller and the
// device under test are both reached over the workstation's one Modbus
// link, which the bench re-points (address and unit in Controllore, the TCP
// port left as it is) and reconnects; the firmware upload has a socket of
// its own. While the link points at the bench, a 500-ms refresh shows its
// two inputs and writes its outputs from the state flags.
#include "production/molu/UploadFirmware.h"
#include "production/molu/VistaMOLU.h"

#include <QObject>
#include <QTimer>

// The file a firmware button sends for a device variant; empty when that
// pair has none ("Upgrade Web", the third variant).
QString PercorsoFirmware(int pulsante, int variante);

class BancoMOLU : public QObject {
    Q_OBJECT
public:
    explicit BancoMOLU(VistaMOLU& vista);

    void cmd_connetti_Click(int indice);
    void Command1_Click();
    void cmd_rele_Click(int indice);
    void cmd_puls_Click(bool premuto);
    void Timer_Timer();
    void lst_device_Click();
    void cmd_set_Click(int indice);
    void cmd_test_Click(int indice);
    void cmd_stop_test_Click();
    UploadFirmware::Esito cmd_upload_Click(int indice);
    void cmd_view_Click();
    void Command2_Click();

    bool ReleAC = false;
    bool ReleDC = false;
    bool Pulsante = false;
    bool TestInCorso = false;
    bool SocketConnesso() const { return m_upload.SocketConnesso(); }
    // A handler is running (maybe waiting inside): the window must not go
    // away under it. Libero follows when the last one returns.
    bool Attivo() const { return m_attivi > 0; }
    // Ends the loop test and the refresh, so the handlers return soon.
    void Ferma();
    bool Aggiorna() const { return Timer.isActive(); }
    UploadFirmware& Upload() { return m_upload; }

signals:
    void Libero();

private:
    struct Attivita;
    void ImpostaUscite();
    void ConnettiBanco();
    void ConnettiEUT();

    VistaMOLU& m_vista;
    QTimer Timer;
    UploadFirmware m_upload;
    bool m_aggiornamento = false;
    int m_attivi = 0;
};
