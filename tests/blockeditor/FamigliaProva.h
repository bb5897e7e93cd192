#pragma once
// A stand-in for the arithmetic family, registered as a family file would:
// a register row, a constant row, a row offering Table, a destination whose
// type list is hidden, and the delay.
#include "blockeditor/Famiglie.h"
#include "program/Programmi.h"

namespace Prova {
inline int rigaScelta = -1;   // the last row whose value-list reaction ran

inline void RegistraFamiglia()
{
    GestoreFamiglia g;
    g.Impagina = [](int, Rung& rung, const ContestoBlocco&) {
        rung.Op = 9;   // written as soon as the block is chosen
        LayoutBlocco l;
        auto riga = [&l](int i, const char* nome, uint8_t tipo, double valore, bool registro,
                         std::initializer_list<uint8_t> tipi) {
            DefArgomento& a = l.righe[size_t(i)].arg;
            a = DefArgomento{QString::fromLatin1(nome), tipo, valore, registro, {}, {}};
            for (uint8_t t : tipi) a.TipiAmmessi[t] = 1;
            l.ordine << i;
        };
        riga(0, "Source A", TipoInt, 26, true, {TipoUInt, TipoInt});
        riga(1, "Source B", TipoKFlt, 1.5, false, {TipoInt, TipoKFlt});
        riga(2, "Table", TipoUInt, 0, false, {TipoUInt, TipoTable});
        riga(4, "Dest", TipoUInt, 100, true, {TipoUInt});
        l.righe[4].tipoVisibile = false;
        l.ritardo = QStringLiteral("10");
        return l;
    };
    g.Codifica = [](const DatiBlocco& d, Rung& r) {
        const auto& a = d.righe;
        r.ArgByte[1][0] = uint8_t(a[0].Tipo() | (a[1].Tipo() << 4));
        if (!Trasf(r, a[0].valore, 0, 0)) return EsitoCodifica::Riga(0);
        if (!Trasf(r, a[1].valore, a[1].Tipo() == TipoKFlt ? 5 : 0, 2)) return EsitoCodifica::Riga(1);
        if (!Trasf(r, a[4].valore, 0, 4)) return EsitoCodifica::Riga(4);
        r.Delay = int16_t(LeggiNumero(d.ritardo));
        r.Lunghezza = 10;
        DidascalieRung(d, r, {0, 1, 4}, {0, 1});
        return EsitoCodifica::Ok();
    };
    g.ValoreScelto = [](DatiBlocco&, int riga) { rigaScelta = riga; };
    ::RegistraFamiglia(Famiglia::Aritmetica, g);
}
} // namespace Prova
