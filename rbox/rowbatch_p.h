// SPDX-License-Identifier: BSD-3-Clause
#ifndef ROWBATCH_P_H
#define ROWBATCH_P_H

#include <QtGlobal>

#include <algorithm>
#include <vector>

// Rows of a table as UTF-8, one value after the other, with each value's
// length (-1 for none). Tables of more than a batch are read and written
// with SQLite's work on a second thread: one thread fills batches while the
// other works on those handed over before, so that both go on at once.
struct RowBatch
{
    // A batch is full at so many rows, or sooner at so many bytes (a few
    // batches are held at once).
    static constexpr qint64 Rows = 4096;
    static constexpr qsizetype FullBytes = 1 << 20;

    std::vector<char> m_vBytes;
    qsizetype m_iUsed = 0;
    std::vector<int> m_vLengths;
    qint64 m_iFirstId = 0;
    qint64 m_iRows = 0;

    // Empties it, keeping its room, for the rows from that id on.
    void Restart(qint64 p_iFirstId)
    {
        m_iUsed = 0;
        m_vLengths.clear();
        m_iFirstId = p_iFirstId;
        m_iRows = 0;
    }
    bool Full() const { return m_iRows >= Rows || m_iUsed >= FullBytes; }
    // The values' bytes; never null, even when every value is empty (SQLite
    // and QString take a null pointer for no value at all).
    const char* Bytes() const { return m_vBytes.empty() ? "" : m_vBytes.data(); }
    // Room for that many more bytes at m_vBytes.data() + m_iUsed.
    char* Reserve(qsizetype p_iBytes)
    {
        if (qsizetype(m_vBytes.size()) < m_iUsed + p_iBytes)
            m_vBytes.resize(std::max(size_t(m_iUsed + p_iBytes), 2 * m_vBytes.size()));
        return m_vBytes.data() + m_iUsed;
    }
};

#endif
