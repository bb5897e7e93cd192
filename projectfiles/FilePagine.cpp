#include "projectfiles/FilePagine.h"

#include "projectfiles/ScrittoreRighe.h"

#include <algorithm>

namespace {
constexpr qint64 kMinInt = -32768, kMaxInt = 32767;
// The older layout drops the lines of an object from this one up to its
// version number.
constexpr int kPrimaSaltataOggetto = 19;

void Rifiuta(Guasto::Tipo tipo, const LettoreRighe& l)
{
    throw GuastoLettura{tipo, QString(), l.Riga()};
}

// The 19 fields of an object, tags left out.
OggettoDisplay LeggiOggetto(LettoreRighe& l)
{
    OggettoDisplay o;
    for (uint8_t* b : {&o.TipoOgg, &o.PosX, &o.PosY, &o.DimX, &o.DimY, &o.Spessore}) *b = uint8_t(l.Intero(0, 255));
    o.FormatoOgg = l.Testo();
    o.Testo2 = l.Testo();
    o.RegOgg = int16_t(l.Intero(kMinInt, kMaxInt));
    o.TipoReg = uint8_t(l.Intero(0, 255));
    o.BitOgg = int16_t(l.Intero(kMinInt, kMaxInt));
    o.MaxOgg = l.Reale();
    o.MinOgg = l.Reale();
    o.IdPicture = uint8_t(l.Intero(0, 255));
    o.IdPicture2 = uint8_t(l.Intero(0, 255));
    for (bool* f : {&o.Negato, &o.Opzione2, &o.Opzione3, &o.Direzione}) *f = l.Intero(kMinInt, kMaxInt) == 1;
    return o;
}
} // namespace

QByteArray ScriviDsp(const ProgettoSalvato& p)
{
    ScrittoreRighe s;
    for (int pg = 0; pg < p.numPagine; ++pg) {
        const Pagina& pagina = p.pagine[size_t(pg)];
        s.Record("PAG", [&] {
            for (int n = 1; n <= pagina.NumOggetti && n <= MaxOggetti; ++n) {
                const OggettoDisplay& o = pagina.Oggetti[size_t(n)];
                s.Record("OBJ", [&] {
                    for (uint8_t b : {o.TipoOgg, o.PosX, o.PosY, o.DimX, o.DimY, o.Spessore}) s.Intero(b);
                    s.Testo(o.FormatoOgg);
                    s.Testo(o.Testo2);
                    s.Intero(o.RegOgg);
                    s.Intero(o.TipoReg);
                    s.Intero(o.BitOgg);
                    s.Reale(o.MaxOgg);
                    s.Reale(o.MinOgg);
                    s.Intero(o.IdPicture);
                    s.Intero(o.IdPicture2);
                    for (bool f : {o.Negato, o.Opzione2, o.Opzione3, o.Direzione}) s.Flag(f);
                });
            }
        });
    }
    return s.Byte();
}

void LeggiDsp(LettoreRighe& l, bool conTag, int versione, ProgettoSalvato& p)
{
    if (!conTag) {
        p.numPagine = uint8_t(l.Conteggio(MaxPagine));
        for (int pg = 0; pg < p.numPagine; ++pg) {
            Pagina& pagina = p.pagine[size_t(pg)];
            pagina.NumOggetti = uint8_t(l.Conteggio(MaxOggetti));
            for (int n = 1; n <= pagina.NumOggetti; ++n) {
                pagina.Oggetti[size_t(n)] = LeggiOggetto(l);
                l.Salta(std::max(0, versione - kPrimaSaltataOggetto + 1));
            }
        }
        return;
    }
    int pg = -1;
    int n = 0;
    bool aperta = false;
    while (!l.Fine()) {
        const QString riga = l.TestoTag(QStringLiteral("</PAG>"));
        if (riga == QLatin1String("<PAG>")) {
            if (++pg >= MaxPagine) Rifiuta(Guasto::FuoriLimite, l);
            n = 0;
            aperta = true;
        } else if (riga == QLatin1String("<OBJ>")) {
            if (!aperta || ++n > MaxOggetti) Rifiuta(Guasto::FuoriLimite, l);
            p.pagine[size_t(pg)].Oggetti[size_t(n)] = LeggiOggetto(l);
            l.SaltaFino(QStringLiteral("</OBJ>"));
        } else if (riga == QLatin1String("</PAG>") && aperta) {
            p.pagine[size_t(pg)].NumOggetti = uint8_t(n);
            aperta = false;
        }
    }
    if (aperta) throw GuastoLettura{Guasto::FineInRecord, QString(), l.Riga() + 1};
    p.numPagine = uint8_t(pg + 1);
}
