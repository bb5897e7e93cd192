#include "display/CompilaScheduler.h"

#include "base/Modelli.h"
#include "base/Testi.h"
#include "comm/Dispositivo.h"
#include "compiler/Compilatore.h"
#include "display/Task.h"
#include "registers/Variabili.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int CodiceLoggerBinario = 138;
// The code is the function byte, 0, then the head and the tail.
constexpr int ByteAggiunti = 2 + TestaCompilato;
constexpr int TestoTipoEvento = 205;

// The column name the record editor shows for a field code.
std::optional<QString> NomeCampo(double campo)
{
    const double c = std::nearbyint(campo);
    if (c >= 0 && c <= 127) return Variabili[size_t(c)].NomeCampo;
    if (c == 128) return Testo(TestoTipoEvento);
    if (c == 129) return QStringLiteral("dd/mm/yy");
    if (c == 130) return QStringLiteral("hh:mm:ss");
    return std::nullopt;
}

// Each field's name followed by ";"; nullopt when a field names nothing.
std::optional<QString> NomiCampi(const Task& k)
{
    QString s;
    const int n = std::min<int>(k.NumCampi, int(k.Campi.size()));
    for (int f = 0; f < n; ++f) {
        const std::optional<QString> nome = NomeCampo(k.Campi[f]);
        if (!nome) return std::nullopt;
        s += *nome + u';';
    }
    return s;
}

void Errore(ErroreTask e)
{
    ErroreRung = Testo(int(e));
}

} // namespace

bool ModelloConStringheScheduler()
{
    if (Controllore.Modello >= NumModelli) return false;
    const QString& nome = Modelli[Controllore.Modello].Nome;
    return !nome.isEmpty() && (nome == NomiModello[4] || nome == NomiModello[7]);
}

void CompilaScheduler(int t)
{
    Task& k = Tasks[t];
    if (k.Errore != ErroreTask::Nessuno) return Errore(k.Errore);
    const int a = IndirizzoCodice;
    const int lunghezza = k.LunghezzaCodice + ByteAggiunti;
    if (k.LunghezzaCodice < 0 || TestaCompilato + k.LunghezzaCodice > DimensioneCompilato ||
        a + lunghezza > DimensioneImmagineCodice || NumComandi >= NumRiservate)
        return Errore(ErroreTask::NonCodificabile);

    const bool stringhe = ModelloConStringheScheduler();
    std::optional<QString> nomi = QString();
    if (stringhe && k.CodiceFunzione == CodiceLoggerBinario) nomi = NomiCampi(k);
    if (!nomi) return Errore(ErroreTask::CampoNonDefinito);

    ++NumComandi;
    ++NumInterni;
    const int e = OffsetVoce(NumComandi);
    const uint8_t voce[LunghezzaVoce] = {3, uint8_t(NumInterni), 0, uint8_t(a), uint8_t(a >> 8), uint8_t(a >> 16),
                                         uint8_t(a >> 24), uint8_t(lunghezza), 0, 0};
    std::copy(std::begin(voce), std::end(voce), ImmagineCodice.begin() + e);

    ImmagineCodice[a] = uint8_t(k.CodiceFunzione);
    ImmagineCodice[a + 1] = 0;
    std::copy_n(k.Compilato.begin(), lunghezza - 2, ImmagineCodice.begin() + a + 2);
    IndirizzoCodice = a + lunghezza;

    // On these models a task that builds no names sends none.
    if (stringhe) k.StringaTask = *nomi;
}
