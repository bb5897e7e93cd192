#include "transfer/DownloadProgramma.h"

#include "comm/Comunica.h"
#include "comm/Dispositivo.h"
#include "comm/Richiesta.h"
#include "compiler/ImmagineCodice.h"
#include "transfer/MappaMemoria.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int BlocchiLetturaMinimi = 132;
constexpr int MinimoIndirizzoProgramma = 512;
constexpr uint8_t LeggiAreaProgramma = 1;
constexpr uint8_t ScriviArea = 4;

int BlocchiArea(int32_t dimensione)
{
    return std::max<int32_t>(0, dimensione + LunghezzaBloccoMemoria - 1) / LunghezzaBloccoMemoria;
}

int LunghezzaBlocco(int i, int32_t dimensione)
{
    return std::min<int32_t>(LunghezzaBloccoMemoria, dimensione - LunghezzaBloccoMemoria * i);
}

// A function-20 request for `n` bytes at `indirizzo`; a write carries the
// image bytes from `indice` on.
void RichiestaMemoria(uint8_t sottocodice, int32_t indirizzo, int n, int indice = -1)
{
    ComponiRichiesta({Controllore.Nodo, 20, sottocodice, 0, Alto(indirizzo), Basso(indirizzo), n},
                     indice < 0 ? nullptr : ImmagineCodice.data() + indice, indice < 0 ? 0 : n);
}
} // namespace

int BlocchiProgramma(int32_t lunghezza, int32_t dimensione)
{
    return std::min(lunghezza / LunghezzaBloccoMemoria + 1, BlocchiArea(dimensione));
}

int BlocchiLettura(int32_t lunghezza, int32_t dimensione)
{
    return std::max(BlocchiProgramma(lunghezza, dimensione), std::min(BlocchiLetturaMinimi, BlocchiArea(dimensione)));
}

bool DownloadProgramma(int32_t& Lunghezza, RapportoTrasferimento& rapporto)
{
    ClessidraAttiva clessidra(rapporto);
    rapporto.Inizia();
    rapporto.Scrivi(QStringLiteral("Downloading ..."));
    rapporto.Barra(1);
    const MappaMemoria mappa = MappaMemoria::DelModello();
    const int n = BlocchiProgramma(Lunghezza, mappa.DimensioneProgramma);
    bool ok = n > 0;
    for (int i = 0; ok && i < n; ++i) {
        rapporto.Attendi(0.1);
        if (rapporto.Fermato()) {
            rapporto.Scrivi(QStringLiteral("Download Stopped"));
            return false;
        }
        if (mappa.IndirizzoProgramma < MinimoIndirizzoProgramma) {
            ok = false;
            break;
        }
        const int32_t offset = LunghezzaBloccoMemoria * i;
        RichiestaMemoria(ScriviArea, mappa.IndirizzoProgramma + offset, LunghezzaBlocco(i, mappa.DimensioneProgramma),
                         offset);
        ok = Comunica(true) == ComOk;
        if (ok) rapporto.Barra(1 + 100.0f * float(i + 1) / float(n));
    }
    rapporto.Scrivi(ok ? QStringLiteral("Download Successul") : QStringLiteral("Download Failed"));
    return ok;
}

bool UploadProgramma(int32_t lunghezza, RapportoTrasferimento& rapporto)
{
    ClessidraAttiva clessidra(rapporto);
    rapporto.Inizia();
    rapporto.Scrivi(QStringLiteral("Uploading ..."));
    const int32_t dimensione = MappaMemoria::DelModello().DimensioneProgramma;
    const int n = BlocchiLettura(lunghezza, dimensione);
    for (int i = 0; i < n; ++i) {
        if (rapporto.Fermato()) {
            rapporto.Scrivi(QStringLiteral("Upload Stopped"));
            return false;
        }
        const int32_t offset = LunghezzaBloccoMemoria * i;
        const int conteggio = LunghezzaBlocco(i, dimensione);
        RichiestaMemoria(LeggiAreaProgramma, offset, conteggio);
        // A reply too short for the block is no block.
        if (Comunica(true) != ComOk || LunghezzaRisposta() < 3 + conteggio) {
            rapporto.Scrivi(QStringLiteral("Upload Failed"));
            return false;
        }
        std::copy_n(buff_rx.begin() + 3, conteggio, ImmagineCodice.begin() + offset);
    }
    rapporto.Scrivi(QStringLiteral("Upload Successul"));
    return true;
}

EsitoVerifica VerificaProgramma(int32_t lunghezza, RapportoTrasferimento& rapporto)
{
    const int32_t dimensione = MappaMemoria::DelModello().DimensioneProgramma;
    const auto fine = ImmagineCodice.begin() + std::clamp<int32_t>(dimensione + 1, 0, DimensioneImmagineCodice);
    const std::vector<uint8_t> BufferVerifica(ImmagineCodice.begin(), fine);
    const bool letto = UploadProgramma(lunghezza, rapporto);
    rapporto.Inizia();
    rapporto.Scrivi(QStringLiteral("Verifying ..."));
    EsitoVerifica esito = EsitoVerifica::LetturaFallita;
    if (!letto) {
        rapporto.Scrivi(QStringLiteral("Verification Failed"));
    } else if (!std::equal(BufferVerifica.begin(), BufferVerifica.end(), ImmagineCodice.begin())) {
        esito = EsitoVerifica::Cambiato;
        rapporto.Scrivi(QStringLiteral("The Program has changed !"));
    } else {
        esito = EsitoVerifica::Verificato;
        rapporto.Scrivi(QStringLiteral("Verified ! -> OK"));
    }
    std::copy(BufferVerifica.begin(), BufferVerifica.end(), ImmagineCodice.begin());
    return esito;
}
