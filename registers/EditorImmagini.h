#pragma once
// The image editor's logic: the list of images, the picture last loaded and
// what ">>" stores from it. The window only shows this state.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Packs a picture in bands of eight rows from the top, one byte a column,
// bit b the band's row b; only exactly black pixels set their bit, and rows
// past the picture's height stay clear.
QByteArray ImpacchettaImmagine(const QImage& immagine);

enum class EsitoImmagine { Memorizzata, TroppeImmagini, TroppoGrande, TroppiByte };

class EditorImmagini {
public:
    QStringList Lista;       // names of images 0 .. NumImmagini - 1
    int Selezione = -1;
    QString Nome;            // the name field
    QString TestoX, TestoY;  // width and height fields
    // The picture last loaded: path, pixels and size (start empty each load).
    QString Percorso;
    QImage Immagine;
    int Larghezza = 0, Altezza = 0;

    // The window's load: the list, its first entry, an empty name field.
    void Carica();
    // "Load from File": asks for a bitmap; a cancel changes nothing.
    void CaricaDaFile();
    // Takes the picture of `percorso`; false when it cannot be read.
    bool CaricaImmagine(const QString& percorso);
    // ">>": a new image, or over the selected one when it was made from the
    // same file. A refusal says why and stores nothing.
    EsitoImmagine Inserisci();
};
