#include "base/ScritturaFile.h"

#include <QFileDevice>
#include <QFileInfo>

namespace {
QString MotivoDispositivo(const QIODevice& d, const char* ripiego)
{
    const QString s = d.errorString();
    return s.isEmpty() || s == QLatin1String("Unknown error") ? QString::fromLatin1(ripiego) : s;
}
} // namespace

std::optional<QString> ScriviTutto(QIODevice& dispositivo, const QByteArray& byte)
{
    qint64 scritti = 0;
    while (scritti < byte.size()) {
        const qint64 n = dispositivo.write(byte.constData() + scritti, byte.size() - scritti);
        if (n <= 0) return MotivoDispositivo(dispositivo, "not all the data could be written");
        scritti += n;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&dispositivo)) {
        // The buffer goes out now, while a failure can still be told: the
        // close that a commit does would lose it.
        if (!file->flush() || file->error() != QFileDevice::NoError)
            return MotivoDispositivo(dispositivo, "the data could not be written to the disk");
    }
    if (!dispositivo.isSequential() && dispositivo.size() != byte.size())
        return QStringLiteral("the file holds %1 of %2 bytes").arg(dispositivo.size()).arg(byte.size());
    return std::nullopt;
}

ScritturaFile::ScritturaFile(const QString& percorso) : m_file(percorso)
{
}

GuastoScrittura ScritturaFile::Guasto(const QString& motivo) const
{
    return GuastoScrittura{m_file.fileName(), motivo};
}

std::optional<GuastoScrittura> ScritturaFile::Prepara(const QByteArray& byte)
{
    if (!m_file.open(QIODevice::WriteOnly)) return Guasto(MotivoDispositivo(m_file, "the file cannot be created"));
    if (const auto motivo = ScriviTutto(m_file, byte)) {
        m_file.cancelWriting();
        return Guasto(*motivo);
    }
    m_attesi = byte.size();
    return std::nullopt;
}

std::optional<GuastoScrittura> ScritturaFile::Conferma()
{
    if (m_attesi < 0 || !m_file.isOpen()) return Guasto(QStringLiteral("the file was not written"));
    if (!m_file.commit() || m_file.error() != QFileDevice::NoError)
        return Guasto(MotivoDispositivo(m_file, "the file could not be put in place"));
    const qint64 dimensione = QFileInfo(m_file.fileName()).size();
    if (dimensione != m_attesi)
        return Guasto(QStringLiteral("the file holds %1 of %2 bytes").arg(dimensione).arg(m_attesi));
    return std::nullopt;
}

std::optional<GuastoScrittura> ScritturaFile::Scrivi(const QString& percorso, const QByteArray& byte)
{
    ScritturaFile f(percorso);
    if (auto guasto = f.Prepara(byte)) return guasto;
    return f.Conferma();
}
