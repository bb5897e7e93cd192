// The number reader of the block rows on any text: always finite, leading
// blanks are skipped and a sign before a digit only turns the value; the
// editor's reading of a field takes the number the loader's takes.
//
// The same input is also a block as the user fills it in the editor:
//   byte 0      the catalogue block, byte 1 the model,
//   byte 2      bit 0: the trigger ticked; bit 1: the rung edited is a valid
//               one whose slot 1 holds bytes 19-22 (the types a layout
//               may take back from it), else a new rung,
//   bytes 3-10  row i's type choice: 0 keeps the layout's, k picks entry
//               (k - 1) mod (entries + 1) - 1, where -1 is none (a register
//               picked whose type the row does not offer; a row that takes
//               no register gets its first entry instead),
//   bytes 11-18 row i's value list choice, the same way; an entry chosen
//               takes its text and runs the row's reaction, as a click does,
//   then Latin-1 lines: the texts typed into rows 0 to 7 (shown rows only), the
//               label, the trigger register and mask and the delay; a
//               missing line leaves the field as laid out.
// A block the editor stores is written to a .prj, read back and rebuilt as
// the open rebuilds it: it is valid, with the same identity, texts, bytes,
// length and delay, and the editor takes it again unchanged.
#include "Fallisce.h"

#include "base/Testi.h"
#include "blockeditor/Catalogo.h"
#include "blockeditor/Codifica.h"
#include "blockeditor/CodificaBlocco.h"
#include "blockeditor/ContestoBlocco.h"
#include "blockeditor/Famiglie.h"
#include "comm/Dispositivo.h"
#include "projectfiles/ApriProgetto.h"
#include "projectfiles/FileProgetto.h"
#include "registers/Tabelle.h"
#include "registers/TabRegistri.h"
#include "resources/TabellaStringhe.h"

#include <cmath>
#include <cstdlib>

namespace {
using Fuzz::Fallisce;

constexpr size_t kTesta = 23;

// Entry (b - 1) mod (n + 1) - 1 of a list of n: -1 .. n - 1.
int Scelta(uint8_t b, qsizetype n)
{
    return int((b - 1) % (n + 1)) - 1;
}

void NumeroLetto(const QString& testo)
{
    const double v = LeggiNumero(testo);
    if (!std::isfinite(v)) std::abort();
    if (LeggiNumero(QLatin1Char(' ') + testo) != v) std::abort();
    if (!testo.isEmpty() && testo[0].isDigit() && testo[0].unicode() < 128
        && LeggiNumero(QLatin1Char('-') + testo) != -v)
        std::abort();
    if (const std::optional<double> n = NumeroRiga(testo); n && *n != v) Fallisce("the editor reads another number in", testo);
    ArrotondaPari(v);
}

// What the .prj keeps of a rung and what the rebuild makes of it.
void Confronta(const Rung& atteso, const Rung& r, const char* dove)
{
    const auto diverso = [dove](const char* campo) { Fallisce(dove, QString::fromLatin1(campo)); };
    if (!r.Valido) diverso("not valid");
    if (r.Classe != atteso.Classe || r.Gruppo != atteso.Gruppo || r.Op != atteso.Op) diverso("identity");
    if (r.ArgTesto != atteso.ArgTesto || r.Etichetta != atteso.Etichetta || r.Descrizione != atteso.Descrizione)
        diverso("texts");
    if (r.Trig != atteso.Trig || r.TrigReg != atteso.TrigReg || r.TrigMask != atteso.TrigMask) diverso("trigger");
    for (size_t k = 0; k < 8; ++k)
        if (r.ArgByte[k] != atteso.ArgByte[k]) diverso("bytes");
    if (r.Lunghezza != atteso.Lunghezza || r.Delay != atteso.Delay) diverso("length or delay");
}

void BloccoDellEditor(const uint8_t* data, size_t size)
{
    if (size < kTesta) return;
    const int indice = data[0] % NumBlocchi;
    const GestoreFamiglia* g = GestoreBlocco(indice);
    if (!g || !g->Codifica) return;
    Controllore.Modello = uint8_t(data[1] % NumModelli);
    const DefModello& m = Modelli[Controllore.Modello];

    // The project files hold Latin-1 text, one field a line.
    QStringList testi = QString::fromLatin1(reinterpret_cast<const char*>(data) + kTesta, qsizetype(size - kTesta))
                            .split(QLatin1Char('\n'));
    for (QString& t : testi) t.remove(QLatin1Char('\r'));
    const auto testo = [&testi](int n) { return n < testi.size() ? std::optional<QString>(testi[n]) : std::nullopt; };

    Rung r;
    if (data[2] & 2) {
        r.Valido = true;
        r.ArgByte[1] = {data[19], data[20], data[21], data[22]};
    }
    ContestoBlocco c = ContestoCorrente(-1);
    const QString etichetta = testo(8).value_or(QString());
    if (!etichetta.isEmpty()) c.etichette.append({etichetta, 1});
    DatiBlocco d;
    d.nomeFunzione = NomiFunzione[size_t(indice)];
    d.contesto = c;
    std::array<DefArgomento, 8> argomenti;
    ImpaginaBlocco(d, indice, &r, argomenti);
    d.etichetta = etichetta;
    d.trigger = data[2] & 1;
    for (size_t i = 0; i < 8; ++i) {
        RigaBlocco& riga = d.righe[i];
        if (!riga.visibile) continue;
        // Only a register picked in the register window leaves a row
        // without a type: its list has no entry of the register's type.
        if (const uint8_t b = data[3 + i]) {
            riga.sceltaTipo = Scelta(b, riga.tipi.size());
            if (riga.sceltaTipo < 0 && !argomenti[i].DaRegistro) riga.sceltaTipo = riga.tipi.isEmpty() ? -1 : 0;
        }
        if (const uint8_t b = data[11 + i]) {
            riga.scelta = Scelta(b, riga.lista.size());
            if (riga.scelta >= 0) {
                riga.testo = riga.lista[riga.scelta].testo;
                if (g->ValoreScelto) g->ValoreScelto(d, int(i));
            }
        }
    }
    for (size_t i = 0; i < 8; ++i)
        if (d.righe[i].visibile)
            if (const auto t = testo(int(i))) d.righe[i].testo = *t;
    if (const auto t = testo(9)) d.testoTrigReg = *t;
    if (const auto t = testo(10)) d.testoTrigMask = *t;
    if (const auto t = testo(11)) d.ritardo = *t;
    if (!CodificaBlocco(d, r).Memorizzato()) return;
    // Entries that neither the palette nor a stored identity ever selects
    // (an identity another block shares) are not blocks the editor stores.
    if (FunzToOpt(r.Classe, r.Gruppo, r.Op) != indice) return;

    ProgettoSalvato p;
    p.presente[size_t(FileSet::Prj)] = true;
    p.rung << r;
    ContenutoSet contenuto;
    contenuto[size_t(FileSet::Prj)] = ScriviSet(p, m)[size_t(FileSet::Prj)];
    ProgettoSalvato letto;
    if (auto guasto = LeggiSet(contenuto, m, letto)) Fallisce("a stored rung does not read back:", guasto->Testo());
    if (letto.rung.size() != 1) Fallisce("a stored rung reads back as another count");
    RicostruisciRung(letto);
    Confronta(r, letto.rung[0], "a stored rung opens changed:");

    // Opened in the editor again and confirmed as it stands.
    Rung ancora = letto.rung[0];
    DatiBlocco riaperto = DatiDaRung(ancora, ContestoCorrente(-1));
    riaperto.lettura = LetturaRighe::Editor;
    riaperto.ritardo = QString::number(ancora.Delay);
    if (!CodificaBlocco(riaperto, ancora).Memorizzato()) Fallisce("the editor refuses a rung it stored, reopened");
    Confronta(r, ancora, "a stored rung reopened and confirmed changes:");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CaricaModelli();
    CaricaRegistriSistema(true);
    // The English texts, as the program starts: the rows' captions are
    // language texts, and a row without one is not shown.
    for (int k : NumeriTestiInterfaccia())
        if (const auto it = TabellaStringhe().constFind(BaseItaliano + 1000 + k); it != TabellaStringhe().constEnd())
            TestiLingua[k] = *it;
    const char* const tipi[] = {"uInt", "Int", "uLong", "Long", "Float", "K_Flt", "K_Long", "Hex", "ASCII", "Bin", "Table", "Direct", "Swap"};
    for (size_t i = 0; i < std::size(tipi); ++i) TipiDato[i] = QString::fromLatin1(tipi[i]);
    // Tables a Linearization row may name.
    NumTabelle = 2;
    Tabelle[0] = Tabella{.NomeTabella = "T 1", .NPunti = 3, .X = {0, 1, 2}, .Y = {0, 10, 20}};
    Tabelle[1] = Tabella{.NomeTabella = "T, 2", .NPunti = 2, .X = {0, 1}, .Y = {5, 6}};
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NumeroLetto(QString::fromUtf8(reinterpret_cast<const char*>(data), int(size)));
    BloccoDellEditor(data, size);
    return 0;
}
