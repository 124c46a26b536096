// SPDX-License-Identifier: BSD-3-Clause
#ifndef FILEREPLACEMENT_P_H
#define FILEREPLACEMENT_P_H

#include <QByteArray>
#include <QString>

// Replaces a file whole or not at all. The new content goes into a
// temporary file of a name of its own beside the file (so that writers of
// the same file never touch each other's), with the replaced file's
// permission bits and, where the process may set them, its owner and group;
// it takes the file's place on Commit(). A file reached through symbolic links
// is written at their end, and the links stay. A process killed at any
// moment leaves the complete old file or the complete new one. Every saver
// of the record engine and of the library writes through this class.
class FileReplacement
{
public:
    explicit FileReplacement(const QString& p_qstrFileName);
    // Removes the temporary file unless it took the file's place.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The file that a name stands for: the end of its symbolic links.
    static QString Target(const QString& p_qstrFileName);

    // Whether the temporary file is there to be written; false when the
    // file is not a plain file, cannot be written, or its folder is missing.
    bool IsOpen() const { return m_iFd >= 0; }
    // The temporary file, open for reading and writing.
    int Handle() const { return m_iFd; }
    QByteArray TemporaryName() const { return m_qbaTemporary; }
    // Flushes the temporary file to disk, unless its writer did, and renames
    // it over the file. False when that failed; the file is then untouched.
    bool Commit(bool p_bOnDisk = false);

private:
    QByteArray m_qbaTarget;
    QByteArray m_qbaTemporary;
    int m_iFd = -1;
};

#endif
