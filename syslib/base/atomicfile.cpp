// SPDX-License-Identifier: BSD-3-Clause
#include "atomicfile_p.h"

AtomicFile::AtomicFile(const QString& p_qstrFileName)
    : m_replacement(p_qstrFileName)
{ }

bool AtomicFile::Open(QIODevice::OpenMode p_eExtraMode)
{
    m_bComplete = m_replacement.IsOpen()
        && m_qfFile.open(m_replacement.Handle(), QIODevice::WriteOnly | QIODevice::Unbuffered | p_eExtraMode,
                         QFileDevice::DontCloseHandle);
    return m_bComplete;
}

bool AtomicFile::Write(QByteArrayView p_qbavData)
{
    if (m_bComplete)
        m_bComplete = m_qfFile.write(p_qbavData.data(), p_qbavData.size()) == p_qbavData.size();
    return m_bComplete;
}

bool AtomicFile::Commit()
{
    m_qfFile.close();
    return m_bComplete && m_replacement.Commit();
}

bool AtomicFile::Replace(const QString& p_qstrFileName, QByteArrayView p_qbavData)
{
    AtomicFile file(p_qstrFileName);
    return file.Open() && file.Write(p_qbavData) && file.Commit();
}
