// The eleven blocks of class 3 group 1: one row layout and one rung layout,
// told apart by the operation and by what row 1 holds.
#include "blockeditor/famiglie/AritmeticaSposta.h"

#include "base/Testi.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/famiglie/AiutiRighe.h"
#include "program/Programmi.h"

namespace {
enum class Secondo { Operando, Nessuno, Numero, Tabella };

struct BloccoAritmetico {
    int indice;
    uint8_t op;
    Secondo riga1;
};

// Catalogue index, Op, and what row 1 holds.
constexpr BloccoAritmetico kBlocchi[] = {
    {4, 0, Secondo::Operando},  {5, 1, Secondo::Operando}, {18, 2, Secondo::Operando},
    {19, 3, Secondo::Operando}, {39, 6, Secondo::Operando}, {7, 4, Secondo::Nessuno},
    {8, 7, Secondo::Nessuno},   {32, 9, Secondo::Nessuno},  {38, 10, Secondo::Nessuno},
    {29, 5, Secondo::Numero},   {30, 8, Secondo::Tabella},
};

constexpr uint8_t kOpLinearizzazione = 8;

const BloccoAritmetico* PerIndice(int indice)
{
    for (const auto& b : kBlocchi)
        if (b.indice == indice) return &b;
    return nullptr;
}

Secondo PerOp(uint8_t op)
{
    for (const auto& b : kBlocchi)
        if (b.op == op) return b.riga1;
    return Secondo::Nessuno;
}

// True when row text `testo` names table `nome`. The encoder rewrites every
// "," of a row text as ".", so a table named with a comma is stored that way.
bool NomeTabella(const QString& testo, QString nome)
{
    return nome.replace(QLatin1Char(','), QLatin1Char('.')) == QString(testo).replace(QLatin1Char(','), QLatin1Char('.'));
}

// The table a Linearization row names by its text: `preferita` when its name
// agrees, else the first of that name, else none (-1). The text is what the
// files keep, so the rung finds the same table when it is opened again.
int TabellaNominata(const QString& testo, int preferita, const QStringList& tabelle)
{
    if (preferita >= 0 && preferita < tabelle.size() && NomeTabella(testo, tabelle[preferita])) return preferita;
    for (int t = 0; t < tabelle.size(); ++t)
        if (NomeTabella(testo, tabelle[t])) return t;
    return -1;
}

// The table a stored Linearization rung names: the one at its stored index
// when the names agree, else the first of that name, else none.
int TabellaMemorizzata(const Rung& rung, const QStringList& tabelle)
{
    return TabellaNominata(rung.ArgTesto[1], rung.ArgByte[2][0] | (rung.ArgByte[2][1] << 8), tabelle);
}
} // namespace

LayoutBlocco ImpaginaAritmetica(int indice, Rung& rung, const ContestoBlocco& contesto)
{
    LayoutBlocco l;
    const BloccoAritmetico* b = PerIndice(indice);
    if (!b) return l;
    const bool eraLinearizzazione = rung.Classe == 3 && rung.Gruppo == 1 && rung.Op == kOpLinearizzazione
                                    && !rung.ArgTesto[1].isEmpty();
    rung.Op = b->op;

    uint8_t tipo0 = TipoInt, tipo1 = TipoInt, tipo4 = TipoInt;
    if (rung.Valido) {
        tipo0 = rung.ArgByte[1][0] & 0x0F;
        tipo1 = rung.ArgByte[1][0] >> 4;
        tipo4 = rung.ArgByte[1][1] & 0x0F;
    }
    const int16_t primo = contesto.modello.PrimoRegistroUtente;
    const QString sorgente = Testo(69);
    // Register rows offer the pointer variants of uInt..Float where the model has them.
    auto puntatori = [&](int i) {
        if (contesto.modello.AmmettePuntatori)
            for (int t = TipoUInt; t <= TipoFloat; ++t) l.righe[size_t(i)].arg.PuntatoriAmmessi[size_t(t)] = 1;
    };
    RigaFamiglia(l, 0, sorgente + QStringLiteral(" A"), tipo0, primo, true, {0, 1, 2, 3, 4, 5});
    puntatori(0);
    l.righe[3].arg.Valore = 1;
    switch (b->riga1) {
    case Secondo::Operando:
        RigaFamiglia(l, 1, sorgente + QStringLiteral(" B"), tipo1, primo, true, {0, 1, 2, 3, 4, 5});
        puntatori(1);
        RigaFamiglia(l, 3, Testo(76), TipoKFlt, 1, false, {TipoKFlt}, {}, contesto.modello.ArgAggiuntivo);
        break;
    case Secondo::Numero:
        RigaFamiglia(l, 1, Testo(66), TipoKFlt, 2, false, {TipoKFlt});
        break;
    case Secondo::Tabella:
        RigaFamiglia(l, 1, Testo(75), tipo1, 0, false, {TipoTable});
        // Reopened or reloaded, the row keeps the table its rung names
        // rather than the first one.
        if (eraLinearizzazione) l.righe[1].sceltaTabella = TabellaMemorizzata(rung, contesto.tabelle);
        break;
    case Secondo::Nessuno:
        break;
    }
    RigaFamiglia(l, 4, Testo(67), tipo4, primo, true, {0, 1, 2, 3, 4});
    puntatori(4);
    return l;
}

EsitoCodifica CodificaAritmetica(const DatiBlocco& dati, Rung& rung)
{
    const auto& r = dati.righe;
    const Secondo riga1 = PerOp(rung.Op);
    rung.ArgByte[0][0] = rung.Op;

    // The type byte: row 1 counts only when its type list has a choice.
    const int tipo0 = r[0].Tipo();
    if (tipo0 < 0) return EsitoCodifica::Riga(0);
    int tipi = tipo0;
    if (r[1].Tipo() >= 0) tipi += riga1 == Secondo::Tabella ? 0x50 : 16 * r[1].Tipo();
    rung.ArgByte[1][0] = uint8_t(tipi);
    const int tipo4 = r[4].Tipo();
    if (tipo4 < 0) return EsitoCodifica::Riga(4);
    rung.ArgByte[1][1] = uint8_t(tipo4);
    rung.ArgByte[1][2] = 0;
    rung.ArgByte[1][3] = 0;

    if (!TrasfOperando(rung, r[0], 3, TipoKFlt)) return EsitoCodifica::Riga(0);
    rung.ArgByte[5][0] = 1;

    switch (riga1) {
    case Secondo::Operando: {
        if (r[1].Tipo() < 0 || !TrasfOperando(rung, r[1], 4, TipoKFlt)) return EsitoCodifica::Riga(1);
        // A hidden "Block" row reads 0.
        const auto blocco = InByte(r[3].valore);
        if (!blocco) return EsitoCodifica::Riga(3);
        rung.ArgByte[5][0] = *blocco;
        break;
    }
    case Secondo::Numero: {
        if (!Trasf(rung, r[1].valore, 5, 4)) return EsitoCodifica::Riga(1);
        const auto numero = InByte(r[1].valore);
        if (!numero) return EsitoCodifica::Riga(1);
        rung.ArgByte[5][0] = *numero;
        break;
    }
    case Secondo::Tabella: {
        // The text, which the files keep, decides: a list keeps its entry
        // while a name is typed over it, and typed text that names no table
        // is refused rather than stored with whatever entry is still chosen.
        const int tabella = TabellaNominata(r[1].testo, r[1].DatoScelto(), dati.contesto.tabelle);
        if (tabella < 0 || tabella >= dati.contesto.puntiTabelle.size()) return EsitoCodifica::Riga(1);
        rung.ArgByte[5][0] = uint8_t(dati.contesto.puntiTabelle[tabella]);
        if (!Trasf(rung, tabella, 0, 2)) return EsitoCodifica::Riga(1);
        break;
    }
    case Secondo::Nessuno:
        break;
    }

    if (!Trasf(rung, r[4].valore, 0, 7)) return EsitoCodifica::Riga(4);
    rung.ArgByte[5][1] = 1;
    rung.Delay = 0;
    rung.Lunghezza = 34;
    DidascalieRung(dati, rung, {0, 1, 4}, {0, 1, 4});
    return EsitoCodifica::Ok();
}
