#include "production/memory/FileHex.h"

QByteArray ScriviFileHex(const uint8_t* dati, int n, FormaFileHex forma)
{
    QByteArray out;
    if (forma == FormaFileHex::Caratteri) {
        out.reserve(n + 2);
        out.append(reinterpret_cast<const char*>(dati), n);
    } else {
        out.reserve(6 * n);
        for (int i = 0; i < n; ++i) out += ' ' + QByteArray::number(dati[i]) + ' ' + "\r\n";
        return out;
    }
    return out + "\r\n";
}

std::optional<std::vector<uint8_t>> LeggiFileHex(QByteArrayView testo, int servono,
                                                 const std::function<bool()>& dopoOgni)
{
    auto separatore = [](char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t' || c == ','; };
    std::vector<uint8_t> valori;
    qsizetype i = 0;
    const qsizetype n = testo.size();
    while (i < n) {
        if (separatore(testo[i])) {
            ++i;
            continue;
        }
        // One entry: digits only, at most 255; anything else spoils the file.
        int valore = 0;
        qsizetype cifre = 0;
        for (; i < n && !separatore(testo[i]); ++i, ++cifre) {
            const char c = testo[i];
            if (c < '0' || c > '9') return std::nullopt;
            valore = valore * 10 + (c - '0');
            if (valore > 255) return std::nullopt;
        }
        if (cifre == 0) return std::nullopt;
        valori.push_back(uint8_t(valore));
        if (dopoOgni && int(valori.size()) <= servono && !dopoOgni()) return std::nullopt;
    }
    if (servono < 0 || int(valori.size()) < servono) return std::nullopt;
    valori.resize(size_t(servono));
    return valori;
}
