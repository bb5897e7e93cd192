#include "support/Pty.h"

#include <QFile>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace Test {

CoppiaPty::~CoppiaPty()
{
    if (m_cartella && qEnvironmentVariable("WORKBENCH_COM_DIR") == m_cartella->path())
        qunsetenv("WORKBENCH_COM_DIR");
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
}

bool CoppiaPty::Apri()
{
    char nome[256] = {};
    termios t{};
    cfmakeraw(&t);
    if (::openpty(&m_master, &m_slave, nome, &t, nullptr) != 0) return false;
    cfmakeraw(&t);
    ::tcsetattr(m_slave, TCSANOW, &t);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_nomeSlave = QString::fromLocal8Bit(nome);
    return true;
}

bool CoppiaPty::CollegaCome(int k, const QString& cartella)
{
    if (m_master < 0 && !Apri()) return false;
    QString dir = cartella;
    if (dir.isEmpty()) {
        m_cartella = std::make_unique<QTemporaryDir>();
        if (!m_cartella->isValid()) return false;
        dir = m_cartella->path();
    }
    const QString link = dir + QStringLiteral("/COM%1").arg(k);
    QFile::remove(link);
    if (!QFile::link(m_nomeSlave, link)) return false;
    qputenv("WORKBENCH_COM_DIR", dir.toLocal8Bit());
    return true;
}

} // namespace Test
