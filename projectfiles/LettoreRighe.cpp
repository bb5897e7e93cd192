#include "projectfiles/LettoreRighe.h"

#include "base/Conversioni.h"

#include <QFileInfo>

QString GuastoLettura::Testo() const
{
    static const char* const kMotivi[] = {"not a number", "the file ends inside a record",
                                          "a value or count beyond its table", "the file cannot be read"};
    const QString nome = QFileInfo(file).fileName();
    const QString dove = riga > 0 ? QStringLiteral("%1, line %2").arg(nome).arg(riga) : nome;
    return dove + QStringLiteral(": ") + QLatin1String(kMotivi[tipo]);
}

LettoreRighe::LettoreRighe(const QByteArray& byte)
{
    m_ultimaTroncata = !byte.isEmpty() && !byte.endsWith('\n');
    m_righe = QString::fromLatin1(byte).split(QLatin1Char('\n'));
    // The line end of the last line opens no further line.
    if (!m_righe.isEmpty() && m_righe.last().isEmpty()) m_righe.removeLast();
    for (QString& r : m_righe)
        if (r.endsWith(QLatin1Char('\r'))) r.chop(1);
}

void LettoreRighe::Rifiuta(Guasto::Tipo tipo, int riga) const
{
    GuastoLettura g;
    g.tipo = tipo;
    g.riga = riga;
    throw g;
}

QString LettoreRighe::Testo()
{
    if (Fine() || (m_ultimaTroncata && m_pos == m_righe.size() - 1)) Rifiuta(Guasto::FineInRecord, int(m_pos) + 1);
    return m_righe[m_pos++];
}

qint64 LettoreRighe::Intero(qint64 minimo, qint64 massimo)
{
    const QString t = Testo().trimmed();
    bool ok = false;
    const qint64 v = t.toLongLong(&ok, 10);
    if (!ok) Rifiuta(Guasto::NonNumero, Riga());
    if (v < minimo || v > massimo) Rifiuta(Guasto::FuoriLimite, Riga());
    return v;
}

double LettoreRighe::Reale()
{
    const std::optional<double> v = NumeroDaFile(Testo());
    if (!v) Rifiuta(Guasto::NonNumero, Riga());
    return *v;
}

QList<qint64> LettoreRighe::Puntato(const QString& testo, std::initializer_list<qint64> minimi,
                                   std::initializer_list<qint64> massimi) const
{
    const QStringList parti = testo.trimmed().split(QLatin1Char('.'));
    if (parti.size() != qsizetype(minimi.size())) Rifiuta(Guasto::NonNumero, Riga());
    QList<qint64> valori;
    for (qsizetype i = 0; i < parti.size(); ++i) {
        bool ok = false;
        const qint64 v = parti[i].trimmed().toLongLong(&ok, 10);
        if (!ok) Rifiuta(Guasto::NonNumero, Riga());
        if (v < minimi.begin()[i] || v > massimi.begin()[i]) Rifiuta(Guasto::FuoriLimite, Riga());
        valori << v;
    }
    return valori;
}

void LettoreRighe::SaltaFino(const QString& tag)
{
    while (Testo() != tag) {
    }
}

void LettoreRighe::Salta(int quanti)
{
    for (int i = 0; i < quanti; ++i) Testo();
}
