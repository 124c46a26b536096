// SPDX-License-Identifier: BSD-3-Clause
#include "sqlitecalls_p.h"

SqliteCalls::Db SqliteCalls::Open(const QByteArray& p_qbaPath, int p_iFlags)
{
    sqlite3* pDb = nullptr;
    const int iRc = sqlite3_open_v2(p_qbaPath.constData(), &pDb, p_iFlags | SQLITE_OPEN_NOMUTEX, nullptr);
    Db db(pDb);
    if (iRc != SQLITE_OK)
        db.reset();
    return db;
}

SqliteCalls::Stmt SqliteCalls::Prepare(sqlite3* p_pDb, const QByteArray& p_qbaSql)
{
    sqlite3_stmt* pStmt = nullptr;
    if (sqlite3_prepare_v2(p_pDb, p_qbaSql.constData(), int(p_qbaSql.size()), &pStmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(pStmt);
        return {};
    }
    return Stmt(pStmt);
}

bool SqliteCalls::Exec(sqlite3* p_pDb, const QByteArray& p_qbaSql)
{
    return sqlite3_exec(p_pDb, p_qbaSql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteCalls::QueryInt(sqlite3* p_pDb, const char* p_szSql, qint64& p_iValue)
{
    Stmt stmt = Prepare(p_pDb, p_szSql);
    if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW)
        return false;
    p_iValue = sqlite3_column_int64(stmt.get(), 0);
    return true;
}

bool SqliteCalls::StepOnce(sqlite3_stmt* p_pStmt)
{
    const bool bDone = sqlite3_step(p_pStmt) == SQLITE_DONE;
    sqlite3_reset(p_pStmt);
    return bDone;
}

bool SqliteCalls::EachRow(sqlite3* p_pDb, const QByteArray& p_qbaSql, const std::function<bool(sqlite3_stmt*)>& p_fnRow)
{
    Stmt stmt = Prepare(p_pDb, p_qbaSql);
    if (!stmt)
        return false;
    int iRc;
    while ((iRc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        if (!p_fnRow(stmt.get()))
            return false;
    }
    return iRc == SQLITE_DONE;
}
