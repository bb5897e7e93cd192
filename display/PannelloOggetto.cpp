#include "display/PannelloOggetto.h"

#include "base/Testi.h"
#include "base/TestoSalvabile.h"
#include "blockeditor/Codifica.h"
#include "display/OperazioniPagine.h"

#include <QLocale>
#include <optional>

namespace {

enum class Famiglia { Etichetta, Numero, Immagine, Data, Ora, Led, Barra, Rettangolo, Grafico };

Famiglia FamigliaDi(uint8_t tipo)
{
    if (tipo <= EtichettaMedia) return Famiglia::Etichetta;
    if (tipo <= NumeroMedio) return Famiglia::Numero;
    if (tipo == Immagine) return Famiglia::Immagine;
    if (tipo <= DataMedia) return Famiglia::Data;
    if (tipo <= OraMedia) return Famiglia::Ora;
    if (tipo <= Led16) return Famiglia::Led;
    if (tipo == BarraProgresso) return Famiglia::Barra;
    if (tipo == Rettangolo) return Famiglia::Rettangolo;
    return Famiglia::Grafico;
}

QString Numero(double v) { return QString::number(v, 'g', 15); }

// A box read whole as a number ("12abc" and "" are no number).
std::optional<double> Intero(const QString& testo)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(testo.trimmed(), &ok);
    if (!ok) return std::nullopt;
    return v;
}

// The leading number of a box, blanks anywhere ignored; 0 when none.
double Iniziale(QString testo)
{
    testo.remove(QLatin1Char(' '));
    testo.remove(QLatin1Char('\t'));
    return LeggiNumero(testo);
}

std::optional<uint8_t> ByteDi(const std::optional<double>& v) { return v ? InByte(*v) : std::nullopt; }

} // namespace

void MostraOggetto(PannelloOggetto& p, const OggettoDisplay& o)
{
    p.NomeTipo.clear();
    p.Registro = QString::number(o.RegOgg);
    p.TipoReg = o.TipoReg <= 4 ? o.TipoReg : -1;
    p.Bit = QString::number(o.BitOgg);
    p.PosX = QString::number(o.PosX);
    p.PosY = QString::number(o.PosY);
    p.DimX = QString::number(o.DimX);
    p.DimY = QString::number(o.DimY);
    p.Spessore = QString::number(o.Spessore);
    p.Max = Numero(o.MaxOgg);
    p.Min = Numero(o.MinOgg);
    p.Figura = {o.IdPicture2, o.IdPicture};
    p.Negato = o.Negato;
    p.Verticale = o.Direzione;
    // Size list order small, medium, large; codes large, small, medium.
    p.Taglia = -1;
    if (o.TipoOgg != Immagine && o.TipoOgg <= Led16) {
        static constexpr int kRiga[3] = {2, 0, 1};
        const int scarto = o.TipoOgg < Immagine ? o.TipoOgg % 3 : (o.TipoOgg - 7) % 3;
        p.Taglia = kRiga[scarto];
    }
    switch (FamigliaDi(o.TipoOgg)) {
    case Famiglia::Etichetta:
        p.NomeTipo = QStringLiteral("Label");
        p.Vista = PannelloFormato | PannelloTesti | PannelloAlternativo | PannelloRegistro | PannelloBit;
        p.Alternativo = o.FormatoOgg.size() < 12;
        p.Formato = {o.FormatoOgg, o.Testo2};
        break;
    case Famiglia::Numero:
        p.NomeTipo = QStringLiteral("Number");
        p.Vista = PannelloFormato | PannelloTesti | PannelloRegistro | PannelloTipoRegistro;
        p.Formato[0] = o.FormatoOgg;
        break;
    case Famiglia::Data:
    case Famiglia::Ora:
        p.NomeTipo = FamigliaDi(o.TipoOgg) == Famiglia::Data ? QStringLiteral("dd/mm/yy") : QStringLiteral("hh/mm/ss");
        p.Vista = PannelloFormato | PannelloTesti;
        p.Formato[0] = o.FormatoOgg;
        break;
    case Famiglia::Led:
        p.NomeTipo = QStringLiteral("Picture");
        p.Vista = PannelloFormato | PannelloRegistro | PannelloBit | PannelloFigure;
        break;
    case Famiglia::Barra:
        p.NomeTipo = QStringLiteral("Progress Bar");
        p.Vista = PannelloRegistro | PannelloTipoRegistro | PannelloDimensioni | PannelloLimiti;
        break;
    case Famiglia::Rettangolo:
    case Famiglia::Grafico:
        p.NomeTipo = FamigliaDi(o.TipoOgg) == Famiglia::Grafico ? QStringLiteral("Graph") : QStringLiteral("Rectangle");
        p.Vista = PannelloDimensioni | PannelloSpessore;
        break;
    case Famiglia::Immagine:
        p.Vista = 0;
        break;
    }
}

EsitoImposta ImpostaOggetto(const PannelloOggetto& p, OggettoDisplay& o)
{
    const Famiglia f = FamigliaDi(o.TipoOgg);
    const bool conBit = f == Famiglia::Etichetta || f == Famiglia::Led;
    const bool conRegistro = conBit || f == Famiglia::Numero || f == Famiglia::Barra;
    // An Image keeps the size, text and address of its picture.
    const bool conDimensioni = f != Famiglia::Immagine;

    // Every box this kind stores is read before anything is stored.
    const auto posX = ByteDi(Intero(p.PosX));
    const auto posY = ByteDi(Intero(p.PosY));
    const auto dimX = ByteDi(Intero(p.DimX));
    const auto dimY = ByteDi(Intero(p.DimY));
    // A Number's register box is read whole; the others by their leading number.
    const auto registro = f == Famiglia::Numero ? (Intero(p.Registro) ? InIntero16(*Intero(p.Registro)) : std::nullopt)
                                                : InIntero16(ArrotondaPari(Iniziale(p.Registro)));
    const auto bit = InIntero16(ArrotondaPari(Iniziale(p.Bit)));
    const auto spessore = InByte(Iniziale(p.Spessore));
    const std::pair<bool, CampoPannello> controlli[] = {
        {!posX, CampoPannello::PosX},
        {!posY, CampoPannello::PosY},
        {conDimensioni && !dimX, CampoPannello::DimX},
        {conDimensioni && !dimY, CampoPannello::DimY},
        {conRegistro && !registro, CampoPannello::Registro},
        {conBit && (!bit || *bit < 0 || *bit > 15), CampoPannello::Bit},
        {f == Famiglia::Rettangolo && !spessore, CampoPannello::Spessore},
    };
    for (const auto& [rifiuto, campo] : controlli)
        if (rifiuto) return {campo};

    o.IdPicture2 = uint8_t(p.Figura[0]);
    o.IdPicture = uint8_t(p.Figura[1]);
    o.Direzione = p.Verticale;
    o.PosX = *posX;
    o.PosY = *posY;
    if (conDimensioni) {
        o.DimX = *dimX;
        o.DimY = *dimY;
    }
    o.Negato = p.Negato;
    // Only the texts the kind's panel shows.
    if (p.Vista & PannelloTesti) o.FormatoOgg = p.Formato[0];
    if (p.Vista & PannelloAlternativo) o.Testo2 = p.Formato[1];
    if (conRegistro) o.RegOgg = *registro;
    if (conBit) {
        o.BitOgg = *bit;
        o.TipoReg = 0;
    } else if ((f == Famiglia::Numero || f == Famiglia::Barra) && p.TipoReg >= 0) {
        o.TipoReg = uint8_t(p.TipoReg);
    }
    switch (f) {
    case Famiglia::Etichetta:
    case Famiglia::Numero:
    case Famiglia::Data:
    case Famiglia::Ora:
        ImpostaTaglia(o, p.Taglia);
        break;
    case Famiglia::Led:
        ImpostaTaglia(o, p.Taglia);
        o.IdPicture = 1;
        o.IdPicture2 = 0;
        break;
    case Famiglia::Barra:
        o.MaxOgg = Iniziale(p.Max);
        o.MinOgg = Iniziale(p.Min);
        break;
    case Famiglia::Rettangolo:
        o.Spessore = *spessore;
        break;
    default:
        break;
    }
    return {};
}

bool TestiPannelloAccettati(const PannelloOggetto& p, int pagina, int oggetto)
{
    const QString dove = QStringLiteral(" of object %1 on page %2").arg(oggetto).arg(pagina + 1);
    return (!(p.Vista & PannelloTesti) || TestoAccettato(QStringLiteral("Text") + dove, p.Formato[0])) &&
           (!(p.Vista & PannelloAlternativo) || TestoAccettato(QStringLiteral("Alternative text") + dove, p.Formato[1]));
}

QString TestoRifiutoCampo(CampoPannello campo)
{
    QString nome;
    switch (campo) {
    case CampoPannello::Nessuno: return {};
    case CampoPannello::Bit: return Testo(TestoBitFuoriIntervallo);
    case CampoPannello::PosX: nome = QStringLiteral("X"); break;
    case CampoPannello::PosY: nome = QStringLiteral("Y"); break;
    case CampoPannello::DimX: nome = Testo(208); break;
    case CampoPannello::DimY: nome = Testo(209); break;
    case CampoPannello::Registro: nome = Testo(158); break;
    case CampoPannello::Spessore: nome = Testo(210); break;
    }
    return Testo(TestoValoreNonValido).arg(nome);
}
