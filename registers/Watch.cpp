#include "registers/Watch.h"

#include "base/Attesa.h"
#include "base/Conversioni.h"
#include "base/Prompt.h"
#include "comm/AreaComunicazione.h"
#include "comm/Dispositivo.h"
#include "registers/Registri.h"
#include "registers/TabRegistri.h"
#include "registers/WatchList.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
// The whole part of the number a text starts with; none when it starts with
// no number.
std::optional<double> NumeroIniziale(const QString& testo)
{
    static const QRegularExpression kNumero(QStringLiteral("^\\s*([+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?)"));
    const auto m = kNumero.match(testo);
    if (!m.hasMatch()) return std::nullopt;
    return std::trunc(m.captured(1).toDouble());
}

int Conta()
{
    return std::clamp<int>(WatchList[0], 0, MaxWatch);
}
} // namespace

RigaWatch DescriviWatch(int r, bool connesso)
{
    RigaWatch riga;
    if (r < 0 || r > UltimoRegistro) {
        riga.registro = QString::number(r);
        riga.valore = QStringLiteral("---");
        return riga;
    }
    const DefRegistro& d = TabRegistri[size_t(r)];
    riga.registro = d.Indirizzo;
    riga.nome = d.Nome;
    switch (d.Categoria) {
    case 0: riga.coloreNome = QColor(0, 0, 0); riga.coloreNomeValido = true; break;
    case 1:
    case 2: riga.coloreNome = QColor(0xFF, 0, 0); riga.coloreNomeValido = true; break;
    case 3: riga.coloreNome = QColor(0, 0, 0xFF); riga.coloreNomeValido = true; break;
    default: break;
    }
    riga.coloreValore = d.Cambiato ? QColor(0xFF, 0, 0) : QColor(0, 0, 0);
    riga.valore = QStringLiteral("---");
    if (!connesso) return riga;

    const uint16_t w = ParolaRegistro(r);
    const bool doppio = Doppio(d.Tipo);
    // A register the model lacks was never read, nor a high word past it; a
    // register no read has reached yet has no value to show either.
    const bool letto = r < RegistriDelModello() && TabRegistri[size_t(r)].Noto &&
                       (!doppio || (r + 1 < RegistriDelModello() && TabRegistri[size_t(r + 1)].Noto));
    switch (d.Tipo) {
    case 1: riga.tipo = QStringLiteral(" Int"); break;
    case 2:
    case 3:
    case 6: riga.tipo = QStringLiteral("Long"); break;
    case 4: riga.tipo = QStringLiteral("Float"); break;
    case 7: riga.tipo = QStringLiteral("Hex"); break;
    case 8: riga.tipo = QStringLiteral("Ascii"); break;
    case 9: riga.tipo = QStringLiteral("Bin"); break;
    default: riga.tipo = QStringLiteral("uInt"); break;
    }
    if (!letto) return riga;
    const uint32_t doppia = uint32_t(ParolaRegistro(r + 1)) << 16 | w;
    switch (d.Tipo) {
    case 0: riga.valore = QString::number(w); break;
    case 1: riga.valore = QString::number(int16_t(w)); break;
    case 2: riga.valore = QString::number(doppia); break;
    case 3:
    case 6: riga.valore = QString::number(int32_t(doppia)); break;
    case 4: {
        const double f = ByteToFloat(uint8_t(doppia >> 24), uint8_t(doppia >> 16), uint8_t(w >> 8), uint8_t(w));
        if (std::isfinite(f)) riga.valore = QString::number(f, 'f', 5);
        break;
    }
    case 7: riga.valore = IntToHex(w); break;
    case 8: riga.valore = TestoAsciiRegistro(w); break;
    case 9: riga.valore = IntToBin(w, true); break;
    default: riga.valore = QString::number(d.Valore); break;
    }
    return riga;
}

QList<QPair<QString, int>> VociWatch()
{
    QList<QPair<QString, int>> voci;
    for (int i = 0; i <= RegistriDelModello() && i <= UltimoRegistro; ++i) {
        const QString& nome = TabRegistri[size_t(i)].Nome;
        if (nome.isEmpty() || nome == QLatin1String("--Reserved--")) continue;
        voci.append({QStringLiteral("[%R") + QString::number(i) + QStringLiteral("] ") + nome, i});
    }
    return voci;
}

EsitoWatch AggiungiWatch(const QString& testo, int voce)
{
    std::optional<double> registro;
    EsitoWatch esito = EsitoWatch::Aggiunto;
    if (testo.startsWith(QLatin1Char('%'))) {
        registro = NumeroIniziale(testo.mid(2));
        if (!registro) esito = EsitoWatch::SenzaNumero;
    } else if (testo.startsWith(QLatin1Char('['))) {
        if (voce >= 0) registro = voce;
        else esito = EsitoWatch::SenzaVoce;
    } else {
        // Register 0 in place of a text with no number would look chosen.
        registro = NumeroIniziale(testo);
        if (!registro) esito = EsitoWatch::TestoNonNumero;
    }
    if (registro && (*registro < 0 || *registro > UltimoRegistro)) esito = EsitoWatch::NumeroFuori;
    if (esito == EsitoWatch::Aggiunto && Conta() >= MaxWatch) esito = EsitoWatch::ListaPiena;
    switch (esito) {
    case EsitoWatch::Aggiunto: break;
    case EsitoWatch::NumeroFuori: Prompt::MsgBox(QStringLiteral("Register = 0 to %1").arg(UltimoRegistro)); break;
    case EsitoWatch::ListaPiena: Prompt::MsgBox(QStringLiteral("The watch list holds at most %1 registers").arg(MaxWatch)); break;
    case EsitoWatch::SenzaNumero: Prompt::MsgBox(QStringLiteral("Write the register as %R and its number")); break;
    case EsitoWatch::SenzaVoce: Prompt::MsgBox(QStringLiteral("Choose a register in the list")); break;
    case EsitoWatch::TestoNonNumero: Prompt::ErroreValori(); break;
    }
    if (esito != EsitoWatch::Aggiunto) return esito;
    const int n = Conta() + 1;
    WatchList[0] = int16_t(n);
    WatchList[size_t(n)] = int16_t(*registro);
    return esito;
}

bool RimuoviWatch(int riga)
{
    const int n = Conta();
    if (riga < 1 || riga > n) return false;
    for (int i = riga; i < n; ++i) WatchList[size_t(i)] = WatchList[size_t(i + 1)];
    WatchList[0] = int16_t(n - 1);
    return true;
}

QList<int> BlocchiWatch()
{
    const int registri = RegistriDelModello();
    QList<bool> flag((registri + 31) / 32, false);
    for (int i = 1; i <= Conta(); ++i) {
        const int r = WatchList[size_t(i)];
        if (r < 0 || r >= registri) continue;
        flag[r / 32] = true;
        // A 32-bit value whose high word starts the next block needs both.
        if (Doppio(TabRegistri[size_t(r)].Tipo) && r + 1 < registri) flag[(r + 1) / 32] = true;
    }
    QList<int> primi;
    for (int k = 0; k < flag.size(); ++k)
        if (flag[k]) primi.append(32 * k);
    return primi;
}

void LeggiWatch()
{
    if (!Controllore.Connesso) return;
    // A failed block keeps its old values; the others are still read.
    for (int primo : BlocchiWatch()) LeggiPaginaRegistri(primo);
}

QList<RigaWatch> RigheWatch()
{
    QList<RigaWatch> righe;
    for (int i = 1; i <= Conta(); ++i) righe.append(DescriviWatch(WatchList[size_t(i)], Controllore.Connesso));
    return righe;
}

void CicloWatch(const std::function<bool()>& continua, const std::function<void()>& passo)
{
    ComErr = 0;
    LoopAttivo = 1;
    do {
        passo();
        Attesa(0.2);
    } while (continua());
    LoopAttivo = 0;
}
