// SPDX-License-Identifier: BSD-3-Clause
#ifndef LENTCONNECTION_P_H
#define LENTCONNECTION_P_H

#include "batchrelay_p.h"
#include "sqlitecalls_p.h"

#include <functional>
#include <memory>
#include <thread>

// An SQLite connection that two threads take turns at, never both at once:
// the caller's, and a second one it lends the connection to for the work on
// a table's rows, which the two hand each other in batches. The caller
// reaches the connection only through Get(), which takes it back first; the
// second thread gets it as its function's argument.
class LentConnection
{
public:
    explicit LentConnection(SqliteCalls::Db p_db);
    // Takes the connection back, stopping the work, and closes it.
    ~LentConnection();
    LentConnection(const LentConnection&) = delete;
    LentConnection& operator=(const LentConnection&) = delete;

    bool IsOpen() const { return bool(m_db); }
    // The connection for the caller's thread, taken back first (after the
    // second thread has worked through every batch sent to it).
    sqlite3* Get();
    // Lends the connection to a second thread that runs the function with it
    // and the relay the two threads hand batches through. False, with
    // nothing started, on a single CPU (where the two would only take
    // turns) or when no thread starts: the caller then does the work itself.
    bool Lend(std::function<void(sqlite3*, BatchRelay&)> p_fn);
    // The relay of the work under way, or null.
    BatchRelay* Relay() const { return m_pRelay.get(); }
    // Takes the connection back: when finishing, once the second thread has
    // worked through every batch sent to it; else at once.
    void TakeBack(bool p_bFinish);
    // Closes the connection, its statements finalized before; false when
    // SQLite could not.
    bool Close();

private:
    SqliteCalls::Db m_db;
    std::unique_ptr<BatchRelay> m_pRelay;
    std::thread m_thread;
};

#endif
