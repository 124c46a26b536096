// SPDX-License-Identifier: BSD-3-Clause
#ifndef SQLITECALLS_P_H
#define SQLITECALLS_P_H

#include <QByteArray>

#include <sqlite3.h>

#include <functional>
#include <memory>

// The few calls of SQLite's C interface that the record engine makes, with
// connections and statements that close themselves.
namespace SqliteCalls
{
struct DbCloser
{
    void operator()(sqlite3* p_pDb) const { sqlite3_close_v2(p_pDb); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;

struct StmtFinalizer
{
    void operator()(sqlite3_stmt* p_pStmt) const { sqlite3_finalize(p_pStmt); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

// A connection to the file (a URI with SQLITE_OPEN_URI), or null.
Db Open(const QByteArray& p_qbaPath, int p_iFlags);
// The statement, or null when SQLite does not take it.
Stmt Prepare(sqlite3* p_pDb, const QByteArray& p_qbaSql);
// Runs statements that give no rows.
bool Exec(sqlite3* p_pDb, const QByteArray& p_qbaSql);
// The single integer that a statement such as a PRAGMA gives.
bool QueryInt(sqlite3* p_pDb, const char* p_szSql, qint64& p_iValue);
// Runs a statement that gives no rows, ready to run again.
bool StepOnce(sqlite3_stmt* p_pStmt);
// Hands every row of the query to the function; false when the query or
// SQLite fails, or the function gives false for a row.
bool EachRow(sqlite3* p_pDb, const QByteArray& p_qbaSql, const std::function<bool(sqlite3_stmt*)>& p_fnRow);
}

#endif
