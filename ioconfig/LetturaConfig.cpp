#include "ioconfig/LetturaConfig.h"

#include "base/Attesa.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Comunica.h"
#include "comm/Dispositivo.h"
#include "comm/Richiesta.h"
#include "ioconfig/DecodificaConfig.h"
#include "ioconfig/ModelliConfig.h"
#include "ioconfig/TipoIngresso.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>

namespace {
// One function-4 read; false when the transaction fails or its reply holds
// fewer registers than asked (never decoded from an older reply's bytes).
bool LeggiRegistri(uint8_t unita, int inizio, int quanti, RegistriLetti& r, QString& errore)
{
    ComponiRichiesta({unita, 4, Alto(inizio), Basso(inizio), Alto(quanti), Basso(quanti)});
    if (Comunica(true) != ComOk) return false;
    if (LunghezzaRisposta() < 3 + 2 * quanti || buff_rx[2] < 2 * quanti) {
        errore = QStringLiteral("Reply too short");
        return false;
    }
    r.inizio = inizio;
    r.valori.clear();
    for (int i = 0; i < quanti; ++i) r.valori << uint16_t(buff_rx[3 + 2 * i] << 8 | buff_rx[4 + 2 * i]);
    return true;
}
} // namespace

std::optional<uint8_t> UnitaConfig(const QString& testo)
{
    bool ok = false;
    const double v = testo.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    // Halves go to the even neighbour, as the classic byte conversion does.
    const double r = std::nearbyint(v);
    if (r < 0 || r > 255) return std::nullopt;
    return uint8_t(r);
}

LetturaConfig::~LetturaConfig()
{
    *m_vivo = false;
    if (m_ciclo) ComErr = 1;
}

void LetturaConfig::cmd_read_Click(int index)
{
    if (index != 0 && index != 7) return;
    const std::shared_ptr<bool> vivo = m_vivo;
    AbilitaInvio = false;
    QString errore;
    bool fallita = false;
    const std::optional<uint8_t> unita = UnitaConfig(m_c.Testo(Ctl("Indirizzo")));
    if (!unita) {
        errore = QStringLiteral("Address not valid");
        fallita = true;
    } else if (index == 7) {
        LetturaSoglie(*unita);
    } else {
        fallita = !LetturaCompleta(*unita, errore);
    }
    if (!*vivo) return;
    if (fallita) {
        Prompt::MsgBox(errore, Prompt::Critica, TitoloErroreLettura);
        if (!*vivo) return;
        cmd_stop_Click();
    }
    AbilitaInvio = true;
}

bool LetturaConfig::LetturaCompleta(uint8_t unita, QString& errore)
{
    const std::shared_ptr<bool> vivo = m_vivo;
    const int k = ModelloConfig(m_c.Testo(Ctl("modello")));
    for (const RichiestaLettura& p : PassiLettura(k)) {
        if (p.passo == PassoLettura::TipiQVR8566) {
            TipiQVR8566(unita);
        } else {
            RegistriLetti r;
            const bool letta = LeggiRegistri(unita, p.inizio, p.quanti, r, errore);
            if (!*vivo || !letta) return false;
            errore = DecodificaPasso(m_c, k, p.passo, r);
            if (!errore.isEmpty()) return false;
        }
        if (!*vivo) return false;
    }
    return true;
}

void LetturaConfig::TipiQVR8566(uint8_t unita)
{
    const std::shared_ptr<bool> vivo = m_vivo;
    if (Modelli[Controllore.Modello % NumModelli].Codice == CodiceTipiInMemoria) {
        double accesso = CodiceAccesso;
        ScriviRegistro(unita, RegistroAccesso, accesso);
        if (!*vivo) return;
        LeggiTipoIngresso(m_c, NodoPrimoCanale, 0);
        if (!*vivo) return;
        LeggiTipoIngresso(m_c, NodoSecondoCanale, 1);
        if (!*vivo) return;
        double chiuso = 0;
        ScriviRegistro(unita, RegistroAccesso, chiuso);
        return;
    }
    const int v = int(LeggiRegistroInput(unita, RegistroTipiQVR8566));
    if (!*vivo) return;
    m_c.SelezionaDato(Ctl("cmb_InputType", 0), v & 255);
    m_c.SelezionaDato(Ctl("cmb_InputType", 1), (v & 65280) / 256);
}

void LetturaConfig::LetturaSoglie(uint8_t unita)
{
    const std::shared_ptr<bool> vivo = m_vivo;
    const char* const nomi[2] = {"txt_Trip_LO", "txt_Trip_HI"};
    for (int i = 0; i < NumSoglie; ++i)
        for (int alta = 0; alta < 2; ++alta) {
            const double v = LeggiRegistroInput(unita, RegistroPrimaSoglia + 2 * i + alta);
            if (!*vivo) return;
            m_c.ImpostaTesto(Ctl(nomi[alta], i), QString::number(qint64(v)));
        }
}

void LetturaConfig::cmd_start_Click()
{
    // A second loop would nest inside the first, its requests starting while
    // the outer one waits on the shared buffers.
    if (m_ciclo) return;
    const std::shared_ptr<bool> vivo = m_vivo;
    m_ciclo = true;
    ComErr = 0;
    m_c.Abilita(Ctl("cmd_read", 0), false);
    // Passes at most five a second: a running controller on a plant network
    // is not to be flooded, and the window stays live between them.
    QElapsedTimer passo;
    do {
        passo.start();
        cmd_read_Click(0);
        if (!*vivo) return;
        const qint64 resto = PeriodoCicloConfigMs - passo.elapsed();
        if (resto > 0)
            AttendiFinche([&vivo] { return !*vivo || ComErr == 1; }, int(resto));
        else
            QCoreApplication::processEvents();
        if (!*vivo) return;
    } while (ComErr != 1);
    m_ciclo = false;
    cmd_stop_Click();
}

void LetturaConfig::cmd_stop_Click()
{
    ComErr = 1;
    m_c.Abilita(Ctl("cmd_read", 0), true);
}
