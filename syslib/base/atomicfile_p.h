// SPDX-License-Identifier: BSD-3-Clause
#ifndef ATOMICFILE_P_H
#define ATOMICFILE_P_H

#include "filereplacement_p.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>

// Writes a file whole or not at all (see FileReplacement): it takes the
// file's place on Commit() only when every write was complete. A full disk
// shortens a write without reporting an error, so every count is checked.
class AtomicFile
{
public:
    explicit AtomicFile(const QString& p_qstrFileName);

    // QIODevice::Text writes line ends the platform's way.
    bool Open(QIODevice::OpenMode p_eExtraMode = {});
    // False once a write fell short; later writes then do nothing.
    bool Write(QByteArrayView p_qbavData);
    // True when the file now holds everything written; otherwise the old
    // file is untouched and nothing is left beside it.
    bool Commit();

    // Open, Write and Commit in one.
    static bool Replace(const QString& p_qstrFileName, QByteArrayView p_qbavData);

private:
    FileReplacement m_replacement;
    QFile m_qfFile;
    bool m_bComplete = true;
};

#endif
