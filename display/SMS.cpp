#include "display/SMS.h"

QString TestoEspanso(const QString& testo)
{
    QString out;
    for (qsizetype i = 0; i < testo.size();) {
        if (testo[i] != u'&') {
            out += testo[i++];
            continue;
        }
        // Fewer than two characters left: what remains still gets its blanks.
        const qsizetype n = std::min<qsizetype>(3, testo.size() - i);
        out += testo.mid(i, n);
        out += QStringLiteral("    ");
        i += n;
    }
    return out;
}
