#include "production/bench8566/Banco8566.h"

#include "base/Attesa.h"
#include "base/Conversioni.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/PuntiRete.h"
#include "production/controllerbench/Collaudo.h"
#include "production/qvrforms/ImmagineQVR8566.h"
#include "production/qvrforms/ValoriQVR.h"

#include <cmath>

namespace {
const QString kImpostazioni = QStringLiteral("9600,n,8,1");
constexpr int kPortaRele = 3;
constexpr uint8_t kModulo = 1;   // the module's measured values and outputs
constexpr int kSelezioneSorgente = 1216;
constexpr Risultato kPunti[3] = {Risultato::Zero, Risultato::Mezzo, Risultato::Span};

QLocale SenzaGruppi(QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

void Tieni(uint8_t& campo, int valore)
{
    if (valore != kTenuto) campo = uint8_t(valore);
}
}  // namespace

void ApplicaRiga(VoceBanco8566& v, const RigaBanco8566& r)
{
    Tieni(v.NodoCal, r.NodoCal);
    Tieni(v.CanaleIngresso, r.CanaleIngresso);
    Tieni(v.Uscita, r.Uscita);
    Tieni(v.SelRele, r.SelRele);
    Tieni(v.TipoSorgente, r.TipoSorgente);
    Tieni(v.TipoIngresso, r.TipoIngresso);
    v.SetZero = r.SetZero;
    v.SetMezzo = r.SetMezzo;
    v.SetSpan = r.SetSpan;
    v.FondoScala = r.FondoScala;
    v.Scala = int16_t(r.Scala);
    v.Tolleranza = r.Tolleranza;
}

QList<std::pair<uint8_t, uint8_t>> ChiusureRele(const VoceBanco8566& v)
{
    // The analog outputs reach the multimeter through card 2 alone.
    if (v.TipoSorgente == SorgenteUscita) return {{2, 3}, {2, 4}, {2, 5}};
    QList<std::pair<uint8_t, uint8_t>> out;
    switch (v.TipoSorgente) {
    case SorgenteMillivolt:
    case SorgenteTensione:
        out = {{1, uint8_t(4 + v.SelRele)}, {1, 9}};
        break;
    case SorgenteCorrente:
        out = {{1, uint8_t(1 + v.SelRele)}, {1, 6}};
        break;
    case SorgenteResistenza:
        out = {{1, 4}, {1, 5}, {1, 12}};
        break;
    default:
        break;
    }
    out.append({1, uint8_t(13 + v.Uscita)});
    return out;
}

std::array<uint8_t, 4> ByteCostanti(int16_t primo, int16_t secondo)
{
    const Byte3 a = IntToByte(primo);
    const Byte3 b = IntToByte(secondo);
    return {a[0], a[1], b[0], b[1]};
}

QString TestoMisura(double v, const QLocale& locale)
{
    return SenzaGruppi(locale).toString(v, 'f', 2);
}

QString TestoSetCal(double valore, const QLocale& locale)
{
    return QStringLiteral("Set Cal : ") + SenzaGruppi(locale).toString(valore, 'g', 15);
}

EsitoK CalcolaEsitoK(std::optional<int> grezzo, int16_t scala, double fondoScala, const QLocale& locale)
{
    EsitoK e;
    if (grezzo) e.v = double(*grezzo) / scala;
    if (grezzo && e.v > 0) {
        e.K = fondoScala / e.v;
        e.scrivi = true;
        e.stato = std::abs(1 - e.K) <= 0.1 ? CollaudoPassato : CollaudoFallito;
    }
    e.testo = TestoMisura(e.v, locale) + QLatin1Char('(') + SenzaGruppi(locale).toString(e.K, 'f', 4) +
              QLatin1Char(')');
    return e;
}

Banco8566::Banco8566(QuadroBanco8566& quadro) : m_quadro(quadro) {}

bool Banco8566::Rifiuta() const
{
    // The waits keep the window alive, so a click can land while a row or
    // the connect runs; both would share the link and the item.
    if (!m_inCorso) return false;
    Prompt::MsgBox(QStringLiteral("Test already running"));
    return true;
}

void Banco8566::cmd_banco_Click()
{
    if (Rifiuta()) return;
    m_inCorso = true;
    Disconnetti();
    Controllore.TipoConnessione = CollegamentoEthernet;
    Controllore.IndirizzoIP = PuntiRete::Valore(QStringLiteral("banco8566/host"));
    Controllore.Nodo = 1;
    Connetti();
    LineaStrumento& rele = Seriale_switch();
    if (!rele.Aperta() && !rele.Apri(kPortaRele, kImpostazioni))
        Prompt::MsgBox(QStringLiteral("Relay port COM%1 not available").arg(kPortaRele));
    if (!m_mult.Aperta()) {
        const int com = PuntiRete::Intero(QStringLiteral("banco8566/mult"));
        if (!m_mult.Apri(com, kImpostazioni))
            Prompt::MsgBox(QStringLiteral("Multimeter port COM%1 not available").arg(com));
    }
    m_inCorso = false;
}

void Banco8566::cmd_coll_Click(int Index)
{
    if (Index < 0 || Index >= int(RigheBanco8566.size()) || Rifiuta()) return;
    const RigaBanco8566& riga = RigheBanco8566[size_t(Index)];
    m_inCorso = true;
    switch (riga.azione) {
    case AzioneRiga::Analogica:
        ApplicaRiga(m_voce, riga);
        PreparaMisura();
        CalcolaK(Index);
        MisuraPunti(Index);
        break;
    case AzioneRiga::CicloIngressi:
        CicloMisura1(Index);
        break;
    case AzioneRiga::CicloUscite:
        CicloMisura2(Index);
        break;
    case AzioneRiga::Nessuna:
        break;
    }
    m_inCorso = false;
}

void Banco8566::SelezionaCanale()
{
    for (uint8_t canale = 1; canale <= 17; ++canale) {
        Collaudo::ComandaRele(1, canale, false);
        Collaudo::ComandaRele(2, canale, false);
    }
    for (const auto& [scheda, canale] : ChiusureRele(m_voce)) Collaudo::ComandaRele(scheda, canale, true);
}

void Banco8566::PreparaMisura()
{
    if (m_voce.TipoSorgente == SorgenteUscita) {
        Conf_Mult(0, QStringLiteral("REM"), QStringLiteral("CURR"));
    } else {
        Scrivi(kModulo, kSelezioneSorgente, 256.0 * m_voce.CanaleIngresso * m_voce.TipoSorgente);
        ChiediSetCal(m_voce.TipoSorgente, m_voce.FondoScala);
    }
    SelezionaCanale();
    Attesa(2);
}

void Banco8566::ChiediSetCal(uint8_t, double valore)
{
    Prompt::MsgBox(TestoSetCal(valore));
}

void Banco8566::CalcolaK(int Index)
{
    const int registro = 32 + m_voce.Uscita;
    if (m_voce.TipoSorgente == SorgenteUscita) {
        m_quadro.ImpostaStato(Risultato::KZero, Index, CollaudoInCorso);
        m_quadro.ImpostaStato(Risultato::KSpan, Index, CollaudoInCorso);
        ScriviCostanti(kModulo, m_voce.Uscita, 0, 20000);
        Attesa(2);
        Scrivi(kModulo, registro, 0);
        Scrivi(kModulo, registro, 20000);
        return;
    }
    m_quadro.ImpostaStato(Risultato::K, Index, CollaudoInCorso);
    ScriviCalibrazione(m_voce.NodoCal, m_voce.TipoIngresso, 1.0);
    ChiediSetCal(m_voce.TipoSorgente, m_voce.FondoScala);
    Attesa(4);
    const EsitoK e = CalcolaEsitoK(LeggiInput(kModulo, 26 + m_voce.CanaleIngresso), m_voce.Scala, m_voce.FondoScala);
    m_quadro.ImpostaTesto(Risultato::K, Index, e.testo);
    m_quadro.ImpostaStato(Risultato::K, Index, e.stato);
    if (e.scrivi) ScriviCalibrazione(m_voce.NodoCal, m_voce.TipoIngresso, e.K);
    Attesa(1);
}

void Banco8566::MisuraPunti(int Index)
{
    for (Risultato r : kPunti) m_quadro.ImpostaStato(r, Index, CollaudoInCorso);
    const double riferimenti[3] = {m_voce.SetZero, m_voce.SetMezzo, m_voce.SetSpan};
    for (int i = 0; i < 3; ++i) {
        const bool passato = MisuraPunto(riferimenti[i]);
        m_quadro.ImpostaStato(kPunti[i], Index, passato ? CollaudoPassato : CollaudoFallito);
        m_quadro.ImpostaTesto(kPunti[i], Index, TestoMisura(m_voce.Misura));
    }
}

bool Banco8566::MisuraPunto(double riferimento)
{
    std::optional<double> grezzo;
    if (m_voce.TipoSorgente == SorgenteUscita) {
        Scrivi(kModulo, 32 + m_voce.Uscita, riferimento);
        Attesa(5);
        // The multimeter reads the output current in milliamperes; the row's
        // references are microamperes.
        if (const auto mA = Collaudo::LeggiMultSeriale(m_mult)) grezzo = std::round(double(*mA) * 1000);
    } else {
        ChiediSetCal(m_voce.TipoSorgente, riferimento);
        Attesa(2);
        grezzo = LeggiInput(kModulo, 26 + m_voce.CanaleIngresso);
    }
    m_voce.Misura = grezzo.value_or(0) / m_voce.Scala;
    // A failed read is no measurement: it must not pass a reference near 0.
    return grezzo && std::abs(m_voce.Misura - riferimento) <= m_voce.Tolleranza;
}

void Banco8566::CicloMisura(int Index, const CicloDigitale& ciclo)
{
    for (Risultato r : kPunti) m_quadro.ImpostaStato(r, Index, CollaudoInCorso);
    for (size_t i = 0; i < ciclo.passi.size(); ++i) {
        Scrivi(ciclo.scrive, 9, ciclo.passi[i].scritto);
        Attesa(0.5);
        const std::optional<int> letto = LeggiInput(ciclo.legge, 8);
        const bool passato = letto && (*letto & 3840) == ciclo.passi[i].atteso;
        m_quadro.ImpostaStato(kPunti[i], Index, passato ? CollaudoPassato : CollaudoFallito);
    }
}

void Banco8566::ScriviCalibrazione(uint8_t nodo, uint8_t indice, double valore)
{
    const Byte3 b = ByteK8566(valore);
    std::copy(b.begin(), b.end(), BufferTrasferimento.begin());
    ScriviMemoria(nodo, IndirizziQVR8566::K + 3 * indice, 0, int(b.size()));
}

void Banco8566::ScriviCostanti(uint8_t nodo, uint8_t indice, int16_t primo, int16_t secondo)
{
    const auto b = ByteCostanti(primo, secondo);
    std::copy(b.begin(), b.end(), BufferTrasferimento.begin());
    ScriviMemoria(nodo, 20 + 4 * indice, 0, int(b.size()));
}

void Banco8566::Scrivi(uint8_t nodo, int registro, double valore)
{
    ScriviRegistro(nodo, registro, valore);
}

void Banco8566::Conf_Mult(uint8_t n, const QString& stato, const QString& grandezza)
{
    // The window has one multimeter line, element 0.
    LineaStrumento* linea = n == 0 ? &m_mult : nullptr;
    if (!linea || !linea->Aperta()) {
        Prompt::MsgBox(QStringLiteral("Multimeter port not open"));
        return;
    }
    linea->Invia(":SYST:" + stato.toLatin1() + "\r\n");
    Attesa(0.5);
    if (stato == u"REM") {
        linea->Invia(":CONF:" + grandezza.toLatin1() + ":DC\r\n");
        Attesa(0.5);
    }
}
