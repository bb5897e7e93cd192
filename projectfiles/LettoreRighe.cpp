#include "projectfiles/LettoreRighe.h"

#include "base/Conversioni.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
// What is left of a whole or real number cut inside it.
const QRegularExpression& InizioNumero()
{
    static const QRegularExpression e(QStringLiteral("^\\s*[-+]?\\d*\\.?\\d*([eE][-+]?)?$"));
    return e;
}
} // namespace

QString GuastoLettura::Testo() const
{
    static const char* const kMotivi[] = {"not a number", "the file ends inside a record",
                                          "a value or count beyond its table", "the file cannot be read",
                                          "the last line has no line end, so the file may be cut"};
    const QString nome = QFileInfo(file).fileName();
    const QString dove = riga > 0 ? QStringLiteral("%1, line %2").arg(nome).arg(riga) : nome;
    return dove + QStringLiteral(": ") + QLatin1String(kMotivi[tipo]);
}

LettoreRighe::LettoreRighe(const QByteArray& byte, bool conTag) : m_conTag(conTag)
{
    m_senzaFine = !byte.isEmpty() && !byte.endsWith('\n');
    m_righe = QString::fromLatin1(byte).split(QLatin1Char('\n'));
    // The line end of the last line opens no further line.
    if (!m_righe.isEmpty() && m_righe.last().isEmpty()) m_righe.removeLast();
    for (QString& r : m_righe) {
        if (r.endsWith(QLatin1Char('\r'))) r.chop(1);
        // A carriage return left inside a line is read as the blank the
        // save writes for it; kept, the project in memory (and what it
        // compiles and downloads) would differ from the file it saves.
        r.replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
}

void LettoreRighe::Rifiuta(Guasto::Tipo tipo, int riga) const
{
    GuastoLettura g;
    g.tipo = tipo;
    g.riga = riga;
    throw g;
}

void LettoreRighe::RifiutaNumero(const QString& testo, const QRegularExpression& inizio) const
{
    // Only the last line can end inside its number, and only when the text
    // is how such a number begins (" -", an exponent without digits).
    const bool tagliata = m_senzaFine && m_pos == m_righe.size() && inizio.match(testo).hasMatch();
    Rifiuta(tagliata ? Guasto::FineInRecord : Guasto::NonNumero, Riga());
}

QString LettoreRighe::Testo()
{
    if (Fine()) Rifiuta(Guasto::FineInRecord, int(m_pos) + 1);
    if (m_conTag && ProssimaSenzaFine()) Rifiuta(Guasto::SenzaFineRiga, int(m_pos) + 1);
    return m_righe[m_pos++];
}

QString LettoreRighe::TestoTag(const QString& chiusura)
{
    if (ProssimaSenzaFine() && m_righe[m_pos] == chiusura) return m_righe[m_pos++];
    return Testo();
}

qint64 LettoreRighe::Intero(qint64 minimo, qint64 massimo)
{
    const QString t = Testo().trimmed();
    bool ok = false;
    const qint64 v = t.toLongLong(&ok, 10);
    if (!ok) RifiutaNumero(t, InizioNumero());
    if (v < minimo || v > massimo) Rifiuta(Guasto::FuoriLimite, Riga());
    return v;
}

double LettoreRighe::Reale()
{
    const QString t = Testo();
    const std::optional<double> v = NumeroDaFile(t);
    if (!v) RifiutaNumero(t, InizioNumero());
    return *v;
}

QList<qint64> LettoreRighe::Puntato(const QString& testo, std::initializer_list<qint64> minimi,
                                   std::initializer_list<qint64> massimi) const
{
    static const QRegularExpression inizioPuntato(QStringLiteral("^\\s*(-?\\d+\\.){0,3}-?\\d*$"));
    const QStringList parti = testo.trimmed().split(QLatin1Char('.'));
    if (parti.size() != qsizetype(minimi.size())) RifiutaNumero(testo, inizioPuntato);
    QList<qint64> valori;
    for (qsizetype i = 0; i < parti.size(); ++i) {
        bool ok = false;
        const qint64 v = parti[i].trimmed().toLongLong(&ok, 10);
        if (!ok) RifiutaNumero(testo, inizioPuntato);
        if (v < minimi.begin()[i] || v > massimi.begin()[i]) Rifiuta(Guasto::FuoriLimite, Riga());
        valori << v;
    }
    return valori;
}

void LettoreRighe::SaltaFino(const QString& tag)
{
    while (TestoTag(tag) != tag) {
    }
}

void LettoreRighe::Salta(int quanti)
{
    for (int i = 0; i < quanti; ++i) Testo();
}

void LettoreRighe::SaltaVuote()
{
    while (!Fine() && m_righe[m_pos].trimmed().isEmpty()) ++m_pos;
}
