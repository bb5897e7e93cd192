#include "ioconfig/DecodificaConfig.h"

#include "ioconfig/ListeConfig.h"
#include "ioconfig/ModelliConfig.h"

namespace {
// Requests of the full read in order; a model gets those of its groups.
struct VocePasso {
    RichiestaLettura richiesta;
    uint32_t gruppi;   // 0: every model
};
const QList<VocePasso> kSequenza = {
    {{PassoLettura::Base, 0, 13}, 0},
    {{PassoLettura::Porta0, 18, 2}, GrDuePorte},
    {{PassoLettura::Orologio, 22, 4}, GrOrologio},
    {{PassoLettura::Flag, 9, 3}, 0},
    {{PassoLettura::Digitali, 8, 2}, GrDigitali},
    {{PassoLettura::TipiQVR8566, 0, 0}, GrQVR8566},
    {{PassoLettura::Analogici4566, 26, 9}, GrFamiglia4566 | GrQVR8566},
    {{PassoLettura::Canali, 9, 4}, GrAbilitaCanali},
    {{PassoLettura::Valori, 14, 16}, GrAbilitaCanali},
    {{PassoLettura::CanaliTipo, 9, 4}, GrTipoPerCanale},
    {{PassoLettura::ValoriOffset, 14, 24}, GrTipoPerCanale},
    {{PassoLettura::UsciteTipo, 13, 1}, GrUsciteAnalogiche},
    {{PassoLettura::UsciteValori, 14, 16}, GrUsciteAnalogiche},
};

bool Bit(int byte, int i) { return (byte >> i) & 1; }
QString Due(int byte) { return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper(); }

void Base(ControlliConfig& c, int k, const RegistriLetti& r)
{
    const int v[4] = {r.Alto(1), r.Basso(1), r.Alto(2), r.Basso(2)};
    QString vers;
    for (int b : v) vers += r.Basso(2) == 'H' ? QString(QChar(b)) : QString::number(b);
    c.ImpostaTesto(Ctl("txt_vers"), vers);
    // The name goes low byte first in each register, as it is written.
    QString nome;
    for (int b : {r.Basso(3), r.Alto(3), r.Basso(4), r.Alto(4)}) nome += QChar(b);
    c.ImpostaTesto(Ctl("txt_nome"), nome);
    c.ImpostaTesto(Ctl("txt_add"), QString::number(r.Basso(6)));
    if (k == ModelloQVR4005) {
        c.Spunta(Ctl("opt_DispMode", r.Alto(11) != 0 ? 1 : 0), true);
        c.Posizione(Ctl("bar_Contr"), r.Alto(11) & 15);
        c.Posizione(Ctl("bar_Lumin"), r.Basso(11) & 15);
    }
    if (InGruppo(k, GrFlagSistema)) c.ImpostaTesto(Ctl("txt_wdt", 0), QString::number(r.Basso(12)));
    else if (InGruppo(k, GrWatchdog8)) c.ImpostaTesto(Ctl("txt_wdt", 0), QString::number(r.Basso(8)));
    const int codice = r.Basso(5);
    if (InGruppo(k, GrDuePorte)) {
        c.SelezionaDato(Ctl("cmb_baud", 1), codice & 7);
        c.SelezionaDato(Ctl("cmb_par", 1), codice & 96);
        c.SelezionaDato(Ctl("cmb_stop", 1), codice & 8);
        c.ImpostaTesto(Ctl("txt_delay", 1), QString::number(r.Basso(7)));
    } else if (InGruppo(k, GrUnaPorta)) {
        c.ImpostaTesto(Ctl("cmb_baud", 0), TestoBaud(codice));
        c.ImpostaTesto(Ctl("txt_delay", 0), QString::number(r.Basso(7)));
    }
}

QString Orologio(ControlliConfig& c, const RegistriLetti& r)
{
    struct Data {
        const char* lista;
        int byte, minimo, massimo;
        const char* causa;
    };
    // Day and month count from 1 (0 leaves no selection), the year from 2000.
    const Data date[] = {{"txt_giorno", r.Basso(24), 1, 31, "Day out of range"},
                         {"txt_mese", r.Alto(25), 1, 12, "Month out of range"},
                         {"txt_anno", r.Basso(25), 0, 99, "Year out of range"}};
    for (const Data& d : date) {
        const int v = DaBcd(d.byte);
        if (v < 0) return QStringLiteral("Clock byte not BCD");
        if (v > d.massimo) return QString::fromLatin1(d.causa);
        c.Posizione(Ctl(d.lista, 0), v - d.minimo);
    }
    c.ImpostaTesto(Ctl("txt_ore", 0), Due(r.Basso(23)));
    c.ImpostaTesto(Ctl("txt_min", 0), Due(r.Alto(23)));
    c.ImpostaTesto(Ctl("txt_sec", 0), Due(r.Basso(22)));
    return {};
}

void Eventi(ControlliConfig& c, int byte)
{
    for (int i = 0; i < 3; ++i) c.Colore(Ctl("Led_Ev", i), Bit(byte, i) ? ColoreRosso : ColoreGrigio);
}
} // namespace

QList<RichiestaLettura> PassiLettura(int k)
{
    QList<RichiestaLettura> out;
    for (const VocePasso& v : kSequenza)
        if (v.gruppi == 0 || InGruppo(k, v.gruppi)) out << v.richiesta;
    return out;
}

int DaBcd(int byte)
{
    const int alto = (byte >> 4) & 15, basso = byte & 15;
    return alto > 9 || basso > 9 ? -1 : alto * 10 + basso;
}

QString DecodificaPasso(ControlliConfig& c, int k, PassoLettura passo, const RegistriLetti& r)
{
    switch (passo) {
    case PassoLettura::Base: Base(c, k, r); break;
    case PassoLettura::Porta0:
        c.ImpostaTesto(Ctl("cmb_baud", 0), TestoBaud(r.Alto(18)));
        c.SelezionaDato(Ctl("cmb_par", 0), r.Alto(18) & 96);
        c.SelezionaDato(Ctl("cmb_stop", 0), r.Alto(18) & 8);
        c.ImpostaTesto(Ctl("txt_delay", 0), QString::number(r.Basso(18)));
        break;
    case PassoLettura::Orologio: return Orologio(c, r);
    case PassoLettura::Flag:
        if (InGruppo(k, GrFlagSistema)) {
            Eventi(c, r.Alto(10));
            for (int i = 0; i < 8; ++i) {
                c.Spunta(Ctl("chk_PupBit", i), Bit(r.Alto(11), i));
                c.Spunta(Ctl("chk_SafeBit", i), Bit(r.Basso(11), i));
            }
        } else {
            Eventi(c, r.Basso(9));
        }
        break;
    case PassoLettura::Digitali:
        for (int i = 0; i < 8; ++i) {
            c.Colore(Ctl("Led", i), Bit(r.Alto(8), i) ? ColoreRosso : ColoreGrigio);
            c.Colore(Ctl("Led", i + 8), Bit(r.Basso(8), i) ? ColoreRosso : ColoreGrigio);
            c.Spunta(Ctl("chk_OutputBit", i), Bit(r.Alto(9), i));
        }
        break;
    case PassoLettura::TipiQVR8566: break;   // not a register reply
    case PassoLettura::Analogici4566:
        for (int j = 0; j < 2; ++j) {
            c.ImpostaTesto(Ctl("txt_Input", j), r.Analogico(26 + j));
            c.ImpostaTesto(Ctl("cmb_Out", j), QStringLiteral("mA"));
            c.ImpostaTesto(Ctl("txt_Output", j), r.Analogico(32 + j));
        }
        if (InGruppo(k, GrFamiglia4566)) {
            c.SelezionaDato(Ctl("cmb_InputType", 0), r.Basso(34));
            c.SelezionaDato(Ctl("cmb_InputType", 1), r.Alto(34));
        }
        break;
    case PassoLettura::Canali:
        for (int i = 0; i < 8; ++i) {
            const bool on = Bit(r.Basso(11), i);
            c.Spunta(Ctl("chk_En", i), on);
            for (const char* n : {"txt_Input", "pBreak", "txt_Input_sync"}) c.Abilita(Ctl(n, i), on);
        }
        if (k == ModelloQVR8569) {
            for (int i = 0; i < 8; ++i) c.Colore(Ctl("pBreak", i), Bit(r.Alto(9), i) ? ColoreRosso : ColoreBianco);
        } else {
            // Two break flags per box: one box serves a channel pair.
            for (int n = 0; n < 4; ++n)
                c.Colore(Ctl("pBreak", n), Bit(r.Alto(9), 2 * n) || Bit(r.Alto(9), 2 * n + 1) ? ColoreRosso : ColoreBianco);
        }
        c.SelezionaDato(Ctl("cmb_InputType", 0), r.Basso(10));
        break;
    case PassoLettura::CanaliTipo:
        for (int i = 0; i < 8; ++i) {
            const int byte = (i & 2) ? (i < 4 ? r.Alto(10) : r.Alto(11)) : (i < 4 ? r.Basso(10) : r.Basso(11));
            c.SelezionaDato(Ctl("cmb_InputType", i), (i & 1) ? (byte & 240) / 16 : byte & 15);
            c.Colore(Ctl("pBreak", i), Bit(r.Alto(9), i) ? ColoreRosso : ColoreBianco);
        }
        break;
    case PassoLettura::Valori:
    case PassoLettura::ValoriOffset:
        for (int i = 0; i < 8; ++i) {
            c.ImpostaTesto(Ctl("txt_Input", i), r.Analogico(14 + i));
            c.ImpostaTesto(Ctl("txt_Input_sync", i), r.Analogico(22 + i));
            if (passo == PassoLettura::ValoriOffset) c.ImpostaTesto(Ctl("txt_Input_Offset", i), r.Analogico(30 + i));
        }
        break;
    case PassoLettura::UsciteTipo:
        for (int i = 0; i < 8; ++i) c.Posizione(Ctl("cmb_Out", i), Bit(r.Basso(13), i) ? 1 : 0);
        break;
    case PassoLettura::UsciteValori:
        for (int i = 0; i < 8; ++i) {
            c.ImpostaTesto(Ctl("txt_Output", i), r.Analogico(14 + i));
            c.ImpostaTesto(Ctl("txt_Safe", i), r.Analogico(22 + i));
        }
        break;
    }
    return {};
}
