#include "outputs/EsportaProgetto.h"

#include "base/Globali.h"
#include "base/Prompt.h"
#include "base/ScritturaFile.h"
#include "comm/AccessoController.h"
#include "compiler/Compilatore.h"
#include "compiler/ImmagineCodice.h"
#include "outputs/FileEsportazione.h"
#include "projectfiles/CartellaDialoghi.h"
#include "transfer/MappaMemoria.h"
#include "transfer/SezioniMemoria.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

using Builder = bool (*)(bool, RapportoTrasferimento&);

// Lays range `area` out with its builder and copies it into the file. The
// range is zeroed first so nothing an earlier transfer left there leaks in.
void Sezione(QByteArray& file, const AreaMemoria& area, Builder builder, RapportoTrasferimento& rapporto)
{
    const size_t n = size_t(area.FineArea - area.InizioArea + 1);
    std::memset(BufferTrasferimento.data() + area.InizioArea, 0, n);
    builder(false, rapporto);
    std::memcpy(file.data() + FileEsportazione::Offset(area.InizioArea), BufferTrasferimento.data() + area.InizioArea, n);
}

bool Fallita(RapportoTrasferimento& rapporto)
{
    rapporto.Scrivi(QStringLiteral("Export Failed"));
    return false;
}

} // namespace

QString PercorsoEsportazione(const QString& scelto, bool marchio650)
{
    if (!QFileInfo(scelto).suffix().isEmpty()) return scelto;
    return scelto + u'.' + FileEsportazione::Estensione(marchio650);
}

QByteArray ComponiEsportazione(RapportoTrasferimento& rapporto)
{
    QByteArray file(FileEsportazione::Lunghezza, '\0');
    const QByteArray h = FileEsportazione::Intestazione(Marchio650, Versione, Revisione);
    std::memcpy(file.data(), h.constData(), size_t(h.size()));

    const auto& aree = FileEsportazione::Aree();
    // The code: the model's program area, never past the file's code range.
    const MappaMemoria mappa = MappaMemoria::DelModello();
    const int32_t inizio = std::max(mappa.IndirizzoProgramma, aree[0].InizioArea);
    const int32_t fine = std::min(mappa.IndirizzoProgramma + mappa.DimensioneProgramma - 1, aree[0].FineArea);
    for (int32_t a = inizio; a <= fine; ++a)
        file[FileEsportazione::Offset(a)] = char(ImmagineCodice[size_t(a - IndirizzoBaseCodice)]);

    Sezione(file, aree[2], DownloadVariabili, rapporto);
    Sezione(file, aree[4], DownloadStringhe, rapporto);
    Sezione(file, aree[6], DownloadStringheScheduler, rapporto);
    Sezione(file, aree[8], DownloadBlocchi, rapporto);
    return file;
}

bool EsportaProgetto(RapportoTrasferimento& rapporto)
{
    {
        ClessidraAttiva clessidra(rapporto);
        rapporto.Inizia();
        rapporto.Scrivi(QStringLiteral("Exporting ..."));
    }
    const QString scelto = Prompt::FileSalva(QString(), FileEsportazione::Filtro(Marchio650), CartellaDialoghi());
    if (scelto.isEmpty()) return false;
    RicordaCartella(scelto);
    ClessidraAttiva clessidra(rapporto);

    // A broken image must not reach a production programmer.
    LunghezzaImmagine = CompilaProgramma(rapporto);
    if (LunghezzaImmagine == 0 || NumErrori > 0) return Fallita(rapporto);

    const QByteArray contenuto = ComponiEsportazione(rapporto);
    // Written aside and renamed over the target: an old longer file never
    // keeps its tail, and a failure leaves the old file as it was.
    if (const auto guasto = ScritturaFile::Scrivi(PercorsoEsportazione(scelto, Marchio650), contenuto)) {
        rapporto.Scrivi(guasto->file + QStringLiteral(": ") + guasto->motivo);
        return Fallita(rapporto);
    }
    rapporto.Scrivi(QStringLiteral("Export Successul"));
    return true;
}
