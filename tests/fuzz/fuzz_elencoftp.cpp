// The FTP listing as the browser shows it. Byte 0 odd: the transfer failed;
// the rest is what the server sent. A failed listing adds nothing to the
// list; a complete one adds one entry per line, each a whole line that,
// sent again with its line end, lists the same; a second completion while
// no listing is pending adds nothing.
#include "Fallisce.h"

#include "production/ftp/ElencoFTP.h"

namespace {
using Fuzz::Fallisce;

struct Vista : VistaFTP {
    QStringList voci;
    int svuotata = 0;
    void SvuotaElenco() override { ++svuotata; }
    void AggiungiVoce(const QString& testo, int icona) override
    {
        if (icona != 1) Fallisce("a listing entry without the entry picture");
        voci << testo;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const QByteArray dati(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QString errore = data[0] % 2 ? QStringLiteral("Timeout was reached") : QString();
    Vista vista;
    ElencoFTP elenco(vista);
    elenco.Operazione = QStringLiteral("DIR");
    elenco.RispostaCompletata(dati, errore);
    if (!elenco.Operazione.isEmpty()) Fallisce("the listing is still pending");
    if (vista.svuotata != 0) Fallisce("a completion emptied the list");
    if (!errore.isEmpty()) {
        if (!vista.voci.isEmpty()) Fallisce("a failed listing added entries");
        return 0;
    }
    if (vista.voci != RigheElenco(dati)) Fallisce("the list is not the listing's lines");
    QByteArray ancora;
    for (const QString& voce : vista.voci) {
        if (voce.isEmpty() || voce.contains(QLatin1String("\r\n"))) Fallisce("not one whole line:", voce);
        ancora += voce.toUtf8() + "\r\n";
    }
    if (RigheElenco(ancora) != vista.voci) Fallisce("the lines list differently when sent again");
    const qsizetype n = vista.voci.size();
    elenco.RispostaCompletata(dati, QString());
    if (vista.voci.size() != n) Fallisce("a completion with no listing pending added entries");
    return 0;
}
