#include "display/CompilatorePagine.h"

#include "base/Conversioni.h"
#include "program/StatoProgramma.h"
#include "registers/Immagini.h"

#include <algorithm>

namespace CompilatorePagine {

namespace {

constexpr int ClasseCodice = 3;
constexpr int GruppoDisplay = 3;
constexpr int GruppoRitorno = 132;
constexpr int LunghezzaDisplay = 34;
constexpr int LunghezzaRitorno = 2;
// The fixed register of a Label without the alternate text.
constexpr int RegistroEtichettaFissa = 21;
constexpr int ByteGrafico = 2;
// A Label whose main text is shorter than this carries the alternate text.
constexpr int LimiteAlternata = 12;

// Room of each text, 0 included, so that no text runs past the 32 bytes of
// the record or into the next field.
constexpr int StanzaEtichetta = 22;
constexpr int StanzaEtichettaAlternata = 11;
constexpr int StanzaNumero = 7;
constexpr int StanzaDataOra = 27;

// Argument byte k of the record: byte k mod 4 of slot k div 4.
class Record {
public:
    explicit Record(Rung& g) : g_(g) {}
    void Byte(int k, int v) { g_.ArgByte[size_t(k / 4)][size_t(k % 4)] = uint8_t(v); }
    void Registro(int k, int16_t v)
    {
        const int u = v < 0 ? v + 65536 : v;
        Byte(k, u & 0xFF);
        Byte(k + 1, u >> 8);
    }
    // High byte first; 0 for a bit outside 0..15.
    void Maschera(int k, int bit, bool* valido)
    {
        const bool ok = bit >= 0 && bit <= 15;
        if (!ok && valido) *valido = false;
        const int m = ok ? 1 << bit : 0;
        Byte(k, m >> 8);
        Byte(k + 1, m & 0xFF);
    }
    // Least significant byte first.
    void Singolo(int k, double v)
    {
        const Byte4 b = FloatToByte(v);
        for (int i = 0; i < 4; ++i) Byte(k + i, b[size_t(3 - i)]);
    }
    void Testo(int k, const QString& t, int stanza)
    {
        const QString cut = t.left(stanza);
        for (int i = 0; i < cut.size(); ++i) Byte(k + i, ByteCarattere(cut[i]));
        Byte(k + int(cut.size()), 0);
    }

private:
    Rung& g_;
};

Rung RungPulito()
{
    Rung g;
    g.Descrizione = DescrizioneVuota;
    g.Classe = ClasseCodice;
    return g;
}

// Width and height of the image entry the editor has selected.
void DimensioniImmagine(Record& r)
{
    const ImmagineDisplay& im = Immagini[std::min<size_t>(ImmagineCorrente, MaxImmagini - 1)];
    r.Byte(4, im.Larghezza);
    r.Byte(5, im.Altezza);
}

} // namespace

Rung RungOggetto(const OggettoDisplay& o, bool* bitValido)
{
    if (bitValido) *bitValido = true;
    Rung g = RungPulito();
    g.Gruppo = GruppoDisplay;
    g.Lunghezza = LunghezzaDisplay;
    Record r(g);
    r.Byte(0, o.TipoOgg);
    r.Byte(1, o.PosX);
    r.Byte(2, o.PosY);
    r.Byte(3, (o.Negato ? 1 : 0) | (o.Opzione2 ? 2 : 0) | (o.Opzione3 ? 4 : 0) | (o.Direzione ? 8 : 0));

    switch (o.TipoOgg) {
    case EtichettaGrande: case EtichettaPiccola: case EtichettaMedia:
        if (o.FormatoOgg.size() < LimiteAlternata) {
            r.Registro(4, o.RegOgg);
            r.Maschera(6, o.BitOgg, bitValido);
            r.Testo(8, o.FormatoOgg, StanzaEtichettaAlternata);
            r.Testo(20, o.Testo2, StanzaEtichettaAlternata);
        } else {
            r.Byte(4, RegistroEtichettaFissa);
            r.Testo(8, o.FormatoOgg, StanzaEtichetta);
        }
        break;
    case NumeroGrande: case NumeroPiccolo: case NumeroMedio:
        r.Testo(4, o.FormatoOgg, StanzaNumero);
        r.Byte(12, o.TipoReg);
        r.Registro(16, o.RegOgg);
        break;
    case Immagine:
        DimensioniImmagine(r);
        break;
    case DataGrande: case DataPiccola: case DataMedia:
    case OraGrande: case OraPiccola: case OraMedia:
        r.Testo(4, o.FormatoOgg, StanzaDataOra);
        break;
    case Led32: case Led8: case Led16:
        DimensioniImmagine(r);
        r.Byte(8, o.IdPicture);
        r.Byte(9, o.IdPicture2);
        r.Byte(12, o.TipoReg);
        r.Registro(16, o.RegOgg);
        r.Maschera(20, o.BitOgg, bitValido);
        break;
    case BarraProgresso:
        r.Byte(4, o.DimX);
        r.Byte(5, o.DimY);
        r.Byte(12, o.TipoReg);
        r.Registro(16, o.RegOgg);
        r.Singolo(24, o.MaxOgg);
        r.Singolo(28, o.MinOgg);
        break;
    case Rettangolo:
        r.Byte(4, o.DimX);
        r.Byte(5, o.DimY);
        r.Byte(6, o.Spessore);
        break;
    case Grafico:
        r.Byte(4, o.DimX);
        r.Byte(5, o.DimY);
        r.Byte(8, ByteGrafico);
        r.Byte(12, o.TipoReg);
        r.Registro(16, o.RegOgg);
        r.Maschera(20, o.BitOgg, bitValido);
        break;
    default:
        break;
    }
    return g;
}

Rung RungRitorno()
{
    Rung g = RungPulito();
    g.Gruppo = GruppoRitorno;
    g.Lunghezza = LunghezzaRitorno;
    return g;
}

QList<GuastoPagina> CompilaOggetti()
{
    QList<GuastoPagina> guasti;
    const int pagine = std::min<int>(NumPagine, MaxPagine);
    for (int p = 0; p < pagine; ++p) {
        const int prog = p + 1;
        if (prog <= NumSub) {
            guasti.append({prog, 0, Guasto::ProgrammaSubroutine});
            continue;
        }
        const Pagina& pagina = Pagine[size_t(p)];
        Programma& programma = Programmi[size_t(prog)];
        const int n = std::min<int>(pagina.NumOggetti, MaxOggetti);
        for (int i = 1; i <= n; ++i) {
            bool bitValido = true;
            programma.Rung[size_t(i)] = RungOggetto(pagina.Oggetti[size_t(i)], &bitValido);
            if (!bitValido) guasti.append({prog, i, Guasto::BitFuoriIntervallo});
        }
        programma.Rung[size_t(n + 1)] = RungRitorno();
        programma.Rung[1].Etichetta = QStringLiteral("PAG") + QString::number(prog);
        programma.NumRung = int16_t(n + 1);
    }
    ProgCorrente = 0;
    return guasti;
}

} // namespace CompilatorePagine
