// SPDX-License-Identifier: BSD-3-Clause
#include "filelock_p.h"

#include "filereplacement_p.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>

namespace
{
constexpr int LockWaitMs = 3000;
constexpr int LockStepMs = 50;
// Older than this, a lock file that names no holder is left over.
constexpr int UnnamedLockMs = 1000;
}

FileLock::FileLock(const QString& p_qstrFileName)
    : m_qstrLockFile(FileReplacement::Target(p_qstrFileName) + QLatin1String(".lock"))
    , m_qlfLock(m_qstrLockFile)
{ }

bool FileLock::Lock()
{
    const QDeadlineTimer qdtDeadline(LockWaitMs);
    while (!m_qlfLock.tryLock(LockStepMs)) {
        if (m_qlfLock.error() != QLockFile::LockFailedError || qdtDeadline.hasExpired())
            return false;
        // QLockFile takes over the lock of a process that died, but not an
        // empty lock file, which a process killed while making it leaves
        // behind (the holder's name is written at once). Removing it fails
        // while a live holder keeps it.
        qint64 iPid = 0;
        QString qstrHost, qstrApplication;
        if (!m_qlfLock.getLockInfo(&iPid, &qstrHost, &qstrApplication)
            && QFileInfo(m_qstrLockFile).lastModified().msecsTo(QDateTime::currentDateTime()) > UnnamedLockMs)
            m_qlfLock.removeStaleLockFile();
    }
    return true;
}
