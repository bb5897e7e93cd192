#include "blockeditor/famiglie/FlussoTempo.h"

#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/AiutiRighe.h"
#include "program/Programmi.h"

LayoutBlocco ImpaginaPid(int, Rung& rung, const ContestoBlocco& contesto)
{
    // Rows 0, 4 name registers; the gains 1, 2, 5 may be constants. Types of
    // a valid rung come back from slot 1, whatever block the rung held.
    uint8_t sorgente = TipoInt, dest = TipoInt, kp = TipoKFlt, kd = TipoKFlt, ki = TipoKFlt;
    if (rung.Valido) {
        const auto& s = rung.ArgByte[1];
        sorgente = Nibble(s[0], false);
        dest = Nibble(s[0], true);
        kp = Nibble(s[1], false);
        kd = Nibble(s[1], true);
        ki = Nibble(s[2], false);
    }
    const double primo = contesto.modello.PrimoRegistroUtente;
    const std::initializer_list<uint8_t> registri = {TipoUInt, TipoInt, TipoULong, TipoLong, TipoFloat};
    const std::initializer_list<uint8_t> guadagni = {TipoUInt, TipoInt, TipoULong, TipoLong, TipoFloat, TipoKFlt};
    LayoutBlocco l;
    l.righe[0] = RigaSemplice(Testo(69), sorgente, primo, true, registri);
    l.righe[1] = RigaSemplice(QStringLiteral("Kp"), kp, 1, true, guadagni);
    l.righe[2] = RigaSemplice(QStringLiteral("Kd"), kd, 0, true, guadagni);
    l.righe[4] = RigaSemplice(Testo(67), dest, primo, true, registri);
    l.righe[5] = RigaSemplice(QStringLiteral("Ki"), ki, 1, true, guadagni);
    l.ordine = {0, 1, 2, 4, 5};
    return l;
}

EsitoCodifica CodificaPid(const DatiBlocco& d, Rung& r)
{
    const auto& g = d.righe;
    r.ArgByte[0][0] = 0;
    for (int i : {0, 4, 1, 2, 5})
        if (g[size_t(i)].Tipo() < 0) return EsitoCodifica::Riga(i);
    r.ArgByte[1][0] = uint8_t(g[0].Tipo() + 16 * g[4].Tipo());
    r.ArgByte[1][1] = uint8_t(g[1].Tipo() + 16 * g[2].Tipo());
    r.ArgByte[1][2] = uint8_t(g[5].Tipo());
    r.ArgByte[1][3] = 0;
    if (!Trasf(r, g[0].valore, TipoUInt, 2)) return EsitoCodifica::Riga(0);
    // The gains sit in slots 3, 4, 5 as Kp, Kd, Ki, though Ki is shown last.
    const std::pair<int, int> gains[] = {{1, 3}, {2, 4}, {5, 5}};
    for (auto [riga, slot] : gains)
        if (!TrasfOperando(r, g[size_t(riga)], slot, TipoKFlt)) return EsitoCodifica::Riga(riga);
    if (!Trasf(r, g[4].valore, TipoUInt, 7)) return EsitoCodifica::Riga(4);
    r.Delay = 0;
    r.Lunghezza = 34;
    DidascalieRung(d, r, {0, 1, 2, 4, 5}, {0, 1, 2, 4, 5});
    return EsitoCodifica::Ok();
}
