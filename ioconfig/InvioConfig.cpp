#include "ioconfig/InvioConfig.h"

#include "base/Attesa.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "comm/Richiesta.h"
#include "ioconfig/LetturaConfig.h"
#include "ioconfig/ModelliConfig.h"
#include "ioconfig/PianiInvio.h"
#include "ioconfig/TipoIngresso.h"

#include <algorithm>

namespace {
constexpr double kPausa = 0.1;
}

int InvioConfig::Modello() const { return ModelloConfig(m_c.Testo(Ctl("modello"))); }

void InvioConfig::Esegui(const PianoInvio& piano)
{
    switch (piano.rifiuto) {
    case Rifiuto::Valori: Prompt::ErroreValori(); return;
    case Rifiuto::NomeCorto: Prompt::MsgBox(QStringLiteral("Name length must be 4 characters")); return;
    case Rifiuto::IndirizzoNuovo: Prompt::MsgBox(QStringLiteral("Address must be included between 1 and 247")); return;
    case Rifiuto::Nessuno: break;
    }
    if (piano.passi.isEmpty()) return;
    const std::optional<uint8_t> unita = piano.diffusione ? piano.diffusione : UnitaConfig(m_c.Testo(Ctl("Indirizzo")));
    if (!unita) {
        Prompt::ErroreValori();
        return;
    }
    const std::shared_ptr<bool> vivo = m_vivo;
    for (const PassoInvio& p : piano.passi) {
        if (p.pausaPrima) {
            Attesa(kPausa);
            if (!*vivo) return;
        }
        bool ok = true;
        switch (p.tipo) {
        case PassoInvio::Tipo::Richiesta:
            ComponiRichiesta({*unita}, reinterpret_cast<const uint8_t*>(p.pdu.constData()), int(p.pdu.size()));
            // A broadcast gets no reply: the request goes out and the
            // transaction returns at once.
            if (piano.diffusione) AttendiRisposta = false;
            ok = Comunica(true) == ComOk;
            if (piano.diffusione) AttendiRisposta = true;
            break;
        case PassoInvio::Tipo::Registro: {
            double v = p.valore;
            ok = ScriviRegistro(*unita, p.numero, v);
            break;
        }
        case PassoInvio::Tipo::TipoIngresso: ScriviTipoIngresso(m_c, uint8_t(p.numero), p.valore); break;
        case PassoInvio::Tipo::Memoria:
            std::copy(p.pdu.cbegin(), p.pdu.cend(), BufferTrasferimento.begin());
            ok = ScriviMemoria(*unita, p.numero, 0, int(p.pdu.size()));
            break;
        }
        if (!*vivo || (!ok && p.fermaSeFallisce)) return;
        if (p.pausaDopo == Pausa::Sempre || (ok && p.pausaDopo == Pausa::SeRiesce)) {
            Attesa(kPausa);
            if (!*vivo) return;
        }
    }
}

void InvioConfig::cmd_invia_Click(int index)
{
    const bool tipiInMemoria = Modelli[Controllore.Modello % NumModelli].Codice == CodiceTipiInMemoria;
    Esegui(PianoInvia(m_c, Modello(), index, tipiInMemoria));
}

void InvioConfig::cmd_In_Zero_Click(int index) { Esegui(PianoCalIngresso(Modello(), index, false)); }
void InvioConfig::cmd_In_Span_Click(int index) { Esegui(PianoCalIngresso(Modello(), index, true)); }
void InvioConfig::cmd_Out_Cal_Click(int index) { Esegui(PianoCalUscita(m_c, Modello(), index)); }
void InvioConfig::cmd_Output_Click(int index) { Esegui(PianoUscita(m_c, Modello(), index)); }
void InvioConfig::cmd_set_Click(int index) { Esegui(PianoSet(m_c, Modello(), index)); }
void InvioConfig::cmd_sync_Click() { Esegui(PianoSync()); }
void InvioConfig::cmd_Write_Trip_Click(int index) { Esegui(PianoSoglia(m_c, index)); }
void InvioConfig::cmd_clear_latch_Click() { Esegui(PianoLatch()); }

void InvioConfig::chk_En_Click(int)
{
    // Every channel follows its own box, whichever was clicked.
    for (int i = 0; i < 8; ++i) {
        const bool on = m_c.Spuntato(Ctl("chk_En", i));
        for (const char* n : {"txt_Input", "pBreak", "txt_Input_sync"}) m_c.Abilita(Ctl(n, i), on);
    }
    if (m_abilita) Esegui(PianoAbilitazioni(MascheraSpunte(m_c, "chk_En")));
}

void InvioConfig::ColoraBit(const char* nome, int index)
{
    m_c.Colore(Ctl(nome, index), m_c.Spuntato(Ctl(nome, index)) ? ColoreRosso : ColoreBianco);
}

void InvioConfig::chk_OutputBit_Click(int index)
{
    ColoraBit("chk_OutputBit", index);
    if (m_abilita) Esegui(PianoBitUscita(m_c, Modello(), index));
}

void InvioConfig::chk_PupBit_Click(int index) { ColoraBit("chk_PupBit", index); }
void InvioConfig::chk_SafeBit_Click(int index) { ColoraBit("chk_SafeBit", index); }

void InvioConfig::cmd_Toggle_Click(int index)
{
    const QString led = Ctl("Led_Ev", index);
    m_c.Colore(led, m_c.ColoreDi(led) == ColoreRosso ? ColoreGrigio : ColoreRosso);
    int m = 0;
    for (int i = 0; i < 3; ++i)
        if (m_c.ColoreDi(Ctl("Led_Ev", i)) == ColoreRosso) m |= 1 << i;
    Esegui(PianoEventi(m));
}
