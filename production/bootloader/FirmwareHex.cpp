#include "production/bootloader/FirmwareHex.h"

#include <QList>
#include <optional>

namespace {
// The value of `n` hexadecimal characters of the line from position `da`
// (0-based), or nothing.
std::optional<int64_t> Campo(const QByteArray& riga, int da, int n)
{
    if (da + n > riga.size()) return std::nullopt;
    int64_t v = 0;
    for (char c : riga.mid(da, n)) {
        const int cifra = QByteArray("0123456789ABCDEF").indexOf(char(c >= 'a' && c <= 'f' ? c - 32 : c));
        if (cifra < 0) return std::nullopt;
        v = v * 16 + cifra;
    }
    return v;
}
} // namespace

int64_t IndiceParola(int64_t indirizzo)
{
    const int64_t meta = indirizzo / 2;
    // An odd address lies halfway: the even neighbour wins.
    return (indirizzo % 2 != 0 && meta % 2 != 0) ? meta + 1 : meta;
}

CaricamentoHex CaricaHex(const QByteArray& testo, ImmagineFirmware& immagine)
{
    immagine.fill(0);
    int64_t alto = 0;
    const QList<QByteArray> righe = testo.split('\n');
    for (int i = 0; i < righe.size(); ++i) {
        const QByteArray riga = righe[i].trimmed();
        if (riga.isEmpty()) continue;
        const CaricamentoHex rifiuto{EsitoHex::RigaIlleggibile, i + 1};
        const auto n = Campo(riga, 1, 2), indirizzo = Campo(riga, 3, 4), tipo = Campo(riga, 7, 2);
        if (!n || !indirizzo || !tipo) return rifiuto;
        if (*tipo == 4) {
            const auto upper = Campo(riga, 9, 4);
            if (!upper) return rifiuto;
            alto = *upper * 65536;
        } else if (*tipo == 0) {
            if (*n % 2 != 0) return {EsitoHex::ConteggioDispari, i + 1};
            const int64_t primo = IndiceParola(*indirizzo + alto);
            if (primo + *n / 2 > ParoleFirmware) return {EsitoHex::OltreImmagine, i + 1};
            // Every pair is read before any is written: a refused line
            // leaves the image as the lines before it made it.
            std::array<uint16_t, 128> parole{};
            for (int k = 0; k < *n / 2; ++k) {
                const auto p = Campo(riga, 9 + 4 * k, 4);
                if (!p) return rifiuto;
                parole[size_t(k)] = uint16_t(*p);
            }
            for (int k = 0; k < *n / 2; ++k) immagine[size_t(primo + k)] = parole[size_t(k)];
        }
    }
    return {};
}

QString MessaggioHex(const CaricamentoHex& c)
{
    switch (c.esito) {
    case EsitoHex::Ok: return {};
    case EsitoHex::FileMancante: return FileFirmware + QStringLiteral(": file non trovato");
    case EsitoHex::RigaIlleggibile: return FileFirmware + QStringLiteral(": riga %1 illeggibile").arg(c.riga);
    case EsitoHex::ConteggioDispari:
        return FileFirmware + QStringLiteral(": riga %1, numero di byte dispari").arg(c.riga);
    case EsitoHex::OltreImmagine:
        return FileFirmware + QStringLiteral(": riga %1 oltre la parola %2").arg(c.riga).arg(ParoleFirmware - 1);
    }
    return {};
}
