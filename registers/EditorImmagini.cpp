#include "registers/EditorImmagini.h"

#include "base/Prompt.h"
#include "registers/Immagini.h"

#include <algorithm>

namespace {
constexpr int kLatoMassimo = 255;
} // namespace

QByteArray ImpacchettaImmagine(const QImage& immagine)
{
    const QImage im = immagine.convertToFormat(QImage::Format_RGB32);
    QByteArray byte;
    for (int y = 0; y < im.height(); y += 8) {
        for (int x = 0; x < im.width(); ++x) {
            uint8_t b = 0;
            for (int k = 0; k < 8 && y + k < im.height(); ++k)
                if ((im.pixel(x, y + k) & 0xFFFFFF) == 0) b |= uint8_t(1u << k);
            byte.append(char(b));
        }
    }
    return byte;
}

void EditorImmagini::Carica()
{
    *this = EditorImmagini();
    for (int i = 0; i < NumImmagini && i < MaxImmagini; ++i) Lista << Immagini[size_t(i)].NomeImmagine;
    Selezione = Lista.isEmpty() ? -1 : 0;
}

void EditorImmagini::CaricaDaFile()
{
    const QString percorso = Prompt::FileApri(QString(), QStringLiteral(" (*.bmp);;(*.*)"));
    if (!percorso.isEmpty()) CaricaImmagine(percorso);
}

bool EditorImmagini::CaricaImmagine(const QString& percorso)
{
    const QImage im(percorso);
    if (im.isNull()) {
        Prompt::MsgBox(QStringLiteral("The file cannot be read as a picture"));
        return false;
    }
    Percorso = percorso;
    Immagine = im;
    Larghezza = im.width();
    Altezza = im.height();
    TestoX = QString::number(Larghezza);
    TestoY = QString::number(Altezza);
    return true;
}

EsitoImmagine EditorImmagini::Inserisci()
{
    const bool nuova = Selezione < 0 || Selezione >= NumImmagini || Immagini[size_t(Selezione)].FileImmagine != Percorso;
    const QByteArray byte = ImpacchettaImmagine(Immagine);
    EsitoImmagine esito = EsitoImmagine::Memorizzata;
    if (nuova && NumImmagini >= MaxImmagini) {
        esito = EsitoImmagine::TroppeImmagini;
        Prompt::MsgBox(QStringLiteral("At most %1 images").arg(MaxImmagini));
    } else if (Larghezza > kLatoMassimo || Altezza > kLatoMassimo) {
        esito = EsitoImmagine::TroppoGrande;
        Prompt::MsgBox(QStringLiteral("Images up to %1 x %1 pixels").arg(kLatoMassimo));
    } else if (byte.size() > MaxByteImmagine) {
        esito = EsitoImmagine::TroppiByte;
        Prompt::MsgBox(QStringLiteral("An image packs into at most %1 bytes").arg(MaxByteImmagine));
    }
    if (esito != EsitoImmagine::Memorizzata) return esito;

    int i = Selezione;
    if (nuova) {
        i = NumImmagini;
        NumImmagini = uint8_t(i + 1);
        Lista << Nome;
    }
    // An overwritten image keeps its name; only a new one takes the field's.
    ImmagineDisplay& d = Immagini[size_t(i)];
    if (nuova) d.NomeImmagine = Nome;
    d.FileImmagine = Percorso;
    d.Larghezza = uint8_t(Larghezza);
    d.Altezza = uint8_t(Altezza);
    d.Pixel.fill(0);
    std::copy(byte.cbegin(), byte.cend(), d.Pixel.begin());
    d.NumByte = int16_t(byte.size());
    return esito;
}
