// SPDX-License-Identifier: BSD-3-Clause
#include "lentconnection_p.h"

#include <system_error>

LentConnection::LentConnection(SqliteCalls::Db p_db)
    : m_db(std::move(p_db))
{ }

LentConnection::~LentConnection()
{
    TakeBack(false);
}

sqlite3* LentConnection::Get()
{
    TakeBack(true);
    return m_db.get();
}

bool LentConnection::Lend(std::function<void(sqlite3*, BatchRelay&)> p_fn)
{
    static const bool s_bSecondCpu = std::thread::hardware_concurrency() > 1;
    if (!m_db || m_thread.joinable() || !s_bSecondCpu)
        return false;
    auto pRelay = std::make_unique<BatchRelay>();
    try {
        m_thread = std::thread([fn = std::move(p_fn), pDb = m_db.get(), pRelay = pRelay.get()] { fn(pDb, *pRelay); });
    } catch (const std::system_error&) {
        return false;
    }
    m_pRelay = std::move(pRelay);
    return true;
}

void LentConnection::TakeBack(bool p_bFinish)
{
    if (!m_thread.joinable())
        return;
    p_bFinish ? m_pRelay->Close() : m_pRelay->Stop();
    m_thread.join();
    m_pRelay.reset();
}

bool LentConnection::Close()
{
    TakeBack(true);
    if (!m_db || sqlite3_close(m_db.get()) != SQLITE_OK)
        return false;
    m_db.release(); // closed
    return true;
}
