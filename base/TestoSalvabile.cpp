#include "base/TestoSalvabile.h"

#include "base/Prompt.h"

#include <QStringView>

std::optional<char32_t> CarattereSenzaByte(const QString& testo)
{
    // Whole code points, so a character outside the basic plane is shown
    // as itself, not as half of a pair.
    for (const char32_t c : QStringView(testo).toUcs4())
        if (c > 0xFF) return c;
    return std::nullopt;
}

QString MessaggioCarattere(const QString& campo, char32_t c)
{
    return QStringLiteral("%1 holds %2 (U+%3), a character the project files and the controller cannot hold")
        .arg(campo, QString::fromUcs4(&c, 1), QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
}

QString RifiutoTesto(const QString& campo, const QString& testo)
{
    const std::optional<char32_t> c = CarattereSenzaByte(testo);
    return c ? MessaggioCarattere(campo, *c) : QString();
}

bool TestoAccettato(const QString& campo, const QString& testo)
{
    const QString rifiuto = RifiutoTesto(campo, testo);
    if (rifiuto.isEmpty()) return true;
    Prompt::MsgBox(rifiuto);
    return false;
}
