#include "shell/Lingua.h"

#include "base/Globali.h"
#include "base/Modelli.h"
#include "resources/TabellaStringhe.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"

#include <QAction>

namespace {

// A missing entry leaves the target as it was: loading carries on past it.
void Carica(QString& destinazione, int id)
{
    const auto& t = TabellaStringhe();
    auto it = t.constFind(id);
    if (it != t.constEnd()) destinazione = *it;
}

const char* const kTipiDato[19] = {
    "uInt", "Int", "uLong", "Long", "Float", "K_Flt", "K_Long", "Hex", "ASCII", "Bin",
    "Table", "Direct", "Swap", "String (Ram)", "String (Eprom)", "String (Flash)", "Date", "Time",
    "Firmware"};

struct CaptionMenu {
    const char* nome;
    int k;
};

// Menu items captioned from the language texts; the three hidden ones
// (mnu_SaveProj, mnu_viewProj, mnu_images) follow the language as well.
const CaptionMenu kMenu[] = {
    {"mnu_project", 19}, {"mnu_new", 20},       {"mnu_openProj", 21}, {"mnu_close", 22},
    {"mnu_saveAs", 24},  {"mnu_Export", 171},   {"mnu_exit", 25},     {"mnu_settings", 26},
    {"mnu_controller", 27}, {"mnu_workspace", 28}, {"mnu_view", 29},  {"mnu_program", 31},
    {"mnu_Registri", 32}, {"mnu_log", 33},      {"mnu_tools", 34},    {"mnu_search", 35},
    {"mnu_8555", 37},    {"mnu_Format", 38},    {"mnu_dialoga", 39},  {"mnu_display", 40},
    {"mnu_Tables", 41},  {"mnu_help", 42},      {"mnu_About", 43},
    {"mnu_SaveProj", 23}, {"mnu_viewProj", 30}, {"mnu_images", 36},
};

// Text 171 only captions the Export menu item.
constexpr int kSoloMenu = 171;
constexpr int kPrimoTestoFinestre = 44;

} // namespace

void CaricaLingua(int lingua)
{
    // Only two languages exist; anything else would point the language
    // label at the language names and leave Lingua unusable as an index.
    if (lingua != 0 && lingua != 1) return;
    Lingua = uint8_t(lingua);
    const int base = BaseItaliano + 1000 * Lingua;

    for (int k = 0; k < int(NomiModello.size()); ++k)
        Carica(NomiModello[k], BaseMarchio + OffsetMarchio + PosizioneNomeModello[k]);

    for (int i = 0; i < int(std::size(kTipiDato)); ++i) TipiDato[i] = QString::fromLatin1(kTipiDato[i]);
    for (int i = 0; i <= 3; ++i) PrefissiRegistro[i] = QStringLiteral("%R");

    Carica(EtichettaLingua, IdEtichettaLingua + Lingua);
    for (int i = 0; i < 2; ++i) Carica(NomiLingua[i], IdNomiLingua + i);

    for (int m = 1; m <= 12; ++m) Carica(NomiMese[m], base + 6 + m);

    Principale* p = Principale::Istanza();
    for (const CaptionMenu& v : kMenu) {
        QAction* a = p->Menu(QString::fromLatin1(v.nome));
        if (!a) continue;
        QString testo = a->text();
        Carica(testo, base + v.k);
        a->setText(testo);
    }

    for (int k : NumeriTestiInterfaccia()) {
        if (k < kPrimoTestoFinestre || k == kSoloMenu) continue;
        const auto& t = TabellaStringhe();
        auto it = t.constFind(base + k);
        if (it != t.constEnd()) TestiLingua[k] = *it;
    }

    for (int i = 0; i <= 62; ++i) Carica(NomiFunzione[i], BaseNomiFunzione + i);

    // The model records take their names from NomiModello just loaded.
    CaricaModelli();
}

void CambiaLingua(int lingua)
{
    CaricaLingua(lingua);
    Finestre::ChiamaSetRes();
}

QString TestoRisorsa(int id)
{
    return TabellaStringhe().value(id);
}
