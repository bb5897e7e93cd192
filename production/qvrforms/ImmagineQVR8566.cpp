#include "production/qvrforms/ImmagineQVR8566.h"

#include "base/Conversioni.h"
#include "ioconfig/LetturaConfig.h"
#include "production/qvrforms/ValoriQVR.h"

const std::array<TipoIngressoQVR, 20> TipiIngressoQVR8566{{
    {"---", 0},    {"100 mV", 1}, {"20 mA", 8}, {"ResL", 17}, {"ResH", 16}, {"Pt100", 18}, {"Pt1K", 19},
    {"Ni100", 20}, {"Ni1K", 21},  {"Pot", 22},  {"Tc J", 24}, {"Tc K", 25}, {"Tc T", 26},  {"Tc E", 27},
    {"Tc R", 28},  {"Tc S", 29},  {"Tc B", 30}, {"Tc N", 31}, {"10 V", 7},  {"Special", 23},
}};

uint8_t MascheraPorte(const std::array<bool, PorteMux>& porte)
{
    uint8_t m = 0;
    for (int k = 0; k < PorteMux; ++k)
        if (porte[size_t(k)]) m |= uint8_t(1u << k);
    return m;
}

std::optional<ImmagineQVR8566> CostruisciImmagine(const GrigliaQVR8566& g)
{
    namespace I = IndirizziQVR8566;
    ImmagineQVR8566 im{};
    auto metti = [&im](int a, std::optional<uint8_t> b) {
        if (b) im[size_t(a)] = *b;
        return b.has_value();
    };
    bool ok = metti(I::OffsetCJC, ByteOffset(g.offsetCJC)) && metti(I::Celle, UnitaConfig(g.celle))
              && metti(I::Misure, UnitaConfig(g.misure));
    for (int i = 0; ok && i < RigheQVR8566; ++i) {
        const size_t r = size_t(i);
        bool esadecimale = false;
        const uint8_t guadagno = HexDigit(g.guadagno[r], &esadecimale);
        ok = metti(I::Offset + i, ByteOffset(g.offset[r])) && g.tipo[r] && *g.tipo[r] >= 0 && *g.tipo[r] <= 255
             && esadecimale && metti(I::Registro + i, UnitaConfig(g.registro[r]));
        if (!ok) break;
        im[size_t(I::Tipo + i)] = uint8_t(*g.tipo[r]);
        im[size_t(I::Mux + i)] = MascheraPorte(g.porte[r]);
        im[size_t(I::Guadagno + i)] = guadagno;
    }
    if (!ok) return std::nullopt;
    return im;
}

std::optional<ProgrammaQVR8566> ProgrammaDefault(int indice)
{
    using P = ProgrammaQVR8566;
    static const std::array<P, 7> programmi{{
        {"247", "5", "8", {1, 17, 22, 7, 8}, {2, 3, 12, 16, 32},
         {"50", "51", "52", "53", "54", "55", "5F", "57"}, {"24"}},
        {"246", "2", "3", {7, 8}, {1, 2}, {"50", "51"}, {"24", "25"}},
        {"247", "4", "8", {18, 18, 8, 8}, {3, 12, 16, 32}, {"50", "51", "52", "53", "54", "55"},
         {"24", "25", "26", "27"}},
        {"246", "2", "3", {1, 1}, {1, 2}, {"50", "51"}, {"24", "25"}},
        {},   // as index 2
        {"246", "2", "3", {1, 1}, {1, 2}, {"20", "51"}, {"24", "25"}},
        {"246", "5", "8", {1, 0, 0, 0, 0}, {2, 3, 3, 8, 16},
         {"5F", "51", "5F", "5F", "5F", "5F", "5F", "57"}, {"24"}},
    }};
    if (indice < 0 || indice > 6) return std::nullopt;
    return programmi[size_t(indice == 4 ? 2 : indice)];
}

QString GuadagnoPulito(int riga)
{
    return riga == RigheQVR8566 - 1 ? QStringLiteral("57") : QStringLiteral("5F");
}

std::optional<double> FondoScala(int riga, const QString& indirizzo)
{
    switch (riga) {
    case 0:
    case 3: return 10000;
    case 1: {
        const std::optional<uint8_t> u = UnitaConfig(indirizzo);
        if (u == 247) return 3000;
        if (u == 246) return 20000;
        return std::nullopt;
    }
    case 2: return 1000;
    case 4: return 20000;
    default: return std::nullopt;
    }
}

std::optional<QString> DidascaliaFirmware(uint8_t versione, uint8_t modello)
{
    switch (modello) {
    case 0: return QStringLiteral("Fw ver: NaN");
    case 1: return QStringLiteral("Fw ver: %1 [QVR8566]").arg(versione);
    case 2: return QStringLiteral("Fw ver: %1 [QVR0573]").arg(versione);
    default: return std::nullopt;
    }
}
