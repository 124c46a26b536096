// SPDX-License-Identifier: BSD-3-Clause
#include "filestamp_p.h"

#include <QFile>

#include <sys/stat.h>

FileStamp FileStamp::Of(const QString& p_qstrFileName)
{
    FileStamp stamp;
    struct stat file;
    if (::stat(QFile::encodeName(p_qstrFileName).constData(), &file) != 0)
        return stamp;
    stamp.m_bExists = true;
    stamp.m_uDevice = file.st_dev;
    stamp.m_uInode = file.st_ino;
    stamp.m_iSize = file.st_size;
    stamp.m_tsModified = file.st_mtim;
    return stamp;
}

bool FileStamp::operator==(const FileStamp& p_other) const
{
    return m_bExists == p_other.m_bExists && m_uDevice == p_other.m_uDevice && m_uInode == p_other.m_uInode
        && m_iSize == p_other.m_iSize && m_tsModified.tv_sec == p_other.m_tsModified.tv_sec
        && m_tsModified.tv_nsec == p_other.m_tsModified.tv_nsec;
}
