#pragma once
// The controller test bench without its window: the run started by START
// (the Init stage on the serial link, the Base stage over TCP), STOP, the
// checks it calls, and the multimeter and supply lines with the modes the
// window's combos show.
#include "production/controllerbench/Collaudo.h"
#include "production/controllerbench/LineaStrumento.h"
#include "production/controllerbench/PannelloCollaudo.h"

#include <QDateTime>
#include <functional>

// The bench's own I/O unit, reached on the same link as the controller.
constexpr uint8_t UnitaBanco = 99;
// The test firmware image, relative to the current directory.
inline const QString FileImmagineCollaudo = QStringLiteral("progetti/collaudo/4555.hex");

class BancoCollaudo : public StrumentiBanco {
public:
    explicit BancoCollaudo(PannelloCollaudo& pannello);

    // START. Refused while a run is going on: both would share the link
    // and the buffers.
    void cmd_start_Click();
    // STOP: the run ends at its next stop point (or inside the image read).
    void Command1_Click() { m_stop = true; }
    bool InCorso() const { return m_inCorso; }
    bool StopRichiesto() const { return m_stop; }

    // A port combo changed: each instrument line is open on the COM port
    // its combo shows, at 9600,n,8,1, and closed for "MANUALE".
    void PorteCambiate();

    // One loop-back pattern: written to holding register 9 of `scrivi`,
    // bits 8..11 of input register 8 of `leggi` compared with `atteso`,
    // lamps primoLed..primoLed + 3 coloured (a red one stays red).
    void VerificaIO(uint8_t scrivi, uint8_t leggi, double schema, double atteso, int primoLed);
    // The supply on at `volt`, its current checked against minimo..massimo
    // mA: 0 accepted, 1 aborted or no reading.
    uint8_t VerificaConsumo(uint8_t volt, uint8_t minimo, uint8_t massimo);
    // The controller on the link Controllore describes answers and is
    // accepted: 0, else 1.
    uint8_t VerificaDispositivo();

    QString ModoMult() const override;
    QString ModoAlim() const override;
    LineaStrumento& SerialeMult() override { return m_mult; }
    LineaStrumento& SerialeAlim() override { return m_alim; }

    // The RS-485 test's limit runs on this monotonic millisecond count; the
    // clock test writes this date and time.
    std::function<qint64()> Cronometro;
    std::function<QDateTime()> OraPC;

private:
    enum class Immagine { Letta, Mancante, NonValida, Fermata };

    Immagine LeggiImmagine();
    void Esegui();
    void Colora(int prova, bool riuscita);
    void CollegaTcp();
    void ProvaDispositivo(int prova);
    void ProvaDownload(int prova);
    void Rs485();
    void SerieIO(uint8_t scrivi, uint8_t leggi, int primoLed);
    void ScriviOrologio();

    PannelloCollaudo& m_p;
    LineaStrumento m_mult{QStringLiteral("SerialeMult")};
    LineaStrumento m_alim{QStringLiteral("SerialeAlim")};
    Immagine m_immagine = Immagine::Mancante;
    bool m_stop = false;
    bool m_inCorso = false;
};
