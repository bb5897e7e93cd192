#pragma once
// What the controller test bench's run needs of its window: the ticks, the
// colours of the test boxes and lamps, the exchange count, the progress
// timer, the port choices and the clock fields.
#include <QString>
#include <cstdint>

// The clock test's fields: list positions of day, month and year (0 is the
// 1st, January, 2000) and the hour, minute and second texts.
struct CampiOrologio {
    int giorno = 0, mese = 0, anno = 0;
    QString ore, minuti, secondi;
};

class PannelloCollaudo {
public:
    virtual ~PannelloCollaudo() = default;
    // chk_controlli: 0 the Init stage, 1 the Base stage.
    virtual bool Stadio(int i) const = 0;
    // chk_collaudo 0..10.
    virtual bool ProvaScelta(int i) const = 0;
    virtual void ColoraProva(int i, uint32_t colore) = 0;
    // led 0..7.
    virtual uint32_t ColoreLed(int i) const = 0;
    virtual void ColoraLed(int i, uint32_t colore) = 0;
    // Label2, the RS-485 exchange count.
    virtual void MostraConteggio(const QString& testo) = 0;
    // Timer1, which shows the long download's progress while it runs.
    virtual void AbilitaTimer1(bool si) = 0;
    // txt_eut_ip: the address of the controller under test.
    virtual void MostraIndirizzo(const QString& testo) = 0;
    // List position of txt_eut_port (COM1 is 0).
    virtual int PortaEut() const = 0;
    // The texts of txt_mult_port and txt_alim_port.
    virtual QString SceltaMult() const = 0;
    virtual QString SceltaAlim() const = 0;
    virtual void ImpostaOrologio(const CampiOrologio& c) = 0;
    virtual CampiOrologio Orologio() const = 0;
};
