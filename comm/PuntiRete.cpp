#include "comm/PuntiRete.h"

#include <QDir>
#include <QSettings>

namespace {

struct Predefinito {
    const char* chiave;
    const char* valore;
};

// One row per endpoint; the README's table follows this one. A host left
// empty is one we must not guess: the tool says so and does nothing.
constexpr Predefinito kPredefiniti[] = {
    {"ora/host", ""},
    {"ora/porta", "37"},
    {"collaudo/host", "192.168.1.100"},
    {"collaudo/porta", "502"},
    {"banco8566/host", "192.168.1.101"},
    {"banco8566/mult", "4"},
    {"molu/banco", "192.168.1.101"},
    {"molu/dispositivo", "192.168.1.100"},
    {"molu/upload", "80"},
    {"molu/factory", "firmware/molu_factory.bin"},
    {"molu/upgrade_a", "firmware/molu_upgrade_a.bin"},
    {"molu/upgrade_b", "firmware/molu_upgrade_b.bin"},
    {"ftp/host", ""},
    {"ftp/porta", "21"},
    {"ftp/utente", "karveno"},
    {"ftp/password", "kor-mel"},
};

QString Predefinito(const QString& chiave)
{
    for (const auto& p : kPredefiniti)
        if (chiave == QLatin1String(p.chiave))
            return QString::fromLatin1(p.valore);
    return {};
}

QByteArray NomeAmbiente(const QString& chiave)
{
    QString n = chiave.toUpper();
    n.replace(QLatin1Char('/'), QLatin1Char('_'));
    return "WORKBENCH_" + n.toLatin1();
}

// Settings OK makes the application-data folder the current directory, so
// the folder the file is found from is taken once, as the program loads.
const QDir& CartellaAvvio()
{
    static const QDir cartella(QDir::currentPath());
    return cartella;
}
[[maybe_unused]] const QDir& kCartellaAvvio = CartellaAvvio();

}  // namespace

namespace PuntiRete {

QString PercorsoFile()
{
    const QString p = qEnvironmentVariable("WORKBENCH_ENDPOINTS");
    return QDir::cleanPath(CartellaAvvio().absoluteFilePath(p.isEmpty() ? QStringLiteral("endpoints.ini") : p));
}

QString Valore(const QString& chiave)
{
    const QByteArray amb = NomeAmbiente(chiave);
    if (qEnvironmentVariableIsSet(amb.constData()))
        return qEnvironmentVariable(amb.constData()).trimmed();
    const QSettings file(PercorsoFile(), QSettings::IniFormat);
    const QVariant v = file.value(chiave);
    if (v.isValid())
        return v.toString().trimmed();
    return Predefinito(chiave);
}

int Intero(const QString& chiave)
{
    bool ok = false;
    const int n = Valore(chiave).toInt(&ok);
    return ok ? n : Predefinito(chiave).toInt();
}

}  // namespace PuntiRete
