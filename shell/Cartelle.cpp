#include "shell/Cartelle.h"

#include "base/Prompt.h"

#include <QDir>
#include <QStandardPaths>

QString GetSpecialFolder(int id)
{
    const bool crea = (id & CSIDL_FLAG_CREATE) != 0;
    QString percorso;
    switch (id & ~CSIDL_FLAG_CREATE) {
    case CSIDL_LOCAL_APPDATA:
        // The per-user, per-machine data folder: %LOCALAPPDATA% on Windows,
        // $XDG_DATA_HOME (or ~/.local/share) elsewhere.
        percorso = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        break;
    default:
        Prompt::MsgBox(QStringLiteral("An invalid folder ID was specified"));
        return QString();
    }
    if (percorso.isEmpty()) {
        Prompt::MsgBox(QStringLiteral("The folder does not exist"));
        return QString();
    }
    QDir cartella(percorso);
    if (!cartella.exists() && !(crea && QDir().mkpath(percorso))) {
        Prompt::MsgBox(QStringLiteral("The folder does not exist"));
        return QString();
    }
    return QDir::toNativeSeparators(cartella.absolutePath());
}
