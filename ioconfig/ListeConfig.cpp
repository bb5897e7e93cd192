#include "ioconfig/ListeConfig.h"

#include <QHash>

const QList<VoceConfig>& VociTipi(ListaTipi lista)
{
    // Each list keeps its own spelling of the same type ("Res.H", "Res H", "ResH").
    static const QHash<ListaTipi, QList<VoceConfig>> kListe = {
        {ListaTipi::R,
         {{"Res.H", 7}, {"Res.L", 8}, {"Pt100", 23}, {"Ni100", 24}, {"Pt1K", 25}, {"Ni1K", 26}, {"Pot.L", 27}, {"Pot.H", 28}}},
        {ListaTipi::V, {{"10 V", 4}, {"20 mA", 6}}},
        {ListaTipi::T,
         {{"50 mV", 1}, {"100 mV", 2}, {"250 mV", 3}, {"1000 mV", 4}, {"Tc J", 14}, {"Tc K", 15}, {"Tc T", 16},
          {"Tc E", 17}, {"Tc R", 18}, {"Tc S", 19}, {"Tc B", 20}, {"Tc N", 21}}},
        {ListaTipi::N,
         {{"Res.L", 1}, {"Res.H", 2}, {"Pt100", 5}, {"Ni100", 6}, {"Pt1K", 7}, {"Ni1K", 8}, {"NTC 1K", 10},
          {"NTC 3988", 13}, {"NTC 10K", 14}, {"---", 0}}},
        {ListaTipi::M,
         {{"---", 0}, {"100 mV", 1}, {"10 V", 2}, {"20 mA", 3}, {"Tc J", 4}, {"Tc K", 5}, {"Tc T", 8}, {"Tc E", 10},
          {"Tc R", 6}, {"Tc S", 7}, {"Tc B", 9}, {"Tc N", 11}, {"Res H", 18}, {"Res L", 12}, {"Pt100", 13},
          {"Pt1K", 14}, {"Ni100", 15}, {"Ni1K", 16}, {"Pot", 17}}},
        {ListaTipi::C0,
         {{"---", 0}, {"100 mV", 1}, {"10 V", 2}, {"20 mA", 3}, {"Tc J", 4}, {"Tc K", 5}, {"Tc R", 6}, {"Tc S", 7},
          {"Tc T", 8}, {"Tc B", 9}, {"Tc E", 10}, {"Tc N", 11}, {"ResL", 12}, {"Pt100", 13}, {"Pt1K", 14},
          {"Ni100", 15}, {"Ni1K", 16}, {"Pot", 17}, {"ResH", 18}}},
        // Channel 1 takes no millivolt input: its "100 mV" place holds a
        // second "---", so "10 V" and "20 mA" keep their channel-0 positions.
        {ListaTipi::C1, {{"---", 0}, {"---", 0}, {"10 V", 2}, {"20 mA", 3}}},
    };
    static const QList<VoceConfig> kVuota;
    const auto it = kListe.constFind(lista);
    return it == kListe.cend() ? kVuota : *it;
}

ListaTipi ListaCanale(int k, int ch)
{
    switch (k) {
    case 10: return ListaTipi::R;
    case 11:
    case 13: return ListaTipi::V;
    case 12:
    case 14:
    case 15: return ListaTipi::T;
    case 16: return ListaTipi::N;
    case 9: return ch < 2 ? ListaTipi::M : ListaTipi::Nessuna;
    case 5:
    case 6:
    case 7: return ch == 0 ? ListaTipi::C0 : ch == 1 ? ListaTipi::C1 : ListaTipi::Nessuna;
    default: return ListaTipi::Nessuna;
    }
}

const QList<VoceConfig>& VociBaud()
{
    static const QList<VoceConfig> v = {{"1200", 0},  {"2400", 1},  {"4800", 2},  {"9600", 3},
                                        {"19200", 4}, {"38400", 5}, {"57600", 6}, {"115200", 7}};
    return v;
}

const QList<VoceConfig>& VociParita()
{
    static const QList<VoceConfig> v = {{"None", 0}, {"Even", 32}, {"Odd", 64}};
    return v;
}

const QList<VoceConfig>& VociStop()
{
    static const QList<VoceConfig> v = {{"1", 0}, {"2", 8}};
    return v;
}

QString TestoBaud(int codice) { return QString::fromLatin1(VociBaud().value(codice & 7).testo); }
