#include "blockeditor/CodificaBlocco.h"

#include "base/Conversioni.h"
#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/IconeBlocchi.h"
#include "program/Programmi.h"

#include <QLocale>

QString TestoDecimale(double v)
{
    QLocale loc = QLocale::system();
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    return loc.toString(v, 'g', 15);
}

namespace {
// A row whose text is a number rather than a name: shown, with no value list
// (labels, modules, resources) and not a table row.
bool RigaNumerica(const RigaBlocco& r)
{
    return r.visibile && !r.nome && r.lista.isEmpty() && r.Tipo() != TipoTable;
}

// A row that names a register unless a constant type is chosen in it.
bool AttendeRegistro(const RigaBlocco& r)
{
    return r.registro && r.Tipo() != TipoKFlt && r.Tipo() != TipoKLong;
}

// A trigger field: a number that fits 16 signed bits.
bool CampoTrigger(const QString& testo)
{
    const std::optional<double> v = NumeroRiga(testo);
    return v && InIntero16(*v);
}

// A register number or a whole-number constant fills 16 bits, a negative
// value taken plus 65536; a value past them would wrap into another register
// or time.
bool NelCampo(const RigaBlocco& r, bool registro)
{
    return (!registro && r.Tipo() != TipoUInt) || EntraIn16Bit(r.valore);
}
} // namespace

EsitoCodifica LeggiRighe(DatiBlocco& dati)
{
    const bool editor = dati.lettura == LetturaRighe::Editor;
    for (int i = 0; i < 8; ++i) {
        RigaBlocco& r = dati.righe[size_t(i)];
        const bool registro = r.testo.startsWith(QLatin1Char('%'));
        // The register prefix is two characters, whatever the second is.
        if (registro && r.testo.size() < 2) return EsitoCodifica::Riga(i);
        const QString numero = registro ? r.testo.mid(2) : VirgolaToPunto(r.testo);
        if (!editor || !RigaNumerica(r)) {
            r.valore = LeggiNumero(numero);
            continue;
        }
        // A number row refuses a text that begins with no number, rather
        // than storing 0. An empty number is 0, but an empty register row
        // (or a bare "%R") would name register 0, the command register.
        const std::optional<double> v = NumeroRiga(numero);
        if (!v || ((registro || AttendeRegistro(r)) && numero.trimmed().isEmpty())) return EsitoCodifica::Riga(i);
        r.valore = *v;
        if (!NelCampo(r, registro)) return EsitoCodifica::Riga(i);
    }
    return EsitoCodifica::Ok();
}

EsitoCodifica CodificaBlocco(DatiBlocco& dati, Rung& r)
{
    if (dati.indice < 0 || dati.indice >= NumBlocchi) return EsitoCodifica::Di(Esito::FuoriCatalogo);
    if (const EsitoCodifica e = LeggiRighe(dati); !e.Memorizzato()) return e;
    // The editor checks its other number fields before anything is written too.
    if (dati.lettura == LetturaRighe::Editor) {
        // The trigger's register, left empty, would be register 0, the
        // command register; an empty mask is just no bit.
        if (dati.trigger && (dati.testoTrigReg.trimmed().isEmpty() || !CampoTrigger(dati.testoTrigReg) ||
                             !CampoTrigger(dati.testoTrigMask)))
            return EsitoCodifica::Di(Esito::TriggerErrato);
        if (dati.ritardoVisibile && !NumeroRiga(dati.ritardo)) return EsitoCodifica::Di(Esito::RitardoErrato);
    }

    // The row's values and their visibility; the captions are the family's.
    RigaRung& riga = r.Riga;
    for (size_t i = 0; i < 8; ++i) {
        riga.ArgVisibile[i] = dati.righe[i].visibile;
        riga.ValoriArg[i] = dati.righe[i].testo;
        r.ArgTesto[i] = dati.righe[i].testo;
    }
    r.Etichetta = dati.etichetta;

    if (dati.trigger) {
        r.Trig = true;
        const auto registro = InIntero16(LeggiNumero(dati.testoTrigReg));
        if (!registro) return EsitoCodifica::Di(Esito::TriggerErrato);
        r.TrigReg = *registro;
        const auto maschera = InIntero16(LeggiNumero(dati.testoTrigMask));
        if (!maschera) return EsitoCodifica::Di(Esito::TriggerErrato);
        r.TrigMask = *maschera;
    } else {
        r.Trig = false;
        r.TrigReg = 0;
        r.TrigMask = 0;
    }

    const VoceCatalogo& voce = VoceFunzione(dati.indice);
    r.Classe = voce.def.Classe;
    r.Gruppo = voce.def.Gruppo;
    r.Op = uint8_t(voce.def.Op);

    if (!EsisteIconaBlocco(voce.def.Icona)) return EsitoCodifica::Di(Esito::SenzaImmagine);
    riga.Immagine = ChiaveIconaBlocco(voce.def.Icona);
    riga.Funzione = dati.nomeFunzione;
    riga.Colore = RgbDaBgr(voce.coloreBGR);
    riga.HaColore = true;

    if (const GestoreFamiglia* g = GestoreBlocco(dati.indice); g && g->Codifica)
        if (const EsitoCodifica e = g->Codifica(dati, r); !e.Memorizzato()) return e;

    r.Valido = true;
    return EsitoCodifica::Ok();
}

void MostraArgomento(RigaBlocco& riga, DefArgomento& a, const QStringList& tabelle)
{
    if (a.Nome.isEmpty()) {
        riga.visibile = false;
        riga.tipoVisibile = false;
        return;
    }
    riga.tipi.clear();
    for (int j = 0; j <= 12; ++j) {
        if (!a.TipiAmmessi[size_t(j)]) continue;
        riga.tipi.append({TipiDato[size_t(j)], j});
        if (j == TipoTable) {
            // A row that offers Table always starts as a table row.
            a.Tipo = TipoTable;
            for (const QString& t : tabelle) riga.lista.append({t, int(riga.lista.size())});
        }
    }
    for (int j = 0; j <= 7; ++j)
        if (a.PuntatoriAmmessi[size_t(j)]) riga.tipi.append({QStringLiteral("Punt->") + TipiDato[size_t(j)], j + 8});

    riga.didascalia = a.Nome;
    riga.registro = a.DaRegistro;
    // No entry of the row's type: nothing chosen, and the row keeps its type.
    if (riga.ScegliTipo(a.Tipo)) riga.pulsanteSet = a.Tipo == TipoKLong || a.Tipo == TipoTable;

    switch (a.Tipo) {
    case 0: case 1: case 2: case 3: case 4: case 7: case 8: case 9: case 11: case 12:
        riga.testo = a.DaRegistro ? QStringLiteral("%R") + TestoDecimale(a.Valore) : TestoDecimale(a.Valore);
        break;
    case 5: case 6:
        riga.testo = TestoDecimale(a.Valore);
        break;
    case 10:
        if (!riga.lista.isEmpty()) {
            riga.scelta = 0;
            riga.testo = riga.lista[0].testo;
        }
        break;
    default:
        break;
    }
    riga.visibile = true;
    riga.tipoVisibile = true;
}

void ApplicaLayout(DatiBlocco& dati, const LayoutBlocco& layout, std::array<DefArgomento, 8>& argomenti)
{
    for (size_t i = 0; i < 8; ++i) argomenti[i] = layout.righe[i].arg;
    for (int i : layout.ordine) {
        if (i < 0 || i > 7) continue;
        RigaBlocco& r = dati.righe[size_t(i)];
        const RigaLayout& l = layout.righe[size_t(i)];
        MostraArgomento(r, argomenti[size_t(i)], dati.contesto.tabelle);
        if (!r.visibile) continue;
        if (!l.tipoVisibile) r.tipoVisibile = false;
        if (l.sceltaTabella && r.Tipo() == TipoTable) {
            r.scelta = *l.sceltaTabella >= 0 && *l.sceltaTabella < r.lista.size() ? *l.sceltaTabella : -1;
            r.testo = r.scelta >= 0 ? r.lista[r.scelta].testo : QString();
        }
        QList<VoceLista> aggiunte = l.etichette ? dati.contesto.etichette : QList<VoceLista>{};
        aggiunte += l.lista;
        if (l.etichette) r.nome = true;
        if (!aggiunte.isEmpty()) {
            r.lista += aggiunte;
            const int scelta = l.etichette ? 0 : l.scelta;
            r.scelta = scelta >= 0 && scelta < r.lista.size() ? scelta : -1;
            if (r.scelta >= 0) r.testo = r.lista[r.scelta].testo;
        }
        if (l.testo) r.testo = *l.testo;
    }
    if (layout.ritardo) {
        dati.ritardo = *layout.ritardo;
        dati.ritardoVisibile = true;
    }
    if (!layout.reazioni.isEmpty())
        if (const GestoreFamiglia* g = GestoreBlocco(dati.indice); g && g->ValoreScelto)
            for (int riga : layout.reazioni) g->ValoreScelto(dati, riga);
}

LayoutBlocco ImpaginaBlocco(DatiBlocco& dati, int indice, Rung* rung, std::array<DefArgomento, 8>& argomenti)
{
    dati.indice = indice;
    for (RigaBlocco& r : dati.righe) r = RigaBlocco{};
    dati.ritardoVisibile = false;
    if (rung && rung->Valido) {
        dati.trigger = rung->Trig;
        if (rung->Trig) {
            dati.testoTrigReg = QString::number(rung->TrigReg);
            dati.testoTrigMask = QString::number(rung->TrigMask);
        }
    }
    LayoutBlocco layout;
    if (const GestoreFamiglia* g = GestoreBlocco(indice); g && g->Impagina) {
        Rung senzaBersaglio;
        layout = g->Impagina(indice, rung ? *rung : senzaBersaglio, dati.contesto);
    }
    ApplicaLayout(dati, layout, argomenti);
    return layout;
}

DatiBlocco DatiIniziali(int indice, Rung& rung, const ContestoBlocco& contesto)
{
    DatiBlocco d;
    if (indice >= 0 && indice < NumBlocchi) d.nomeFunzione = NomiFunzione[size_t(indice)];
    d.contesto = contesto;
    std::array<DefArgomento, 8> argomenti;
    ImpaginaBlocco(d, indice, &rung, argomenti);
    return d;
}

DatiBlocco DatiDaRung(Rung& rung, const ContestoBlocco& contesto)
{
    DatiBlocco d = DatiIniziali(FunzToOpt(rung.Classe, rung.Gruppo, rung.Op), rung, contesto);
    d.lettura = LetturaRighe::Progetto;
    d.etichetta = rung.Etichetta;
    RigaBlocco& primo = d.righe[0];
    primo.testo = rung.ArgTesto[0];
    // The stored text picks its list entry; the last equal entry wins.
    for (int k = 0; k < primo.lista.size(); ++k)
        if (primo.lista[k].testo == primo.testo) primo.scelta = k;
    if (const GestoreFamiglia* g = GestoreBlocco(d.indice); g && g->ValoreScelto) g->ValoreScelto(d, 0);
    for (size_t i = 1; i < 8; ++i) d.righe[i].testo = rung.ArgTesto[i];
    // The delay is 16 bits: low byte in slot 4, high byte in slot 5. The
    // rung's Delay is signed, so a word from 32768 up is the negative delay
    // the editor stored as it plus 65536.
    const int ritardo = rung.ArgByte[4][0] + 256 * rung.ArgByte[5][0];
    d.ritardo = QString::number(ritardo < 32768 ? ritardo : ritardo - 65536);
    // Block Move keeps its source kind in slot 1 byte 2; an entry that does
    // not exist is left unchosen.
    if (rung.Op == 0 && rung.Classe == 3 && rung.Gruppo == 6) {
        RigaBlocco& sorgente = d.righe[1];
        const int tipo = rung.ArgByte[1][2];
        if (tipo < sorgente.tipi.size()) sorgente.sceltaTipo = tipo;
    }
    return d;
}

QString DidascaliaConTipo(const RigaBlocco& riga)
{
    return riga.didascalia + QStringLiteral(" (") + riga.TestoTipo() + QStringLiteral(")");
}

QString Sommario(const QStringList& testi)
{
    return QStringLiteral("[ ") + testi.join(QStringLiteral(" , ")) + QStringLiteral(" ]");
}

void NomeArgomentoRung(const DatiBlocco& dati, Rung& rung, int riga, bool conTipo)
{
    if (riga < 0 || riga > 7) return;
    const RigaBlocco& r = dati.righe[size_t(riga)];
    rung.Riga.NomiArg[size_t(riga)] = conTipo ? DidascaliaConTipo(r) : r.didascalia;
}

void SommarioRung(const DatiBlocco& dati, Rung& rung, std::initializer_list<int> righe)
{
    QStringList testi;
    for (int i : righe)
        if (i >= 0 && i <= 7) testi << dati.righe[size_t(i)].testo;
    rung.Riga.Sommario = Sommario(testi);
}

void DidascalieRung(const DatiBlocco& dati, Rung& rung, std::initializer_list<int> righe,
                    std::initializer_list<int> conTipo)
{
    for (int i : righe) NomeArgomentoRung(dati, rung, i, std::find(conTipo.begin(), conTipo.end(), i) != conTipo.end());
    SommarioRung(dati, rung, righe);
}

