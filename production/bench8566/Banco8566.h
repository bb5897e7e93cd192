#pragma once
// The QVR8566 test and calibration bench without its window: the bench link,
// the eleven test rows, the relay routing, the K factor of an input channel,
// the output constants, the outputs read on the bench multimeter and the
// digital cycles. Results go to the window through QuadroBanco8566; the
// operator is asked through the prompt service.
#include "production/controllerbench/Collaudo.h"
#include "production/controllerbench/LineaStrumento.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The result labels of a row.
enum class Risultato { Zero, Mezzo, Span, K, KZero, KSpan };

class QuadroBanco8566 {
public:
    virtual ~QuadroBanco8566() = default;
    virtual void ImpostaStato(Risultato r, int riga, ColoreCollaudo s) = 0;
    virtual void ImpostaTesto(Risultato r, int riga, const QString& testo) = 0;
};

enum class AzioneRiga { Analogica, Nessuna, CicloIngressi, CicloUscite };

// Source kinds of the bench (TipoSorgente).
constexpr uint8_t SorgenteMillivolt = 1;
constexpr uint8_t SorgenteTensione = 2;
constexpr uint8_t SorgenteCorrente = 3;
constexpr uint8_t SorgenteResistenza = 12;
constexpr uint8_t SorgenteUscita = 255;

// One row of the bench. A field of -1 keeps the value the previous row set.
struct RigaBanco8566 {
    const char* nome;   // chk_coll caption
    AzioneRiga azione;
    int NodoCal, CanaleIngresso, Uscita, SelRele, TipoSorgente, TipoIngresso;
    double SetZero, SetMezzo, SetSpan, FondoScala;
    int Scala;
    double Tolleranza;
};

inline constexpr int kTenuto = -1;
inline constexpr std::array<RigaBanco8566, 11> RigheBanco8566{{
    {"#0 - 100 mV", AzioneRiga::Analogica, 247, 0, 0, 1, 1, 0, 0, 50, 100, 100, 100, 0.05},
    {"#0 - ResL", AzioneRiga::Analogica, 247, 0, 0, 1, 12, 1, 100, 200, 300, 300, 10, 0.05},
    {"#0 - 10 V", AzioneRiga::Analogica, 247, 0, 2, 0, 2, 3, 0, 5000, 10000, 10000, 1, 10},
    {"#0 - 20 mA", AzioneRiga::Analogica, 247, 0, 2, 1, 3, 4, 0, 10000, 20000, 20000, 1, 10},
    {"#1 - 10 V", AzioneRiga::Analogica, 246, 1, 3, 0, 2, 3, 0, 5000, 10000, 10000, 1, 10},
    {"#1 - 20 mA", AzioneRiga::Analogica, 246, 1, 3, 1, 3, 4, 0, 10000, 20000, 20000, 1, 10},
    {"#0 - Pot", AzioneRiga::Nessuna, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Out 0", AzioneRiga::Analogica, kTenuto, kTenuto, 0, kTenuto, 255, kTenuto, 0, 10000, 20000, 20000, 1, 0.05},
    {"Out 1", AzioneRiga::Analogica, kTenuto, kTenuto, 1, kTenuto, 255, kTenuto, 0, 10000, 20000, 20000, 1, 0.05},
    {"Dig IN", AzioneRiga::CicloIngressi, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {"Dig OUT", AzioneRiga::CicloUscite, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
}};

// The current test item, as the last analog row left it.
struct VoceBanco8566 {
    uint8_t NodoCal = 0;
    uint8_t CanaleIngresso = 0;
    uint8_t Uscita = 0;
    uint8_t SelRele = 0;
    uint8_t TipoIngresso = 0;
    uint8_t TipoSorgente = 0;
    double SetZero = 0, SetMezzo = 0, SetSpan = 0;
    double FondoScala = 0;
    int16_t Scala = 0;
    double Tolleranza = 0;
    double Misura = 0;
};

// The item fields of row r over the previous item.
void ApplicaRiga(VoceBanco8566& v, const RigaBanco8566& r);

// The relays closed for the item after every channel was opened, in order,
// as (card, channel).
QList<std::pair<uint8_t, uint8_t>> ChiusureRele(const VoceBanco8566& v);

// A digital cycle: the value written to holding register 9 of one unit and
// the pattern expected in input register 8 of the other, masked with 3840.
struct PassoDigitale {
    uint16_t scritto, atteso;
};
struct CicloDigitale {
    uint8_t scrive, legge;
    std::array<PassoDigitale, 3> passi;
};
inline constexpr CicloDigitale CicloIngressi{10, 1, {{{0, 256}, {256, 512}, {512, 1024}}}};
inline constexpr CicloDigitale CicloUscite{1, 10, {{{256, 256}, {512, 512}, {1024, 1024}}}};

// Output constants: each 16-bit value low byte first.
std::array<uint8_t, 4> ByteCostanti(int16_t primo, int16_t secondo);

// The K of a reading: v and K, the caption ("99.80(1.0020)" in the locale's
// decimal separator), the colour, and whether K may go into the slot. A
// failed read or a v of 0 or less gives K 0, red and not written: the slot
// keeps the 1.0 of the row's start instead of losing the calibration.
struct EsitoK {
    double v = 0;
    double K = 0;
    QString testo;
    ColoreCollaudo stato = CollaudoFallito;
    bool scrivi = false;
};
EsitoK CalcolaEsitoK(std::optional<int> grezzo, int16_t scala, double fondoScala,
                     const QLocale& locale = QLocale());

// A value as the result labels show it: "0.00".
QString TestoMisura(double v, const QLocale& locale = QLocale());
// The operator's prompt for a reference: "Set Cal : " and the value as the
// workstation writes a number.
QString TestoSetCal(double valore, const QLocale& locale = QLocale());

class Banco8566 {
public:
    explicit Banco8566(QuadroBanco8566& quadro);

    // The bench link (Modbus TCP to the bench address, node 1; the
    // workstation's connection from now on), the relay line on COM 3 and
    // the multimeter line, each opened only when it is not open yet.
    void cmd_banco_Click();
    // Runs row Index; refused while another row runs.
    void cmd_coll_Click(int Index);
    bool InCorso() const { return m_inCorso; }

    // Puts multimeter n in state stato ("REM": then measuring grandezza DC).
    void Conf_Mult(uint8_t n, const QString& stato, const QString& grandezza);

    LineaStrumento& SerialeMult() { return m_mult; }
    const VoceBanco8566& Voce() const { return m_voce; }

private:
    bool Rifiuta() const;
    void SelezionaCanale();
    void PreparaMisura();
    void ChiediSetCal(uint8_t tipo, double valore);
    void CalcolaK(int Index);
    void MisuraPunti(int Index);
    bool MisuraPunto(double riferimento);
    void CicloMisura1(int Index) { CicloMisura(Index, CicloIngressi); }
    void CicloMisura2(int Index) { CicloMisura(Index, CicloUscite); }
    void CicloMisura(int Index, const CicloDigitale& ciclo);
    void ScriviCalibrazione(uint8_t nodo, uint8_t indice, double valore);
    void ScriviCostanti(uint8_t nodo, uint8_t indice, int16_t primo, int16_t secondo);
    void Scrivi(uint8_t nodo, int registro, double valore);

    QuadroBanco8566& m_quadro;
    LineaStrumento m_mult{QStringLiteral("SerialeMult_0")};
    VoceBanco8566 m_voce;
    bool m_inCorso = false;
};
