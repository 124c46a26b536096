// SPDX-License-Identifier: BSD-3-Clause
#include "atomicfile_p.h"

AtomicFile::AtomicFile(const QString& p_qstrFileName)
    : m_qsfFile(p_qstrFileName)
{ }

bool AtomicFile::Open(QIODevice::OpenMode p_eExtraMode)
{
    m_bComplete = m_qsfFile.open(QIODevice::WriteOnly | p_eExtraMode);
    return m_bComplete;
}

bool AtomicFile::Write(QByteArrayView p_qbavData)
{
    if (m_bComplete)
        m_bComplete = m_qsfFile.write(p_qbavData.data(), p_qbavData.size()) == p_qbavData.size();
    return m_bComplete;
}

bool AtomicFile::Commit()
{
    if (m_bComplete && m_qsfFile.commit())
        return true;
    m_qsfFile.cancelWriting();
    return false;
}

bool AtomicFile::Replace(const QString& p_qstrFileName, QByteArrayView p_qbavData)
{
    AtomicFile file(p_qstrFileName);
    return file.Open() && file.Write(p_qbavData) && file.Commit();
}
