#include "projectfiles/ScrittoreRighe.h"

#include "base/Conversioni.h"

#include <QStringList>

void ScrittoreRighe::Riga(const QString& testo)
{
    m_byte.reserve(m_byte.size() + testo.size() + 2);
    for (QChar c : testo) m_byte.append(char(ByteCarattere(c)));
    m_byte.append("\r\n", 2);
}

void ScrittoreRighe::Testo(const QString& testo)
{
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    Riga(t);
}

void ScrittoreRighe::TestoMultiriga(const QString& testo)
{
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& riga : t.split(QLatin1Char('\n'))) Riga(riga);
}

void ScrittoreRighe::Intero(qint64 valore)
{
    Riga((valore < 0 ? QString() : QStringLiteral(" ")) + QString::number(valore) + QLatin1Char(' '));
}

void ScrittoreRighe::Reale(double valore)
{
    Riga(NumeroFile(valore) + QLatin1Char(' '));
}

void ScrittoreRighe::NumeroTabella(double valore)
{
    Riga(NumeroFile(valore));
}

void ScrittoreRighe::Puntato(std::initializer_list<qint64> valori)
{
    QStringList parti;
    for (qint64 v : valori) parti << QString::number(v);
    Riga(parti.join(QLatin1Char('.')));
}
