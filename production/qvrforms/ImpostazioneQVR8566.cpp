#include "production/qvrforms/ImpostazioneQVR8566.h"

#include "base/Attesa.h"
#include "base/Conversioni.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "comm/AccessoController.h"
#include "comm/Dispositivo.h"
#include "ioconfig/LetturaConfig.h"
#include "production/qvrforms/ValoriQVR.h"
#include "registers/EditorTabelle.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
namespace I = IndirizziQVR8566;

QString Porta(int porta, int riga)
{
    return QStringLiteral("chk_Mux%1_%2").arg(porta).arg(riga);
}

// The two words of an output, typed as whole numbers -65536..65535.
std::optional<int> Parola(const QString& testo)
{
    const std::optional<double> v = NumeroCampo(testo);
    if (!v || *v != std::trunc(*v) || *v < -65536 || *v > 65535) return std::nullopt;
    return int(*v);
}
} // namespace

void ImpostazioneQVR8566::Form_Load()
{
    for (int i = 0; i < RigheQVR8566; ++i) {
        const QString lista = Ctl("cmb_InputType", i);
        m_c.SvuotaLista(lista);
        for (int p = 0; p < int(TipiIngressoQVR8566.size()); ++p)
            m_c.InserisciVoce(lista, p, QString::fromLatin1(TipiIngressoQVR8566[size_t(p)].testo),
                              TipiIngressoQVR8566[size_t(p)].codice);
    }
}

void ImpostazioneQVR8566::SetDefault_Click(int Index)
{
    m_c.ImpostaTesto(Ctl("txt_nCelle"), QStringLiteral("4"));
    m_c.ImpostaTesto(Ctl("txt_nMisure"), QStringLiteral("8"));
    m_c.ImpostaTesto(Ctl("txt_Input_OffsetCJC"), QStringLiteral("0"));
    for (int i = 0; i < RigheQVR8566; ++i) {
        m_c.ImpostaTesto(Ctl("txt_Input_Offset", i), QStringLiteral("0"));
        m_c.ImpostaTesto(Ctl("txt_Input_Type", i), QStringLiteral("0"));
        m_c.ImpostaTesto(Ctl("txt_reg", i), QStringLiteral("25"));
        m_c.ImpostaTesto(Ctl("txt_guadagno", i), GuadagnoPulito(i));
        for (int k = 0; k < PorteMux; ++k) m_c.Spunta(Porta(k, i), false);
    }
    if (const std::optional<ProgrammaQVR8566> p = ProgrammaDefault(Index)) {
        m_c.ImpostaTesto(Ctl("AddSlave"), QString::fromLatin1(p->indirizzo));
        m_c.ImpostaTesto(Ctl("txt_nCelle"), QString::fromLatin1(p->celle));
        m_c.ImpostaTesto(Ctl("txt_nMisure"), QString::fromLatin1(p->misure));
        for (int i = 0; i < RigheQVR8566; ++i) {
            const size_t r = size_t(i);
            m_c.ImpostaTesto(Ctl("txt_Input_Type", i), QString::number(p->tipi[r]));
            for (int k = 0; k < PorteMux; ++k)
                if (p->porte[r] & (1u << k)) m_c.Spunta(Porta(k, i), true);
            if (p->guadagni[r]) m_c.ImpostaTesto(Ctl("txt_guadagno", i), QString::fromLatin1(p->guadagni[r]));
            if (p->registri[r]) m_c.ImpostaTesto(Ctl("txt_reg", i), QString::fromLatin1(p->registri[r]));
        }
    }
    for (int i = 0; i < RigheQVR8566; ++i) {
        bool ok = false;
        const int codice = m_c.Testo(Ctl("txt_Input_Type", i)).trimmed().toInt(&ok);
        if (ok) m_c.SelezionaDato(Ctl("cmb_InputType", i), codice);
    }
}

void ImpostazioneQVR8566::chk_Mux_Click(int porta, int Index)
{
    const QString nome = Porta(porta, Index);
    m_c.Colore(nome, m_c.Testo(nome) == u"1" ? ColoreRosso : ColoreBianco);
}

void ImpostazioneQVR8566::txt_Input_Mis_Change(int Index)
{
    const std::optional<double> f = FondoScala(Index, m_c.Testo(Ctl("AddSlave")));
    const std::optional<double> misura = NumeroCampo(m_c.Testo(Ctl("txt_Input_Mis", Index)));
    if (f && misura) m_c.ImpostaTesto(Ctl("txt_Input_K", Index), TestoK(*misura / *f));
}

void ImpostazioneQVR8566::Command1_Click()
{
    if (const std::optional<QString> k = CalcoloK(m_c.Testo(Ctl("Text1")), m_c.Testo(Ctl("Text2"))))
        m_c.ImpostaTesto(Ctl("Text3"), *k);
    else
        Prompt::MsgBox(MessaggiQVR::CalcK);
}

GrigliaQVR8566 ImpostazioneQVR8566::Griglia() const
{
    GrigliaQVR8566 g;
    g.offsetCJC = m_c.Testo(Ctl("txt_Input_OffsetCJC"));
    g.celle = m_c.Testo(Ctl("txt_nCelle"));
    g.misure = m_c.Testo(Ctl("txt_nMisure"));
    for (int i = 0; i < RigheQVR8566; ++i) {
        const size_t r = size_t(i);
        g.offset[r] = m_c.Testo(Ctl("txt_Input_Offset", i));
        g.guadagno[r] = m_c.Testo(Ctl("txt_guadagno", i));
        g.registro[r] = m_c.Testo(Ctl("txt_reg", i));
        g.tipo[r] = m_c.DatoScelto(Ctl("cmb_InputType", i));
        for (int k = 0; k < PorteMux; ++k) g.porte[r][size_t(k)] = m_c.Testo(Porta(k, i)) == u"1";
    }
    return g;
}

void ImpostazioneQVR8566::cmd_WriteProg_Click(int Index)
{
    const std::optional<ImmagineQVR8566> im = CostruisciImmagine(Griglia());
    const std::optional<uint8_t> modulo = UnitaConfig(m_c.Testo(Ctl("AddSlave")));
    if (!im || (Index == 0 && !modulo) || (Index == 1 && Controllore.Modello >= NumModelli)) {
        Prompt::MsgBox(QStringLiteral("Errore!"), Prompt::Critica);
        return;
    }
    if (Index == 0) ScriviBlocchi(*im, *modulo, BlocchiScrittura.data(), int(BlocchiScrittura.size()), 0);
    if (Index == 1)
        ScriviBlocchi(*im, Controllore.Nodo, BlocchiCopia.data(), int(BlocchiCopia.size()),
                      uint16_t(Modelli[Controllore.Modello].IndirizzoSlave));
}

void ImpostazioneQVR8566::ScriviBlocchi(const ImmagineQVR8566& im, uint8_t nodo, const BloccoQVR* blocchi, int n,
                                        int base)
{
    // A failed block does not stop the next: each is reported by the link.
    for (int k = 0; k < n; ++k) {
        if (k > 0) Attesa(0.1);
        // The transfer buffer is shared: a click during the pause may have
        // used it, so the image goes in again for every block.
        std::copy(im.begin(), im.end(), BufferTrasferimento.begin());
        ScriviMemoria(nodo, base + blocchi[k].a, blocchi[k].da, blocchi[k].conteggio);
    }
}

void ImpostazioneQVR8566::ScriviK(uint8_t primo, uint8_t ultimo)
{
    ultimo = std::min<uint8_t>(ultimo, RigheQVR8566 - 1);
    const std::optional<uint8_t> nodo = UnitaConfig(m_c.Testo(Ctl("AddSlave")));
    if (!nodo) {
        Prompt::MsgBox(MessaggiQVR::Indirizzo);
        return;
    }
    std::array<double, RigheQVR8566> k{};
    for (int i = primo; i <= ultimo; ++i) {
        const std::optional<double> v = NumeroK(m_c.Testo(Ctl("txt_Input_K", i)));
        if (!v) {
            Prompt::MsgBox(MessaggiQVR::K);
            return;
        }
        k[size_t(i)] = *v;
    }
    for (int i = primo; i <= ultimo; ++i) {
        const Byte3 b = ByteK8566(k[size_t(i)]);
        std::copy(b.begin(), b.end(), BufferTrasferimento.begin());
        ScriviMemoria(*nodo, I::K + 3 * i, 0, 3);
    }
}

void ImpostazioneQVR8566::UscitaAnalogica(int indirizzo, const QString& primo, const QString& secondo)
{
    const std::optional<int> a = Parola(primo);
    const std::optional<int> b = Parola(secondo);
    if (!a || !b) {
        Prompt::MsgBox(QStringLiteral("Analog out: a whole number from -65536 to 65535"));
        return;
    }
    const Byte3 pa = IntToByte(*a);
    const Byte3 pb = IntToByte(*b);
    BufferTrasferimento[0] = pa[0], BufferTrasferimento[1] = pa[1];
    BufferTrasferimento[2] = pb[0], BufferTrasferimento[3] = pb[1];
    ScriviMemoria(Controllore.Nodo, indirizzo, 0, 4);
}

void ImpostazioneQVR8566::Command3_Click() { UscitaAnalogica(24, m_c.Testo(Ctl("Text5")), m_c.Testo(Ctl("Text4"))); }
void ImpostazioneQVR8566::Command4_Click() { UscitaAnalogica(20, m_c.Testo(Ctl("Text7")), m_c.Testo(Ctl("Text6"))); }
void ImpostazioneQVR8566::Command9_Click() { UscitaAnalogica(24, QStringLiteral("0"), QStringLiteral("20000")); }
void ImpostazioneQVR8566::Command10_Click() { UscitaAnalogica(20, QStringLiteral("0"), QStringLiteral("20000")); }
void ImpostazioneQVR8566::Command5_Click() { Registro(32, 0); }
void ImpostazioneQVR8566::Command6_Click() { Registro(32, 20000); }
void ImpostazioneQVR8566::Command7_Click() { Registro(33, 0); }
void ImpostazioneQVR8566::Command8_Click() { Registro(33, 20000); }

void ImpostazioneQVR8566::Registro(int registro, double valore)
{
    ScriviRegistro(Controllore.Nodo, registro, valore);
}

void ImpostazioneQVR8566::En_4566_Click(int Index)
{
    m_c.ImpostaTesto(Ctl("AddSlave"), QStringLiteral("246"));
    if (Index == 0) Registro(10, -32768);
    if (Index == 1) Registro(10, 0);
}

void ImpostazioneQVR8566::Command11_Click()
{
    if (m_command11) return;
    m_command11 = true;
    m_fermaCommand11 = false;
    for (int giro = 0; giro < 100 && !m_fermaCommand11; ++giro) {
        for (double valore : {0.0, 65535.0}) {
            if (m_fermaCommand11) break;
            ScriviRegistro(1, 9, valore);
            AttendiFinche([this] { return m_fermaCommand11; }, 2000);
            QCoreApplication::processEvents();
        }
    }
    m_command11 = false;
}

void ImpostazioneQVR8566::Command2_Click()
{
    // An address that gives no unit sends nothing and changes nothing.
    const std::optional<uint8_t> nodo = UnitaConfig(m_c.Testo(Ctl("AddSlave")));
    if (!nodo) return;
    std::array<uint8_t, I::Firmware + 2> immagine{};
    for (size_t n = 0; n < BlocchiLettura.size(); ++n) {
        const BloccoQVR& b = BlocchiLettura[n];
        if (!LeggiMemoria(*nodo, b.a, b.da, b.conteggio)) return;
        std::copy_n(BufferTrasferimento.begin() + b.da, b.conteggio, immagine.begin() + b.a);
        // The third block reaches into the K factors; they are the next
        // block's to fill, so a read that stops there leaves them.
        const int fine = b.a + b.conteggio;
        RiempiCampi(immagine.data(), b.a, n + 1 < BlocchiLettura.size() ? std::min(fine, BlocchiLettura[n + 1].a) : fine);
    }
}

void ImpostazioneQVR8566::RiempiCampi(const uint8_t* im, int da, int a)
{
    auto dentro = [da, a](int indirizzo, int n) { return indirizzo >= da && indirizzo + n <= a; };
    auto numero = [im](int indirizzo) { return QString::number(im[indirizzo]); };
    if (dentro(I::OffsetCJC, 1)) m_c.ImpostaTesto(Ctl("txt_Input_OffsetCJC"), TestoOffset(im[I::OffsetCJC]));
    if (dentro(I::Celle, 1)) m_c.ImpostaTesto(Ctl("txt_nCelle"), numero(I::Celle));
    if (dentro(I::Misure, 1)) m_c.ImpostaTesto(Ctl("txt_nMisure"), numero(I::Misure));
    for (int i = 0; i < RigheQVR8566; ++i) {
        if (dentro(I::Offset + i, 1)) m_c.ImpostaTesto(Ctl("txt_Input_Offset", i), TestoOffset(im[I::Offset + i]));
        if (dentro(I::Tipo + i, 1)) {
            m_c.ImpostaTesto(Ctl("txt_Input_Type", i), numero(I::Tipo + i));
            // A code the list lacks leaves "---" chosen, the number in the box.
            m_c.Posizione(Ctl("cmb_InputType", i), 0);
            m_c.SelezionaDato(Ctl("cmb_InputType", i), im[I::Tipo + i]);
        }
        if (dentro(I::Mux + i, 1))
            for (int k = 0; k < PorteMux; ++k) m_c.Spunta(Porta(k, i), im[I::Mux + i] & (1u << k));
        if (dentro(I::Guadagno + i, 1)) m_c.ImpostaTesto(Ctl("txt_guadagno", i), ByteToHex(im[I::Guadagno + i]));
        if (dentro(I::Registro + i, 1)) m_c.ImpostaTesto(Ctl("txt_reg", i), numero(I::Registro + i));
        const int k = I::K + 3 * i;
        if (dentro(k, 3)) m_c.ImpostaTesto(Ctl("txt_Input_K", i), TestoK(K8566(im[k], im[k + 1], im[k + 2])));
    }
    if (dentro(I::Firmware, 2))
        if (const std::optional<QString> d = DidascaliaFirmware(im[I::Firmware], im[I::Firmware + 1]))
            m_c.ImpostaTesto(Ctl("Label7"), *d);
}
