#include "blockeditor/famiglie/FlussoTempo.h"

#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/AiutiRighe.h"
#include "program/Programmi.h"

#include <cmath>

namespace {
// Catalogue indexes of the family.
constexpr int kGoto = 11, kIfGoto = 13, kCall = 14, kReturn = 15, kLogWrite = 41, kIfCall = 42, kWatchDog = 45;

// A target row: its value list holds the process's labels, but any text may
// be typed; the compiler resolves the text, not the list position.
RigaLayout RigaBersaglio(const QString& nome)
{
    RigaLayout r = RigaSemplice(nome, TipoUInt, 0, false, {TipoUInt});
    r.tipoVisibile = false;
    r.etichette = true;
    return r;
}

void Azzera(Rung& r, int da, int a)
{
    for (int k = da; k <= a; ++k) Trasf(r, 0, TipoUInt, k);
}
} // namespace

LayoutBlocco ImpaginaFlusso(int indice, Rung& rung, const ContestoBlocco& contesto)
{
    LayoutBlocco l;
    switch (indice) {
    case kGoto:
    case kCall:
        l.righe[4] = RigaBersaglio(Testo(76));
        l.ordine = {4};
        break;
    case kIfGoto:
    case kIfCall:
        l.righe[0] = RigaSemplice(Testo(69), TipoUInt, contesto.modello.PrimoRegistroUtente, true, {TipoUInt});
        l.righe[1] = RigaSemplice(QStringLiteral("Bit [0÷15]"), TipoUInt, 1, false, {TipoUInt});
        l.righe[4] = RigaBersaglio(Testo(77));
        l.ordine = {0, 1, 4};
        if (indice == kIfGoto) {
            l.righe[5] = RigaBersaglio(Testo(78));
            l.ordine << 5;
        }
        break;
    case kWatchDog:
        l.righe[4] = RigaSemplice(Testo(68) + QStringLiteral("(*50mS)"), TipoUInt, 0, false, {TipoUInt});
        l.righe[4].tipoVisibile = false;
        l.ordine = {4};
        break;
    case kLogWrite:
        // Written on opening, before OK: the block has nothing to set.
        rung.ArgByte[0] = {0, 1, 2, 127};
        break;
    default:   // "Return" has no rows
        break;
    }
    return l;
}

EsitoCodifica CodificaFlusso(const DatiBlocco& d, Rung& r)
{
    switch (d.indice) {
    case kLogWrite:
        // The fixed list 0, 1, 2, 3, 4 closed by 127 and one 0; the delay
        // and the rung list row stay as they were.
        r.ArgByte[0] = {0, 1, 2, 3};
        r.ArgByte[1][0] = 4;
        r.ArgByte[1][1] = 127;
        r.ArgByte[1][2] = 0;
        r.Lunghezza = 10;
        return EsitoCodifica::Ok();
    case kReturn:
        Azzera(r, 0, 7);
        r.Lunghezza = 2;
        break;
    case kGoto:
    case kCall:
        // The compiler puts the target into slot 0; "Call" leaves it as it was.
        Azzera(r, d.indice == kGoto ? 0 : 1, 7);
        r.Lunghezza = 6;
        DidascalieRung(d, r, {4}, {});
        break;
    case kWatchDog:
        if (!Trasf(r, d.righe[4].valore, TipoUInt, 0)) return EsitoCodifica::Riga(4);
        Azzera(r, 1, 7);
        r.Lunghezza = 6;
        DidascalieRung(d, r, {4}, {});
        break;
    case kIfGoto:
    case kIfCall: {
        // Checked first, so a rung stored with such a bit keeps its bytes.
        const auto maschera = MascheraBit(d.righe[1].valore);
        if (!maschera) return EsitoCodifica::Riga(1);
        const uint8_t codice = d.righe[0].sceltaTipo == TipoKFlt ? TipoKFlt : TipoUInt;
        if (!Trasf(r, d.righe[0].valore, codice, 0)) return EsitoCodifica::Riga(0);
        r.ArgByte[7] = *maschera;
        Azzera(r, 1, 6);
        r.Lunghezza = 34;
        if (d.indice == kIfGoto)
            DidascalieRung(d, r, {0, 1, 4, 5}, {0});
        else
            DidascalieRung(d, r, {0, 1, 4}, {0});
        break;
    }
    default:   // group 143 has no catalogue entry
        return EsitoCodifica::Ok();
    }
    r.Delay = 0;
    return EsitoCodifica::Ok();
}
