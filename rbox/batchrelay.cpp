// SPDX-License-Identifier: BSD-3-Clause
#include "batchrelay_p.h"

bool BatchRelay::Send(RowBatch& p_batch)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_waiting.size() < MostWaiting || m_bStopped; });
    if (m_bStopped)
        return false;
    m_waiting.push_back(std::move(p_batch));
    p_batch = RowBatch();
    if (!m_spare.empty()) {
        p_batch = std::move(m_spare.back());
        m_spare.pop_back();
    }
    lock.unlock();
    m_changed.notify_all();
    return true;
}

void BatchRelay::Close()
{
    Set(m_bClosed);
}

bool BatchRelay::Receive(RowBatch& p_batch)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_spare.push_back(std::move(p_batch));
    m_changed.wait(lock, [this] { return !m_waiting.empty() || m_bClosed || m_bStopped; });
    if (m_waiting.empty() || m_bStopped)
        return false;
    p_batch = std::move(m_waiting.front());
    m_waiting.pop_front();
    lock.unlock();
    m_changed.notify_all();
    return true;
}

void BatchRelay::Stop()
{
    Set(m_bStopped);
}

void BatchRelay::Set(bool& p_bFlag)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        p_bFlag = true;
    }
    m_changed.notify_all();
}
