#include "ioconfig/PianiInvio.h"

#include "base/Conversioni.h"
#include "blockeditor/Codifica.h"
#include "comm/Richiesta.h"
#include "ioconfig/LetturaConfig.h"
#include "ioconfig/ListeConfig.h"
#include "ioconfig/ModelliConfig.h"
#include "ioconfig/TipoIngresso.h"

#include <algorithm>
#include <cmath>

namespace {
// Each group's fields read once; any that cannot be sent spoils the group.
class Campi {
public:
    explicit Campi(const ControlliConfig& c) : m_c(c) {}
    bool ok = true;

    // The leading number of a text box (an empty or non-numeric text is 0).
    double Numero(const QString& nome) const { return LeggiNumero(m_c.Testo(nome)); }
    int Intero(double v, int minimo, int massimo) { return Tieni(InIntervallo(v, minimo, massimo)); }
    int Campo(const QString& nome, int minimo, int massimo) { return Intero(Numero(nome), minimo, massimo); }
    // The item data of a list's selected entry, a byte.
    int Dato(const QString& nome)
    {
        const std::optional<int> d = m_c.DatoScelto(nome);
        return Tieni(d && *d >= 0 && *d <= 255 ? d : std::optional<int>());
    }
    int Bcd(const QString& testo) { return Tieni(ByteBcd(testo)); }
    // A clock list's position + 1 (or + 0 for the year) as BCD.
    int BcdLista(const QString& nome, int primo)
    {
        const int pos = m_c.PosizioneScelta(nome);
        return pos < 0 ? Tieni(std::optional<int>()) : Bcd(QString::number(pos + primo));
    }

private:
    template <class T> int Tieni(const std::optional<T>& v)
    {
        if (!v) ok = false;
        return v ? int(*v) : 0;
    }
    const ControlliConfig& m_c;
};

PianoInvio Piano(QList<PassoInvio> passi) { return PianoInvio{std::move(passi), Rifiuto::Nessuno, std::nullopt}; }
PianoInvio Rifiutato(Rifiuto r) { return PianoInvio{{}, r, std::nullopt}; }
PianoInvio Verificato(const Campi& f, QList<PassoInvio> passi) { return f.ok ? Piano(std::move(passi)) : Rifiutato(Rifiuto::Valori); }

PassoInvio Registro(int registro, int valore)
{
    PassoInvio p;
    p.tipo = PassoInvio::Tipo::Registro;
    p.numero = registro;
    p.valore = valore;
    return p;
}

PassoInvio TipoInMemoria(uint8_t nodo, int canale)
{
    PassoInvio p;
    p.tipo = PassoInvio::Tipo::TipoIngresso;
    p.numero = nodo;
    p.valore = canale;
    return p;
}

// Port 0's rate is its position in the rate list; a text not in it is 0.
int CodiceBaud(const QString& testo)
{
    const QList<VoceConfig>& v = VociBaud();
    for (int i = 0; i < v.size(); ++i)
        if (testo == QLatin1String(v[i].testo)) return i;
    return 0;
}

QByteArray Byte(std::initializer_list<int> b)
{
    QByteArray out;
    for (int v : b) out += char(v);
    return out;
}

QByteArray Parole(const QList<int>& valori)
{
    QByteArray out;
    for (int v : valori) out += Byte({Alto(v), Basso(v)});
    return out;
}

QList<int> Valori(Campi& f, const char* nome, int minimo, int massimo)
{
    QList<int> v;
    for (int i = 0; i < 8; ++i) v << f.Campo(Ctl(nome, i), minimo, massimo);
    return v;
}

QList<PassoInvio> TipiIngresso(Campi& f, int k, bool tipiInMemoria)
{
    if (InGruppo(k, GrFamiglia4566))
        return {Scrivi6(34, f.Dato(Ctl("cmb_InputType", 1)) << 8 | f.Dato(Ctl("cmb_InputType", 0))).Prima()};
    if (InGruppo(k, GrAbilitaCanali)) return {Scrivi6(10, f.Dato(Ctl("cmb_InputType", 0))).Prima()};
    if (InGruppo(k, GrTipoPerCanale)) {
        std::array<int, 8> tipi{};
        for (int i = 0; i < 8; ++i) tipi[size_t(i)] = f.Dato(Ctl("cmb_InputType", i));
        const auto nibble = ImpacchettaTipi(tipi);
        if (!nibble) f.ok = false;
        const std::array<uint8_t, 4> b = nibble.value_or(std::array<uint8_t, 4>{});
        return {Scrivi16(10, Byte({b[0], b[1], b[2], b[3]})).Prima()};
    }
    if (!InGruppo(k, GrQVR8566)) return {};
    const int t0 = f.Dato(Ctl("cmb_InputType", 0)), t1 = f.Dato(Ctl("cmb_InputType", 1));
    if (!tipiInMemoria) return {Registro(RegistroTipiQVR8566, t1 * 256 + t0)};
    return {Registro(RegistroAccesso, CodiceAccesso), TipoInMemoria(NodoPrimoCanale, 0), TipoInMemoria(NodoSecondoCanale, 1),
            Registro(RegistroAccesso, 0)};
}
} // namespace

PassoInvio Scrivi6(int registro, int valore)
{
    PassoInvio p;
    p.pdu = Byte({6, Alto(registro), Basso(registro), Alto(valore), Basso(valore)});
    return p;
}

PassoInvio Scrivi16(int registro, const QByteArray& dati)
{
    PassoInvio p;
    p.pdu = Byte({16, Alto(registro), Basso(registro), 0, int(dati.size() / 2), int(dati.size())}) + dati;
    return p;
}

std::array<uint8_t, 4> ByteNome(const QString& nome)
{
    auto b = [&](int i) { return ByteCarattere(nome.at(i)); };
    return {b(1), b(0), b(3), b(2)};
}

std::optional<uint8_t> ByteBcd(const QString& testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty()) return uint8_t(0);
    if (t.size() > 2 || !std::all_of(t.cbegin(), t.cend(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; })) return std::nullopt;
    return HexToByte(t);
}

std::optional<std::array<uint8_t, 4>> ImpacchettaTipi(const std::array<int, 8>& t)
{
    for (int v : t)
        if (v < 0 || v > 15) return std::nullopt;
    auto coppia = [&](int alto, int basso) { return uint8_t(t[size_t(alto)] * 16 + t[size_t(basso)]); };
    return std::array<uint8_t, 4>{coppia(3, 2), coppia(1, 0), coppia(7, 6), coppia(5, 4)};
}

std::optional<uint16_t> ValoreDisplay(bool positivo, int contrasto, int luminosita)
{
    const int v = (positivo ? 256 : 0) + contrasto * 256 + luminosita;
    if (v < -32768 || v > 32767) return std::nullopt;
    return uint16_t(v);
}

std::optional<int> InIntervallo(double valore, int minimo, int massimo)
{
    if (!std::isfinite(valore)) return std::nullopt;
    const double r = ArrotondaPari(valore);
    if (r < minimo || r > massimo) return std::nullopt;
    return int(r);
}

int MascheraSpunte(const ControlliConfig& c, const char* nome, int n)
{
    int m = 0;
    for (int i = 0; i < n; ++i)
        if (c.Spuntato(Ctl(nome, i))) m |= 1 << i;
    return m;
}

PianoInvio PianoInvia(const ControlliConfig& c, int k, int index, bool tipiInMemoria)
{
    Campi f(c);
    switch (index) {
    case 0: {
        const QString nome = c.Testo(Ctl("txt_nome"));
        if (nome.size() < 4) return Rifiutato(Rifiuto::NomeCorto);
        const auto b = ByteNome(nome);   // characters after the fourth are not sent
        return Piano({Scrivi16(3, Byte({b[0], b[1], b[2], b[3]})).Dopo(Pausa::SeRiesce)});
    }
    case 1:
        // The safe mask is its own number: the first output's safe value
        // box keeps what it shows.
        return Piano({Scrivi6(11, MascheraSpunte(c, "chk_PupBit") << 8 | MascheraSpunte(c, "chk_SafeBit")).Prima()});
    case 2: {
        const double v = f.Numero(Ctl("txt_add"));
        if (v < 1 || v > 247) return Rifiutato(Rifiuto::IndirizzoNuovo);
        return Piano({Scrivi6(6, f.Intero(v, 1, 247))});
    }
    case 3: {
        QList<PassoInvio> s;
        const int baud = CodiceBaud(c.Testo(Ctl("cmb_baud", 0)));
        if (InGruppo(k, GrDuePorte)) {
            const int codice = baud + f.Dato(Ctl("cmb_par", 0)) + f.Dato(Ctl("cmb_stop", 0));
            const int ritardo = f.Campo(Ctl("txt_delay", 0), 0, 255);
            // Both registers carry port 0's code and delay.
            s << Scrivi16(18, Byte({codice, ritardo, codice, ritardo})).Ferma().Dopo(Pausa::SeRiesce);
        } else if (InGruppo(k, GrUnaPorta)) {
            s << Scrivi6(5, baud + 120).Ferma().Dopo(Pausa::SeRiesce);
            s << Scrivi6(7, f.Campo(Ctl("txt_delay", 0), 0, 255)).Ferma();
        }
        // The watchdog goes to register 12 on every model.
        s << Scrivi6(12, f.Campo(Ctl("txt_wdt", 0), 0, 255)).Prima();
        return Verificato(f, s);
    }
    case 4: {
        if (!InGruppo(k, GrOrologio)) return {};
        const QByteArray dati = Byte({0, f.Bcd(c.Testo(Ctl("txt_sec", 0))), f.Bcd(c.Testo(Ctl("txt_min", 0))), f.Bcd(c.Testo(Ctl("txt_ore", 0))), 0,
                                      f.BcdLista(Ctl("txt_giorno", 0), 1), f.BcdLista(Ctl("txt_mese", 0), 1), f.BcdLista(Ctl("txt_anno", 0), 0)});
        return Verificato(f, {Scrivi16(22, dati)});
    }
    case 5: {
        if (!InGruppo(k, GrDisplay)) return {};
        const auto v = ValoreDisplay(c.Spuntato(Ctl("opt_DispMode", 1)), c.PosizioneScelta(Ctl("bar_Contr")), c.PosizioneScelta(Ctl("bar_Lumin")));
        if (!v) return Rifiutato(Rifiuto::Valori);
        return Piano({Scrivi6(11, *v)});
    }
    case 6: return Verificato(f, {Scrivi16(30, Parole(Valori(f, "txt_Input_Offset", -32768, 32767))).Dopo(Pausa::SeRiesce)});
    case 7: {
        const QList<PassoInvio> s = TipiIngresso(f, k, tipiInMemoria);
        return Verificato(f, s);
    }
    case 8: {
        const int codice = f.Dato(Ctl("cmb_baud", 1)) + f.Dato(Ctl("cmb_par", 1)) + f.Dato(Ctl("cmb_stop", 1));
        return Verificato(f, {Scrivi6(5, codice).Ferma().Dopo(Pausa::SeRiesce), Scrivi6(7, f.Campo(Ctl("txt_delay", 1), 0, 255))});
    }
    case 9: return Verificato(f, {Scrivi6(12, f.Campo(Ctl("txt_wdt", 0), 0, 255)).Prima()});
    default: return {};
    }
}

PianoInvio PianoCalIngresso(int k, int index, bool span)
{
    // One command for the whole module, or one per channel.
    int codice;
    if (InGruppo(k, GrAbilitaCanali)) codice = span ? 30 : 20;
    else if (InGruppo(k, GrTipoPerCanale)) codice = (span ? 31 : 21) + index;
    else return {};
    return Piano({Scrivi6(0, codice).Dopo(Pausa::Sempre)});
}

PianoInvio PianoCalUscita(const ControlliConfig& c, int k, int index)
{
    Campi f(c);
    const QString zero = Ctl("txt_Out_Zero", index), span = Ctl("txt_Out_Span", index);
    if (InGruppo(k, GrUsciteAnalogiche)) {
        // The references go in thousandths; each command follows its reference.
        return Verificato(f, {Scrivi6(10, f.Intero(f.Numero(zero) * 1000, 0, 65535)), Scrivi6(0, 21 + index).Dopo(Pausa::Sempre),
                              Scrivi6(10, f.Intero(f.Numero(span) * 1000, 0, 65535)), Scrivi6(0, 31 + index).Dopo(Pausa::Sempre)});
    }
    if (!InGruppo(k, GrQVR8566)) return {};
    // Span then zero, each low byte first, as typed.
    const Byte3 s = IntToByte(f.Campo(span, -32768, 65535)), z = IntToByte(f.Campo(zero, -32768, 65535));
    PassoInvio p;
    p.tipo = PassoInvio::Tipo::Memoria;
    p.numero = 20 + 4 * index;
    p.pdu = Byte({s[0], s[1], z[0], z[1]});
    return Verificato(f, {p});
}

PianoInvio PianoUscita(const ControlliConfig& c, int k, int index)
{
    int registro;
    if (InGruppo(k, GrUsciteAnalogiche)) registro = 14 + index;
    else if (InGruppo(k, GrFamiglia4566 | GrQVR8566)) registro = 32 + index;
    else return {};
    Campi f(c);
    return Verificato(f, {Scrivi6(registro, f.Campo(Ctl("txt_Output", index), 0, 65535))});
}

PianoInvio PianoSet(const ControlliConfig& c, int k, int index)
{
    if (!InGruppo(k, GrUsciteAnalogiche)) return {};
    if (index == 0) {
        int m = 0;
        for (int i = 0; i < 8; ++i)
            if (c.PosizioneScelta(Ctl("cmb_Out", i)) == 1) m |= 1 << i;
        return Piano({Scrivi6(13, m)});
    }
    if (index != 1) return {};
    // The safe values live in registers 22..29.
    Campi f(c);
    return Verificato(f, {Scrivi16(22, Parole(Valori(f, "txt_Safe", -32768, 65535)))});
}

PianoInvio PianoSync()
{
    PianoInvio p = Piano({Scrivi6(0, 0)});
    p.diffusione = UnitaDiffusione;
    return p;
}

PianoInvio PianoSoglia(const ControlliConfig& c, int index)
{
    Campi f(c);
    auto intero = [&](const char* nome) {
        const double v = f.Numero(Ctl(nome, index));
        if (v != std::floor(v)) f.ok = false;
        return f.Intero(v, 0, 65535);
    };
    const int basso = intero("txt_Trip_LO"), alto = intero("txt_Trip_HI");
    const int r = RegistroPrimaSoglia + 2 * index;
    return Verificato(f, {Scrivi6(r, basso).Ferma(), Scrivi6(r + 1, alto)});
}

PianoInvio PianoAbilitazioni(int maschera) { return Piano({Scrivi6(11, maschera).Prima()}); }

PianoInvio PianoBitUscita(const ControlliConfig& c, int k, int index)
{
    if (InGruppo(k, GrUsciteRegistro9)) return Piano({Scrivi6(9, MascheraSpunte(c, "chk_OutputBit") << 8)});
    PassoInvio p;
    p.pdu = Byte({5, 0, 16 + index, c.Spuntato(Ctl("chk_OutputBit", index)) ? 0xFF : 0, 0});
    return Piano({p});
}

PianoInvio PianoLatch()
{
    PassoInvio p;
    p.pdu = Byte({15, 0, 4, 0, 8, 1, 0});
    return Piano({p});
}

PianoInvio PianoEventi(int maschera) { return Piano({Scrivi6(10, maschera << 8)}); }
