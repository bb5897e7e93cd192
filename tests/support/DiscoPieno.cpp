#include "support/DiscoPieno.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace Test {

namespace {
const char* const kRiempitivo = "filler";
}

DiscoPieno::DiscoPieno(int kib)
{
    m_punto = m_cartella.filePath(QStringLiteral("disk"));
    if (!m_cartella.isValid() || !QDir().mkpath(m_punto)) {
        m_motivo = QStringLiteral("no temporary folder");
        return;
    }
    const QByteArray punto = QFile::encodeName(m_punto);
    const QByteArray opzioni = "size=" + QByteArray::number(kib) + "k,mode=0700";
    if (::mount("tmpfs", punto.constData(), "tmpfs", MS_NOSUID | MS_NODEV, opzioni.constData()) != 0) {
        m_motivo = QStringLiteral("a small file system cannot be mounted here (%1): run as root to test a full disk")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_montato = true;
}

DiscoPieno::~DiscoPieno()
{
    if (m_montato) ::umount2(QFile::encodeName(m_punto).constData(), MNT_DETACH);
}

QString DiscoPieno::Percorso(const QString& nome) const
{
    return m_punto + QLatin1Char('/') + nome;
}

void DiscoPieno::Riempi()
{
    QFile f(Percorso(QString::fromLatin1(kRiempitivo)));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
    // Smaller and smaller pieces, down to single bytes, until none fits.
    for (qint64 pezzo = 4096; pezzo > 0; pezzo /= 2) {
        const QByteArray byte(pezzo, 'f');
        while (f.write(byte) == pezzo) {
        }
    }
}

void DiscoPieno::Libera()
{
    QFile::remove(Percorso(QString::fromLatin1(kRiempitivo)));
}

bool DiscoPieno::SolaLettura()
{
    return m_montato && ::mount(nullptr, QFile::encodeName(m_punto).constData(), nullptr,
                                MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

} // namespace Test
