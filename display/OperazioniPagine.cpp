#include "display/OperazioniPagine.h"

#include "base/Testi.h"
#include "program/StatoProgramma.h"

#include <utility>

namespace {

bool PaginaValida(int p) { return p >= 0 && p < MaxPagine; }

// Pages a and b exchange every field, whichever slots are in use.
void ScambiaPagine(int a, int b) { std::swap(Pagine[size_t(a)], Pagine[size_t(b)]); }

OggettoDisplay Base(uint8_t tipo, const char* formato, int16_t registro, uint8_t tipoReg)
{
    OggettoDisplay o;
    o.TipoOgg = tipo;
    o.FormatoOgg = QString::fromLatin1(formato);
    o.RegOgg = registro;
    o.TipoReg = tipoReg;
    o.Opzione2 = true;
    o.Opzione3 = true;
    return o;
}

} // namespace

QString TestoRifiuto(EsitoPagine esito)
{
    switch (esito) {
    case EsitoPagine::TroppiOggetti: return Testo(TestoTroppiOggetti);
    case EsitoPagine::TroppePagine: return Testo(TestoTroppePagine);
    case EsitoPagine::PaginaSuSub: return Testo(TestoPaginaSuSub);
    default: return {};
    }
}

EsitoPagine AddObject(int pagina, const OggettoDisplay& nuovo, uint8_t& corrente)
{
    if (!PaginaValida(pagina)) return EsitoPagine::Nulla;
    Pagina& p = Pagine[size_t(pagina)];
    if (p.NumOggetti >= MaxOggetti) return EsitoPagine::TroppiOggetti;
    p.NumOggetti += 1;
    corrente = p.NumOggetti;
    OggettoDisplay& slot = p.Oggetti[p.NumOggetti];
    const uint8_t interno = slot.Interno;
    slot = nuovo;
    slot.Interno = interno;
    return EsitoPagine::Fatto;
}

void CopiaOggetto(int pagina, int a, int b)
{
    if (!PaginaValida(pagina) || a < 0 || a > MaxOggetti || b < 0 || b > MaxOggetti) return;
    auto& o = Pagine[size_t(pagina)].Oggetti;
    o[size_t(b)] = o[size_t(a)];
}

EsitoPagine DeleteObject(int pagina, int n, uint8_t& corrente)
{
    if (!PaginaValida(pagina)) return EsitoPagine::Nulla;
    Pagina& p = Pagine[size_t(pagina)];
    if (n < 1 || n > p.NumOggetti) return EsitoPagine::Nulla;
    for (int i = n; i < p.NumOggetti; ++i) CopiaOggetto(pagina, i + 1, i);
    p.NumOggetti -= 1;
    if (corrente > p.NumOggetti) corrente = p.NumOggetti;
    return EsitoPagine::Fatto;
}

EsitoPagine OggettoIndietro(int pagina, uint8_t& corrente)
{
    const int k = corrente;
    if (!PaginaValida(pagina) || k <= 1 || k > Pagine[size_t(pagina)].NumOggetti) return EsitoPagine::Nulla;
    CopiaOggetto(pagina, k - 1, 0);
    CopiaOggetto(pagina, k, k - 1);
    CopiaOggetto(pagina, 0, k);
    corrente = uint8_t(k - 1);
    return EsitoPagine::Fatto;
}

EsitoPagine OggettoAvanti(int pagina, uint8_t& corrente)
{
    const int k = corrente;
    if (!PaginaValida(pagina) || k < 1 || k >= Pagine[size_t(pagina)].NumOggetti) return EsitoPagine::Nulla;
    CopiaOggetto(pagina, k, 0);
    CopiaOggetto(pagina, k + 1, k);
    CopiaOggetto(pagina, 0, k + 1);
    corrente = uint8_t(k + 1);
    return EsitoPagine::Fatto;
}

void CopiaPagina(int a, int b)
{
    if (!PaginaValida(a) || !PaginaValida(b)) return;
    const Pagina& da = Pagine[size_t(a)];
    Pagina& a_ = Pagine[size_t(b)];
    a_.NumOggetti = da.NumOggetti;
    for (int i = 1; i <= da.NumOggetti && i <= MaxOggetti; ++i) a_.Oggetti[size_t(i)] = da.Oggetti[size_t(i)];
}

EsitoPagine NuovaPagina(uint8_t& corrente)
{
    if (NumPagine >= MaxPagine) return EsitoPagine::TroppePagine;
    // Page p compiles into program p + 1, which must not be a subroutine.
    if (NumPagine + 1 <= NumSub) return EsitoPagine::PaginaSuSub;
    NumPagine += 1;
    corrente = uint8_t(NumPagine - 1);
    return EsitoPagine::Fatto;
}

EsitoPagine CancellaPagina(uint8_t& corrente)
{
    if (NumPagine < 2 || corrente >= NumPagine) return EsitoPagine::Nulla;
    for (int i = corrente; i < NumPagine - 1; ++i) CopiaPagina(i + 1, i);
    Pagine[size_t(NumPagine - 1)] = Pagina{};
    NumPagine -= 1;
    if (corrente > NumPagine - 1) corrente = uint8_t(NumPagine - 1);
    return EsitoPagine::Fatto;
}

EsitoPagine PaginaPrima(uint8_t& corrente)
{
    if (corrente < 1 || corrente >= NumPagine) return EsitoPagine::Nulla;
    ScambiaPagine(corrente - 1, corrente);
    corrente -= 1;
    return EsitoPagine::Fatto;
}

EsitoPagine PaginaDopo(uint8_t& corrente)
{
    if (corrente + 1 >= NumPagine) return EsitoPagine::Nulla;
    ScambiaPagine(corrente, corrente + 1);
    corrente += 1;
    return EsitoPagine::Fatto;
}

std::optional<OggettoDisplay> OggettoNuovo(int pulsante)
{
    OggettoDisplay o;
    switch (pulsante) {
    case 0:
        o = Base(EtichettaPiccola, "New Label 0", 21, 1);
        o.Testo2 = QStringLiteral("New Label 1");
        break;
    case 1:
        o = Base(NumeroPiccolo, "%+5.0f", 26, 1);
        break;
    case 4:
        o = Base(BarraProgresso, "Progress Bar", 26, 0);
        o.DimX = 32;
        o.DimY = 8;
        break;
    case 5:
        o = Base(Rettangolo, "Rectangle", 0, 0);
        o.DimX = 16;
        o.DimY = 16;
        o.Spessore = 1;
        break;
    case 6:
        o = Base(Led8, "Led", 26, 0);
        o.BitOgg = 1;
        o.DimX = 8;
        o.DimY = 8;
        o.IdPicture = 1;
        break;
    default:
        return std::nullopt;
    }
    return o;
}

void ImpostaTaglia(OggettoDisplay& o, int posizione)
{
    if (posizione < 0 || posizione > 2 || o.TipoOgg == Immagine || o.TipoOgg > Led16) return;
    // Families of three codes from 0, the Image code in between.
    const int primo = o.TipoOgg < Immagine ? o.TipoOgg / 3 * 3 : (o.TipoOgg - 7) / 3 * 3 + 7;
    // List order small, medium, large; code order large, small, medium.
    static constexpr int kScarto[3] = {1, 2, 0};
    o.TipoOgg = uint8_t(primo + kScarto[posizione]);
    if (primo == Led32) {
        static constexpr uint8_t kLato[3] = {8, 16, 32};
        o.DimX = o.DimY = kLato[posizione];
    }
}
