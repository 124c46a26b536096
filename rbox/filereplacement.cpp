// SPDX-License-Identifier: BSD-3-Clause
#include "filereplacement_p.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Makes a rename in that folder durable.
void SyncFolder(const QByteArray& p_qbaFolder)
{
    const int iFd = ::open(p_qbaFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (iFd >= 0) {
        ::fsync(iFd);
        ::close(iFd);
    }
}
}

QString FileReplacement::Target(const QString& p_qstrFileName)
{
    QFileInfo qfiTarget(p_qstrFileName);
    // A loop of links ends somewhere; the file there is then not found.
    for (int i = 0; i < 40 && qfiTarget.isSymLink(); ++i)
        qfiTarget.setFile(qfiTarget.symLinkTarget());
    return qfiTarget.absoluteFilePath();
}

FileReplacement::FileReplacement(const QString& p_qstrFileName)
    : m_qbaTarget(QFile::encodeName(Target(p_qstrFileName)))
{
    struct stat target
    {
    };
    const bool bReplacing = ::stat(m_qbaTarget.constData(), &target) == 0;
    if (bReplacing && (!S_ISREG(target.st_mode) || ::access(m_qbaTarget.constData(), W_OK) != 0))
        return;
    mode_t uMode = target.st_mode & 07777;
    const uid_t uOwner = target.st_uid;
    const gid_t uGroup = target.st_gid;
    // Private until it has the permissions of the file it is to replace; a
    // new file gets the usual ones (as the umask allows).
    const mode_t uCreate = bReplacing ? 0600 : 0666;
    for (int iTry = 0; iTry < 64 && m_iFd < 0; ++iTry) {
        m_qbaTemporary = m_qbaTarget + ".new-"
            + QByteArray::number(QRandomGenerator::global()->generate(), 36).rightJustified(7, '0');
        m_iFd = ::open(m_qbaTemporary.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, uCreate);
        if (m_iFd < 0 && errno != EEXIST)
            break;
    }
    if (m_iFd < 0 || !bReplacing)
        return;
    // A group of the process's own can always be kept, another owner only
    // by a privileged process; the owner changes first, since that clears
    // the set-ID bits. A file that stays the process's own keeps no set-ID
    // bits. Set before anything is written, the permissions reach the disk
    // with the content.
    if (::fchown(m_iFd, uOwner, uGroup) != 0 && ::fchown(m_iFd, uid_t(-1), uGroup) != 0)
        uMode &= 0777;
    if (::fchmod(m_iFd, uMode) != 0) {
        ::close(m_iFd);
        ::unlink(m_qbaTemporary.constData());
        m_iFd = -1;
    }
}

FileReplacement::~FileReplacement()
{
    if (m_iFd >= 0) {
        ::close(m_iFd);
        ::unlink(m_qbaTemporary.constData());
    }
}

bool FileReplacement::Commit(bool p_bOnDisk)
{
    if (m_iFd < 0 || (!p_bOnDisk && ::fdatasync(m_iFd) != 0)
        || std::rename(m_qbaTemporary.constData(), m_qbaTarget.constData()) != 0)
        return false;
    ::close(m_iFd);
    m_iFd = -1;
    SyncFolder(QFile::encodeName(QFileInfo(QFile::decodeName(m_qbaTarget)).absolutePath()));
    return true;
}
