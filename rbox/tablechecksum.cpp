// SPDX-License-Identifier: BSD-3-Clause
#include "tablechecksum_p.h"

#include "rboxfile_p.h"

#include <QtEndian>

#include <cstring>

namespace
{
quint64 Rotate(quint64 p_iValue, int p_iBits)
{
    return (p_iValue << p_iBits) | (p_iValue >> (64 - p_iBits));
}

// A final mix in which every bit of the input reaches every bit of the sum.
quint64 Mix(quint64 p_iValue)
{
    p_iValue ^= p_iValue >> 33;
    p_iValue *= 0xFF51AFD7ED558CCDULL;
    p_iValue ^= p_iValue >> 33;
    p_iValue *= 0xC4CEB9FE1A85EC53ULL;
    return p_iValue ^ (p_iValue >> 33);
}
}

TableChecksum::TableChecksum(int p_iTable, const QList<RboxColumn>& p_qlColumns)
{
    m_lengths.Word(quint64(qint64(p_iTable)));
    m_lengths.Word(quint64(p_qlColumns.size()));
    for (const RboxColumn& column : p_qlColumns) {
        const QByteArray qbaName = column.m_qstrName.toUtf8();
        m_lengths.Word(quint64(qint64(column.m_iType)));
        m_lengths.Word(quint64(qbaName.size()));
        m_bytes.Bytes(qbaName.constData(), qbaName.size());
    }
}

void TableChecksum::Add(const RowBatch& p_batch)
{
    for (int iLength : p_batch.m_vLengths)
        m_lengths.Word(quint64(qint64(iLength)));
    m_bytes.Bytes(p_batch.Bytes(), p_batch.m_iUsed);
}

quint64 TableChecksum::Sum(qint64 p_iRows) const
{
    Stream lengths = m_lengths;
    lengths.Word(quint64(p_iRows));
    return Mix(lengths.Sum() ^ Rotate(m_bytes.Sum(), 32));
}

void TableChecksum::Stream::Word(quint64 p_iWord)
{
    p_iWord *= 0x87C37B91114253D5ULL;
    p_iWord = Rotate(p_iWord, 31) * 0x4CF5AD432745937FULL;
    m_iState = (Rotate(m_iState ^ p_iWord, 27) * 5) + 0x52DCE729ULL;
    ++m_iWords;
}

void TableChecksum::Stream::Bytes(const char* p_pBytes, qsizetype p_iSize)
{
    // Eight bytes a word, little-endian on every machine; a word's rest
    // waits for the next bytes.
    while (p_iSize > 0) {
        const int iTake = int(std::min<qsizetype>(8 - m_iTail, p_iSize));
        if (m_iTail == 0 && iTake == 8) {
            Word(qFromLittleEndian<quint64>(p_pBytes));
        } else {
            std::memcpy(m_acTail + m_iTail, p_pBytes, size_t(iTake));
            m_iTail += iTake;
            if (m_iTail == 8) {
                Word(qFromLittleEndian<quint64>(m_acTail));
                m_iTail = 0;
            }
        }
        p_pBytes += iTake;
        p_iSize -= iTake;
    }
}

quint64 TableChecksum::Stream::Sum() const
{
    // The bytes left over, and how many there were: trailing zero bytes
    // count too.
    Stream last = *this;
    char acTail[8] = {};
    std::memcpy(acTail, m_acTail, size_t(m_iTail));
    last.Word(qFromLittleEndian<quint64>(acTail));
    last.Word(quint64(m_iWords) << 3 | quint64(m_iTail));
    return last.m_iState;
}
