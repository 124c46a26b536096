// SPDX-License-Identifier: BSD-3-Clause
#ifndef TABLECHECKSUM_P_H
#define TABLECHECKSUM_P_H

#include "rowbatch_p.h"

#include <QList>

struct RboxColumn;

// A 64-bit checksum of a table as the file holds it: its number, its
// declared columns, and every data set's values in order with their lengths
// (none told apart from empty), and how many data sets there are. Whatever
// the batches, the same table gives the same sum; any one value, length or
// byte changed, dropped or added gives another. It guards against damage,
// not against someone who rewrites the file on purpose.
class TableChecksum
{
public:
    TableChecksum(int p_iTable, const QList<RboxColumn>& p_qlColumns);

    // The rows of the batch, after those of the batches before it.
    void Add(const RowBatch& p_batch);
    // The sum of the table of that many data sets.
    quint64 Sum(qint64 p_iRows) const;

private:
    // A stream of 64-bit words, each step a bijection of the state: one
    // word changed always changes the sum.
    struct Stream
    {
        void Word(quint64 p_iWord);
        void Bytes(const char* p_pBytes, qsizetype p_iSize);
        quint64 Sum() const;

        quint64 m_iState = 0x9E3779B97F4A7C15ULL;
        quint64 m_iWords = 0;
        char m_acTail[8] = {};
        int m_iTail = 0;
    };

    Stream m_lengths;
    Stream m_bytes;
};

#endif
