#pragma once
// Reads one file of the project set line by line. Each text line is taken
// whole (no splitting at commas, no trimming, no quotes); numbers may carry
// blanks around them. A value that is missing, not a number or outside its
// field's range throws GuastoLettura with the line it was looked for on.
// Every line of the set is written with its line end, so a last line without
// one is what is left of a cut file: reading it throws as a missing value.
#include "projectfiles/GuastoLettura.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class LettoreRighe {
public:
    explicit LettoreRighe(const QByteArray& byte);

    bool Fine() const { return m_pos >= m_righe.size(); }
    // Number of the line last read (1 for the first).
    int Riga() const { return int(m_pos); }
    // The next line; at the end of the file a record was cut short.
    QString Testo();
    qint64 Intero(qint64 minimo, qint64 massimo);
    double Reale();
    // A count the tables can hold.
    int Conteggio(int massimo) { return int(Intero(0, massimo)); }
    // The line last read as whole numbers joined by ".", one per pair of
    // bounds.
    QList<qint64> Puntato(const QString& testo, std::initializer_list<qint64> minimi,
                          std::initializer_list<qint64> massimi) const;
    // Drops lines up to and including `tag`.
    void SaltaFino(const QString& tag);
    // Drops `quanti` lines.
    void Salta(int quanti);

private:
    [[noreturn]] void Rifiuta(Guasto::Tipo tipo, int riga) const;
    QStringList m_righe;
    qsizetype m_pos = 0;
    bool m_ultimaTroncata = false;   // the last line has no line end
};
