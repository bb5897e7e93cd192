#pragma once
// Operations on the production benches' serial instruments. They keep no
// state: each call finds its line and, where it matters, the mode the
// operator picked at that moment.
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

class LineaStrumento;

// The state colours of the benches' test boxes and lamps, as blue-green-red
// numbers (red in the low byte).
enum ColoreCollaudo : uint32_t { CollaudoInCorso = 65535, CollaudoPassato = 65280, CollaudoFallito = 255 };

// What the multimeter and the supply need of the bench that holds them: the
// mode texts its two combos show at this moment and the two lines.
class StrumentiBanco {
public:
    virtual ~StrumentiBanco() = default;
    virtual QString ModoMult() const = 0;
    virtual QString ModoAlim() const = 0;
    virtual LineaStrumento& SerialeMult() = 0;
    virtual LineaStrumento& SerialeAlim() = 0;
};

namespace Collaudo {

// Closes (chiudi) or opens relay canale of card scheda on the multiplexer:
// "rout:close (@105)" CR LF. Nothing is sent, silently, while the relay
// line is closed; no answer is read.
void ComandaRele(uint8_t scheda, uint8_t canale, bool chiudi);

// The multimeter's reading in thousandths of its unit (mA, mV), by its mode:
// "MAN..." asks the operator (the workstation's number format), "COM..."
// asks the instrument on its line; any other mode reads nothing and gives
// 0. Nothing when there is no reading: the line closed, no answer in time,
// an answer that is not a number, or the operator cancelled. n selects
// nothing: the bench has one multimeter.
std::optional<float> LeggiMult(StrumentiBanco& banco, uint8_t n);

// The multimeter on `linea` asked for its reading over the serial line, in
// thousandths of its unit; nothing, with the operator told why, when the
// line is closed, no answer comes in time or the answer is not a number.
std::optional<float> LeggiMultSeriale(LineaStrumento& linea);

// Switches the supply on at volt (sent as it stands) or off: serial
// commands ended by CR, or in "MANUALE" a message telling the operator what
// to do. With its line closed the operator is told and nothing is sent.
void ImpostaAlim(StrumentiBanco& banco, bool acceso, const QString& volt);

// The multimeter's answer ("+4.12345600E-03" CR LF, amperes or volts) in
// thousandths, truncated towards minus infinity to three decimals; nothing
// when it is not a number.
std::optional<float> LetturaMult(QByteArrayView risposta);

}  // namespace Collaudo
