#include "production/controllerbench/BancoCollaudo.h"

#include "base/Attesa.h"
#include "base/Conversioni.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Comunica.h"
#include "comm/Connessione.h"
#include "comm/Dispositivo.h"
#include "comm/PuntiRete.h"
#include "comm/Richiesta.h"
#include "production/memory/FileHex.h"
#include "production/memory/TrasferimentoMemoria.h"
#include "registers/TabRegistri.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr uint8_t kNodoCollaudo = 10;
// The image fills addresses 0..65,000; the long download ends with the
// block that holds the last of them.
constexpr int kByteImmagine = 65001;
constexpr int kFineImmagine = 65000 / ByteBlocco + 1;
constexpr int kBlocchiSistema = 512 / ByteBlocco;
constexpr qint64 kLimiteRs485Ms = 30000;
constexpr int kScambiRs485 = 500;
constexpr uint16_t kTipoNonRiconosciuto = 2304;

// Pattern written to holding register 9, bits 8..11 expected in input
// register 8 of the other unit: the fixture's relays, each with a normally
// open and a normally closed contact.
constexpr std::array<std::pair<double, double>, 4> kSchemiIO{{{256, 2304}, {512, 1536}, {768, 1280}, {0, 2560}}};

void Scrivi(uint8_t nodo, int registro, double valore)
{
    ScriviRegistro(nodo, registro, valore);
}

// A reading as a number's plain text form shows it: seven significant
// digits, the workstation's decimal separator.
QString TestoLettura(float v)
{
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    return loc.toString(double(v), 'g', 7);
}

std::optional<int> PortaScelta(const QString& scelta)
{
    if (!scelta.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) return std::nullopt;
    bool ok = false;
    const int k = scelta.mid(3).toInt(&ok);
    return ok && k > 0 ? std::optional<int>(k) : std::nullopt;
}

void SeguiScelta(LineaStrumento& linea, const QString& scelta)
{
    const std::optional<int> k = PortaScelta(scelta);
    if (!k) {
        linea.Chiudi();
    } else if (!linea.Aperta() || linea.Porta() != *k) {
        linea.Apri(*k, QStringLiteral("9600,n,8,1"));
    }
}

}  // namespace

BancoCollaudo::BancoCollaudo(PannelloCollaudo& pannello) : m_p(pannello)
{
    Cronometro = [] {
        static QElapsedTimer t;
        if (!t.isValid()) t.start();
        return t.elapsed();
    };
    OraPC = [] { return QDateTime::currentDateTime(); };
}

QString BancoCollaudo::ModoMult() const
{
    return m_p.SceltaMult();
}

QString BancoCollaudo::ModoAlim() const
{
    return m_p.SceltaAlim();
}

void BancoCollaudo::PorteCambiate()
{
    SeguiScelta(m_mult, m_p.SceltaMult());
    SeguiScelta(m_alim, m_p.SceltaAlim());
}

void BancoCollaudo::cmd_start_Click()
{
    if (m_inCorso) return;
    m_inCorso = true;
    m_stop = false;
    Esegui();
    m_inCorso = false;
}

void BancoCollaudo::Esegui()
{
    PorteCambiate();
    m_p.MostraIndirizzo(PuntiRete::Valore(QStringLiteral("collaudo/host")));
    auto alim = [this](bool acceso, const char* volt, double attesa) {
        return [=, this] {
            Collaudo::ImpostaAlim(*this, acceso, QString::fromLatin1(volt));
            Attesa(attesa);
        };
    };
    auto giallo = [this](int prova) {
        return [=, this] {
            if (m_p.ProvaScelta(prova)) m_p.ColoraProva(prova, CollaudoInCorso);
        };
    };
    auto se = [this](int prova, std::function<void()> f) {
        return [=, this] {
            if (m_p.ProvaScelta(prova)) f();
        };
    };
    // Each step is followed by a stop test.
    const std::vector<std::function<void()>> init = {
        [this] { m_immagine = LeggiImmagine(); },
        [this] {
            Disconnetti();
            Controllore.TipoConnessione = CollegamentoSeriale;
            Controllore.Porta = int16_t(m_p.PortaEut() + 1);
            Controllore.BaudRate = QStringLiteral("9600");
            Controllore.Nodo = kNodoCollaudo;
        },
        alim(false, "0", 0.5),
        [] { Prompt::MsgBox(QStringLiteral("Chiudere switch INIT"), Prompt::Avviso); },
        giallo(0),
        [this] { ProvaDispositivo(1); },
        giallo(2),
        [this] { ProvaDispositivo(3); },
        [this] { ProvaDownload(4); },
        alim(false, "0", 0.5),
        [] { Prompt::MsgBox(QStringLiteral("Aprire switch INIT"), Prompt::Avviso); },
        alim(true, "24", 2),
        se(5, [this] {
            CollegaTcp();
            Connetti();
            Attesa(0.5);
            Colora(5, Controllore.Connesso);
        }),
        [this] { ProvaDownload(6); },
    };
    const std::vector<std::function<void()>> base = {
        [this] {
            CollegaTcp();
            Connetti();
            Attesa(1);
        },
        se(7, [this] { Rs485(); }),
        se(8, [this] { SerieIO(UnitaBanco, Controllore.Nodo, 0); }),
        se(9, [this] { SerieIO(Controllore.Nodo, UnitaBanco, 4); }),
        se(10, [this] { ScriviOrologio(); }),
    };
    for (int stadio = 0; stadio < 2; ++stadio) {
        if (!m_p.Stadio(stadio)) continue;
        for (const auto& passo : stadio == 0 ? init : base) {
            passo();
            if (m_stop) return;
        }
    }
}

BancoCollaudo::Immagine BancoCollaudo::LeggiImmagine()
{
    QFile f(FileImmagineCollaudo);
    if (!f.open(QIODevice::ReadOnly)) {
        Prompt::MsgBox(FileImmagineCollaudo + QStringLiteral(": file non trovato"));
        return Immagine::Mancante;
    }
    const QByteArray testo = f.readAll();
    f.close();
    const auto valori = LeggiFileHex(testo, kByteImmagine, [this] {
        QCoreApplication::processEvents();
        return !m_stop;
    });
    if (m_stop) return Immagine::Fermata;
    if (!valori) {
        Prompt::MsgBox(FileImmagineCollaudo + QStringLiteral(": file non valido"));
        return Immagine::NonValida;
    }
    std::copy(valori->cbegin(), valori->cend(), BufferEeprom.begin());
    // The long download also writes the rest of the image's last block: it
    // goes out as zeros, not as what another tool left in the buffer.
    std::fill(BufferEeprom.begin() + kByteImmagine, BufferEeprom.begin() + ByteBlocco * kFineImmagine, uint8_t(0));
    return Immagine::Letta;
}

void BancoCollaudo::Colora(int prova, bool riuscita)
{
    m_p.ColoraProva(prova, riuscita ? CollaudoPassato : CollaudoFallito);
}

void BancoCollaudo::CollegaTcp()
{
    Disconnetti();
    Controllore.TipoConnessione = CollegamentoEthernet;
    Controllore.IndirizzoIP = PuntiRete::Valore(QStringLiteral("collaudo/host"));
    Controllore.Porta = int16_t(PuntiRete::Intero(QStringLiteral("collaudo/porta")));
    Controllore.Nodo = kNodoCollaudo;
    m_p.MostraIndirizzo(Controllore.IndirizzoIP);
}

void BancoCollaudo::ProvaDispositivo(int prova)
{
    if (!m_p.ProvaScelta(prova)) return;
    m_p.ColoraProva(prova, CollaudoInCorso);
    Colora(prova, VerificaDispositivo() == 0);
}

void BancoCollaudo::ProvaDownload(int prova)
{
    if (!m_p.ProvaScelta(prova)) return;
    m_p.ColoraProva(prova, CollaudoInCorso);
    // A missing or spoiled image must not go out as firmware.
    if (m_immagine != Immagine::Letta) {
        Colora(prova, false);
        return;
    }
    if (prova == 4) {
        Colora(prova, DownloadFileHex(0, kBlocchiSistema, false) == DownloadRiuscito);
        return;
    }
    ImpostaDebug(-1);
    Attesa(0.5);
    m_p.AbilitaTimer1(true);
    const bool riuscita = DownloadFileHex(kBlocchiSistema, kFineImmagine, false) == DownloadRiuscito;
    m_p.AbilitaTimer1(false);
    Colora(prova, riuscita);
}

void BancoCollaudo::Rs485()
{
    const uint8_t nodo = Controllore.Nodo;
    m_p.ColoraProva(7, CollaudoInCorso);
    for (int r : {16, 26, 27}) Scrivi(UnitaBanco, r, 0);
    for (int r : {16, 27}) Scrivi(nodo, r, 0);
    ImpostaDebug(0);
    Attesa(1);
    Scrivi(UnitaBanco, 26, 1);
    Attesa(1);
    const qint64 t0 = Cronometro();
    for (;;) {
        // A red verdict ends the pass: a count read after it must not turn
        // the test green.
        if (Cronometro() - t0 > kLimiteRs485Ms || LeggiRegistroInput(UnitaBanco, 26) != 1) {
            Colora(7, false);
            break;
        }
        TabRegistri[27].Valore = int32_t(LeggiRegistroInput(nodo, 27));
        m_p.MostraConteggio(QString::number(TabRegistri[27].Valore) + QStringLiteral("/500"));
        if (TabRegistri[27].Valore > kScambiRs485) {
            Colora(7, true);
            break;
        }
        QCoreApplication::processEvents();
    }
    Scrivi(UnitaBanco, 26, 0);
}

void BancoCollaudo::SerieIO(uint8_t scrivi, uint8_t leggi, int primoLed)
{
    for (int i = 0; i < 4; ++i) m_p.ColoraLed(primoLed + i, CollaudoInCorso);
    for (const auto& [schema, atteso] : kSchemiIO) VerificaIO(scrivi, leggi, schema, atteso, primoLed);
}

void BancoCollaudo::VerificaIO(uint8_t scrivi, uint8_t leggi, double schema, double atteso, int primoLed)
{
    Scrivi(scrivi, 9, schema);
    Scrivi(leggi, 8, 0);
    Attesa(0.1);
    // A failed read says nothing about the inputs: it fails all four.
    const std::optional<int> v = LeggiInput(leggi, 8);
    for (int i = 0; i < 4; ++i) {
        const int maschera = 1 << (8 + i);
        const int led = primoLed + i;
        const bool uguale = v && (*v & maschera) == (int(atteso) & maschera);
        m_p.ColoraLed(led, uguale && m_p.ColoreLed(led) != CollaudoFallito ? CollaudoPassato : CollaudoFallito);
    }
}

uint8_t BancoCollaudo::VerificaConsumo(uint8_t volt, uint8_t minimo, uint8_t massimo)
{
    Collaudo::ImpostaAlim(*this, true, QString::number(volt));
    Attesa(1);
    for (;;) {
        const std::optional<float> corrente = Collaudo::LeggiMult(*this, 0);
        if (!corrente) return 1;
        if (*corrente >= minimo && *corrente <= massimo) return 0;
        const QString testo = QStringLiteral("ERRORE: CONSUMO =") + TestoLettura(*corrente) + QStringLiteral("mA [") +
                              QString::number(minimo) + QChar(0x00F7) + QString::number(massimo) + QStringLiteral("]");
        const int scelta = Prompt::MsgBox(testo, Prompt::InterrompiRiprovaIgnora);
        if (scelta == Prompt::Ignora) return 0;
        if (scelta != Prompt::Riprova) return 1;
    }
}

uint8_t BancoCollaudo::VerificaDispositivo()
{
    Connetti();
    Attesa(1);
    LeggiRegistroInput(Controllore.Nodo, 0);
    // On a serial line "connected" only means the port is open: the
    // controller must also answer both reads.
    bool modello = false;
    std::optional<int> tipo;
    if (Controllore.Connesso) {
        LeggiModello(Controllore.Modello, &modello);
        tipo = LeggiInput(Controllore.Nodo, 1);
    }
    if (!Controllore.Connesso || !modello || !tipo) {
        Prompt::MsgBox(QStringLiteral("ERRORE COM"));
        return 1;
    }
    if (*tipo != kTipoNonRiconosciuto) return 0;
    return Prompt::MsgBox(QStringLiteral("DISPOSITIVO NON RICONOSCIUTO, continuare?"), Prompt::OkAnnulla) == Prompt::Annulla
               ? 1
               : 0;
}

void BancoCollaudo::ScriviOrologio()
{
    const QDateTime ora = OraPC();
    const QDate d = ora.date();
    const QTime t = ora.time();
    if (d.year() < 2000 || d.year() > 2099) {
        Prompt::MsgBox(QStringLiteral("RTCC: anno del PC fuori da 2000") + QChar(0x00F7) + QStringLiteral("2099"));
        return;
    }
    m_p.ImpostaOrologio({d.day() - 1, d.month() - 1, d.year() - 2000, QString::number(t.hour()),
                         QString::number(t.minute()), QString::number(t.second())});
    // The request is built from what the fields show, each number sent as
    // two BCD digits.
    const CampiOrologio c = m_p.Orologio();
    auto bcd = [](const QString& testo) { return int(HexToByte(testo)); };
    auto pos = [&](int p) { return bcd(QString::number(p)); };
    ComponiRichiesta({Controllore.Nodo, 16, 0, 22, 0, 4, 8, 0, bcd(c.secondi), bcd(c.minuti), bcd(c.ore), 0,
                      pos(c.giorno + 1), pos(c.mese + 1), pos(c.anno)});
    Comunica(true);
}
