#pragma once
// Reads one file of the project set line by line. Each text line is taken
// whole (no splitting at commas, no trimming, no quotes), a carriage return
// inside it read as a blank; numbers may carry blanks around them. A value
// that is missing, not a number or outside its field's range throws
// GuastoLettura with the line it was looked for on.
//
// A last line without its line end is what some text editors leave, or what
// is left of a cut file. This program writes every line of the tagged layout
// with its line end, so there such a line is read only when it is a whole
// closing tag, which no cut leaves; a value on it may be a number cut short
// and is refused. Files of the older layout come from other programs and
// their last line is read as it stands, unless a number ends inside it.
#include "projectfiles/GuastoLettura.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QRegularExpression;

class LettoreRighe {
public:
    LettoreRighe(const QByteArray& byte, bool conTag);

    bool Fine() const { return m_pos >= m_righe.size(); }
    // Number of the line last read (1 for the first).
    int Riga() const { return int(m_pos); }
    // The next line; at the end of the file a record was cut short.
    QString Testo();
    // The next line of a tagged record, which may be its closing tag
    // `chiusura`.
    QString TestoTag(const QString& chiusura);
    qint64 Intero(qint64 minimo, qint64 massimo);
    double Reale();
    // A count the tables can hold.
    int Conteggio(int massimo) { return int(Intero(0, massimo)); }
    // The line last read as whole numbers joined by ".", one per pair of
    // bounds.
    QList<qint64> Puntato(const QString& testo, std::initializer_list<qint64> minimi,
                          std::initializer_list<qint64> massimi) const;
    // Drops lines up to and including the closing tag `tag`.
    void SaltaFino(const QString& tag);
    // Drops `quanti` lines.
    void Salta(int quanti);
    // Drops the empty or blank lines that come next.
    void SaltaVuote();

private:
    [[noreturn]] void Rifiuta(Guasto::Tipo tipo, int riga) const;
    // The next line is the last one and has no line end.
    bool ProssimaSenzaFine() const { return m_senzaFine && m_pos == m_righe.size() - 1; }
    // The line last read, `testo`, holds no number where one stands;
    // `inizio` matches what a cut leaves of one.
    [[noreturn]] void RifiutaNumero(const QString& testo, const QRegularExpression& inizio) const;
    QStringList m_righe;
    qsizetype m_pos = 0;
    bool m_conTag = true;
    bool m_senzaFine = false;   // the last line has no line end
};
