#pragma once
// The folder the disk targets write their inputs to: in memory where the
// system has such a file system, since the saves sync every file they
// commit and a disk would make each run wait for it.
#include "Fallisce.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace Fuzz {

inline QString Cartella()
{
    static QTemporaryDir cartella(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                      ? QStringLiteral("/dev/shm/workbench-fuzz-XXXXXX")
                                      : QDir::tempPath() + QStringLiteral("/workbench-fuzz-XXXXXX"));
    if (!cartella.isValid()) Fallisce("no temporary folder");
    return cartella.path();
}

} // namespace Fuzz
