#pragma once
// The I/O module configuration window: the model combo decides the layout
// and the meaning of every register; the reads fill the controls, the send
// buttons and check boxes write them back. Thin over its logic (LayoutConfig,
// LetturaConfig, InvioConfig, OrologioConfig, TipoIngresso): it owns the
// widgets, names each after its control, and forwards its clicks.
#include "ioconfig/FinestraModulo.h"
#include "ioconfig/InvioConfig.h"
#include "ioconfig/LetturaConfig.h"
#include "ioconfig/OrologioConfig.h"

#include <QHash>

class QDate;
class QTabBar;

class frm_Config2 : public FinestraModulo {
    Q_OBJECT
public:
    frm_Config2();

    // The model name handed in by the opener, read only by Form_Load.
    QString NomeModello;
    bool AbilitaInvio() const { return m_lettura.AbilitaInvio; }
    // Room for the tallest section (analog inputs with calibration).
    QSize sizeHint() const override { return {780, 600}; }

    void Form_Load();
    Q_INVOKABLE void SetRes();
    void MostraTab();
    void cmd_read_Click(int index) { m_lettura.cmd_read_Click(index); }
    void cmd_start_Click() { m_lettura.cmd_start_Click(); }
    void cmd_stop_Click() { m_lettura.cmd_stop_Click(); }
    void LeggiTipoIngresso(uint8_t nodo, int canale);
    void ScriviTipoIngresso(uint8_t nodo, int canale);
    void cmd_calendar_Click();
    void MonthView1_DateClick(const QDate& data);
    QString DateToSTD(qint64 secondi) const { return ::DateToSTD(secondi); }


private:
    template <class T> T* Nuovo(const QString& nome, QWidget* padre);
    QWidget* Cerca(const QString& nome) const override { return m_ctl.value(nome); }
    // A close during the live loop stops it; the window closes after the pass.
    void Ferma() override { m_lettura.cmd_stop_Click(); }
    void Costruisci();
    QWidget* SezioneSistema();
    QWidget* SezioneComm();
    QWidget* SezioneAnalogIn();
    QWidget* SezioneAnalogOut();
    QWidget* SezioneDigitalIn();
    QWidget* SezioneDigitalOut();
    QWidget* SezioneTrip();
    // Each button of the arrays `nome`_0.. forwards its index.
    void Collega(const char* nome, int n, void (InvioConfig::*handler)(int));

    QHash<QString, QWidget*> m_ctl;
    QTabBar* m_tab = nullptr;
    LetturaConfig m_lettura{*this};
    InvioConfig m_invio{*this, m_lettura.AbilitaInvio};
    OrologioConfig m_orologio{*this};
};

// The Config menu items: the window for the current controller's model,
// loaded on first use, brought forward afterwards.
void ApriConfigurazione();
