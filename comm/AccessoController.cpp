#include "comm/AccessoController.h"

#include "base/Conversioni.h"
#include "base/Modelli.h"
#include "base/Prompt.h"
#include "base/Testi.h"
#include "comm/Comunica.h"
#include "comm/Dispositivo.h"
#include "comm/EventiCollegamento.h"
#include "comm/Richiesta.h"
#include "registers/TabRegistri.h"

#include <QCoreApplication>
#include <cfenv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>

namespace {
constexpr int kModelliControllore = 23;  // records 0..22 are identified by code
constexpr int kTipoStringaRam = 13;

void Errore()
{
    Eventi().Evento(QStringLiteral("Error"));
}

void PompaEventi()
{
    QCoreApplication::processEvents();
}

// One transaction whose reply must hold at least `byte` bytes (unit address
// on) for the caller to read; a shorter reply counts as a failure.
bool Transazione(int byte = 2)
{
    return Comunica(true) == 0 && LunghezzaRisposta() >= byte;
}

void Aggiorna()
{
    Eventi().StatoCambiato();
}

// Rounds halves to the even neighbour whatever the current rounding mode.
double Arrotonda(double v)
{
    const int modo = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(modo);
    return r;
}

bool RegistroValido(int r) { return r >= 0 && r <= 0xFFFF; }
bool InTabella(int r) { return r >= 0 && r < int(TabRegistri.size()); }

bool Scrivi16(uint8_t nodo, int registro, uint16_t valore)
{
    ComponiRichiesta({nodo, 6, registro >> 8, registro & 0xFF, valore >> 8, valore & 0xFF});
    return Transazione();
}

// Function 20: sub-code 1, 2, 5 read into BufferTrasferimento, 4 writes from it.
bool Memoria(uint8_t nodo, uint8_t sottocodice, int64_t indirizzo, int64_t offset, int conteggio)
{
    const int64_t massimo = sottocodice == 5 ? 0xFFFFFF : 0xFFFF;
    if (indirizzo < 0 || indirizzo > massimo || conteggio < 0 || conteggio > 255 || offset < 0 ||
        offset + conteggio > int64_t(BufferTrasferimento.size())) {
        Errore();
        return false;
    }
    PompaEventi();
    const int a = int(indirizzo);
    const bool scrittura = sottocodice == 4;
    ComponiRichiesta({nodo, 20, sottocodice, sottocodice == 5 ? (a >> 16) & 0xFF : 0, (a >> 8) & 0xFF, a & 0xFF, conteggio},
                     BufferTrasferimento.data() + offset, scrittura ? conteggio : 0);
    EcoTerminale = false;
    if (!Transazione(scrittura ? 2 : 3 + conteggio)) {
        Errore();
        return false;
    }
    if (!scrittura) std::copy_n(buff_rx.begin() + 3, conteggio, BufferTrasferimento.begin() + offset);
    return true;
}

} // namespace

bool ComandoPLC(uint8_t comando)
{
    PompaEventi();
    ComponiRichiesta({Controllore.Nodo, 6, 0, 0, 0, comando});
    const bool ok = Transazione();
    if (ok) Controllore.UltimoComando = comando;
    else Errore();
    Aggiorna();
    return ok;
}

bool ImpostaDebug(int16_t debug)
{
    PompaEventi();
    const Byte3 a = IntToByte(IndirizzoModoDebug);
    ComponiRichiesta({Controllore.Nodo, 20, 4, 0, a[1], a[0], 1, debug == -1 ? ByteDebug : ByteRelease});
    const bool ok = Transazione();
    if (!ok) Errore();
    return ok;
}

bool LeggiStatoPLC()
{
    PompaEventi();
    const Byte3 a = IntToByte(IndirizzoModoDebug);
    ComponiRichiesta({Controllore.Nodo, 20, 2, 0, a[1], a[0], 1});
    bool debug = false;
    if (!Transazione(4)) {
        Errore();
    } else if (buff_rx[3] == ByteRelease || buff_rx[3] == ByteDebug) {
        // Any other byte says nothing about the mode: nothing changes.
        debug = buff_rx[3] == ByteDebug;
        Controllore.ModoDebug = debug ? -1 : 0;
    }
    Aggiorna();
    return debug;
}

bool ScriviMemoria(uint8_t nodo, int64_t indirizzo, int64_t offset, int conteggio)
{
    return Memoria(nodo, 4, indirizzo, offset, conteggio);
}

bool LeggiMemoria(uint8_t nodo, int64_t indirizzo, int64_t offset, int conteggio)
{
    return Memoria(nodo, 2, indirizzo, offset, conteggio);
}

bool LeggiMemoriaEstesa(uint8_t nodo, int64_t indirizzo, int64_t offset, int conteggio)
{
    return Memoria(nodo, 5, indirizzo, offset, conteggio);
}

std::optional<int> LeggiInput(uint8_t nodo, int registro)
{
    if (!RegistroValido(registro)) {
        Errore();
        return std::nullopt;
    }
    ComponiRichiesta({nodo, 4, registro >> 8, registro & 0xFF, 0, 1});
    if (!Transazione(5)) {
        Errore();
        return std::nullopt;
    }
    return 256 * buff_rx[3] + buff_rx[4];
}

double LeggiRegistroInput(uint8_t nodo, int registro)
{
    return LeggiInput(nodo, registro).value_or(0);
}

bool ScriviRegistro(uint8_t nodo, int registro, double& valore)
{
    if (!std::isfinite(valore)) {
        Errore();
        return false;
    }
    valore = Arrotonda(valore);
    if (valore < -32768 || valore > 65535 || !RegistroValido(registro)) {
        Errore();
        return false;
    }
    if (!Scrivi16(nodo, registro, uint16_t(int32_t(valore) & 0xFFFF))) {
        Errore();
        return false;
    }
    if (nodo == Controllore.Nodo && InTabella(registro)) {
        TabRegistri[registro].Valore = int32_t(valore);
        TabRegistri[registro].Noto = true;
    }
    return true;
}

namespace {
// Register n the low word, n + 1 the high word; the halves are independent.
bool ScriviDueRegistri(uint32_t valore, int registro)
{
    bool ok = true;
    for (int k = 0; k < 2; ++k) {
        const uint16_t parola = uint16_t(k == 0 ? valore & 0xFFFF : valore >> 16);
        if (Scrivi16(Controllore.Nodo, registro + k, parola)) {
            if (InTabella(registro + k)) {
                TabRegistri[registro + k].Valore = int16_t(parola);
                TabRegistri[registro + k].Noto = true;
            }
        } else {
            Errore();
            ok = false;
        }
    }
    return ok;
}
} // namespace

bool ScriviRegistroLong(double valore, int registro)
{
    const double v = std::isfinite(valore) ? Arrotonda(valore) : 0;
    if (!std::isfinite(valore) || v < -2147483648.0 || v > 4294967295.0 || !RegistroValido(registro) ||
        !RegistroValido(registro + 1)) {
        Errore();
        return false;
    }
    return ScriviDueRegistri(uint32_t(int64_t(v)), registro);
}

bool ScriviRegistroFloat(double valore, int registro)
{
    if (!std::isfinite(valore) || std::fabs(valore) > double(std::numeric_limits<float>::max()) ||
        !RegistroValido(registro) || !RegistroValido(registro + 1)) {
        Errore();
        return false;
    }
    const Byte4 f = FloatToByte(valore);
    return ScriviDueRegistri(uint32_t(f[0]) << 24 | uint32_t(f[1]) << 16 | uint32_t(f[2]) << 8 | f[3], registro);
}

bool ScriviRegistroStringa(const QString& testo, int registro)
{
    const int L = int(testo.size());
    const int n = (L % 2) ? L + 1 : L + 2;
    if (L > 99 || !RegistroValido(registro) || !RegistroValido(registro + n / 2 - 1)) {
        Errore();
        return false;
    }
    std::array<uint8_t, 100> dati{};
    for (int i = 0; i < L; ++i) dati[size_t(i)] = ByteCarattere(testo[i]);
    ComponiRichiesta({Controllore.Nodo, 16, registro >> 8, registro & 0xFF, 0, n / 2, n}, dati.data(), n);
    if (!Transazione()) {
        Errore();
        return false;
    }
    for (int k = 0; k < n / 2; ++k)
        if (InTabella(registro + k)) TabRegistri[registro + k].Tipo = kTipoStringaRam;
    return true;
}

bool LeggiModello(uint8_t modello, bool* letto)
{
    QString s = modello < NumModelli ? Modelli[modello].Codice : QString();
    ComponiRichiesta({Controllore.Nodo, 4, 0, 1, 0, 2});
    const bool ok = Transazione(7);
    if (letto) *letto = ok;
    if (ok) {
        s.clear();
        for (int i = 3; i <= 6; ++i) s += QString::number(buff_rx[i], 16).toUpper();
    }
    for (int i = 0; i < kModelliControllore; ++i)
        if (Modelli[i].Codice == s) Controllore.Modello = uint8_t(i);
    if (Controllore.Modello >= kModelliControllore) Controllore.Modello = 0;
    return true;
}

void VerificaController()
{
    const uint8_t precedente = Controllore.Modello;
    LeggiModello(Controllore.Modello);
    if (Controllore.Modello != precedente) {
        // The record is copied whole from elsewhere: its model index is not trusted.
        const auto nome = [](int i) { return i < NumModelli ? Modelli[i].Nome : QString(); };
        const QString domanda = QStringLiteral("Controller: ") + nome(Controllore.Modello) + QChar(13) +
                                QStringLiteral("Expected:") + nome(precedente) + QChar(13) +
                                QStringLiteral("Change controller?");
        if (Prompt::MsgBox(domanda, Prompt::SiNo, QStringLiteral("Mirok")) == Prompt::No)
            Controllore.Modello = precedente;
    }
    Eventi().ModelloVerificato();
}

void MonitorPLC()
{
    // A failed read says nothing about where the program is: nothing moves.
    if (const std::optional<int> v = LeggiInput(Controllore.Nodo, 13)) {
        TabRegistri[13].Valore = *v;
        TabRegistri[13].Noto = true;
        if (*v <= 32767) {
            TerzultimoPC = PenultimoPC;
            PenultimoPC = UltimoPC;
            UltimoPC = int16_t(*v);
            Eventi().RungInEsecuzione(*v, PenultimoPC, TerzultimoPC);
        }
    }
    Aggiorna();
}

void VerificaDopoConnessione()
{
    if (!Controllore.Connesso) return;
    VerificaController();
    const QString nome = Modelli[qMin<int>(Controllore.Modello, NumModelli - 1)].Nome;
    for (int k : {0, 1, 2, 3, 4, 8, 7}) {
        if (nome == NomiModello[k]) {
            Controllore.ModoDebug = LeggiStatoPLC() ? -1 : 0;
            return;
        }
    }
}
