// SPDX-License-Identifier: BSD-3-Clause
#ifndef FILESTAMP_P_H
#define FILESTAMP_P_H

#include <QString>

#include <sys/types.h>
#include <time.h>

// What tells one content of a file from another without reading it: a file
// replaced by another (every saver of the library renames a new one over
// it), or changed in place (its size or modification time).
class FileStamp
{
public:
    // The stamp of a file that is not there.
    FileStamp() = default;
    // The file's stamp now, at the end of its symbolic links.
    static FileStamp Of(const QString& p_qstrFileName);

    bool Exists() const { return m_bExists; }
    bool operator==(const FileStamp& p_other) const;
    bool operator!=(const FileStamp& p_other) const { return !(*this == p_other); }

private:
    bool m_bExists = false;
    dev_t m_uDevice = 0;
    ino_t m_uInode = 0;
    off_t m_iSize = 0;
    timespec m_tsModified {};
};

#endif
