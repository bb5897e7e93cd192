#include "production/memory/TrasferimentoMemoria.h"

#include "base/Attesa.h"
#include "base/Globali.h"
#include "base/Prompt.h"
#include "base/ScritturaFile.h"
#include "comm/Comunica.h"
#include "comm/Dispositivo.h"
#include "comm/EventiCollegamento.h"
#include "comm/Richiesta.h"
#include "production/memory/FileHex.h"

#include <QFile>
#include <QCursor>
#include <QGuiApplication>
#include <algorithm>
#include <optional>

namespace {

bool g_inCorso = false;

// The wait cursor and the running flag for one transfer, undone on every
// way out.
class Occupato {
public:
    Occupato()
    {
        g_inCorso = true;
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~Occupato()
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) QGuiApplication::restoreOverrideCursor();
        g_inCorso = false;
    }
    Occupato(const Occupato&) = delete;
    Occupato& operator=(const Occupato&) = delete;
};

void Log(const char* testo, bool separa = false)
{
    Eventi().Evento(QString::fromLatin1(testo), separa);
}

// A second transfer would share the running one's buffers.
bool Rifiuta()
{
    if (!g_inCorso) return false;
    Log("Memory transfer already running", true);
    return true;
}

bool RangeValido(int first, int end)
{
    return first >= 0 && first <= end && end <= BlocchiMemoria;
}

bool ScriviBlocco(int b)
{
    const int a = ByteBlocco * b;
    ComponiRichiesta({Controllore.Nodo, 20, 4, 0, Alto(a), Basso(a), ByteBlocco}, BufferEeprom.data() + a, ByteBlocco);
    return Comunica(true) == ComOk;
}

bool LeggiBlocco(int b)
{
    const int a = ByteBlocco * b;
    ComponiRichiesta({Controllore.Nodo, 20, 2, 0, Alto(a), Basso(a), ByteBlocco});
    if (Comunica(true) != ComOk || LunghezzaRisposta() < 3 + ByteBlocco) return false;
    std::copy_n(buff_rx.begin() + 3, ByteBlocco, BufferEeprom.begin() + a);
    return true;
}

// The whole file, or nothing when it cannot be opened or read whole.
bool CaricaFile(int end)
{
    QFile f(NomeFile);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const auto valori = LeggiFileHex(f.readAll(), ByteBlocco * end);
    if (!valori) return false;
    std::copy(valori->cbegin(), valori->cend(), BufferEeprom.begin());
    return true;
}

bool SalvaFile(int first, int end, int caratteri)
{
    // Written aside: an image that does not fit on the disk leaves the old
    // file as it was.
    const QByteArray testo = ScriviFileHex(BufferEeprom.data() + ByteBlocco * first, ByteBlocco * (end - first),
                                           caratteri == 1 ? FormaFileHex::Caratteri : FormaFileHex::Byte);
    return !ScritturaFile::Scrivi(NomeFile, testo);
}

} // namespace

bool TrasferimentoInCorso()
{
    return g_inCorso;
}

int16_t Percentuale(int b, int end)
{
    if (end <= 0) return 0;
    const int num = 100 * (b + 1);
    int q = num / end;
    const int resto2 = 2 * (num % end);
    if (resto2 > end || (resto2 == end && q % 2 == 1)) ++q;
    return int16_t(q);
}

EsitoDownload DownloadFileHex(int first, int end, bool chiediFile)
{
    if (Rifiuta()) return DownloadFallito;
    if (chiediFile) {
        const QString nome = Prompt::FileApri(QString(), FiltroFileHex);
        if (nome.isEmpty()) return DownloadFallito;
        NomeFile = nome;
    }
    Occupato occupato;
    if (!RangeValido(first, end) || (chiediFile && !CaricaFile(end))) {
        Log("Download Failed", true);
        return DownloadFallito;
    }
    Log("Downloading ...", true);
    for (int b = first; b < end; ++b) {
        Attesa(0.01);
        if (!ScriviBlocco(b) && !ScriviBlocco(b)) {
            Log("Download Failed");
            return DownloadFallito;
        }
        PercentualeDownload = Percentuale(b, end);
        AvanzamentoMemoria(b - first, end - first);
    }
    Log("Download Successul");
    return DownloadRiuscito;
}

void UploadFileHex(int first, int end, bool chiediFile, int caratteri)
{
    if (Rifiuta()) return;
    std::optional<Occupato> occupato(std::in_place);
    if (!RangeValido(first, end)) {
        Log("Upload Failed", true);
        return;
    }
    Log("Uploading ...", true);
    for (int b = first; b < end; ++b) {
        if (!LeggiBlocco(b)) {
            Log("Upload Failed");
            return;
        }
        AvanzamentoMemoria(b - first, end - first);
    }
    Log("Upload Successul");
    // The dialog gets the normal cursor; it is modal, so nothing can start
    // meanwhile.
    occupato.reset();
    if (chiediFile) {
        const QString nome = Prompt::FileSalva(QString(), FiltroFileHex);
        if (nome.isEmpty()) return;
        NomeFile = nome;
    }
    if (NomeFile.isEmpty()) return;
    if (!SalvaFile(first, end, caratteri)) Log("Upload Failed");
}

EsitoDownload ClearEeprom(int first, int end)
{
    constexpr int kBlocchiSistema = 512 / ByteBlocco;
    if (Rifiuta()) return DownloadFallito;
    if (!RangeValido(first, end)) return DownloadFileHex(first, end, false);
    std::fill(BufferEeprom.begin() + 512, BufferEeprom.begin() + 65536, uint8_t(0));
    return DownloadFileHex(std::min(std::max(first, kBlocchiSistema), end), end, false);
}
