// SPDX-License-Identifier: BSD-3-Clause
#ifndef FILELOCK_P_H
#define FILELOCK_P_H

#include <QLockFile>
#include <QString>

// Keeps the other writers of a file out while one reads, merges and
// replaces it, in this process and in others: a lock file "<file>.lock"
// beside the file (at the end of its symbolic links), as QLockFile makes it.
// A lock left by a process that died is taken over; one that another writer
// keeps for longer than a few seconds is not had, so that a save fails
// rather than hangs. The lock ends with the object.
class FileLock
{
public:
    explicit FileLock(const QString& p_qstrFileName);

    // False when the lock could not be had within a few seconds, or the
    // lock file not made (a missing folder, no permission).
    bool Lock();
    // Whether the lock was not had because another writer keeps it.
    bool KeptByOther() const { return m_qlfLock.error() == QLockFile::LockFailedError; }

private:
    QString m_qstrLockFile;
    QLockFile m_qlfLock;
};

#endif
