#include "ioconfig/LayoutConfig.h"

#include "base/Testi.h"
#include "ioconfig/ListeConfig.h"
#include "ioconfig/ModelliConfig.h"

#include <QList>
#include <algorithm>

const char* const kCaptionSchede[NumSchede] = {"System", "Comm", "Analog In", "Analog Out", "Digital In", "Digital Out", "Trip"};

namespace {
using Nomi = QList<const char*>;

bool Tra(int k, const QList<int>& modelli) { return modelli.contains(k); }

const char* const kFrameSezione[NumSchede] = {"frm_tab_prog", "frm_tab_com", "frm_tab_AI", "frm_tab_ao", "frm_tab_di", "frm_tab_do", "frm_tab_trip"};

// Analog In: what each group of models shows per channel and once.
struct RigaIngressi {
    QList<int> modelli;
    Nomi perCanale;
    int canali;
    QStringList unaVolta;
};
const QList<RigaIngressi>& TabellaIngressi()
{
    static const Nomi kValori = {"Label3", "chk_En", "txt_Input", "pBreak", "txt_Input_sync"};
    static const QStringList kUnTipo = {"cmb_InputType_0", "cmd_In_Zero_0", "cmd_In_Span_0", "Label9_2", "Label9_4", "Label9_5", "cmd_sync"};
    static const QList<RigaIngressi> t = {
        {{5, 6, 7, 9}, {"Label3", "cmb_InputType", "txt_Input"}, 2, {}},
        {{10, 11, 12}, kValori, 4, kUnTipo},
        {{13, 14}, kValori, 8, kUnTipo},
        {{15, 16},
         {"Label3", "cmb_InputType", "cmd_In_Zero", "cmd_In_Span", "txt_Input_Offset", "txt_Input", "pBreak", "txt_Input_sync"},
         8,
         {"Label9_4", "Label9_5", "Label9_6", "cmd_invia_6", "cmd_sync"}},
    };
    return t;
}

struct Conteggio {
    QList<int> modelli;
    int n;
    bool tipoScelto = false;
};
// Analog Out outputs (and whether their type may be chosen), Digital In
// inputs, Digital Out outputs.
const QList<Conteggio> kUscite = {{{17}, 2, true}, {{18}, 4, true}, {{19}, 8}, {{9}, 2}, {{5, 6, 7}, 2}};
const QList<Conteggio> kIngressiDigitali = {{{1, 3, 4, 20, 21}, 4}, {{23}, 8}, {{22}, 12}, {{9}, 3}, {{5, 6, 7}, 2}};
const QList<Conteggio> kUsciteDigitali = {{{1, 3, 4}, 2}, {{20}, 4}, {{21, 23}, 8}, {{9}, 3}, {{5, 6, 7}, 2}};

const Conteggio* Cerca(const QList<Conteggio>& t, int k)
{
    for (const Conteggio& c : t)
        if (Tra(k, c.modelli)) return &c;
    return nullptr;
}

void MostraElementi(ControlliConfig& c, const char* nome, int n, int totale)
{
    for (int i = 0; i < totale; ++i) c.Mostra(Ctl(nome, i), i < n);
}

void AnalogIn(ControlliConfig& c, int k)
{
    static const Nomi kCanale = {"Label3", "cmb_InputType", "chk_En", "txt_Input", "pBreak", "txt_Input_sync", "txt_Input_Offset", "cmd_In_Zero", "cmd_In_Span"};
    for (int ch = 0; ch < 8; ++ch) {
        for (const char* n : kCanale) c.Mostra(Ctl(n, ch), false);
        c.SvuotaLista(Ctl("cmb_InputType", ch));
    }
    for (const char* n : {"Label9_2", "Label9_4", "Label9_5", "Label9_6", "cmd_invia_6", "cmd_sync"}) c.Mostra(QString::fromLatin1(n), false);
    const auto& righe = TabellaIngressi();
    const auto riga = std::find_if(righe.begin(), righe.end(), [k](const RigaIngressi& r) { return Tra(k, r.modelli); });
    if (riga == righe.end()) return;
    for (int ch = 0; ch < 8; ++ch) {
        const QList<VoceConfig>& voci = VociTipi(ListaCanale(k, ch));
        for (int j = 0; j < voci.size(); ++j) AggiungiTipoIngresso(c, ch, QString::fromLatin1(voci[j].testo), voci[j].codice, j);
    }
    for (int ch = 0; ch < riga->canali; ++ch)
        for (const char* n : riga->perCanale) c.Mostra(Ctl(n, ch), true);
    for (const QString& n : riga->unaVolta) c.Mostra(n, true);
    c.Mostra(Ctl("frm_tab_AI"), true);
}
} // namespace

void AggiungiTipoIngresso(ControlliConfig& c, int canale, const QString& testo, int codice, int pos)
{
    c.InserisciVoce(Ctl("cmb_InputType", canale), pos, testo, codice);
}

void MostraSezione(ControlliConfig& c, int k, int scheda, bool produzione)
{
    for (const char* f : kFrameSezione) c.Mostra(QString::fromLatin1(f), false);
    c.Mostra(Ctl("frm_RTC"), false);
    c.Mostra(Ctl("frm_Disp"), false);
    c.Mostra(Ctl("frm_In_Cal"), produzione);
    switch (scheda) {
    case SchedaSistema:
        c.Mostra(Ctl("frm_RTC"), Tra(k, {2, 3, 4, 6, 7}));
        c.Mostra(Ctl("frm_Disp"), k == ModelloQVR4005);
        c.Mostra(Ctl("frm_tab_prog"), true);
        break;
    case SchedaComm:
        c.Mostra(Ctl("frm_tab_com"), true);
        c.Mostra(Ctl("Frm_com", 1), k >= 0 && k <= 8);
        c.Mostra(Ctl("Frm_com", 0), k != ModelloQVR0573);
        break;
    case SchedaAnalogIn: AnalogIn(c, k); break;
    case SchedaAnalogOut:
        if (const Conteggio* u = Cerca(kUscite, k)) {
            for (const char* n : {"cmb_Out", "txt_Output", "cmd_Output", "txt_Safe"}) MostraElementi(c, n, u->n, 8);
            for (int ch = 0; ch < 8; ++ch) c.Abilita(Ctl("cmb_Out", ch), u->tipoScelto);
            c.Mostra(Ctl("frm_tab_ao"), true);
            c.Mostra(Ctl("frm_AO"), true);
        }
        break;
    case SchedaDigitalIn:
        if (const Conteggio* d = Cerca(kIngressiDigitali, k)) {
            MostraElementi(c, "DI", d->n, 16);
            c.Mostra(Ctl("frm_tab_di"), true);
        }
        break;
    case SchedaDigitalOut:
        if (const Conteggio* d = Cerca(kUsciteDigitali, k)) {
            MostraElementi(c, "chk_OutputBit", d->n, 8);
            c.Mostra(Ctl("frm_tab_do"), true);
        }
        break;
    case SchedaTrip: c.Mostra(Ctl("frm_tab_trip"), k == ModelloQVR0573); break;
    default: break;
    }
}

void RiempiListeFisse(ControlliConfig& c)
{
    auto riempi = [&c](const QString& nome, const QList<VoceConfig>& voci) {
        c.SvuotaLista(nome);
        for (int i = 0; i < voci.size(); ++i) c.InserisciVoce(nome, i, QString::fromLatin1(voci[i].testo), voci[i].codice);
    };
    auto riempiTesti = [&c](const QString& nome, const QStringList& testi) {
        c.SvuotaLista(nome);
        for (int i = 0; i < testi.size(); ++i) c.InserisciVoce(nome, i, testi[i], i);
        c.Posizione(nome, 0);
    };
    QStringList giorni, mesi, anni;
    for (int g = 1; g <= 31; ++g) giorni << QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0'));
    for (int m = 1; m <= 12; ++m) mesi << NomiMese[m];
    for (int a = 2000; a <= 2099; ++a) anni << QString::number(a);
    riempiTesti(Ctl("txt_giorno", 0), giorni);
    riempiTesti(Ctl("txt_mese", 0), mesi);
    riempiTesti(Ctl("txt_anno", 0), anni);
    riempi(Ctl("cmb_baud", 1), VociBaud());
    riempi(Ctl("cmb_par", 1), VociParita());
    riempi(Ctl("cmb_par", 0), VociParita());
    riempi(Ctl("cmb_stop", 1), VociStop());
    riempi(Ctl("cmb_stop", 0), VociStop());
}
