#include "production/qvrforms/CalibrazioneQVR2565.h"

#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/Comunica.h"
#include "comm/Richiesta.h"
#include "ioconfig/LetturaConfig.h"
#include "production/qvrforms/ValoriQVR.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
constexpr int IndirizzoCJC = 16;
constexpr int IndirizzoK = 22;
} // namespace

void CalibrazioneQVR2565::Command2_Click()
{
    const std::optional<uint8_t> unita = UnitaConfig(m_c.Testo(Ctl("AddSlave")));
    auto leggi = [&unita](int indirizzo, int n) { return unita && LeggiMemoria(*unita, indirizzo, 0, n); };
    bool ok = leggi(0, 16);
    for (int r = 0; ok && r < RigheQVR2565; ++r)
        m_c.ImpostaTesto(Ctl("txt_Input_Offset", r), TestoOffset(BufferTrasferimento[size_t(r)]));
    ok = ok && leggi(IndirizzoCJC, 16);
    for (int c = 0; ok && c < CanaliCJC; ++c)
        m_c.ImpostaTesto(Ctl("txt_OffsetCJC", c), TestoOffset(BufferTrasferimento[size_t(c)]));
    for (int r = 0; ok && r < RigheQVR2565; ++r) {
        ok = leggi(IndirizzoK + 4 * r, 4);
        if (ok) m_c.ImpostaTesto(Ctl("txt_Input_K", r), TestoK(K2565(BufferTrasferimento.data())));
    }
    if (!ok) Prompt::MsgBox(QStringLiteral("Errore"));
}

void CalibrazioneQVR2565::ScriviOffset(const QString& campo, int indirizzo)
{
    const std::optional<uint8_t> unita = UnitaConfig(m_c.Testo(Ctl("AddSlave")));
    const std::optional<uint8_t> b = ByteOffset(m_c.Testo(campo));
    if (!unita || !b) {
        Prompt::MsgBox(unita ? MessaggiQVR::Offset : MessaggiQVR::Indirizzo);
        return;
    }
    BufferTrasferimento[0] = *b;
    ScriviMemoria(*unita, indirizzo, 0, 1);
}

void CalibrazioneQVR2565::WriteOffset_Click(int Index)
{
    ScriviOffset(Ctl("txt_Input_Offset", Index), Index);
}

void CalibrazioneQVR2565::WriteCJC_Click(int Index)
{
    ScriviOffset(Ctl("txt_OffsetCJC", Index), IndirizzoCJC + Index);
}

void CalibrazioneQVR2565::WriteK_Click(int Index)
{
    const std::optional<uint8_t> unita = UnitaConfig(m_c.Testo(Ctl("AddSlave")));
    const std::optional<double> k = NumeroK(m_c.Testo(Ctl("txt_Input_K", Index)));
    if (!unita || !k) {
        Prompt::MsgBox(unita ? MessaggiQVR::K : MessaggiQVR::Indirizzo);
        return;
    }
    const Byte4 b = ByteK2565(*k);
    std::copy(b.begin(), b.end(), BufferTrasferimento.begin());
    ScriviMemoria(*unita, IndirizzoK + 4 * Index, 0, 4);
}

bool CalibrazioneQVR2565::Command3_Click()
{
    // The four type boxes go out as they are: first register and count.
    std::optional<uint8_t> byte[1 + IngressiLive] = {UnitaConfig(m_c.Testo(Ctl("AddSlave")))};
    for (int i = 0; i < IngressiLive; ++i) byte[1 + i] = UnitaConfig(m_c.Testo(Ctl("txt_Input_Type", i)));
    if (!std::all_of(std::begin(byte), std::end(byte), [](const auto& b) { return b.has_value(); })) {
        Prompt::MsgBox(byte[0] ? QStringLiteral("Tipo Input: a whole number from 0 to 255") : MessaggiQVR::Indirizzo);
        ComErr = 1;
        return false;
    }
    ComponiRichiesta({*byte[0], 4, *byte[1], *byte[2], *byte[3], *byte[4]});
    if (Comunica(false) != ComOk) {
        ComErr = 1;
        return false;
    }
    // A reply with fewer registers fills the boxes it has.
    for (int i = 0; i < IngressiLive && 4 + 2 * i < LunghezzaRisposta(); ++i)
        m_c.ImpostaTesto(Ctl("txt_Input", i), QString::number(ByteToInt(buff_rx[size_t(3 + 2 * i)],
                                                                            buff_rx[size_t(4 + 2 * i)], true)));
    return true;
}

void CalibrazioneQVR2565::Command4_Click()
{
    if (m_ciclo) return;
    m_ciclo = true;
    ComErr = 0;
    LoopAttivo = 1;
    while (ComErr != 1) {
        Command3_Click();
        QCoreApplication::processEvents();
    }
    LoopAttivo = 0;
    m_ciclo = false;
}

void CalibrazioneQVR2565::Command5_Click()
{
    ComErr = 1;
}

void CalibrazioneQVR2565::Command1_Click()
{
    if (const std::optional<QString> k = CalcoloK(m_c.Testo(Ctl("Text1")), m_c.Testo(Ctl("Text2"))))
        m_c.ImpostaTesto(Ctl("Text3"), *k);
    else
        Prompt::MsgBox(MessaggiQVR::CalcK);
}
