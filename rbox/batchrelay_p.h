// SPDX-License-Identifier: BSD-3-Clause
#ifndef BATCHRELAY_P_H
#define BATCHRELAY_P_H

#include "rowbatch_p.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

// Hands batches from the thread that fills them to the one that works on
// them; at most two wait, and emptied batches go back to be filled again.
class BatchRelay
{
public:
    // Filling side: hands the batch over, waiting while two wait already, and
    // leaves an emptied one in its place. False once the relay is stopped.
    bool Send(RowBatch& p_batch);
    // Filling side: nothing more comes.
    void Close();
    // Working side: the next batch in place of the one given back; false
    // once the relay is closed and every batch taken, or stopped.
    bool Receive(RowBatch& p_batch);
    // Either side: the other side's calls give false from now on.
    void Stop();

private:
    static constexpr size_t MostWaiting = 2;

    void Set(bool& p_bFlag);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<RowBatch> m_waiting;
    std::vector<RowBatch> m_spare;
    bool m_bClosed = false;
    bool m_bStopped = false;
};

#endif
