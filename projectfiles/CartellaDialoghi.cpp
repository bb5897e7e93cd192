#include "projectfiles/CartellaDialoghi.h"

#include "base/Globali.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString& Ultima()
{
    static QString cartella;
    return cartella;
}
} // namespace

QString CartellaDialoghi()
{
    // A new project is named without a folder ("Project"): it has none yet.
    const QFileInfo progetto(NomeProgetto);
    if (!NomeProgetto.isEmpty() && progetto.isAbsolute() && progetto.dir().exists()) return progetto.absolutePath();
    if (!Ultima().isEmpty() && QFileInfo(Ultima()).isDir()) return Ultima();
    return QDir::homePath();
}

void RicordaCartella(const QString& scelto)
{
    if (!scelto.isEmpty()) Ultima() = QFileInfo(scelto).absolutePath();
}
