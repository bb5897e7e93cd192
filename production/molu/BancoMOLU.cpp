#include "production/molu/BancoMOLU.h"

#include "base/Attesa.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Comunica.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/EventiCollegamento.h"
#include "comm/PuntiRete.h"
#include "comm/Rete.h"
#include "comm/Richiesta.h"
#include "production/molu/VoceArp.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace {
// Bench units and registers.
constexpr uint8_t kUnitaIngressi = 1;   // inputs and the DC/range/button outputs
constexpr uint8_t kUnitaBanco = 10;     // the AC relay; the link's unit on the bench
constexpr int kRegistroIngressi = 8;
constexpr int kRegistroUscite = 9;
// The device's RS-485 side: the unit behind it and the answer it must give.
constexpr uint8_t kUnitaRS485 = 10;
constexpr uint8_t kUnitaSbagliata = 11;
constexpr int kRispostaRS485 = 0x0900;

// In plain decimal: the web page, the upload and the ARP entry reach the
// device the endpoint names, not an octal reading of it.
QString IndirizzoDispositivo() { return HostDecimale(PuntiRete::Valore(QStringLiteral("molu/dispositivo"))); }
}  // namespace

struct BancoMOLU::Attivita {
    BancoMOLU* b;
    explicit Attivita(BancoMOLU* banco) : b(banco) { ++b->m_attivi; }
    ~Attivita()
    {
        if (--b->m_attivi == 0) emit b->Libero();
    }
};

QString PercorsoFirmware(int pulsante, int variante)
{
    if (variante != 0 && variante != 1) return {};
    if (pulsante == 0) return PuntiRete::Valore(QStringLiteral("molu/factory"));
    if (pulsante == 1) return PuntiRete::Valore(variante == 0 ? QStringLiteral("molu/upgrade_a") : QStringLiteral("molu/upgrade_b"));
    return {};
}

BancoMOLU::BancoMOLU(VistaMOLU& vista) : m_vista(vista)
{
    Timer.setInterval(500);
    connect(&Timer, &QTimer::timeout, this, &BancoMOLU::Timer_Timer);
}

void BancoMOLU::ConnettiBanco()
{
    Timer.stop();
    Disconnetti();
    Controllore.TipoConnessione = CollegamentoEthernet;
    Controllore.IndirizzoIP = PuntiRete::Valore(QStringLiteral("molu/banco"));
    Controllore.Nodo = kUnitaBanco;
    Connetti();
    // On even when the connect failed: the caller stops it again then.
    Timer.start();
}

void BancoMOLU::ConnettiEUT()
{
    Timer.stop();
    Disconnetti();
    Controllore.TipoConnessione = CollegamentoEthernet;
    const int variante = m_vista.Variante();
    if (variante == 0 || variante == 1 || variante == 2) {
        Controllore.IndirizzoIP = IndirizzoDispositivo();
        Controllore.Nodo = variante == 2 ? 128 : 255;
    }
    Connetti();
}

void BancoMOLU::cmd_connetti_Click(int indice)
{
    const Attivita a(this);
    if (indice == 0) {
        ConnettiBanco();
        const bool su = Controllore.Connesso;
        if (su) ReleAC = Pulsante = false;
        su ? Timer.start() : Timer.stop();
        m_vista.AbilitaHardware(su);
    } else if (indice == 1) {
        Timer.stop();
        m_vista.AbilitaHardware(false);
    }
}

void BancoMOLU::Command1_Click()
{
    const Attivita a(this);
    ReleAC = true;
    ImpostaUscite();
}

void BancoMOLU::cmd_rele_Click(int indice)
{
    const Attivita a(this);
    // Break before make: the refresh runs during the wait and writes both
    // relays off before the new one is switched on.
    m_vista.RelePremuto(-1);
    if (indice == 0) {
        ReleAC = false;
        Attesa(1);
        ReleDC = true;
    } else if (indice == 1) {
        ReleDC = false;
        Attesa(1);
        ReleAC = true;
    } else if (indice == 2) {
        ReleDC = ReleAC = false;
    }
    m_vista.RelePremuto(indice);
}

void BancoMOLU::cmd_puls_Click(bool premuto)
{
    Pulsante = premuto;
}

void BancoMOLU::Timer_Timer()
{
    // A tick can come while the previous refresh (or another transaction)
    // still waits for its answer: that tick is skipped.
    if (m_aggiornamento || TransazioneInCorso()) return;
    const Attivita a(this);
    m_aggiornamento = true;
    const int v = int(LeggiRegistroInput(kUnitaIngressi, kRegistroIngressi));
    for (int i = 0; i < 2; ++i) m_vista.Lampada(i, (v & (256 << i)) != 0);
    ImpostaUscite();
    m_aggiornamento = false;
}

void BancoMOLU::ImpostaUscite()
{
    double uscite = (ReleDC ? 256 : 0) + (m_vista.Misura3V() ? 512 : 0) + (Pulsante ? 1024 : 0);
    ScriviRegistro(kUnitaIngressi, kRegistroUscite, uscite);
    double ac = ReleAC ? 768 : 0;
    ScriviRegistro(kUnitaBanco, kRegistroUscite, ac);
}

void BancoMOLU::lst_device_Click()
{
    const Attivita a(this);
    ConnettiEUT();
    m_vista.AbilitaFirmware(true);
}

void BancoMOLU::cmd_set_Click(int)
{
    const Attivita a(this);
    const QString testo = m_vista.Versione();
    if (testo.isEmpty()) {
        Prompt::MsgBox(QStringLiteral("Version: type one character"), Prompt::Avviso);
        return;
    }
    ConnettiEUT();
    BufferTrasferimento[0] = uint8_t(testo.at(0).toLatin1());
    ScriviMemoria(Controllore.Nodo, 1, 0, 1);
}

void BancoMOLU::cmd_test_Click(int)
{
    const Attivita a(this);
    if (TestInCorso) return;
    ConnettiEUT();
    if (Controllore.Connesso) {
        double quattro = 4;
        ScriviRegistro(Controllore.Nodo, 5, quattro);
        m_vista.EsitoTest(CollaudoInCorso);
        int cattive = 0;
        TestInCorso = true;
        while (TestInCorso) {
            ComponiRichiesta({m_vista.ErroreRS485() ? kUnitaSbagliata : kUnitaRS485, 4, 0, 1, 0, 1});
            bool buona = false;
            if (Comunica(true) == ComOk && LunghezzaRisposta() >= 5)
                buona = buff_rx[3] * 256 + buff_rx[4] == kRispostaRS485;
            else
                Eventi().Evento(QStringLiteral("Error"), true);
            // A failed transaction is a bad answer too, never the last good
            // reading again.
            if (!buona) {
                m_vista.EsitoTest(CollaudoFallito);
                ++cattive;
            }
            QCoreApplication::processEvents();
        }
        m_vista.EsitoTest(cattive > 0 ? CollaudoFallito : CollaudoPassato);
    }
    ConnettiBanco();
    Timer.start();
}

void BancoMOLU::cmd_stop_test_Click()
{
    TestInCorso = false;
}

void BancoMOLU::Ferma()
{
    TestInCorso = false;
    Timer.stop();
}

UploadFirmware::Esito BancoMOLU::cmd_upload_Click(int indice)
{
    const Attivita a(this);
    if (m_upload.SocketConnesso()) return UploadFirmware::Esito::Occupato;
    return m_upload.UploadFile(IndirizzoDispositivo(), quint16(PuntiRete::Intero(QStringLiteral("molu/upload"))),
                               PercorsoFirmware(indice, m_vista.Variante()));
}

void BancoMOLU::cmd_view_Click()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://%1/").arg(IndirizzoDispositivo())));
}

void BancoMOLU::Command2_Click()
{
    const Attivita a(this);
    const QString indirizzo = IndirizzoDispositivo();
    const EsitoVoceArp e = CancellaVoceArp(indirizzo);
    if (e.riuscito)
        Eventi().Evento(QStringLiteral("ARP entry removed [%1]").arg(indirizzo));
    else
        Prompt::MsgBox(e.errore, Prompt::Avviso);
}
