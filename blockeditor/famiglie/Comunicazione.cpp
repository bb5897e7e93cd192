#include "blockeditor/famiglie/Comunicazione.h"

#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/Famiglie.h"
#include "blockeditor/famiglie/Elenco.h"
#include "blockeditor/famiglie/ModuliDispositivo.h"
#include "program/Programmi.h"

namespace {
// Language texts of the row captions.
constexpr int kIndirizzo = 64, kRegistro = 65, kNumero = 66, kDest = 67, kSorgente = 69,
              kDispositivo = 70, kRisorsa = 71, kDa = 72, kA = 73;
constexpr int kLeggiScrivi = 31;   // "Read/Write": a read block with the write captions
const QString kRitardoIniziale = QStringLiteral("10");

bool ClasseLettura(int16_t classe)
{
    return classe == 2 || classe == 4 || classe == 6;
}

void Riga(LayoutBlocco& l, int i, int testo, uint8_t tipo, double valore, bool registro)
{
    DefArgomento& a = l.righe[size_t(i)].arg;
    a.Nome = Testo(testo);
    a.Tipo = tipo;
    a.Valore = valore;
    a.DaRegistro = registro;
    a.TipiAmmessi[TipoUInt] = 1;
    if (tipo == TipoInt) a.TipiAmmessi[TipoInt] = 1;
    l.ordine << i;
}

// The local register: where a read puts the data, where a write takes it.
void RigaLocale(LayoutBlocco& l, int i, bool didascaliaScrittura, const ContestoBlocco& c)
{
    Riga(l, i, didascaliaScrittura ? kSorgente : kDest, TipoInt, c.modello.PrimoRegistroUtente, true);
}

// The delay goes in byte 0 of slots 4 and 5, low byte first, where the
// compiler's communication table takes it; slots 6 and 7 are cleared.
EsitoCodifica CodificaRitardo(const DatiBlocco& d, Rung& r)
{
    for (int s = 4; s <= 7; ++s) r.ArgByte[size_t(s)] = {0, 0, 0, 0};
    const double ritardo = LeggiNumero(d.ritardo);
    SlotArgomento parole{};
    if (!CodificaSlot(parole, ritardo, TipoUInt, false)) return EsitoCodifica::Di(Esito::RitardoErrato);
    r.ArgByte[4][0] = parole[0];
    r.ArgByte[5][0] = parole[1];
    const std::optional<int16_t> delay = InIntero16(ritardo);
    if (!delay) return EsitoCodifica::Di(Esito::RitardoErrato);
    r.Delay = *delay;
    return EsitoCodifica::Ok();
}

EsitoCodifica Slot(Rung& r, const DatiBlocco& d, int riga, int slot)
{
    return Trasf(r, d.righe[size_t(riga)].valore, TipoUInt, slot) ? EsitoCodifica::Ok() : EsitoCodifica::Riga(riga);
}

EsitoCodifica CodificaSemplice(const DatiBlocco& d, Rung& r)
{
    constexpr int righe[] = {0, 1, 2, 4};   // node, remote register, count, local register
    for (int slot = 0; slot < 4; ++slot)
        if (const EsitoCodifica e = Slot(r, d, righe[slot], slot); !e.Memorizzato()) return e;
    r.Lunghezza = 0;
    DidascalieRung(d, r, {0, 1, 2, 4}, {4});
    return CodificaRitardo(d, r);
}

EsitoCodifica CodificaDispositivo(const DatiBlocco& d, Rung& r, VersoDispositivo verso)
{
    const RigaBlocco& risorsa = d.righe[4];
    const double da = LeggiNumero(d.righe[5].testo);
    const double a = LeggiNumero(d.righe[6].testo);
    // Refused before anything of the block is written. The limits are those
    // the Device row's last choice set, which its Resource list still shows.
    const LimitiCanali limiti = LimitiDiRisorse(verso, risorsa.lista);
    if (!CanaliAmmessi(da, a, limiti)) return EsitoCodifica::Riga(da < limiti.Da ? 5 : 6);

    if (const EsitoCodifica e = Slot(r, d, 1, 0); !e.Memorizzato()) return e;
    const int posizioneRisorsa = PosizioneTesto(risorsa.lista, risorsa.testo);
    std::optional<RegistroConteggio> remoto;
    if (verso == VersoDispositivo::Lettura) {
        const int base = posizioneRisorsa >= 0 ? risorsa.lista[posizioneRisorsa].dato : 0;
        remoto = RegistroCanali(base, da, a);
    } else {
        const RigaBlocco& dispositivo = d.righe[0];
        remoto = RegistroScrittura(PosizioneTesto(dispositivo.lista, dispositivo.testo), posizioneRisorsa, da, a);
    }
    // No module chosen on the write path: the rung keeps its register and count.
    if (remoto) {
        if (!Trasf(r, remoto->registro, TipoUInt, 1)) return EsitoCodifica::Riga(5);
        if (!Trasf(r, remoto->conteggio, TipoUInt, 2)) return EsitoCodifica::Riga(6);
    }
    if (const EsitoCodifica e = Slot(r, d, 7, 3); !e.Memorizzato()) return e;
    r.Lunghezza = 0;
    DidascalieRung(d, r, {0, 1, 4, 5, 6, 7}, {7});
    return CodificaRitardo(d, r);
}
} // namespace

LayoutBlocco ImpaginaComunicazione(int indice, Rung&, const ContestoBlocco& c)
{
    LayoutBlocco l;
    if (indice < 0 || indice >= NumBlocchi) return l;
    const int16_t classe = VoceFunzione(indice).def.Classe;
    const bool didascaliaScrittura = !ClasseLettura(classe) || indice == kLeggiScrivi;
    if (const std::optional<VersoDispositivo> verso = VersoDi(indice)) {
        Riga(l, 4, kRisorsa, TipoUInt, 1, false);
        Riga(l, 0, kDispositivo, TipoUInt, 1, false);
        l.righe[0].lista = VociModuli(*verso);
        l.righe[0].scelta = 0;
        l.reazioni << 0;
        Riga(l, 1, kIndirizzo, TipoUInt, 1, false);
        Riga(l, 5, kDa, TipoUInt, 0, false);
        Riga(l, 6, kA, TipoUInt, 0, false);
        RigaLocale(l, 7, didascaliaScrittura, c);
    } else {
        Riga(l, 0, kIndirizzo, TipoUInt, 1, false);
        Riga(l, 1, kRegistro, TipoUInt, 1, false);
        Riga(l, 2, kNumero, TipoUInt, 1, false);
        RigaLocale(l, 4, didascaliaScrittura, c);
    }
    l.ritardo = kRitardoIniziale;
    return l;
}

EsitoCodifica CodificaComunicazione(const DatiBlocco& d, Rung& r)
{
    // The stored class picks the path, its group the layout.
    const bool lettura = ClasseLettura(r.Classe);
    if (r.Gruppo == 0) return CodificaSemplice(d, r);
    return CodificaDispositivo(d, r, lettura ? VersoDispositivo::Lettura : VersoDispositivo::Scrittura);
}

void RegistraComunicazione()
{
    RegistraFamiglia(Famiglia::Comunicazione, {ImpaginaComunicazione, CodificaComunicazione, SceltaDispositivo});
}
